// senvio-druck run as a user runs it: a program folder, lists by name and by path,
// every mode, and the failures a user meets.
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "TestDateien.h"
#include "pdf/PdfPruefung.h"

#include <array>
#include <vector>

using namespace senvio::test;
using namespace Qt::StringLiterals;

namespace {

// A PDF that cannot be written is checked with the print job.
Programmlauf StarteDruck(const QStringList& argumente, const QString& arbeitsordner) {
    return StarteProgramm(QStringLiteral(SENVIO_DRUCK_PROGRAMM), argumente, arbeitsordner);
}

// A list file of n entries in Windows-1252 with CR LF; every sixth entry has the light
// logo "weiss.png" of "Sender-Logos", the third of every six the dark "schwarz.png".
QByteArray Liste(int n) {
    QByteArray bytes;
    for (int i = 1; i <= n; ++i)
        bytes += "Sender " + QByteArray::number(i) +
                 (i % 6 == 0   ? " #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\weiss.png\r\n"
                  : i % 6 == 3 ? " #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\schwarz.png\r\n"
                               : "\r\n");
    return bytes;
}

// The plate's dark grey, each channel within 12 of 0x3C; and the black of a dark logo.
bool Platte(QRgb p) {
    return std::max({std::abs(qRed(p) - 0x3C), std::abs(qGreen(p) - 0x3C), std::abs(qBlue(p) - 0x3C)}) <= 12;
}
bool Schwarz(QRgb p) {
    return std::max({qRed(p), qGreen(p), qBlue(p)}) < 40;
}
int Zaehle(const QImage& bild, const QRect& feld, bool (*art)(QRgb)) {
    int anzahl = 0;
    for (int y = feld.top(); y <= feld.bottom(); ++y)
        for (int x = feld.left(); x <= feld.right(); ++x)
            anzahl += art(bild.pixel(x, y));
    return anzahl;
}

// Page `seite` of a PDF rendered by pdftoppm at `dpi`: its size in pixels, and in millimetres where the cut lines
// stand, the column and the row with the most pixels of their blue or red.
struct Blatt {
    QImage bild;
    double schnittX = 0, schnittY = 0;
};
Blatt Gerendert(const QString& pdf, int seite, int dpi) {
    const QString png = pdf + u"-seite"_s; // beside the PDF: the cases run side by side
    QProcess::execute(u"pdftoppm"_s, {u"-png"_s, u"-singlefile"_s, u"-r"_s, QString::number(dpi), u"-f"_s,
                                      QString::number(seite), u"-l"_s, QString::number(seite), pdf, png});
    Blatt blatt{QImage(png + u".png"_s).convertToFormat(QImage::Format_RGB32)};
    QFile::remove(png + u".png"_s);
    std::vector<int> spalten(size_t(blatt.bild.width())), zeilen(size_t(blatt.bild.height()));
    for (int y = 0; y < blatt.bild.height(); ++y)
        for (int x = 0; x < blatt.bild.width(); ++x) {
            const QRgb p = blatt.bild.pixel(x, y);
            if (qBlue(p) - std::max(qRed(p), qGreen(p)) > 60 || qRed(p) - std::max(qGreen(p), qBlue(p)) > 60)
                ++spalten[size_t(x)], ++zeilen[size_t(y)];
        }
    const auto mm = [dpi](const std::vector<int>& v) {
        return (double(std::max_element(v.begin(), v.end()) - v.begin()) + 0.5) * 25.4 / dpi;
    };
    blatt.schnittX = mm(spalten);
    blatt.schnittY = mm(zeilen);
    return blatt;
}

// Runs in the folder "arbeit" of a temporary folder, where the PDF checker puts its files.
class DruckProgramm : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_wurzel.isValid());
        m_programm = m_wurzel.filePath(u"Programm/"_s);
        m_listen = m_programm + u"Senvio-Listen/"_s;
        ASSERT_TRUE(QDir().mkpath(m_listen + u"Sender-Logos"_s));
        QImage weiss(200, 100, QImage::Format_ARGB32); // white on a transparent ground: set on the plate
        weiss.fill(Qt::transparent);
        QPainter(&weiss).fillRect(60, 20, 80, 60, Qt::white);
        ASSERT_TRUE(weiss.save(m_listen + u"Sender-Logos/weiss.png"_s));
        QPainter(&weiss).fillRect(0, 0, 200, 100, Qt::black);
        ASSERT_TRUE(weiss.save(m_listen + u"Sender-Logos/schwarz.png"_s));
        Schreib(m_listen + u"Liste.lis"_s, Liste(61));
        Schreib(m_listen + u"Kurz.lis"_s, Liste(3));
        Schreib(m_listen + u"Leer.lis"_s, {});
        Schreib(m_wurzel.filePath(u"anderswo/Fremd.lis"_s), "Erster\r\nZweiter\r\n");
        ASSERT_TRUE(QDir().mkpath(m_wurzel.filePath(u"arbeit"_s)));
        QDir::setCurrent(m_wurzel.filePath(u"arbeit"_s));
    }
    void TearDown() override { QDir::setCurrent(m_vorher); }

    const QString m_vorher = QDir::currentPath();
    QTemporaryDir m_wurzel;
    QString m_programm, m_listen;
};

} // namespace

TEST_F(DruckProgramm, JederModusSchreibtSeineDatei) {
    // 61 entries are two pages of four cards: 2 PDF pages, or 8 cards of 634 rows in one picture.
    for (const auto& [modus, endung] :
         {std::pair{"oben", "pdf"}, {"links", "pdf"}, {"doppel", "pdf"}, {"jpeg", "jpg"}, {"png", "png"}}) {
        SCOPED_TRACE(modus);
        const Programmlauf lauf = StarteDruck(
            {u"--programmordner"_s, m_programm, u"--modus"_s, QString::fromLatin1(modus), u"Liste"_s}, m_wurzel.path());
        const QString datei = m_listen + u"Liste."_s + QString::fromLatin1(endung);
        ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.aus, datei + u'\n');
        if (QByteArray(endung) == "pdf") {
            PdfDatei(datei.toStdString(), 2); // what the pages hold is the print job's
            // A4 at 72 dots per inch. The page picture's cut lines stand at 105 and 148 mm.
            const Blatt blatt = Gerendert(datei, 1, 72);
            EXPECT_EQ(blatt.bild.size(), QSize(595, 842));
            EXPECT_NEAR(blatt.schnittX, 105, 1);
            EXPECT_NEAR(blatt.schnittY, 148, 1);
        } else {
            // Entry i in card (i − 1) div 15, row (i − 1) mod 15: only the light logos lie on the plate.
            const QImage bild(datei);
            ASSERT_EQ(bild.size(), QSize(478, 8 * 634));
            for (int i = 1; i <= 61; ++i) // about 1900 for a plate, under 70 for the grey edges of letters
                EXPECT_EQ(Zaehle(bild, {0, (i - 1) / 15 * 634 + (i - 1) % 15 * 41, 478, 41}, Platte) > 1000, i % 6 == 0)
                    << i;
        }
    }
    // The default mode is the double sleeves; the default program folder the working directory.
    QFile::remove(m_listen + u"Kurz.pdf"_s);
    const Programmlauf lauf = StarteDruck({u"--ohne-zwischenspeicher"_s, u"Kurz"_s}, m_programm);
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(lauf.aus, m_listen + u"Kurz.pdf\n"_s);
    PdfDatei((m_listen + u"Kurz.pdf"_s).toStdString(), 1);
}

TEST_F(DruckProgramm, MehrereListenEineFehlt) {
    // By name, missing, by a path relative to the working directory; the output of the
    // list from elsewhere goes beside the lists, under its name.
    const Programmlauf lauf = StarteDruck({u"--programmordner"_s, u"Programm"_s, u"--modus"_s, u"png"_s, u"Kurz"_s,
                                           u"Gibtsnicht"_s, u"anderswo/Fremd.lis"_s, u"Leer"_s},
                                          m_wurzel.path());
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_EQ(lauf.aus, m_listen + u"Kurz.png\n"_s + m_listen + u"Fremd.png\n"_s);
    EXPECT_TRUE(lauf.fehler.contains(u"Datei "_s + m_listen + u"Gibtsnicht.lis kann nicht geöffnet werden"_s))
        << lauf.fehler.toStdString();
    EXPECT_TRUE(lauf.fehler.contains(u"Leer.lis ist leer"_s));
    EXPECT_EQ(QImage(m_listen + u"Fremd.png"_s).size(), QSize(478, 634));
    EXPECT_FALSE(QFileInfo::exists(m_listen + u"Gibtsnicht.png"_s) || QFileInfo::exists(m_listen + u"Leer.png"_s));
}

TEST_F(DruckProgramm, FalscherAufruf) {
    for (const auto& [argumente, text] :
         {std::pair{QStringList{u"--modus"_s, u"quer"_s, u"Kurz"_s}, u"Unbekannter Modus \"quer\""_s},
          {QStringList{}, u"keine Liste"_s},
          {QStringList{u"--drucker"_s, u"Gibtsnicht"_s, u"Kurz"_s}, u"Den Drucker \"Gibtsnicht\" gibt es nicht."_s},
          {QStringList{u"--start-karte"_s, u"5"_s, u"--druckdatei"_s, u"k.pdf"_s, u"Kurz"_s}, u"Startkarte \"5\""_s},
          {QStringList{u"--modus"_s, u"png"_s, u"--druckdatei"_s, u"k.pdf"_s, u"Kurz"_s}, u"nur die Modi"_s},
          {QStringList{u"--programmordner"_s, m_wurzel.path(), u"Kurz"_s}, u"nicht vorhanden"_s}}) {
        const Programmlauf lauf = StarteDruck(argumente, m_programm);
        EXPECT_NE(lauf.rueckgabe, 0);
        EXPECT_TRUE(lauf.fehler.contains(text)) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.aus, QString());
    }
    const Programmlauf hilfe = StarteDruck({u"--help"_s}, m_programm);
    EXPECT_EQ(hilfe.rueckgabe, 0);
    EXPECT_TRUE(hilfe.aus.startsWith(u"Aufruf: senvio-druck"_s));
}

// Without a folder named, a working directory without lists while ~/Senvio has them means
// ~/Senvio, and the tool says so; --benutzerordner takes it by name; not both at once.
TEST_F(DruckProgramm, BenutzerordnerStattArbeitsverzeichnis) {
    const QByteArray heim = qgetenv("HOME");
    const QString benutzer = m_wurzel.filePath(u"Senvio/Senvio-Listen/"_s);
    Schreib(benutzer + u"Kurz.lis"_s, Liste(3));
    qputenv("HOME", QFile::encodeName(m_wurzel.path()));
    const Programmlauf arbeit = StarteDruck({u"--modus"_s, u"png"_s, u"Kurz"_s}, m_wurzel.filePath(u"arbeit"_s));
    const Programmlauf benannt = StarteDruck({u"--benutzerordner"_s, u"--modus"_s, u"png"_s, u"Kurz"_s}, m_programm);
    const Programmlauf beide =
        StarteDruck({u"--benutzerordner"_s, u"--programmordner"_s, m_programm, u"Kurz"_s}, m_programm);
    qputenv("HOME", heim);
    // Qt's offscreen platform may warn of the runtime folder first.
    EXPECT_EQ(std::pair(arbeit.aus, arbeit.fehler.section(u'\n', -2)),
              std::pair(benutzer + u"Kurz.png\n"_s, u"Programmordner: ~/Senvio\n"_s));
    EXPECT_EQ(std::pair(benannt.aus, benannt.fehler.contains(u"Programmordner"_s)),
              std::pair(benutzer + u"Kurz.png\n"_s, false));
    EXPECT_EQ(beide.rueckgabe, 2);
}

TEST_F(DruckProgramm, ZuLangFuerJpeg) {
    // 1,600 entries are 27 pages of four cards, 68,472 rows: more than a JPEG can hold.
    // The refusal comes before anything is drawn or written.
    Schreib(m_listen + u"Lang.lis"_s, Liste(1600));
    const Programmlauf lauf = StarteDruck({u"--modus"_s, u"jpeg"_s, u"Lang"_s}, m_programm);
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_TRUE(lauf.fehler.contains(u"68472"_s)) << lauf.fehler.toStdString();
    EXPECT_FALSE(QFileInfo::exists(m_listen + u"Lang.jpg"_s));
    EXPECT_TRUE(QDir(m_listen + u"Temp"_s).isEmpty());
}

// The direct print into a PDF, each layout from each start card: 61 entries are five cards, two sheets of A4 with the
// cut lines at 105 and 148 mm. Card k (from 0) takes place (start − 1 + k) mod 4 + 1 of its sheet; each card's names
// are its text, and in its rows (upside down where the card is turned) the dark logos and the light one on its plate.
// With up to three cards double sleeves stand upright, as on their page picture.
TEST_F(DruckProgramm, DirektdruckJedeAnordnungUndStartkarte) {
    struct Platz {
        int spalte, zeile;
        bool gedreht;
    };
    struct Lauf {
        QString modus;
        int start, eintraege, blaetter;
        std::array<Platz, 4> platz;
    };
    std::vector<Lauf> laeufe;
    for (int start = 1; start <= 4; ++start) {
        laeufe.push_back({u"oben"_s, start, 61, 2, {{{0, 0, false}, {0, 1, false}, {1, 0, false}, {1, 1, false}}}});
        laeufe.push_back({u"links"_s, start, 61, 2, {{{0, 0, false}, {1, 0, false}, {0, 1, false}, {1, 1, false}}}});
        laeufe.push_back({u"doppel"_s, start, 61, 2, {{{1, 0, false}, {1, 1, true}, {0, 1, true}, {0, 0, false}}}});
    }
    laeufe.push_back({u"doppel"_s, 1, 20, 1, {{{1, 0, false}, {0, 1, false}, {1, 1, false}, {0, 0, false}}}});
    Schreib(m_listen + u"20.lis"_s, Liste(20));
    Schreib(m_listen + u"61.lis"_s, Liste(61));
    const QString pdf = m_wurzel.filePath(u"direkt.pdf"_s);
    const double mass = 105.0 / 478, oben = (148 - 634 * mass) / 2; // mm a card pixel; the content's top margin
    for (const Lauf& l : laeufe) {
        SCOPED_TRACE((l.modus + u" ab Karte %1, %2 Einträge"_s.arg(l.start).arg(l.eintraege)).toStdString());
        const Programmlauf lauf =
            StarteDruck({u"--programmordner"_s, m_programm, u"--modus"_s, l.modus, u"--start-karte"_s,
                         QString::number(l.start), u"--druckdatei"_s, u"../direkt.pdf"_s, QString::number(l.eintraege)},
                        m_wurzel.filePath(u"arbeit"_s));
        ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
        EXPECT_EQ(lauf.aus, pdf + u'\n');
        EXPECT_TRUE(StarteProgramm(u"pdfinfo"_s, {pdf}).aus.contains(u"Pages:           %1\n"_s.arg(l.blaetter)));
        std::vector<Blatt> blaetter;
        for (int blatt = 1; blatt <= l.blaetter; ++blatt) {
            blaetter.push_back(Gerendert(pdf, blatt, 100));
            EXPECT_EQ(blaetter.back().bild.size(), QSize(827, 1170)); // A4 at 100 dots per inch, rounded up
            EXPECT_NEAR(blaetter.back().schnittX, 105, 0.5);
            EXPECT_NEAR(blaetter.back().schnittY, 148, 0.5);
        }
        for (int karte = 0; 15 * karte < l.eintraege; ++karte) {
            const int blatt = (l.start - 1 + karte) / 4 + 1;
            const Platz p = l.platz[size_t((l.start - 1 + karte) % 4)];
            const QString seite = QString::number(blatt);
            const QString text = StarteProgramm(u"pdftotext"_s, {u"-r"_s, u"72"_s, u"-f"_s, seite, u"-l"_s, seite,
                                                                 u"-x"_s, QString::number(p.spalte * 298), u"-y"_s,
                                                                 QString::number(p.zeile * 420), u"-W"_s, u"297"_s,
                                                                 u"-H"_s, u"419"_s, pdf, u"-"_s})
                                     .aus;
            const int erster = 15 * karte + 1, letzter = std::min(l.eintraege, erster + 14);
            EXPECT_EQ(text.count(u"Sender"_s), letzter - erster + 1) << text.toStdString();
            for (int i = erster; i <= letzter; ++i) {
                EXPECT_TRUE(text.contains(QRegularExpression(u"= Sender %1\\b"_s.arg(i)))) << i;
                // The right part of the entry's row, in millimetres on the card, turned with it.
                QRectF zeile(60, oben + (i - erster) * 41 * mass, 45, 40 * mass);
                if (p.gedreht)
                    zeile.moveTo(105 - zeile.right(), 148 - zeile.bottom());
                const QRectF mm = zeile.translated(p.spalte * 105, p.zeile * 148);
                const QRect feld(QPoint(qRound(mm.left() / 0.254), qRound(mm.top() / 0.254)),
                                 QPoint(qRound(mm.right() / 0.254), qRound(mm.bottom() / 0.254)));
                const QImage& bild = blaetter[size_t(blatt - 1)].bild;
                EXPECT_EQ(Zaehle(bild, feld, Schwarz) > 400, i % 6 == 3) << i;
                EXPECT_EQ(Zaehle(bild, feld, Platte) > 400, i % 6 == 0) << i;
            }
        }
    }
}
