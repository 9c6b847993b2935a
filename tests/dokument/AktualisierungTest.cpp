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

// "name=service id|…". Fifteen channels that stay as they were fill the first card; the
// second card holds what the new scan changes: RTL, SAT.1 and BR turned round, hr and KiKA
// renamed, 3sat gone, ONE come in 3sat's place.
const QString Vorne = u"Phoenix HD=10331|tagesschau24 HD=10375|ZDFneo HD=11130|ZDFinfo HD=11170|VOX=12060|"
                      u"kabel eins=17502|ProSieben=17501|RTLZWEI=12020|n-tv=12090|WELT=12180|NDR FS NDS HD=10327|"
                      u"MDR Sachsen HD=10352|SWR BW HD=10310|rbb Berlin HD=10351|SR Fernsehen HD=10311|"_s;
const QString Erster = Vorne + u"Das Erste HD=10301|ZDF HD=11110|RTL=12003|SAT.1=17500|BR Fernsehen Süd HD=10325|"
                               u"hr-fernsehen HD=10355|WDR HD Köln=28325|arte HD=10302|3sat HD=11150|KiKA HD=11160"_s;
const QString Zweiter = Vorne + u"Das Erste HD=10301|ZDF HD=11110|SAT.1=17500|BR Fernsehen Süd HD=10325|RTL=12003|"
                                u"hr-fernsehen=10355|WDR HD Köln=28325|arte HD=10302|ONE HD=10303|"
                                u"KiKA von ARD und ZDF HD=11160"_s;

enum class Format { Bouquet, Wiedergabeliste, Kanaldatei };

// The scan as the receiver writes it; returns the file or folder to import.
QString SchreibeSuchlauf(const QString& ordner, Format format, const QString& kanaele) {
    QDir().mkpath(ordner);
    QByteArray inhalt;
    for (const QString& kanal : kanaele.split(u'|')) {
        const QByteArray name = kanal.section(u'=', 0, 0).toUtf8(), sid = kanal.section(u'=', 1).toLatin1(),
                         hex = QByteArray::number(sid.toInt(), 16);
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

// The list "Kabel" imported from the first scan, and the user's work on it: logos picked for
// Das Erste and RTL, BR and hr renamed. Returns the later scan to update it with.
QString LegeListeAn(const QTemporaryDir& wurzel, Format format) {
    QDir().mkpath(wurzel.filePath(u"Senvio-Listen"_s));
    const ProgrammOrdner ordner(wurzel.path());
    Listendokument liste(ordner), radio(ordner);
    liste.BeginneNeu(u"Kabel"_s);
    Importiere(liste, radio, Importiert(SchreibeSuchlauf(wurzel.filePath(u"alt"_s), format, Erster)), false,
               Speichern::Sofort);
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
    return SchreibeSuchlauf(wurzel.filePath(u"neu"_s), format, Zweiter);
}

// Lines 16 on as "name|logo", the placeholder's number standing for its path.
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

const QStringList Vorher = u"Das Erste HD|daserste.png,ZDF HD|1,RTL|rtl.png,SAT.1|3,BR Süd|4,hr|1,WDR HD Köln|2,"
                           u"arte HD|3,3sat HD|4,KiKA HD|1"_s.split(u',');

} // namespace

// The user's logos and names go with their entries to the numbers of the new scan; a name
// the user left as the source gave it follows the source; one step, written once.
TEST(Aktualisierung, NeuerSuchlaufInJedemFormat) {
    for (const Format format : {Format::Bouquet, Format::Wiedergabeliste, Format::Kanaldatei}) {
        SCOPED_TRACE(int(format));
        QTemporaryDir wurzel;
        const QString neu = LegeListeAn(wurzel, format);
        const ProgrammOrdner ordner(wurzel.path());
        Listendokument liste(ordner);
        liste.LadeLetzte(u"Kabel"_s);
        ASSERT_EQ(Karte2(liste), Vorher);
        const QByteArray datei = Lies(liste.Datei());
        const QByteArray quellendatei = Lies(QuellendateiZu(liste.Datei()));
        const Quellenwahl quellenVorher = liste.GemerkteQuellen();
        const Quellenwahl neueQuellen{{neu}, {{u"Kabel"_s, false}}};

        const Aktualisierungsbericht bericht =
            Aktualisiere(liste, GleicheAb(liste, Importiert(neu).liste), {}, neueQuellen);
        EXPECT_EQ(bericht.anzahl, (std::array{19, 3, 2, 1, 1}));
        EXPECT_EQ(bericht.geaenderteKarten, QList<int>{2});
        const QStringList nachher = u"Das Erste HD|daserste.png,ZDF HD|1,SAT.1|3,BR Süd|4,RTL|rtl.png,hr|1,"
                                    u"WDR HD Köln|2,arte HD|3,ONE HD|2,KiKA von ARD und ZDF HD|1"_s.split(u',');
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

        // One step: taken back, the list, its files, the sources it remembers and the cards to
        // print are as before.
        EXPECT_EQ(liste.Verlauf().undoText(), u"Liste aktualisieren"_s);
        EXPECT_EQ(liste.GemerkteQuellen(), neueQuellen);
        ASSERT_TRUE(liste.Rueckgaengig());
        EXPECT_EQ(Karte2(liste), Vorher);
        EXPECT_EQ(Lies(liste.Datei()), datei);
        EXPECT_EQ(Lies(QuellendateiZu(liste.Datei())), quellendatei);
        EXPECT_EQ(liste.GemerkteQuellen(), quellenVorher);
        EXPECT_TRUE(liste.GeaenderteKarten().isEmpty());
        ASSERT_TRUE(liste.Wiederhole());
        EXPECT_EQ(liste.GemerkteQuellen(), neueQuellen);
        EXPECT_EQ(Karte2(liste), nachher);
        EXPECT_EQ(liste.GeaenderteKarten(), QList<int>{2});
    }
}

// The other choices, and a list whose knowledge is missing or broken: then names alone
// match, and what the user renamed shows as gone and new, listed, never lost unseen.
TEST(Aktualisierung, WahlenUndListenOhneWissen) {
    QTemporaryDir wurzel;
    const QList<ImportEintrag> neu = Importiert(LegeListeAn(wurzel, Format::Bouquet)).liste;
    const QString quellen = wurzel.filePath(u"Senvio-Listen/Kabel.quellen"_s);
    const QByteArray wissen = Lies(quellen), kaputt = "Senvio-Quellen 9\nBR Süd\tTV\t1:0:19:2819:3FB:1:C00000:0:0:0:\n";
    const QString nurNamen = u"Das Erste HD|daserste.png,ZDF HD|1,SAT.1|3,BR Fernsehen Süd HD|2,RTL|rtl.png,"
                             u"hr-fernsehen|3,WDR HD Köln|2,arte HD|3,ONE HD|4,KiKA von ARD und ZDF HD|1"_s;
    struct Fall {
        QByteArray quellen; // empty: none
        Aktualisierungswahl wahl;
        std::array<int, Abgleicharten> anzahl;
        QString nachher;
    };
    const Fall faelle[] = {
        {wissen,
         {Reihenfolge::Meine, NeueSender::Weglassen, FehlendeSender::Behalten},
         {22, 0, 2, 1, 1},
         u"Das Erste HD|daserste.png,ZDF HD|1,RTL|rtl.png,SAT.1|3,BR Süd|4,hr|1,WDR HD Köln|2,arte HD|3,3sat HD|4,"
         u"KiKA von ARD und ZDF HD|1"_s},
        // ONE left out leaves its number free; 3sat kept goes to the end.
        {wissen,
         {Reihenfolge::Empfaenger, NeueSender::Weglassen, FehlendeSender::Behalten},
         {19, 3, 2, 1, 1},
         u"Das Erste HD|daserste.png,ZDF HD|1,SAT.1|3,BR Süd|4,RTL|rtl.png,hr|1,WDR HD Köln|2,arte HD|3,(frei)|2,"
         u"KiKA von ARD und ZDF HD|1,3sat HD|4"_s},
        {{}, {}, {19, 2, 0, 4, 4}, nurNamen},
        {kaputt, {}, {19, 2, 0, 4, 4}, nurNamen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.nachher.toStdString());
        if (f.quellen.isEmpty())
            QFile::remove(quellen);
        else
            Schreib(quellen, f.quellen);
        Listendokument liste{ProgrammOrdner(wurzel.path())};
        liste.LadeLetzte(u"Kabel"_s);
        EXPECT_EQ(liste.Quellenhinweis().isEmpty(), f.quellen != kaputt);
        const Aktualisierung plan =
            PlaneAktualisierung(GleicheAb(liste, neu), f.wahl, liste.Umgebung().platzhalterzaehler);
        EXPECT_EQ(plan.anzahl, f.anzahl);
        liste.Aendere({u"Plan"_s}, [&](Listenaenderung& a) {
            a.AendereZeilen([&](SenderListe& l) { l.SetzeZeilen(plan.zeilen); });
        });
        EXPECT_EQ(Karte2(liste), f.nachher.split(u','));
    }
}

namespace {

// The channels an update takes: the list's own kind, told by what its entries know of their
// sources ("R" radio, "T" TV, "r" radio known by the source's name alone, "-" nothing), by
// its name where they know nothing, and always the TV list when the import has no radio apart.
TEST(Aktualisierung, KanaeleFuerDieArtDerListe) {
    const struct Fall {
        const char* was;
        QString name;
        QString eintraege;
        bool radioApart;
        bool radioErwartet;
    } faelle[] = {
        {"ohne Radio für sich", u"Kabel Radio"_s, u"RRR"_s, false, false},
        {"mehr Radio", u"Kabel"_s, u"RRT"_s, true, true},
        {"mehr TV", u"Kabel Radio"_s, u"RTT"_s, true, false},
        {"gleich viele", u"Kabel"_s, u"RT"_s, true, false},
        {"nur der Name der Quelle", u"Kabel"_s, u"r--"_s, true, true},
        {"Einträge ohne Wissen zählen nicht", u"Kabel"_s, u"R---"_s, true, true},
        {"ohne Wissen, Radio im Namen", u"Kabel Radio"_s, u"---"_s, true, true},
        {"ohne Wissen, kein Radio im Namen", u"Kabel"_s, u"---"_s, true, false},
        {"leer, Radio im Namen", u"Kabel Radio"_s, QString(), true, true},
    };
    QTemporaryDir wurzel;
    const ProgrammOrdner ordner(wurzel.path());
    Importlisten listen;
    listen.liste = {{u"Das Erste"_s, {}, u"1"_s, false}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        listen.radio =
            fall.radioApart ? QList<ImportEintrag>{{u"Bayern 1"_s, {}, u"2"_s, true}} : QList<ImportEintrag>();
        Listendokument dokument(ordner);
        dokument.BeginneNeu(fall.name);
        dokument.Aendere({}, [&](Listenaenderung& a) {
            for (int i = 0; i < fall.eintraege.size(); ++i) {
                const QChar art = fall.eintraege[i];
                a.HaengeAn(u"    %1   = Sender %1 #png#"_s.arg(i + 1));
                if (art != u'-')
                    a.SetzeHerkunft(
                        i, {art == u'r' ? QString() : u"ref%1"_s.arg(i), {}, u"Sender"_s, art.toUpper() == u'R', {}});
            }
        });
        EXPECT_EQ(&KanaeleFuer(dokument, listen), fall.radioErwartet ? &listen.radio : &listen.liste);
    }
}

} // namespace

// What an update would add and take away, under the choices: of 4 stations ZDF stays and 5
// news channels come, so 3 go and 5 come, both too many for the list.
TEST(Aktualisierung, UmfangDerAenderung) {
    QTemporaryDir wurzel;
    Listendokument liste{ProgrammOrdner(wurzel.path())};
    QList<ImportEintrag> alt{{u"Das Erste HD"_s, {}, u"1:283D:3FB:1:C00000"_s, false}, {u"(frei)"_s, {}, {}, false}};
    for (const char* name : {"ZDF HD", "3sat HD", "arte HD"})
        alt.append({QString::fromLatin1(name), {}, QString::fromLatin1(name), false});
    HaengeImportAn(liste, alt, Speichern::Spaeter);
    QList<ImportEintrag> scan{alt[2]};
    for (const char* name : {"n-tv", "WELT", "euronews", "CNN", "BBC World"})
        scan.append({QString::fromLatin1(name), {}, QString::fromLatin1(name), false});
    const Abgleich abgleich = GleicheAb(liste, scan);
    const Aenderungsumfang umfang = UmfangDerAktualisierung(abgleich, {});
    EXPECT_EQ(std::tuple(umfang.hinzu, umfang.weg, umfang.bisher, umfang.gross), std::tuple(5, 3, 4, true));
    const Aenderungsumfang sanft =
        UmfangDerAktualisierung(abgleich, {Reihenfolge::Empfaenger, NeueSender::Weglassen, FehlendeSender::Behalten});
    EXPECT_EQ(std::tuple(sanft.hinzu, sanft.weg, sanft.gross), std::tuple(0, 0, false));
}

// A scan of 10,001 channels whose last is the list's only entry: in the receiver's order the
// 10,000 numbers before it would each become "(frei)". The list keeps the import's limit.
TEST(Aktualisierung, LueckenBleibenInDerGrenzeDesImports) {
    QList<ImportEintrag> kanaele;
    for (int i = 1; i <= 10000; ++i)
        kanaele.append({u"Sender %1"_s.arg(i), {}, u"1:0:1:%1:3FB:1:C00000:0:0:0:"_s.arg(i, 0, 16), false});
    kanaele.append({u"Bayerisches Fernsehen Süd HD"_s, {}, u"1:0:19:2855:3FB:1:C00000:0:0:0:"_s, false});
    const QStringList zeilen{u"    1   = Bayerisches Fernsehen Süd HD #png#br.png"_s};
    const Aktualisierung plan = PlaneAktualisierung(GleicheAb(zeilen, QList<Eintragsherkunft>(1), kanaele),
                                                    {Reihenfolge::Empfaenger, NeueSender::Weglassen}, 0);
    EXPECT_EQ(plan.zeilen, zeilen);
    EXPECT_EQ(plan.hinweis,
              u"Die Nummern des Empfängers haben zu große Lücken; die Liste wird ohne Lücken nummeriert."_s);
}

TEST(Aktualisierung, GeaenderteKartenAlsBereiche) {
    QList<int> viele{1, 2, 3, 7, 9, 10, 12};
    for (int karte = 14; karte <= 80; karte += 2)
        viele << karte;
    const std::pair<QList<int>, QString> faelle[] = {
        {{4}, u"Geändert: Karte 4"_s},
        {{2, 5, 6}, u"Geändert: Karten 2, 5, 6"_s},
        {{1, 2, 3, 7, 12, 13, 14, 15}, u"Geändert: Karten 1–3, 7, 12–15"_s},
        // Five items for the seven cards before 14, then 15 of the 34 even cards 14…80: 19 are left.
        {viele, u"Geändert: Karten 1–3, 7, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42 … "
                u"und 19 weitere"_s},
    };
    for (const auto& [karten, text] : faelle)
        EXPECT_EQ(KartenText(karten), text);
}
