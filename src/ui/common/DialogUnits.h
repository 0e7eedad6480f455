// Dialog units: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height, so a template keeps
// its proportions on any font and screen.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace kolekt {

// The base units (average character width, character height) of a font, measured
// the way the classic dialog manager measures them.
QSize dialogBaseUnits(const QFont& font);

QRect dialogUnitsToPixels(const QSize& baseUnits, int x, int y, int width, int height);

// The font a template asks for: its face when installed, else the desktop's
// interface font, at the template's point size.
QFont dialogFont(std::string_view face, int pointSize);

} // namespace kolekt
