// The renderer over a real list: the card files, where each entry lands (every entry's
// logo has its own colour), the pixels as the list view draws, logos made ahead, errors.
#include "output/Kartenrenderer.h"

#include "Fehlermeldung.h"
#include "TestDateien.h"
#include "list/Zeilenformat.h"
#include "output/Kartenbilder.h"
#include "output/Logovorbereitung.h"

#include <QPainter>
#include <QTemporaryDir>

#include <map>

namespace senvio {
namespace {

constexpr int Breite = 400; // the list view's client width: logos at x = 340 to 399
const QRgb Papierweiss = qRgb(255, 255, 255);

// Entry i's logo colour: every channel 40 to 220, distinct for i below 64.
QRgb Farbe(int i) {
    return qRgb(40 + (i % 4) * 60, 40 + (i / 4 % 4) * 60, 40 + (i / 16 % 4) * 60);
}

// The entry whose logo colour sits at (x, y): -1 for white, -2 for anything else.
int EintragBei(const QImage& bild, int x, int y) {
    const QRgb p = bild.pixel(x, y);
    if ((p | 0xFF000000u) == Papierweiss)
        return -1;
    for (int i = 0; i < 64; ++i) {
        const QRgb f = Farbe(i);
        if (std::abs(qRed(p) - qRed(f)) <= 6 && std::abs(qGreen(p) - qGreen(f)) <= 6 &&
            std::abs(qBlue(p) - qBlue(f)) <= 6)
            return i;
    }
    return -2;
}

// The entries of the 15 rows of the card with top left (x, y): logo centres at (x + 370, y + 41·j + 20).
std::vector<int> Zeilen(const QImage& bild, int x, int y) {
    std::vector<int> e;
    for (int j = 0; j < 15; ++j)
        e.push_back(EintragBei(bild, x + 370, y + 41 * j + 20));
    return e;
}

// first, first + 1, …; -1 (white) from position n of the list on.
std::vector<int> Folge(int erste, int n) {
    std::vector<int> e;
    for (int i = erste; i < erste + 15; ++i)
        e.push_back(i < n ? i : -1);
    return e;
}

class Kartenrenderer : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_tmp.isValid());
        umgebung.programmOrdner = m_tmp.path() + QStringLiteral("/");
        temp = m_tmp.path() + QStringLiteral("/Temp");
        ASSERT_TRUE(QDir().mkpath(temp));
        test::Schreib(Kaputt(), "kein PNG");
    }
    QString Kaputt() const { return m_tmp.path() + QStringLiteral("/logos/kaputt.png"); }

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

    void LeereTemp() {
        QDir(temp).removeRecursively();
        QDir().mkpath(temp);
    }

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
    // Entries and the cards of page 1; 61 entries make a second page of as many cards.
    const std::pair<int, int> faelle[] = {{14, 1}, {15, 2}, {45, 3}, {61, 4}};
    for (const auto& [n, karten] : faelle) {
        liste.Leere();
        LeereTemp();
        Fuelle(n);
        ErstelleAlleBitmaps(Auftrag(Ausgabeart::LinksGeheftet));
        QStringList dateien;
        for (int seite = 1; seite <= (n > 60 ? 2 : 1); ++seite) {
            for (int k = 1; k <= karten; ++k)
                dateien << QStringLiteral("BildNr%1_%2.bmp").arg(k).arg(seite);
            dateien << QStringLiteral("DINA4_%1.bmp").arg(seite);
        }
        dateien.sort();
        EXPECT_EQ(Dateien(), dateien) << n;
    }
    // 61, stapled at the left: entries 46 to 60 on card 4 of page 1 at the bottom right;
    // page 2 has the 61st entry alone on card 1, the rest white.
    EXPECT_EQ(Zeilen(QImage(Datei("DINA4_1.bmp")), 488, 644), Folge(45, 61));
    const QImage seite2 = QImage(Datei("DINA4_2.bmp"));
    ASSERT_EQ(seite2.size(), QSize(966, 1278));
    EXPECT_EQ(Zeilen(seite2, 0, 0), Folge(60, 61));
    EXPECT_EQ(Zeilen(seite2, 488, 644), Folge(0, 0));
}

TEST_F(Kartenrenderer, BildmodusReichtDieKartenWeiter) {
    // A picture mode hands on the cards stacked and writes no page file.
    Fuelle(16);
    ErstelleAlleBitmaps(Auftrag(Ausgabeart::BildPng));
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
    for (const QString& pfad :
         {Kaputt(), Platzhalterpfad(3), QStringLiteral("/nirgends/weg.png"), Logo(1), Platzhalterpfad(2)})
        liste.HaengeAn(BaueZeile(Praefix(int(liste.Anzahl()) + 1), QStringLiteral("E"), pfad));

    Eintragsumgebung bildschirm = umgebung;
    const Kartenauftrag a = Auftrag(Ausgabeart::ObenGeheftet);
    ErstelleDieBitmaps(a, 1);
    EXPECT_FALSE(umgebung.vorrat);             // the store is given back
    EXPECT_EQ(umgebung.platzhalterzaehler, 2); // set by the last entry drawn
    const QImage karte = QImage(Kartendatei(temp, 1, 1)).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < int(liste.Anzahl()); ++i) {
        QImage zeile(Breite, ZeilenHoehe, QImage::Format_RGB32);
        QPainter maler(&zeile);
        ZeichneEintrag(maler, zeile.rect(), liste.Zeile(i), bildschirm, a.schrift, a.grund, a.textfarbe);
        maler.end();
        EXPECT_EQ(karte.copy(0, 41 * i, Breite, ZeilenHoehe), zeile) << i;
    }
}

TEST_F(Kartenrenderer, AlleSeitenWieSeiteFuerSeite) {
    // 131 entries, three pages; files used twice, placeholders and missing files between, the last entry placeholder 2.
    Fuelle(61);
    for (int i = 61; i < 130; ++i) {
        const QString pfad = i % 7 == 0    ? Platzhalterpfad(i % 4 + 1)
                             : i % 11 == 0 ? QStringLiteral("/nirgends/weg.png")
                                           : Logo(i % 64);
        liste.HaengeAn(BaueZeile(Praefix(i + 1), QStringLiteral("E%1").arg(i), pfad));
    }
    liste.HaengeAn(BaueZeile(Praefix(131), QStringLiteral("Ohne"), Platzhalterpfad(2)));
    ErstelleAlleBitmaps(Auftrag(Ausgabeart::LinksGeheftet));
    const auto alle = Inhalt();
    EXPECT_EQ(alle.size(), 15u); // 4 cards and a page, three times
    EXPECT_EQ(umgebung.platzhalterzaehler, 2);
    EXPECT_FALSE(umgebung.vorrat);

    LeereTemp();
    umgebung.platzhalterzaehler = 0;
    for (int p = 1; p <= 3; ++p)
        ErstelleDieBitmaps(Auftrag(Ausgabeart::LinksGeheftet), p);
    EXPECT_TRUE(Inhalt() == alle);
    EXPECT_EQ(umgebung.platzhalterzaehler, 2);
}

// The files of a page are written while the next page is drawn; a page file that
// cannot be written still ends the run there: the pages before it are whole, and no
// file of a later page is written. The logo store is given back after every error.
TEST_F(Kartenrenderer, DateifehlerBeendenDenLauf) {
    Fuelle(121);                                      // three pages
    ASSERT_TRUE(QDir().mkpath(Datei("DINA4_2.bmp"))); // a folder where the page file goes
    EXPECT_EQ(test::Meldung([&] { ErstelleAlleBitmaps(Auftrag(Ausgabeart::Doppelhuellen)); }),
              QStringLiteral("Datei: Datei %1 kann nicht erstellt werden").arg(Datei("DINA4_2.bmp")));
    EXPECT_EQ(Dateien(),
              QStringList({"BildNr1_1.bmp", "BildNr1_2.bmp", "BildNr2_1.bmp", "BildNr2_2.bmp", "BildNr3_1.bmp",
                           "BildNr3_2.bmp", "BildNr4_1.bmp", "BildNr4_2.bmp", "DINA4_1.bmp"}));
    EXPECT_FALSE(umgebung.vorrat);

    liste.SetzeZeilen(liste.Zeilen().mid(0, 1));
    Kartenauftrag a = Auftrag(Ausgabeart::LinksGeheftet);
    a.tempOrdner = m_tmp.path() + QStringLiteral("/fehlt");
    EXPECT_EQ(test::Meldung([&] { ErstelleDieBitmaps(a, 1); }),
              QStringLiteral("Datei: Datei %1/fehlt/BildNr1_1.bmp kann nicht erstellt werden").arg(m_tmp.path()));
    EXPECT_FALSE(umgebung.vorrat);

    // A file of a card this run does not write, put there by something else.
    LeereTemp();
    test::Schreib(Datei("BildNr3_1.bmp"), "BM kaputt");
    EXPECT_EQ(test::Meldung([&] { ErstelleDieBitmaps(Auftrag(Ausgabeart::LinksGeheftet), 1); }),
              QStringLiteral("Bitmap ist ungültig"));
    EXPECT_FALSE(QFile::exists(Datei("DINA4_1.bmp")));
}

// Logos made ahead on worker threads: the same pixels as made on the spot, each position
// answered once and only for its own file; given up early, the workers stop unasked.
TEST_F(Kartenrenderer, LogosVorab) {
    Logovorbereitung logos({{3, Logo(0)}, {5, Logo(1)}, {6, Logo(2)}, {20, Kaputt()}, {21, Logo(3)}}, 1);
    const QImage erstes = logos.Hole(3, Logo(0));
    ASSERT_EQ(erstes.size(), QSize(LogoBreite, LogoHoehe));
    EXPECT_EQ(erstes, EintragslogoDerDatei(Logo(0)));
    EXPECT_TRUE(logos.Hole(3, Logo(0)).isNull()); // taken
    EXPECT_TRUE(logos.Hole(4, Logo(1)).isNull()); // no such position
    EXPECT_TRUE(logos.Hole(5, Logo(2)).isNull()); // another file than given
    EXPECT_EQ(logos.Hole(6, Logo(2)), EintragslogoDerDatei(Logo(2)));
    EXPECT_TRUE(logos.Hole(20, Kaputt()).isNull());
}

} // namespace
} // namespace senvio
