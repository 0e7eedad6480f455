// One month of a publisher's history in words, as the entry dialog's history lists it and the
// group's year reads it out cell by cell.
#pragma once

#include <QString>
#include <string_view>

namespace kolekt {

struct HistoryMonth;

// "October 2026".
QString monthAndYear(int month, int year, std::string_view languageCode);

// "shared, hours: 52, studies: 3, remark, late", or "missing" (with "late" when the late flag is
// set all the same).
QString reportedText(const HistoryMonth& month);

} // namespace kolekt
