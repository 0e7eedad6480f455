#include "resources/ViewerDialogTemplate.h"

namespace kolekt {

namespace {

using namespace viewer_id;
using K = ControlKind;

// A larger window gives the preview the room; the printing commands keep to the bottom right,
// the page buttons to the bottom left.
constexpr unsigned kCorner = kStyleMovesRight | kStyleMovesDown;
constexpr unsigned kGrows = kStyleGrowsRight | kStyleGrowsDown;

// Template order gives the first focus to Close; Tab follows the layout. None of the buttons is
// a default button.
constexpr ControlTemplate kControls[] = {
    {kClose, K::PushButton, TextId::CloseButton, 320, 184, 66, 14, true, true, kCorner},
    {kPrint, K::PushButton, TextId::PrintButton, 219, 184, 66, 14, true, true, kCorner},
    {kPrintSetup, K::PushButton, TextId::PrintSetupButton, 113, 184, 66, 14, true, true, kCorner},
    {kPane, K::OwnerDrawButton, "", 6, 4, 383, 173, true, false, kStyleFlat | kGrows},
    {kNoId, K::EtchedFrame, "", 5, 3, 386, 178, true, false, kGrows},
    {kPrevPage, K::PushButton, "< < <", 5, 184, 26, 14, true, true, kStyleMovesDown},
    {kNextPage, K::PushButton, "> > >", 40, 184, 26, 14, true, true, kStyleMovesDown},
};

} // namespace

// The caption is set when the dialog opens; there is no system menu, so no close box.
const DialogTemplate kViewerDialogTemplate{
    115,       394, 202, "MS Sans Serif", 8, TextId::None, kDialogResizable | kDialogTabByLayout,
    kControls,
};

} // namespace kolekt
