// The about box: template 100, closed with OK, Enter or Esc.
#pragma once

#include "ui/common/BaseDialog.h"

namespace kolekt {

class CAboutDlg : public CBaseDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* owner);
};

} // namespace kolekt
