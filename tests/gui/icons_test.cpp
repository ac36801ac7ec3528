// The icon resources are present and draw something at every size the program uses.
#include <QImage>
#include <gtest/gtest.h>

#include "platform/icons.h"
#include "resources/resource.h"

namespace {

TEST(Icons, EveryIconDrawsAtEverySize) {
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
}

} // namespace
