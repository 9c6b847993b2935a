#include "list/Listendatei.h"

#include <QTemporaryDir>
#include <sys/stat.h>

#include "Fehlermeldung.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

TEST(ListeLesen, BytesWerdenZuZeilen) {
    const std::tuple<QByteArray, QStringList, bool> faelle[] = {
        // \v and \f are 11 and 12; E4 80 are "ä€" in Windows-1252; the last line has no end.
        {"a\r\nb\nc\rd\ve\f\xE4\x80"_ba, {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"ä€"_s}, false},
        // LF CR and CR CR LF are two line ends each; the last line end makes no line.
        {"a\n\rb\r\r\nc\r\n\r\n"_ba, {u"a"_s, {}, u"b"_s, {}, u"c"_s, {}}, false},
        {"ab\r\ncd\0ef\r\ngh"_ba, {u"ab"_s, u"cd"_s}, false},
        {"\xEF\xBB\xBFZDF\r\n"_ba, {u"ï»¿ZDF"_s}, false},
        {""_ba, {}, false},
        // Ж is 0416, 😀 is D83D DE00; U+2028 and U+2029 end lines; an odd last byte is ignored.
        {QByteArray::fromHex("fffe 1604 6100 2820 6200 2920 3dd8 00de 0d00 0a00 78"), {u"Жa"_s, u"b"_s, u"😀"_s}, true},
        {QByteArray::fromHex("feff 0416 000d 0063 000a"), {u"Ж"_s, u"c"_s}, true},
        {QByteArray::fromHex("fffe"), {}, true},
    };
    for (const auto& [bytes, zeilen, unicode] : faelle) {
        const GeleseneListe g = DekodiereListe(bytes);
        EXPECT_EQ(std::tuple(g.zeilen, g.unicode), std::tuple(zeilen, unicode)) << bytes.toHex(' ').toStdString();
    }
}

TEST(ListeSchreiben, CrLfNachJederZeile) {
    EXPECT_EQ(KodiereListe({u"  1 = ARD #png#"_s, {}, u"Sü"_s}, false), "  1 = ARD #png#\r\n\r\nS\xFC\r\n"_ba);
    EXPECT_EQ(KodiereListe({u"Ж"_s, u"😀"_s}, true), QByteArray::fromHex("fffe 1604 0d00 0a00 3dd8 00de 0d00 0a00"));
}

class Listendatei : public ::testing::Test {
protected:
    QTemporaryDir ordner;
    QString Pfad(const QString& name) const { return ordner.filePath(name); }
};

// The file sets the Unicode flag on reading; foreign characters set it on saving, and a new list keeps it.
TEST_F(Listendatei, UnicodeMerkerFolgtDerDateiUndDenZeichen) {
    SenderListe l;
    const QString name = Pfad(u"Österreich Спорт.lis"_s); // any Unicode file name works
    Schreib(name, QByteArray::fromHex("feff 0042"));
    LeseListendatei(name, l);
    EXPECT_TRUE(l.IstUnicode());
    SchreibeListendatei(name, l);
    EXPECT_EQ(Lies(name), QByteArray::fromHex("fffe 4200 0d00 0a00"));

    Schreib(name, "  1 = M\xFC\x80\x81 #png#L\\b.png\n"_ba);
    LeseListendatei(name, l);
    EXPECT_FALSE(l.IstUnicode());
    SchreibeListendatei(name, l);
    EXPECT_EQ(Lies(name), "  1 = M\xFC\x80\x81 #png#L\\b.png\r\n"_ba);

    l.HaengeAn(u"Ж"_s);
    EXPECT_TRUE(BrauchtUnicode(l));
    SchreibeListendatei(name, l);
    EXPECT_TRUE(l.IstUnicode());
    l.Leere();
    l.HaengeAn(u"A"_s);
    SchreibeListendatei(name, l);
    EXPECT_EQ(Lies(name), QByteArray::fromHex("fffe 4100 0d00 0a00"));
}

TEST_F(Listendatei, FehlerLassenListeUndDateiStehen) {
    SenderListe l;
    l.SetzeZeilen({u"Ж"_s});
    l.SetzeUnicode(true);
    // A pipe is refused at once instead of being read until it ends. (A folder in the file's
    // place is checked where the main window opens and saves lists.)
    ASSERT_EQ(mkfifo(QFile::encodeName(Pfad(u"rohr.lis"_s)).constData(), 0600), 0);
    for (const QString& name : {u"fehlt.lis"_s, u"rohr.lis"_s})
        EXPECT_EQ(Meldung([&] { LeseListendatei(Pfad(name), l); }),
                  u"Datei: Datei "_s + Pfad(name) + u" kann nicht geöffnet werden"_s);
    QFile riesig(Pfad(u"riesig.lis"_s)); // sparse: takes no disk space
    ASSERT_TRUE(riesig.open(QIODevice::WriteOnly) && riesig.resize(qint64(512) * 1024 * 1024 + 1));
    EXPECT_EQ(Meldung([&] { LeseListendatei(Pfad(u"riesig.lis"_s), l); }),
              u"Datei: Datei "_s + Pfad(u"riesig.lis"_s) + u" kann nicht geöffnet werden (zu groß)"_s);
    EXPECT_EQ(l.Zeilen(), QStringList{u"Ж"_s});
    EXPECT_TRUE(l.IstUnicode());
    l.SetzeUnicode(false);
    EXPECT_EQ(Meldung([&] { SchreibeListendatei(Pfad(u"fehlt/x.lis"_s), l); }),
              u"Datei: Datei "_s + Pfad(u"fehlt/x.lis"_s) + u" kann nicht erstellt werden"_s);
    // A full disk, here files that may grow to 4 bytes only: the old file stays whole.
    Schreib(Pfad(u"a.lis"_s), "alt");
    const QString voll = [&] {
        const Dateigrenze grenze(4);
        return Meldung([&] { SchreibeListendatei(Pfad(u"a.lis"_s), l); });
    }();
    EXPECT_EQ(voll, u"Datei: Datei "_s + Pfad(u"a.lis"_s) + u" kann nicht erstellt werden (zu groß)"_s);
    EXPECT_EQ(QDir(ordner.path()).entryList({u"a.lis*"_s}, QDir::Files | QDir::Hidden), QStringList{u"a.lis"_s});
    EXPECT_EQ(Lies(Pfad(u"a.lis"_s)), "alt"_ba);
    EXPECT_FALSE(l.IstUnicode()); // only a save that worked sets the flag
}
