#include "resources/MainDialogTemplate.h"

namespace kolekt {

namespace {

using enum ControlKind;
using namespace main_dialog;

// Template order is tab order. 4, 5 and 162 are shown in the template and hidden by the
// window's initialisation; the contact buttons start hidden.
constexpr ControlTemplate kControls[] = {
    {kPost, DefPushButton, "OK", 138, 135, 171, 14, true, true, kStyleNone},
    {kExit, PushButton, "Exit Program", 236, 176, 73, 13, true, true, kStyleNone},
    {kPublisherList, ListBox, "", 10, 10, 118, 139, true, true,
     kStyleNotify | kStyleSort | kStyleVScroll | kStyleBorder},
    {kLimitToMissing, AutoCheckBox, "Limit List to Missing Reports", 148, 107, 154, 10, true, true,
     kStyleNone},
    {kNoId, GroupBox, " Last Person Posted ", 10, 160, 118, 29, true, false, kStyleNone},
    {kLastPosted, Static, "", 18, 173, 103, 9, true, false, kStyleCentered},
    {kLoadNewList, PushButton, "Load New List from Secretary", 138, 10, 171, 13, true, true,
     kStyleNone},
    {kCreateReturnFile, PushButton, "Create File for Secretary", 138, 46, 171, 13, true, true,
     kStyleNone},
    {kMissingCount, Static, "", 148, 92, 152, 8, true, false, kStyleNone},
    {kTotalCount, Static, "", 148, 75, 152, 8, true, false, kStyleNone},
    {kPhoneNumber, Static, "", 182, 159, 82, 8, true, false, kStyleCentered},
    {kDial, PushButton, "Dial", 137, 156, 38, 13, false, true, kStyleNone},
    {kNextPhone, PushButton, "> > >", 272, 156, 37, 13, false, true, kStyleNone},
    {kHelp, PushButton, "Help", 137, 176, 75, 13, true, true, kStyleNone},
    {kNoId, EtchedFrame, "", 138, 64, 172, 61, true, false, kStyleNone},
    {kViewReportList, PushButton, "View or Print Report Collection List", 138, 28, 171, 13, true,
     true, kStyleNone},
    {kSendReminder, PushButton, "", 137, 195, 172, 13, false, true, kStyleNone},
    {kPreviewReminder, PushButton, "Preview E-mail", 9, 195, 118, 13, false, true, kStyleNone},
};

} // namespace

const DialogTemplate kMainDialogTemplate = {
    102,
    320,
    213,
    "MS Sans Serif",
    10,
    "Field Service Reports",
    kDialogSystemMenu | kDialogAppWindow,
    kControls,
};

} // namespace kolekt
