#include "platform/Ordner.h"
#include "platform/Fehler.h"
#include "platform/Startordner.h"

#include <QTemporaryDir>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

static QStringList Inhalt(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(Ordner, AlleWegeHaengenAmProgrammordner) {
    const ProgrammOrdner o(u"/home/anna/Senvio"_s);
    const QString h = u"/home/anna/Senvio/"_s;
    EXPECT_EQ((QStringList{o.programm, o.einstellungen, o.listen, o.temp, o.senderLogos, o.logoWurzel, o.hilfe}),
              (QStringList{h, h + u"senvio.ini"_s, h + u"Senvio-Listen/"_s, h + u"Senvio-Listen/Temp"_s,
                           h + u"Senvio-Listen/Sender-Logos"_s, h + u"TV und Radio Sender Logos/"_s,
                           h + u"Senvio-Hilfe.pdf"_s}));
    EXPECT_EQ(ProgrammOrdner(u"/opt/senvio/"_s).programm, u"/opt/senvio/"_s); // no second "/"
}

// A missing lists folder and the folders made on a normal start are checked with the main window.
TEST(Ordner, PruefeUndLegeOrdnerAn) {
    QTemporaryDir ordner;
    const ProgrammOrdner o(ordner.path());
    // A file where Temp should go: one warning, Sender-Logos is made all the same.
    Schreib(o.temp, "x");
    const OrdnerPruefung p = PruefeUndLegeOrdnerAn(o);
    EXPECT_FALSE(p.listenOrdnerFehlt);
    EXPECT_EQ(p.warnungen, QStringList{u"Kann das Verzeichnis "_s + o.listen + u"Temp nicht anlegen!"_s});
    EXPECT_TRUE(QFileInfo(o.senderLogos).isDir());
}

TEST(Ordner, LoescheDateien) {
    QTemporaryDir ordner;
    const QString o = ordner.path() + u'/';
    for (const QString& name : {u"Temp/ohnePunkt"_s, u"Temp/.versteckt"_s, u"Temp/unter/x.txt"_s, u"bildnr2_1.BMP"_s,
                                u"DINA4_1.bmp"_s, u"BildNr1_1.txt"_s, u"Bild.bmp"_s})
        Schreib(o + name, "x");
    // "*.*" takes every name, with a dot or without, and folders with all they hold.
    EXPECT_TRUE(LoescheDateien(o + u"Temp/*.*"_s));
    EXPECT_TRUE(Inhalt(o + u"Temp"_s).isEmpty());
    EXPECT_TRUE(LoescheDateien(o + u"BildNr?_*.bmp"_s));
    EXPECT_TRUE(LoescheDateien(o + u"*.pdf"_s)); // nothing matches: no failure
    EXPECT_EQ(Inhalt(o), (QStringList{u"Bild.bmp"_s, u"BildNr1_1.txt"_s, u"DINA4_1.bmp"_s, u"Temp"_s}));
    EXPECT_FALSE(LoescheDateien(o + u"gibtsnicht/*.*"_s));
}

// The German texts themselves are checked where lists are read and saved.
TEST(Ordner, DateiFehlerAlsUtf8) {
    EXPECT_STREQ(DateiFehler::NichtGeoeffnet(u"/x/Österreich %1.lis"_s).what(),
                 "Datei /x/Österreich %1.lis kann nicht geöffnet werden");
}

TEST(Startordner, LeseStartaufruf) {
    using W = Startaufruf::Ordnerwahl;
    // Without arguments, with --benutzerordner or "--programmordner x" the start itself is checked.
    const std::tuple<QStringList, W, QString, QString> faelle[] = {
        {{u"--programmordner=/srv/senvio"_s}, W::Angegeben, u"/srv/senvio"_s, {}},
        {{u"--programmordner="_s}, W::Angegeben, {}, u"Der Programmordner ist leer."_s},
        {{u"--benutzerordner"_s, u"--programmordner"_s, u"x"_s},
         W::Arbeitsverzeichnis,
         {},
         u"--benutzerordner und --programmordner schließen einander aus."_s},
        {{u"liste.lis"_s}, W::Arbeitsverzeichnis, {}, u"Unerwartetes Argument \"liste.lis\"."_s}};
    for (const auto& [argumente, wahl, ordner, fehler] : faelle) {
        const Startaufruf a = LeseStartaufruf(argumente);
        EXPECT_EQ(std::tuple(a.wahl, a.ordner, a.fehler), std::tuple(wahl, ordner, fehler))
            << argumente.join(u' ').toStdString();
    }
    EXPECT_FALSE(LeseStartaufruf({u"--farbe"_s}).fehler.isEmpty());
    EXPECT_TRUE(LeseStartaufruf({u"--help"_s}).hilfe);
}

TEST(Startordner, ErsterStartLegtDenBenutzerordnerAn) {
    QTemporaryDir heim;
    const QString hilfe = heim.path() + u"/Hilfe.pdf"_s;
    Schreib(hilfe, "%PDF-1.4 Hilfe");
    const QString ziel = heim.path() + u"/Senvio"_s;

    const BenutzerordnerEinrichtung erst = RichteBenutzerordnerEin(heim.path(), hilfe);
    EXPECT_TRUE(erst.angelegt);
    EXPECT_EQ(erst.ordner, ziel);
    const QMap<QString, QByteArray> baum = Baum(ziel);
    EXPECT_EQ(baum.keys(), (QStringList{u"Senvio-Hilfe.pdf"_s, u"Senvio-Listen"_s, u"TV und Radio Sender Logos"_s,
                                        u"TV und Radio Sender Logos/Meine Logos"_s,
                                        u"TV und Radio Sender Logos/Meine Logos/Hinweis zu den Logos.txt"_s}));
    EXPECT_EQ(baum[u"Senvio-Hilfe.pdf"_s], QByteArray("%PDF-1.4 Hilfe"));
    EXPECT_EQ(Inhalt(heim.path()), (QStringList{u"Hilfe.pdf"_s, u"Senvio"_s})); // nothing left beside it

    // An empty folder is filled; without a help document there is no copy.
    ASSERT_TRUE(QDir(ziel).removeRecursively() && QDir().mkdir(ziel));
    EXPECT_TRUE(RichteBenutzerordnerEin(heim.path(), heim.path() + u"/fehlt.pdf"_s).angelegt);
    EXPECT_EQ(Inhalt(ziel), (QStringList{u"Senvio-Listen"_s, u"TV und Radio Sender Logos"_s}));
}
