// The drawing operations the form and the preview need, in device units of
// the target (printer dots, PDF dots or screen pixels). Text is UTF-8; the
// renderer converts record texts from their code page before drawing.
#pragma once

#include <string>
#include <string_view>

namespace kolekt::report {

// Character sets of a font description. Qt fonts have none, but the value is
// kept so the form's language rule stays visible and testable.
inline constexpr int kDefaultCharset = 1;
inline constexpr int kTurkishCharset = 162;
inline constexpr int kBalticCharset = 186;
inline constexpr int kEastEuropeCharset = 238;

inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

struct FontDescription {
    std::string face;
    int height = 0; // em height in device units
    int weight = kWeightNormal;
    int charset = kDefaultCharset;

    bool operator==(const FontDescription&) const = default;
};

struct TextMetrics {
    int height = 0; // ascent plus descent of the selected font
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    bool operator==(const Rect&) const = default;
};

enum class TextAlign { Left, Right };

enum class StockFont { DeviceDefault, AnsiVariable };
enum class StockPen { Black, Null };
enum class StockBrush { LightGray };

// Stock objects have fixed handles below the ones a surface creates; every back end numbers
// them alike, so a recorded call names the same object as a drawn one.
namespace stock_handle {
inline constexpr int kDeviceDefaultFont = 1;
inline constexpr int kAnsiVariableFont = 2;
inline constexpr int kBlackPen = 3;
inline constexpr int kNullPen = 4;
inline constexpr int kFirstCreated = 5;

constexpr bool isStock(int handle) {
    return handle >= kDeviceDefaultFont && handle < kFirstCreated;
}
constexpr int of(StockFont font) {
    return font == StockFont::DeviceDefault ? kDeviceDefaultFont : kAnsiVariableFont;
}
constexpr int of(StockPen pen) {
    return pen == StockPen::Black ? kBlackPen : kNullPen;
}
} // namespace stock_handle

// Handles name objects the surface created; 0 is no object.
struct FontHandle {
    int id = 0;
    bool operator==(const FontHandle&) const = default;
};
struct PenHandle {
    int id = 0;
    bool operator==(const PenHandle&) const = default;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;
    // Metrics of the font currently selected.
    virtual TextMetrics textMetrics() const = 0;

    virtual FontHandle createFont(const FontDescription& description) = 0;
    virtual FontHandle stockFont(StockFont font) = 0;
    virtual FontDescription fontDescription(FontHandle font) const = 0;
    // Returns the font that was selected before.
    virtual FontHandle selectFont(FontHandle font) = 0;
    // Stock fonts are never deleted; deleting one is ignored.
    virtual void deleteFont(FontHandle font) = 0;

    // A solid black pen; width in device units.
    virtual PenHandle createPen(int width) = 0;
    virtual PenHandle stockPen(StockPen pen) = 0;
    virtual PenHandle selectPen(PenHandle pen) = 0;
    virtual void deletePen(PenHandle pen) = 0;
    virtual void selectBrush(StockBrush brush) = 0;

    // Returns the alignment that was set before.
    virtual TextAlign setTextAlign(TextAlign align) = 0;
    virtual void setBackgroundTransparent(bool transparent) = 0;

    // (x, y) is the top-left corner of the text, or its top-right corner when right-aligned.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual void textOutClipped(int x, int y, const Rect& clip, std::string_view text) = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Outlined with the current pen, filled with the current brush; right and bottom excluded.
    virtual void rectangle(const Rect& rect) = 0;
    // Fills with the surface's background colour, as erasing does.
    virtual void fillBackground(const Rect& rect) = 0;

    virtual void startPage() = 0;
    virtual void endPage() = 0;
};

} // namespace kolekt::report
