#include "platform/Ordner.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

static QStringList Inhalt(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(Ordner, AlleWegeHaengenAmProgrammordner) {
    const ProgrammOrdner o(u"/home/anna/Senvio"_s);
    EXPECT_EQ(o.programm, u"/home/anna/Senvio/"_s);
    EXPECT_EQ(o.einstellungen, u"/home/anna/Senvio/senvio.ini"_s);
    EXPECT_EQ(o.listen, u"/home/anna/Senvio/Senvio-Listen/"_s);
    EXPECT_EQ(o.temp, u"/home/anna/Senvio/Senvio-Listen/Temp"_s);
    EXPECT_EQ(o.senderLogos, u"/home/anna/Senvio/Senvio-Listen/Sender-Logos"_s);
    EXPECT_EQ(o.logoWurzel, u"/home/anna/Senvio/TV und Radio Sender Logos/"_s);
    EXPECT_EQ(o.hilfe, u"/home/anna/Senvio/Senvio-Hilfe.pdf"_s);
    EXPECT_EQ(ProgrammOrdner(u"/opt/senvio/"_s).programm, u"/opt/senvio/"_s); // no second "/"

    QTemporaryDir ordner;
    const QString vorher = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(ordner.path()));
    const ProgrammOrdner aktuell = ProgrammOrdner::AusArbeitsverzeichnis();
    QDir::setCurrent(vorher);
    EXPECT_EQ(aktuell.programm, QDir(ordner.path()).canonicalPath() + u'/');
}

TEST(Ordner, PruefeUndLegeOrdnerAn) {
    QTemporaryDir ordner;
    const ProgrammOrdner o(ordner.path());
    // Without the lists folder nothing is created: the program ends.
    OrdnerPruefung p = PruefeUndLegeOrdnerAn(o);
    EXPECT_TRUE(p.listenOrdnerFehlt);
    EXPECT_EQ(p.information,
              u"Verzeichnis: "_s + o.listen + u"\nist nicht vorhanden!\n\t\tDas Programm wird beendet."_s);
    EXPECT_TRUE(Inhalt(ordner.path()).isEmpty());

    // A file where Temp should go: one warning, Sender-Logos is made all the same.
    ASSERT_TRUE(QDir().mkdir(o.listen));
    Schreib(o.temp, "x");
    p = PruefeUndLegeOrdnerAn(o);
    EXPECT_EQ(p.warnungen, QStringList{u"Kann das Verzeichnis "_s + o.listen + u"Temp nicht anlegen!"_s});
    EXPECT_TRUE(QFileInfo(o.senderLogos).isDir());

    ASSERT_TRUE(QFile::remove(o.temp));
    EXPECT_TRUE(PruefeUndLegeOrdnerAn(o).warnungen.isEmpty());
    EXPECT_EQ(Inhalt(o.listen), (QStringList{u"Sender-Logos"_s, u"Temp"_s}));
}

TEST(Ordner, LoescheDateien) {
    QTemporaryDir ordner;
    const QString o = ordner.path() + u'/';
    ASSERT_TRUE(QDir().mkpath(o + u"Temp/unter/tiefer"_s));
    for (const QString& name : {u"Temp/BildNr1_1.bmp"_s, u"Temp/ohnePunkt"_s, u"Temp/.versteckt"_s,
                                u"Temp/unter/tiefer/x.txt"_s, u"Temp/Grüße ü.bmp"_s, u"BildNr1_1.bmp"_s,
                                u"bildnr2_1.BMP"_s, u"DINA4_1.bmp"_s, u"BildNr1_1.txt"_s, u"Bild.bmp"_s}) {
        Schreib(o + name, "x");
    }
    // "*.*" takes every name, with a dot or without, and folders with all they hold.
    EXPECT_TRUE(LoescheDateien(o + u"Temp/*.*"_s));
    EXPECT_TRUE(Inhalt(o + u"Temp"_s).isEmpty());
    EXPECT_TRUE(LoescheDateien(o + u"BildNr?_*.bmp"_s));
    EXPECT_TRUE(LoescheDateien(o + u"*.pdf"_s)); // nothing matches: no failure
    EXPECT_EQ(Inhalt(o), (QStringList{u"Bild.bmp"_s, u"BildNr1_1.txt"_s, u"DINA4_1.bmp"_s, u"Temp"_s}));
    EXPECT_FALSE(LoescheDateien(o + u"gibtsnicht/*.*"_s));
}

TEST(Ordner, DateiFehlerMeldungen) {
    EXPECT_EQ(DateiFehler::NichtErstellt(u"/a/b c.lis"_s).meldung(), u"Datei /a/b c.lis kann nicht erstellt werden"_s);
    EXPECT_STREQ(DateiFehler::NichtGeoeffnet(u"/x/Österreich %1.lis"_s).what(),
                 "Datei /x/Österreich %1.lis kann nicht geöffnet werden");
}
