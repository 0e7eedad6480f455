#include "TabWalk.h"

#include "ui/common/BaseDialog.h"

#include <QApplication>
#include <QTest>
#include <algorithm>

namespace kolekt::test {

using namespace Qt::StringLiterals;

TabWalk walkTab(CBaseDialog& dialog) {
    QList<QWidget*> reached;
    QWidget* start = QApplication::focusWidget();
    for (QWidget* focus = start; focus && reached.size() < 64;) {
        reached << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (focus == start)
            break;
    }
    // Controls within a line's height of each other stand in one row.
    const int line = dialog.mapDialogRect(0, 0, 0, 8).height();
    const auto before = [line](const QWidget* a, const QWidget* b) {
        const QPoint p = a->geometry().topLeft();
        const QPoint q = b->geometry().topLeft();
        return p.y() <= q.y() - line || (std::abs(p.y() - q.y()) < line && p.x() < q.x());
    };
    const auto first = std::min_element(reached.begin(), reached.end(), before);
    std::rotate(reached.begin(), first, reached.end());
    TabWalk walk;
    for (qsizetype i = 0; i < reached.size(); ++i) {
        walk.ids << dialog.idOf(reached[i]);
        if (i > 0 && before(reached[i], reached[i - 1]))
            walk.faults << u"Tab goes from %1 back to %2"_s.arg(dialog.idOf(reached[i - 1]))
                               .arg(dialog.idOf(reached[i]));
    }
    return walk;
}

} // namespace kolekt::test
