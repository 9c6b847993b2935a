#include "view/Platzhalter.h"

#include <array>
#include <gtest/gtest.h>

using namespace senvio;

namespace {

// Frame and lettering of pictures 0 to 4: black, blue, gold, red, light green.
const std::array<QRgb, 5> Rahmenfarben = {qRgb(0, 0, 0), qRgb(0, 162, 232), qRgb(255, 201, 14), qRgb(237, 28, 36),
                                          qRgb(181, 230, 29)};

int AnzahlIn(const QImage& bild, const QRect& feld, QRgb farbe) {
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y) {
        for (int x = feld.left(); x <= feld.right(); ++x) {
            n += bild.pixel(x, y) == farbe ? 1 : 0;
        }
    }
    return n;
}

} // namespace

TEST(Platzhalterbild, WeisserGrundRahmenUndSchriftInSeinerFarbe) {
    for (int k = 0; k < AnzahlPlatzhalterbilder; ++k) {
        SCOPED_TRACE(k);
        const QImage& bild = Platzhalterbild(k);
        ASSERT_EQ(bild.size(), QSize(200, 100));
        EXPECT_EQ(bild.format(), QImage::Format_RGB32);
        EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(bild.pixel(199, 99), qRgb(255, 255, 255));
        // The frame runs round all four sides, the words fill the middle.
        for (const QPoint p : {QPoint(100, 5), QPoint(100, 94), QPoint(5, 50), QPoint(194, 50)}) {
            EXPECT_EQ(bild.pixel(p), Rahmenfarben[k]) << p.x() << ", " << p.y();
        }
        EXPECT_GT(AnzahlIn(bild, QRect(20, 25, 160, 50), Rahmenfarben[k]), 200);
    }
}

TEST(Platzhalterbild, AndereNummernGebenBildNull) {
    for (const int k : {-1, 5, 7}) {
        EXPECT_EQ(&Platzhalterbild(k), &Platzhalterbild(0)) << k;
    }
}
