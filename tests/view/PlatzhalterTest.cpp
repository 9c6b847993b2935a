// The five placeholder pictures: white, framed and lettered in their colour.
#include "view/Platzhalter.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

TEST(Platzhalterbild, WeisserGrundRahmenUndSchriftInSeinerFarbe) {
    // Black, blue, gold, red, light green; any other number gives picture 0.
    const QRgb farben[] = {qRgb(0, 0, 0), qRgb(0, 162, 232), qRgb(255, 201, 14), qRgb(237, 28, 36), qRgb(181, 230, 29)};
    for (const int k : {0, 1, 2, 3, 4, -1, 5, 7}) {
        const QRgb farbe = farben[k >= 0 && k < 5 ? k : 0];
        SCOPED_TRACE(k);
        const QImage& bild = Platzhalterbild(k);
        ASSERT_EQ(bild.size(), QSize(200, 100));
        EXPECT_EQ(bild.format(), QImage::Format_RGB32);
        EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(bild.pixel(199, 99), qRgb(255, 255, 255));
        // The frame runs round all four sides, the words fill the middle.
        for (const QPoint p : {QPoint(100, 5), QPoint(100, 94), QPoint(5, 50), QPoint(194, 50)})
            EXPECT_EQ(bild.pixel(p), farbe) << p.x() << ", " << p.y();
        int schrift = 0;
        for (int y = 25; y < 75; ++y)
            for (int x = 20; x < 180; ++x)
                schrift += bild.pixel(x, y) == farbe;
        EXPECT_GT(schrift, 200);
    }
}

} // namespace
} // namespace senvio
