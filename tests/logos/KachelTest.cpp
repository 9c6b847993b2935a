// Tile positions, the scroll range and the tile picture, with values worked out by hand.
#include "logos/GrossImageForm.h"
#include "logos/Kachelbild.h"
#include "logos/Kachelgeometrie.h"
#include "logos/Kachellogos.h"
#include "view/Logobild.h"

#include "TestDateien.h"

#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>

namespace senvio::test {
namespace {

QImage Einfarbig(int breite, int hoehe, QColor farbe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

TEST(KachelGeometrie, SpaltenPositionenUndScrollBereich) {
    EXPECT_EQ(KachelSpalten(464, 3), 3);
    EXPECT_EQ(KachelSpalten(436, 40), 4); // (436 − 12) div 106, just four
    EXPECT_EQ(KachelSpalten(435, 40), 3); // 423 div 106
    EXPECT_EQ(KachelSpalten(100, 40), 1); // never fewer than one
    const std::pair<int, const char*> positionen[] = {{0, "12x12"}, {3, "336x12"}, {10, "228x228"}};
    for (const auto& [index, text] : positionen)
        EXPECT_EQ(PositionsText(KachelPosition(index, 4)), QLatin1String(text)) << index;
    EXPECT_EQ(KachelPosition(2, 3), QPoint(228, 12));
    EXPECT_EQ(KachelScrollBereich(0, 466), 108);
    EXPECT_EQ(KachelScrollBereich(4, 466), 216); // a full row still adds one
    EXPECT_EQ(KachelScrollBereich(3, 50), 432);  // at least one per row
}

TEST(Kachelbild, EinpassenRundetUndZentriert) {
    const QSize kasten(311, 324);
    EXPECT_EQ(EingepassterBereich({90, 100}, kasten), QRect(9, 0, 292, 324));   // 291.6, (311 − 292) / 2
    EXPECT_EQ(EingepassterBereich({200, 100}, kasten), QRect(0, 84, 311, 156)); // 155.5 rounds up
    EXPECT_EQ(EingepassterBereich({1000, 10}, kasten), QRect(0, 160, 311, 3));  // 3.11
    EXPECT_TRUE(EingepassterBereich({0, 10}, kasten).isEmpty());

    const QImage hoch = PasseBildEin(Einfarbig(90, 100, Qt::red), kasten);
    ASSERT_EQ(hoch.size(), kasten);
    EXPECT_EQ((std::vector{hoch.pixelColor(8, 100), hoch.pixelColor(9, 0), hoch.pixelColor(301, 100)}),
              (std::vector<QColor>{Qt::white, Qt::red, Qt::white}));
}

TEST(Kachelbild, LogoMitUmkehrendemRahmen) {
    const QImage kachel = ErstelleKachelbild(SkaliereKachellogo({Einfarbig(200, 100, Qt::red)}));
    ASSERT_EQ(kachel.size(), QSize(96, 96));
    // Fitted into 291 × 302 from (10, 11): 291 × 146, rows 89 to 234 of 324, 26.4 to 72.6 of 96.
    EXPECT_EQ((std::vector{kachel.pixelColor(48, 48), kachel.pixelColor(48, 10), kachel.pixelColor(48, 85)}),
              (std::vector<QColor>{Qt::red, Qt::white, Qt::white}));
    // The frame inverts what lies beneath: white all round; row and column 0 stay.
    for (const QPoint punkt : {QPoint(1, 1), QPoint(95, 95), QPoint(48, 1), QPoint(1, 10), QPoint(1, 48)})
        EXPECT_EQ(kachel.pixelColor(punkt), QColor(Qt::black)) << punkt.x() << "," << punkt.y();
    EXPECT_EQ(kachel.pixelColor(0, 0), QColor(Qt::white));
}

// Logos of 800 × 450 and 450 × 800 with a transparent ground and a red bar from edge to edge
// through their middle: the bar ends inside the frame. The wide one fills columns 10 to 300
// of 311 (3.1 to 92.9 of 96) at row 48, the tall one rows 11 to 312 of 324 (3.3 to 92.4) at
// column 48; beneath the frame lies white.
TEST(Kachelbild, BreiteUndHoheLogosGanzImRahmen) {
    for (const bool breit : {true, false}) {
        QImage logo(breit ? 800 : 450, breit ? 450 : 800, QImage::Format_ARGB32);
        logo.fill(Qt::transparent);
        QPainter(&logo).fillRect(breit ? QRect(0, 200, 800, 50) : QRect(200, 0, 50, 800), Qt::red);
        const QImage kachel = ErstelleKachelbild(SkaliereKachellogo({logo}));
        const auto punkt = [&](int entlang, int quer) {
            return kachel.pixelColor(breit ? QPoint(entlang, quer) : QPoint(quer, entlang));
        };
        const auto rot = [](QColor farbe) { return farbe.red() > 200 && farbe.green() < 60; };
        EXPECT_TRUE(rot(punkt(4, 48)) && rot(punkt(48, 48)) && rot(punkt(91, 48))) << breit;
        // The filter's ringing leaves a level or two.
        const auto grau = [](QColor farbe) { return std::max({farbe.red(), farbe.green(), farbe.blue()}); };
        EXPECT_TRUE(grau(punkt(0, 48)) >= 252 && grau(punkt(1, 48)) <= 3 && grau(punkt(95, 48)) <= 3) << breit;
    }
}

TEST(Kachelbild, FehlendeUndKaputteDateiZeigenFehler) {
    QTemporaryDir tmp;
    const QString kaputt = tmp.path() + QStringLiteral("/kaputt.png");
    Schreib(kaputt, QByteArray("\x89PNG\r\n\x1a\nkein Bild", 18));
    const QImage fehler = ErstelleKachelbild(MacheKachellogo(kaputt));
    EXPECT_EQ(ErstelleKachelbild(MacheKachellogo(tmp.path() + QStringLiteral("/fehlt.png"))), fehler);
    // The red text stays in the middle.
    int innen = 0, aussen = 0;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 96; ++x)
            if (fehler.pixelColor(x, y).red() > 200 && fehler.pixelColor(x, y).green() < 60)
                ++(QRect(21, 31, 55, 35).contains(x, y) ? innen : aussen);
    EXPECT_GT(innen, 20);
    EXPECT_EQ(aussen, 0);
}

// A white logo on a transparent ground: the tile and the preview show it on the plate.
TEST(Kachelbild, HellesLogoAufDunklerPlatte) {
    QTemporaryDir tmp;
    const QString pfad = tmp.filePath(QStringLiteral("hell.png"));
    QImage bild(200, 100, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter(&bild).fillRect(80, 30, 40, 40, Qt::white);
    ASSERT_TRUE(bild.save(pfad));
    // The plate fills the 311 × 324 box around rows 84 to 239 (24.9 to 71.1 of 96).
    const QImage kachel = ErstelleKachelbild(MacheKachellogo(pfad));
    EXPECT_EQ(kachel.pixel(48, 10), Plattenfarbe);
    // The preview: the logo at its own size on the plate, its corners rounded by 10.
    TGrossImageForm gross;
    gross.ZeigeLogo(pfad);
    const QImage vorschau = gross.findChild<GestrecktesBild*>(QStringLiteral("Image1"))->Bild();
    EXPECT_EQ(vorschau.pixel(40, 50), Plattenfarbe);
    EXPECT_EQ(vorschau.pixelColor(0, 0), QColor(Qt::white));
}

} // namespace
} // namespace senvio::test
