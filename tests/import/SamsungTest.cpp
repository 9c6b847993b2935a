// Tests of the Samsung reader.
#include "import/Samsungliste.h"
#include "platform/Fehler.h"

#include "TestDateien.h"
#include "Testdatenbank.h"

namespace senvio::test::samsung {

// Cable 65 TV / 75 radio in one numbering, 6 data services at 10000+ left out; IP 4000–4002
// and 5000–5011, each number on four rows of which three are eliminated.
TEST(SamsungListe, EchteListeKabelUndIp) {
    const QList<Archivteil> teile = LeseArchiv(Lies(SENVIO_FERNSEHER "/samsung/Channel_list_T-KTMDEUC-1132.6.zip"),
                                               QStringLiteral("Channel_list.zip"));
    ASSERT_TRUE(IstSamsungArchiv(teile));
    const ImportFund fund = LeseSamsungArchiv(teile, QStringLiteral("Channel_list.zip"));
    EXPECT_EQ(Gruppenzahlen(fund), (QMap<QString, QString>{{"Kabel", "65/75"}, {"IP", "15/0"}}));
    ASSERT_EQ(fund.gruppen.size(), 2);
    EXPECT_TRUE(fund.gruppen[0].vorgewaehlt);
    EXPECT_FALSE(fund.gruppen[0].eigeneZaehlung);
    const QStringList kabel = Kanaele(fund, QStringLiteral("Kabel"), true);
    ASSERT_EQ(kabel.size(), 140);
    EXPECT_EQ(kabel.mid(0, 3), (QStringList{"1 Das Erste HD C-41985-1051-11100", "2 ZDF HD C-102-1079-11110",
                                            "3 WDR Köln HD C-9999-111-11155"}));
    EXPECT_EQ(kabel.mid(64, 2), (QStringList{"65 ZEE.ONE C-9999-211-20125", "R66 1LIVE C-41985-1101-28475"}));
    const QStringList ip = Kanaele(fund, QStringLiteral("IP"), true);
    ASSERT_EQ(ip.size(), 15);
    EXPECT_EQ(ip.mid(0, 4), (QStringList{"4000 Neuheiten I-DEAH4905009A", "4001 Family I-DEAH4905010A",
                                         "4002 Filme in UHD I-DEAH4905008A", "5000 Motorvision I-DEAH3904004A"}));
}

// One satellite database with every case, a sat member with the positions, an IP member.
TEST(SamsungListe, HandgemachteFaelle) {
    const QString schema = QStringLiteral(
        "PRAGMA encoding='UTF-16le';"
        "CREATE TABLE CHNL(chId integer PRIMARY KEY, chType integer, chNum integer, freq integer);"
        "CREATE TABLE SRV(srvId integer PRIMARY KEY, chId integer, major integer, progNum integer, srvName text,"
        " srvType integer, tsid integer, elim bool, recState integer);"
        "CREATE TABLE SRV_DVB(srvId integer PRIMARY KEY, onid integer);"
        "CREATE TABLE SRV_FAV(srvId integer, fav integer, pos integer);");
    auto srv = [](int id, int chId, int major, int sid, const QString& name, int typ, int elim, int zustand = 0) {
        return QStringLiteral("INSERT INTO SRV VALUES(%1,%2,%3,%4,CAST(%5 AS TEXT),%6,1079,%7,%8);"
                              "INSERT INTO SRV_DVB VALUES(%1,1);")
            .arg(id)
            .arg(chId)
            .arg(major)
            .arg(sid)
            .arg(name)
            .arg(typ)
            .arg(elim)
            .arg(zustand);
    };
    const QByteArray dvbs = Testdatenbank(
        schema + "INSERT INTO CHNL VALUES(1,7,5,11494),(2,7,6,10714);" +
        srv(1, 1, 1, 28006, Utf16beLiteral("ZDF"), 1, 0) + srv(2, 2, 2, 100, Utf16beLiteral("Ö1"), 2, 0) +
        srv(3, 1, 3, 101, Utf16beLiteral("Daten"), 12, 0) + srv(4, 1, 3, 102, Utf16beLiteral("Eliminiert"), 1, 1) +
        srv(5, 1, -1, 103, Utf16beLiteral("Gelöscht"), 1, 0) +
        // format 1242: "Dü" in three-byte envelopes
        srv(6, 1, 4, 104, QStringLiteral("x'E49080EFB080'"), 1, 0) +
        "INSERT INTO SRV_FAV VALUES(6,2,0),(2,2,1),(1,2,2),(4,2,3);");
    // Format 1352: two rows for one number, the later one counts.
    const QByteArray dvbt = Testdatenbank(
        schema + "CREATE TABLE SRV_EXT_APP(srvId integer); INSERT INTO CHNL VALUES(1,2,0,0);" +
        srv(1, 1, 1, 7, Utf16beLiteral("Alt"), 1, 0, 1) + srv(2, 1, 1, 8, Utf16beLiteral("Neu"), 1, 0, 3));
    const QByteArray sat = Testdatenbank(QStringLiteral(
        "CREATE TABLE SAT(satId integer PRIMARY KEY, satName text, satDir integer, satPos integer);"
        "CREATE TABLE SAT_TP(tpId integer PRIMARY KEY, satId integer);"
        "INSERT INTO SAT VALUES(1,'Astra',1,192),(2,'Thor',0,8); INSERT INTO SAT_TP VALUES(5,1),(6,2);"));
    const QString json =
        QStringLiteral(R"({"default_url":"http://x/live.m3u8","logo_url":"http://x/l/Bon%20Gusto.png"})");
    const QByteArray ipsrv = Testdatenbank(
        schema + "CREATE TABLE SRV_IP(srvId integer, jsonMeta text); INSERT INTO CHNL VALUES(1,9,0,0);" +
        srv(1, 1, 5000, 0, Utf16beLiteral("Bon Gusto"), -1, 0) + srv(2, 1, 5001, 0, Utf16beLiteral("Ohne"), -1, 0) +
        "INSERT INTO SRV_IP VALUES(1,CAST(" + Utf16beLiteral(json) + " AS TEXT)),(2,NULL);");
    const QList<Archivteil> teile = {{"ipsrv", ipsrv}, {"dvbs", dvbs}, {"dvbt", dvbt}, {"sat", sat}};
    ASSERT_TRUE(IstSamsungArchiv(teile));
    EXPECT_FALSE(IstSamsungArchiv({{"sat", sat}, {"metadata.xml", "<x/>"}}));
    const ImportFund fund = LeseSamsungArchiv(teile, QStringLiteral("liste.zip"));
    EXPECT_EQ(Gruppenzahlen(fund),
              (QMap<QString, QString>{{"Satellit", "2/1"}, {"Antenne", "1/0"}, {"IP", "2/0"}, {"Favoriten 2", "2/1"}}));
    const QStringList erwartet[] = {
        {"1 ZDF S19.2E-1-1079-28006", "R2 Ö1 S0.8W-1-1079-100", "4 Dü S19.2E-1-1079-104"},
        {"1 Neu T-1-1079-8"},
        {"5000 Bon Gusto http://x/live.m3u8", "5001 Ohne I-2"},
        {"1 Dü S19.2E-1-1079-104", "R2 Ö1 S0.8W-1-1079-100", "3 ZDF S19.2E-1-1079-28006"},
    };
    for (qsizetype g = 0; g < fund.gruppen.size(); ++g)
        EXPECT_EQ(Kanaele(fund, fund.gruppen[g].name, true), erwartet[g]) << fund.gruppen[g].name.toStdString();
    const auto bonGusto = std::find_if(fund.sender.begin(), fund.sender.end(),
                                       [](const ImportSender& s) { return s.name == "Bon Gusto"; });
    ASSERT_NE(bonGusto, fund.sender.end());
    EXPECT_EQ(bonGusto->logoSchluessel.value(0), "Bon Gusto");

    // A list database without the number column.
    const QByteArray ohneMajor =
        Testdatenbank(QStringLiteral("CREATE TABLE CHNL(chId, chType, chNum, freq); CREATE TABLE SRV(srvId, chId);"));
    try {
        LeseSamsungArchiv({{"dvbc", ohneMajor}}, QStringLiteral("kaputt.zip"));
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_TRUE(f.meldung().contains("kaputt.zip/dvbc")) << f.meldung().toStdString();
        EXPECT_TRUE(f.meldung().contains("„major“")) << f.meldung().toStdString();
    }
}

} // namespace senvio::test::samsung
