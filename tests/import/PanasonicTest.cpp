// Tests of the Panasonic reader: the real scrambled svl.db and a small svl.bin made here.
#include "import/Panasonicliste.h"

#include "Fehlermeldung.h"
#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

TEST(PanasonicListe, LiestSvlDb) {
    QByteArray bytes = Lies(SENVIO_FERNSEHER "/panasonic/svl-cable.db");
    ASSERT_TRUE(IstPanasonicListe(bytes));
    const ImportFund f = LesePanasonicListe(bytes, QStringLiteral("svl.db"));
    // TV and radio in one numbering 1–465; the 100 nameless skipped analog presets are left out.
    EXPECT_EQ(Listen(f), QStringList({"*Kabel 304/161"}));
    const QString k = QStringLiteral("Kabel");
    EXPECT_EQ(QStringList({Kanal(f, k, 1), Kanal(f, k, 2), Kanal(f, k, 3), Kanal(f, k, 38), Kanal(f, k, 269),
                           Kanal(f, k, 270, true), Kanal(f, k, 465)}),
              QStringList({"ORF1 HD C-333-1118-13001", "ORF2O HD C-333-1118-13006", "ATV HD C-333-1118-13012",
                           "BR Fernsehen Süd HD C-1-1011-11100", "BN MUSIC C-222-30000-2", "OE1 C-333-1118-13121",
                           "Testkanal 7542 C-333-10900-911"}));
    // Cut short on the stick: SQLite finds the pages missing.
    EXPECT_TRUE(Meldung([&] {
                    LesePanasonicListe(bytes.first(5000), QStringLiteral("/stick/svl.db"));
                }).startsWith("Die Datei /stick/svl.db ist keine lesbare Senderliste: "));
}

TEST(PanasonicListe, LiestSvlBin) {
    // Names NUL-padded, Latin-1, and with DVB table byte 0x15 (UTF-8); a data service; a
    // favourite; a named analog cable channel; an empty skipped analog preset.
    const QByteArray db = Datenbank(
        "CREATE TABLE SVL (major_channel, sname, stype, onid, tsid, svcid, ntype, skip, profile1index, profile2index,"
        "profile3index, profile4index);"
        "INSERT INTO SVL VALUES (1, 'ARD' || zeroblob(3), 1, 1, 1019, 28106, 1, 0, 0, 0, 0, 0),"
        "(2, X'4DFC6E6368656E', 25, 1, 1019, 5, 1, 0, 1, 0, 0, 0), (3, X'15C39F', 2, 1, 1, 6, 1, 0, 0, 0, 0, 0),"
        "(4, 'Daten', 12, 1, 1, 7, 1, 0, 2, 0, 0, 0), (1, '', 0, 0, 0, 0, 10, 1, 0, 0, 0, 0),"
        "(5, 'K05', 0, 0, 0, 0, 14, 0, 0, 0, 0, 0);");
    // "PSDB", at 28 the length 2 of what ends the header, the size of the database (big-endian).
    QByteArray bin = QByteArray("PSDB") + QByteArray(24, '\0') + Bytes({0, 2, 'x', 'y'});
    bin += Bytes({quint8(db.size() >> 24), quint8(db.size() >> 16), quint8(db.size() >> 8), quint8(db.size())}) + db;
    ASSERT_TRUE(IstPanasonicListe(bin));
    const ImportFund f = LesePanasonicListe(bin, QStringLiteral("svl.bin"));
    EXPECT_EQ(Listen(f), QStringList({"*Satellit 2/1", "Analog 1/0", "Favoriten 1 1/0"}));
    EXPECT_EQ(QStringList({Kanal(f, "Satellit", 1), Kanal(f, "Satellit", 2), Kanal(f, "Satellit", 3, true),
                           Kanal(f, "Favoriten 1", 1), Kanal(f, "Analog", 5)}),
              QStringList({"ARD S-1-1019-28106", "München S-1-1019-5", "ß S-1-1-6", "München S-1-1019-5", "K05"}));
    EXPECT_EQ(Meldung([&] { LesePanasonicListe(bin.first(40), QStringLiteral("/stick/svl.bin")); }),
              "Die Datei /stick/svl.bin ist keine lesbare Senderliste: hinter dem Kopf „PSDB“ steht keine Datenbank.");
}
