#include "report/DrawingPrimitives.h"

#include "collection/FileLayout.h"

#include <string>

namespace kolekt::report {

void drawNumberCell(Surface& surface, int x, int y, unsigned value) {
    if (value != 0)
        surface.textOut(x, y, std::to_string(value));
}

RowMarks rowMarks(const std::uint8_t* record, int slot) {
    namespace L = layout;
    RowMarks marks;
    marks.shared =
        (L::readWord(record, L::valueOffset(L::ValueKind::Studies, slot)) & L::kSharedFlag) != 0;
    marks.auxiliary = (record[L::monthStatusOffset(slot)] & L::kStatusMask) == L::AuxiliaryPioneer;
    return marks;
}

void drawCheckBox(Surface& surface, int x, int y, bool ticked, int divisor) {
    const int dpiX = surface.dpiX();
    const int dpiY = surface.dpiY();
    const PenHandle thin = surface.createPen(dpiX / 120);
    const PenHandle thick = surface.createPen(dpiX / 45);

    const PenHandle previous = surface.selectPen(thin);
    const int w = dpiX / divisor;
    const int h = dpiY / divisor;
    surface.moveTo(x, y);
    surface.lineTo(x - w, y);
    surface.lineTo(x - w, y - h);
    surface.lineTo(x, y - h);
    surface.lineTo(x, y);

    if (ticked) {
        surface.selectPen(thick);
        surface.moveTo(x - w + dpiX / 35, y - h / 2);
        surface.lineTo(x - w / 2, y - dpiY / 50);
        surface.lineTo(x - dpiX / 40, y - h + dpiY / 40);
    }

    surface.selectPen(previous);
    surface.deletePen(thin);
    surface.deletePen(thick);
}

void drawGrid(Surface& surface, const GridSpec& grid) {
    const PenHandle pen = surface.createPen(2);
    const PenHandle previous = surface.selectPen(pen);

    const int right = grid.columnLines.at(static_cast<std::size_t>(grid.columns) - 1);
    const int bottom = grid.top + grid.rows * grid.rowHeight;
    surface.moveTo(grid.left, grid.top);
    surface.lineTo(grid.left, bottom);
    surface.lineTo(right, bottom);
    surface.lineTo(right, grid.top);
    surface.lineTo(grid.left, grid.top);

    for (int i = 1; i < grid.rows; ++i) {
        const int y = grid.top + i * grid.rowHeight;
        surface.moveTo(grid.left, y);
        surface.lineTo(right, y);
    }
    for (int i = 0; i < grid.columns; ++i) {
        const int x = grid.columnLines.at(static_cast<std::size_t>(i));
        surface.moveTo(x, grid.top);
        surface.lineTo(x, bottom);
    }

    surface.selectPen(previous);
    surface.deletePen(pen);
}

int languageCharset(std::string_view languageCode) {
    if (languageCode == "Turkish")
        return kTurkishCharset;
    if (languageCode == "Polish" || languageCode == "cz" || languageCode == "sk")
        return kEastEuropeCharset;
    if (languageCode == "estonian")
        return kBalticCharset;
    return kDefaultCharset;
}

void applyLanguageCharset(Surface& surface, FontHandle& font, bool bold,
                          std::string_view languageCode) {
    FontDescription description = surface.fontDescription(font);
    const int charset = languageCharset(languageCode);
    if (charset != kDefaultCharset)
        description.charset = charset;
    if (bold)
        description.weight = kWeightBold;
    surface.deleteFont(font);
    font = surface.createFont(description);
}

FontHandle createPointFont(Surface& surface, int tenthsOfPoint, std::string_view face) {
    FontDescription description;
    description.face = std::string(face);
    description.height = tenthsOfPoint * surface.dpiY() / 720;
    return surface.createFont(description);
}

} // namespace kolekt::report
