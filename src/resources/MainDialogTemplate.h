// Template 102: the main window.
#pragma once

#include "resources/DialogTemplate.h"

namespace kolekt {

extern const DialogTemplate kMainDialogTemplate;

namespace main_dialog {
inline constexpr int kPost = 1;
inline constexpr int kExit = 2;
inline constexpr int kLoadNewList = 3;
inline constexpr int kCreateReturnFile = 4;
inline constexpr int kViewReportList = 5;
inline constexpr int kLastPosted = 133;
inline constexpr int kPublisherList = 138;
inline constexpr int kLimitToMissing = 162;
inline constexpr int kMissingCount = 1000;
inline constexpr int kTotalCount = 1001;
inline constexpr int kPhoneNumber = 1002;
inline constexpr int kDial = 1003;
inline constexpr int kNextPhone = 1004;
inline constexpr int kHelp = 1005;
inline constexpr int kSendReminder = 1006;
inline constexpr int kPreviewReminder = 1007;
inline constexpr int kSummary = 1008;
} // namespace main_dialog

} // namespace kolekt
