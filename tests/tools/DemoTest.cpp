#include "list/Listendatei.h"
#include "list/Zeilenformat.h"
#include "platform/Einstellungen.h"
#include "view/PngBild.h"

#include <QTemporaryDir>
#include <set>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

namespace {

const QString Demo = QStringLiteral(SENVIO_DEMO_PROGRAMM);

// Hidden entries too, in code-unit order whatever the locale.
QStringList Eintraege(const QString& ordner, const QStringList& filter = {}) {
    return QDir(ordner).entryList(filter, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(DemoOrdner, GruppenListeUndEinstellungen) {
    QTemporaryDir eltern;
    const Programmlauf lauf = StarteProgramm(Demo, {eltern.filePath(u"demo"_s)});
    ASSERT_EQ(lauf.rueckgabe, 0) << lauf.fehler.toStdString();
    EXPECT_EQ(Eintraege(eltern.path()), QStringList{u"demo"_s}); // no building site left beside it
    const QString demo = eltern.filePath(u"demo/"_s);

    const QString gruppen = demo + u"TV und Radio Sender Logos/"_s;
    EXPECT_EQ(Eintraege(gruppen),
              (QStringList{u"Privatsender"_s, u"Radio"_s, u"Regional"_s, u"Öffentlich-Rechtlich"_s}));
    for (const QString& gruppe : Eintraege(gruppen)) {
        const QStringList logos = Eintraege(gruppen + gruppe, {u"*.png"_s});
        EXPECT_GE(logos.size(), 8) << gruppe.toStdString();
        for (const QString& logo : logos)
            EXPECT_FALSE(LesePngDatei(gruppen + gruppe + u'/' + logo).isNull()) << logo.toStdString();
    }

    SenderListe liste;
    LeseListendatei(demo + u"Senvio-Listen/Meine Astra Liste.lis"_s, liste);
    ASSERT_EQ(liste.Anzahl(), 15);
    const QString senderLogos = u"ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\"_s;
    EXPECT_EQ(liste.Zeile(3), u"    4   = Südblick #png#"_s + senderLogos + u"Südblick.png"_s);
    std::set<int> platzhalter;
    for (const QString& zeile : liste.Zeilen()) {
        const QString pfad = ZerlegeZeile(zeile).logoPfad;
        if (const int k = PlatzhalterNummer(pfad); k > 0) {
            EXPECT_EQ(pfad, u"Ohne Logo%1.png"_s.arg(k));
            platzhalter.insert(k);
        } else {
            EXPECT_TRUE(pfad.startsWith(senderLogos)) << zeile.toStdString();
            EXPECT_FALSE(LesePngDatei(LoeseLogopfadAuf(pfad, demo).datei).isNull()) << zeile.toStdString();
        }
    }
    EXPECT_EQ(platzhalter, (std::set<int>{1, 2, 3, 4}));

    EXPECT_EQ(LeseIniWert(demo + u"senvio.ini"_s, u"Einstellung"_s, u"ListenName"_s), u"Meine Astra Liste"_s);
    // The help document that F1 opens: the one the build set (checked in HilfeTest).
    EXPECT_EQ(Lies(demo + u"Senvio-Hilfe.pdf"_s), Lies(QStringLiteral(SENVIO_HILFE_PDF)));
}

TEST(DemoOrdner, VerweigertVollenOrdnerUndDatei) {
    QTemporaryDir dir;
    const QString voll = dir.filePath(u"voll"_s);
    const QString datei = dir.filePath(u"datei"_s);
    Schreib(voll + u"/.versteckt"_s, "x");
    Schreib(datei, "x");
    for (const auto& [ziel, erwartet] : {std::pair(voll, u"ist nicht leer"_s), std::pair(datei, u"kein Ordner"_s)}) {
        const Programmlauf lauf = StarteProgramm(Demo, {ziel});
        EXPECT_EQ(lauf.rueckgabe, 1);
        EXPECT_TRUE(lauf.fehler.contains(erwartet)) << lauf.fehler.toStdString();
    }
    EXPECT_EQ(StarteProgramm(Demo, {}).rueckgabe, 1);
    EXPECT_EQ(Eintraege(voll), QStringList{u".versteckt"_s});
}
