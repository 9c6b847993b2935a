// The cache of prepared logo pictures: the same bits as made from the file, a changed file
// made anew, damaged entries rewritten, two programs at once, the cap.
#include "logos/Kachelbild.h"
#include "logos/Kachellogos.h"
#include "view/Eintrag.h"
#include "view/Logospeicher.h"
#include "view/Logozwischenspeicher.h"

#include "TestDateien.h"

#include <QPainter>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace senvio::test {
namespace {

class Zwischenspeicher : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CACHE_HOME", m_ordner.filePath(QStringLiteral("cache")).toUtf8()); }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_vorher); }
    QString Logo(const QString& name, const QImage& bild) {
        const QString pfad = m_ordner.filePath(name);
        EXPECT_TRUE(bild.save(pfad, "PNG"));
        return pfad;
    }
    const QByteArray m_vorher = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir m_ordner;
};

// Sets the file's modification time, to the nanosecond.
void SetzeZeit(const QString& pfad, time_t sekunden, long ns) {
    const timespec zeiten[2] = {{sekunden, ns}, {sekunden, ns}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(pfad).constData(), zeiten, 0), 0);
}

QImage Gefuellt(QSize groesse, QImage::Format format, QColor grund, QColor farbe) {
    QImage bild(groesse, QImage::Format_ARGB32);
    bild.fill(grund);
    QPainter(&bild).fillRect(QRect(QPoint(), groesse / 2), farbe);
    return bild.convertToFormat(format);
}

// Every byte, the unused alpha byte of Format_RGB32 too, after the format.
QByteArray Bits(const QImage& bild) {
    return char(bild.format()) + QByteArray(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes());
}

TEST_F(Zwischenspeicher, GleicheBitsFuerJedeLogoart) {
    const QColor klar(Qt::transparent), rot(200, 30, 40), weiss(Qt::white);
    const std::tuple<const char*, QSize, QImage::Format, QColor, QColor> arten[] = {
        {"durchsichtig", {120, 80}, QImage::Format_ARGB32, klar, rot},
        {"deckend", {120, 80}, QImage::Format_RGB32, Qt::yellow, rot},
        {"palette", {90, 90}, QImage::Format_Indexed8, Qt::blue, rot},
        {"grau", {70, 50}, QImage::Format_Grayscale8, Qt::gray, Qt::black},
        {"16bit", {64, 48}, QImage::Format_RGBA64, klar, rot},
        {"hell", {200, 100}, QImage::Format_ARGB32, klar, weiss},
        {"hoch", {20, 400}, QImage::Format_RGB32, Qt::green, rot},
        {"breit", {1000, 100}, QImage::Format_ARGB32, klar, rot},
    };
    for (const auto& [name, groesse, format, grund, farbe] : arten) {
        SCOPED_TRACE(name);
        const QString pfad =
            Logo(QString::fromLatin1(name) + QStringLiteral(".png"), Gefuellt(groesse, format, grund, farbe));
        const DekodiertesLogo logo = LeseLogodatei(pfad);
        EXPECT_EQ(logo.hell, QByteArray(name) == "hell");
        const QImage eintrag = MacheEintragslogo(logo), kachel = SkaliereKachellogo(logo);
        SetzeZeit(pfad, 1700000000, 5);
        for (int lauf = 0; lauf < 2; ++lauf) { // made and kept, then read from the cache only
            EXPECT_EQ(Bits(EintragslogoDerDatei(pfad)), Bits(eintrag));
            EXPECT_EQ(Bits(MacheKachellogo(pfad)), Bits(kachel));
            // The same size and time, but no logo: what comes next can only come from the cache.
            Schreib(pfad, QByteArray(QFileInfo(pfad).size(), 'x'));
            SetzeZeit(pfad, 1700000000, 5);
        }
        const QString datei = Zwischenspeicherdatei(pfad, "kachel", {96, 96});
        EXPECT_EQ(QFileInfo(datei).permissions() & 0x0077, 0) << "0600";
        EXPECT_EQ(Lies(datei).right(96 * 96 * 4), Bits(kachel).mid(1));
    }
    EXPECT_EQ(QFileInfo(Zwischenspeicherordner()).permissions() & 0x0077, 0) << "0700";
}

// A replaced file with the same size and a new time, then with the same time and a new
// size: the cache and the list view's memory show the new logo at once.
TEST_F(Zwischenspeicher, GeaenderteDateiGiltSofort) {
    QByteArray rot = Lies(Logo("r.png", Gefuellt({100, 100}, QImage::Format_RGB32, Qt::red, Qt::red))),
               blau = Lies(Logo("b.png", Gefuellt({100, 100}, QImage::Format_RGB32, Qt::blue, Qt::blue)));
    const qsizetype laenge = std::max(rot.size(), blau.size()); // bytes after IEND are not read
    rot.append(laenge - rot.size(), '\0');
    blau.append(laenge - blau.size(), '\0');
    const QString pfad = m_ordner.filePath(QStringLiteral("logo.png"));
    Logospeicher speicher;
    const std::tuple<QByteArray, long, QRgb> schritte[] = {
        {rot, 100, qRgb(255, 0, 0)}, {blau, 200, qRgb(0, 0, 255)}, {rot + "....", 200, qRgb(255, 0, 0)}};
    for (const auto& [bytes, ns, farbe] : schritte) {
        SCOPED_TRACE(ns);
        Schreib(pfad, bytes);
        SetzeZeit(pfad, 1700000000, ns);
        EXPECT_EQ(EintragslogoDerDatei(pfad).pixel(30, 20), farbe);
        EXPECT_EQ(speicher.Hole(pfad).pixel(30, 20), farbe);
    }
}

TEST_F(Zwischenspeicher, BeschaedigtesWirdNeuGemacht) {
    const QString pfad = Logo("logo.png", Gefuellt({80, 60}, QImage::Format_ARGB32, Qt::transparent, Qt::red));
    const QImage richtig = MacheEintragslogo(LeseLogodatei(pfad));
    EintragslogoDerDatei(pfad);
    const QString datei = Zwischenspeicherdatei(pfad, "eintrag", {60, 40});
    const QByteArray heil = Lies(datei);
    QByteArray andereFassung = heil, andereSumme = heil;
    andereFassung[8] = char(heil[8] + 1);
    andereSumme[heil.size() - 2] = char(heil[heil.size() - 2] ^ 1);
    for (const QByteArray& kaputt : {heil.left(heil.size() / 2), QByteArray(), andereFassung, andereSumme}) {
        Schreib(datei, kaputt);
        EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
        EXPECT_EQ(Lies(datei), heil);
    }
    // A cache folder that cannot be made: no picture kept, the same logo all the same.
    Schreib(m_ordner.filePath(QStringLiteral("datei")), "x");
    qputenv("XDG_CACHE_HOME", m_ordner.filePath(QStringLiteral("datei/cache")).toUtf8());
    EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
    EXPECT_FALSE(QFileInfo::exists(Zwischenspeicherdatei(pfad, "eintrag", {60, 40})));
}

// Two programs write the same 200 pictures at once and check what they got; then the cap
// takes the pictures used longest ago, and emptying takes all.
TEST_F(Zwischenspeicher, ZweiProgrammeZugleichGrenzeUndLeeren) {
    QStringList pfade;
    std::vector<QImage> richtig;
    for (int i = 0; i < 200; ++i) {
        pfade << Logo(QStringLiteral("%1.png").arg(i, 3, 10, QLatin1Char('0')),
                      Gefuellt({40 + i, 60}, QImage::Format_ARGB32, Qt::transparent, QColor::fromHsv(i, 255, 200)));
        richtig.push_back(MacheEintragslogo(LeseLogodatei(pfade.back())));
    }
    const auto falsche = [&] {
        int anzahl = 0;
        for (int i = 0; i < 200; ++i)
            anzahl += EintragslogoDerDatei(pfade[i]) != richtig[size_t(i)];
        return anzahl;
    };
    pid_t kinder[2];
    for (pid_t& kind : kinder)
        if ((kind = fork()) == 0)
            _exit(falsche());
    for (const pid_t kind : kinder) {
        int status = -1;
        EXPECT_TRUE(waitpid(kind, &status, 0) == kind && WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    EXPECT_EQ(falsche(), 0);
    const QDir ordner(Zwischenspeicherordner());
    const QString neueste = Zwischenspeicherdatei(pfade[0], "eintrag", {60, 40});
    SetzeZeit(neueste, std::time(nullptr) + 60, 0);
    const qint64 eine = QFileInfo(neueste).size(); // all 200 are of one size
    for (const auto& [grenze, bleiben] : {std::pair{200, 200}, {100, 75}}) {
        RaeumeZwischenspeicherAuf(grenze * eine);
        EXPECT_EQ(ordner.entryList(QDir::Files | QDir::Hidden).size(), bleiben);
    }
    EXPECT_TRUE(QFileInfo::exists(neueste));
    const quint64 stand = Zwischenspeicherstand();
    LeereZwischenspeicher();
    EXPECT_NE(Zwischenspeicherstand(), stand);
    EXPECT_TRUE(ordner.isEmpty(QDir::Files | QDir::Hidden));
}

} // namespace
} // namespace senvio::test
