#include "ui/common/DialogUnits.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>

namespace kolekt {

namespace {
int mulDiv(int value, int numerator, int denominator) {
    // Rounded like the platform's MulDiv, so positions match the templates' arithmetic.
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>((product + denominator / 2) / denominator);
}
} // namespace

QSize dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString alphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int width = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    return {qMax(1, width), qMax(1, metrics.height())};
}

QRect dialogUnitsToPixels(const QSize& baseUnits, int x, int y, int width, int height) {
    const int left = mulDiv(x, baseUnits.width(), 4);
    const int top = mulDiv(y, baseUnits.height(), 8);
    const int right = mulDiv(x + width, baseUnits.width(), 4);
    const int bottom = mulDiv(y + height, baseUnits.height(), 8);
    return {left, top, right - left, bottom - top};
}

QFont dialogFont(std::string_view face, int pointSize) {
    QFont font = QApplication::font();
    const QString family = QString::fromUtf8(face);
    if (!family.isEmpty() && QFontDatabase::families().contains(family)) {
        font.setFamily(family);
    }
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    }
    return font;
}

} // namespace kolekt
