#include "view/Platzhalter.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

using namespace senvio;

namespace {

const std::array<QRgb, 5> Farben = {qRgb(0, 0, 0), qRgb(0, 162, 232), qRgb(255, 201, 14), qRgb(237, 28, 36),
                                    qRgb(181, 230, 29)};

// The most frequent colour that is not white.
QRgb HaeufigsteFarbe(const QImage& bild) {
    std::map<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            if (p != qRgb(255, 255, 255)) {
                ++anzahl[p];
            }
        }
    }
    QRgb beste = qRgb(255, 255, 255);
    int meiste = 0;
    for (const auto& [farbe, n] : anzahl) {
        if (n > meiste) {
            beste = farbe;
            meiste = n;
        }
    }
    return beste;
}

int AnzahlIn(const QImage& bild, const QRect& feld, QRgb farbe) {
    int n = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y) {
        for (int x = feld.left(); x <= feld.right(); ++x) {
            n += bild.pixel(x, y) == farbe ? 1 : 0;
        }
    }
    return n;
}

// Antialiased edges mix the colour with white: every pixel lies on the way from white
// to the colour, each channel at the same share (to within rounding).
bool LiegtZwischenWeissUnd(QRgb p, QRgb farbe) {
    const int z[3] = {qRed(farbe), qGreen(farbe), qBlue(farbe)};
    const int w[3] = {qRed(p), qGreen(p), qBlue(p)};
    int k = 0; // the channel farthest from white gives the share
    for (int i = 1; i < 3; ++i) {
        k = (255 - z[i] > 255 - z[k]) ? i : k;
    }
    const double anteil = double(255 - w[k]) / (255 - z[k]);
    for (int i = 0; i < 3; ++i) {
        if (std::abs(w[i] - (255 - anteil * (255 - z[i]))) > 4) {
            return false;
        }
    }
    return anteil >= -0.01 && anteil <= 1.01;
}

} // namespace

TEST(Platzhalterbild, GroesseFormatUndWeisseEcken) {
    for (int k = 0; k < 5; ++k) {
        const QImage& bild = Platzhalterbild(k);
        ASSERT_EQ(bild.size(), QSize(200, 100)) << k;
        EXPECT_EQ(bild.format(), QImage::Format_RGB32) << k;
        for (const QPoint ecke : {QPoint(0, 0), QPoint(199, 0), QPoint(0, 99), QPoint(199, 99)}) {
            EXPECT_EQ(bild.pixel(ecke), qRgb(255, 255, 255)) << k;
        }
        EXPECT_EQ(bild.pixel(100, 20), qRgb(255, 255, 255)) << "Grund innerhalb des Rahmens, Bild " << k;
    }
}

TEST(Platzhalterbild, RahmenUndSchriftInEinerFarbe) {
    for (int k = 0; k < 5; ++k) {
        const QImage& bild = Platzhalterbild(k);
        EXPECT_EQ(HaeufigsteFarbe(bild), Farben[k]) << k;
        // The frame runs round all four sides, the words fill the middle.
        EXPECT_EQ(bild.pixel(100, 5), Farben[k]) << k;
        EXPECT_EQ(bild.pixel(100, 94), Farben[k]) << k;
        EXPECT_EQ(bild.pixel(5, 50), Farben[k]) << k;
        EXPECT_EQ(bild.pixel(194, 50), Farben[k]) << k;
        EXPECT_GT(AnzahlIn(bild, QRect(20, 25, 160, 50), Farben[k]), 200) << k;
        for (int y = 0; y < 100; ++y) {
            for (int x = 0; x < 200; ++x) {
                ASSERT_TRUE(LiegtZwischenWeissUnd(bild.pixel(x, y), Farben[k]))
                    << "Bild " << k << " bei " << x << ", " << y << ": " << std::hex << bild.pixel(x, y);
            }
        }
    }
}

TEST(Platzhalterbild, AndereNummernGebenBildNull) {
    EXPECT_EQ(&Platzhalterbild(7), &Platzhalterbild(0));
    EXPECT_EQ(&Platzhalterbild(-1), &Platzhalterbild(0));
    EXPECT_EQ(&Platzhalterbild(5), &Platzhalterbild(0));
    EXPECT_NE(&Platzhalterbild(4), &Platzhalterbild(0));
    EXPECT_EQ(Platzhalterbild(7).pixel(5, 50), qRgb(0, 0, 0));
}
