#include "list/ListenDatei.h"
#include "list/Zeilenformat.h"
#include "platform/Einstellungen.h"
#include "view/PngBild.h"

#include <QTemporaryDir>
#include <set>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

std::pair<int, QString> StarteDemo(const QStringList& argumente) {
    const Programmlauf lauf = StarteProgramm(QStringLiteral(SENVIO_DEMO_PROGRAMM), argumente);
    return {lauf.rueckgabe, lauf.fehler};
}

// Hidden entries too, in code-unit order whatever the locale.
QStringList Eintraege(const QString& ordner, const QStringList& filter = {}) {
    return QDir(ordner).entryList(filter, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

TEST(DemoOrdner, GruppenListeUndEinstellungen) {
    QTemporaryDir eltern;
    ASSERT_TRUE(eltern.isValid());
    const auto [rueckgabe, meldung] = StarteDemo({eltern.filePath(QStringLiteral("demo"))});
    ASSERT_EQ(rueckgabe, 0) << meldung.toStdString();
    EXPECT_EQ(Eintraege(eltern.path()), QStringList{QStringLiteral("demo")}); // no building site left beside it
    const QString demo = eltern.filePath(QStringLiteral("demo/"));

    const QString gruppen = demo + QStringLiteral("TV und Radio Sender Logos/");
    EXPECT_EQ(Eintraege(gruppen), QStringList({QStringLiteral("Privatsender"), QStringLiteral("Radio"),
                                               QStringLiteral("Regional"), QStringLiteral("Öffentlich-Rechtlich")}));
    for (const QString& gruppe : Eintraege(gruppen)) {
        const QStringList logos = Eintraege(gruppen + gruppe, {QStringLiteral("*.png")});
        EXPECT_GE(logos.size(), 8) << gruppe.toStdString();
        for (const QString& logo : logos) {
            EXPECT_FALSE(LesePngDatei(gruppen + gruppe + u'/' + logo).isNull()) << logo.toStdString();
        }
    }

    SenderListe liste;
    LeseListendatei(demo + QStringLiteral("Senvio-Listen/Meine Astra Liste.lis"), liste);
    ASSERT_EQ(liste.Anzahl(), 15);
    const QString senderLogos = QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\");
    EXPECT_EQ(liste.Zeile(3),
              QStringLiteral("    4   = Südblick #png#") + senderLogos + QStringLiteral("Südblick.png"));
    std::set<int> platzhalter;
    for (const QString& zeile : liste.Zeilen()) {
        const QString pfad = ZerlegeZeile(zeile).logoPfad;
        if (const int k = PlatzhalterNummer(pfad); k > 0) {
            EXPECT_EQ(pfad, QStringLiteral("Ohne Logo%1.png").arg(k));
            platzhalter.insert(k);
        } else {
            EXPECT_TRUE(pfad.startsWith(senderLogos)) << zeile.toStdString();
            EXPECT_FALSE(LesePngDatei(LoeseLogoPfadAuf(pfad, demo).datei).isNull()) << zeile.toStdString();
        }
    }
    EXPECT_EQ(platzhalter, (std::set<int>{1, 2, 3, 4}));

    EXPECT_EQ(
        LeseIniWert(demo + QStringLiteral("senvio.ini"), QStringLiteral("Einstellung"), QStringLiteral("ListenName")),
        QStringLiteral("Meine Astra Liste"));

    // The help document that F1 opens: the one the build set (checked in HilfeTest).
    EXPECT_EQ(Lies(demo + QStringLiteral("Senvio-Hilfe.pdf")), Lies(QStringLiteral(SENVIO_HILFE_PDF)));
}

TEST(DemoOrdner, VerweigertVollenOrdnerUndDatei) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString voll = dir.filePath(QStringLiteral("voll"));
    const QString datei = dir.filePath(QStringLiteral("datei"));
    ASSERT_TRUE(QDir().mkpath(voll));
    Schreib(voll + QStringLiteral("/.versteckt"), "x");
    Schreib(datei, "x");
    for (const auto& [ziel, erwartet] : {std::pair(voll, "ist nicht leer"), std::pair(datei, "kein Ordner")}) {
        const auto [rueckgabe, meldung] = StarteDemo({ziel});
        EXPECT_EQ(rueckgabe, 1);
        EXPECT_TRUE(meldung.contains(QString::fromUtf8(erwartet))) << meldung.toStdString();
    }
    EXPECT_EQ(StarteDemo({}).first, 1);
    EXPECT_EQ(Eintraege(voll), QStringList{QStringLiteral(".versteckt")});
}
