#include "list/Zeilenformat.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace senvio;

TEST(Zeilenformat, PraefixeNachStellenzahl) {
    EXPECT_EQ(Praefix(1), QStringLiteral("    1   = "));
    EXPECT_EQ(Praefix(9), QStringLiteral("    9   = "));
    EXPECT_EQ(Praefix(10), QStringLiteral("  10   = "));
    EXPECT_EQ(Praefix(99), QStringLiteral("  99   = "));
    EXPECT_EQ(Praefix(100), QStringLiteral("  100 = "));
    EXPECT_EQ(Praefix(12345), QStringLiteral("  12345 = "));
    EXPECT_EQ(VorlaeufigerPraefix(7), QStringLiteral("  7 = "));
    EXPECT_EQ(VorlaeufigerPraefix(42), QStringLiteral("  42 = "));
}

TEST(Zeilenformat, ZerlegtEineGeschriebeneZeile) {
    const ZeilenTeile t = ZerlegeZeile(QStringLiteral("  12   = Das Erste HD #png#Ohne Logo2.png"));
    EXPECT_TRUE(t.hatTrenner);
    EXPECT_EQ(t.praefix, QStringLiteral("  12   = "));
    EXPECT_EQ(t.kopf, QStringLiteral("  12   = Das Erste HD "));
    EXPECT_EQ(t.name, QStringLiteral("Das Erste HD"));
    EXPECT_EQ(t.logoPfad, QStringLiteral("Ohne Logo2.png"));
}

TEST(Zeilenformat, ZerlegtGrenzfaelle) {
    // Empty name and empty logo path.
    ZeilenTeile t = ZerlegeZeile(QStringLiteral("    3   =  #png#"));
    EXPECT_EQ(t.kopf, QStringLiteral("    3   =  "));
    EXPECT_EQ(t.name, QString());
    EXPECT_EQ(t.logoPfad, QString());

    // Only the first separator counts; the rest belongs to the path.
    t = ZerlegeZeile(QStringLiteral("    1   = A #png#x #png#y"));
    EXPECT_EQ(t.name, QStringLiteral("A"));
    EXPECT_EQ(t.logoPfad, QStringLiteral("x #png#y"));

    // A name containing "= " stays whole behind the prefix.
    t = ZerlegeZeile(QStringLiteral("    2   = A = B #png#b.png"));
    EXPECT_EQ(t.praefix, QStringLiteral("    2   = "));
    EXPECT_EQ(t.name, QStringLiteral("A = B"));

    // No prefix: the name starts at the beginning.
    t = ZerlegeZeile(QStringLiteral("ARD #png#ard.png"));
    EXPECT_EQ(t.praefix, QString());
    EXPECT_EQ(t.name, QStringLiteral("ARD"));
    EXPECT_EQ(t.kopf, QStringLiteral("ARD "));

    // A "= " only inside the logo path does not make a prefix reach into the path.
    t = ZerlegeZeile(QStringLiteral("ARD #png#a= b.png"));
    EXPECT_EQ(t.praefix, QString());
    EXPECT_EQ(t.name, QStringLiteral("ARD"));
    EXPECT_EQ(t.logoPfad, QStringLiteral("a= b.png"));
    // Nor does one whose blank is the separator's own.
    t = ZerlegeZeile(QStringLiteral("A= #png#x"));
    EXPECT_EQ(PraefixLaenge(QStringLiteral("A= #png#x")), 0);
    EXPECT_EQ(t.name, QStringLiteral("A="));

    // A line without separator is a name without logo.
    t = ZerlegeZeile(QStringLiteral("    5   = Nur Text"));
    EXPECT_FALSE(t.hatTrenner);
    EXPECT_EQ(t.kopf, QStringLiteral("    5   = Nur Text"));
    EXPECT_EQ(t.name, QStringLiteral("Nur Text"));
    EXPECT_EQ(t.logoPfad, QString());

    // Case matters for the separator.
    EXPECT_FALSE(ZerlegeZeile(QStringLiteral("A #PNG#x")).hatTrenner);
}

TEST(Zeilenformat, BautZeilenUndWechseltNurDasLogo) {
    EXPECT_EQ(BaueZeile(QStringLiteral("    4   = "), QStringLiteral("ZDF"), PlatzhalterPfad(3)),
              QStringLiteral("    4   = ZDF #png#Ohne Logo3.png"));

    const QString zeile = QStringLiteral("    1   = ARD #png#Ohne Logo1.png");
    const QString neu =
        MitNeuemLogo(zeile, QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\ard.png"));
    EXPECT_EQ(neu, QStringLiteral("    1   = ARD #png#ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\ard.png"));
    EXPECT_EQ(MitNeuemLogo(neu, QStringLiteral("b.png")), QStringLiteral("    1   = ARD #png#b.png"));
    EXPECT_EQ(MitNeuemLogo(QStringLiteral("    2   = Text"), QStringLiteral("c.png")),
              QStringLiteral("    2   = Text #png#c.png"));
}

TEST(Zeilenformat, PlatzhalterNummerInJederSchreibweise) {
    EXPECT_EQ(PlatzhalterPfad(1), QStringLiteral("Ohne Logo1.png"));
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("Ohne Logo1.png")), 1);
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("OHNE LOGO4.PNG")), 4);
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("oHnE lOgO2.png")), 2);
    // The highest matching digit wins.
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("ohne logo3 ohne logo1")), 3);
    // "ohne logo" without a digit 1 to 4 after it, and no "ohne logo" at all: 0.
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("Ohne Logo.png")), 0);
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("Ohne Logo5.png")), 0);
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("zdf.png")), 0);
    EXPECT_EQ(PlatzhalterNummer(QStringLiteral("Ohne  Logo1.png")), 0);
    EXPECT_TRUE(IstPlatzhalterPfad(QStringLiteral("OHNE LOGO.png")));
    EXPECT_FALSE(IstPlatzhalterPfad(QStringLiteral("ohnelogo1.png")));
}

class LogoAufloesung : public ::testing::Test {
protected:
    void SetUp() override {
        programm = ordner.path() + u'/';
        ASSERT_TRUE(QDir().mkpath(programm + QStringLiteral("Senvio-Listen/Sender-Logos")));
        LegeAn(programm + QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png"));
    }
    static void LegeAn(const QString& pfad) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir ordner;
    QString programm;
};

TEST_F(LogoAufloesung, TokenWirdZumProgrammordner) {
    const auto a =
        LoeseLogoPfadAuf(QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\zdf.png"), programm);
    EXPECT_EQ(a.datei, programm + QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png"));
    EXPECT_TRUE(a.vorhanden);
    EXPECT_EQ(a.platzhalter, 0);
}

TEST_F(LogoAufloesung, FehlendeDateiZeigtPlatzhalter) {
    auto a = LoeseLogoPfadAuf(QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\ard.png"), programm);
    EXPECT_FALSE(a.vorhanden);
    EXPECT_EQ(a.platzhalter, 0);

    a = LoeseLogoPfadAuf(QStringLiteral("OHNE LOGO4.PNG"), programm);
    EXPECT_EQ(a.datei, programm + QStringLiteral("OHNE LOGO4.PNG"));
    EXPECT_FALSE(a.vorhanden);
    EXPECT_EQ(a.platzhalter, 4);

    a = LoeseLogoPfadAuf(QString(), programm);
    EXPECT_FALSE(a.vorhanden);
    EXPECT_EQ(a.platzhalter, 0);

    // A folder is no logo file.
    a = LoeseLogoPfadAuf(QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos"), programm);
    EXPECT_FALSE(a.vorhanden);
}

TEST_F(LogoAufloesung, RelativeUndAbsolutePfade) {
    // A file named like placeholder 2 in the program folder is shown instead of the placeholder.
    LegeAn(programm + QStringLiteral("Ohne Logo2.png"));
    auto a = LoeseLogoPfadAuf(QStringLiteral("Ohne Logo2.png"), programm);
    EXPECT_TRUE(a.vorhanden);
    EXPECT_EQ(a.platzhalter, 2);

    // Backslashes of a stored relative path become slashes.
    a = LoeseLogoPfadAuf(QStringLiteral("Senvio-Listen\\Sender-Logos\\zdf.png"), programm);
    EXPECT_EQ(a.datei, programm + QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png"));
    EXPECT_TRUE(a.vorhanden);

    const QString absolut = programm + QStringLiteral("Senvio-Listen/Sender-Logos/zdf.png");
    a = LoeseLogoPfadAuf(absolut, QStringLiteral("/anderswo/"));
    EXPECT_EQ(a.datei, absolut);
    EXPECT_TRUE(a.vorhanden);
}
