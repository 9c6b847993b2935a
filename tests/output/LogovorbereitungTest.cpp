// Logos made ahead on worker threads: the same pixels as made on the spot, each
// position answered once and only for its own file, and no wait beyond the lookahead.
#include "output/Logovorbereitung.h"

#include "TestDateien.h"
#include "view/Eintrag.h"
#include "view/Logobild.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace senvio {
namespace {

class LogosVorab : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        for (int i = 0; i < 6; ++i) {
            // 300 × 120 with a transparent border and a gradient: scaling shows in every pixel.
            // The last is white within the border, a light logo: it lies on the dark plate.
            QImage bild(300, 120, QImage::Format_ARGB32);
            bild.fill(Qt::transparent);
            for (int y = 10; y < 110; ++y)
                for (int x = 10; x < 290; ++x)
                    bild.setPixel(x, y, i == 5 ? qRgb(255, 255, 255) : qRgba(x * 255 / 300, 40 * i, y * 2, 100 + y));
            dateien.append(m_tmp.filePath(QStringLiteral("%1.png").arg(i)));
            ASSERT_TRUE(bild.save(dateien.back()));
        }
        dateien.append(m_tmp.filePath(QStringLiteral("kaputt.png")));
        test::Schreib(dateien.back(), "kein PNG");
    }
    QTemporaryDir m_tmp;
    QStringList dateien;
};

TEST_F(LogosVorab, GleichePixelJedePositionEinmal) {
    // Positions 3, 5, 6, 9 and 20; the file of 3 again at 9; 20 does not decode.
    std::vector<Logoauftrag> auftraege{
        {3, dateien[0]}, {5, dateien[1]}, {6, dateien[2]}, {9, dateien[0]}, {20, dateien[6]}};
    Logovorbereitung logos(auftraege);
    const QImage erstes = logos.Hole(3, dateien[0]);
    ASSERT_EQ(erstes.size(), QSize(LogoBreite, LogoHoehe));
    EXPECT_EQ(erstes, EintragslogoDerDatei(dateien[0]));
    EXPECT_TRUE(logos.Hole(3, dateien[0]).isNull()); // taken
    EXPECT_TRUE(logos.Hole(4, dateien[1]).isNull()); // no such position
    EXPECT_TRUE(logos.Hole(5, dateien[2]).isNull()); // another file than given
    EXPECT_EQ(logos.Hole(6, dateien[2]), EintragslogoDerDatei(dateien[2]));
    EXPECT_EQ(logos.Hole(9, dateien[0]), erstes);
    EXPECT_TRUE(logos.Hole(20, dateien[6]).isNull());
    EXPECT_TRUE(EintragslogoDerDatei(dateien[6]).isNull());
}

TEST_F(LogosVorab, VorlaufVonEinerPositionUndAbbruch) {
    std::vector<Logoauftrag> auftraege;
    for (int i = 0; i < 6; ++i)
        auftraege.push_back({10 * i, dateien[i]});
    {
        Logovorbereitung logos(auftraege, 1);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(logos.Hole(10 * i, dateien[i]), EintragslogoDerDatei(dateien[i])) << i;
    }
    EXPECT_EQ(EintragslogoDerDatei(dateien[5]).pixel(30, 3), Plattenfarbe); // above the logo's rows 22 to 77
    // Given up after one: the workers stop without anyone asking for the rest.
    Logovorbereitung logos(auftraege, 15);
    EXPECT_FALSE(logos.Hole(0, dateien[0]).isNull());
}

} // namespace
} // namespace senvio
