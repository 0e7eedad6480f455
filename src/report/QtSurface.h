// The drawing surface over a QPainter: a printer, a PDF writer or the preview pane.
#pragma once

#include "report/Surface.h"

#include <QFont>
#include <QPen>
#include <QPoint>
#include <map>

class QPainter;
class QPagedPaintDevice;

namespace kolekt::report {

class QtSurface : public Surface {
public:
    // pages is the painter's device when it has pages (printer, PDF), else null.
    QtSurface(QPainter& painter, QPagedPaintDevice* pages);

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    TextMetrics textMetrics() const override;

    FontHandle createFont(const FontDescription& description) override;
    FontHandle stockFont(StockFont font) override;
    FontDescription fontDescription(FontHandle font) const override;
    FontHandle selectFont(FontHandle font) override;
    void deleteFont(FontHandle font) override;

    PenHandle createPen(int width) override;
    PenHandle stockPen(StockPen pen) override;
    PenHandle selectPen(PenHandle pen) override;
    void deletePen(PenHandle pen) override;
    void selectBrush(StockBrush brush) override;

    TextAlign setTextAlign(TextAlign align) override;
    void setBackgroundTransparent(bool transparent) override;

    void textOut(int x, int y, std::string_view text) override;
    void textOutClipped(int x, int y, const Rect& clip, std::string_view text) override;

    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(const Rect& rect) override;
    void fillBackground(const Rect& rect) override;

    void startPage() override;
    void endPage() override;

private:
    struct Font {
        FontDescription description;
        QFont font;
    };
    void addFont(int handle, const FontDescription& description, const QFont& font);

    QPainter& painter_;
    QPagedPaintDevice* pages_;
    int dpiX_, dpiY_;
    std::map<int, Font> fonts_;
    std::map<int, QPen> pens_;
    int nextHandle_ = stock_handle::kFirstCreated;
    FontHandle font_;
    PenHandle pen_;
    TextAlign align_ = TextAlign::Left;
    QPoint position_;
    int pagesStarted_ = 0;
};

} // namespace kolekt::report
