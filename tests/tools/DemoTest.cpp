#include "list/ListenDatei.h"
#include "list/Zeilenformat.h"
#include "platform/Einstellungen.h"
#include "view/PngBild.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

struct Lauf {
    int rueckgabe = -1;
    QString fehlerausgabe;
};

Lauf StarteDemo(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(SENVIO_DEMO_PROGRAMM), argumente);
    Lauf lauf;
    if (p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit) {
        lauf.rueckgabe = p.exitCode();
    }
    lauf.fehlerausgabe = QString::fromUtf8(p.readAllStandardError());
    return lauf;
}

// The folder's entries in code-unit order, the same under every locale.
QStringList Eintraege(const QString& ordner) {
    QStringList namen = QDir(ordner).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
    std::sort(namen.begin(), namen.end());
    return namen;
}

const QString Gruppen = QStringLiteral("TV und Radio Sender Logos/");
const QString LogoToken = QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\");

// One demo folder for all cases that only read it: the generator draws forty logos.
class DemoOrdner : public testing::Test {
protected:
    static void SetUpTestSuite() {
        eltern = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(eltern->isValid());
        lauf = StarteDemo({eltern->filePath(QStringLiteral("demo"))});
    }
    static void TearDownTestSuite() { eltern.reset(); }
    void SetUp() override { ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehlerausgabe.toStdString(); }

    static QString Pfad(const QString& relativ) { return eltern->filePath(QStringLiteral("demo/") + relativ); }

    static inline std::unique_ptr<QTemporaryDir> eltern;
    static inline Lauf lauf;
};

} // namespace

TEST_F(DemoOrdner, NurDerZielordnerEntsteht) {
    EXPECT_EQ(Eintraege(eltern->path()), QStringList{QStringLiteral("demo")});
    EXPECT_EQ(Eintraege(Pfad({})),
              QStringList({QStringLiteral("Senvio-Listen"), QStringLiteral("TV und Radio Sender Logos"),
                           QStringLiteral("senvio.ini")}));
}

TEST_F(DemoOrdner, VierGruppenMitLesbarenLogos) {
    EXPECT_EQ(Eintraege(Pfad(Gruppen)),
              QStringList({QStringLiteral("Privatsender"), QStringLiteral("Radio"), QStringLiteral("Regional"),
                           QStringLiteral("Öffentlich-Rechtlich")}));
    bool breit = false, quadratisch = false, hoch = false;
    for (const QString& gruppe : Eintraege(Pfad(Gruppen))) {
        const QStringList logos = QDir(Pfad(Gruppen + gruppe)).entryList({QStringLiteral("*.png")}, QDir::Files);
        EXPECT_GE(logos.size(), 8) << gruppe.toStdString();
        EXPECT_LE(logos.size(), 16) << gruppe.toStdString();
        for (const QString& logo : logos) {
            const QImage bild = LesePngDatei(Pfad(Gruppen + gruppe + u'/' + logo));
            ASSERT_FALSE(bild.isNull()) << logo.toStdString();
            breit = breit || bild.width() >= 2 * bild.height();
            quadratisch = quadratisch || bild.width() == bild.height();
            hoch = hoch || bild.height() > bild.width();
        }
    }
    EXPECT_TRUE(breit && quadratisch && hoch);
    EXPECT_FALSE(LesePngDatei(Pfad(Gruppen + QStringLiteral("Privatsender/Sport Plus.png"))).isNull());
}

TEST_F(DemoOrdner, ListeMitLogosUndPlatzhaltern) {
    const QString datei = Pfad(QStringLiteral("Senvio-Listen/Meine Astra Liste.lis"));
    SenderListe liste;
    LeseListendatei(datei, liste);
    ASSERT_EQ(liste.Anzahl(), 15);
    EXPECT_FALSE(liste.IstUnicode());
    EXPECT_TRUE(liste.Zeile(0).startsWith(QStringLiteral("    1   = ")));
    EXPECT_TRUE(liste.Zeile(9).startsWith(QStringLiteral("  10   = ")));

    // Windows-1252 with CR LF after every line: "ü" of Südblick is the byte FC.
    const QByteArray bytes = Lies(datei);
    EXPECT_EQ(bytes.count("\r\n"), 15);
    EXPECT_EQ(bytes.count('\n'), 15);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.contains("= S\xFC"
                               "dblick #png#"));

    std::set<int> platzhalter;
    int logos = 0;
    for (const QString& zeile : liste.Zeilen()) {
        const ZeilenTeile t = ZerlegeZeile(zeile);
        ASSERT_TRUE(t.hatTrenner) << zeile.toStdString();
        EXPECT_FALSE(t.name.isEmpty());
        if (t.logoPfad.startsWith(LogoToken)) {
            const AufgeloestesLogo logo = LoeseLogoPfadAuf(t.logoPfad, Pfad({}));
            EXPECT_EQ(logo.datei,
                      Pfad(QStringLiteral("Senvio-Listen/Sender-Logos/")) + t.logoPfad.mid(LogoToken.size()));
            EXPECT_TRUE(logo.vorhanden) << zeile.toStdString();
            EXPECT_FALSE(LesePngDatei(logo.datei).isNull()) << zeile.toStdString();
            ++logos;
        } else {
            const int k = PlatzhalterNummer(t.logoPfad);
            EXPECT_EQ(t.logoPfad, QStringLiteral("Ohne Logo%1.png").arg(k)) << zeile.toStdString();
            platzhalter.insert(k);
        }
    }
    EXPECT_EQ(logos, 11);
    EXPECT_EQ(platzhalter, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(Eintraege(Pfad(QStringLiteral("Senvio-Listen/Sender-Logos"))).size(), 11);
}

TEST_F(DemoOrdner, SendernamenUndEinstellungen) {
    const QByteArray namen = Lies(Pfad(QStringLiteral("Senvio-Listen/Sendernamen.txt")));
    EXPECT_TRUE(namen.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(namen.count("\r\n"), 30);
    EXPECT_TRUE(namen.contains("\r\nTanzfl\xC3\xA4"
                               "che TV\r\n"));

    const QString ini = Pfad(QStringLiteral("senvio.ini"));
    EXPECT_EQ(LeseIniWert(ini, QStringLiteral("Einstellung"), QStringLiteral("ListenName")),
              QStringLiteral("Meine Astra Liste"));
    EXPECT_EQ(LeseIniGanzzahl(ini, QStringLiteral("Einstellung"), QStringLiteral("Auswahl")), 0);
}

TEST(DemoAufruf, VerweigertVolleOrdnerUndDateien) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString voll = dir.filePath(QStringLiteral("voll"));
    ASSERT_TRUE(QDir().mkpath(voll));
    Schreib(voll + QStringLiteral("/.versteckt"), "x");
    Lauf lauf = StarteDemo({voll});
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_TRUE(lauf.fehlerausgabe.contains(QStringLiteral("nicht leer"))) << lauf.fehlerausgabe.toStdString();
    EXPECT_EQ(Eintraege(voll), QStringList{QStringLiteral(".versteckt")});

    const QString datei = dir.filePath(QStringLiteral("datei"));
    Schreib(datei, "x");
    lauf = StarteDemo({datei});
    EXPECT_EQ(lauf.rueckgabe, 1);
    EXPECT_TRUE(lauf.fehlerausgabe.contains(QStringLiteral("kein Ordner"))) << lauf.fehlerausgabe.toStdString();
    EXPECT_EQ(Lies(datei), "x");

    EXPECT_EQ(StarteDemo({}).rueckgabe, 1);
    EXPECT_EQ(Eintraege(dir.path()), QStringList({QStringLiteral("datei"), QStringLiteral("voll")}));
}

TEST(DemoAufruf, FuelltEinenLeerenOrdner) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString leer = dir.filePath(QStringLiteral("leer"));
    ASSERT_TRUE(QDir().mkpath(leer));
    const Lauf lauf = StarteDemo({leer});
    EXPECT_EQ(lauf.rueckgabe, 0) << lauf.fehlerausgabe.toStdString();
    EXPECT_TRUE(QFileInfo(leer + QStringLiteral("/Senvio-Listen/Meine Astra Liste.lis")).isFile());
    EXPECT_EQ(Eintraege(dir.path()), QStringList{QStringLiteral("leer")});
}
