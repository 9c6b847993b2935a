// The renderer over a real list: which card files each length gets, where each entry
// lands on the page (every entry's logo has its own solid colour), the pixels equal
// to the list view's drawing, and the file errors.
#include "output/Kartenrenderer.h"

#include "TestDateien.h"
#include "list/Zeilenformat.h"
#include "output/Ausgabelauf.h"
#include "output/Kartenbilder.h"
#include "platform/Fehler.h"
#include "view/ListenAnsicht.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

inline void PrintTo(const QSize& s, std::ostream* aus) {
    *aus << s.width() << " x " << s.height();
}

namespace senvio {
namespace {

constexpr int Breite = 400; // the list view's client width: logos at x = 340 to 399
const QRgb Weiss = qRgb(255, 255, 255);

// Entry i's logo colour: every channel 40 to 220, distinct for i below 64.
QRgb Farbe(int i) {
    return qRgb(40 + (i % 4) * 60, 40 + (i / 4 % 4) * 60, 40 + (i / 16 % 4) * 60);
}

// The entry whose logo colour sits at (x, y): -1 for white, -2 for anything else.
int EintragBei(const QImage& bild, int x, int y) {
    const QRgb p = bild.pixel(x, y);
    if ((p | 0xFF000000u) == Weiss)
        return -1;
    for (int i = 0; i < 64; ++i) {
        const QRgb f = Farbe(i);
        if (std::abs(qRed(p) - qRed(f)) <= 6 && std::abs(qGreen(p) - qGreen(f)) <= 6 &&
            std::abs(qBlue(p) - qBlue(f)) <= 6)
            return i;
    }
    return -2;
}

// The entries of the 15 rows of the card with top left (x, y): logo centres at
// (x + 370, y + 41·j + 20), or turned by 180° at (x + 107, y + 613 − 41·j).
std::vector<int> Zeilen(const QImage& bild, int x, int y, bool gedreht = false) {
    std::vector<int> e;
    for (int j = 0; j < 15; ++j)
        e.push_back(gedreht ? EintragBei(bild, x + 107, y + 613 - 41 * j) : EintragBei(bild, x + 370, y + 41 * j + 20));
    return e;
}

// first, first + 1, …; -1 (white) from position n of the list on.
std::vector<int> Folge(int erste, int n) {
    std::vector<int> e;
    for (int i = erste; i < erste + 15; ++i)
        e.push_back(i < n ? i : -1);
    return e;
}

QImage Lies(const QString& pfad) {
    QImage bild(pfad);
    EXPECT_FALSE(bild.isNull()) << pfad.toStdString();
    return bild;
}

class Kartenrenderer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        umgebung.programmOrdner = m_tmp.path() + QStringLiteral("/");
        temp = m_tmp.path() + QStringLiteral("/Temp");
        ASSERT_TRUE(QDir().mkpath(temp));
        ASSERT_TRUE(QDir().mkpath(m_tmp.path() + QStringLiteral("/logos")));
    }

    QString Logo(int i) {
        const QString pfad = m_tmp.path() + QStringLiteral("/logos/%1.png").arg(i);
        if (!QFile::exists(pfad)) {
            QImage bild(140, 100, QImage::Format_ARGB32);
            bild.fill(Farbe(i));
            EXPECT_TRUE(bild.save(pfad));
        }
        return pfad;
    }

    void Fuelle(int n) {
        for (int i = 0; i < n; ++i)
            liste.HaengeAn(BaueZeile(Praefix(i + 1), QStringLiteral("E%1").arg(i), Logo(i)));
    }

    Kartenauftrag Auftrag(Ausgabeart art) {
        Kartenauftrag a;
        a.liste = &liste;
        a.umgebung = &umgebung;
        a.schrift = QFont(QStringLiteral("DejaVu Sans Condensed"));
        a.schrift.setPixelSize(24);
        a.textfarbe = Qt::black;
        a.eintragsBreite = Breite;
        a.tempOrdner = temp;
        a.art = art;
        a.schreibeBild = [this](const QImage& seite) { bilder.push_back(seite); };
        return a;
    }

    // The whole run as the commands make it.
    void Laufe(Ausgabeart art) { ErstelleAlleBitmaps(Auftrag(art)); }

    void LeereTemp() {
        QDir(temp).removeRecursively();
        QDir().mkpath(temp);
    }

    // Every file of the temporary folder with its bytes.
    std::map<QString, QByteArray> Inhalt() const {
        std::map<QString, QByteArray> inhalt;
        for (const QString& name : Dateien())
            inhalt[name] = test::Lies(Datei(name));
        return inhalt;
    }

    QStringList Dateien() const { return QDir(temp).entryList(QDir::Files, QDir::Name); }
    QString Datei(const QString& name) const { return temp + QLatin1Char('/') + name; }

    QTemporaryDir m_tmp;
    QString temp;
    SenderListe liste;
    Eintragsumgebung umgebung;
    std::vector<QImage> bilder;
};

TEST_F(Kartenrenderer, KartendateienJeListenlaenge) {
    const QStringList eine{"BildNr1_1.bmp", "DINA4_1.bmp"};
    const QStringList zwei{"BildNr1_1.bmp", "BildNr2_1.bmp", "DINA4_1.bmp"};
    const QStringList drei{"BildNr1_1.bmp", "BildNr2_1.bmp", "BildNr3_1.bmp", "DINA4_1.bmp"};
    const QStringList vier{"BildNr1_1.bmp", "BildNr2_1.bmp", "BildNr3_1.bmp", "BildNr4_1.bmp", "DINA4_1.bmp"};
    const QStringList zweiSeiten{"BildNr1_1.bmp", "BildNr1_2.bmp", "BildNr2_1.bmp", "BildNr2_2.bmp", "BildNr3_1.bmp",
                                 "BildNr3_2.bmp", "BildNr4_1.bmp", "BildNr4_2.bmp", "DINA4_1.bmp",   "DINA4_2.bmp"};
    const std::pair<int, QStringList> faelle[] = {{1, eine},  {14, eine}, {15, zwei}, {16, zwei},      {30, drei},
                                                  {45, drei}, {46, vier}, {60, vier}, {61, zweiSeiten}};
    for (const auto& [n, dateien] : faelle) {
        SCOPED_TRACE(n);
        liste.Leere();
        LeereTemp();
        Fuelle(n);
        Laufe(Ausgabeart::LinksGeheftet);
        EXPECT_EQ(Dateien(), dateien);
        // Stapled at the left: card 1 top left, 2 top right, 3 bottom left, 4 bottom right.
        const QImage seite = Lies(Datei("DINA4_1.bmp"));
        EXPECT_EQ(Zeilen(seite, 0, 0), Folge(0, n));
        if (n >= 15) {
            EXPECT_EQ(Zeilen(seite, 488, 0), Folge(15, n)); // all white for 15
        }
        if (n >= 30) {
            EXPECT_EQ(Zeilen(seite, 0, 644), Folge(30, n)); // all white for 30
        }
        if (n >= 46) {
            EXPECT_EQ(Zeilen(seite, 488, 644), Folge(45, n));
        }
    }
    // 61: page 2 has the 61st entry alone on card 1 and three white cards.
    const QImage seite2 = Lies(Datei("DINA4_2.bmp"));
    ASSERT_EQ(seite2.size(), QSize(966, 1278));
    EXPECT_EQ(Zeilen(seite2, 0, 0), Folge(60, 61));
    for (int k = 2; k <= 4; ++k) {
        const QImage karte = Lies(Kartendatei(temp, k, 2));
        ASSERT_EQ(karte.size(), QSize(478, 634));
        QImage weiss(478, 634, QImage::Format_RGB32);
        weiss.fill(Qt::white);
        EXPECT_EQ(karte.convertToFormat(QImage::Format_RGB32), weiss) << k;
    }
}

TEST_F(Kartenrenderer, EintraegeAnIhrenPlaetzenJeModus) {
    Fuelle(60);
    Laufe(Ausgabeart::ObenGeheftet);
    QImage seite = Lies(Datei("DINA4_1.bmp"));
    EXPECT_EQ(Zeilen(seite, 0, 0), Folge(0, 60));
    EXPECT_EQ(Zeilen(seite, 0, 644), Folge(15, 60));
    EXPECT_EQ(Zeilen(seite, 488, 0), Folge(30, 60));
    EXPECT_EQ(Zeilen(seite, 488, 644), Folge(45, 60));
    // The strip right of the entries is white: x = 400 to 477.
    EXPECT_EQ(seite.pixel(420, 20) | 0xFF000000u, Weiss);

    // Double sleeves: 4 top left, 1 top right, 3 and 2 upside down below.
    Laufe(Ausgabeart::Doppelhuellen);
    seite = Lies(Datei("DINA4_1.bmp"));
    EXPECT_EQ(Zeilen(seite, 0, 0), Folge(45, 60));
    EXPECT_EQ(Zeilen(seite, 488, 0), Folge(0, 60));
    EXPECT_EQ(Zeilen(seite, 0, 644, true), Folge(30, 60));
    EXPECT_EQ(Zeilen(seite, 488, 644, true), Folge(15, 60));

    // The page is composed from the files: left over, cards 2 to 4 of the last run
    // would count. So every command empties the folder first.
    liste.SetzeZeilen(liste.Zeilen().mid(0, 3));
    Laufe(Ausgabeart::Doppelhuellen);
    EXPECT_EQ(Lies(Datei("DINA4_1.bmp")).size(), QSize(966, 1278));
    // One double sleeve: white at the left, card 1 at the right.
    LeereTemp();
    Laufe(Ausgabeart::Doppelhuellen);
    seite = Lies(Datei("DINA4_1.bmp"));
    ASSERT_EQ(seite.size(), QSize(966, 634));
    EXPECT_EQ(Zeilen(seite, 488, 0), Folge(0, 3));
    EXPECT_EQ(Zeilen(seite, 0, 0), Folge(0, 0));
}

TEST_F(Kartenrenderer, BildmodusGibtStreifenOhneSeitendatei) {
    Fuelle(16);
    Laufe(Ausgabeart::BildPng);
    EXPECT_EQ(Dateien(), (QStringList{"BildNr1_1.bmp", "BildNr2_1.bmp"}));
    ASSERT_EQ(bilder.size(), 1u);
    ASSERT_EQ(bilder[0].size(), QSize(478, 1268));
    EXPECT_EQ(Zeilen(bilder[0], 0, 0), Folge(0, 16));
    EXPECT_EQ(Zeilen(bilder[0], 0, 634), Folge(15, 16));
}

TEST_F(Kartenrenderer, PixelWieDieListenansichtZeichnet) {
    // Placeholder paths set the counter in order; a logo that does not decode shows
    // placeholder 0; a missing file the placeholder of the counter.
    Fuelle(3);
    test::Schreib(m_tmp.path() + QStringLiteral("/logos/kaputt.png"), "kein PNG");
    liste.HaengeAn(BaueZeile(Praefix(4), QStringLiteral("Kaputt"), m_tmp.path() + QStringLiteral("/logos/kaputt.png")));
    liste.HaengeAn(BaueZeile(Praefix(5), QStringLiteral("Ohne"), PlatzhalterPfad(3)));
    liste.HaengeAn(BaueZeile(Praefix(6), QStringLiteral("Fehlt"), QStringLiteral("/nirgends/weg.png")));
    liste.HaengeAn(BaueZeile(Praefix(7), QStringLiteral("Wieder"), Logo(1)));
    liste.HaengeAn(BaueZeile(Praefix(8), QStringLiteral("Ohne"), PlatzhalterPfad(2)));

    Eintragsumgebung bildschirm = umgebung;
    const Kartenauftrag a = Auftrag(Ausgabeart::ObenGeheftet);
    ErstelleDieBitmaps(a, 1);
    EXPECT_FALSE(umgebung.vorrat);             // the store is given back
    EXPECT_EQ(umgebung.platzhalterZaehler, 2); // set by the last entry drawn
    const QImage karte = Lies(Kartendatei(temp, 1, 1)).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < int(liste.Anzahl()); ++i) {
        QImage zeile(Breite, ZeilenHoehe, QImage::Format_RGB32);
        QPainter maler(&zeile);
        ZeichneEintrag(maler, zeile.rect(), liste.Zeile(i), bildschirm, a.schrift, a.grund, a.textfarbe);
        maler.end();
        EXPECT_EQ(karte.copy(0, 41 * i, Breite, ZeilenHoehe), zeile) << i;
    }
}

// A dark desktop theme changes neither the list's colours nor the cards': black on white.
TEST_F(Kartenrenderer, DunklesThemaDruecktSchwarzAufWeiss) {
    const QPalette hell = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(50, 50, 50), QColor(30, 30, 30))); // white text on black
    liste.HaengeAn(BaueZeile(Praefix(1), QStringLiteral("HHHHHHHH"), Logo(0)));
    ListenModell modell(liste);
    ListenAnsicht ansicht(modell, umgebung);
    Kartenauftrag a =
        AuftragFuerAnsicht(ansicht, liste, umgebung, ProgrammOrdner(m_tmp.path()), Ausgabeart::ObenGeheftet);
    QApplication::setPalette(hell);
    a.tempOrdner = temp;
    a.eintragsBreite = Breite;
    ErstelleDieBitmaps(a, 1);
    const QImage karte = Lies(Kartendatei(temp, 1, 1)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(karte.pixel(2, 2), Weiss);
    int dunkelster = 255; // the bold H's stems are solid text colour
    for (int y = 10; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            dunkelster = std::min(dunkelster, qGray(karte.pixel(x, y)));
    EXPECT_EQ(dunkelster, 0);
}

TEST_F(Kartenrenderer, AlleSeitenWieSeiteFuerSeite) {
    // 131 entries, three pages; files used twice, placeholders and missing files between,
    // the last entry placeholder 2.
    Fuelle(61);
    for (int i = 61; i < 130; ++i) {
        const QString pfad = i % 7 == 0    ? PlatzhalterPfad(i % 4 + 1)
                             : i % 11 == 0 ? QStringLiteral("/nirgends/weg.png")
                                           : Logo(i % 64);
        liste.HaengeAn(BaueZeile(Praefix(i + 1), QStringLiteral("E%1").arg(i), pfad));
    }
    liste.HaengeAn(BaueZeile(Praefix(131), QStringLiteral("Ohne"), PlatzhalterPfad(2)));
    Laufe(Ausgabeart::LinksGeheftet);
    const auto alle = Inhalt();
    const int zaehler = umgebung.platzhalterZaehler;
    EXPECT_EQ(alle.size(), 15u); // 4 cards and a page, three times
    EXPECT_FALSE(umgebung.vorrat);

    LeereTemp();
    umgebung.platzhalterZaehler = 0;
    for (int p = 1; p <= 3; ++p)
        ErstelleDieBitmaps(Auftrag(Ausgabeart::LinksGeheftet), p);
    EXPECT_TRUE(Inhalt() == alle);
    EXPECT_EQ(umgebung.platzhalterZaehler, zaehler);
    EXPECT_EQ(zaehler, 2);
}

TEST_F(Kartenrenderer, FehlenderTempOrdner) {
    Fuelle(1);
    Kartenauftrag a = Auftrag(Ausgabeart::ObenGeheftet);
    a.tempOrdner = m_tmp.path() + QStringLiteral("/fehlt");
    try {
        ErstelleDieBitmaps(a, 1);
        FAIL() << "kein Fehler";
    } catch (const DateiFehler& f) {
        EXPECT_EQ(f.meldung(),
                  QStringLiteral("Datei %1/fehlt/BildNr1_1.bmp kann nicht erstellt werden").arg(m_tmp.path()));
    }
    EXPECT_FALSE(umgebung.vorrat);
}

// The files of a page are written while the next page is drawn; a page file that
// cannot be written still ends the run there: the pages before it are whole, and no
// file of a later page is written.
TEST_F(Kartenrenderer, SeitendateiNichtErstellbarBeendetDenLauf) {
    Fuelle(121);                                      // three pages
    ASSERT_TRUE(QDir().mkpath(Datei("DINA4_2.bmp"))); // a folder where the page file goes
    try {
        Laufe(Ausgabeart::Doppelhuellen);
        FAIL() << "kein Fehler";
    } catch (const DateiFehler& f) {
        EXPECT_EQ(f.meldung(), QStringLiteral("Datei %1 kann nicht erstellt werden").arg(Datei("DINA4_2.bmp")));
    }
    EXPECT_EQ(Dateien(),
              QStringList({"BildNr1_1.bmp", "BildNr1_2.bmp", "BildNr2_1.bmp", "BildNr2_2.bmp", "BildNr3_1.bmp",
                           "BildNr3_2.bmp", "BildNr4_1.bmp", "BildNr4_2.bmp", "DINA4_1.bmp"}));
    EXPECT_FALSE(umgebung.vorrat);
}

TEST_F(Kartenrenderer, UnlesbareKartendatei) {
    Fuelle(1);
    // A file of a card this run does not write, put there by something else.
    test::Schreib(Datei("BildNr3_1.bmp"), "BM kaputt");
    try {
        ErstelleDieBitmaps(Auftrag(Ausgabeart::LinksGeheftet), 1);
        FAIL() << "kein Fehler";
    } catch (const DateiFehler&) {
        FAIL() << "kein Dateifehler erwartet";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.meldung(), QStringLiteral("Bitmap ist ungültig"));
    }
    EXPECT_FALSE(QFile::exists(Datei("DINA4_1.bmp")));
}

} // namespace
} // namespace senvio
