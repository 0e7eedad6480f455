// The printed "Report Collection Form": a page header and one ruled row per
// publisher, 32 rows a page, in device units of the target surface.
#pragma once

#include "report/Surface.h"

#include <cstdint>
#include <string>

namespace kolekt {
class CollectionStore;
}

namespace kolekt::report {

// The state of one print job, lent to the renderer by whoever prints.
struct PrintPageState {
    std::uint16_t top = 0;
    std::uint16_t left = 0;
    std::uint16_t lineHeight = 0;
    std::uint16_t phoneX = 0;
    std::int32_t line = 0;
    std::int32_t dpiY = 0;
    std::int32_t dpiX = 0;
    std::string title;    // UTF-8
    std::string subtitle; // UTF-8
    // The column headings drawn by every page header; loaded by each job.
    std::string nameHeading;
    std::string phoneHeading;
};

// "Report Collection Form - <Month>".
std::string formTitle(int month);

// Measures the surface before the document starts: top, left, the header line pitch and the
// resolution. Reads the metrics of the font selected at that moment.
void initPageMetrics(Surface& surface, PrintPageState& state);

// Prints every page of the form for the month: all publishers of the store in record order.
// The state must be measured and carry its title. Starts and ends every page and leaves the
// surface with the font it had on entry.
void printCollection(Surface& surface, PrintPageState& state, const CollectionStore& store,
                     int month);

void printPageHeader(Surface& surface, const PrintPageState& state, std::string_view languageCode);

} // namespace kolekt::report
