// Bouquet sets of satellite receivers, written by hand: one file name to its bytes.
#include "import/Bouquets.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

using Dateien = QMap<QString, QByteArray>;

// The groups as "Name/Anzahl" (" R" for radio), the channels as "Name@Gruppe" ("P" for a placeholder).
QStringList Kurz(const ImportFund& f) {
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
    EXPECT_EQ(Kurz(f), (QStringList{u"Favoriten/8"_s, u"userbouquet.c.tv/1"_s, u"Kanal Eins HD@0"_s, u"Kanal Zwei@0"_s,
                                    u"P@0"_s, u"Kanal Drei@0"_s, u"Welle: 100% %zz%4@0"_s, u"Musik Drei@0"_s, u"@0"_s,
                                    u"@0"_s, u"Radio ä\u00E4@1"_s}));
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
    EXPECT_EQ(Kurz(Lies(dateien, BouquetWahl::Beide)),
              (QStringList{u"TV/1"_s, u"Radio/1 R"_s, u"Bild Vier@0"_s, u"Welle \"Nord\", eins@1"_s}));
    EXPECT_EQ(Kurz(Lies(dateien, BouquetWahl::Radio)), (QStringList{u"Radio/1 R"_s, u"Welle \"Nord\", eins@0"_s}));
    // lamedb is asked first; lamedb5 only when lamedb holds no service.
    Dateien beide = dateien;
    beide[u"lamedb"_s] = lamedb;
    EXPECT_EQ(Kurz(Lies(beide, BouquetWahl::Fernsehen)), (QStringList{u"TV/1"_s, u"Musik Drei@0"_s}));
}

TEST(Bouquets, SchleifenUndFehlendeDateien) {
    const Dateien dateien{
        {u"bouquets.tv"_s, Verweis("bouquets.tv") + Verweis("userbouquet.a.tv") + Verweis("userbouquet.a.tv")},
        {u"userbouquet.a.tv"_s, "#NAME A\n#SERVICE 1:0:1:0:0:0:0:0:0:0::Eins\n" + Verweis("userbouquet.b.tv")},
        {u"userbouquet.b.tv"_s, "#SERVICE 1:0:1:0:0:0:0:0:0:0::Zwei\n" + Verweis("userbouquet.a.tv") +
                                    Verweis("userbouquet.b.tv") + Verweis("../lamedb")},
    };
    const ImportFund f = Lies(dateien, BouquetWahl::Beide);
    EXPECT_EQ(Kurz(f), (QStringList{u"A/2"_s, u"Eins@0"_s, u"Zwei@0"_s}));
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
    EXPECT_EQ(Kurz(f).join(u' '), u"userbouquet.0.tv/8 K0@0 K1@0 K2@0 K3@0 K4@0 K5@0 K6@0 K7@0"_s);
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
