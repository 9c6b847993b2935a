// Tests of the Sharp reader: the real 5-column CSV and the other variants written here.
#include "import/Sharpliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

TEST(SharpListe, LiestFuenfSpalten) {
    const QByteArray bytes = Lies(SENVIO_FERNSEHER "/sharp/DVBS_Program5.csv");
    ASSERT_TRUE(IstSharpListe(bytes));
    // Windows-1252; each kind numbered in the order of the file from 1, 40 data services left out.
    const ImportFund f = LeseSharpListe(bytes, QStringLiteral("DVBS_Program5.csv"));
    EXPECT_EQ(Listen(f), QStringList({"*Satellit 935/152"}));
    const QString s = QStringLiteral("Satellit");
    EXPECT_EQ(QStringList({Kanal(f, s, 1), Kanal(f, s, 2), Kanal(f, s, 3), Kanal(f, s, 128), Kanal(f, s, 935),
                           Kanal(f, s, 936), Kanal(f, s, 1, true), Kanal(f, s, 152, true)}),
              QStringList({"TV Mainfranken HD", "Franken Fernsehen HD", "TVA Ostbayern HD", "MDR Thüringen HD",
                           "Test-R", "?", "RADIOS ESP", "RADIO MARIA"}));
}

TEST(SharpListe, AndereVarianten) {
    // DVBS_CHANNEL_TABLE.csv (UTF-8): its own numbers, each kind from 1, and the reference.
    const QByteArray tabelle = "--------S2 Program Data!--------\nNOTE: x\n"
                               "Channel number,Channel Name,Service Type,TS id,orig network id,ServiceID,Satellite "
                               "Angle,[S]\n5,WDR Köln,1,1101,1,28111,192\n1,Bayern 3,2,1051,1,28203,192\n"
                               "2,Daten,3,1,1,1,192\n[E]\n9,Danach,1,1,1,1,192\n";
    const ImportFund t = LeseSharpListe(tabelle, QStringLiteral("DVBS_CHANNEL_TABLE.csv"));
    EXPECT_EQ(Listen(t), QStringList({"*Satellit 1/1"}));
    EXPECT_EQ(Kanal(t, "Satellit", 5), "WDR Köln S19.2E-1-1101-28111");
    EXPECT_EQ(Kanal(t, "Satellit", 1, true), "Bayern 3 S19.2E-1-1051-28203");
    // Six columns: LCN is the number.
    const ImportFund l = LeseSharpListe("--------DVBS Program Data!--------\r\nNOTE\r\nChannel Number,LCN,Channel Name,"
                                        "Service Type,Free or Scramble,Transponder\r\n0,7,ZDF ,DTV,Free,x\r\n[E]\r\n",
                                        QStringLiteral("DVBS_Program.csv"));
    EXPECT_EQ(Kanal(l, "Satellit", 7), "ZDF");
    EXPECT_FALSE(IstSharpListe("Channel Number,Channel Name\n"));
    EXPECT_EQ(
        Meldung([&] { LeseSharpListe("--------DVBS Program Data!--------\nChannel Name,Typ\n", "/stick/a.csv"); }),
        "Die Datei /stick/a.csv ist keine lesbare Senderliste: der Kopfzeile fehlt die Spalte „Service Type“.");
}
