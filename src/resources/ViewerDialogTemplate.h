// Template 115: the report collection viewer, and the ids of its controls.
#pragma once

#include "resources/DialogTemplate.h"

namespace kolekt {

namespace viewer_id {
inline constexpr int kClose = 2;
inline constexpr int kPrint = 3;
inline constexpr int kPrintSetup = 129;
inline constexpr int kPane = 130;
inline constexpr int kPrevPage = 1004;
inline constexpr int kNextPage = 1005;
} // namespace viewer_id

extern const DialogTemplate kViewerDialogTemplate;

} // namespace kolekt
