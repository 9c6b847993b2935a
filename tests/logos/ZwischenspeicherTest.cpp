// The logo cache: the same bits as made from the file, changes, damage, two programs at once, the cap.
#include "logos/Kachelbild.h"
#include "logos/Kachellogos.h"
#include "view/Eintrag.h"
#include "view/Logospeicher.h"

#include "TestDateien.h"

#include <QPainter>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace senvio::test {
namespace {

class Zwischenspeicher : public ::testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CACHE_HOME", m_ordner.filePath(QStringLiteral("cache")).toUtf8()); }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_vorher); }
    QString Logo(const QString& name, QSize groesse, QImage::Format format, QColor grund, QColor farbe) {
        QImage bild(groesse, QImage::Format_ARGB32);
        bild.fill(grund);
        QPainter(&bild).fillRect(QRect(QPoint(), groesse / 2), farbe);
        EXPECT_TRUE(bild.convertToFormat(format).save(m_ordner.filePath(name), "PNG"));
        return m_ordner.filePath(name);
    }
    const QByteArray m_vorher = qgetenv("XDG_CACHE_HOME");
    QTemporaryDir m_ordner;
};

void SetzeZeit(const QString& pfad, long ns) {
    const timespec zeiten[2] = {{1700000000, ns}, {1700000000, ns}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(pfad).constData(), zeiten, 0), 0);
}

TEST_F(Zwischenspeicher, GleicheBitsFuerJedeLogoart) {
    const std::tuple<const char*, QSize, QImage::Format, QColor, QColor> arten[] = {
        {"durchsichtig", {120, 80}, QImage::Format_ARGB32, Qt::transparent, Qt::red},
        {"deckend", {120, 80}, QImage::Format_RGB32, Qt::yellow, Qt::red},
        {"palette", {90, 90}, QImage::Format_Indexed8, Qt::blue, Qt::red},
        {"grau", {70, 50}, QImage::Format_Grayscale8, Qt::gray, Qt::black},
        {"16bit", {64, 48}, QImage::Format_RGBA64, Qt::transparent, Qt::red},
        {"hell", {200, 100}, QImage::Format_ARGB32, Qt::transparent, Qt::white},
        {"hoch", {20, 400}, QImage::Format_RGB32, Qt::green, Qt::red},
        {"breit", {1000, 100}, QImage::Format_ARGB32, Qt::transparent, Qt::red},
    };
    for (const auto& [name, groesse, format, grund, farbe] : arten) {
        SCOPED_TRACE(name);
        const QString pfad = Logo(QLatin1String(name), groesse, format, grund, farbe);
        const DekodiertesLogo logo = LeseLogodatei(pfad);
        EXPECT_EQ(logo.hell, QByteArray(name) == "hell");
        const QImage eintrag = MacheEintragslogo(logo), kachel = SkaliereKachellogo(logo);
        SetzeZeit(pfad, 5);
        for (int lauf = 0; lauf < 2; ++lauf) { // made and kept, then read from the cache only
            EXPECT_EQ(EintragslogoDerDatei(pfad), eintrag);
            EXPECT_EQ(MacheKachellogo(pfad), kachel);
            // The same size and time, but no logo: what comes next can only come from the cache.
            Schreib(pfad, QByteArray(QFileInfo(pfad).size(), 'x'));
            SetzeZeit(pfad, 5);
        }
        const auto rechte = QFile::permissions(Zwischenspeicherdatei(pfad, "kachel", {96, 96}));
        EXPECT_FALSE((rechte | QFile::permissions(Zwischenspeicherordner())) & 0x0077) << "0600 in 0700";
    }
}

// A new time with the same size, then a new size with the same time: cache and memory show the new
// logo at once. Damaged entries are made anew and rewritten; an unusable folder costs time only.
TEST_F(Zwischenspeicher, GeaendertesUndBeschaedigtes) {
    const QByteArray rot = Lies(Logo("r", {100, 100}, QImage::Format_RGB32, Qt::red, Qt::red)),
                     blau = Lies(Logo("b", {100, 100}, QImage::Format_RGB32, Qt::blue, Qt::blue));
    const QString pfad = m_ordner.filePath(QStringLiteral("logo.png"));
    Logospeicher speicher; // bytes after IEND are not read: they give the size
    for (const auto& [bytes, groesse, ns, farbe] : {std::tuple{rot, 400, 100, qRgb(255, 0, 0)},
                                                    {blau, 400, 200, qRgb(0, 0, 255)},
                                                    {rot, 404, 200, qRgb(255, 0, 0)}}) {
        Schreib(pfad, bytes.leftJustified(groesse, '\0'));
        SetzeZeit(pfad, ns);
        EXPECT_EQ(EintragslogoDerDatei(pfad).pixel(30, 20), farbe) << ns;
        EXPECT_EQ(speicher.Hole(pfad).pixel(30, 20), farbe) << ns;
    }
    const QString datei = Zwischenspeicherdatei(pfad, "eintrag", {60, 40});
    const QByteArray heil = Lies(datei);
    QByteArray andereFassung = heil, andereSumme = heil;
    andereFassung[8] = char(heil[8] + 1);
    andereSumme[heil.size() - 2] = char(heil[heil.size() - 2] ^ 1);
    const QImage richtig = MacheEintragslogo(LeseLogodatei(pfad));
    for (const QByteArray& kaputt : {heil.left(heil.size() / 2), QByteArray(), andereFassung, andereSumme}) {
        Schreib(datei, kaputt);
        EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
        EXPECT_EQ(Lies(datei), heil);
    }
    qputenv("XDG_CACHE_HOME", (pfad + QStringLiteral("/cache")).toUtf8());
    EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
}

// Two programs write the same 200 pictures at once; the cap takes the oldest, emptying all.
TEST_F(Zwischenspeicher, ZweiProgrammeZugleichGrenzeUndLeeren) {
    QStringList pfade;
    for (int i = 0; i < 200; ++i)
        pfade << Logo(QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')), {40 + i, 60}, QImage::Format_ARGB32,
                      Qt::transparent, QColor::fromHsv(i, 255, 200));
    pid_t kinder[2];
    for (pid_t& kind : kinder)
        if ((kind = fork()) == 0) {
            for (const QString& pfad : pfade)
                EintragslogoDerDatei(pfad);
            _exit(0);
        }
    int status[2] = {-1, -1}; // 0: ended with exit code 0
    EXPECT_TRUE(waitpid(kinder[0], &status[0], 0) > 0 && waitpid(kinder[1], &status[1], 0) > 0);
    EXPECT_EQ(status[0] | status[1], 0);
    for (const QString& pfad : pfade)
        EXPECT_EQ(EintragslogoDerDatei(pfad), MacheEintragslogo(LeseLogodatei(pfad))) << pfad.toStdString();
    const QDir ordner(Zwischenspeicherordner());
    const QString neueste = Zwischenspeicherdatei(pfade[0], "eintrag", {60, 40});
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(neueste).constData(), nullptr, 0), 0);
    RaeumeZwischenspeicherAuf(100 * QFileInfo(neueste).size()); // all 200 are of one size
    EXPECT_EQ(ordner.entryList(QDir::Files | QDir::Hidden).size(), 75);
    EXPECT_TRUE(QFileInfo::exists(neueste));
    LeereZwischenspeicher();
    EXPECT_TRUE(ordner.isEmpty(QDir::Files | QDir::Hidden));
}

} // namespace
} // namespace senvio::test
