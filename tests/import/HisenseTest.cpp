// Tests of the Hisense and Loewe reader: the real channel.db and small databases made here.
#include "import/Hisenseliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

TEST(HisenseListe, LiestChannelDb) {
    const Sqlitebild db(Lies(SENVIO_FERNSEHER "/hisense/channel.db"), QStringLiteral("channel.db"));
    ASSERT_TRUE(IstHisenseDatenbank(db));
    const ImportFund f = LeseHisenseDatenbank(db);
    // Cable: 294 TV and 2 nameless analog channels at 295–296; data services left out.
    EXPECT_EQ(Listen(f), QStringList({"Kabel 296/71", "*Satellit 1066/160"}));
    const QString sat = QStringLiteral("Satellit"), kabel = QStringLiteral("Kabel");
    const std::tuple<QString, int, bool, QString> kanaele[] = {
        {sat, 1, false, "ORF1 HD S19.2E-1-1007-4911"},
        {sat, 2, false, "ORF2O HD S19.2E-1-1005-13304"},
        {sat, 3, false, "ATV HD S19.2E-1-1003-13228"},
        {sat, 40, false, "BR Fernsehen Süd HD S19.2E-1-1025-10325"},
        {sat, 917, true, "1LIVE S19.2E-1-1093-28475"},
        {sat, 1074, true, ". S19.2E-133-5-175"},
        {sat, 1075, false, "?"},
        {sat, 1120, false, "?"}, // data services between
        {sat, 1121, false, "GUÍA FÁCIL S19.2E-1-1058-30198"},
        {kabel, 1, false, "ORF eins HD C-1-410-61920"},
        {kabel, 143, false, "ORF 2 NÖ HD C-1-498-4916"},
        {kabel, 295, false, "A-C-535.25"},
        {kabel, 296, false, "A-C-559.25"}};
    for (const auto& [liste, nummer, radio, erwartet] : kanaele)
        EXPECT_EQ(Kanal(f, liste, nummer, radio), erwartet) << nummer;
}

TEST(HisenseListe, HandgemachteDatenbanken) {
    // channel.db: the number is the unsigned channel_id >> 18; a data service, a deleted
    // channel (option_mask bit 13), favourites 1 from nw_mask 0x10 counted from 1.
    const Sqlitebild hisense(
        Datenbank("CREATE TABLE svl_2 (channel_id, e_serv_type, ac_name, prog_id, tsl_rec_id, nw_mask, option_mask);"
                  "CREATE TABLE tsl_2 (tsl_rec_id, 't_desc.on_id', 't_desc.ts_id', 't_desc.e_bcst_medium');"
                  "INSERT INTO tsl_2 VALUES (7, 1, 1051, 2);"
                  "INSERT INTO svl_2 VALUES (262145, 1, 'Das Erste', 28106, 7, 16, 0), (524288, 2, 'B3', 3, 7, 0, 0),"
                  "(786432, 3, 'Daten', 9, 7, 16, 0), (1048576, 1, 'Weg', 5, 7, 16, 8192),"
                  "(-262144, 1, 'Hoch', 6, 7, 0, 0), (1310720, 1, 'ZDF', 28006, 7, 16, 0);"),
        QStringLiteral("channel.db"));
    const ImportFund h = LeseHisenseDatenbank(hisense);
    EXPECT_EQ(Listen(h), QStringList({"*Kabel 3/1", "Favoriten 1 2/0"}));
    EXPECT_EQ(Kanal(h, "Kabel", 16383), "Hoch C-1-1051-6");
    EXPECT_EQ(Kanal(h, "Favoriten 1", 2), "ZDF C-1-1051-28006");

    // servicelist.db: $all counts radio from 1, $av (inputs) is left out, a satellite's list
    // gives the position; a deleted item.
    const Sqlitebild loewe(
        Datenbank(
            "CREATE TABLE FavoriteList (Pid, Name); CREATE TABLE Service (Pid, Name, MediaType);"
            "CREATE TABLE FavoriteItem (FavoriteId, ServiceId, ChannelNum, isDeleted);"
            "CREATE TABLE DvbService (ServiceId, TunerId, Sid); CREATE TABLE Tuner (TunerId, Oid, Tid);"
            "INSERT INTO FavoriteList VALUES (1, '$all'), (2, '$av'), (3, 'ASTRA1 19.2°E'), (4, 'FAV1');"
            "INSERT INTO Service VALUES (10, 'Das Erste HD', 1), (11, 'Bayern 3', 2), (12, 'Weg', 1),"
            "(13, 'HDMI1', 0);"
            "INSERT INTO FavoriteItem VALUES (1, 10, 1, 0), (1, 11, 1, 0), (1, 12, 2, 1), (2, 13, 1, 0),"
            "(3, 10, 1, 0), (3, 11, 2, 0), (4, 11, 1, 0);"
            "INSERT INTO DvbService VALUES (10, 1, 28106), (11, 1, 28203); INSERT INTO Tuner VALUES (1, 1, 1019);"),
        QStringLiteral("servicelist.db"));
    ASSERT_TRUE(IstHisenseDatenbank(loewe));
    const ImportFund l = LeseHisenseDatenbank(loewe);
    EXPECT_EQ(Listen(l), QStringList({"*Alle Sender 1/1", "Satellit ASTRA1 19.2°E 1/1", "Favoriten 1 0/1"}));
    EXPECT_EQ(Kanal(l, "Alle Sender", 1, true), "Bayern 3 S19.2E-1-1019-28203");
    EXPECT_EQ(Kanal(l, "Satellit ASTRA1 19.2°E", 2, true), "Bayern 3 S19.2E-1-1019-28203");

    const Sqlitebild kaputt(Datenbank("CREATE TABLE svl_1 (channel_id, e_serv_type, ac_name, tsl_rec_id);"),
                            QStringLiteral("/stick/channel.db"));
    EXPECT_EQ(
        Meldung([&] { LeseHisenseDatenbank(kaputt); }),
        "Die Datei /stick/channel.db ist keine lesbare Senderliste: der Tabelle „svl_1“ fehlt die Spalte „prog_id“.");
}
