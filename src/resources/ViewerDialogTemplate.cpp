#include "resources/ViewerDialogTemplate.h"

namespace kolekt {

namespace {

using namespace viewer_id;
using K = ControlKind;

// Template order is tab order. None of the buttons is a default button.
constexpr ControlTemplate kControls[] = {
    {kClose, K::PushButton, TextId::CloseButton, 320, 184, 66, 14, true, true, kStyleNone},
    {kPrint, K::PushButton, TextId::PrintButton, 219, 184, 66, 14, true, true, kStyleNone},
    {kPrintSetup, K::PushButton, TextId::PrintSetupButton, 113, 184, 66, 14, true, true,
     kStyleNone},
    {kPane, K::OwnerDrawButton, "", 6, 4, 383, 173, true, false, kStyleFlat},
    {kNoId, K::EtchedFrame, "", 5, 3, 386, 178, true, false, kStyleNone},
    {kPrevPage, K::PushButton, "< < <", 5, 184, 26, 14, true, true, kStyleNone},
    {kNextPage, K::PushButton, "> > >", 40, 184, 26, 14, true, true, kStyleNone},
};

} // namespace

// The caption is set when the dialog opens; there is no system menu, so no close box.
const DialogTemplate kViewerDialogTemplate{
    115, 394, 202, "MS Sans Serif", 8, TextId::None, kDialogNone, kControls,
};

} // namespace kolekt
