// Tests of the Tcl reader.
#include "import/Tclliste.h"

#include "Fehlermeldung.h"
#include "TestDateien.h"
#include "Testdatenbank.h"

#include <archive.h>
#include <archive_entry.h>

namespace senvio::test::tcl {

// A tar holding the bytes as one file, written by libarchive.
QByteArray Tar(const char* pfad, const QByteArray& inhalt) {
    QByteArray tar(inhalt.size() + 8192, '\0');
    size_t groesse = 0;
    archive* a = archive_write_new();
    archive_write_set_format_ustar(a);
    archive_write_open_memory(a, tar.data(), size_t(tar.size()), &groesse);
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname(e, pfad);
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_perm(e, 0644);
    archive_entry_set_size(e, inhalt.size());
    EXPECT_EQ(archive_write_header(a, e), ARCHIVE_OK);
    EXPECT_EQ(archive_write_data(a, inhalt.constData(), size_t(inhalt.size())), inhalt.size());
    archive_entry_free(e);
    archive_write_close(a);
    archive_write_free(a);
    tar.truncate(qsizetype(groesse));
    return tar;
}

// Cable with TV and radio in one numbering, satellite with radio from 1; names padded with
// blanks and NULs; deleted by EditFlag or IsDelete, hidden, without number (65535), data,
// favourites flag.
TEST(TclListe, HandgemachtesTar) {
    const QByteArray dtv = Testdatenbank(
        "CREATE TABLE ProgramInfoTbl(u32Index, ProgNum, ServiceName, ShortServiceName, ServiceID, EditFlag,"
        " u16MuxTblID, u8DtvRoute);"
        "CREATE TABLE AtrributeTbl(u32Index, RealServiceType, IsDelete, IsSkipped, IsFavor, VisibleFlag);"
        "CREATE TABLE MuxInfoTbl(u16MuxTblID, OriginalNetworkId, TransportStreamId, Freq);"
        "CREATE TABLE CurCIOPSerType(u8DtvRoute, RouteName); CREATE TABLE SateliteInfoTbl(x);"
        "INSERT INTO CurCIOPSerType VALUES(0,'dvbc'),(2,'dvbs');"
        "INSERT INTO MuxInfoTbl VALUES(1,1,1051,330000),(2,1,1079,11953);"
        "INSERT INTO ProgramInfoTbl VALUES(1,1,'Das Erste HD   ','',28106,1,1,0),"
        "(2,2,CAST(x'5AC3BC726963680000' AS TEXT),'',28107,0,1,0),(3,3,'Bayern 3','',28400,1,1,0),"
        "(4,4,'EPG','',1,0,1,0),(5,5,'Weg','',2,16,1,0),(6,6,'Auch weg','',3,0,1,0),(7,65535,'Ohne','',4,0,1,0),"
        "(8,8,'Versteckt','',5,8,1,0),(9,1,'Sat TV','',10,0,2,2),(10,1,'Sat Radio','',11,1,2,2),"
        "(11,2,'Fremd','',12,0,2,7);"
        "INSERT INTO AtrributeTbl VALUES(1,25,0,0,1,1),(2,1,0,0,0,1),(3,2,0,0,1,1),(4,12,0,0,0,1),(5,1,0,0,0,1),"
        "(6,1,1,0,0,1),(7,1,0,0,0,1),(8,1,0,1,0,0),(9,1,0,0,0,1),(10,2,0,0,1,1),(11,1,0,0,0,1);");
    const QList<Archivteil> teile = LeseArchiv(Tar("database/userdata/DtvData.db", dtv), QStringLiteral("tcl.tar"));
    ASSERT_TRUE(IstTclArchiv(teile));
    EXPECT_FALSE(IstTclArchiv({{"database/satellite.db", dtv}}));
    const ImportFund fund = LeseTclArchiv(teile, QStringLiteral("tcl.tar"));
    EXPECT_EQ(AlleKanaele(fund),
              (QMap<QString, QStringList>{
                  {"Kabel",
                   {"1 Das Erste HD C-1-1051-28106", "2 Zürich C-1-1051-28107", "R3 Bayern 3 C-1-1051-28400",
                    "8 Versteckt C-1-1051-5"}},
                  {"Satellit", {"1 Sat TV S-1-1079-10", "R1 Sat Radio S-1-1079-11"}},
                  {"Favoriten 1",
                   {"1 Das Erste HD C-1-1051-28106", "R2 Bayern 3 C-1-1051-28400", "R3 Sat Radio S-1-1079-11"}},
              }));
    EXPECT_FALSE(fund.gruppen.value(0).eigeneZaehlung);
    EXPECT_TRUE(fund.gruppen.value(1).eigeneZaehlung);
    EXPECT_EQ(Meldung([] {
                  LeseTclArchiv({{"DtvData.db", Testdatenbank("CREATE TABLE ProgramInfoTbl(u32Index);")}},
                                QStringLiteral("kaputt.tar"));
              }),
              "Die Datei kaputt.tar/DtvData.db ist keine lesbare Senderliste: der Tabelle „ProgramInfoTbl“ fehlt "
              "die Spalte „ProgNum“.");
}

} // namespace senvio::test::tcl
