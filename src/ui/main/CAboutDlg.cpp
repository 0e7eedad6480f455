#include "ui/main/CAboutDlg.h"

#include "resources/AboutDialogTemplate.h"

namespace kolekt {

CAboutDlg::CAboutDlg(QWidget* owner) : CBaseDialog(kAboutDialogTemplate, owner) {}

} // namespace kolekt
