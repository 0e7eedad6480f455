// Sizes a window the user left at another size in an earlier run.
#pragma once

class QSize;
class QWidget;

namespace kolekt {

// Resizes window to size, within the screen it opens on (a size kept on a larger monitor
// must not put its buttons out of reach) but never below least, which its controls need.
// An empty size leaves the window as it is.
void resizeToKeptSize(QWidget& window, const QSize& size, const QSize& least);

} // namespace kolekt
