// Tests of the Toshiba reader.
#include "import/Toshibaliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"

namespace senvio::test::toshiba {

// Satellite 338 TV / 172 radio, each from 1 without gaps, all on ASTRA 19.2°E; the one analog
// preset in the TV list ("VCR") has number 0 and is left out.
TEST(ToshibaListe, EchteListeSatellit) {
    const auto teile = LeseArchiv(Lies(SENVIO_FERNSEHER "/toshiba/Toshiba-SL863G.zip"), QStringLiteral("t.zip"));
    ASSERT_TRUE(IstToshibaArchiv(teile));
    const ImportFund fund = LeseToshibaArchiv(teile, QStringLiteral("t.zip"));
    const auto sat = KanaeleJeListe(fund)["Satellit"];
    EXPECT_EQ(ZahlenJeListe(KanaeleJeListe(fund)), (QMap<QString, QString>{{"Satellit", "338/172"}}));
    EXPECT_TRUE(fund.gruppen.value(0).eigeneZaehlung);
    EXPECT_EQ(sat.mid(0, 3), (QStringList{"1 Das Erste HD alt S19.2E-1-1011-11100", "2 ZDF HD S19.2E-1-1011-11110",
                                          "3 RTL Television S19.2E-1-1089-12003"}));
    EXPECT_EQ(sat.value(151), "152 Bayerisches FS Süd S19.2E-1-1101-28107");
    EXPECT_EQ(sat.mid(337, 2),
              (QStringList{"338 Informatiekanaal S19.2E-53-1119-12826", "R1 RADIOS ESP S19.2E-1-1058-30104"}));
}

// Antenna (told by its network ids) and satellite (west), analog, favourites A, a label
// with emphasis codes, one in Latin-1, a data service.
TEST(ToshibaListe, HandgemachteFaelle) {
    const QString spalten = QStringLiteral("(channel_number, channel_label, list_bits, onid, tsid, sid, sat_id);");
    const QByteArray chmgt = Datenbank(
        "CREATE TABLE EuroDTVChanList" + spalten + "CREATE TABLE EuroSATChanList" + spalten +
        "CREATE TABLE EuroATVChanList(channel_number, channel_label, list_bits, frequency);"
        "INSERT INTO EuroDTVChanList VALUES(2,'\u0086RTL\u0087 Television',1114112,8468,1,10,0),"
        "(1,CAST(x'53FC64' AS TEXT),1114112,8468,1,11,0),(1,'Ö3',1179648,8468,1,12,0),(3,'EPG',0,8468,1,13,0);"
        "INSERT INTO EuroSATChanList VALUES(1,'TVE',65536,1,1,5,2);"
        "INSERT INTO EuroATVChanList VALUES(5,'VCR',65536,783250000),(6,'',34,0);");
    const QByteArray sys =
        Datenbank("CREATE TABLE satellite(satellite_id, satellite_name, orbital_position, west_east_flag);"
                  "INSERT INTO satellite VALUES(2,'HISPASAT',300,0),(2,'HISPASAT',300,0);");
    const ImportFund fund = LeseToshibaArchiv({{"a/chmgt.db", chmgt}, {"b/dvbSysData.db", sys}}, "t.zip");
    EXPECT_EQ(KanaeleJeListe(fund),
              (QMap<QString, QStringList>{
                  {"Antenne", {"1 Süd T-8468-1-11", "2 RTL Television T-8468-1-10", "R1 Ö3 T-8468-1-12"}},
                  {"Satellit", {"1 TVE S30.0W-1-1-5"}},
                  {"Analog", {"5 VCR A-783250000"}},
                  {"Favoriten 1", {"1 Süd T-8468-1-11", "2 RTL Television T-8468-1-10", "R3 Ö3 T-8468-1-12"}},
              }));
    EXPECT_EQ(Meldung([] {
                  LeseToshibaArchiv({{"chmgt.db", Datenbank("CREATE TABLE EuroSATChanList(channel_number);")}},
                                    QStringLiteral("kaputt.zip"));
              }),
              "Die Datei kaputt.zip/chmgt.db ist keine lesbare Senderliste: der Tabelle „EuroSATChanList“ fehlt die "
              "Spalte „channel_label“.");
}

} // namespace senvio::test::toshiba
