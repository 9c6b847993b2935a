// The readers of playlists, recorder channel files and reference lists on small files
// written by hand; each expected fund is worked out from the file's rules.
#include "import/Kanaldatei.h"
#include "import/Piconname.h"
#include "import/Referenzliste.h"
#include "import/Wiedergabeliste.h"

#include <gtest/gtest.h>

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

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
        {"#NAME Favoriten\r\n#SERVICE 1:0:19:283D:3FB:1:C00000:0:0:0:\r\n#DESCRIPTION Eins\r\n"_ba, ""},
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
        {'r', "1:0:19:283D:3FB:1:C00000:0:0", ""},
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
