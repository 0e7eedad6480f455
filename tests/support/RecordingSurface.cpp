#include "RecordingSurface.h"

#include <algorithm>

namespace kolekt::report {

namespace {
constexpr int kNullPenWidth = -1;
} // namespace

RecordingSurface::RecordingSurface(int dpiX, int dpiY, int defaultFontHeight)
    : dpiX_(dpiX), dpiY_(dpiY) {
    fonts_[stock_handle::kDeviceDefaultFont] =
        FontDescription{"System", defaultFontHeight, kWeightNormal, kDefaultCharset};
    fonts_[stock_handle::kAnsiVariableFont] =
        FontDescription{"Sans Serif", defaultFontHeight, kWeightNormal, kDefaultCharset};
    pens_[stock_handle::kBlackPen] = 1;
    pens_[stock_handle::kNullPen] = kNullPenWidth;
    font_ = FontHandle{stock_handle::kDeviceDefaultFont};
    pen_ = PenHandle{stock_handle::kBlackPen};
}

RecordedCall& RecordingSurface::record(Call call) {
    RecordedCall entry;
    entry.call = call;
    entry.align = align_;
    entry.page = page_;
    calls_.push_back(entry);
    return calls_.back();
}

std::vector<RecordedCall> RecordingSurface::texts() const {
    std::vector<RecordedCall> result;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(result),
                 [](const RecordedCall& c) { return c.call == Call::TextOut; });
    return result;
}

std::vector<RecordedLine> RecordingSurface::lines() const {
    std::vector<RecordedLine> result;
    for (const RecordedCall& c : calls_) {
        if (c.call == Call::LineTo)
            result.push_back(RecordedLine{c.x2, c.y2, c.x, c.y, c.penWidth});
    }
    return result;
}

int RecordingSurface::count(Call call) const {
    return static_cast<int>(std::count_if(
        calls_.begin(), calls_.end(), [call](const RecordedCall& c) { return c.call == call; }));
}

int RecordingSurface::liveObjects() const {
    return created_;
}

TextMetrics RecordingSurface::textMetrics() const {
    return TextMetrics{fontDescription(font_).height};
}

FontHandle RecordingSurface::createFont(const FontDescription& description) {
    const int handle = nextHandle_++;
    fonts_[handle] = description;
    ++created_;
    RecordedCall& c = record(Call::CreateFont);
    c.font = description;
    c.handle = handle;
    return FontHandle{handle};
}

FontHandle RecordingSurface::stockFont(StockFont font) {
    return FontHandle{stock_handle::of(font)};
}

FontDescription RecordingSurface::fontDescription(FontHandle font) const {
    const auto it = fonts_.find(font.id);
    return it == fonts_.end() ? FontDescription{} : it->second;
}

FontHandle RecordingSurface::selectFont(FontHandle font) {
    const FontHandle previous = font_;
    font_ = font;
    RecordedCall& c = record(Call::SelectFont);
    c.handle = font.id;
    c.font = fontDescription(font);
    return previous;
}

void RecordingSurface::deleteFont(FontHandle font) {
    if (stock_handle::isStock(font.id) || fonts_.erase(font.id) == 0)
        return;
    --created_;
    record(Call::DeleteFont).handle = font.id;
}

PenHandle RecordingSurface::createPen(int width) {
    const int handle = nextHandle_++;
    pens_[handle] = width;
    ++created_;
    RecordedCall& c = record(Call::CreatePen);
    c.penWidth = width;
    c.handle = handle;
    return PenHandle{handle};
}

PenHandle RecordingSurface::stockPen(StockPen pen) {
    return PenHandle{stock_handle::of(pen)};
}

PenHandle RecordingSurface::selectPen(PenHandle pen) {
    const PenHandle previous = pen_;
    pen_ = pen;
    RecordedCall& c = record(Call::SelectPen);
    c.handle = pen.id;
    c.penWidth = penWidth(pen);
    return previous;
}

void RecordingSurface::deletePen(PenHandle pen) {
    if (stock_handle::isStock(pen.id) || pens_.erase(pen.id) == 0)
        return;
    --created_;
    record(Call::DeletePen).handle = pen.id;
}

int RecordingSurface::penWidth(PenHandle pen) const {
    const auto it = pens_.find(pen.id);
    return it == pens_.end() ? 0 : it->second;
}

void RecordingSurface::selectBrush(StockBrush) {
    record(Call::SelectBrush);
}

TextAlign RecordingSurface::setTextAlign(TextAlign align) {
    const TextAlign previous = align_;
    align_ = align;
    record(Call::SetTextAlign);
    return previous;
}

void RecordingSurface::setBackgroundTransparent(bool transparent) {
    record(Call::SetBackgroundTransparent).handle = transparent ? 1 : 0;
}

void RecordingSurface::textOut(int x, int y, std::string_view text) {
    RecordedCall& c = record(Call::TextOut);
    c.x = x;
    c.y = y;
    c.text = std::string(text);
    c.font = fontDescription(font_);
}

void RecordingSurface::textOutClipped(int x, int y, const Rect& clip, std::string_view text) {
    textOut(x, y, text);
    calls_.back().clipped = true;
    calls_.back().clip = clip;
}

void RecordingSurface::moveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
    RecordedCall& c = record(Call::MoveTo);
    c.x = x;
    c.y = y;
}

void RecordingSurface::lineTo(int x, int y) {
    RecordedCall& c = record(Call::LineTo);
    c.x = x;
    c.y = y;
    c.x2 = penX_;
    c.y2 = penY_;
    c.penWidth = penWidth(pen_);
    penX_ = x;
    penY_ = y;
}

void RecordingSurface::rectangle(const Rect& rect) {
    RecordedCall& c = record(Call::Rectangle);
    c.x = rect.left;
    c.y = rect.top;
    c.x2 = rect.right;
    c.y2 = rect.bottom;
    c.penWidth = penWidth(pen_);
}

void RecordingSurface::fillBackground(const Rect& rect) {
    RecordedCall& c = record(Call::FillBackground);
    c.x = rect.left;
    c.y = rect.top;
    c.x2 = rect.right;
    c.y2 = rect.bottom;
}

void RecordingSurface::startPage() {
    ++page_;
    record(Call::StartPage);
}

void RecordingSurface::endPage() {
    record(Call::EndPage);
}

} // namespace kolekt::report
