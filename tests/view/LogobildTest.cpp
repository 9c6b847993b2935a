// Fitting a logo into its box and the Lanczos step, with sizes and rows worked out by hand.
#include "view/Logobild.h"
#include "TestDateien.h"
#include "view/Eintrag.h"

#include <QImage>

#include <gtest/gtest.h>

namespace senvio {
namespace {

QImage Einfarbig(int breite, int hoehe, QColor farbe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

const QColor Rot(255, 0, 0);
const QColor Weiss(255, 255, 255);

TEST(Einpassen, GroesseBehaeltDasSeitenverhaeltnis) {
    const QSize kasten(140, 100);
    EXPECT_EQ(EingepassteGroesse({1000, 100}, kasten), QSize(140, 14)); // 140 · 0.1
    EXPECT_EQ(EingepassteGroesse({100, 1000}, kasten), QSize(10, 100)); // 100 / 10
    EXPECT_EQ(EingepassteGroesse({200, 100}, kasten), QSize(140, 70));
    EXPECT_EQ(EingepassteGroesse({140, 100}, kasten), QSize(140, 100));
    EXPECT_EQ(EingepassteGroesse({96, 96}, kasten), QSize(100, 100));
    EXPECT_EQ(EingepassteGroesse({1, 1000}, kasten), QSize(0, 100)); // 100 / 1000 truncated
    EXPECT_EQ(EingepassteGroesse({0, 5}, kasten), QSize(0, 0));
}

TEST(Einpassen, BreitesLogoLiegtMittigAufWeissemGrund) {
    const QImage kasten = PasseInKastenEin(Einfarbig(1000, 100, Rot), QSize(140, 100), Weiss);
    ASSERT_EQ(kasten.size(), QSize(140, 100));
    // 14 rows high, top (100 − 14) / 2 = 43: rows 43 to 56 are the logo.
    EXPECT_EQ(kasten.pixelColor(70, 42), Weiss);
    EXPECT_EQ(kasten.pixelColor(70, 43), Rot);
    EXPECT_EQ(kasten.pixelColor(0, 56), Rot);
    EXPECT_EQ(kasten.pixelColor(139, 50), Rot);
    EXPECT_EQ(kasten.pixelColor(70, 57), Weiss);
}

TEST(Einpassen, HohesLogoLiegtMittigInDerBreite) {
    const QImage kasten = PasseInKastenEin(Einfarbig(100, 1000, Rot), QSize(140, 100), Weiss);
    // 10 columns wide, left (140 − 10) / 2 = 65: columns 65 to 74.
    EXPECT_EQ(kasten.pixelColor(64, 50), Weiss);
    EXPECT_EQ(kasten.pixelColor(65, 0), Rot);
    EXPECT_EQ(kasten.pixelColor(74, 99), Rot);
    EXPECT_EQ(kasten.pixelColor(75, 50), Weiss);
}

TEST(Einpassen, StreckenOhneGlaettung) {
    // A 2 × 1 picture, black and white, stretched to 140 × 70: hard edge at column 70.
    QImage zwei(2, 1, QImage::Format_RGB32);
    zwei.setPixelColor(0, 0, Qt::black);
    zwei.setPixelColor(1, 0, Qt::white);
    const QImage kasten = PasseInKastenEin(zwei, QSize(140, 100), Rot);
    EXPECT_EQ(kasten.pixelColor(69, 50), QColor(Qt::black));
    EXPECT_EQ(kasten.pixelColor(70, 50), QColor(Qt::white));
    EXPECT_EQ(kasten.pixelColor(70, 14), Rot); // above the 70 rows starting at 15
    EXPECT_EQ(kasten.pixelColor(70, 15), QColor(Qt::white));
}

TEST(Lanczos, EinfarbigBleibtEinfarbig) {
    const QImage klein = SkaliereLanczos(Einfarbig(140, 100, QColor(0, 162, 232)), QSize(60, 40));
    ASSERT_EQ(klein.size(), QSize(60, 40));
    for (int y = 0; y < 40; y += 13)
        for (int x = 0; x < 60; x += 11)
            EXPECT_EQ(klein.pixelColor(x, y), QColor(0, 162, 232)) << x << "," << y;
}

TEST(Lanczos, KanteBleibtAmRichtigenOrt) {
    // Left half black, right half white: after 140 → 60 the edge lies at column 30.
    QImage bild = Einfarbig(140, 100, Qt::white);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 70; ++x)
            bild.setPixelColor(x, y, Qt::black);
    const QImage klein = SkaliereLanczos(bild, QSize(60, 40));
    for (int x = 0; x <= 25; ++x)
        EXPECT_LE(klein.pixelColor(x, 20).red(), 4) << x;
    for (int x = 34; x < 60; ++x)
        EXPECT_GE(klein.pixelColor(x, 20).red(), 251) << x;
    const int mitte = klein.pixelColor(29, 20).red() + klein.pixelColor(30, 20).red();
    EXPECT_GT(mitte, 150);
    EXPECT_LT(mitte, 360);
}

TEST(Lanczos, EintragslogoEinesBreitenLogos) {
    // Rows 43 to 56 of the 140 × 100 box become rows 17.2 to 22.8 of 40.
    const QImage logo = MacheEintragslogo({Einfarbig(1000, 100, Rot)});
    ASSERT_EQ(logo.size(), QSize(LogoBreite, LogoHoehe));
    EXPECT_EQ(logo.pixelColor(30, 13), Weiss);
    // The band is under 6 rows high, so its middle takes a little of the white around it.
    for (int x : {2, 30, 57}) {
        EXPECT_EQ(logo.pixelColor(x, 20).red(), 255);
        EXPECT_LE(logo.pixelColor(x, 20).green(), 8);
    }
    EXPECT_EQ(logo.pixelColor(30, 27), Weiss);
}

// Skipping the white rows must not change a single pixel: compared with the whole
// resampling for bands of several heights, shrinking and enlarging.
TEST(Lanczos, WeisserRandWirdUebersprungenOhneAbweichung) {
    const std::pair<QSize, QRect> faelle[] = {
        {{96, 96}, {0, 84, 311, 156}}, {{96, 96}, {0, 160, 311, 3}},    {{96, 96}, {9, 0, 292, 324}},
        {{60, 40}, {0, 43, 140, 14}},  {{400, 500}, {0, 100, 311, 50}}, {{96, 96}, {0, 0, 311, 1}},
        {{96, 96}, {0, 323, 311, 1}},
    };
    for (const auto& [ziel, band] : faelle) {
        QImage bild = Einfarbig(band.right() < 140 ? 140 : 311, band.right() < 140 ? 100 : 324, Weiss);
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                bild.setPixelColor(x, y, QColor((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
        EXPECT_EQ(SkaliereLanczosAufWeiss(bild, ziel, band), SkaliereLanczos(bild, ziel))
            << band.y() << "+" << band.height() << " → " << ziel.height();
    }
}

} // namespace
} // namespace senvio
