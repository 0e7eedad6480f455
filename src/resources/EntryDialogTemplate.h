// Template 107: the report entry dialog, and the ids of its controls.
#pragma once

#include "resources/DialogTemplate.h"

namespace kolekt {

namespace entry_id {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kRemarks = 3;
inline constexpr int kChangeMonth = 129;
inline constexpr int kPlacements = 139;
inline constexpr int kVideos = 140;
inline constexpr int kHours = 141;
inline constexpr int kReturnVisits = 142;
inline constexpr int kStudies = 143;
inline constexpr int kMonthName = 146;
inline constexpr int kPlacementsCaption = 147;
inline constexpr int kVideosCaption = 148;
inline constexpr int kHoursCaption = 149;
inline constexpr int kReturnVisitsCaption = 150;
inline constexpr int kStudiesCaption = 151;
inline constexpr int kAddedHours = 152;
inline constexpr int kName = 154;
inline constexpr int kPioneerStatus = 155;
inline constexpr int kPrivilege = 156;
inline constexpr int kMonthList = 158;
inline constexpr int kWarnings = 159;
inline constexpr int kCloseMonthList = 160;
inline constexpr int kRemarkField = 163;
inline constexpr int kRemarkRoom = 164;
inline constexpr int kHistory = 165;
inline constexpr int kGroup = 270;
inline constexpr int kAuxiliaryPioneer = 1050;
inline constexpr int kUnderOneHour = 1125;
inline constexpr int kShared = 1126;
} // namespace entry_id

extern const DialogTemplate kEntryDialogTemplate;

} // namespace kolekt
