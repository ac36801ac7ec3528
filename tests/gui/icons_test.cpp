// The icon resources are present and draw something at every size the program uses.
#include <QImage>
#include <gtest/gtest.h>

#include "platform/icons.h"
#include "resources/resource.h"

namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
        }
    }
    return count;
}

TEST(Icons, EveryIconDrawsAtEverySize) {
    for (int id : {IDR_MAINFRAME, IDI_ALLUSERS, IDI_SHARED_FOLDER, IDI_USER}) {
        for (int size : {16, 24, 32, 48}) {
            const QImage image = IconPixmap(id, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << id;
            // Most of the square is covered: a shape, not a speck.
            EXPECT_GT(OpaquePixels(image), size * size / 3) << "icon " << id << " at " << size;
        }
    }
}

} // namespace
