#include "resources/MainDialogTemplate.h"

namespace kolekt {

namespace {

using enum ControlKind;
using namespace main_dialog;

// Template order is tab order. 4, 5 and 162 are shown in the template and hidden by the
// window's initialisation; the contact buttons start hidden.
constexpr ControlTemplate kControls[] = {
    {kPost, DefPushButton, TextId::MainOkButton, 138, 135, 171, 14, true, true, kStyleNone},
    {kExit, PushButton, TextId::ExitProgramButton, 236, 176, 73, 13, true, true, kStyleNone},
    {kPublisherList, ListBox, "", 10, 10, 118, 139, true, true,
     kStyleNotify | kStyleSort | kStyleVScroll | kStyleBorder},
    {kLimitToMissing, AutoCheckBox, TextId::LimitToMissingBox, 148, 112, 154, 10, true, true,
     kStyleNone},
    {kNoId, GroupBox, TextId::LastPersonPostedFrame, 10, 160, 118, 29, true, false, kStyleNone},
    {kLastPosted, Static, "", 14, 169, 110, 18, true, false, kStyleCentered},
    {kLoadNewList, PushButton, TextId::LoadNewListButton, 138, 10, 171, 13, true, true, kStyleNone},
    {kCreateReturnFile, PushButton, TextId::CreateFileButton, 138, 46, 171, 13, true, true,
     kStyleNone},
    {kMissingCount, Static, "", 148, 77, 152, 8, true, false, kStyleNone},
    {kTotalCount, Static, "", 148, 68, 152, 8, true, false, kStyleNone},
    {kSummary, Static, "", 148, 86, 152, 25, true, false, kStyleNone},
    {kPhoneNumber, Static, "", 182, 159, 82, 8, true, false, kStyleCentered},
    {kDial, PushButton, TextId::DialButton, 137, 156, 38, 13, false, true, kStyleNone},
    {kNextPhone, PushButton, "> > >", 272, 156, 37, 13, false, true, kStyleNone},
    {kHelp, PushButton, TextId::HelpButton, 137, 176, 75, 13, true, true, kStyleNone},
    {kNoId, EtchedFrame, "", 138, 64, 172, 61, true, false, kStyleNone},
    {kViewReportList, PushButton, TextId::ViewReportListButton, 138, 28, 171, 13, true, true,
     kStyleNone},
    {kSendReminder, PushButton, "", 137, 195, 172, 13, false, true, kStyleNone},
    {kPreviewReminder, PushButton, TextId::PreviewEmailButton, 9, 195, 118, 13, false, true,
     kStyleNone},
};

} // namespace

const DialogTemplate kMainDialogTemplate = {
    102,
    320,
    213,
    "MS Sans Serif",
    10,
    TextId::MainTitle,
    kDialogSystemMenu | kDialogAppWindow,
    kControls,
};

} // namespace kolekt
