#include "list/Zeilenformat.h"

#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Zeilenformat, ZerlegeZeile) {
    // line, prefix, head, name, logo path, separator found
    const std::tuple<QString, QString, QString, QString, QString, bool> faelle[] = {
        {u"  12   = ARD #png#a.png"_s, u"  12   = "_s, u"  12   = ARD "_s, u"ARD"_s, u"a.png"_s, true},
        {u"    3   =  #png#"_s, u"    3   = "_s, u"    3   =  "_s, {}, {}, true},
        {u"  1 = A #png#x #png#y"_s, u"  1 = "_s, u"  1 = A "_s, u"A"_s, u"x #png#y"_s, true},
        {u"  2 = A = B #png#b"_s, u"  2 = "_s, u"  2 = A = B "_s, u"A = B"_s, u"b"_s, true},
        // A "= " inside the logo path, or one whose blank is the separator's, makes no prefix.
        {u"ARD #png#a= b.png"_s, {}, u"ARD "_s, u"ARD"_s, u"a= b.png"_s, true},
        {u"A= #png#x"_s, {}, u"A= "_s, u"A="_s, u"x"_s, true},
        // Without separator (which is case-sensitive) a line is a name without logo.
        {u"  5 = Nur Text"_s, u"  5 = "_s, u"  5 = Nur Text"_s, u"Nur Text"_s, {}, false},
        {u"A #PNG#x"_s, {}, u"A #PNG#x"_s, u"A #PNG#x"_s, {}, false},
    };
    for (const auto& [zeile, praefix, kopf, name, logoPfad, hatTrenner] : faelle) {
        const ZeilenTeile t = ZerlegeZeile(zeile);
        EXPECT_EQ(std::tuple(t.praefix, t.kopf, t.name, t.logoPfad, t.hatTrenner),
                  std::tuple(praefix, kopf, name, logoPfad, hatTrenner));
    }
}

// A name holds no separator once made single-line: its line parses back to it.
TEST(Zeilenformat, NameMitTrennerZerlegtSeineZeileNicht) {
    const QString namen[] = {u"Kanal #png#/etc/passwd"_s, u"#png#Sport1"_s, u" #png#png#\n"_s};
    const QString zurueck[] = {u"Kanal # png #/etc/passwd"_s, u"# png #Sport1"_s, u"# png # png #"_s};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ZerlegeZeile(BaueZeile(Praefix(2), MacheEinzeilig(namen[i]), u"x.png"_s)).name, zurueck[i]);
}

// The prefixes of the numbers are checked where the list is renumbered.
TEST(Zeilenformat, PraefixeZeilenUndNeuesLogo) {
    EXPECT_EQ(VorlaeufigerPraefix(7), u"  7 = "_s);
    EXPECT_EQ(BaueZeile(u"    4   = "_s, u"ZDF"_s, Platzhalterpfad(3)), u"    4   = ZDF #png#Ohne Logo3.png"_s);
    const QString neu = MitNeuemLogo(u"    1   = ARD #png#Ohne Logo1.png"_s, u"L\\ard.png"_s);
    EXPECT_EQ(neu, u"    1   = ARD #png#L\\ard.png"_s);
    EXPECT_EQ(MitNeuemLogo(u"    2   = Text"_s, u"c.png"_s), u"    2   = Text #png#c.png"_s);
}

// A line made with its final prefix at once is the line the renumbering would give it.
TEST(Zeilenformat, NummerierteZeileUndIhrPraefix) {
    const std::tuple<qsizetype, QString> faelle[] = {
        {1, u"    1   = ZDF #png#Ohne Logo1.png"_s}, {9, u"    9   = ZDF #png#Ohne Logo1.png"_s},
        {10, u"  10   = ZDF #png#Ohne Logo1.png"_s}, {99, u"  99   = ZDF #png#Ohne Logo1.png"_s},
        {100, u"  100 = ZDF #png#Ohne Logo1.png"_s}, {12345, u"  12345 = ZDF #png#Ohne Logo1.png"_s},
    };
    for (const auto& [n, zeile] : faelle) {
        EXPECT_EQ(BaueNummerierteZeile(n, u"ZDF", u"Ohne Logo1.png"), zeile);
        EXPECT_EQ(Praefix(n), zeile.first(zeile.indexOf(u"ZDF")));
        EXPECT_TRUE(HatPraefix(zeile, n));
        EXPECT_FALSE(HatPraefix(zeile, n + 1));
        EXPECT_EQ(FindeTrenner(zeile), zeile.indexOf(u" #png#"));
    }
    // The separator takes the prefix's last blank: that line has no prefix to keep.
    EXPECT_FALSE(HatPraefix(u"    8   = #png#x", 8));
    EXPECT_EQ(PraefixLaenge(u"    8   = #png#x"), 0);
    EXPECT_EQ(FindeTrenner(u"#png# #png# #png#"), 5);
    EXPECT_EQ(FindeTrenner(u"A #pn"), -1);
}

TEST(Zeilenformat, PlatzhalterNummerInJederSchreibweise) {
    const std::tuple<QString, int, bool> faelle[] = {
        {u"Ohne Logo1.png"_s, 1, true},   {u"OHNE LOGO4.PNG"_s, 4, true}, {u"ohne logo3 ohne logo1"_s, 3, true},
        {u"Ohne Logo.png"_s, 0, true},    {u"Ohne Logo5.png"_s, 0, true}, {u"zdf.png"_s, 0, false},
        {u"Ohne  Logo1.png"_s, 0, false},
    };
    for (const auto& [pfad, nummer, platzhalter] : faelle)
        EXPECT_EQ(std::tuple(PlatzhalterNummer(pfad), IstPlatzhalterpfad(pfad)), std::tuple(nummer, platzhalter))
            << pfad.toStdString();
}

TEST(Zeilenformat, LogopfadAufloesen) {
    QTemporaryDir ordner;
    const QString programm = ordner.path() + u'/';
    test::Schreib(programm + u"Logos/zdf.png"_s, "x");
    test::Schreib(programm + u"Ohne Logo2.png"_s, "x"); // shown instead of placeholder 2
    const std::tuple<QString, QString, bool, int> faelle[] = {
        // stored path, file below the program folder, whether it exists, placeholder
        {u"ProgrammVerzeichnis\\Logos\\zdf.png"_s, u"Logos/zdf.png"_s, true, 0},
        {u"ProgrammVerzeichnis\\Logos"_s, u"Logos"_s, false, 0},
        {u"Logos\\zdf.png"_s, u"Logos/zdf.png"_s, true, 0},
        {u"OHNE LOGO4.PNG"_s, u"OHNE LOGO4.PNG"_s, false, 4},
        {u"Ohne Logo2.png"_s, u"Ohne Logo2.png"_s, true, 2},
    };
    for (const auto& [logoPfad, datei, vorhanden, platzhalter] : faelle) {
        const AufgeloestesLogo a = LoeseLogopfadAuf(logoPfad, programm);
        EXPECT_EQ(std::tuple(a.datei, a.vorhanden, a.platzhalter), std::tuple(programm + datei, vorhanden, platzhalter))
            << logoPfad.toStdString();
    }
    const AufgeloestesLogo absolut = LoeseLogopfadAuf(programm + u"Logos/zdf.png"_s, u"/anderswo/"_s);
    EXPECT_EQ(absolut.datei, programm + u"Logos/zdf.png"_s);
    EXPECT_TRUE(absolut.vorhanden);
}
