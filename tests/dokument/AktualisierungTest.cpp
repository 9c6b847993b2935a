// A list made by import, worked on by the user, brought up to date with a later scan of
// the same receiver: in each of the three file formats, under each choice, without or with
// broken knowledge of its sources, taken back and made again.
#include "dokument/Aktualisierung.h"

#include "dokument/Importablauf.h"
#include "list/Zeilenformat.h"

#include "TestDateien.h"

#include <QTemporaryDir>

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

namespace {

struct Kanal {
    const char* name;
    int sid;
};

// Fifteen channels that stay as they were fill the first card; the second card holds what
// the new scan changes: RTL, SAT.1 and BR turned round, hr and KiKA renamed, 3sat gone,
// ONE come in 3sat's place.
const Kanal Vorne[] = {{"Phoenix HD", 10331},
                       {"tagesschau24 HD", 10375},
                       {"ZDFneo HD", 11130},
                       {"ZDFinfo HD", 11170},
                       {"VOX", 12060},
                       {"kabel eins", 17502},
                       {"ProSieben", 17501},
                       {"RTLZWEI", 12020},
                       {"n-tv", 12090},
                       {"WELT", 12180},
                       {"NDR FS NDS HD", 10327},
                       {"MDR Sachsen HD", 10352},
                       {"SWR BW HD", 10310},
                       {"rbb Berlin HD", 10351},
                       {"SR Fernsehen HD", 10311}};
const Kanal Erster[] = {{"Das Erste HD", 10301},
                        {"ZDF HD", 11110},
                        {"RTL", 12003},
                        {"SAT.1", 17500},
                        {"BR Fernsehen Süd HD", 10325},
                        {"hr-fernsehen HD", 10355},
                        {"WDR HD Köln", 28325},
                        {"arte HD", 10302},
                        {"3sat HD", 11150},
                        {"KiKA HD", 11160}};
const Kanal Zweiter[] = {{"Das Erste HD", 10301}, {"ZDF HD", 11110},
                         {"SAT.1", 17500},        {"BR Fernsehen Süd HD", 10325},
                         {"RTL", 12003},          {"hr-fernsehen", 10355},
                         {"WDR HD Köln", 28325},  {"arte HD", 10302},
                         {"ONE HD", 10303},       {"KiKA von ARD und ZDF HD", 11160}};

enum class Format { Bouquet, Wiedergabeliste, Kanaldatei };

// The scan as the receiver writes it; returns the file or folder to import.
QString SchreibeSuchlauf(const QString& ordner, Format format, const QList<Kanal>& kanaele) {
    QByteArray inhalt;
    for (const Kanal& k : kanaele) {
        const QByteArray name(k.name), sid = QByteArray::number(k.sid), hex = QByteArray::number(k.sid, 16);
        switch (format) {
        case Format::Bouquet:
            inhalt += "#SERVICE 1:0:19:" + hex + ":3FB:1:C00000:0:0:0:\n#DESCRIPTION " + name + "\n";
            break;
        case Format::Wiedergabeliste:
            inhalt += "#EXTINF:0," + name + "\nrtsp://192.168.178.1:554/?avm=1&freq=450&sid=" + sid + "\n";
            break;
        case Format::Kanaldatei:
            inhalt += name + ";ARD:11494:H:S19.2E:22000:5101=27:5102:5104:0:" + sid + ":1:1019:0\n";
            break;
        }
    }
    switch (format) {
    case Format::Bouquet:
        Schreib(ordner + u"/bouquets.tv"_s,
                "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.fav.tv\" ORDER BY bouquet\n");
        Schreib(ordner + u"/userbouquet.fav.tv"_s, "#NAME Favoriten\n" + inhalt);
        return ordner;
    case Format::Wiedergabeliste:
        Schreib(ordner + u"/kabel.m3u"_s, "#EXTM3U\n" + inhalt);
        return ordner + u"/kabel.m3u"_s;
    case Format::Kanaldatei:
        break;
    }
    Schreib(ordner + u"/channels.conf"_s, ":Favoriten\n" + inhalt);
    return ordner + u"/channels.conf"_s;
}

Importlisten Importiert(const QString& quelle) {
    const ImportFund fund = LeseImportquellen({quelle});
    return ImportEintraege(fund, VorgewaehlteGruppen(fund));
}

const QString Logos = u"ProgrammVerzeichnis\\Senvio-Listen\\Sender-Logos\\"_s;

// Lines 16 to 25 as "name|logo", the placeholder's number standing for its path.
QStringList Karte2(const Listendokument& dokument) {
    QStringList zeilen;
    for (qsizetype i = 15; i < dokument.Liste().Anzahl(); ++i) {
        const ZeilenTeile teile = ZerlegeZeile(dokument.Liste().Zeile(i));
        EXPECT_EQ(teile.praefix, Praefix(i + 1));
        const int platzhalter = PlatzhalterNummer(teile.logoPfad);
        zeilen << teile.name.trimmed() + u'|' +
                      (platzhalter ? QString::number(platzhalter) : teile.logoPfad.mid(Logos.size()));
    }
    return zeilen;
}

const QStringList Vorher = {u"Das Erste HD|daserste.png"_s,
                            u"ZDF HD|1"_s,
                            u"RTL|rtl.png"_s,
                            u"SAT.1|3"_s,
                            u"BR Süd|4"_s,
                            u"hr|1"_s,
                            u"WDR HD Köln|2"_s,
                            u"arte HD|3"_s,
                            u"3sat HD|4"_s,
                            u"KiKA HD|1"_s};

} // namespace

// The user's logos and names go with their entries to the numbers of the new scan; a name
// the user left as the source gave it follows the source; one step, written once.
TEST(Aktualisierung, NeuerSuchlaufInJedemFormat) {
    for (const Format format : {Format::Bouquet, Format::Wiedergabeliste, Format::Kanaldatei}) {
        SCOPED_TRACE(int(format));
        QTemporaryDir wurzel;
        ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"Senvio-Listen"_s)));
        ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"alt"_s)) && QDir().mkpath(wurzel.filePath(u"neu"_s)));
        const QList<Kanal> vorne(std::begin(Vorne), std::end(Vorne));
        const QString alt = SchreibeSuchlauf(wurzel.filePath(u"alt"_s), format,
                                             vorne + QList<Kanal>(std::begin(Erster), std::end(Erster)));
        const QString neu = SchreibeSuchlauf(wurzel.filePath(u"neu"_s), format,
                                             vorne + QList<Kanal>(std::begin(Zweiter), std::end(Zweiter)));
        const ProgrammOrdner ordner(wurzel.path());
        {
            Listendokument liste(ordner), radio(ordner);
            liste.BeginneNeu(u"Kabel"_s);
            Importiere(liste, radio, Importiert(alt), false, Speichern::Sofort);
            liste.Aendere({u"Bearbeiten"_s, Speichern::Sofort}, [](Listenaenderung& a) {
                const auto setze = [&](int zeile, const QString& name, const QString& logo) {
                    const ZeilenTeile t = ZerlegeZeile(a.Liste().Zeile(zeile));
                    a.Ersetze(zeile, BaueZeile(t.praefix, name.isEmpty() ? t.name.trimmed() : name,
                                               logo.isEmpty() ? t.logoPfad : Logos + logo));
                };
                setze(15, {}, u"daserste.png"_s);
                setze(17, {}, u"rtl.png"_s);
                setze(19, u"BR Süd"_s, {});
                setze(20, u"hr"_s, {});
            });
        }
        Listendokument liste(ordner);
        liste.LadeLetzte(u"Kabel"_s);
        ASSERT_EQ(Karte2(liste), Vorher);
        const QByteArray datei = Lies(liste.Datei());

        const Aktualisierungsbericht bericht = Aktualisiere(liste, GleicheAb(liste, Importiert(neu).liste), {});
        EXPECT_EQ(bericht.anzahl, (std::array{19, 3, 2, 1, 1}));
        EXPECT_EQ(bericht.geaenderteKarten, QList<int>{2});
        const QStringList nachher = {u"Das Erste HD|daserste.png"_s,
                                     u"ZDF HD|1"_s,
                                     u"SAT.1|3"_s,
                                     u"BR Süd|4"_s,
                                     u"RTL|rtl.png"_s,
                                     u"hr|1"_s,
                                     u"WDR HD Köln|2"_s,
                                     u"arte HD|3"_s,
                                     u"ONE HD|2"_s,
                                     u"KiKA von ARD und ZDF HD|1"_s};
        EXPECT_EQ(Karte2(liste), nachher);
        EXPECT_EQ(liste.Herkunft(24).quellname, u"KiKA von ARD und ZDF HD"_s);
        // Written with its knowledge: a second update from the same scan changes nothing.
        Listendokument wieder(ordner);
        wieder.LadeLetzte(u"Kabel"_s);
        EXPECT_EQ(Karte2(wieder), nachher);
        const QByteArray geschrieben = Lies(liste.Datei());
        const Aktualisierungsbericht nochmal = Aktualisiere(wieder, GleicheAb(wieder, Importiert(neu).liste), {});
        EXPECT_FALSE(nochmal.geaendert);
        EXPECT_EQ(nochmal.anzahl, (std::array{25, 0, 0, 0, 0}));
        EXPECT_EQ(wieder.Verlauf().count(), 0);
        EXPECT_EQ(Lies(liste.Datei()), geschrieben);

        // One step: taken back, the list, its file and the cards to print are as before.
        EXPECT_EQ(liste.Verlauf().undoText(), u"Liste aktualisieren"_s);
        ASSERT_TRUE(liste.Rueckgaengig());
        EXPECT_EQ(Karte2(liste), Vorher);
        EXPECT_EQ(Lies(liste.Datei()), datei);
        EXPECT_TRUE(liste.GeaenderteKarten().isEmpty());
        ASSERT_TRUE(liste.Wiederhole());
        EXPECT_EQ(Karte2(liste), nachher);
        EXPECT_EQ(liste.GeaenderteKarten(), QList<int>{2});
    }
}

// The other choices, and a list whose knowledge is missing or broken: then names alone
// match, and what the user renamed shows as gone and new, listed, never lost unseen.
TEST(Aktualisierung, WahlenUndListenOhneWissen) {
    QTemporaryDir wurzel;
    ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"Senvio-Listen"_s)));
    ASSERT_TRUE(QDir().mkpath(wurzel.filePath(u"alt"_s)) && QDir().mkpath(wurzel.filePath(u"neu"_s)));
    const QList<Kanal> vorne(std::begin(Vorne), std::end(Vorne));
    const QString alt = SchreibeSuchlauf(wurzel.filePath(u"alt"_s), Format::Bouquet,
                                         vorne + QList<Kanal>(std::begin(Erster), std::end(Erster)));
    const QList<ImportEintrag> neu =
        Importiert(SchreibeSuchlauf(wurzel.filePath(u"neu"_s), Format::Bouquet,
                                    vorne + QList<Kanal>(std::begin(Zweiter), std::end(Zweiter))))
            .liste;
    const ProgrammOrdner ordner(wurzel.path());
    {
        Listendokument liste(ordner), radio(ordner);
        liste.BeginneNeu(u"Kabel"_s);
        Importiere(liste, radio, Importiert(alt), false, Speichern::Sofort);
        liste.Aendere({u"Bearbeiten"_s, Speichern::Sofort}, [](Listenaenderung& a) {
            a.Ersetze(19, BaueZeile(Praefix(20), u"BR Süd"_s, Platzhalterpfad(4)));
            a.Ersetze(20, BaueZeile(Praefix(21), u"hr"_s, Platzhalterpfad(1)));
        });
    }
    const QString quellen = wurzel.filePath(u"Senvio-Listen/Kabel.quellen"_s);
    const QByteArray wissen = Lies(quellen);
    struct Fall {
        const char* name;
        QByteArray quellen; // empty: none
        Aktualisierungswahl wahl;
        std::array<int, Abgleicharten> anzahl;
        QStringList nachher;
    };
    const Fall faelle[] = {
        {"meine Reihenfolge, ohne Neue, Fehlende behalten",
         wissen,
         {Reihenfolge::Meine, NeueSender::Weglassen, FehlendeSender::Behalten},
         {22, 0, 2, 1, 1},
         {u"Das Erste HD|4"_s, u"ZDF HD|1"_s, u"RTL|2"_s, u"SAT.1|3"_s, u"BR Süd|4"_s, u"hr|1"_s, u"WDR HD Köln|2"_s,
          u"arte HD|3"_s, u"3sat HD|4"_s, u"KiKA von ARD und ZDF HD|1"_s}},
        {"Empfänger, ohne Neue: ONE lässt seine Nummer frei",
         wissen,
         {Reihenfolge::Empfaenger, NeueSender::Weglassen, FehlendeSender::Behalten},
         {19, 3, 2, 1, 1},
         {u"Das Erste HD|4"_s, u"ZDF HD|1"_s, u"SAT.1|3"_s, u"BR Süd|4"_s, u"RTL|2"_s, u"hr|1"_s, u"WDR HD Köln|2"_s,
          u"arte HD|3"_s, u"(frei)|2"_s, u"KiKA von ARD und ZDF HD|1"_s, u"3sat HD|4"_s}},
        {"ohne Wissen: nur Namen",
         {},
         {},
         {19, 2, 0, 4, 4},
         {u"Das Erste HD|4"_s, u"ZDF HD|1"_s, u"SAT.1|3"_s, u"BR Fernsehen Süd HD|2"_s, u"RTL|2"_s, u"hr-fernsehen|3"_s,
          u"WDR HD Köln|2"_s, u"arte HD|3"_s, u"ONE HD|4"_s, u"KiKA von ARD und ZDF HD|1"_s}},
        {"kaputtes Wissen: wie ohne",
         "Senvio-Quellen 9\nBR Süd\tTV\t1:0:19:2819:3FB:1:C00000:0:0:0:\n",
         {},
         {19, 2, 0, 4, 4},
         {u"Das Erste HD|4"_s, u"ZDF HD|1"_s, u"SAT.1|3"_s, u"BR Fernsehen Süd HD|2"_s, u"RTL|2"_s, u"hr-fernsehen|3"_s,
          u"WDR HD Köln|2"_s, u"arte HD|3"_s, u"ONE HD|4"_s, u"KiKA von ARD und ZDF HD|1"_s}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        if (f.quellen.isEmpty())
            QFile::remove(quellen);
        else
            Schreib(quellen, f.quellen);
        Listendokument liste(ordner);
        liste.LadeLetzte(u"Kabel"_s);
        EXPECT_EQ(liste.Quellenhinweis().isEmpty(),
                  f.quellen != "Senvio-Quellen 9\nBR Süd\tTV\t1:0:19:2819:3FB:1:C00000:0:0:0:\n");
        const Aktualisierung plan =
            PlaneAktualisierung(GleicheAb(liste, neu), f.wahl, liste.Umgebung().platzhalterzaehler);
        EXPECT_EQ(plan.anzahl, f.anzahl);
        liste.Aendere({u"Plan"_s},
                      [&](Listenaenderung& a) { a.Aendere([&](SenderListe& l) { l.SetzeZeilen(plan.zeilen); }); });
        EXPECT_EQ(Karte2(liste), f.nachher);
    }
}
