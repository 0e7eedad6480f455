#include "resources/icons/AppIcon.h"

#include <QPixmap>
#include <gtest/gtest.h>

namespace kolekt {
namespace {

// The icon's resource lives in a static library: if its initialiser were dropped
// at link time, every window would show the platform's blank icon.
TEST(AppIcon, OffersEveryRenderedSizeFromTheLinkedResource) {
    const QIcon icon = appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
        const QPixmap pixmap = icon.pixmap(size);
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.width(), size);
    }
}

} // namespace
} // namespace kolekt
