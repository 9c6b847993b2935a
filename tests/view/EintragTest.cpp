// One entry measured and drawn: logo place, text place, shortening, tabs, placeholders.
#include "view/Eintrag.h"
#include "TestDateien.h"
#include "view/Logobild.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace senvio {
namespace {

const QColor Weiss(255, 255, 255);

QFont Listenschrift() {
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPixelSize(24);
    schrift.setBold(true);
    return schrift;
}

// The rectangle of the dark pixels left of the logo; empty when there are none.
QRect Tinte(const QImage& bild) {
    QRect tinte;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width() - LogoBreite; ++x)
            if (qGray(bild.pixel(x, y)) < 128)
                tinte |= QRect(x, y, 1, 1);
    return tinte;
}

// How many pixels of the logo have roughly this colour (each channel within 40).
int PixelMitFarbe(const QImage& logo, QColor farbe) {
    int anzahl = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const QColor p = logo.pixelColor(x, y);
            anzahl += std::abs(p.red() - farbe.red()) < 40 && std::abs(p.green() - farbe.green()) < 40 &&
                      std::abs(p.blue() - farbe.blue()) < 40;
        }
    return anzahl;
}

class Eintrag : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        umgebung.programmOrdner = m_tmp.path() + QStringLiteral("/");
        ASSERT_TRUE(QDir().mkpath(umgebung.programmOrdner + QStringLiteral("Senvio-Listen/Sender-Logos")));
        QImage rot(140, 100, QImage::Format_RGB32);
        rot.fill(QColor(255, 0, 0));
        ASSERT_TRUE(rot.save(umgebung.programmOrdner + QStringLiteral("Senvio-Listen/Sender-Logos/rot.png")));
    }
    QImage Zeichne(const QString& zeile) {
        QImage bild(478, ZeilenHoehe, QImage::Format_RGB32);
        bild.fill(Qt::gray);
        QPainter maler(&bild);
        ZeichneEintrag(maler, bild.rect(), zeile, umgebung, Listenschrift(), Weiss, Qt::black);
        return bild;
    }

    QTemporaryDir m_tmp;
    Eintragsumgebung umgebung;
    const QString rotesLogo = QStringLiteral(" #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\rot.png");
};

TEST_F(Eintrag, LogoAusDemProgrammordnerAnDerRechtenKanteTextZehnPixelTiefer) {
    umgebung.platzhalterZaehler = 2;
    const QImage bild = Zeichne(QStringLiteral("    1   = ARD") + rotesLogo);
    EXPECT_EQ(umgebung.platzhalterZaehler, 0); // a real logo
    // The logo covers x = 478 − 60 = 418 to 477, rows 0 to 39; row 40 stays ground.
    EXPECT_EQ(bild.pixelColor(418, 0), QColor(255, 0, 0));
    EXPECT_EQ(bild.pixelColor(477, 39), QColor(255, 0, 0));
    EXPECT_EQ(bild.pixelColor(417, 5), Weiss);
    EXPECT_EQ(bild.pixelColor(450, 40), Weiss);
    // The text 10 pixels down: its ink starts where its tallest glyph reaches above the baseline.
    const QFontMetrics masse(Listenschrift());
    EXPECT_NEAR(Tinte(bild).top(),
                10 + masse.ascent() + masse.tightBoundingRect(QStringLiteral("    1   = ARD ")).top(), 1);
}

TEST_F(Eintrag, TextIstDerKopfHoechstens392PixelBreit) {
    EXPECT_EQ(Eintragstext(QStringLiteral("    1   = ARD #png#x"), Listenschrift()), QStringLiteral("    1   = ARD "));
    EXPECT_EQ(Eintragstext(QStringLiteral("    1   = Первый канал #png#"), Listenschrift()),
              QStringLiteral("    1   = Первый канал "));
    const QString zeile = QStringLiteral("    1   = ") + QString(80, QLatin1Char('W')) + rotesLogo;
    const QString text = Eintragstext(zeile, Listenschrift());
    ASSERT_TRUE(zeile.startsWith(text));
    EXPECT_LE(TextBreite(Listenschrift(), text), 400);
    EXPECT_GT(TextBreite(Listenschrift(), text + QLatin1Char('W')), 400);
    const int rechts = Tinte(Zeichne(zeile)).right();
    EXPECT_LE(rechts, 393);
    EXPECT_GT(rechts, 392 - QFontMetrics(Listenschrift()).horizontalAdvance(QLatin1Char('W')) - 2);
}

// Lines without the separator are drawn whole, with no logo and the counter as it was.
TEST_F(Eintrag, ZeileOhneTrennerGanzTabBisZumNaechstenStopp) {
    const int abstand = 5 * QFontMetrics(Listenschrift()).averageCharWidth();
    ASSERT_EQ(TabAbstand(Listenschrift()), abstand);
    EXPECT_EQ(TextBreite(Listenschrift(), QStringLiteral("\t")), abstand + 8);
    umgebung.platzhalterZaehler = 3;
    const QImage ohneTab = Zeichne(QStringLiteral("I"));
    EXPECT_EQ(Tinte(Zeichne(QStringLiteral("\tI"))).left() - Tinte(ohneTab).left(), abstand);
    EXPECT_EQ(ohneTab.pixelColor(450, 20), Weiss);
    EXPECT_EQ(umgebung.platzhalterZaehler, 3);
    EXPECT_TRUE(Eintragslogo(QStringLiteral("Nur Text"), umgebung).isNull());
}

TEST_F(Eintrag, PlatzhalterFarbenUndZaehler) {
    const QColor schwarz(0, 0, 0), blau(0, 162, 232), gold(255, 201, 14), rot(237, 28, 36), gruen(181, 230, 29);
    test::Schreib(umgebung.programmOrdner + QStringLiteral("Ohne Logo2.png"), "kein PNG");
    const struct {
        QString pfad;
        int zaehlerVorher;
        int zaehlerNachher;
        QColor farbe;
    } faelle[] = {
        {QStringLiteral("Ohne Logo3.png"), 0, 3, rot},
        {QStringLiteral("OHNE LOGO4.PNG"), 1, 4, gruen},
        {QStringLiteral("ohne logo1.png"), 4, 1, blau},
        {QStringLiteral("Ohne Logo.png"), 2, 2, gold}, // no digit: the counter stays
        {QStringLiteral("fehlt.png"), 3, 0, schwarz},  // a missing file: picture 0
        {QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\fehlt.png"), 2, 0, schwarz},
        {QStringLiteral("Ohne Logo2.png"), 1, 2, schwarz}, // a file that is no PNG: picture 0
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.pfad.toStdString());
        umgebung.platzhalterZaehler = fall.zaehlerVorher;
        const QImage logo = Eintragslogo(QStringLiteral("    1   = X #png#") + fall.pfad, umgebung);
        EXPECT_EQ(umgebung.platzhalterZaehler, fall.zaehlerNachher);
        ASSERT_EQ(logo.size(), QSize(LogoBreite, LogoHoehe));
        EXPECT_GT(PixelMitFarbe(logo, fall.farbe), 20);
        EXPECT_GT(PixelMitFarbe(logo, Weiss), 600); // mostly white ground
        for (const QColor& andere : {blau, gold, rot, gruen})
            EXPECT_TRUE(andere == fall.farbe || PixelMitFarbe(logo, andere) < 3) << andere.name().toStdString();
    }
}

// White on a transparent ground lies on the dark plate filling the box; white on its own
// white ground and a coloured logo with transparency are drawn as before, on white.
TEST_F(Eintrag, HellesLogoAufDunklerPlatte) {
    const auto logo = [&](const char* name, QSize groesse, QColor grund, QColor zeichen) {
        QImage bild(groesse, QImage::Format_ARGB32);
        bild.fill(grund);
        QPainter(&bild).fillRect(QRect(30, 30, 40, 40), zeichen);
        EXPECT_TRUE(bild.save(umgebung.programmOrdner + QLatin1String(name)));
        return Eintragslogo(QStringLiteral("    1   = X #png#") + umgebung.programmOrdner + QLatin1String(name),
                            umgebung);
    };
    // 100 × 100 fills columns 20 to 119 of the box, the white square 50 to 89 and rows
    // 30 to 69: in 60 × 40 columns 21.4 to 38.1 and rows 12 to 27.6.
    const QImage platte = logo("hell.png", {100, 100}, Qt::transparent, Qt::white);
    EXPECT_GE(PixelMitFarbe(platte, QColor(Plattenfarbe)), 120); // 5 % of 60 × 40
    for (const QPoint p : {QPoint(5, 20), QPoint(55, 20), QPoint(30, 4), QPoint(30, 36)})
        EXPECT_LE(std::abs(qGray(platte.pixel(p)) - 0x3C), 2) << p.x() << "," << p.y();
    EXPECT_GE(qGray(platte.pixel(30, 20)), 250);
    EXPECT_GT(qGray(platte.pixel(0, 0)), 0x3C + 40); // the plate's corners are rounded
    EXPECT_EQ(PixelMitFarbe(logo("weiss.png", {100, 100}, Qt::white, Qt::white), Weiss), 60 * 40);
    // 200 × 80 fits to 140 × 56 at row 22.
    const QImage bunt = logo("bunt.png", {200, 80}, QColor(0, 0, 255, 60), QColor(255, 0, 0, 200));
    const QImage vorher = PasseInKastenEin(LesePngDatei(umgebung.programmOrdner + "bunt.png"), {140, 100}, Weiss);
    EXPECT_EQ(bunt, SkaliereLanczosAufWeiss(vorher, {60, 40}, QRect(0, 22, 140, 56)));
}

} // namespace
} // namespace senvio
