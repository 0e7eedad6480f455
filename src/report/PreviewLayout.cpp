#include "report/PreviewLayout.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"
#include "collection/FileLayout.h"
#include "report/DrawingPrimitives.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <string>

namespace kolekt::report {

namespace {
// The screen's border metrics; one pixel on every desktop Kolekt runs on.
constexpr int cxB = 1;
constexpr int cyB = 1;
constexpr int kPreviewCheckBoxDivisor = 9;
} // namespace

void paintPreview(Surface& surface, const CollectionStore& store, const PreviewView& view, int x,
                  int y, int w, int h) {
    namespace L = layout;
    // The heading band is a row of its own, so the pane holds it and 18 whole rows below.
    const int rowH = h / (kPreviewRows + 1);
    const int colW = w / 11;
    const int nameW = w / 4;
    const std::string& language = store.languageCode();
    const std::string& codePage = store.codePage();

    surface.fillBackground(Rect{x, y, x + w + 1, y + h + 5 * cyB});
    surface.selectBrush(StockBrush::LightGray);
    surface.selectPen(surface.stockPen(StockPen::Null));
    surface.rectangle(Rect{x, y, x + w + 1, y + rowH + 1});

    surface.setBackgroundTransparent(true);
    surface.selectPen(surface.stockPen(StockPen::Black));
    for (int k = 0; k <= 4; ++k) {
        surface.moveTo(x + nameW + k * colW, y);
        surface.lineTo(x + nameW + k * colW, y + h + 3 * cyB);
    }
    for (int k = 1; k <= kPreviewRows; ++k) {
        surface.moveTo(x, y + k * rowH);
        surface.lineTo(x + w, y + k * rowH);
    }

    surface.selectFont(surface.stockFont(StockFont::AnsiVariable));
    surface.setTextAlign(TextAlign::Left);
    surface.textOut(x + 2 * cxB, y + cyB, loadText(TextId::NameHeading));
    surface.setTextAlign(TextAlign::Right);
    const TextId headings[] = {TextId::SharedHeading, TextId::StudiesHeading,
                               TextId::AuxiliaryPioneerHeading, TextId::HoursHeading};
    for (int k = 0; k < 4; ++k)
        surface.textOut(x + nameW + (k + 1) * colW - 8 * cxB, y + cyB, loadText(headings[k]));
    const int remarksEnd = language == "greek" ? x + w - w / 20 : x + w - w / 6;
    surface.textOut(remarksEnd, y + cyB, loadText(TextId::RemarksHeading));

    const int count = std::min(view.end - view.first, kPreviewRows);
    const int yearSlot = store.yearSlot();
    const int slot = L::slotIndex(view.month, yearSlot);
    for (int i = 0; i < count; ++i) {
        const int record = view.first + i + 1;
        const int ty = y + (i + 1) * rowH + cyB;
        const int boxY = y + (i + 1) * rowH + 13 * cyB - cyB / 3;

        surface.setTextAlign(TextAlign::Left);
        surface.textOut(x + 2 * cxB, ty, toUtf8(store.formatName(record, false), codePage));

        surface.setTextAlign(TextAlign::Right);
        const RowMarks marks = rowMarks(store.record(record), slot);
        drawCheckBox(surface, x + nameW + colW - 20 * cxB, boxY, marks.shared,
                     kPreviewCheckBoxDivisor);
        drawNumberCell(surface, x + nameW + 2 * colW - 10 * cxB, ty,
                       store.reportValue(record, view.month, yearSlot, L::ValueKind::Studies));
        drawCheckBox(surface, x + nameW + 3 * colW - 20 * cxB, boxY, marks.auxiliary,
                     kPreviewCheckBoxDivisor);
        drawNumberCell(surface, x + nameW + 4 * colW - 10 * cxB, ty,
                       store.reportValue(record, view.month, yearSlot, L::ValueKind::Hours));

        const std::string remark = store.remarkFor(record, view.month, yearSlot).text;
        if (!remark.empty()) {
            surface.setTextAlign(TextAlign::Left);
            const Rect clip{x + 6 * (w / 10) + 2 * cxB, ty, x + w, y + (i + 2) * rowH + cyB};
            surface.textOutClipped(x + nameW + 5 * (w / 13) - 5 * cxB, ty, clip,
                                   toUtf8(remark, codePage));
            surface.setTextAlign(TextAlign::Right);
        }
    }
}

} // namespace kolekt::report
