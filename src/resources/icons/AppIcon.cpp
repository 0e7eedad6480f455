#include "resources/icons/AppIcon.h"

#include <array>

// The resource lives in a static library, whose initialiser the linker would
// otherwise drop; it must be named outside any namespace.
static void initIconResource() {
    Q_INIT_RESOURCE(kolekt_icons);
}

namespace kolekt {

QIcon appIcon() {
    static const QIcon icon = [] {
        initIconResource();
        QIcon result;
        constexpr std::array sizes{16, 22, 24, 32, 48, 64, 128, 256};
        for (int size : sizes)
            result.addFile(QStringLiteral(":/icons/kolekt-%1.png").arg(size), QSize(size, size));
        return result;
    }();
    return icon;
}

} // namespace kolekt
