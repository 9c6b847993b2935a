// Tests of the Tcl reader.
#include "import/Tclliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"

namespace senvio::test::tcl {

// Cable with TV and radio in one numbering, satellite with radio from 1; names padded with
// blanks and NULs; deleted by EditFlag or IsDelete, hidden, without number (65535), data,
// favourites flag.
TEST(TclListe, HandgemachtesTar) {
    const QByteArray dtv = Datenbank(
        "CREATE TABLE ProgramInfoTbl(u32Index, ProgNum, ServiceName, ServiceID, EditFlag, u16MuxTblID, u8DtvRoute);"
        "CREATE TABLE AtrributeTbl(u32Index, RealServiceType, IsDelete); CREATE TABLE CurCIOPSerType(u8DtvRoute, "
        "RouteName); CREATE TABLE MuxInfoTbl(u16MuxTblID, OriginalNetworkId, TransportStreamId);"
        "INSERT INTO CurCIOPSerType VALUES(0,'dvbc'),(2,'dvbs'); INSERT INTO MuxInfoTbl VALUES(1,1,1051),(2,1,1079);"
        "INSERT INTO ProgramInfoTbl VALUES(1,1,'Das Erste HD   ',28106,1,1,0),(2,2,CAST(x'5AC3BC726963680000' AS TEXT),"
        "28107,0,1,0),(3,3,'Bayern 3',28400,1,1,0),(4,4,'EPG',1,0,1,0),(5,5,'Weg',2,16,1,0),(6,6,'Weg',3,0,1,0),"
        "(7,65535,'Ohne',4,0,1,0),(8,8,'Versteckt',5,8,1,0),(9,1,'Sat TV',10,0,2,2),(10,1,'Sat Radio',11,1,2,2),"
        "(11,2,'Fremd',12,0,2,7); INSERT INTO AtrributeTbl VALUES(1,25,0),(2,1,0),(3,2,0),(4,12,0),(5,1,0),(6,1,1),"
        "(7,1,0),(8,1,0),(9,1,0),(10,2,0),(11,1,0);");
    const QList<Archivteil> teile = LeseArchiv(Tar("database/userdata/DtvData.db", dtv), QStringLiteral("tcl.tar"));
    ASSERT_TRUE(IstTclArchiv(teile));
    EXPECT_FALSE(IstTclArchiv({{"database/satellite.db", dtv}}));
    const ImportFund fund = LeseTclArchiv(teile, QStringLiteral("tcl.tar"));
    EXPECT_EQ(KanaeleJeListe(fund),
              (QMap<QString, QStringList>{
                  {"Kabel",
                   {"1 Das Erste HD C-1-1051-28106", "2 Zürich C-1-1051-28107", "R3 Bayern 3 C-1-1051-28400",
                    "8 Versteckt C-1-1051-5"}},
                  {"Satellit", {"1 Sat TV S-1-1079-10", "R1 Sat Radio S-1-1079-11"}},
                  {"Favoriten 1",
                   {"1 Das Erste HD C-1-1051-28106", "R2 Bayern 3 C-1-1051-28400", "R3 Sat Radio S-1-1079-11"}},
              }));
    EXPECT_TRUE(!fund.gruppen.value(0).eigeneZaehlung && fund.gruppen.value(1).eigeneZaehlung);
    EXPECT_EQ(Meldung([] {
                  LeseTclArchiv({{"DtvData.db", Datenbank("CREATE TABLE ProgramInfoTbl(u32Index);")}},
                                QStringLiteral("kaputt.tar"));
              }),
              "Die Datei kaputt.tar/DtvData.db ist keine lesbare Senderliste: der Tabelle „ProgramInfoTbl“ fehlt "
              "die Spalte „ProgNum“.");
}

} // namespace senvio::test::tcl
