// A surface that draws nothing and keeps every call with its coordinates, so
// tests can check the form to the device unit.
#pragma once

#include "report/Surface.h"

#include <map>
#include <vector>

namespace kolekt::report {

enum class Call {
    CreateFont,
    DeleteFont,
    SelectFont,
    CreatePen,
    DeletePen,
    SelectPen,
    SelectBrush,
    SetTextAlign,
    SetBackgroundTransparent,
    TextOut,
    MoveTo,
    LineTo,
    Rectangle,
    FillBackground,
    StartPage,
    EndPage,
};

struct RecordedCall {
    Call call = Call::TextOut;
    int x = 0, y = 0;   // point, or first corner
    int x2 = 0, y2 = 0; // line end (LineTo: the pen position before), second corner
    std::string text;   // TextOut
    TextAlign align = TextAlign::Left;
    FontDescription font; // the selected font for TextOut, the created one for CreateFont
    int penWidth = 0; // the selected pen for lines and rectangles, the created one for CreatePen
    bool clipped = false;
    Rect clip;
    int handle = 0; // the object created, selected or deleted
    int page = 0;   // pages started so far
};

struct RecordedLine {
    int x1, y1, x2, y2;
    int penWidth;
    bool operator==(const RecordedLine&) const = default;
};

class RecordingSurface : public Surface {
public:
    // defaultFontHeight is the text height of the device's default font, selected at the start.
    RecordingSurface(int dpiX, int dpiY, int defaultFontHeight);

    const std::vector<RecordedCall>& calls() const { return calls_; }
    std::vector<RecordedCall> texts() const;
    std::vector<RecordedLine> lines() const;
    int count(Call call) const;
    // Fonts and pens that were created and not deleted.
    int liveObjects() const;
    FontHandle selectedFont() const { return font_; }

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
    RecordedCall& record(Call call);
    int penWidth(PenHandle pen) const;

    int dpiX_, dpiY_;
    std::map<int, FontDescription> fonts_;
    std::map<int, int> pens_; // handle -> width, -1 for the null pen
    int nextHandle_ = stock_handle::kFirstCreated;
    FontHandle font_;
    PenHandle pen_;
    TextAlign align_ = TextAlign::Left;
    int penX_ = 0, penY_ = 0;
    int page_ = 0;
    int created_ = 0;
    std::vector<RecordedCall> calls_;
};

} // namespace kolekt::report
