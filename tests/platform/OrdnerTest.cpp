#include "platform/Ordner.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace senvio;

namespace {

void LegeDateiAn(const QString& pfad) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
    f.write("x");
}

QStringList Inhalt(const QString& ordner) {
    QStringList namen = QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    namen.sort();
    return namen;
}

} // namespace

TEST(ProgrammOrdner, AlleWegeHaengenAmProgrammordner) {
    const ProgrammOrdner o(QStringLiteral("/home/anna/Senvio"));
    EXPECT_EQ(o.programm, QStringLiteral("/home/anna/Senvio/"));
    EXPECT_EQ(o.einstellungen, QStringLiteral("/home/anna/Senvio/senvio.ini"));
    EXPECT_EQ(o.listen, QStringLiteral("/home/anna/Senvio/Senvio-Listen/"));
    EXPECT_EQ(o.temp, QStringLiteral("/home/anna/Senvio/Senvio-Listen/Temp"));
    EXPECT_EQ(o.senderLogos, QStringLiteral("/home/anna/Senvio/Senvio-Listen/Sender-Logos"));
    EXPECT_EQ(o.logoWurzel, QStringLiteral("/home/anna/Senvio/TV und Radio Sender Logos/"));
    EXPECT_EQ(o.hilfe, QStringLiteral("/home/anna/Senvio/Senvio-Hilfe.pdf"));
    EXPECT_EQ(o.ListenDatei(QString()), QStringLiteral("/home/anna/Senvio/Senvio-Listen/.lis"));
    EXPECT_EQ(o.ListenDatei(QStringLiteral(" Sport ")), QStringLiteral("/home/anna/Senvio/Senvio-Listen/ Sport .lis"));

    // A folder that already ends with "/" gets no second one; the root stays "/".
    EXPECT_EQ(ProgrammOrdner(QStringLiteral("/opt/senvio/")).programm, QStringLiteral("/opt/senvio/"));
    EXPECT_EQ(ProgrammOrdner(QStringLiteral("/")).listen, QStringLiteral("/Senvio-Listen/"));
    EXPECT_EQ(ListenOrdnerToken, QStringLiteral("ProgrammVerzeichnis\\Senvio-Listen\\"));
}

TEST(ProgrammOrdner, KommtAusDemArbeitsverzeichnis) {
    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    const ProgrammOrdner o = ProgrammOrdner::AusArbeitsverzeichnis();
    QDir::setCurrent(vorher);
    EXPECT_EQ(o.programm, QDir(ordner.path()).canonicalPath() + u'/');
}

TEST(OrdnerPruefung, OhneListenordnerWirdNichtsAngelegt) {
    QTemporaryDir ordner;
    const ProgrammOrdner o(ordner.path());
    const OrdnerPruefung p = PruefeUndLegeOrdnerAn(o);
    EXPECT_TRUE(p.listenOrdnerFehlt);
    EXPECT_EQ(p.information,
              QStringLiteral("Verzeichnis: ") + ordner.path() +
                  QStringLiteral("/Senvio-Listen/\nist nicht vorhanden!\n\t\tDas Programm wird beendet."));
    EXPECT_TRUE(p.warnungen.isEmpty());
    EXPECT_TRUE(Inhalt(ordner.path()).isEmpty());
}

TEST(OrdnerPruefung, LegtTempUndSenderLogosAn) {
    QTemporaryDir ordner;
    const ProgrammOrdner o(ordner.path());
    ASSERT_TRUE(QDir().mkdir(o.listen));
    const OrdnerPruefung p = PruefeUndLegeOrdnerAn(o);
    EXPECT_FALSE(p.listenOrdnerFehlt);
    EXPECT_TRUE(p.warnungen.isEmpty());
    EXPECT_EQ(Inhalt(o.listen), (QStringList{QStringLiteral("Sender-Logos"), QStringLiteral("Temp")}));
    // Again: the folders exist already, nothing to report.
    EXPECT_TRUE(PruefeUndLegeOrdnerAn(o).warnungen.isEmpty());
}

TEST(OrdnerPruefung, WarntWennEinOrdnerNichtAngelegtWerdenKann) {
    QTemporaryDir ordner;
    const ProgrammOrdner o(ordner.path());
    ASSERT_TRUE(QDir().mkdir(o.listen));
    LegeDateiAn(o.temp); // a file stands where the folder should go
    const OrdnerPruefung p = PruefeUndLegeOrdnerAn(o);
    EXPECT_FALSE(p.listenOrdnerFehlt);
    ASSERT_EQ(p.warnungen.size(), 1);
    EXPECT_EQ(p.warnungen[0],
              QStringLiteral("Kann das Verzeichnis ") + o.listen + QStringLiteral("Temp nicht anlegen!"));
    EXPECT_TRUE(QFileInfo(o.senderLogos).isDir());
}

TEST(LoescheDateien, SternPunktSternLoeschtAllesImOrdner) {
    QTemporaryDir ordner;
    const QString temp = ordner.filePath(QStringLiteral("Temp"));
    ASSERT_TRUE(QDir().mkpath(temp + QStringLiteral("/unter/tiefer")));
    LegeDateiAn(temp + QStringLiteral("/BildNr1_1.bmp"));
    LegeDateiAn(temp + QStringLiteral("/ohnePunkt"));
    LegeDateiAn(temp + QStringLiteral("/.versteckt"));
    LegeDateiAn(temp + QStringLiteral("/unter/tiefer/x.txt"));
    LegeDateiAn(QString::fromUtf8("%1/Grüße ü.bmp").arg(temp));
    LegeDateiAn(ordner.filePath(QStringLiteral("daneben.txt")));

    EXPECT_TRUE(LoescheDateien(temp + QStringLiteral("/*.*")));
    EXPECT_TRUE(Inhalt(temp).isEmpty());
    EXPECT_TRUE(QFileInfo(temp).isDir());
    EXPECT_TRUE(QFileInfo::exists(ordner.filePath(QStringLiteral("daneben.txt"))));
}

TEST(LoescheDateien, MaskeMitMusterOhneRuecksichtAufGrossKlein) {
    QTemporaryDir ordner;
    const QString o = ordner.path();
    for (const char* name : {"BildNr1_1.bmp", "bildnr2_1.BMP", "DINA4_1.bmp", "BildNr1_1.txt", "Bild.bmp"}) {
        LegeDateiAn(o + u'/' + QString::fromUtf8(name));
    }
    EXPECT_TRUE(LoescheDateien(o + QStringLiteral("/BildNr?_*.bmp")));
    EXPECT_EQ(Inhalt(o), (QStringList{QStringLiteral("Bild.bmp"), QStringLiteral("BildNr1_1.txt"),
                                      QStringLiteral("DINA4_1.bmp")}));
    // Nothing matches: nothing happens, and that is no failure.
    EXPECT_TRUE(LoescheDateien(o + QStringLiteral("/*.pdf")));
    EXPECT_EQ(Inhalt(o).size(), 3);
}

TEST(LoescheDateien, FehlenderOrdnerMeldetFalschOhneAbsturz) {
    QTemporaryDir ordner;
    EXPECT_FALSE(LoescheDateien(ordner.filePath(QStringLiteral("gibtsnicht/*.*"))));
}

TEST(DateiFehler, MeldungenTragenDenPfad) {
    const DateiFehler erstellt = DateiFehler::NichtErstellt(QStringLiteral("/a/b c.lis"));
    EXPECT_EQ(erstellt.meldung(), QStringLiteral("Datei /a/b c.lis kann nicht erstellt werden"));
    EXPECT_EQ(erstellt.art(), DateiFehler::Art::NichtErstellt);
    const DateiFehler geoeffnet = DateiFehler::NichtGeoeffnet(QString::fromUtf8("/x/Österreich %1.lis"));
    EXPECT_EQ(geoeffnet.meldung(), QString::fromUtf8("Datei /x/Österreich %1.lis kann nicht geöffnet werden"));
    EXPECT_STREQ(geoeffnet.what(), "Datei /x/Österreich %1.lis kann nicht geöffnet werden");
    // Both are caught as the program's general error.
    EXPECT_THROW(throw DateiFehler::NichtErstellt(QStringLiteral("x")), Fehler);
}
