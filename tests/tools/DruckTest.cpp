// senvio-druck run as a user runs it: a program folder, lists by name and by path,
// every mode, and the failures a user meets.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "TestDateien.h"
#include "pdf/PdfPruefung.h"

#include "platform/Drucker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>
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
          {QStringList{u"--start-karte"_s, u"5"_s, u"--druckdatei"_s, u"k.pdf"_s, u"Kurz"_s}, u"Startkarte \"5\""_s},
          {QStringList{u"--modus"_s, u"png"_s, u"--druckdatei"_s, u"k.pdf"_s, u"Kurz"_s}, u"nur die Modi"_s},
          {QStringList{u"--modus"_s, u"png"_s, u"--nur-geaenderte"_s, u"Kurz"_s}, u"gilt nur für die Modi"_s},
          {QStringList{u"--modus"_s, u"gross"_s, u"Kurz"_s}, u"nur direkt gedruckt"_s},
          {QStringList{u"--rueckseite"_s, u"--druckdatei"_s, u"k.pdf"_s, u"Kurz"_s}, u"nur mit --modus gross"_s},
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
// After an update in an earlier session: the printed stand beside "Kabel" (61 entries) differs in
// entries 20 and 50, so cards 2 and 4 wait and alone are printed, on one sheet with their numbers
// in the whole list. A file is no paper: they still wait afterwards.
TEST_F(DruckProgramm, NurGeaenderteKarten) {
    QByteArray liste, gedruckt = "Senvio-Gedruckt 1\n";
    for (int i = 1; i <= 61; ++i) {
        const QByteArray zeile = (i < 10 ? "    " : "  ") + QByteArray::number(i) + "   = Sender " +
                                 QByteArray::number(i) + " #png#Ohne Logo1.png";
        liste += zeile + "\r\n";
        gedruckt += zeile + (i == 20 || i == 50 ? " alt\n" : "\n");
    }
    Schreib(m_listen + u"Kabel.lis"_s, liste);
    Schreib(m_listen + u"Kabel.gedruckt"_s, gedruckt);
    const QString pdf = m_wurzel.filePath(u"karten.pdf"_s);
    const Programmlauf lauf =
        StarteDruck({u"--nur-geaenderte"_s, u"--druckdatei"_s, pdf, u"--modus"_s, u"oben"_s, u"Kabel"_s}, m_programm);
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    const QString text = StarteProgramm(u"pdftotext"_s, {pdf, u"-"_s}).aus;
    EXPECT_EQ(text.count(u"Sender"_s), 30) << text.toStdString();
    for (const int i : {15, 16, 30, 31, 45, 46, 60, 61})
        EXPECT_EQ(text.contains(QRegularExpression(u"= Sender %1\\b"_s.arg(i))),
                  (i >= 16 && i <= 30) || (i >= 46 && i <= 60))
            << i;
    EXPECT_TRUE(QFileInfo::exists(m_listen + u"Kabel.gedruckt"_s));
}

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

namespace {

// A word of `pdftotext -bbox-layout`: its page (from 1), its box in millimetres, its text.
struct GrossWort {
    int seite;
    QRectF mm;
    QString text;
};
std::vector<GrossWort> GrossWoerter(const QString& pdf) {
    const QString xml = StarteProgramm(u"pdftotext"_s, {u"-bbox-layout"_s, pdf, u"-"_s}).aus;
    std::vector<GrossWort> woerter;
    int seite = 0;
    const double mm = 25.4 / 72;
    for (QXmlStreamReader leser(xml); !leser.atEnd();) {
        if (leser.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = [&](const char* name) { return leser.attributes().value(QLatin1String(name)).toDouble() * mm; };
        if (leser.name() == u"page")
            ++seite;
        else if (leser.name() == u"word")
            woerter.push_back(
                {seite, QRectF(QPointF(a("xMin"), a("yMin")), QPointF(a("xMax"), a("yMax"))), leser.readElementText()});
    }
    return woerter;
}

// The type size of a word of DejaVu Sans: its box runs from the ascent 0.928 to the descent
// 0.236 of the size.
double GrossPunkt(const GrossWort& wort) {
    return wort.mm.height() / 1.164 * 72 / 25.4;
}

} // namespace

// Large print with its back side into a PDF, on names of a real list: the 30 longest among them.
// Card 1 holds ten rows of short names; its back stands mirrored behind it. Every name is set in
// 18 pt or more, every number in 22 pt or more, whole or on two lines, shortened only where it
// needs more than two lines of the 70.7 mm beside a number of two digits and the logo.
TEST_F(DruckProgramm, GrossdruckMitRueckseite) {
    const QStringList namen =
        u"Das Erste HD;ZDF HD;3sat HD;arte HD;KiKA HD;ONE HD;ZDFneo HD;phoenix HD;Il1 TV;WDR HD Köln;"
        u"Bayerisches Fernsehen Süd HD;Bayerisches Fernsehen Nord HD;MDR Sachsen-Anhalt HD;"
        u"NDR Fernsehen Mecklenburg-Vorpommern HD;NDR Fernsehen Schleswig-Holstein HD;NDR Fernsehen Niedersachsen HD;"
        u"SWR Fernsehen Baden-Württemberg HD;SWR Fernsehen Rheinland-Pfalz HD;Deutsches Musik Fernsehen;"
        u"Deutschlandfunk Kultur;WDR 2 Rhein und Ruhr;Welt der Wunder TV;Bayern 1 Oberbayern und Südbayern;"
        u"hr-fernsehen HD;Radio Bremen TV;SR Fernsehen HD;tagesschau24 HD;rbb Brandenburg HD;MDR Thüringen HD;"
        u"NDR Fernsehen Hamburg HD;ARD-alpha HD;Bibel TV HD;Sachsen Fernsehen;RTL Nord Hamburg;SAT.1 Bayern HD;"
        u"Comedy Central Deutschland;ProSieben MAXX HD;Kabel Eins Doku;Deutsches Haus Radio;"
        u"NDR 1 Niedersachsen Hannover"_s.split(u';');
    // Beyond two lines: the first line, then the second with its middle left out.
    const QStringList gekuerzt{u"NDR Fernsehen Mecklenburg-Vorpommern HD"_s, u"NDR Fernsehen Schleswig-Holstein HD"_s,
                               u"SWR Fernsehen Baden-Württemberg HD"_s, u"Bayern 1 Oberbayern und Südbayern"_s,
                               u"NDR 1 Niedersachsen Hannover"_s};
    QImage logo(800, 450, QImage::Format_ARGB32); // white on a transparent ground: set on the plate
    logo.fill(Qt::transparent);
    QPainter(&logo).fillRect(200, 100, 400, 250, Qt::white);
    ASSERT_TRUE(logo.save(m_listen + u"Sender-Logos/hell.png"_s));
    QByteArray liste;
    for (const QString& name : namen)
        liste += name.toLatin1() +
                 (name == u"arte HD" ? " #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\hell.png" : "") +
                 "\r\n";
    Schreib(m_listen + u"Groß.lis"_s, liste);
    Schreib(m_listen + u"Groß.rueckseite"_s,
            "Senvio-Rückseite 1\nKein Bild\tTaste SOURCE, dann „TV“\nHilfe\tAnna 0171 2345678\n");
    const QString pdf = m_wurzel.filePath(u"gross.pdf"_s);
    const Programmlauf lauf = StarteDruck({u"--programmordner"_s, m_programm, u"--modus"_s, u"gross"_s,
                                           u"--rueckseite"_s, u"--druckdatei"_s, pdf, u"Groß"_s},
                                          m_programm);
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    const std::vector<GrossWort> woerter = GrossWoerter(pdf);

    // Rows by their numbers; a word belongs to the row whose number's middle is nearest, on its card.
    const auto karteVon = [](const GrossWort& w) {
        return std::tuple(w.seite, int(w.mm.left() / 105), int(w.mm.top() / 148));
    };
    const auto zeilenbereich = [](const GrossWort& w) { return w.seite % 2 == 1 && std::fmod(w.mm.top(), 148) > 12; };
    std::vector<const GrossWort*> nummern(size_t(namen.size()), nullptr);
    for (const GrossWort& w : woerter) {
        const QPointF ecke(std::get<1>(karteVon(w)) * 105, std::get<2>(karteVon(w)) * 148);
        EXPECT_TRUE(QRectF(ecke + QPointF(3.9, 3.9), QSizeF(97.2, 140.2)).contains(w.mm)) << w.text.toStdString();
        if (zeilenbereich(w) && w.mm.left() - ecke.x() < 14 && w.text.toInt() > 0 && w.text.toInt() <= namen.size())
            nummern[size_t(w.text.toInt() - 1)] = &w;
    }
    ASSERT_EQ(std::count(nummern.begin(), nummern.end(), nullptr), 0);
    std::vector<std::vector<const GrossWort*>> zeilen(nummern.size());
    for (const GrossWort& w : woerter) {
        if (!zeilenbereich(w) || std::find(nummern.begin(), nummern.end(), &w) != nummern.end())
            continue;
        const auto abstand = [&](const GrossWort* n) {
            return karteVon(*n) != karteVon(w) ? 1e9 : std::abs(n->mm.center().y() - w.mm.center().y());
        };
        zeilen[size_t(std::min_element(nummern.begin(), nummern.end(),
                                       [&](auto* a, auto* b) { return abstand(a) < abstand(b); }) -
                      nummern.begin())]
            .push_back(&w);
    }
    for (auto& zeile : zeilen)
        std::sort(zeile.begin(), zeile.end(), [](auto* a, auto* b) {
            return std::pair(qRound(a->mm.top()), a->mm.left()) < std::pair(qRound(b->mm.top()), b->mm.left());
        });
    EXPECT_EQ(
        std::count_if(nummern.begin(), nummern.end(), [&](auto* n) { return karteVon(*n) == karteVon(*nummern[0]); }),
        10);
    double unten = 0;
    for (size_t i = 0; i < nummern.size(); ++i) {
        const QString& name = namen[qsizetype(i)];
        SCOPED_TRACE(name.toStdString());
        EXPECT_GE(GrossPunkt(*nummern[i]), 21.9);
        QRectF flaeche = nummern[i]->mm;
        QString text;
        for (const GrossWort* w : zeilen[i]) {
            EXPECT_GE(GrossPunkt(*w), 17.9);
            flaeche |= w->mm;
            text += (text.isEmpty() || text.endsWith(u'-') ? u""_s : u" "_s) + w->text;
        }
        if (gekuerzt.contains(name)) {
            // Shortened by the rule for shortened names: its start and its distinguishing end kept.
            EXPECT_TRUE(text.contains(u"…"_s) && text.startsWith(name.section(u' ', 0, 1)) &&
                        text.endsWith(name.section(u' ', -1)))
                << text.toStdString();
        } else {
            EXPECT_EQ(text, name);
        }
        // Rows of one card never touch.
        if (i > 0 && karteVon(*nummern[i]) == karteVon(*nummern[i - 1])) {
            EXPECT_GT(flaeche.top(), unten + 0.5);
        }
        unten = flaeche.bottom();
    }
    const auto& sued = zeilen[10];
    ASSERT_EQ(sued.size(), 4u);
    EXPECT_EQ(sued[0]->text, u"Bayerisches"_s);
    EXPECT_GT(sued[1]->mm.center().y(), sued[0]->mm.bottom()); // "Fernsehen Süd HD" on the second line

    // The back of card 1 (left on the front) stands right on the back sheet, 4 mm in; the front's
    // header begins at the same height.
    const auto so = std::find_if(woerter.begin(), woerter.end(), [](const GrossWort& w) {
        return w.seite == 2 && w.text == u"So" && w.mm.left() > 105 && w.mm.top() < 148;
    });
    ASSERT_NE(so, woerter.end());
    EXPECT_NEAR(so->mm.left(), 105 + 4, 0.5);
    EXPECT_NEAR(so->mm.top(), 4, 0.5);
    QString rueckseite;
    for (const GrossWort& w : woerter)
        if (w.seite == 2 && w.mm.left() > 105 && w.mm.top() < 148)
            rueckseite += w.text + u' ';
    EXPECT_EQ(rueckseite, u"So geht's Kein Bild: Taste SOURCE, dann „TV“ Hilfe: Anna 0171 2345678 "_s);
    // The light logo of "arte HD" on its plate, at the right edge of its row.
    const Blatt blatt = Gerendert(pdf, 1, 100);
    const QRectF arte = nummern[3]->mm;
    const QRect feld(QPoint(qRound(88.5 / 0.254), qRound((arte.center().y() - 4) / 0.254)),
                     QPoint(qRound(100.8 / 0.254), qRound((arte.center().y() + 4) / 0.254)));
    EXPECT_GT(Zaehle(blatt.bild, feld, Platte), 400);
}

// "Temp" is emptied of the run's pictures only, and of none left when the PDF is complete; a "Temp" that
// links to a folder elsewhere is refused, and that folder is left as it was.
TEST_F(DruckProgramm, TempNurEigeneBilder) {
    const QString temp = m_listen + u"Temp"_s;
    Schreib(temp + u"/Notiz.txt"_s, "Einkauf");
    Schreib(temp + u"/Fotos/Urlaub.jpg"_s, "Bild");
    const auto fremd = Baum(temp);
    Schreib(temp + u"/DINA4_9.bmp"_s, "alt");
    for (const QString& modus : {u"doppel"_s, u"png"_s}) {
        EXPECT_EQ(StarteDruck({u"--modus"_s, modus, u"Liste"_s}, m_programm).rueckgabe, 0);
        EXPECT_EQ(Baum(temp), fremd) << modus.toStdString();
    }
    PdfDatei((m_listen + u"Liste.pdf"_s).toStdString(), 2);
    const QString woanders = m_wurzel.filePath(u"Bilder"_s);
    Schreib(woanders + u"/DINA4_1.bmp"_s, "Scan");
    Schreib(woanders + u"/Urlaub.jpg"_s, "Bild");
    ASSERT_TRUE(QDir(temp).removeRecursively() && QFile::link(woanders, temp));
    const Programmlauf lauf = StarteDruck({u"--modus"_s, u"png"_s, u"Kurz"_s}, m_programm);
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_TRUE(lauf.fehler.contains(u"ist eine Verknüpfung"_s)) << lauf.fehler.toStdString();
    EXPECT_EQ(Baum(woanders).keys(), QStringList({u"DINA4_1.bmp"_s, u"Urlaub.jpg"_s}));
}

// The direct print's file replaces a PDF only; a run's leftovers beside it go once a minute old, a stopped run's at
// once.
TEST_F(DruckProgramm, DruckdateiNurPdf) {
    const QString arbeit = m_wurzel.filePath(u"arbeit/"_s);
    Schreib(m_programm + u"senvio.ini"_s, "[Senvio]\r\nListenName=Kurz\r\n");
    Schreib(arbeit + u"notiz.txt"_s, "Nicht überschreiben");
    Schreib(arbeit + u"alt.pdf"_s, "%PDF-1.4 alt");
    ASSERT_TRUE(QDir().mkpath(arbeit + u"ordner.pdf"_s));
    ASSERT_EQ(mkfifo(QFile::encodeName(m_wurzel.filePath(u"rohr.pdf"_s)).constData(), 0600), 0);
    Schreib(arbeit + u".~senvio-4242-0"_s, "alt");
    // A run still going (this test's own process) keeps its file; one of an ended run goes after a minute.
    const QString frisch = u".~senvio-%1-1"_s.arg(QCoreApplication::applicationPid());
    Schreib(arbeit + frisch, "frisch");
    StarteProgramm(u"touch"_s, {u"-d"_s, u"-2 min"_s, arbeit + u".~senvio-4242-0"_s});
    ASSERT_TRUE(QDir().mkpath(m_listen + u"Temp"_s));
    const auto vorher = Baum(m_programm), arbeitVorher = Baum(arbeit);
    for (const auto& [argumente, rueckgabe, text] :
         {std::tuple{QStringList{u"--druckdatei"_s, u""_s}, 2, u"Der Pfad nach --druckdatei ist leer."_s},
          {QStringList{u"--drucker"_s, u""_s}, 2, u"Der Name nach --drucker ist leer."_s},
          {QStringList{u"--druckdatei"_s, m_listen + u"Kurz.lis"_s}, 1, u"ist die Liste selbst"_s},
          {QStringList{u"--druckdatei"_s, u"../Programm/senvio.ini"_s}, 1, u"ist die Einstellungsdatei"_s},
          {QStringList{u"--druckdatei"_s, u"notiz.txt"_s}, 1, u"ist keine PDF-Datei"_s},
          {QStringList{u"--druckdatei"_s, u"ordner.pdf"_s}, 1, u"ist keine Datei"_s},
          {QStringList{u"--druckdatei"_s, u"../rohr.pdf"_s}, 1, u"ist keine Datei"_s}}) {
        const Programmlauf lauf =
            StarteDruck(QStringList{u"--programmordner"_s, m_programm} + argumente + QStringList{u"Kurz"_s}, arbeit);
        EXPECT_EQ(lauf.rueckgabe, rueckgabe) << text.toStdString();
        EXPECT_TRUE(lauf.fehler.contains(text)) << lauf.fehler.toStdString();
    }
    EXPECT_EQ(Baum(m_programm), vorher);
    EXPECT_EQ(Baum(arbeit), arbeitVorher);
    StarteDruck({u"--programmordner"_s, m_programm, u"--druckdatei"_s, u"alt.pdf"_s, u"Kurz"_s}, arbeit);
    EXPECT_TRUE(StarteProgramm(u"pdfinfo"_s, {arbeit + u"alt.pdf"_s}).aus.contains(u"Pages:           1\n"_s));
    EXPECT_FALSE(QFileInfo::exists(arbeit + u".~senvio-4242-0"_s));
    EXPECT_TRUE(QFileInfo::exists(arbeit + frisch));
    // SIGTERM while the direct print draws: the half-written file goes with the program.
    Schreib(m_listen + u"Lang.lis"_s, Liste(6000));
    QProcess druck;
    druck.setWorkingDirectory(arbeit);
    druck.start(QStringLiteral(SENVIO_DRUCK_PROGRAMM),
                {u"--programmordner"_s, m_programm, u"--druckdatei"_s, u"lang.pdf"_s, u"Lang"_s});
    const auto halb = [&] { return QDir(arbeit).entryList({u".~senvio-*"_s}, QDir::Files | QDir::Hidden); };
    while (halb().size() < 2 && !druck.waitForFinished(20)) {
    }
    ASSERT_EQ(druck.state(), QProcess::Running) << "ended before it was stopped";
    ::kill(pid_t(druck.processId()), SIGTERM);
    EXPECT_TRUE(druck.waitForFinished(-1) && druck.exitStatus() == QProcess::CrashExit);
    EXPECT_EQ(halb(), QStringList{frisch});
    EXPECT_FALSE(QFileInfo::exists(arbeit + u"lang.pdf"_s));
}

// A print service that takes the connection and never answers, and none at all; a printer that is not there.
TEST_F(DruckProgramm, DruckdienstAntwortetNicht) {
    const int stumm = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t laenge = sizeof a;
    ASSERT_TRUE(!bind(stumm, reinterpret_cast<sockaddr*>(&a), laenge) && !listen(stumm, 4) &&
                !getsockname(stumm, reinterpret_cast<sockaddr*>(&a), &laenge));
    for (const auto& [port, text] : {std::pair{ntohs(a.sin_port), u"Der Druckdienst (CUPS) antwortet nicht."_s},
                                     {1, u"Der Druckdienst (CUPS) ist nicht erreichbar."_s}}) { // nothing listens on 1
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(port));
        const Programmlauf lauf = StarteDruck({u"--drucker"_s, u"Büro"_s, u"Kurz"_s}, m_programm);
        EXPECT_EQ(std::pair(lauf.rueckgabe, lauf.fehler.section(u'\n', -2)),
                  std::pair(1, u"senvio-druck: "_s + text + u'\n'));
    }
    qunsetenv("CUPS_SERVER");
    close(stumm);
    EXPECT_EQ(senvio::Druckerfehlt(u"Büro"_s, {u"Küche"_s, u"Wohnzimmer"_s}),
              u"Den Drucker \"Büro\" gibt es nicht. Eingerichtet sind: Küche, Wohnzimmer."_s);
    EXPECT_EQ(senvio::Druckerfehlt(u"Büro"_s, {}),
              u"Den Drucker \"Büro\" gibt es nicht. Es ist kein Drucker eingerichtet."_s);
}
