// The readers of bouquet sets, playlists, recorder channel files and reference lists on
// small files written by hand, what an import makes of a find, and how reading fails.
#include "import/Import.h"
#include "import/Bouquets.h"
#include "import/Kanaldatei.h"
#include "import/Piconname.h"
#include "import/Referenzliste.h"
#include "import/Wiedergabeliste.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include "Fehlermeldung.h"
#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

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
    EXPECT_EQ(f.sender[4].referenz, u"4097:0:1:0:0:0:0:0:0:0:http%3a//tv.example/x:Welle%3a 100%25%0a%zz%4"_s);
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
    EXPECT_EQ(KurzeListe(Lies(dateien, BouquetWahl::Beide)),
              (QStringList{u"TV/1"_s, u"Radio/1 R"_s, u"Bild Vier@0"_s, u"Welle \"Nord\", eins@1"_s}));
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
                           u"Das Bouquet „../lamedb“ fehlt und wird übersprungen."_s,
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
        // groups, a TV and a radio group of one name, #EXTGRP, an entry without address.
        {LeseWiedergabeliste, "/tmp/liste.m3u",
         "\xEF\xBB\xBF#EXTM3U x-tvg-url=\"http://epg\"\r\n"
         "#EXTINF:-1 tvg-id=\"nord.de\" tvg-chno=\"7\" tvg-logo=http://l/n.png group-title=\"Musik;Regional\""
         ",NDR 90,3 \"Hamburg\" \r\n#EXTVLCOPT:http-user-agent=x\r\nhttp://s/1\r\n"
         "#EXTINF:-1 tvg-name=\"Welle S\xC3\xBC\x64\" tvg-chno=12a radio=\"true\" "
         "group-title=\"Musik\",\r\nhttp://s/2\r\n"
         "#EXTINF:0,Kanal Ohne\r\n#EXTGRP:Nachrichten\r\nhttp://s/3\r\n"
         "#EXTINF:0 group-title=Regional,Verwaist\r\n#EXTINF:0,Frei\r\n\r\nhttp://s/5"_ba,
         "Musik=1 Regional=2 R:Musik=1 Nachrichten=1 liste.m3u=1 "
         "|7 NDR 90,3 \"Hamburg\" <nord.de> {http://l/n.png} [n] @0 @1|0 Welle Süd <http://s/2> @2"
         "|0 Kanal Ohne <http://s/3> @3|0 Verwaist <> @1|0 Frei <http://s/5> @4"},
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
         "R:channels.conf=1 R:Öffentlich=1 Öffentlich=1 R:Musik=1 Musik=1 |1 Vorab <S19.2E:17:1:1:0> "
         "[1_0_2_11_1_1_C00000_0_0_0] @0"
         "|2 NDR 90,3 <S19.2E:28411:1:1101:0> [1_0_2_6EFB_44D_1_C00000_0_0_0] @1|3 Das Erste HD "
         "<S19.2E:10301:1:1019:5101=27> [1_0_19_283D_3FB_1_C00000_0_0_0 1_0_1_283D_3FB_1_C00000_0_0_0] @2"
         "|201 Welle:Nord <S19.2E:28412:1:1101:1> [1_0_2_6EFC_44D_1_C00000_0_0_0] @3|202 Bild+Ton "
         "<S19.2E:5:1:1:5101+5102=2> [1_0_1_5_1_1_C00000_0_0_0] @4"},
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

TEST(Import, NamenFuellenDieNummernDesEmpfaengersUndFolgenDerGruppenwahl) {
    ImportFund fund;
    fund.gruppen = {{u"A"_s, false, 6}, {u"B"_s, false, 2}, {u"R"_s, true, 2}};
    fund.sender = {Sender(u"Eins"_s, 1, {0}),      Sender(QString(), 2, {0}, true), Sender(QString(), 5, {0}),
                   Sender(u"Vier"_s, 3, {1}),      Sender(u"Fünf"_s, 0, {2}),       Sender(u"Sechs"_s, 2000, {0, 1}),
                   Sender(u"Sieben"_s, 3000, {0}), Sender(u"Acht"_s, 3002, {2, 7})};
    for (const int i : {0, 1, 2, 6, 7})
        fund.sender[i].logoSchluessel = {QString::number(i), u"k"_s};
    // 2 → 5 fills 3 and 4; 5 → 3 goes on counting; after a channel without number no
    // gap; 2000 → 3000 fills 999 numbers; 3000 → 3002 one.
    QStringList alle = {u"Eins"_s,        u"(frei)"_s, u"(frei)"_s, u"(frei)"_s,
                        u"(ohne Name)"_s, u"Vier"_s,   u"Fünf"_s,   u"Sechs"_s};
    alle += QStringList(999, u"(frei)"_s);
    alle += {u"Sieben"_s, u"(frei)"_s, u"Acht"_s};
    EXPECT_EQ(ImportNamen(fund, {true, true, true}), alle);
    EXPECT_EQ(GewaehlteSender(fund, {true, true, true}), 8);
    EXPECT_EQ(FreieNummern(fund, {true, true, true}), 2 + 999 + 1);
    EXPECT_EQ(ImportNamen(fund, {true, true, true}, false),
              (QStringList{u"Eins"_s, u"(frei)"_s, u"(ohne Name)"_s, u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"Sieben"_s,
                           u"Acht"_s}));
    // Only B and R: 3 → 2000 is more than 1000 apart, 2000 → 3002 too.
    EXPECT_EQ(ImportNamen(fund, {false, true, true}), (QStringList{u"Vier"_s, u"Fünf"_s, u"Sechs"_s, u"Acht"_s}));
    EXPECT_EQ(GewaehlteSender(fund, {false, true, false}), 2);
    // The logo keys stand index for index beside the names; "(frei)" entries have none.
    const auto k = [](const char* n) { return QStringList{QString::fromUtf8(n), u"k"_s}; };
    QList<QStringList> schluessel = {k("0"), {}, {}, {}, k("2"), {}, {}, {}};
    schluessel += QList<QStringList>(999, QStringList()) + QList<QStringList>{k("6"), {}, k("7")};
    EXPECT_EQ(ImportLogoSchluessel(fund, {true, true, true}), schluessel);
}

// Later copies of a station (same name key or reference; never placeholders or channels
// without name) left out on request, their numbers "(frei)" before a next channel.
TEST(Import, DoppelteSenderWerdenAufWunschWeggelassen) {
    ImportFund fund; // groups A and B
    const QString r = u"r"_s, f = u"(frei)"_s, o = u"(ohne Name)"_s;
    fund.sender = {Sender(u"München TV HD"_s, 1, {0}), Sender(u"ZDF"_s, 2, {1}, false, r),
                   Sender(u"MUENCHEN-TV"_s, 3, {0}),   Sender({}, 4, {0}, true, u"p"_s),
                   Sender({}, 5, {0}, true, u"p"_s),   Sender({}, 6, {0}, false, r),
                   Sender(u"ZDFneo"_s, 7, {0}),        Sender(u"Zweites"_s, 9, {0}, false, r),
                   Sender(u"zdf sd"_s, 0, {0}),        Sender(u"Arte"_s, 11, {0}),
                   Sender(u"ZDF"_s, 13, {0})};
    // Copies: "MUENCHEN-TV", "Zweites" (ZDF's reference), "zdf sd", the second "ZDF"; not "ZDFneo".
    EXPECT_EQ(DoppelteSender(fund, {true, true}), 4);
    EXPECT_EQ(DoppelteSender(fund, {true, false}), 2); // without ZDF, "Zweites" and "zdf sd" come first
    // 3, 8 and 9 free, not 12 and 13 after the last channel, nothing for "zdf sd" (no number).
    EXPECT_EQ(ImportNamen(fund, {true, true}, true, true),
              (QStringList{u"München TV HD"_s, u"ZDF"_s, f, f, f, o, u"ZDFneo"_s, f, f, u"Arte"_s}));
    EXPECT_EQ(ImportNamen(fund, {true, true}, false, true),
              (QStringList{u"München TV HD"_s, u"ZDF"_s, f, f, o, u"ZDFneo"_s, u"Arte"_s}));
    EXPECT_EQ(FreieNummern(fund, {true, true}, true), 3);
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
    EXPECT_EQ(meldung(gross), u"Die Datei "_s + gross + u" ist größer als 256 MiB und wird nicht eingelesen."_s);
    EXPECT_EQ(meldung(fehlt), u"Datei: Datei "_s + fehlt + u" kann nicht geöffnet werden"_s);

    // Siblings of a bouquet set: the exact name first, else in another case; none outside.
    test::Schreib(ordner.filePath(u"Bouquets.TV"_s), "gross");
    test::Schreib(ordner.filePath(u"bouquets.radio"_s), "klein");
    test::Schreib(ordner.filePath(u"BOUQUETS.RADIO"_s), "GROSS");
    const BouquetDateizugriff lies = BouquetDateienIn(ordner.path());
    EXPECT_EQ(lies(u"bouquets.tv"_s), QByteArray("gross"));
    EXPECT_EQ(lies(u"bouquets.radio"_s), QByteArray("klein"));
    // The files of one set chosen together are the set once: TV and radio.
    test::Schreib(ordner.filePath(u"bouquets.tv"_s), "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"u.tv\"\n");
    test::Schreib(ordner.filePath(u"u.tv"_s), "#NAME U\n#SERVICE 1:0:1:1:1:1:C00000:0:0:0:\n#DESCRIPTION Eins\n");
    EXPECT_EQ(
        ImportNamen(LeseImportquellen({ordner.filePath(u"u.tv"_s), ordner.path(), ordner.filePath(u"bouquets.tv"_s)}),
                    {true}),
        QStringList{u"Eins"_s});
    EXPECT_EQ(lies(u"../"_s + QFileInfo(ordner.path()).fileName() + u"/bouquets.radio"_s), std::nullopt);
}
