// String-table entries of the form and the preview.
#pragma once

namespace kolekt::report::texts {

inline constexpr int kJanuary = 102; // month m is kJanuary + m
inline constexpr int kAuxPHeading = 1020;
inline constexpr int kRemarksHeading = 1019;
inline constexpr int kGroup = 1058;
inline constexpr int kNameHeading = 1167;
inline constexpr int kPhoneHeading = 1168;
inline constexpr int kViewerCaption = 1188;
inline constexpr int kFormTitle = 1247;
inline constexpr int kHoursHeading = 1417;
inline constexpr int kStudiesHeading = 1419;
inline constexpr int kSharedHeading = 1500;

} // namespace kolekt::report::texts
