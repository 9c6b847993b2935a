// Tests of the Samsung reader.
#include "import/Samsungliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"

namespace senvio::test::samsung {

// Cable 65 TV / 75 radio in one numbering 1–140, 6 data services at 10000+ left out; IP 4000–4002
// and 5000–5011, each number on four rows of which three are eliminated.
TEST(SamsungListe, EchteListeKabelUndIp) {
    const auto teile = LeseArchiv(Lies(SENVIO_FERNSEHER "/samsung/Channel_list_T-KTMDEUC-1132.6.zip"), "c.zip");
    ASSERT_TRUE(IstSamsungArchiv(teile));
    const ImportFund fund = LeseSamsungArchiv(teile, QStringLiteral("c.zip"));
    const auto listen = KanaeleJeListe(fund);
    EXPECT_EQ(ZahlenJeListe(listen), (QMap<QString, QString>{{"Kabel", "65/75"}, {"IP", "15/0"}}));
    EXPECT_TRUE(fund.gruppen.value(0).vorgewaehlt && !fund.gruppen.value(0).eigeneZaehlung);
    EXPECT_EQ(listen["Kabel"].mid(0, 3), (QStringList{"1 Das Erste HD C-41985-1051-11100", "2 ZDF HD C-102-1079-11110",
                                                      "3 WDR Köln HD C-9999-111-11155"}));
    EXPECT_EQ(listen["Kabel"].mid(64, 2), (QStringList{"65 ZEE.ONE C-9999-211-20125", "R66 1LIVE C-41985-1101-28475"}));
    EXPECT_EQ(listen["IP"].mid(2, 2),
              (QStringList{"4002 Filme in UHD I-DEAH4905008A", "5000 Motorvision I-DEAH3904004A"}));
}

// A satellite database with every case (and two rows of one number of format 1352), the
// member sat with the positions, an IP member.
TEST(SamsungListe, HandgemachteFaelle) {
    // srvId, chId, major, progNum, srvName (or a blob literal x'…'), srvType, elim, recState
    auto db = [](const QString& mehr, const QStringList& zeilen) {
        QString sql = "PRAGMA encoding='UTF-16le'; CREATE TABLE CHNL(chId, chType, chNum, freq);"
                      "CREATE TABLE SRV(srvId, chId, major, progNum, srvName text, srvType, tsid, elim, recState);"
                      "CREATE TABLE SRV_DVB(srvId, onid); CREATE TABLE SRV_FAV(srvId, fav, pos);" +
                      mehr;
        for (const QString& z : zeilen) {
            QStringList w = z.split(u',');
            w[4] = "CAST(" + (w[4].startsWith("x'") ? w[4] : Utf16beLiteral(w[4])) + " AS TEXT)";
            sql += QStringLiteral("INSERT INTO SRV VALUES(%1,1079,%2,%3); INSERT INTO SRV_DVB VALUES(%4,1);")
                       .arg(w.mid(0, 6).join(u','), w[6], w[7], w[0]);
        }
        return Datenbank(sql);
    };
    const QByteArray dvbs = db("CREATE TABLE SRV_EXT_APP(x); INSERT INTO CHNL VALUES(1,7,5,0),(2,7,6,0);"
                               "INSERT INTO SRV_FAV VALUES(6,2,0),(2,2,1),(1,2,2),(4,2,3);",
                               {"1,1,1,28006,ZDF,1,0,0", "2,2,2,100,Ö1,2,0,0", "3,1,3,101,Daten,12,0,0",
                                "4,1,3,102,Eliminiert,1,1,0", "5,1,-1,103,Gelöscht,1,0,0",
                                "6,1,4,104,x'E49080EFB080',1,0,0", // "Dü" in three-byte envelopes
                                "7,1,5,7,Alt,1,0,1", "8,1,5,8,Neu,1,0,3"});
    const QByteArray sat = Datenbank("CREATE TABLE SAT(satId, satName, satDir, satPos); CREATE TABLE "
                                     "SAT_TP(tpId, satId); INSERT INTO SAT VALUES(1,'Astra',1,192),(2,'Thor',0,8);"
                                     "INSERT INTO SAT_TP VALUES(5,1),(6,2);");
    const QString json = R"({"default_url":"http://x/live.m3u8","logo_url":"http://x/l/Bon%20Gusto.png"})";
    const QByteArray ipsrv = db("CREATE TABLE SRV_IP(srvId, jsonMeta); INSERT INTO CHNL VALUES(1,9,0,0);"
                                "INSERT INTO SRV_IP VALUES(1,CAST(" +
                                    Utf16beLiteral(json) + " AS TEXT)),(2,NULL);",
                                {"1,1,5000,0,Bon Gusto,-1,0,0", "2,1,5001,0,Ohne,-1,0,0"});
    const QList<Archivteil> teile = {{"ipsrv", ipsrv}, {"dvbs", dvbs}, {"sat", sat}};
    ASSERT_TRUE(IstSamsungArchiv(teile));
    EXPECT_FALSE(IstSamsungArchiv({{"sat", sat}, {"metadata.xml", "<x/>"}}));
    const ImportFund fund = LeseSamsungArchiv(teile, QStringLiteral("liste.zip"));
    EXPECT_EQ(KanaeleJeListe(fund),
              (QMap<QString, QStringList>{
                  {"Satellit",
                   {"1 ZDF S19.2E-1-1079-28006", "R2 Ö1 S0.8W-1-1079-100", "4 Dü S19.2E-1-1079-104",
                    "5 Neu S19.2E-1-1079-8"}},
                  {"IP", {"5000 Bon Gusto http://x/live.m3u8", "5001 Ohne I-2"}},
                  {"Favoriten 2", {"1 Dü S19.2E-1-1079-104", "R2 Ö1 S0.8W-1-1079-100", "3 ZDF S19.2E-1-1079-28006"}},
              }));
    EXPECT_EQ(fund.sender.value(4).logoSchluessel.value(0), "Bon Gusto");
    EXPECT_EQ(Meldung([] {
                  LeseSamsungArchiv({{"dvbc", Datenbank("CREATE TABLE CHNL(chId); CREATE TABLE SRV(srvId, chId);")}},
                                    QStringLiteral("kaputt.zip"));
              }),
              "Die Datei kaputt.zip/dvbc ist keine lesbare Senderliste: der Tabelle „SRV“ fehlt die Spalte „major“.");
}

} // namespace senvio::test::samsung
