// The icon resources are present and draw something at every size the program uses.
#include <QApplication>
#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>

#include "platform/icons.h"
#include "resources/resource.h"

namespace {

TEST(Icons, EveryIconDrawsAtEverySizeWhenFirstUsed) {
    for (int id : {IDR_MAINFRAME, IDI_ALLUSERS, IDI_SHARED_FOLDER, IDI_USER}) {
        for (int size : {16, 24, 32, 48}) {
            const QImage image = IconPixmap(id, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << id;
            int opaque = 0;
            for (int i = 0; i < size * size; ++i) {
                opaque += qAlpha(image.pixel(i % size, i / size)) == 255 ? 1 : 0;
            }
            // Most of the square is covered: a shape, not a speck.
            EXPECT_GT(opaque, size * size / 3) << "icon " << id << " at " << size;
        }
    }
    // Read on first use: the application icon's PNG set, as the desktop installs it, and
    // the menu bar's overflow image, which the program's style hands out unread.
    const QList<QSize> sizes = LoadIconResource(IDR_MAINFRAME).availableSizes();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    const QIcon overflow =
        QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(overflow.pixmap(16).isNull());
}

} // namespace
