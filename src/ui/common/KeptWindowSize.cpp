#include "ui/common/KeptWindowSize.h"

#include <QScreen>
#include <QWidget>

namespace kolekt {

void resizeToKeptSize(QWidget& window, const QSize& size, const QSize& least) {
    if (size.isEmpty())
        return;
    QSize fitted = size;
    if (const QScreen* screen = window.screen())
        fitted = fitted.boundedTo(screen->availableGeometry().size());
    window.resize(fitted.expandedTo(least));
}

} // namespace kolekt
