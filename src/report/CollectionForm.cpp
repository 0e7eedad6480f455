#include "report/CollectionForm.h"

#include "collection/CodePage.h"
#include "collection/CollectionStore.h"
#include "collection/FileLayout.h"
#include "report/DrawingPrimitives.h"
#include "resources/StringTable.h"
#include "resources/TextTables.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace kolekt::report {

namespace {

constexpr std::string_view kFace = "Arial";
constexpr int kBodySize = 100;
constexpr int kSmallSize = 80;
constexpr int kTitleSize = 140;
constexpr int kSubtitleSize = 120;
constexpr int kFirstRowLine = 4;
constexpr int kLastRowLine = 35;
constexpr int kFormCheckBoxDivisor = 7;
constexpr std::size_t kShortRemark = 20;
constexpr std::size_t kLongestRemark = 35;
constexpr std::size_t kShortenedRemark = 22;
constexpr std::size_t kSplitSearchStart = 5;
constexpr std::size_t kSplitLimit = 19;

struct Columns {
    int gridLeft, phoneLine, shared, studies, auxP, hours, remarks, gridRight;
};

Columns columnsFor(const PrintPageState& state) {
    const int dpiX = state.dpiX;
    const int step = dpiX / 10 + dpiX / 2;
    Columns c{};
    c.gridLeft = state.left - dpiX / 20;
    c.phoneLine = state.phoneX - dpiX / 20;
    c.shared = c.phoneLine + dpiX + dpiX / 4;
    c.studies = c.shared + step;
    c.auxP = c.shared + 2 * step;
    c.hours = c.shared + 3 * step;
    c.remarks = c.shared + 4 * step;
    c.gridRight = c.shared + 5 * step + dpiX;
    return c;
}

// Everything one page of rows needs besides the state.
class FormPrinter {
public:
    FormPrinter(Surface& surface, PrintPageState& state, const CollectionStore& store, int month)
        : surface_(surface), state_(state), store_(store), month_(month),
          language_(store.languageCode()), codePage_(store.codePage()) {}

    void run();

private:
    void startFirstPage();
    void breakPage();
    void columnHeadings(int remarksOffset);
    void row(int record);
    void telephoneCell(int record, int y0, int ty);
    void remarkCell(int record, int ty);
    std::string recordText(const std::string& bytes) const { return toUtf8(bytes, codePage_); }

    Surface& surface_;
    PrintPageState& state_;
    const CollectionStore& store_;
    const int month_;
    const std::string language_;
    const std::string codePage_;
    int headerPitch_ = 0;
    int rowHeight_ = 0;
    Columns columns_{};
    FontHandle body_, small_;
};

void FormPrinter::run() {
    const int count = store_.publisherCount();
    headerPitch_ = state_.lineHeight;
    rowHeight_ = state_.dpiY / 4;

    body_ = createPointFont(surface_, kBodySize, kFace);
    small_ = createPointFont(surface_, kSmallSize, kFace);
    applyLanguageCharset(surface_, body_, false, language_);
    applyLanguageCharset(surface_, small_, false, language_);
    const FontHandle entryFont = surface_.selectFont(body_);

    state_.left = static_cast<std::uint16_t>(state_.left - state_.dpiX / 2);
    state_.phoneX = static_cast<std::uint16_t>(state_.left + 2 * state_.dpiX);
    columns_ = columnsFor(state_);
    GridSpec grid;
    grid.top = state_.top + 4 * rowHeight_ - rowHeight_ / 6;
    grid.left = columns_.gridLeft;
    grid.rowHeight = rowHeight_;
    grid.columns = 7;
    grid.columnLines = {columns_.phoneLine, columns_.shared,  columns_.studies,  columns_.auxP,
                        columns_.hours,     columns_.remarks, columns_.gridRight};

    state_.subtitle =
        fillArguments(loadText(TextId::FormGroupHeading), {std::to_string(store_.groupNumber())}) +
        "  ";
    state_.nameHeading = loadText(TextId::NameHeading);
    state_.phoneHeading = loadText(TextId::TelephoneHeading);

    startFirstPage();
    for (int record = 1; record <= count; ++record) {
        if (state_.line > kLastRowLine)
            breakPage();
        row(record);
        ++state_.line;
        grid.rows = state_.line - kFirstRowLine;
        drawGrid(surface_, grid);
    }

    surface_.selectFont(entryFont);
    surface_.deleteFont(body_);
    surface_.deleteFont(small_);
    surface_.endPage();
}

void FormPrinter::startFirstPage() {
    surface_.selectFont(surface_.stockFont(StockFont::DeviceDefault));
    surface_.startPage();
    surface_.selectFont(body_);
    state_.lineHeight = static_cast<std::uint16_t>(headerPitch_);
    printPageHeader(surface_, state_, language_);
    columnHeadings(state_.dpiX / 2);
    state_.lineHeight = static_cast<std::uint16_t>(rowHeight_);
    state_.line = kFirstRowLine;
}

void FormPrinter::breakPage() {
    surface_.selectFont(surface_.stockFont(StockFont::DeviceDefault));
    surface_.endPage();
    surface_.startPage();
    surface_.selectFont(body_);
    state_.lineHeight = static_cast<std::uint16_t>(headerPitch_);
    printPageHeader(surface_, state_, language_);
    // Later pages place "Remarks" closer to its column line than the first page does.
    columnHeadings(state_.dpiX / 10);
    state_.line = kFirstRowLine;
    state_.lineHeight = static_cast<std::uint16_t>(rowHeight_);
}

void FormPrinter::columnHeadings(int remarksOffset) {
    const int y = state_.top + 4 * headerPitch_;
    const int inset = state_.dpiX / 20;
    surface_.textOut(columns_.shared + inset, y, loadText(TextId::SharedHeading));
    surface_.textOut(columns_.studies + inset, y, loadText(TextId::StudiesHeading));
    surface_.textOut(columns_.auxP + inset, y, loadText(TextId::AuxiliaryPioneerHeading));
    surface_.textOut(columns_.hours + inset, y, loadText(TextId::HoursHeading));
    surface_.textOut(columns_.remarks + remarksOffset, y, loadText(TextId::RemarksHeading));
}

void FormPrinter::row(int record) {
    namespace L = layout;
    const int dpiX = state_.dpiX;
    const int y0 = state_.top + state_.line * state_.lineHeight;
    const int ty = y0 + state_.lineHeight / 8;
    const int slot = L::slotIndex(month_, store_.yearSlot());

    surface_.textOut(state_.left, ty, recordText(store_.formatName(record, false)));
    telephoneCell(record, y0, ty);

    surface_.setTextAlign(TextAlign::Right);
    const int boxY = ty + state_.dpiY / 8;
    const RowMarks marks = rowMarks(store_.record(record), slot);
    drawCheckBox(surface_, columns_.shared + (7 * dpiX) / 19, boxY, marks.shared,
                 kFormCheckBoxDivisor);
    drawNumberCell(surface_, columns_.studies + (4 * dpiX) / 10, ty,
                   store_.reportValue(record, month_, store_.yearSlot(), L::ValueKind::Studies));
    drawCheckBox(surface_, columns_.auxP + (7 * dpiX) / 19, boxY, marks.auxiliary,
                 kFormCheckBoxDivisor);
    drawNumberCell(surface_, columns_.hours + (4 * dpiX) / 10, ty,
                   store_.reportValue(record, month_, store_.yearSlot(), L::ValueKind::Hours));

    surface_.setTextAlign(TextAlign::Left);
    remarkCell(record, ty);
}

void FormPrinter::telephoneCell(int record, int y0, int ty) {
    const std::string first = store_.contactText(record, false);
    const std::string second = store_.contactText(record, true);
    if (second.empty()) {
        surface_.textOut(state_.phoneX, ty, recordText(first));
    } else if (first.empty()) {
        surface_.textOut(state_.phoneX, ty, recordText(second));
    } else {
        surface_.selectFont(small_);
        surface_.textOut(state_.phoneX, y0 - rowHeight_ / 7, recordText(first));
        surface_.textOut(state_.phoneX + state_.dpiX / 5, y0 + rowHeight_ / 3, recordText(second));
        surface_.selectFont(body_);
    }
}

void FormPrinter::remarkCell(int record, int ty) {
    std::string text = store_.remarkFor(record, month_, store_.yearSlot()).text;
    if (text.size() <= 1)
        return;
    if (text.size() > kLongestRemark)
        text = text.substr(0, kShortenedRemark) + "...";

    const int x = columns_.remarks + state_.dpiX / 20;
    if (text.size() < kShortRemark) {
        surface_.textOut(x, ty, recordText(text));
        return;
    }
    std::size_t split = text.find(' ', kSplitSearchStart);
    if (split == std::string::npos || split > kSplitLimit)
        split = kSplitLimit;
    surface_.selectFont(small_);
    surface_.textOut(x, ty - rowHeight_ / 6, recordText(text.substr(0, split)));
    surface_.textOut(x, ty + rowHeight_ / 4, recordText(text.substr(split)));
    surface_.selectFont(body_);
}

} // namespace

std::string formTitle(int month) {
    const std::string base = loadText(TextId::FormTitle);
    return base + " - " + monthName(month);
}

void initPageMetrics(Surface& surface, PrintPageState& state) {
    const TextMetrics metrics = surface.textMetrics();
    state.dpiY = surface.dpiY();
    state.dpiX = surface.dpiX();
    state.top = static_cast<std::uint16_t>(state.dpiY / 2);
    state.left = static_cast<std::uint16_t>(state.dpiX);
    state.lineHeight =
        static_cast<std::uint16_t>(std::max(state.dpiY / 6, std::abs(metrics.height)));
}

void printCollection(Surface& surface, PrintPageState& state, const CollectionStore& store,
                     int month) {
    FormPrinter(surface, state, store, month).run();
}

void printPageHeader(Surface& surface, const PrintPageState& state, std::string_view languageCode) {
    FontHandle title = createPointFont(surface, kTitleSize, kFace);
    applyLanguageCharset(surface, title, true, languageCode);
    FontHandle previous = surface.selectFont(title);
    surface.textOut(state.left, state.top, state.title);
    surface.selectFont(previous);
    surface.deleteFont(title);

    FontHandle subtitle = createPointFont(surface, kSubtitleSize, kFace);
    applyLanguageCharset(surface, subtitle, true, languageCode);
    previous = surface.selectFont(subtitle);
    surface.textOut(state.left, state.top + 2 * state.lineHeight, state.subtitle);
    surface.selectFont(previous);
    surface.deleteFont(subtitle);

    const int headingY = state.top + 4 * state.lineHeight;
    surface.textOut(state.left, headingY, state.nameHeading);
    surface.textOut(state.phoneX, headingY, state.phoneHeading);
}

} // namespace kolekt::report
