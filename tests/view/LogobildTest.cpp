// Fitting a logo into its box and the Lanczos step, with sizes and rows worked out by hand.
#include "view/Logobild.h"
#include "TestDateien.h"
#include "view/Eintrag.h"

#include <QImage>
#include <QPainter>

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
    // 140 · 0.1; 100 / 10; 100 / 1000 truncated.
    const std::pair<QSize, QSize> faelle[] = {
        {{1000, 100}, {140, 14}}, {{100, 1000}, {10, 100}}, {{200, 100}, {140, 70}}, {{140, 100}, {140, 100}},
        {{96, 96}, {100, 100}},   {{1, 1000}, {0, 100}},    {{0, 5}, {0, 0}},
    };
    for (const auto& [bild, passend] : faelle)
        EXPECT_EQ(EingepassteGroesse(bild, {140, 100}), passend) << bild.width() << "×" << bild.height();
}

TEST(Einpassen, MittigAufDemGrundOhneGlaettung) {
    const QColor blau(0, 0, 255);
    QImage zwei(2, 1, QImage::Format_RGB32);
    zwei.setPixelColor(0, 0, Qt::black);
    zwei.setPixelColor(1, 0, Qt::white);
    const struct {
        QImage bild;
        std::vector<std::pair<QPoint, QColor>> punkte;
    } faelle[] = {
        // 140 × 14 at row (100 − 14) / 2 = 43: rows 43 to 56.
        {Einfarbig(1000, 100, Rot),
         {{{70, 42}, blau}, {{70, 43}, Rot}, {{0, 56}, Rot}, {{139, 50}, Rot}, {{70, 57}, blau}}},
        // 10 × 100 at column (140 − 10) / 2 = 65: columns 65 to 74.
        {Einfarbig(100, 1000, Rot), {{{64, 50}, blau}, {{65, 0}, Rot}, {{74, 99}, Rot}, {{75, 50}, blau}}},
        // 140 × 70 from row 15, a hard edge at column 70.
        {zwei, {{{69, 50}, Qt::black}, {{70, 50}, Qt::white}, {{70, 14}, blau}, {{70, 15}, Qt::white}}},
    };
    for (const auto& fall : faelle) {
        const QImage kasten = PasseInKastenEin(fall.bild, QSize(140, 100), blau);
        ASSERT_EQ(kasten.size(), QSize(140, 100));
        for (const auto& [punkt, farbe] : fall.punkte)
            EXPECT_EQ(kasten.pixelColor(punkt), farbe) << fall.bild.width() << ": " << punkt.x() << "," << punkt.y();
    }
}

// A light logo at its own size lies on the dark plate, whose corners are rounded with a tenth
// of the side: (33, 33) lies 94 pixels from the corner arc's centre (100, 100), (10, 10) 127.
TEST(Einpassen, HellesLogoAufDerPlatteMitRundenEcken) {
    QImage leer(1000, 1000, QImage::Format_RGBA8888);
    leer.fill(Qt::transparent);
    const QImage platte = LogoAufGrund({leer, true});
    EXPECT_EQ(platte.pixel(500, 500), qRgb(0x3C, 0x3C, 0x3C));
    EXPECT_EQ(platte.pixel(33, 33), qRgb(0x3C, 0x3C, 0x3C));
    EXPECT_EQ(platte.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(LogoAufGrund({leer, false}), leer);
}

TEST(Lanczos, EinfarbigBleibtKanteAmRichtigenOrt) {
    const QImage klein = SkaliereLanczos(Einfarbig(140, 100, QColor(0, 162, 232)), QSize(60, 40));
    ASSERT_EQ(klein.size(), QSize(60, 40));
    for (int y = 0; y < 40; y += 13)
        for (int x = 0; x < 60; x += 11)
            EXPECT_EQ(klein.pixelColor(x, y), QColor(0, 162, 232)) << x << "," << y;
    // Left half black, right half white: after 140 → 60 the edge lies at column 30.
    QImage bild = Einfarbig(140, 100, Qt::white);
    QPainter(&bild).fillRect(0, 0, 70, 100, Qt::black);
    const QImage kante = SkaliereLanczos(bild, QSize(60, 40));
    for (int x = 0; x <= 25; ++x)
        EXPECT_LE(kante.pixelColor(x, 20).red(), 4) << x;
    for (int x = 34; x < 60; ++x)
        EXPECT_GE(kante.pixelColor(x, 20).red(), 251) << x;
    const int mitte = kante.pixelColor(29, 20).red() + kante.pixelColor(30, 20).red();
    EXPECT_GT(mitte, 150);
    EXPECT_LT(mitte, 360);
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
