// The readers of bouquet sets, playlists, recorder channel files and reference lists on
// small files written by hand, what an import makes of a find, and how reading fails.
#include "import/Import.h"
#include "import/Bouquets.h"
#include "import/Kanaldatei.h"
#include "import/Piconname.h"
#include "import/Referenzliste.h"
#include "import/Wiedergabeliste.h"

#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "Fehlermeldung.h"
#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

ImportGruppe Gruppe(QString name, bool radio, int anzahl, QString datei = {}) {
    return {std::move(name), radio, anzahl, datei, !datei.isEmpty(), true};
}

ImportSender Sender(QString name, int nummer, QList<int> gruppen, bool platzhalter = false, QString referenz = {}) {
    return {std::move(name), platzhalter, nummer, std::move(referenz), {}, {}, std::move(gruppen)};
}

using Dateien = QMap<QString, QByteArray>;

// The groups as "Name/Anzahl" (" R" for radio), the channels as "Name@Gruppe" ("P" for a placeholder).
QStringList KurzeListe(const ImportFund& f) {
    QStringList kurz;
    for (const ImportGruppe& g : f.gruppen)
        kurz << g.name + u'/' + QString::number(g.anzahl) + (g.radio ? u" R"_s : u""_s);
    for (const ImportSender& s : f.sender)
        kurz << (s.platzhalter ? u"P"_s : s.name) + u'@' + QString::number(s.gruppen.value(0, -1));
    return kurz;
}

ImportFund Lies(const Dateien& dateien, BouquetWahl wahl) {
    return LeseBouquets(wahl, [&](const QString& name) {
        return dateien.contains(name) ? std::optional(dateien[name]) : std::nullopt;
    });
}

QByteArray Verweis(const char* datei, int flags = 7) {
    return "#SERVICE 1:" + QByteArray::number(flags) + ":1:0:0:0:0:0:0:0:FROM BOUQUET \"" + datei +
           "\" ORDER BY bouquet\r\n";
}

const QByteArray lamedb = "eDVB services /4/\n"
                          "transponders\n00c00000:000b:0001\n\ts 11836500:27500000:1:3:192:2:0\n/\nend\n"
                          "services\n000a:00c00000:000b:0001:1:0\nKanal \xC2\x86Zwei\xC2\x87\np:Sender\n"
                          "000c:00c00000:000d:0002:1:0\nMusik Drei\np:\nend\n";

// Groups as "name=count" (radio ones "R:name=count"), then "|number name <reference>
// {logo} [logo keys] @group..." per channel.
std::string Kurz(const ImportFund& f) {
    QString t;
    for (const ImportGruppe& g : f.gruppen)
        t += (g.radio ? "R:" : "") + g.name + "=" + QString::number(g.anzahl) + " ";
    for (const ImportSender& s : f.sender) {
        t += "|" + QString::number(s.nummer) + " " + s.name + " <" + s.referenz + ">";
        t += s.logo.isEmpty() ? QString() : " {" + s.logo + "}";
        t += s.logoSchluessel.isEmpty() ? QString() : " [" + s.logoSchluessel.join(' ') + "]";
        for (const int g : s.gruppen)
            t += " @" + QString::number(g);
    }
    return t.toStdString();
}

struct Fall {
    ImportFund (*lies)(const QByteArray&, const QString&);
    const char* datei;
    QByteArray bytes;
    const char* erwartet;
};

} // namespace

TEST(Bouquets, RegelnEinesFernsehbouquets) {
    const Dateien dateien{
        {u"bouquets.tv"_s, "#NAME Bouquets (TV)\r\n" + Verweis("userbouquet.a.tv") + Verweis("userbouquet.fehlt.tv") +
                               Verweis("userbouquet.c.tv")},
        {u"userbouquet.a.tv"_s,
         "#NAME Favoriten\r\n#SERVICE 1:64:0:0:0:0:0:0:0:0::Nachrichten\r\n"
         "#DESCRIPTION Nachrichten\r\n"
         "#SERVICE 1:0:19:2B66:3F3:1:C00000:0:0:0:\r\n#DESCRIPTION Kanal Eins HD\xE2\x80\xA2Gruppe\r\n"
         "#SERVICE: 1:0:1:A:B:1:C00000:0:0:0:\r\n#DESCRIPTION:\r\n"
         "#SERVICE 1:832:D:5:6:7:C00000:0:0:0:\r\n" +
             Verweis("alternatives.drei.tv", 134) +
             "#SERVICE 4097:0:1:0:0:0:0:0:0:0:http%3a//tv.example/x:Welle%3a 100%25%0a%zz%4\r\n"
             "#SERVICE 1:0:1:c:d:2:c00000:0:0:0:\r\n#SERVICE 1:0:1:c:d:2\r\n"
             "#SERVICE 1:0:1:99:D:2:C00000:0:0:0:\r\n#SERVICE \r\n#DESCRIPTION Kein Dienst\r\n"},
        {u"alternatives.drei.tv"_s, "#NAME Kanal \xC2\x87"
                                    "Drei\n#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n"},
        {u"userbouquet.c.tv"_s, "#SERVICE 5002:0:1:0:0:0:0:0:0:0:rtsp%3a//x:Radio%20\xC3\xA4%E4\n"},
        {u"lamedb"_s, lamedb},
    };
    const ImportFund f = Lies(dateien, BouquetWahl::Fernsehen);
    EXPECT_EQ(KurzeListe(f), (QStringList{u"Favoriten/8"_s, u"userbouquet.c.tv/1"_s, u"Kanal Eins HD@0"_s,
                                          u"Kanal Zwei@0"_s, u"P@0"_s, u"Kanal Drei@0"_s, u"Welle: 100% %zz%4@0"_s,
                                          u"Musik Drei@0"_s, u"@0"_s, u"@0"_s, u"Radio ä\u00E4@1"_s}));
    // Picon names for services only: not for the placeholder, the alternatives, the streams
    // of zeros, nor a reference of too few fields.
    QStringList schluessel;
    for (const ImportSender& s : f.sender)
        schluessel << s.logoSchluessel.join(u' ');
    EXPECT_EQ(schluessel.join(u'|'),
              u"1_0_19_2B66_3F3_1_C00000_0_0_0 1_0_1_2B66_3F3_1_C00000_0_0_0|1_0_1_A_B_1_C00000_0_0_0"
              u"||||1_0_1_C_D_2_C00000_0_0_0||1_0_1_99_D_2_C00000_0_0_0|"_s);
    // Numbered by place (the section marker takes none, the placeholder one); one service
    // whatever the case and zeros of its hex; a stream by its address, not its name.
    QStringList nummern;
    for (const ImportSender& s : f.sender)
        nummern << QString::number(s.nummer);
    EXPECT_EQ(nummern.join(u' '), u"1 2 3 4 5 6 7 8 9"_s);
    EXPECT_EQ(f.sender[0].referenz, u"1:2B66:3F3:1:C00000"_s);
    EXPECT_EQ(f.sender[5].referenz, u"1:C:D:2:C00000"_s);
    EXPECT_EQ(f.sender[4].referenz, u"4097:0:1:0:0:0:0:0:0:0:http://tv.example/x"_s);
    EXPECT_EQ(f.gruppen[0].datei, u"userbouquet.a.tv"_s);
    EXPECT_EQ(f.hinweise, QStringList{u"Das Bouquet „userbouquet.fehlt.tv“ fehlt und wird übersprungen."_s});
}

TEST(Bouquets, Lamedb5WahlUndReihenfolge) {
    const Dateien dateien{
        {u"bouquets.radio"_s, Verweis("userbouquet.r.radio")},
        {u"bouquets.tv"_s, Verweis("userbouquet.t.tv")},
        {u"userbouquet.r.radio"_s, "#NAME Radio\n#SERVICE 1:0:2:A:B:1:C00000:0:0:0:\n"},
        {u"userbouquet.t.tv"_s, "#NAME TV\n#SERVICE 1:0:1:c:d:2:C00000:0:0:0:\n"},
        {u"lamedb5"_s, "eDVB services /5/\nt:00c00000:000b:0001,s:11836500:27500000:1:3:192:2:0\n"
                       "s:000a:00c00000:000b:0001:2:0:0,\"Welle \"Nord\", eins\",p:Sender,c:15\n"
                       "s:000c:00c00000:000d:0002:1:0:0,\"Bild\xC2\x86 Vier\n"},
    };
    const ImportFund beideArten = Lies(dateien, BouquetWahl::Beide);
    EXPECT_EQ(KurzeListe(beideArten),
              (QStringList{u"TV/1"_s, u"Radio/1 R"_s, u"Bild Vier@0"_s, u"Welle \"Nord\", eins@1"_s}));
    // Radio is numbered from 1 as on the receiver.
    EXPECT_EQ(beideArten.sender[1].nummer, 1);
    EXPECT_EQ(KurzeListe(Lies(dateien, BouquetWahl::Radio)),
              (QStringList{u"Radio/1 R"_s, u"Welle \"Nord\", eins@0"_s}));
    // lamedb is asked first; lamedb5 only when lamedb holds no service.
    Dateien beide = dateien;
    beide[u"lamedb"_s] = lamedb;
    EXPECT_EQ(KurzeListe(Lies(beide, BouquetWahl::Fernsehen)), (QStringList{u"TV/1"_s, u"Musik Drei@0"_s}));
}

TEST(Bouquets, SchleifenUndFehlendeDateien) {
    const Dateien dateien{
        {u"bouquets.tv"_s, Verweis("bouquets.tv") + Verweis("userbouquet.a.tv") + Verweis("userbouquet.a.tv")},
        {u"userbouquet.a.tv"_s, "#NAME A\n#SERVICE 1:0:1:0:0:0:0:0:0:0::Eins\n" + Verweis("userbouquet.b.tv")},
        {u"userbouquet.b.tv"_s, "#SERVICE 1:0:1:0:0:0:0:0:0:0::Zwei\n" + Verweis("userbouquet.a.tv") +
                                    Verweis("userbouquet.b.tv") + Verweis("../lamedb")},
    };
    const ImportFund f = Lies(dateien, BouquetWahl::Beide);
    EXPECT_EQ(KurzeListe(f), (QStringList{u"A/2"_s, u"Eins@0"_s, u"Zwei@0"_s}));
    EXPECT_EQ(f.hinweise,
              (QStringList{u"Das Bouquet „bouquets.tv“ ist mehrfach genannt und wird nur einmal gelesen."_s,
                           u"Das Bouquet „userbouquet.a.tv“ ist mehrfach genannt und wird nur einmal gelesen."_s,
                           u"Das Bouquet „userbouquet.b.tv“ ist mehrfach genannt und wird nur einmal gelesen."_s,
                           u"Das Bouquet „../lamedb“ zeigt aus dem Ordner hinaus und wird übersprungen."_s,
                           u"Die Datei „bouquets.radio“ fehlt, die Radiobouquets werden übersprungen."_s}));
}

TEST(Bouquets, VerschachtelungIstBegrenzt) {
    Dateien dateien{{u"bouquets.tv"_s, Verweis("userbouquet.0.tv")}};
    for (int i = 0; i < 10; ++i)
        dateien[u"userbouquet.%1.tv"_s.arg(i)] =
            "#SERVICE 1:0:1:0:0:0:0:0:0:0::K" + QByteArray::number(i) + "\n" +
            Verweis(QByteArray("userbouquet." + QByteArray::number(i + 1) + ".tv"));
    const ImportFund f = Lies(dateien, BouquetWahl::Fernsehen);
    EXPECT_EQ(KurzeListe(f).join(u' '), u"userbouquet.0.tv/8 K0@0 K1@0 K2@0 K3@0 K4@0 K5@0 K6@0 K7@0"_s);
    EXPECT_EQ(f.hinweise,
              QStringList{u"Das Bouquet „userbouquet.8.tv“ ist zu tief verschachtelt und wird übersprungen."_s});
    // Named by bouquets.tv as well: read there, as a group of its own.
    dateien[u"bouquets.tv"_s] += Verweis("userbouquet.8.tv");
    const ImportFund oben = Lies(dateien, BouquetWahl::Fernsehen);
    EXPECT_EQ(KurzeListe(oben).join(u' '), u"userbouquet.0.tv/8 userbouquet.8.tv/2 K0@0 K1@0 K2@0 K3@0 K4@0 K5@0 "
                                           u"K6@0 K7@0 K8@1 K9@1"_s);
    EXPECT_EQ(oben.hinweise, QStringList{u"Das Bouquet „userbouquet.10.tv“ fehlt und wird übersprungen."_s});
}

TEST(Bouquets, ErkennungUndWahl) {
    for (const char* ja : {"#NAME Favoriten\r\n", "\xEF\xBB\xBF\r\n  #SERVICE: 1:0:1", "eDVB services /5/\n"})
        EXPECT_TRUE(IstBouquetDatei(ja)) << ja;
    for (const char* nein : {"#EXTM3U\n#NAME x", "#NAMEN\n", "eDVB services /3/\n", "", "\n\n"})
        EXPECT_FALSE(IstBouquetDatei(nein)) << nein;
    EXPECT_EQ(BouquetWahlDerDatei(u"/e2/bouquets.radio"_s), BouquetWahl::Radio);
    EXPECT_EQ(BouquetWahlDerDatei(u"userbouquet.x.TV"_s), BouquetWahl::Fernsehen);
    EXPECT_EQ(BouquetWahlDerDatei(u"lamedb5"_s), BouquetWahl::Beide);
}

TEST(Leser, LiestJedeRegelDerDreiFormate) {
    const Fall faelle[] = {
        // BOM, CR LF, quoted and unquoted attributes, commas and quotes in the name, several
        // groups, TV and radio entries of the same groups in a row, #EXTGRP, no address.
        {LeseWiedergabeliste, "/tmp/liste.m3u",
         "\xEF\xBB\xBF#EXTM3U x-tvg-url=\"http://epg\"\r\n"
         "#EXTINF:-1 tvg-id=\"nord.de\" tvg-chno=\"7\" tvg-logo=http://l/n.png group-title=\"Musik;Regional\""
         ",NDR 90,3 \"Hamburg\" \r\n#EXTVLCOPT:http-user-agent=x\r\nhttp://s/1\r\n"
         "#EXTINF:-1 tvg-name=\"Welle S\xC3\xBC\x64\" tvg-chno=12a radio=\"true\" "
         "group-title=\"Musik;Regional\",\r\nhttp://s/2\r\n"
         "#EXTINF:0,Kanal Ohne\r\n#EXTGRP:Nachrichten\r\nhttp://s/3\r\n"
         "#EXTINF:0 group-title=Regional,Verwaist\r\n#EXTINF:0,Frei\r\n\r\nhttp://s/5"_ba,
         "Musik=1 Regional=2 R:Musik=1 R:Regional=1 Nachrichten=1 liste.m3u=1 "
         "|7 NDR 90,3 \"Hamburg\" <http://s/1> {http://l/n.png} [n] @0 @1|0 Welle Süd <http://s/2> @2 @3"
         "|0 Kanal Ohne <http://s/3> @4|0 Verwaist <> @1|0 Frei <http://s/5> @5"},
        // A cable router's radio file: no header, Windows-1252, a NUL byte in a name.
        {LeseWiedergabeliste, "/home/a/Radio.m3u",
         "#EXTINF:0,Welle K\xF6ln\nrtsp://fritz/?sat=1\n#EXTINF:0,Klassik\0Radio\n"_ba,
         "R:Radio.m3u=2 |0 Welle Köln <rtsp://fritz/?sat=1> @0|0 Klassik Radio <> @0"},
        // Channels before the first group, radio by VPID 0 and 1, the comma rule, "|" for ":",
        // ":@n", emphasis codes, a line of too few fields.
        {LeseKanaldatei, "/etc/vdr/channels.conf",
         "Vorab;Privat:12188:h:S19.2E:27500:0:0:0:0:17:1:1:0\n:\xC3\x96\x66\x66\x65ntlich\n"
         "NDR 90,3,;ARD:12109:H:S19.2E:27500:0:2401:0:0:28411:1:1101:0\n"
         "Das Erste HD,ERSTE;ARD:11494:H:S19.2E:22000:5101=27:5102:5104:0:10301:1:1019:0\r\nKurz:123\n"
         ":@201 Musik\nWelle|Nord:12109:H:S19.2E:27500:1:2402:0:0:28412:1:1101:0\n"
         "\xC2\x86\x42ild\xC2\x87+Ton,BT;X:11000:H:S19.2E:27500:5101+5102=2:0:0:0:5:1:1:0\n"_ba,
         "R:channels.conf=1 R:Öffentlich=1 Öffentlich=1 R:Musik=1 Musik=1 |1 Vorab <S19.2E-1-1-17> "
         "[1_0_2_11_1_1_C00000_0_0_0] @0"
         "|2 NDR 90,3 <S19.2E-1-1101-28411> [1_0_2_6EFB_44D_1_C00000_0_0_0] @1|3 Das Erste HD "
         "<S19.2E-1-1019-10301> [1_0_19_283D_3FB_1_C00000_0_0_0 1_0_1_283D_3FB_1_C00000_0_0_0] @2"
         "|201 Welle:Nord <S19.2E-1-1101-28412> [1_0_2_6EFC_44D_1_C00000_0_0_0] @3|202 Bild+Ton "
         "<S19.2E-1-1-5> [1_0_1_5_1_1_C00000_0_0_0] @4"},
        // Heading and garbage skipped, number order (stable), ";" in a name, an empty key; CR alone ends lines.
        {LeseReferenzliste, "/x/sender.txt",
         "\xEF\xBB\xBFNr;Name;Kennung\r\n3;Welle;Nord;1-1101-28412\r\n1;Das Erste HD;1-1019-10301\r\nM\xC3\xBCll\r\n"
         "3;Zweiter Dritter\r\n0;Null\r\n2; Kanal Zwei ;\r\n"_ba,
         "sender.txt=4 |1 Das Erste HD <1-1019-10301> @0|2 Kanal Zwei <> @0|3 Welle;Nord <1-1101-28412> @0"
         "|3 Zweiter Dritter <> @0"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Kurz(f.lies(f.bytes, QString::fromUtf8(f.datei))), f.erwartet) << f.datei;
}

// One byte of Windows-1252 in a UTF-8 playlist spoils its own line only, and is named.
TEST(Leser, EinFalschesByteVerdirbtNurSeineZeile) {
    const ImportFund f = LeseWiedergabeliste("#EXTM3U\n#EXTINF:-1,M\xC3\xBCnchen TV\nhttp://a\n#EXTINF:-1,K\xF6ln "
                                             "\xE4hnlich\r\nhttp://b\n#EXTINF:-1,S\xC3\xBC\x64west\n",
                                             u"/x/kabel.m3u"_s);
    EXPECT_EQ(Kurz(f), "kabel.m3u=3 |0 München TV <http://a> @0|0 Köln ähnlich <http://b> @0|0 Südwest <> @0");
    EXPECT_EQ(f.hinweise, QStringList{u"In der Datei „kabel.m3u“ ist Zeile 4 kein gültiges UTF-8; sie wurde als "
                                      u"Windows-1252 gelesen."_s});
}

TEST(Leser, ErkenntJedesFormatUndKeinFremdes) {
    const struct {
        QByteArray anfang;
        const char* format; // "m3u", "kanal", "referenz" or "" for none of the three
    } faelle[] = {
        {"\xEF\xBB\xBF\r\n#EXTM3U\r\n#EXTINF:-1,Eins\r\nhttp://a\r\n"_ba, "m3u"},
        {"#EXTINF:0,WDR HD\nrtsp://fritz/1\n"_ba, "m3u"},
        {":Sender\nEins;ARD:11494:H:S19.2E:22000:5101=27:5102:5104:0:10301:1:1019:0\nZwei:11"_ba, "kanal"},
        {"\xEF\xBB\xBF\x31;Das Erste;1-1019-10301\r\n2;ZDF;1-1079-28006\r\n"_ba, "referenz"},
        {"Nr;Name\n1;Eins\n2;Zwei\n"_ba, "referenz"},
        {"1;Eins:11494:H:S19.2E:22000:5101:5102:5104:0:10301:1:1019:0\n"_ba, "kanal"},
        {"\0\0\xFF\n\n"_ba, ""},
    };
    for (const auto& f : faelle) {
        const std::string format = f.format;
        EXPECT_EQ(IstWiedergabeliste(f.anfang), format == "m3u") << f.anfang.toStdString();
        EXPECT_EQ(IstKanaldatei(f.anfang), format == "kanal") << f.anfang.toStdString();
        EXPECT_EQ(IstReferenzliste(f.anfang), format == "referenz") << f.anfang.toStdString();
    }
}

TEST(Leser, PiconnamenUndLogonamen) {
    const struct {
        char art; // 'r' a service reference, 'k' "source:SID:NID:TID:VPID" of a channel line, 'l' a tvg-logo
        const char* ein;
        const char* aus; // names joined by " "
    } faelle[] = {
        {'r', "1:0:19:283D:3FB:1:C0283D:0:0:0:",
         "1_0_19_283D_3FB_1_C0283D_0_0_0 1_0_19_283D_3FB_1_C00000_0_0_0 1_0_1_283D_3FB_1_C00000_0_0_0"},
        {'r', "1:0:2:6F:D:85:C00000:0:0:0:", "1_0_2_6F_D_85_C00000_0_0_0"},
        {'r', "1:0:1f:00a:0d:085:00c01234:0:0:0:http%3a//x:Welle",
         "1_0_1F_A_D_85_C01234_0_0_0 1_0_1F_A_D_85_C00000_0_0_0 1_0_1_A_D_85_C00000_0_0_0"},
        {'r', "1:0:1:A:B:C:FFFF:0:0:0", "1_0_1_A_B_C_FFFF_0_0_0 1_0_1_A_B_C_0_0_0_0"},
        {'r', "1:0:19:283G:3FB:1:C00000:0:0:0:", ""},
        {'k', "S19.2E:28006:1:1079:6110=36", "1_0_1F_6D66_437_1_C00000_0_0_0 1_0_1_6D66_437_1_C00000_0_0_0"},
        {'k', "S13E:1:318:200:160", "1_0_1_1_C8_13E_820000_0_0_0"},
        {'k', "S30.0W:100:2:3:101=27", "1_0_19_64_3_2_CE40000_0_0_0 1_0_1_64_3_2_CE40000_0_0_0"},
        {'k', "C:1:61441:1:0", "1_0_2_1_1_F001_FFFF0000_0_0_0"},
        {'k', "T:16:8468:1025:", "1_0_2_10_401_2114_EEEE0000_0_0_0"},
        {'k', "I:1:2:3:5=27", ""},
        {'l', "http://x.example/logos/Das%20Erste.png?v=2#a", "Das Erste"},
        {'l', " logos/M%C3%BCnchen.TV.jpg ", "München.TV"},
        {'l', "C:\\Logos\\Sat 1#2.png", "Sat 1#2"},
        {'l', "https://x.example", ""},
        {'l', "data:image/png;base64,iVB/Rw==", ""},
        {'l', "DATA:image/png;base64,iVB/Rw==", ""},
    };
    for (const auto& f : faelle) {
        const QString ein = QString::fromUtf8(f.ein);
        const QStringList k = ein.split(u':');
        const QString aus = f.art == 'r'   ? PiconNamen(ein).join(u' ')
                            : f.art == 'k' ? PiconNamenDesKanals(k[0], k[1], k[2], k[3], k[4]).join(u' ')
                                           : LogoBasisname(ein);
        EXPECT_EQ(aus.toStdString(), f.aus) << f.ein;
    }
}

QStringList Namen(const QList<ImportEintrag>& eintraege) {
    QStringList namen;
    for (const ImportEintrag& e : eintraege)
        namen << e.name;
    return namen;
}

TEST(Import, NamenFuellenDieNummernDesEmpfaengersUndFolgenDerGruppenwahl) {
    ImportFund fund;
    fund.gruppen = {Gruppe(u"A"_s, false, 6), Gruppe(u"B"_s, false, 2), Gruppe(u"R"_s, true, 2)};
    fund.sender = {Sender(u"Eins"_s, 1, {0}),   Sender(QString(), 2, {0}, true), Sender(u"....."_s, 5, {0}),
                   Sender(u"Vier"_s, 3, {1}),   Sender(u"Fünf"_s, 0, {2}),       Sender(u"Sechs"_s, 2000, {0, 1}),
                   Sender(u"1+1"_s, 3000, {0}), Sender(u"Acht"_s, 3002, {2, 7})};
    fund.sender[2].logoSchluessel = fund.sender[7].logoSchluessel = {u"k"_s};
    // 2 → 5 fills 3 and 4; 5 → 3 goes on counting; after a channel without number no
    // gap; 2000 → 3000 fills 999 numbers; 3000 → 3002 one. Dots name nothing, digits do.
    QStringList alle = {u"Eins"_s,        u"(frei)"_s, u"(frei)"_s, u"(frei)"_s,
                        u"(ohne Name)"_s, u"Vier"_s,   u"Fünf"_s,   u"Sechs"_s};
    alle += QStringList(999, u"(frei)"_s);
    alle += {u"1+1"_s, u"(frei)"_s, u"Acht"_s};
    const Importlisten listen = ImportEintraege(fund, {true, true, true});
    EXPECT_EQ(Namen(listen.liste), alle);
    EXPECT_TRUE(listen.radio.isEmpty()); // a playlist's radio is numbered with the TV
    EXPECT_EQ(GewaehlteSender(fund, {true, true, true}), 8);
    EXPECT_EQ(FreieNummern(fund, {true, true, true}, {false, true, true}), 2 + 999 + 1);
    EXPECT_EQ(
        Namen(ImportEintraege(fund, {true, true, true}, {false, true, true}).liste),
        (QStringList{u"Eins"_s, u"(frei)"_s, u"(ohne Name)"_s, u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"1+1"_s, u"Acht"_s}));
    // Only B and R: 3 → 2000 is more than 1000 apart, 2000 → 3002 too.
    EXPECT_EQ(Namen(ImportEintraege(fund, {false, true, true}).liste),
              (QStringList{u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"Acht"_s}));
    EXPECT_EQ(GewaehlteSender(fund, {false, true, false}), 2);
    // The logo keys stand beside the names, after the "(frei)" entries too, which have none.
    EXPECT_EQ(
        std::tuple(listen.liste[3].logoSchluessel, listen.liste[4].logoSchluessel, listen.liste.last().logoSchluessel),
        std::tuple(QStringList(), QStringList{u"k"_s}, QStringList{u"k"_s}));
}

// Free numbers up to 10,000 entries; one more, and that list gets none (radio keeps its own).
TEST(Import, LueckenNurBisZehntausendEintraege) {
    ImportFund fund;
    fund.gruppen = {Gruppe(u"Sky"_s, false, 11, u"a.tv"_s), Gruppe(u"R"_s, true, 2, u"r.radio"_s),
                    Gruppe(u"Extra"_s, false, 1, u"b.tv"_s)};
    for (const int nummer : {1, 1001, 2001, 3001, 4001, 5001, 6001, 7001, 8001, 9001, 10000, 10001})
        fund.sender << Sender(u"Sky Sport %1"_s.arg(nummer), nummer, {nummer > 10000 ? 2 : 0});
    fund.sender << Sender(u"Bayern 1"_s, 1, {1}) << Sender(u"Bayern 3"_s, 3, {1});
    const Importlisten bisGrenze = ImportEintraege(fund, {true, true, false});
    EXPECT_EQ(std::tuple(bisGrenze.liste.size(), FreieNummern(fund, {true, true, false}, {}), bisGrenze.hinweise),
              std::tuple(10000, 10000 - 11 + 1, QStringList()));
    const Importlisten listen = ImportEintraege(fund, {true, true, true});
    EXPECT_EQ(std::tuple(listen.liste.size(), Namen(listen.radio), FreieNummern(fund, {true, true, true}, {})),
              std::tuple(12, QStringList{u"Bayern 1"_s, u"(frei)"_s, u"Bayern 3"_s}, 1));
    EXPECT_EQ(listen.hinweise, QStringList{u"Die Nummern des Empfängers haben zu große Lücken; die Liste wird ohne "
                                           u"Lücken nummeriert."_s});
}

// Only the same service of the receiver (or the same address) is a copy: names and the
// kind apart never are. A copy left out keeps its number as "(frei)" before a next channel.
TEST(Import, NurDerselbeDienstIstDoppelt) {
    ImportFund fund;
    fund.gruppen = {Gruppe(u"Favoriten"_s, false, 4), Gruppe(u"Alle"_s, false, 6), Gruppe(u"Radio"_s, true, 2)};
    const QString erste = u"1:283D:3FB:1:C00000"_s, f = u"(frei)"_s;
    fund.sender = {Sender(u"Das Erste HD"_s, 1, {0}, false, erste),
                   Sender(u"RTL HD"_s, 2, {0}, false, u"1:2EE3:441:1:C00000"_s),
                   Sender({}, 3, {0}, true, u"1:0:0:0:0"_s),
                   Sender(u"MDR Sachsen HD"_s, 4, {0}, false, u"1:2B7A:3F3:1:C00000"_s),
                   Sender(u"Das Erste HD"_s, 5, {1}, false, erste),
                   Sender(u"RTL UHD"_s, 6, {1}, false, u"1:2EE4:441:1:C00000"_s),
                   Sender({}, 7, {1}, true, u"1:0:0:0:0"_s),
                   Sender(u"ATV HD"_s, 8, {1}, false, u"1:3331:13F2:1:C00000"_s),
                   Sender(u"a.tv HD"_s, 9, {1}, false, u"1:7D0:2E:85:C00000"_s),
                   Sender(u"Das Erste HD"_s, 10, {1}, false, erste),
                   Sender(u"MDR SACHSEN"_s, 11, {2}, false, erste),
                   Sender(u"Ohne Kennung"_s, 12, {2})};
    EXPECT_EQ(DoppelteSender(fund, {true, true, true}), (QStringList{u"Das Erste HD"_s, u"Das Erste HD"_s}));
    EXPECT_EQ(DoppelteSender(fund, {false, true, true}), QStringList{u"Das Erste HD"_s});
    // 5 becomes free, 10 too; the radio channel of the same service stays.
    EXPECT_EQ(Namen(ImportEintraege(fund, {true, true, true}).liste),
              (QStringList{u"Das Erste HD"_s, u"RTL HD"_s, f, u"MDR Sachsen HD"_s, f, u"RTL UHD"_s, f, u"ATV HD"_s,
                           u"a.tv HD"_s, f, u"MDR SACHSEN"_s, u"Ohne Kennung"_s}));
    EXPECT_EQ(FreieNummern(fund, {true, true, true}, {}), 2);
    EXPECT_EQ(ImportEintraege(fund, {true, true, true}, {true, false, true}).liste.size(), 12);
    EXPECT_EQ(Namen(ImportEintraege(fund, {true, true, true}, {false, true, true}).liste).join(u'|'),
              u"Das Erste HD|RTL HD|(frei)|MDR Sachsen HD|RTL UHD|(frei)|ATV HD|a.tv HD|MDR SACHSEN|Ohne Kennung"_s);
}

// Where the receiver numbers radio on its own, radio goes into a list of its own with the
// numbers of the remote; a playlist's radio, or radio without TV, stays in the list.
TEST(Import, RadioAlsEigeneListe) {
    ImportFund fund;
    fund.gruppen = {Gruppe(u"TV"_s, false, 2, u"userbouquet.tv"_s), Gruppe(u"Radio"_s, true, 3, u"userbouquet.radio"_s),
                    Gruppe(u"radio.m3u"_s, true, 1)};
    fund.sender = {Sender(u"ZDF HD"_s, 1, {0}, false, u"a"_s),     Sender(u"3sat HD"_s, 3, {0}, false, u"b"_s),
                   Sender(u"Bayern 1"_s, 1, {1}, false, u"c"_s),   Sender(u"Bayern 1"_s, 2, {1}, false, u"c"_s),
                   Sender(u"B5 aktuell"_s, 4, {1}, false, u"d"_s), Sender(u"Welle"_s, 0, {2})};
    const QString f = u"(frei)"_s;
    const Importlisten getrennt = ImportEintraege(fund, {true, true, true});
    EXPECT_EQ(Namen(getrennt.liste), (QStringList{u"ZDF HD"_s, f, u"3sat HD"_s}));
    EXPECT_EQ(Namen(getrennt.radio), (QStringList{u"Bayern 1"_s, f, f, u"B5 aktuell"_s, u"Welle"_s}));
    EXPECT_EQ(FreieNummern(fund, {true, true, true}, {}), 3);
    EXPECT_EQ(Namen(ImportEintraege(fund, {true, true, true}, {true, true, false}).liste),
              (QStringList{u"ZDF HD"_s, f, u"3sat HD"_s, u"Bayern 1"_s, f, f, u"B5 aktuell"_s, u"Welle"_s}));
    for (const QList<bool>& ohne : {QList<bool>{true, false, true}, QList<bool>{false, true, true}})
        EXPECT_FALSE(RadioEigeneListeMoeglich(fund, ohne));
    EXPECT_TRUE(RadioEigeneListeMoeglich(fund, {true, true, false}));
    EXPECT_EQ(RadiolistenName(u"Astra"_s), u"Astra Radio"_s);
}

TEST(Import, DateienDieNichtGelesenWerden) {
    QTemporaryDir ordner;
    // An unknown format is checked with the import command.
    const QString leer = ordner.filePath(u"leer.m3u"_s), gross = ordner.filePath(u"gross.m3u"_s),
                  fehlt = ordner.filePath(u"fehlt.m3u"_s);
    test::Schreib(leer, "#EXTM3U\r\n");
    QFile sparsam(gross); // takes no disk space
    ASSERT_TRUE(sparsam.open(QIODevice::WriteOnly) && sparsam.resize(GroessteImportdatei + 1));
    const auto meldung = [](const QString& pfad) { return test::Meldung([&] { LeseImportquellen({pfad}); }); };
    EXPECT_EQ(meldung(leer), u"In der Datei "_s + leer + u" wurden keine Sender gefunden."_s);
    test::Schreib(ordner.filePath(u"nichts.m3u"_s), "\xEF\xBB\xBF \r\n");
    EXPECT_EQ(meldung(ordner.filePath(u"nichts.m3u"_s)),
              u"Die Datei "_s + ordner.filePath(u"nichts.m3u"_s) + u" ist leer."_s);
    EXPECT_EQ(meldung(ordner.path()), u"Im Ordner "_s + ordner.path() +
                                          u" wurden keine Sender gefunden.\nDie Datei „bouquets.tv“ fehlt, die "
                                          u"Fernsehbouquets werden übersprungen.\nDie Datei „bouquets.radio“ fehlt, "
                                          u"die Radiobouquets werden übersprungen."_s);
    EXPECT_EQ(meldung(gross), u"Die Datei "_s + gross + u" ist größer als 256 MiB und wird nicht eingelesen."_s);
    EXPECT_EQ(meldung(fehlt), u"Datei: Datei "_s + fehlt + u" kann nicht geöffnet werden"_s);
    const QString lang = ordner.filePath(QString(256, u'x'));
    EXPECT_EQ(meldung(lang), u"Datei: Datei "_s + lang + u" kann nicht geöffnet werden (Name zu lang)"_s);

    // Siblings of a bouquet set: the exact name first, else in another case; none outside.
    test::Schreib(ordner.filePath(u"Bouquets.TV"_s), "gross");
    test::Schreib(ordner.filePath(u"bouquets.radio"_s), "klein");
    test::Schreib(ordner.filePath(u"BOUQUETS.RADIO"_s), "GROSS");
    const BouquetDateizugriff lies = BouquetDateienIn(ordner.path());
    EXPECT_EQ(lies(u"bouquets.tv"_s).bytes, QByteArray("gross"));
    EXPECT_EQ(lies(u"bouquets.radio"_s).bytes, QByteArray("klein"));
    // The files of one set chosen together are the set once: TV and radio.
    // A single bouquet chosen is ticked alone; with the whole set chosen too, all are.
    test::Schreib(ordner.filePath(u"bouquets.tv"_s), "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"U.tv\"\n"
                                                     "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"v.tv\"\n");
    test::Schreib(ordner.filePath(u"u.tv"_s), "#NAME U\n#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n#DESCRIPTION Eins\n");
    test::Schreib(ordner.filePath(u"v.tv"_s), "#NAME V\n#SERVICE 1:0:1:2:1:1:C00000:0:0:0:\n#DESCRIPTION Zwei\n");
    EXPECT_EQ(VorgewaehlteGruppen(LeseImportquellen({ordner.filePath(u"u.tv"_s)})), (QList<bool>{true, false}));
    const ImportFund satz =
        LeseImportquellen({ordner.filePath(u"u.tv"_s), ordner.path(), ordner.filePath(u"bouquets.tv"_s)});
    EXPECT_EQ(VorgewaehlteGruppen(satz), (QList<bool>{true, true}));
    EXPECT_EQ(Namen(ImportEintraege(satz, {true, true}).liste), (QStringList{u"Eins"_s, u"Zwei"_s}));
    EXPECT_EQ(lies(u"../"_s + QFileInfo(ordner.path()).fileName() + u"/bouquets.radio"_s).bytes, std::nullopt);
}

// Playlists an editor saved as UTF-16 or with two byte-order marks are read; a name of
// thousands of characters is cut, with a note.
TEST(Import, WiedergabelistenInJederKodierungUndMitRiesennamen) {
    QTemporaryDir ordner;
    const QString text = u"#EXTM3U\r\n#EXTINF:-1 tvg-name=\"BR\",BR Fernsehen Süd HD\r\nhttp://br/1\r\n"_s;
    QStringEncoder utf16(QStringConverter::Utf16LE);
    test::Schreib(ordner.filePath(u"a.m3u"_s), "\xFF\xFE" + QByteArray(utf16(text)));
    test::Schreib(ordner.filePath(u"b.m3u"_s), "\xEF\xBB\xBF\xEF\xBB\xBF" + text.toUtf8());
    test::Schreib(ordner.filePath(u"c.m3u"_s), "#EXTM3U\n#EXTINF:-1," + QByteArray(1500, 'A') + "\nhttp://x/2\n");
    for (const char* datei : {"a.m3u", "b.m3u"}) {
        const ImportFund fund = LeseImportquellen({ordner.filePath(QString::fromLatin1(datei))});
        EXPECT_EQ(fund.sender.value(0).name, u"BR Fernsehen Süd HD"_s) << datei;
        EXPECT_EQ(fund.hinweise, QStringList()) << datei;
    }
    const ImportFund lang = LeseImportquellen({ordner.filePath(u"c.m3u"_s)});
    EXPECT_EQ(lang.sender.value(0).name, QString(999, u'A') + u'…');
    EXPECT_EQ(lang.hinweise, QStringList{u"Ein Sendername war länger als 1.000 Zeichen und wurde gekürzt."_s});
}

// FIFOs, a link out of the folder, a bouquet too large: refused or skipped with the reason.
TEST(Import, BouquetOrdnerLiestNurNormaleDateienDarin) {
    QTemporaryDir wurzel;
    const QString e2 = wurzel.filePath(u"e2/"_s), geheim = wurzel.filePath(u"geheim.tv"_s);
    test::Schreib(e2 + u"bouquets.tv"_s, Verweis("userbouquet.fifo.tv") + Verweis("userbouquet.aussen.tv") +
                                             Verweis("userbouquet.gross.tv") + Verweis("userbouquet.favoriten.tv"));
    test::Schreib(e2 + u"userbouquet.favoriten.tv"_s,
                  "#NAME Favoriten\n#SERVICE 1:0:19:283D:3FB:1:C00000:0:0:0:\n"
                  "#DESCRIPTION Das Erste HD\n#SERVICE 1:0:1:A:B:1:C00000:0:0:0:\n");
    test::Schreib(geheim, "#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n#DESCRIPTION Fremd\n");
    ASSERT_TRUE(QFile::link(geheim, e2 + u"userbouquet.aussen.tv"_s));
    QFile gross(e2 + u"userbouquet.gross.tv"_s);
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly) && gross.resize(GroessteImportdatei + 1));
    for (const QString& fifo : {u"userbouquet.fifo.tv"_s, u"lamedb"_s, u"quelle.m3u"_s})
        ASSERT_EQ(mkfifo(QFile::encodeName(e2 + fifo).constData(), 0600), 0);
    EXPECT_EQ(test::Meldung([&] { LeseImportquellen({e2 + u"quelle.m3u"_s}); }),
              u"Die Datei "_s + e2 + u"quelle.m3u ist keine normale Datei."_s);
    const ImportFund f = LeseImportquellen({e2});
    EXPECT_EQ(KurzeListe(f), (QStringList{u"Favoriten/2"_s, u"Das Erste HD@0"_s, u"@0"_s}));
    const QString d = u"Die Datei "_s + e2, b = u". Das Bouquet „userbouquet.%1.tv“ wird übersprungen."_s;
    EXPECT_EQ(
        f.hinweise.join(u'\n'),
        d + u"userbouquet.fifo.tv ist keine normale Datei"_s + b.arg(u"fifo"_s) + u'\n' + d +
            u"userbouquet.aussen.tv verweist auf "_s + QFileInfo(geheim).canonicalFilePath() +
            u" außerhalb des Ordners"_s + b.arg(u"aussen"_s) + u"\nDatei "_s + e2 +
            u"userbouquet.gross.tv kann nicht geöffnet werden (zu groß)"_s + b.arg(u"gross"_s) + u'\n' + d +
            u"lamedb ist keine normale Datei.\nDie Datei „bouquets.radio“ fehlt, die Radiobouquets werden übersprungen."_s);
}

// An Enigma2 folder as a receiver writes it: nine bouquets in "bouquets.tv" order, numbers
// running on across them (markers by their flags), a whole satellite and the scan bouquet.
TEST(Import, EmpfaengernummernUeberAlleBouquets) {
    QTemporaryDir ordner;
    QByteArray verweise;
    auto bouquet = [&, sid = 0](const QByteArray& datei, const QByteArray& name, const QByteArray& vorne,
                                int sender) mutable {
        verweise += Verweis(datei.constData());
        QByteArray text = "#NAME " + name + "\n" + vorne;
        for (int i = 1; i <= sender; ++i)
            text += "#SERVICE 1:0:19:" + QByteArray::number(++sid, 16) + ":3FB:1:C00000:0:0:0:\n#DESCRIPTION " + name +
                    ' ' + QByteArray::number(i) + '\n';
        test::Schreib(ordner.filePath(QString::fromLatin1(datei)), text);
    };
    const auto dienst = [](const char* sid, const char* name) {
        return "#SERVICE 1:0:19:" + QByteArray(sid) + ":441:1:C00000:0:0:0:\n#DESCRIPTION " + name + '\n';
    };
    bouquet("userbouquet.favourites.tv", "Favoriten",
            "#SERVICE 1:64:0:0:0:0:0:0:0:0::Öffentlich\n" + dienst("A1", "Das Erste HD") + dienst("A2", "ZDF HD") +
                "#SERVICE 1:832:D:0:0:0:0:0:0:0:\n",
            1);
    bouquet("userbouquet.hdplus.tv", "HD+", "#SERVICE 1:320:0:0:0:0:0:0:0:0::HD+\n", 316);
    bouquet("userbouquet.regional.tv", "Regional",
            dienst("B1", "NDR FS NDS HD") + "#SERVICE 1:64:0:0:0:0:0:0:0:0::Bayern\n" +
                dienst("B2", "BR Fernsehen Süd HD"),
            0);
    for (const QByteArray klein : {"kinder", "sport", "musik", "nachrichten"})
        bouquet("userbouquet." + klein + ".tv", klein, {}, 2);
    bouquet("userbouquet.astra.tv", "Astra 19.2", {}, 1001);
    bouquet("userbouquet.LastScanned.tv", "Last Scanned", {}, 1200);
    test::Schreib(ordner.filePath(u"bouquets.tv"_s), verweise);

    // The whole set: a satellite and the scan bouquet unticked. Favoriten takes 4 numbers (its spacer
    // one), HD+ 317 (its numbered marker one): Regional has 322 and 323, the small ones 324 to 331.
    const ImportFund satz = LeseImportquellen({ordner.filePath(u"bouquets.tv"_s)});
    EXPECT_EQ(VorgewaehlteGruppen(satz), (QList<bool>{true, true, true, true, true, true, true, false, false}));
    EXPECT_EQ(ZaehleEintraege(satz, VorgewaehlteGruppen(satz), {}).liste, 331);

    // Regional alone keeps 322 and 323; numbered per bouquet it starts at 1.
    const ImportFund regional = LeseImportquellen({ordner.filePath(u"userbouquet.regional.tv"_s)});
    const QStringList erwartet = QStringList(321, u"(frei)"_s) << u"NDR FS NDS HD"_s << u"BR Fernsehen Süd HD"_s;
    EXPECT_EQ(Namen(ImportEintraege(regional, VorgewaehlteGruppen(regional)).liste), erwartet);
    const ImportOptionen abEins{true, true, true, true};
    EXPECT_EQ(Namen(ImportEintraege(regional, VorgewaehlteGruppen(regional), abEins).liste), erwartet.mid(321));
}

// Lines end at CR LF, CR or LF; a line end at the very end makes no empty line after it.
TEST(Import, ZeilenEndenAnJedemZeilenende) {
    const std::pair<QString, QStringList> faelle[] = {
        {u"a\r\nb\rc\n\nd"_s, {u"a"_s, u"b"_s, u"c"_s, u""_s, u"d"_s}},
        {u"x\r\r\ny\r"_s, {u"x"_s, u""_s, u"y"_s}},
        {u"#EXTM3U\n#extinf:-1,Ö1\r\nhttp://o\n"_s, {u"#EXTM3U"_s, u"#extinf:-1,Ö1"_s, u"http://o"_s}},
    };
    for (const auto& [text, erwartet] : faelle) {
        QStringList zeilen;
        FuerJedeZeile(text, [&](QStringView z) { zeilen << z.toString(); });
        EXPECT_EQ(zeilen, erwartet);
    }
    // The playlist's own words in any case.
    const ImportFund fund = LeseWiedergabeliste("#EXTM3U\n#extinf:-1 Group-Title=\"Radio\",\xC3\x96"
                                                "1\r\nhttp://o\n",
                                                u"k.m3u"_s);
    ASSERT_EQ(fund.sender.size(), 1);
    EXPECT_EQ(std::pair(fund.sender[0].name, fund.gruppen[fund.sender[0].gruppen.value(0)].name),
              std::pair(u"Ö1"_s, u"Radio"_s));
}
