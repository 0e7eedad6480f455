// Walks a dialog with Tab, as a keyboard user does, and holds the walk against the layout.
#pragma once

#include <QList>
#include <QStringList>

namespace kolekt {
class CBaseDialog;
}

namespace kolekt::test {

struct TabWalk {
    QList<int> ids;     // the template ids Tab reached, from the first in reading order
    QStringList faults; // each step that goes back against the reading order
};

// Presses Tab from the control that has the focus until the focus comes back to it.
TabWalk walkTab(CBaseDialog& dialog);

} // namespace kolekt::test
