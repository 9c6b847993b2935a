#include "platform/Einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

const QString E = QStringLiteral("Einstellung");

// A file edited by hand: comments, another section before and after, odd spacing,
// LF line ends, a key spelt in other letters, and no line end at the very end.
const QByteArray VonHand = "; Senvio\n"
                           "[Andere]\n"
                           "Auswahl=99\n"
                           "\n"
                           "  [ einstellung ]  \n"
                           "# alt: Auswahl=7\n"
                           "  AUSWAHL =  3  \n"
                           "ListenName=Astra 19.2\n"
                           "\n"
                           "[Letzte]\n"
                           "x=y";

} // namespace

TEST(IniLesen, FindetSchluesselOhneRuecksichtAufGrossKlein) {
    EXPECT_EQ(IniWertAusText(VonHand, E, QStringLiteral("Auswahl")), QStringLiteral("3"));
    EXPECT_EQ(IniWertAusText(VonHand, E, QStringLiteral("auswahl")), QStringLiteral("3"));
    EXPECT_EQ(IniWertAusText(VonHand, E, QStringLiteral("listenname")), QStringLiteral("Astra 19.2"));
    EXPECT_EQ(IniWertAusText(VonHand, QStringLiteral("andere"), QStringLiteral("Auswahl")), QStringLiteral("99"));
    EXPECT_EQ(IniWertAusText(VonHand, QStringLiteral("Letzte"), QStringLiteral("X")), QStringLiteral("y"));
}

TEST(IniLesen, FehlendesGiltAlsLeer) {
    EXPECT_EQ(IniWertAusText(VonHand, E, QStringLiteral("FontName")), QString());
    EXPECT_EQ(IniWertAusText(VonHand, QStringLiteral("Nirgends"), QStringLiteral("Auswahl")), QString());
    EXPECT_EQ(IniWertAusText(QByteArray(), E, QStringLiteral("Auswahl")), QString());
    // A key outside any section does not count.
    EXPECT_EQ(IniWertAusText("Auswahl=1\r\n", E, QStringLiteral("Auswahl")), QString());
}

TEST(IniLesen, ErsterAbschnittUndErsterSchluesselZaehlen) {
    const QByteArray doppelt = "[Einstellung]\r\nA=1\r\nA=2\r\n[Einstellung]\r\nA=3\r\nB=4\r\n";
    EXPECT_EQ(IniWertAusText(doppelt, E, QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(IniWertAusText(doppelt, E, QStringLiteral("B")), QString());
}

TEST(IniLesen, AnfuehrungszeichenUmDenWertFallenWeg) {
    const QByteArray text = "[Einstellung]\nA=\" Sport \"\nB='x'\nC=\"halb\nD=\"\"\n";
    EXPECT_EQ(IniWertAusText(text, E, QStringLiteral("A")), QStringLiteral(" Sport "));
    EXPECT_EQ(IniWertAusText(text, E, QStringLiteral("B")), QStringLiteral("x"));
    EXPECT_EQ(IniWertAusText(text, E, QStringLiteral("C")), QStringLiteral("\"halb"));
    EXPECT_EQ(IniWertAusText(text, E, QStringLiteral("D")), QString());
}

TEST(IniLesen, Utf8UndWindows1252) {
    // "Öl" in UTF-8, then in Windows-1252 (D6 is no valid UTF-8 on its own).
    EXPECT_EQ(IniWertAusText("[Einstellung]\nN=\xC3\x96l\n", E, QStringLiteral("N")), QString::fromUtf8("Öl"));
    EXPECT_EQ(IniWertAusText("[Einstellung]\nN=\xD6l \x80\n", E, QStringLiteral("N")), QString::fromUtf8("Öl €"));
    // A UTF-8 sequence cut off at the end is no UTF-8: "GrÃ".
    EXPECT_EQ(IniWertAusText("[Einstellung]\nN=Gr\xC3\n", E, QStringLiteral("N")), QString::fromUtf8("GrÃ"));
    // A UTF-8 byte-order mark does not hide the first section.
    EXPECT_EQ(IniWertAusText("\xEF\xBB\xBF[Einstellung]\nN=1\n", E, QStringLiteral("N")), QStringLiteral("1"));
}

TEST(IniSchreiben, ErsetztNurDenWertUndLaesstAllesAndereStehen) {
    const auto neu = IniTextMitWert(VonHand, E, QStringLiteral("auswahl"), QStringLiteral("12"));
    ASSERT_TRUE(neu);
    QByteArray erwartet = VonHand;
    erwartet.replace("  AUSWAHL =  3  \n", "  AUSWAHL =  12\n");
    EXPECT_EQ(*neu, erwartet);
}

TEST(IniSchreiben, NeuerSchluesselKommtAnsEndeSeinesAbschnitts) {
    const auto neu = IniTextMitWert(VonHand, E, QStringLiteral("FontName"), QStringLiteral("Arial"));
    ASSERT_TRUE(neu);
    QByteArray erwartet = VonHand;
    erwartet.replace("ListenName=Astra 19.2\n", "ListenName=Astra 19.2\nFontName=Arial\n");
    EXPECT_EQ(*neu, erwartet);

    // The last section has no line end after its last line: one is added before the key.
    const auto amEnde = IniTextMitWert(VonHand, QStringLiteral("letzte"), QStringLiteral("z"), QStringLiteral("1"));
    ASSERT_TRUE(amEnde);
    EXPECT_EQ(*amEnde, VonHand + "\nz=1\n");
}

TEST(IniSchreiben, LetzteZeileMitEinzelnemCr) {
    // A lone CR ends no line for the reader: the new key must not be glued onto "a=1".
    const auto neu = IniTextMitWert("[s]\r\na=1\r", QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v"));
    ASSERT_TRUE(neu);
    EXPECT_EQ(*neu, QByteArray("[s]\r\na=1\r\r\nk=v\r\n"));
    EXPECT_EQ(IniWertAusText(*neu, QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("v"));
    EXPECT_EQ(IniWertAusText(*neu, QStringLiteral("s"), QStringLiteral("a")), QStringLiteral("1"));
}

TEST(IniSchreiben, NeuerAbschnittKommtAnsDateiende) {
    EXPECT_EQ(*IniTextMitWert(QByteArray(), E, QStringLiteral("Auswahl"), QStringLiteral("0")),
              QByteArray("[Einstellung]\r\nAuswahl=0\r\n"));
    EXPECT_EQ(*IniTextMitWert("[A]\r\nx=1", E, QStringLiteral("Auswahl"), QStringLiteral("-1")),
              QByteArray("[A]\r\nx=1\r\n[Einstellung]\r\nAuswahl=-1\r\n"));
}

TEST(IniSchreiben, LeererWertUndWerteMitRandleerzeichen) {
    const QByteArray alt = "[Einstellung]\r\nListenName=Astra\r\n";
    EXPECT_EQ(*IniTextMitWert(alt, E, QStringLiteral("ListenName"), QString()),
              QByteArray("[Einstellung]\r\nListenName=\r\n"));
    // Blanks at the ends would be lost on reading: such a value is quoted.
    const auto quoted = IniTextMitWert(alt, E, QStringLiteral("ListenName"), QStringLiteral(" Sport "));
    EXPECT_EQ(*quoted, QByteArray("[Einstellung]\r\nListenName=\" Sport \"\r\n"));
    EXPECT_EQ(IniWertAusText(*quoted, E, QStringLiteral("ListenName")), QStringLiteral(" Sport "));
    const auto inZeichen = IniTextMitWert(alt, E, QStringLiteral("ListenName"), QStringLiteral("\"Astra\""));
    EXPECT_EQ(IniWertAusText(*inZeichen, E, QStringLiteral("ListenName")), QStringLiteral("\"Astra\""));
    EXPECT_FALSE(IniTextMitWert(alt, E, QStringLiteral("ListenName"), QStringLiteral("a\nb")));
}

TEST(IniSchreiben, Windows1252WoEsPasstSonstUtf8) {
    EXPECT_EQ(*IniTextMitWert(QByteArray(), E, QStringLiteral("N"), QString::fromUtf8("Süd €")),
              QByteArray("[Einstellung]\r\nN=S\xFC"
                         "d \x80\r\n"));
    EXPECT_EQ(*IniTextMitWert(QByteArray(), E, QStringLiteral("N"), QString::fromUtf8("Жар")),
              QByteArray("[Einstellung]\r\nN=\xD0\x96\xD0\xB0\xD1\x80\r\n"));
    // "Ã¤" in Windows-1252 is C3 A4, which would read back as "ä": written as UTF-8 instead.
    const QString tueckisch = QString::fromUtf8("Ã¤");
    const auto text = IniTextMitWert(QByteArray(), E, QStringLiteral("N"), tueckisch);
    EXPECT_EQ(*text, QByteArray("[Einstellung]\r\nN=\xC3\x83\xC2\xA4\r\n"));
    EXPECT_EQ(IniWertAusText(*text, E, QStringLiteral("N")), tueckisch);
}

TEST(IniGanzzahl, NurDezimaleGanzzahlenZaehlen) {
    EXPECT_EQ(AlsGanzzahl(QStringLiteral("0")), 0);
    EXPECT_EQ(AlsGanzzahl(QStringLiteral("-1")), -1);
    EXPECT_EQ(AlsGanzzahl(QStringLiteral("+7")), 7);
    EXPECT_EQ(AlsGanzzahl(QStringLiteral(" 16711680 ")), 16711680);
    EXPECT_EQ(AlsGanzzahl(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(AlsGanzzahl(QStringLiteral("2147483648")), std::nullopt);
    for (const char* schlecht : {"", " ", "-", "+", "1.5", "1,5", "0x10", "$10", "12a", "1 2", "--1", "١٢"}) {
        EXPECT_EQ(AlsGanzzahl(QString::fromUtf8(schlecht)), std::nullopt) << schlecht;
    }
}

TEST(IniDatei, SchreibtUndLiestUeberDieDatei) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("senvio.ini"));
    EXPECT_EQ(LeseIniWert(pfad, E, QStringLiteral("Auswahl")), QString());
    EXPECT_EQ(LeseIniGanzzahl(pfad, E, QStringLiteral("Auswahl")), std::nullopt);

    ASSERT_TRUE(SchreibeIniWert(pfad, E, QStringLiteral("Auswahl"), QStringLiteral("2")));
    ASSERT_TRUE(SchreibeIniWert(pfad, E, QStringLiteral("ListenName"), QString::fromUtf8("Österreich")));
    ASSERT_TRUE(SchreibeIniWert(pfad, E, QStringLiteral("Auswahl"), QStringLiteral("-1")));
    EXPECT_EQ(Lies(pfad), QByteArray("[Einstellung]\r\nAuswahl=-1\r\nListenName=\xD6sterreich\r\n"));
    EXPECT_EQ(LeseIniGanzzahl(pfad, E, QStringLiteral("AUSWAHL")), -1);
    EXPECT_EQ(LeseIniWert(pfad, E, QStringLiteral("listenname")), QString::fromUtf8("Österreich"));

    Schreib(pfad, "[Einstellung]\r\nAuswahl=zwei\r\n");
    EXPECT_EQ(LeseIniGanzzahl(pfad, E, QStringLiteral("Auswahl")), std::nullopt);
}

TEST(IniDatei, EinFehlgeschlagenesSchreibenLaesstDieDateiStehen) {
    QTemporaryDir ordner;
    // The settings "file" is a folder: it can neither be read nor replaced.
    const QString pfad = ordner.filePath(QStringLiteral("senvio.ini"));
    ASSERT_TRUE(QDir().mkdir(pfad));
    EXPECT_FALSE(SchreibeIniWert(pfad, E, QStringLiteral("Auswahl"), QStringLiteral("1")));
    EXPECT_TRUE(QFileInfo(pfad).isDir());
    // A pipe in its place is neither read nor replaced.
    const QString rohr = ordner.filePath(QStringLiteral("rohr.ini"));
    ASSERT_EQ(mkfifo(rohr.toUtf8().constData(), 0600), 0);
    EXPECT_EQ(LeseIniWert(rohr, E, QStringLiteral("Auswahl")), QString());
    EXPECT_FALSE(SchreibeIniWert(rohr, E, QStringLiteral("Auswahl"), QStringLiteral("1")));
    EXPECT_FALSE(QFileInfo(rohr).isFile());
    // A folder that does not exist: nothing is written.
    const QString nirgends = ordner.filePath(QStringLiteral("fehlt/senvio.ini"));
    EXPECT_FALSE(SchreibeIniWert(nirgends, E, QStringLiteral("Auswahl"), QStringLiteral("1")));
    EXPECT_FALSE(QFileInfo::exists(nirgends));
}
