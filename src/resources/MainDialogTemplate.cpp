#include "resources/MainDialogTemplate.h"

namespace kolekt {

namespace {

using enum ControlKind;
using namespace main_dialog;

// How the controls follow a resized window: the list grows, the commands beside it move with
// the right edge, those under it with the bottom edge.
constexpr unsigned kRight = kStyleMovesRight;
constexpr unsigned kCorner = kStyleMovesRight | kStyleMovesDown;
constexpr unsigned kUnder = kStyleMovesDown | kStyleGrowsRight;
constexpr unsigned kGrows = kStyleGrowsRight | kStyleGrowsDown;

// Tab follows the layout. 4, 5 and 162 are shown in the template and hidden by the
// window's initialisation; the contact buttons start hidden.
constexpr ControlTemplate kControls[] = {
    {kPost, DefPushButton, TextId::MainOkButton, 138, 135, 171, 14, true, true, kRight},
    {kExit, PushButton, TextId::ExitProgramButton, 236, 176, 73, 13, true, true, kCorner},
    {kPublisherList, ListBox, "", 10, 10, 118, 139, true, true,
     kStyleNotify | kStyleSort | kStyleVScroll | kStyleBorder | kGrows},
    {kLimitToMissing, AutoCheckBox, TextId::LimitToMissingBox, 148, 112, 154, 10, true, true,
     kRight},
    {kNoId, GroupBox, TextId::LastPersonPostedFrame, 10, 160, 118, 29, true, false, kUnder},
    {kLastPosted, Static, "", 14, 169, 110, 18, true, false, kStyleCentered | kUnder},
    {kLoadNewList, PushButton, TextId::LoadNewListButton, 138, 10, 171, 13, true, true, kRight},
    {kCreateReturnFile, PushButton, TextId::CreateFileButton, 138, 46, 171, 13, true, true, kRight},
    {kMissingCount, Static, "", 148, 77, 152, 8, true, false, kRight},
    {kTotalCount, Static, "", 148, 68, 152, 8, true, false, kRight},
    {kSummary, Static, "", 148, 86, 152, 25, true, false, kRight},
    {kPhoneNumber, Static, "", 182, 159, 82, 8, true, false, kStyleCentered | kCorner},
    {kDial, PushButton, TextId::DialButton, 137, 156, 38, 13, false, true, kCorner},
    {kNextPhone, PushButton, "> > >", 272, 156, 37, 13, false, true, kCorner},
    {kHelp, PushButton, TextId::HelpButton, 137, 176, 75, 13, true, true, kCorner},
    {kNoId, EtchedFrame, "", 138, 64, 172, 61, true, false, kRight},
    {kViewReportList, PushButton, TextId::ViewReportListButton, 138, 28, 171, 13, true, true,
     kRight},
    {kSendReminder, PushButton, "", 137, 195, 172, 13, false, true, kCorner},
    {kPreviewReminder, PushButton, TextId::PreviewEmailButton, 9, 195, 118, 13, false, true,
     kUnder},
};

} // namespace

const DialogTemplate kMainDialogTemplate = {
    102,
    320,
    213,
    "MS Sans Serif",
    10,
    TextId::MainTitle,
    kDialogSystemMenu | kDialogAppWindow | kDialogResizable | kDialogTabByLayout,
    kControls,
};

} // namespace kolekt
