#include "report/QtSurface.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kolekt::report {

namespace {

// GDI's light grey stock brush.
const QColor kLightGray(192, 192, 192);

QString unicode(std::string_view text) {
    return QString::fromUtf8(text);
}

QFont pixelFont(QFont font, int pixelHeight, int weight) {
    font.setPixelSize(std::max(1, pixelHeight));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}
} // namespace

QtSurface::QtSurface(QPainter& painter, QPagedPaintDevice* pages)
    : painter_(painter), pages_(pages), dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()) {
    // The device's own fonts: a fixed-pitch 10 point font and the small proportional one that
    // dialogs use.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    addFont(stock_handle::kDeviceDefaultFont,
            FontDescription{fixed.family().toStdString(), 10 * dpiY_ / 72, kWeightNormal,
                            kDefaultCharset},
            pixelFont(fixed, 10 * dpiY_ / 72, kWeightNormal));
    const QFont general = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    addFont(stock_handle::kAnsiVariableFont,
            FontDescription{general.family().toStdString(), (8 * dpiY_ + 36) / 72, kWeightNormal,
                            kDefaultCharset},
            pixelFont(general, (8 * dpiY_ + 36) / 72, kWeightNormal));
    pens_[stock_handle::kBlackPen] = QPen(Qt::black, 0);
    pens_[stock_handle::kNullPen] = QPen(Qt::NoPen);
    selectFont(FontHandle{stock_handle::kDeviceDefaultFont});
    selectPen(PenHandle{stock_handle::kBlackPen});
    painter_.setBrush(Qt::NoBrush);
    painter_.setBackground(Qt::white);
}

void QtSurface::addFont(int handle, const FontDescription& description, const QFont& font) {
    fonts_[handle] = Font{description, font};
}

TextMetrics QtSurface::textMetrics() const {
    return TextMetrics{QFontMetrics(painter_.font(), painter_.device()).height()};
}

FontHandle QtSurface::createFont(const FontDescription& description) {
    const int handle = nextHandle_++;
    QFont font(QString::fromStdString(description.face));
    font.setStyleHint(QFont::SansSerif);
    addFont(handle, description, pixelFont(font, description.height, description.weight));
    return FontHandle{handle};
}

FontHandle QtSurface::stockFont(StockFont font) {
    return FontHandle{stock_handle::of(font)};
}

FontDescription QtSurface::fontDescription(FontHandle font) const {
    const auto it = fonts_.find(font.id);
    return it == fonts_.end() ? FontDescription{} : it->second.description;
}

FontHandle QtSurface::selectFont(FontHandle font) {
    const FontHandle previous = font_;
    const auto it = fonts_.find(font.id);
    if (it != fonts_.end()) {
        font_ = font;
        painter_.setFont(it->second.font);
    }
    return previous;
}

void QtSurface::deleteFont(FontHandle font) {
    if (!stock_handle::isStock(font.id))
        fonts_.erase(font.id);
}

PenHandle QtSurface::createPen(int width) {
    const int handle = nextHandle_++;
    pens_[handle] = QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return PenHandle{handle};
}

PenHandle QtSurface::stockPen(StockPen pen) {
    return PenHandle{stock_handle::of(pen)};
}

PenHandle QtSurface::selectPen(PenHandle pen) {
    const PenHandle previous = pen_;
    const auto it = pens_.find(pen.id);
    if (it != pens_.end()) {
        pen_ = pen;
        painter_.setPen(it->second);
    }
    return previous;
}

void QtSurface::deletePen(PenHandle pen) {
    if (!stock_handle::isStock(pen.id))
        pens_.erase(pen.id);
}

void QtSurface::selectBrush(StockBrush) {
    painter_.setBrush(kLightGray);
}

TextAlign QtSurface::setTextAlign(TextAlign align) {
    const TextAlign previous = align_;
    align_ = align;
    return previous;
}

void QtSurface::setBackgroundTransparent(bool transparent) {
    painter_.setBackgroundMode(transparent ? Qt::TransparentMode : Qt::OpaqueMode);
}

void QtSurface::textOut(int x, int y, std::string_view text) {
    if (text.empty())
        return;
    const QString string = unicode(text);
    const QFontMetrics metrics = painter_.fontMetrics();
    const int left = align_ == TextAlign::Right ? x - metrics.horizontalAdvance(string) : x;
    painter_.drawText(left, y + metrics.ascent(), string);
}

void QtSurface::textOutClipped(int x, int y, const Rect& clip, std::string_view text) {
    painter_.save();
    painter_.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top),
                         Qt::IntersectClip);
    textOut(x, y, text);
    painter_.restore();
}

void QtSurface::moveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void QtSurface::lineTo(int x, int y) {
    const QPoint to(x, y);
    painter_.drawLine(position_, to);
    position_ = to;
}

void QtSurface::rectangle(const Rect& rect) {
    painter_.drawRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

void QtSurface::fillBackground(const Rect& rect) {
    painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                      painter_.background());
}

void QtSurface::startPage() {
    if (pages_ && pagesStarted_ > 0)
        pages_->newPage();
    ++pagesStarted_;
}

// A page of a Qt paint device ends when the next one starts or the painter ends.
void QtSurface::endPage() {}

} // namespace kolekt::report
