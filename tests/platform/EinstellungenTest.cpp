#include "platform/Einstellungen.h"

#include <QTemporaryDir>
#include <sys/stat.h>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

const QString E = u"Einstellung"_s;

// A file edited by hand: comments, another section before and after, odd spacing,
// LF line ends, a key spelt in other letters, and no line end at the very end.
const QByteArray VonHand = "; Senvio\n[Andere]\nAuswahl=99\n\n  [ einstellung ]  \n# alt: Auswahl=7\n"
                           "  AUSWAHL =  3  \nListenName=Astra 19.2\n\n[Letzte]\nx=y"_ba;

TEST(Einstellungen, Lesen) {
    const QByteArray doppelt = "[Einstellung]\r\nA=1\r\nA=2\r\n[Einstellung]\r\nA=3\r\nB=4\r\n"_ba;
    const QByteArray zeichen = "[Einstellung]\nA=\" Sport \"\nB='x'\nC=\"halb\n"_ba;
    const std::tuple<QByteArray, QString, QString, QString> faelle[] = {
        {VonHand, E, u"auswahl"_s, u"3"_s},
        {VonHand, E, u"FontName"_s, {}},
        {VonHand, u"Nirgends"_s, u"Auswahl"_s, {}},
        {"Auswahl=1\r\n"_ba, E, u"Auswahl"_s, {}}, // outside any section
        {doppelt, E, u"A"_s, u"1"_s},
        {doppelt, E, u"B"_s, {}},
        {zeichen, E, u"A"_s, u" Sport "_s},
        {zeichen, E, u"B"_s, u"x"_s},
        {zeichen, E, u"C"_s, u"\"halb"_s},
        // UTF-8 where the bytes are UTF-8 (a cut-off sequence is not), else Windows-1252.
        {"[Einstellung]\nN=\xC3\x96l\n"_ba, E, u"N"_s, u"Öl"_s},
        {"[Einstellung]\nN=\xD6l \x80\n"_ba, E, u"N"_s, u"Öl €"_s},
        {"[Einstellung]\nN=Gr\xC3\n"_ba, E, u"N"_s, u"GrÃ"_s},
        {"\xEF\xBB\xBF[Einstellung]\nN=1\n"_ba, E, u"N"_s, u"1"_s},
    };
    for (const auto& [inhalt, abschnitt, schluessel, wert] : faelle)
        EXPECT_EQ(IniWertAusText(inhalt, abschnitt, schluessel), wert) << inhalt.toStdString();
}

TEST(Einstellungen, SchreibenLaesstJedeAndereZeileStehen) {
    EXPECT_EQ(IniTextMitWert(VonHand, E, u"auswahl"_s, u"12"_s), QByteArray(VonHand).replace("=  3  \n", "=  12\n"));
    EXPECT_EQ(IniTextMitWert(VonHand, E, u"FontName"_s, u"Arial"_s),
              QByteArray(VonHand).replace("19.2\n", "19.2\nFontName=Arial\n"));
    // The last section has no line end after its last line: one is added before the key.
    EXPECT_EQ(IniTextMitWert(VonHand, u"letzte"_s, u"z"_s, u"1"_s), VonHand + "\nz=1\n");

    const QByteArray alt = "[Einstellung]\r\nListenName=Astra\r\n"_ba;
    const std::tuple<QByteArray, QString, QString, QByteArray> faelle[] = {
        // A lone CR ends no line for the reader: the new key must not be glued onto "a=1".
        {"[Einstellung]\r\na=1\r"_ba, u"k"_s, u"v"_s, "[Einstellung]\r\na=1\r\r\nk=v\r\n"_ba},
        {"[A]\r\nx=1"_ba, u"Auswahl"_s, u"-1"_s, "[A]\r\nx=1\r\n[Einstellung]\r\nAuswahl=-1\r\n"_ba},
        {alt, u"ListenName"_s, {}, "[Einstellung]\r\nListenName=\r\n"_ba},
        // Blanks at the ends, or quotation marks around it, would be lost on reading: it is quoted.
        {alt, u"ListenName"_s, u" Sport "_s, "[Einstellung]\r\nListenName=\" Sport \"\r\n"_ba},
        // Windows-1252 where it fits and reads back the same, else UTF-8.
        {""_ba, u"N"_s, u"Sü €"_s, "[Einstellung]\r\nN=S\xFC \x80\r\n"_ba},
        {""_ba, u"N"_s, u"Жар"_s, "[Einstellung]\r\nN=\xD0\x96\xD0\xB0\xD1\x80\r\n"_ba},
        {""_ba, u"N"_s, u"Ã¤"_s, "[Einstellung]\r\nN=\xC3\x83\xC2\xA4\r\n"_ba}, // C3 A4 would read back as "ä"
    };
    for (const auto& [inhalt, schluessel, wert, neu] : faelle) {
        EXPECT_EQ(IniTextMitWert(inhalt, E, schluessel, wert), neu) << wert.toStdString();
        EXPECT_EQ(IniWertAusText(neu, E, schluessel), wert) << wert.toStdString();
    }
}

TEST(Einstellungen, NurDezimaleGanzzahlenZaehlen) {
    const std::pair<const char*, int> gut[] = {
        {"0", 0}, {"-1", -1}, {"+7", 7}, {" 16711680 ", 16711680}, {"2147483647", 2147483647}};
    for (const auto& [text, zahl] : gut)
        EXPECT_EQ(AlsGanzzahl(QString::fromUtf8(text)), zahl) << text;
    for (const char* schlecht : {"", "-", "1,5", "0x10", "12a", "1 2", "--1", "١٢", "2147483648"})
        EXPECT_EQ(AlsGanzzahl(QString::fromUtf8(schlecht)), std::nullopt) << schlecht;
}

TEST(Einstellungen, UeberDieDatei) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(u"senvio.ini"_s);
    EXPECT_EQ(LeseIniGanzzahl(pfad, E, u"Auswahl"_s), std::nullopt);
    ASSERT_TRUE(SchreibeIniWert(pfad, E, u"ListenName"_s, u"Österreich"_s));
    const QByteArray inhalt = "[Einstellung]\r\nListenName=\xD6sterreich\r\n"_ba;
    EXPECT_EQ(Lies(pfad), inhalt);
    EXPECT_EQ(LeseIniWert(pfad, E, u"listenname"_s), u"Österreich"_s);

    // A failed write leaves the file as it was: a value that cannot be stored, a folder
    // or a pipe in the file's place, a folder that does not exist.
    EXPECT_FALSE(SchreibeIniWert(pfad, E, u"Auswahl"_s, u"a\nb"_s));
    {
        const Dateigrenze vollePlatte(10);
        EXPECT_FALSE(SchreibeIniWert(pfad, E, u"Auswahl"_s, u"3"_s));
    }
    EXPECT_EQ(Lies(pfad), inhalt);
    ASSERT_TRUE(QDir().mkdir(ordner.filePath(u"ordner.ini"_s)));
    ASSERT_EQ(mkfifo(QFile::encodeName(ordner.filePath(u"rohr.ini"_s)).constData(), 0600), 0);
    EXPECT_EQ(LeseIniWert(ordner.filePath(u"rohr.ini"_s), E, u"Auswahl"_s), QString());
    for (const QString& name : {u"ordner.ini"_s, u"rohr.ini"_s, u"fehlt/senvio.ini"_s}) {
        EXPECT_FALSE(SchreibeIniWert(ordner.filePath(name), E, u"Auswahl"_s, u"1"_s)) << name.toStdString();
        EXPECT_FALSE(QFileInfo(ordner.filePath(name)).isFile()) << name.toStdString();
    }
}
