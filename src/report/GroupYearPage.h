// The group's last twelve months as printed: publishers down in the list's order, the months
// across, a row of how many reported and a bar chart of those counts, on landscape pages.
#pragma once

#include "collection/MonthOverview.h"
#include "report/Surface.h"

#include <string>

namespace kolekt {
class CollectionStore;
}

namespace kolekt::report {

// Publisher rows on one page; the counts and the chart follow the last of them.
inline constexpr int kYearRowsPerPage = 30;

// "Nov 2026" in the current language.
std::string monthHeading(const YearMonth& month);

// What one cell shows: the shared mark, hours, studies, the late mark and a star for a remark,
// such as "✓ 52 h 3 BS late *"; a missing report says so in words, never by colour alone.
std::string yearCellText(const HistoryMonth& month);

// "Group Year - Group #3".
std::string groupYearTitle(int group);

// "Dec 2025 – Nov 2026".
std::string yearSpan(const GroupYear& year);

// Prints every page, each with the title, the legend and the month headings. Starts and ends
// every page and leaves the surface with the font it had on entry.
void printGroupYear(Surface& surface, const CollectionStore& store, const GroupYear& year);

} // namespace kolekt::report
