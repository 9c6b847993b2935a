// Fetching from a box: the three kinds against recorded answers, every fault with its message.
#include "empfang/Empfaenger.h"
#include "empfang/Empfangsvermerk.h"
#include "import/Import.h"

#include <QNetworkAccessManager>
#include <QTemporaryDir>

#include "TestDateien.h"
#include "Testbox.h"

using namespace senvio;
using namespace senvio::test;
using namespace Qt::StringLiterals;

namespace {

// Records every address a request is made to, before anything is sent.
class AufzeichnendesNetz : public QNetworkAccessManager {
public:
    QStringList hosts;

protected:
    QNetworkReply* createRequest(Operation op, const QNetworkRequest& anfrage, QIODevice* daten) override {
        hosts << anfrage.url().host();
        return QNetworkAccessManager::createRequest(op, anfrage, daten);
    }
};

QStringList EmpfangNamen(const QList<ImportEintrag>& eintraege) {
    QStringList namen;
    for (const ImportEintrag& e : eintraege)
        namen << e.name + u'<' + e.referenz + u'>';
    return namen;
}

const QByteArray PngKopf = "\x89PNG\r\n\x1a\n";

} // namespace

TEST(Empfang, Enigma2GibtDieListeWieDieDateienAufDerPlatte) {
    QTemporaryDir ordner;
    const QMap<QString, QByteArray> satz = Bouquetsatz();
    for (auto d = satz.begin(); d != satz.end(); ++d)
        Schreib(ordner.filePath(d.key()), d.value());
    const ImportFund platte = LeseImportquellen({ordner.path()});
    const Importlisten erwartet = ImportEintraege(platte, VorgewaehlteGruppen(platte));
    ASSERT_EQ(EmpfangNamen(erwartet.liste),
              (QStringList{u"Das Erste HD<1:283D:3FB:1:C00000>"_s, u"ZDF HD<1:2B66:3F3:1:C00000>"_s, u"(frei)<>"_s,
                           u"BR Fernsehen Süd HD<1:6F:D:85:C00000>"_s}));
    ASSERT_EQ(EmpfangNamen(erwartet.radio), QStringList{u"Bayern 1<1:6E0D:445:1:C00000>"_s});

    // Through the file download, with login; the second box refuses it and has the JSON interface.
    Testbox dateien, schnittstelle;
    ServiereBouquetsatz(dateien);
    dateien.VerlangeAnmeldung("root", "dreambox");
    schnittstelle.Setze(u"/file?file=/etc/enigma2/bouquets.tv"_s, {403, "verboten", {}, {}, -1});
    const QByteArray tv = R"x("1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"userbouquet.favourites.tv\" ORDER BY bouquet")x";
    schnittstelle.Setze(u"/api/bouquets"_s, R"x({"bouquets": [[)x" + tv + R"x(, "Favoriten (TV)"]]})x");
    schnittstelle.Setze(
        QString::fromUtf8("/api/getservices?sRef=" + tv.mid(1).chopped(1).replace("\\", "")),
        R"x({"services": [{"servicereference": "1:0:19:283D:3FB:1:C00000:0:0:0:", "servicename": )x"
        R"x("Das Erste HD", "pos": 1}, {"servicereference": "1:0:19:2B66:3F3:1:C00000:0:0:0:", )x"
        R"x("servicename": "ZDF HD"}, {"servicereference": "1:832:D:0:0:0:0:0:0:0:", "servicename": ""},)x"
        R"x({"servicereference": "1:0:19:6F:D:85:C00000:0:0:0:", "servicename": "BR Fernsehen Süd HD"}]})x");
    for (Testbox* box : {&dateien, &schnittstelle}) {
        const Empfangsfund e = HoleSenderliste({box->Adresse(), Empfaengerart::Enigma2, u"root"_s, u"dreambox"_s});
        const Importlisten listen = ImportEintraege(e.fund, VorgewaehlteGruppen(e.fund));
        EXPECT_EQ(listen.liste, erwartet.liste);
        // The interface of this box names no radio bouquets: its radio is skipped.
        EXPECT_EQ(listen.radio, box == &dateien ? erwartet.radio : QList<ImportEintrag>());
    }

    // Picons only for the channels taken into the list; each name of the service tried in turn.
    dateien.Setze(u"/picon/1_0_1_283D_3FB_1_C00000_0_0_0.png"_s, PngKopf + "Das Erste");
    dateien.Setze(u"/picon/1_0_19_6F_D_85_C00000_0_0_0.png"_s, "<html>kein Bild</html>");
    const Empfangsziel ziel{dateien.Adresse(), Empfaengerart::Enigma2, u"root"_s, u"dreambox"_s};
    EXPECT_EQ(HoleLogos(ziel, HoleSenderliste(ziel), {u"1:283D:3FB:1:C00000"_s, u"1:6F:D:85:C00000"_s}).keys(),
              QStringList{u"1:283D:3FB:1:C00000"_s});
    EXPECT_EQ(
        dateien.Anfragen().filter(u"/picon/"_s),
        (QStringList{u"/picon/1_0_19_283D_3FB_1_C00000_0_0_0.png"_s, u"/picon/1_0_1_283D_3FB_1_C00000_0_0_0.png"_s,
                     u"/picon/1_0_19_6F_D_85_C00000_0_0_0.png"_s, u"/picon/1_0_1_6F_D_85_C00000_0_0_0.png"_s}));
}

TEST(Empfang, RouterUndTvheadend) {
    Testbox router, tvheadend;
    router.Setze(u"/dvb/m3u/tvhd.m3u"_s,
                 "#EXTM3U\n#EXTINF:0,Das Erste HD\n#EXTVLCOPT:network-caching=1000\n"
                 "rtsp://fritz.box:554/?avm=1&freq=450&pids=0,16,5100\n"
                 "#EXTINF:0,WDR HD K\xC3\xB6ln\nrtsp://fritz.box:554/?avm=1&freq=346&pids=0,16,5500\n");
    router.Setze(u"/dvb/m3u/radio.m3u"_s, "#EXTM3U\n#EXTINF:0,NDR 2 Niedersachsen\nrtsp://fritz.box:554/?freq=434\n");
    const Empfangsfund r = HoleSenderliste({router.Adresse(), Empfaengerart::Router, {}, {}});
    EXPECT_EQ(GruppenUebersicht(r.fund), (QStringList{u"tvhd.m3u: 2 TV, 0 Radio"_s, u"radio.m3u: 0 TV, 1 Radio"_s}));

    // Detected among the kinds; a logo elsewhere is never asked for.
    tvheadend.Setze(
        u"/api/channel/grid?limit=100000"_s,
        R"x({"entries": [{"uuid": "a1", "name": "ZDF HD", "number": 2, "icon_public_url": "imagecache/7"},)x"
        R"x({"uuid": "b2", "name": "Das Erste HD", "number": 1, "icon_public_url": "http://192.0.2.7/1.png"},)x"
        R"x({"uuid": "c3", "name": "Alt", "number": 3, "enabled": false}], "total": 3})x");
    tvheadend.Setze(u"/imagecache/7"_s, PngKopf + "ZDF");
    AufzeichnendesNetz netz;
    const Empfangsziel ziel{tvheadend.Adresse(), Empfaengerart::Automatisch, {}, {}};
    const Empfangsfund t = HoleSenderliste(ziel, {}, &netz);
    EXPECT_EQ(t.art, Empfaengerart::Tvheadend);
    EXPECT_EQ(EmpfangNamen(ImportEintraege(t.fund, {true}).liste),
              (QStringList{u"Das Erste HD<tvheadend:b2>"_s, u"ZDF HD<tvheadend:a1>"_s}));
    EXPECT_EQ(HoleLogos(ziel, t, {u"tvheadend:a1"_s, u"tvheadend:b2"_s}, {}, &netz).keys(),
              QStringList{u"tvheadend:a1"_s});
    netz.hosts.removeDuplicates();
    EXPECT_EQ(netz.hosts, QStringList{u"127.0.0.1"_s});
    EXPECT_EQ(router.FremdeHosts() + tvheadend.FremdeHosts(), 0);
}

TEST(Empfang, JederFehlerMitSeinerMeldung) {
    struct Fall {
        Empfaengerart art;
        QString pfad;
        Testbox::Antwort antwort;
        QString benutzer, passwort;
        QString meldung; // %1: the box's address
    };
    const QByteArray anmeldeseite = "<!DOCTYPE html><html><head><title>Anmeldung</title></head></html>";
    const QString tvhd = u"/dvb/m3u/tvhd.m3u"_s;
    const Fall faelle[] = {
        {Empfaengerart::Enigma2, {}, {}, u"root"_s, u"falsch"_s, u"Benutzername oder Passwort falsch."_s},
        {Empfaengerart::Enigma2, {}, {}, {}, {}, u"%1 verlangt einen Benutzernamen und ein Passwort."_s},
        {Empfaengerart::Router,
         tvhd,
         {500, "Fehler", {}, {}, -1},
         {},
         {},
         u"%1 antwortet auf /dvb/m3u/tvhd.m3u mit dem Fehler 500 (Internal Server Error)."_s},
        {Empfaengerart::Enigma2,
         u"/file?file=/etc/enigma2/bouquets.tv"_s,
         {200, anmeldeseite, {}, {}, -1},
         {},
         {},
         u"%1 hat statt der Datei bouquets.tv eine Webseite geschickt, vielleicht eine Anmeldeseite. Ist die richtige Art des Geräts gewählt, und erlaubt es den Abruf?"_s},
        {Empfaengerart::Router,
         tvhd,
         {200, "\n", {}, {}, -1},
         {},
         {},
         u"%1 hat auf die Frage nach tvhd.m3u eine leere Antwort geschickt."_s},
        {Empfaengerart::Router,
         tvhd,
         {302, {}, "Location: http://192.0.2.1:9981/dvb/m3u/tvhd.m3u\r\n", {}, -1},
         {},
         {},
         u"%1 leitet die Anfrage an 192.0.2.1:9981 weiter. Senvio fragt keinen anderen Rechner als den angegebenen."_s},
        {Empfaengerart::Router,
         tvhd,
         {200, "#EXTM3U\n", {}, Testbox::Verhalten::Stockt, -1},
         {},
         {},
         u"Die Übertragung von %1 ist ins Stocken geraten; der Abruf wurde nach 0,3 Sekunden ohne Daten abgebrochen."_s},
        {Empfaengerart::Router,
         tvhd,
         {200, "#EXTM3U\n", {}, Testbox::Verhalten::Stockt, (qint64(64) << 20) + 1},
         {},
         {},
         u"Die Antwort von %1 ist größer als 64 MiB; der Abruf wurde abgebrochen."_s},
        {Empfaengerart::Automatisch,
         {},
         {},
         {},
         {},
         u"Unter %1 antwortet weder ein Enigma2-Receiver noch ein Kabel-Router noch ein tvheadend-Server. Wählen Sie die Art des Geräts, dann nennt Senvio den genauen Fehler."_s},
        {Empfaengerart::Router,
         {},
         {},
         {},
         {},
         u"%1 lehnt die Verbindung ab. Stimmen Adresse und Port, und ist der Receiver eingeschaltet?"_s},
        // Once the real wait: a box that takes the connection and says nothing.
        {Empfaengerart::Router, tvhd, {200, {}, {}, Testbox::Verhalten::Still, -1}, {}, {}, u"Keine Antwort von %1."_s},
    };
    for (const Fall& fall : faelle) {
        Testbox box;
        if (fall.meldung.contains(u"Passwort"_s)) {
            ServiereBouquetsatz(box);
            box.VerlangeAnmeldung("root", "dreambox");
        }
        box.Setze(fall.pfad, fall.antwort);
        // Nobody listens on port 1.
        const QString adresse = fall.meldung.contains(u"lehnt"_s) ? u"127.0.0.1:1"_s : box.Adresse();
        Empfangsziel ziel{adresse, fall.art, fall.benutzer, fall.passwort};
        ziel.wartezeit = fall.meldung.startsWith(u"Keine"_s) ? 5000 : 300;
        AufzeichnendesNetz netz;
        try {
            HoleSenderliste(ziel, {}, &netz);
            ADD_FAILURE() << fall.meldung.toStdString();
        } catch (const Abruffehler& f) {
            EXPECT_EQ(f.meldung(), QString(fall.meldung).replace(u"%1"_s, adresse));
        }
        EXPECT_EQ(netz.hosts.filter(u"127.0.0.1"_s).size(), netz.hosts.size());
    }
}

// tvheadend's playlist: its numbers kept, a logo only for the channels asked for and on the box.
// The channel grid gives other references: a list that came by it is updated by it first.
TEST(Empfang, TvheadendsWiedergabelisteUndDerGemerkteWeg) {
    Testbox box;
    const QByteArray kanal = "http://" + box.Adresse().toUtf8() + "/stream/channel/", bild = kanal.chopped(15);
    box.Setze(u"/playlist/channels.m3u"_s,
              "#EXTM3U\n#EXTINF:-1 tvg-logo=\"" + bild + "imagecache/1\" tvg-chno=\"1\",Das Erste HD\n" + kanal +
                  "b2?ticket=9F\n#EXTINF:-1 tvg-logo=\"http://192.0.2.7/2.png\" tvg-chno=\"2\",ZDF HD\n" + kanal +
                  "a1?ticket=9F\n#EXTINF:-1 tvg-logo=\"" + bild + "imagecache/5\" tvg-chno=\"5\",arte HD\n" + kanal +
                  "c3\n");
    box.Setze(u"/api/channel/grid?limit=100000"_s, R"x({"entries": [{"uuid": "b2", "name": "Das Erste HD"}]})x");
    for (const char* n : {"/imagecache/1", "/imagecache/5"})
        box.Setze(QString::fromLatin1(n), PngKopf + n);
    Receiverabruf abruf{{box.Adresse(), Empfaengerart::Tvheadend, {}, {}}, {}};
    abruf.fund = HoleSenderliste(abruf.ziel);
    EXPECT_EQ(EmpfangNamen(ImportEintraege(abruf.fund.fund, {true}).liste),
              (QStringList{u"Das Erste HD<"_s + kanal + u"b2>"_s, u"ZDF HD<"_s + kanal + u"a1>"_s, u"(frei)<>"_s,
                           u"(frei)<>"_s, u"arte HD<"_s + kanal + u"c3>"_s}));
    EXPECT_EQ(HoleLogos(abruf.ziel, abruf.fund, {kanal + u"b2"_s, kanal + u"a1"_s}).keys(),
              QStringList{kanal + u"b2"_s});
    EXPECT_EQ(box.Anfragen(), (QStringList{u"/playlist/channels.m3u"_s, u"/imagecache/1"_s}));

    // Came by the grid: remembered in lines older versions pass over, asked that way again.
    QTemporaryDir ordner;
    abruf.fund.weg = Tvheadendweg::Kanalraster;
    SchreibeQuellen(ordner.filePath(u"Box.quellen"_s), {}, {}, MitReceiver({}, &abruf));
    EXPECT_EQ(Lies(ordner.filePath(u"Box.quellen"_s)),
              "Senvio-Quellen 1\nReceiver\ttvheadend\t" + box.Adresse().toUtf8() + "\nReceiverweg\tKanalraster\n");
    const Quellenwahl gemerkt = LeseQuellen(ordner.filePath(u"Box.quellen"_s), {}).wahl;
    const Empfangsfund raster = HoleSenderliste(ZielDesReceivers(gemerkt.receiver));
    EXPECT_EQ(EmpfangNamen(ImportEintraege(raster.fund, {true}).liste), QStringList{u"Das Erste HD<tvheadend:b2>"_s});
    EXPECT_EQ(box.Anfragen().mid(2), QStringList{u"/api/channel/grid?limit=100000"_s});
}

TEST(Empfang, AdressenWieEingegeben) {
    EXPECT_EQ(LeseEmpfaengeradresse(u" dreambox:8080/"_s, 80).toString(), u"http://dreambox:8080"_s);
    EXPECT_EQ(LeseEmpfaengeradresse(u"HTTPS://[fd00::5]/tvh/"_s, 9981).toString(), u"https://[fd00::5]/tvh"_s);
    for (const QString& falsch : {u""_s, u"ftp://box"_s, u"root:pw@box"_s})
        EXPECT_THROW(LeseEmpfaengeradresse(falsch, 80), Abruffehler) << falsch.toStdString();
}
