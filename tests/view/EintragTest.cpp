// One entry measured and drawn, a logo fitted into its box, the Lanczos step, the list font's
// settings texts, and every kind of change through the list's model with what the views learn.
#include "view/Eintrag.h"
#include "TestDateien.h"
#include "list/Zeilenformat.h"
#include "view/Listenmodell.h"
#include "view/Listenschrift.h"
#include "view/Logobild.h"
#include "view/Namenseinpassung.h"
#include "view/Platzhalter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace senvio {
namespace {

using namespace Qt::StringLiterals;

const QColor Weiss(255, 255, 255);
const QColor Rot(255, 0, 0);

QImage Einfarbig(int breite, int hoehe, QColor farbe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe);
    return bild;
}

QFont Listenschrift() {
    QFont schrift(u"DejaVu Sans Condensed"_s);
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

class Eintrag : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        umgebung.programmOrdner = m_tmp.path() + u"/"_s;
        ASSERT_TRUE(QDir().mkpath(umgebung.programmOrdner + u"Senvio-Listen/Sender-Logos"_s));
        ASSERT_TRUE(Einfarbig(140, 100, Rot).save(umgebung.programmOrdner + u"Senvio-Listen/Sender-Logos/rot.png"_s));
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
    const QString rotesLogo = u" #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\rot.png"_s;
};

TEST_F(Eintrag, LogoAusDemProgrammordnerAnDerRechtenKanteTextZehnPixelTiefer) {
    umgebung.platzhalterzaehler = 2;
    const QImage bild = Zeichne(u"    1   = ARD"_s + rotesLogo);
    EXPECT_EQ(umgebung.platzhalterzaehler, 0); // a real logo
    // The logo covers x = 478 − 60 = 418 to 477, rows 0 to 39; row 40 stays ground.
    EXPECT_EQ((std::vector{bild.pixelColor(418, 0), bild.pixelColor(477, 39), bild.pixelColor(417, 5),
                           bild.pixelColor(450, 40)}),
              (std::vector{Rot, Rot, Weiss, Weiss}));
    // The text 10 pixels down: its ink starts where its tallest glyph reaches above the baseline.
    const QFontMetrics masse(Listenschrift());
    EXPECT_NEAR(Tinte(bild).top(), 10 + masse.ascent() + masse.tightBoundingRect(u"    1   = ARD "_s).top(), 1);
}

// The text is the head, at most 392 pixels wide; one too wide is narrowed, then loses its middle
// ("…"), never its start; lines without the separator are drawn whole, with no logo and the counter
// as it was.
TEST_F(Eintrag, TextIstDerKopfOderDieGanzeZeileTabBisZumNaechstenStopp) {
    EXPECT_EQ(Eintragstext(u"    1   = ARD #png#x"_s, Listenschrift()), u"    1   = ARD "_s);
    const QString zeile = u"    1   = "_s + QString(80, QLatin1Char('W')) + rotesLogo;
    const EingepassterName kopf = PasseKopfEin(zeile, Listenschrift(), MaxTextBreite - 8);
    EXPECT_TRUE(kopf.text.startsWith(u"    1   = WWW"_s) && kopf.text.endsWith(u"W "_s)) << kopf.text.toStdString();
    EXPECT_EQ(kopf.text.count(u"…"_s), 1);
    EXPECT_LE(TextBreite(kopf.schrift, kopf.text), 400);
    EXPECT_EQ(kopf.schrift.stretch(), 70); // 80 % of the condensed face's 87
    const int abstand = 5 * QFontMetrics(Listenschrift()).averageCharWidth();
    EXPECT_EQ(TextBreite(Listenschrift(), u"\t"_s), abstand + 8);
    umgebung.platzhalterzaehler = 3;
    EXPECT_EQ(Tinte(Zeichne(u"\tI"_s)).left() - Tinte(Zeichne(u"I"_s)).left(), abstand);
    EXPECT_EQ(umgebung.platzhalterzaehler, 3);
    EXPECT_TRUE(Eintragslogo(u"Nur Text"_s, umgebung).isNull());
}

// A satellite list of 1,891 entries as a receiver names them: numbered channels, regional
// variants, radio, long names of a web list, and names that stand twice.
QStringList SatellitenNamenFuerTest() {
    QStringList namen = u"Das Erste HD;ZDF HD;BR Fernsehen Süd HD;BR Fernsehen Nord HD;SWR BW HD;SWR RP HD;"
                        u"MDR Sachsen HD;MDR S-Anhalt HD;MDR Thüringen HD;NDR FS HH HD;NDR FS MV HD;NDR FS NDS HD;"
                        u"Radio TEDDY;Radio TEDDY TEDDY CLASSIX;Das Erste HD;ZDF HD"_s.split(u';');
    for (int i = 1; i <= 9; ++i)
        namen << u"Sky Sport Bundesliga %1 HD"_s.arg(i) << u"DE: Sky Sport Bundesliga %1 HD (Event)"_s.arg(i);
    for (const char* art : {"TEDDY CLASSIX", "TEDDY POP", "TEDDY HÖRSPIEL", "TEDDY KINDERLIEDER"})
        namen << u"Radio TEDDY %1 [Webradio, 128 kbit/s, Deutschland]"_s.arg(QString::fromUtf8(art));
    const QStringList sender = u"Bayern;Antenne;Teleshopping;Regionalfernsehen;Deutschlandfunk;Sport;Klassik Radio;"
                               u"Schlager;Heimatkanal;Nachrichten;Kinderkanal;Doku"_s.split(u';');
    const QStringList gegend = u"Oberbayern;Schwaben;Süd-Württemberg;Nordrhein-Westfalen;Franken;"
                               u"Mecklenburg-Vorpommern;Sachsen-Anhalt;Ostfriesland"_s.split(u';');
    const char* bild[] = {"", " HD", " UHD"};
    for (int i = 0; namen.size() < 1891; ++i)
        namen << u"%1 %2 %3%4"_s.arg(sender[i % 12], gegend[(i / 12) % 8])
                     .arg(i / 96 + 1)
                     .arg(QLatin1String(bild[i % 3]));
    return namen;
}

// Over the whole list no two different names come out alike; a name that fits is drawn as it
// is, one a little too long only narrowed, a longer one keeps its start and its distinguishing end.
TEST(Namenseinpassung, GekuerzteNamenBleibenUnterscheidbar) {
    const QStringList namen = SatellitenNamenFuerTest();
    QStringList zeilen;
    for (qsizetype i = 0; i < namen.size(); ++i)
        zeilen << BaueZeile(Praefix(i + 1), namen[i], u"Ohne Logo1.png"_s);
    const QFont schrift = Listenschrift();
    const Namenswahl wahl(zeilen, schrift, 392);
    QHash<QString, QSet<QString>> gezeigt;
    int gekuerzt = 0;
    for (const QString& zeile : zeilen) {
        const ZeilenTeile teile = ZerlegeZeile(zeile);
        const EingepassterName kopf = PasseKopfEin(zeile, schrift, 392, &wahl);
        SCOPED_TRACE(zeile.toStdString());
        EXPECT_LE(Zeilenbreite(kopf.schrift, kopf.text), 392);
        EXPECT_GE(kopf.schrift.stretch() == 0 ? 87 : kopf.schrift.stretch(), 70);
        if (Zeilenbreite(schrift, teile.kopf) <= 392) {
            EXPECT_TRUE(kopf.text == teile.kopf && kopf.schrift == schrift);
        } else if (!kopf.gekuerzt) {
            EXPECT_EQ(kopf.text, teile.kopf);
        } else {
            const QStringList teil = kopf.name.split(u"…"_s);
            ++gekuerzt;
            EXPECT_TRUE(teil.size() == 2 && !teil[0].isEmpty() && teile.name.startsWith(teil[0]) &&
                        teile.name.endsWith(teil[1]));
        }
        gezeigt[kopf.name].insert(teile.name);
    }
    for (auto it = gezeigt.cbegin(); it != gezeigt.cend(); ++it)
        EXPECT_EQ(it->size(), 1) << it.key().toStdString();
    EXPECT_GT(gekuerzt, 300);
    // Worked out by hand: the nine web names differ only in their number, which stays with the
    // quality word; "Sky Sport Bundesliga 1 HD" fits narrowed; the web radios differ in a word
    // too far from the end, so the start reaches into it.
    const std::tuple<int, QString, QString> faelle[] = {{17, u"Sky Sport Bundesliga 1 HD"_s, u""_s},
                                                        {18, u"DE: Sky Sport"_s, u"… 1 HD (Event)"_s},
                                                        {34, u"DE: Sky Sport"_s, u"… 9 HD (Event)"_s},
                                                        {37, u"Radio TEDDY TEDDY H"_s, u"…"_s}};
    for (const auto& [zeile, anfang, ende] : faelle) {
        const EingepassterName kopf = PasseKopfEin(zeilen[zeile - 1], schrift, 392, &wahl);
        EXPECT_TRUE(kopf.name.startsWith(anfang) && kopf.name.endsWith(ende)) << kopf.name.toStdString();
        EXPECT_LT(kopf.schrift.stretch(), 87);
    }
}

// The counter picks the placeholder picture, made as every logo is.
TEST_F(Eintrag, PlatzhalterUndZaehler) {
    test::Schreib(umgebung.programmOrdner + u"Ohne Logo2.png"_s, "kein PNG");
    const std::tuple<QString, int, int, int> faelle[] = {
        {u"Ohne Logo3.png"_s, 0, 3, 3}, {u"OHNE LOGO4.PNG"_s, 1, 4, 4},
        {u"Ohne Logo.png"_s, 2, 2, 2},  // no digit: the counter stays
        {u"fehlt.png"_s, 3, 0, 0},      // a missing file: picture 0
        {u"Ohne Logo2.png"_s, 1, 2, 0}, // a file that is no PNG: picture 0
    };
    for (const auto& [pfad, vorher, nachher, bild] : faelle) {
        umgebung.platzhalterzaehler = vorher;
        const bool gleich =
            Eintragslogo(u"    1   = X #png#"_s + pfad, umgebung) == MacheEintragslogo({Platzhalterbild(bild)});
        EXPECT_EQ(std::pair(umgebung.platzhalterzaehler, gleich), std::pair(nachher, true)) << pfad.toStdString();
    }
}

// A coloured logo with transparency lies on white; 200 × 80 fits to 140 × 56 at row 22 of the box.
TEST_F(Eintrag, BuntesLogoImKastenAufWeiss) {
    QImage bild(200, 80, QImage::Format_ARGB32);
    bild.fill(QColor(0, 0, 255, 60));
    QPainter(&bild).fillRect(QRect(30, 30, 40, 40), QColor(255, 0, 0, 200));
    const QString pfad = umgebung.programmOrdner + u"bunt.png"_s;
    ASSERT_TRUE(bild.save(pfad));
    const QImage kasten = PasseInKastenEin(LesePngDatei(pfad), {140, 100}, Weiss);
    EXPECT_EQ(Eintragslogo(u"    1   = X #png#"_s + pfad, umgebung),
              SkaliereLanczosAufWeiss(kasten, {60, 40}, QRect(0, 22, 140, 56)));
}

TEST(Einpassen, GroesseUndLageImKastenOhneGlaettung) {
    // Enlarged to fit; 100 / 1000 truncated. The wide pictures follow below.
    const std::pair<QSize, QSize> groessen[] = {{{96, 96}, {100, 100}}, {{1, 1000}, {0, 100}}, {{0, 5}, {0, 0}}};
    for (const auto& [bild, passend] : groessen)
        EXPECT_EQ(EingepassteGroesse(bild, {140, 100}), passend) << bild.width() << "×" << bild.height();
    const QColor blau(0, 0, 255);
    QImage zwei = Einfarbig(2, 1, Qt::white);
    zwei.setPixelColor(0, 0, Qt::black);
    const struct {
        QImage bild;
        std::vector<std::pair<QPoint, QColor>> punkte;
    } faelle[] = {
        // 140 × 14 at row (100 − 14) / 2 = 43: rows 43 to 56.
        {Einfarbig(1000, 100, Rot), {{{70, 42}, blau}, {{0, 43}, Rot}, {{139, 56}, Rot}, {{70, 57}, blau}}},
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
    EXPECT_EQ((std::vector{platte.pixel(500, 500), platte.pixel(33, 33), platte.pixel(10, 10)}),
              (std::vector{qRgb(0x3C, 0x3C, 0x3C), qRgb(0x3C, 0x3C, 0x3C), qRgb(255, 255, 255)}));
    EXPECT_EQ(LogoAufGrund({leer, false}), leer);
}

TEST(Lanczos, KanteAmRichtigenOrtUndWeisserRandUebersprungen) {
    // Left half black, right half white: after 140 → 60 the edge lies at column 30.
    QImage halb = Einfarbig(140, 100, Qt::white);
    QPainter(&halb).fillRect(0, 0, 70, 100, Qt::black);
    const QImage kante = SkaliereLanczos(halb, QSize(60, 40));
    ASSERT_EQ(kante.size(), QSize(60, 40));
    for (int x = 0; x <= 25; ++x)
        EXPECT_LE(kante.pixelColor(x, 20).red(), 4) << x;
    for (int x = 34; x < 60; ++x)
        EXPECT_GE(kante.pixelColor(x, 20).red(), 251) << x;
    const int mitte = kante.pixelColor(29, 20).red() + kante.pixelColor(30, 20).red();
    EXPECT_GT(mitte, 150);
    EXPECT_LT(mitte, 360);

    // Skipping the white rows must not change a single pixel: compared with the whole
    // resampling for bands of several heights, shrinking and enlarging.
    const std::pair<QSize, QRect> faelle[] = {
        {{96, 96}, {0, 84, 311, 156}}, {{60, 40}, {0, 43, 140, 14}}, {{400, 500}, {0, 323, 311, 1}}};
    for (const auto& [ziel, band] : faelle) {
        QImage bild = Einfarbig(band.right() < 140 ? 140 : 311, band.right() < 140 ? 100 : 324, Weiss);
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                bild.setPixelColor(x, y, QColor((x * 7) % 256, (y * 13) % 256, (x * y) % 256));
        EXPECT_EQ(SkaliereLanczosAufWeiss(bild, ziel, band), SkaliereLanczos(bild, ziel))
            << band.y() << "+" << band.height() << " → " << ziel.height();
    }
}

// Read without regard to case, written in the one spelling; a style set of no text writes "".
// The colour: blue in the high byte, red in the low one.
TEST(Listenschrift, StilUndFarbeAlsText) {
    const struct {
        const char* gelesen; // nullptr: only written
        bool fett, kursiv, unter, durch;
        const char* geschrieben;
    } faelle[] = {{"fsBold", true, false, false, false, "fsBold"},
                  {"FSBOLD + FSITALIC", true, true, false, false, "fsBold + fsItalic"},
                  {"fsItalic", false, true, false, false, "fsItalic"},
                  {"fsUnderline", false, false, true, false, "fsUnderline"},
                  {"fsStrikeout", false, false, false, true, "fsStrikeout"},
                  {nullptr, true, true, true, true, ""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.geschrieben);
        if (f.gelesen) {
            const std::optional<Schriftstil> stil = StilAusText(QString::fromLatin1(f.gelesen));
            ASSERT_TRUE(stil);
            EXPECT_EQ(std::tuple(stil->fett, stil->kursiv, stil->unterstrichen, stil->durchgestrichen),
                      std::tuple(f.fett, f.kursiv, f.unter, f.durch));
        }
        QFont schrift;
        WendeStilAn({f.fett, f.kursiv, f.unter, f.durch}, schrift);
        EXPECT_EQ(StilText(schrift), QString::fromLatin1(f.geschrieben));
    }
    // Only these whole texts count; ASCII letters only are folded (long s is none).
    for (const char* anders : {"", "fsBold+fsItalic", " fsBold", "fsUnderline + fsBold", "regular", "ſsBold"})
        EXPECT_FALSE(StilAusText(QString::fromUtf8(anders))) << anders;
    EXPECT_EQ(ZahlAusFarbe(QColor(0x56, 0x34, 0x12)), 0x00123456);
    EXPECT_EQ(FarbeAusZahl(0x00123456), QColor(0x56, 0x34, 0x12));
}

// Entries named by letters; each keeps the number of its letter (A is 1) until renumbered.
QStringList Zeilen(const char* namen) {
    QStringList zeilen;
    for (const char* c = namen; *c; ++c)
        zeilen << Praefix(*c - 'A' + 1) + QLatin1Char(*c);
    return zeilen;
}

TEST(Listenmodell, JedeAenderungMeldetGenauIhreZeilen) {
    using M = Listenmodell;
    const std::tuple<std::function<void(M&)>, QStringList, QStringList> faelle[] = {
        {[](M& m) { m.Ersetze(2, Zeilen("X")[0]); }, Zeilen("ABXD"), {"geändert 2 2"}},
        {[](M& m) { m.HaengeAn(Zeilen("E")[0]); }, Zeilen("ABCDE"), {"eingefügt 4 4"}},
        {[](M& m) { m.Loesche(0); }, Zeilen("BCD"), {"entfernt 0 0"}},
        {[](M& m) { m.Verschiebe(0, 2); }, Zeilen("BCAD"), {"verschoben 0 3"}},
        {[](M& m) { m.Verschiebe(3, 1); }, Zeilen("ADBC"), {"verschoben 3 1"}},
        {[](M& m) { m.SetzeAlle({}); }, {}, {"neu"}},
        // B C became X: one row changed, one removed; then two rows after D.
        {[](M& m) { m.SchreibeUm([](SenderListe& l) { l.SetzeZeilen(Zeilen("AXD")); }); },
         Zeilen("AXD"),
         {"entfernt 2 2", "geändert 1 1"}},
        {[](M& m) { m.SchreibeUm([](SenderListe& l) { l.SetzeZeilen(Zeilen("ABCDEF")); }); },
         Zeilen("ABCDEF"),
         {"eingefügt 4 5"}},
        {[](M& m) { m.SchreibeUm([](SenderListe&) {}); }, Zeilen("ABCD"), {}},
        // Renumbering touches only C and D.
        {[](M& m) {
             m.Loesche(1);
             m.NummeriereNeu();
         },
         {Zeilen("A")[0], Praefix(2) + u"C"_s, Praefix(3) + u"D"_s},
         {"entfernt 1 1", "geändert 1 2"}},
    };
    for (const auto& [aenderung, danach, gemeldet] : faelle) {
        SenderListe liste;
        liste.SetzeZeilen(Zeilen("ABCD"));
        Listenmodell modell(liste);
        QStringList signale;
        const auto melde = [&](const char* was, int von, int bis) {
            signale << u"%1 %2 %3"_s.arg(was).arg(von).arg(bis);
        };
        QObject::connect(&modell, &M::dataChanged, [&](auto a, auto b) { melde("geändert", a.row(), b.row()); });
        QObject::connect(&modell, &M::rowsInserted, [&](auto, int v, int b) { melde("eingefügt", v, b); });
        QObject::connect(&modell, &M::rowsRemoved, [&](auto, int v, int b) { melde("entfernt", v, b); });
        QObject::connect(&modell, &M::rowsMoved, [&](auto, int v, int, auto, int vor) { melde("verschoben", v, vor); });
        QObject::connect(&modell, &M::modelReset, [&] { signale << u"neu"_s; });
        aenderung(modell);
        EXPECT_EQ(modell.Liste().Zeilen(), danach) << danach.join(u'|').toStdString();
        EXPECT_EQ(modell.rowCount(), danach.size());
        EXPECT_EQ(signale, gemeldet) << danach.join(u'|').toStdString();
    }
}

} // namespace
} // namespace senvio
