// Drawing pieces shared by the printed form and the on-screen preview.
#pragma once

#include "report/Surface.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace kolekt::report {

// A ruled grid: rows of equal height between column lines; the last column line is the right edge.
struct GridSpec {
    int top = 0;
    int left = 0;
    int rowHeight = 0;
    int rows = 0;
    int columns = 0;
    std::vector<int> columnLines; // `columns` x positions, ascending
};

// A square box whose bottom-right corner is (x, y), one divisor-th of an inch wide, with a tick
// when ticked. The form uses divisor 7, the preview 9.
void drawCheckBox(Surface& surface, int x, int y, bool ticked, int divisor);

void drawGrid(Surface& surface, const GridSpec& grid);

// A count at (x, y); a value of 0 leaves the cell blank.
void drawNumberCell(Surface& surface, int x, int y, unsigned value);

// The two ticks a publisher's row shows for one month slot of the record.
struct RowMarks {
    bool shared = false;
    bool auxiliary = false;
};
RowMarks rowMarks(const std::uint8_t* record, int slot);

// The character set a language code asks for in printed fonts; the match is exact.
int languageCharset(std::string_view languageCode);

// Replaces font by a copy with the language's character set, and bold weight when asked.
void applyLanguageCharset(Surface& surface, FontHandle& font, bool bold,
                          std::string_view languageCode);

// A font of the given size in tenths of a point, scaled through the surface's vertical resolution.
FontHandle createPointFont(Surface& surface, int tenthsOfPoint, std::string_view face);

} // namespace kolekt::report
