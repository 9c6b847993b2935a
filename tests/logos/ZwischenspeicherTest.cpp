// The logo cache: the same bits as made from the file, changes, damage, two programs at once, the cap.
#include "logos/Kachelbild.h"
#include "logos/Kachellogos.h"
#include "view/Eintrag.h"
#include "view/Logospeicher.h"
#include "zwischenspeicher/Zwischenspeichernaht.h"

#include "TestDateien.h"

#include <QPainter>
#include <QTemporaryDir>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace senvio::test {
namespace {

using namespace senvio::testnaht;

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
        const QString pfad = Logo(QLatin1String(name), groesse, format, grund, farbe);
        const DekodiertesLogo logo = LeseLogodatei(pfad);
        EXPECT_EQ(logo.hell, QByteArray(name) == "hell");
        const QImage eintrag = MacheEintragslogo(logo), kachel = SkaliereKachellogo(logo);
        SetzeZeit(pfad, 5);
        // Made and kept, read back from the pack still written, then as another program reads it.
        for (int lauf = 0; lauf < 3; ++lauf) {
            const quint64 treffer = Zwischenspeichertreffer();
            EXPECT_EQ(EintragslogoDerDatei(pfad), eintrag);
            EXPECT_EQ(MacheKachellogo(pfad), kachel);
            EXPECT_EQ(Zwischenspeichertreffer() - treffer, lauf == 0 ? 0u : 2u) << "both from the cache";
            if (lauf == 1)
                SchliesseZwischenspeicher();
        }
        const auto rechte = QFile::permissions(FindeImZwischenspeicher(pfad, "kachel", {96, 96}).datei);
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
    SchliesseZwischenspeicher();
    const Zwischenspeicherort ort = FindeImZwischenspeicher(pfad, "eintrag", {60, 40});
    const QByteArray paket = Lies(ort.datei), heil = paket.mid(ort.versatz, ort.laenge);
    // The pack's format, the entry's rules and one pixel each changed by one.
    QByteArray paketFassung = paket, regeln = paket, pixel = paket;
    paketFassung[8] = char(paket[8] + 1);
    regeln[int(ort.versatz)] = char(paket[int(ort.versatz)] + 1);
    pixel[int(ort.versatz + ort.laenge - 2)] = char(paket[int(ort.versatz + ort.laenge - 2)] ^ 1);
    const QImage richtig = MacheEintragslogo(LeseLogodatei(pfad));
    EXPECT_EQ(heil.right(60 * 40 * 4), QByteArray(reinterpret_cast<const char*>(richtig.constBits()), 60 * 40 * 4));
    // The first three damage the pack itself, which goes once read; the last two one entry.
    const QByteArray beschaedigt[] = {paket.left(paket.size() / 2), QByteArray(), paketFassung, regeln, pixel};
    for (const QByteArray& kaputt : beschaedigt) {
        LeereZwischenspeicher();
        Schreib(ort.datei, kaputt);
        SchliesseZwischenspeicher(); // read as a program that starts now
        EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
        EXPECT_EQ(QFileInfo::exists(ort.datei), &kaputt >= &beschaedigt[3]);
        SchliesseZwischenspeicher();
        const Zwischenspeicherort neu = FindeImZwischenspeicher(pfad, "eintrag", {60, 40});
        EXPECT_NE(neu.datei, ort.datei);
        EXPECT_EQ(Lies(neu.datei).mid(neu.versatz, neu.laenge), heil) << "written anew";
    }
    qputenv("XDG_CACHE_HOME", (pfad + QStringLiteral("/cache")).toUtf8());
    EXPECT_EQ(EintragslogoDerDatei(pfad), richtig);
}

// Two programs write the same 200 pictures at once; the cap takes the packs used longest ago, emptying all.
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
            SchliesseZwischenspeicher(); // what the program's end does, which _exit skips
            _exit(0);
        }
    int status[2] = {-1, -1}; // 0: ended with exit code 0
    EXPECT_TRUE(waitpid(kinder[0], &status[0], 0) > 0 && waitpid(kinder[1], &status[1], 0) > 0);
    EXPECT_EQ(status[0] | status[1], 0);
    const QDir ordner(Zwischenspeicherordner());
    EXPECT_TRUE(ordner.entryList({QStringLiteral(".neu-*")}, QDir::Files | QDir::Hidden).isEmpty());
    for (const QString& pfad : pfade) {
        EXPECT_FALSE(FindeImZwischenspeicher(pfad, "eintrag", {60, 40}).datei.isEmpty()) << pfad.toStdString();
        EXPECT_EQ(EintragslogoDerDatei(pfad), MacheEintragslogo(LeseLogodatei(pfad))) << pfad.toStdString();
    }
    // Four packs of 50, from old to young; the oldest is used again. With room for two and a half
    // packs, three go: down to three quarters of the cap. A picture file of the first version goes too.
    LeereZwischenspeicher();
    for (int gruppe = 0; gruppe < 4; ++gruppe) {
        for (int i = 0; i < 50; ++i)
            EintragslogoDerDatei(pfade[gruppe * 50 + i]);
        SchliesseZwischenspeicher();
        SetzeZeit(FindeImZwischenspeicher(pfade[gruppe * 50], "eintrag", {60, 40}).datei, gruppe);
    }
    const QString aelteste = FindeImZwischenspeicher(pfade[0], "eintrag", {60, 40}).datei;
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(aelteste).constData(), nullptr, 0), 0);
    Schreib(ordner.filePath(QStringLiteral("0123456789abcdef0123456789abcdef01234567.bild")), "alt");
    RaeumeZwischenspeicherAuf(QFileInfo(aelteste).size() * 5 / 2); // all four are of one size
    EXPECT_EQ(ordner.entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(aelteste).fileName()});
    SchliesseZwischenspeicher();
    EXPECT_FALSE(FindeImZwischenspeicher(pfade[49], "eintrag", {60, 40}).datei.isEmpty());
    EXPECT_TRUE(FindeImZwischenspeicher(pfade[50], "eintrag", {60, 40}).datei.isEmpty());
    LeereZwischenspeicher();
    EXPECT_TRUE(ordner.isEmpty(QDir::Files | QDir::Hidden));
}

// A logo replaced by one of the same size and time; then what others left in the folder: a FIFO and a
// 48-byte pack of the cache's naming whose footer's counts wrap, a pack others may write, files of other names,
// the pack of a writer killed before it closed it, a writer still alive; cache folders not the user's alone.
TEST_F(Zwischenspeicher, TrautNurSichSelbst) {
    const QByteArray rot = Lies(Logo("rot", {800, 450}, QImage::Format_ARGB32, Qt::red, Qt::red)),
                     blau = Lies(Logo("blau", {800, 450}, QImage::Format_ARGB32, Qt::blue, Qt::blue));
    const QString pfad = m_ordner.filePath(QStringLiteral("ZDF HD.png")), neu = pfad + QStringLiteral(".neu");
    for (const auto& [bytes, farbe] : {std::pair{rot, qRgb(255, 0, 0)}, {blau, qRgb(0, 0, 255)}}) {
        Schreib(neu, bytes.leftJustified(int(std::max(rot.size(), blau.size())), '\0'));
        SetzeZeit(neu, 7);
        ASSERT_EQ(std::rename(QFile::encodeName(neu).constData(), QFile::encodeName(pfad).constData()), 0);
        SchliesseZwischenspeicher();
        EXPECT_EQ(EintragslogoDerDatei(pfad).pixel(30, 20), farbe);
    }
    SchliesseZwischenspeicher();
    const QDir ordner(Zwischenspeicherordner());
    const QString eigenes = FindeImZwischenspeicher(pfad, "eintrag", {60, 40}).datei;
    QByteArray falle("SenvioLP\2\0\0\0\0\0\0\0SenvioLI\2\0\0\0\xff\xff\xff\xff", 32);
    falle += QByteArray("\x20\0\0\0\xf0\xff\xff\xff", 8) + QByteArray(8, '\0'); // 16 − 0xffffffff × 16, wrapped
    Schreib(ordner.filePath(QStringLiteral("6b171ddc-970683392-1489-14.paket")), falle);
    ASSERT_EQ(mkfifo(QFile::encodeName(ordner.filePath(QStringLiteral("6b171ddc-970683392-1489-15.paket"))), 0600), 0);
    if (const pid_t kind = fork(); kind == 0)
        _exit(0);
    const pid_t tot = wait(nullptr);
    const QStringList fremde = QStringLiteral("notiz.paket 0123.bild .neu-x .neu-1-Lebt01").split(u' ');
    for (const QString& name : fremde + QStringList{QStringLiteral(".neu-%1-TotAb1").arg(tot)})
        Schreib(ordner.filePath(name), "fremd");
    for (int lauf = 0; lauf < 2; ++lauf) { // then the pack's rights let others write
        const quint64 treffer = Zwischenspeichertreffer();
        EXPECT_NO_THROW(EXPECT_EQ(EintragslogoDerDatei(pfad).pixel(30, 20), qRgb(0, 0, 255)));
        EXPECT_EQ(Zwischenspeichertreffer() - treffer, lauf == 0 ? 1u : 0u);
        ASSERT_EQ(chmod(QFile::encodeName(eigenes).constData(), 0646), 0);
        SchliesseZwischenspeicher();
    }
    // Staying: the others' files, the FIFO, the red logo's pack, the blue one's and its new one.
    const QStringList da = ordner.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_EQ(da.size(), fremde.size() + 4) << da.join(u' ').toStdString();
    for (const QString& name :
         fremde + QStringList{QStringLiteral("6b171ddc-970683392-1489-15.paket"), QFileInfo(eigenes).fileName()})
        EXPECT_TRUE(da.contains(name)) << name.toStdString();
    // Cache folders others may write, or links, are not used; one of ours open to reading is closed.
    for (const auto& [name, rechte, benutzt] :
         {std::tuple{"offen", 0777, false}, {"lesbar", 0755, true}, {"link", 0, false}}) {
        const QString basis = m_ordner.filePath(QLatin1String(name)), ordner = basis + QStringLiteral("/senvio");
        if (rechte)
            ASSERT_TRUE(QDir().mkpath(ordner) && chmod(QFile::encodeName(ordner).constData(), mode_t(rechte)) == 0);
        else
            ASSERT_TRUE(QDir().mkpath(basis) && QFile::link(basis, ordner));
        qputenv("XDG_CACHE_HOME", basis.toUtf8());
        EintragslogoDerDatei(pfad);
        SchliesseZwischenspeicher();
        EXPECT_EQ(QDir(ordner).entryList(QDir::Files).size(), benutzt ? 1 : 0) << name;
        EXPECT_EQ(bool(QFile::permissions(ordner) & 0x0077), !benutzt) << name << ": 0700 when used, else as it was";
    }
}

} // namespace
} // namespace senvio::test
