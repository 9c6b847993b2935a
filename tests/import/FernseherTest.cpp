// What the readers of TV sets' exports share: DVB texts and kinds, the find of a TV's lists
// and what an import makes of it, the zip, tar and SQLite layers and their limits, and how
// exports of families Senvio cannot read yet are told apart.
#include "import/Fernseher.h"
#include "import/Archiv.h"
#include "import/Fernsehliste.h"
#include "import/Import.h"
#include "import/Sqlitebild.h"

#include <QTemporaryDir>

#include <archive.h>
#include <archive_entry.h>
#include <sqlite3.h>

#include "Fehlermeldung.h"
#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace {

TEST(FernsehText, DvbTexteUndDienstarten) {
    const struct {
        QByteArray roh;
        QString text;
    } faelle[] = {
        {"\x05WDR K\xF6ln HD", u"WDR Köln HD"_s},            // ISO 8859-9, as LG writes German names
        {"\x05\x86RTL\x87 Television", u"RTL Television"_s}, // emphasis codes dropped
        {"BAR\xC7"
         "A TV",
         u"BARÇA TV"_s},                    // no table byte: Latin-1
        {"\x05\xDDSTANBUL", u"İSTANBUL"_s}, // a letter 8859-9 has and Latin-1 not
        {QByteArray("\x10\x00\x02P\xF8"
                    "emysl",
                    10),
         u"Přemysl"_s},                                             // 8859-2 by its number
        {"\x15\x44opool \xC3\xBC", u"Dopool ü"_s},                  // UTF-8
        {QByteArray("\x11\x00S\x00\xDF\x00\x00\x00X", 9), u"Sß"_s}, // UTF-16BE to its NUL
        {QByteArray("ZDF\0neo", 7), u"ZDF"_s},
        {"", u""_s},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(DvbText(fall.roh), fall.text) << fall.roh.toHex(' ').toStdString();
    const QList<int> tv{0x01, 0x11, 0x16, 0x19, 0x1F, 0x9F, 0xD3}, radio{0x02, 0x0A}, daten{0, 0x0C, 0xC0, 3, -1};
    for (int t : tv)
        EXPECT_EQ(DvbDienstart(t), Dienstart::Fernsehen) << t;
    for (int t : radio)
        EXPECT_EQ(DvbDienstart(t), Dienstart::Radio) << t;
    for (int t : daten)
        EXPECT_EQ(DvbDienstart(t), Dienstart::Daten) << t;
    EXPECT_EQ(Satellitenquelle(192), u"S19.2E"_s);
    EXPECT_EQ(Satellitenquelle(-50), u"S5.0W"_s);
}

Fernsehkanal Kanal(int nummer, Dienstart art, QString name, qint64 sid = -1, bool geloescht = false) {
    Fernsehkanal k;
    k.nummer = nummer;
    k.art = art;
    k.name = std::move(name);
    k.quelle = u"C"_s;
    k.onid = sid < 0 ? -1 : 1;
    k.tsid = 1051;
    k.sid = sid;
    k.geloescht = geloescht;
    return k;
}

// A cable list counting radio from 1, a satellite list in one numbering, an empty favourites list.
ImportFund Beispielfund() {
    Fernsehfund fund;
    const int kabel = fund.Liste(u"Kabel"_s, true);
    const int sat = fund.Liste(u"Satellit"_s, false);
    fund.Liste(u"Favoriten 1"_s, false);
    const int sat2 = fund.Liste(u"Satellit"_s, false);
    using enum Dienstart;
    for (const Fernsehkanal& k :
         {Kanal(3, Fernsehen, u"ZDF HD"_s, 11110), Kanal(1, Radio, u"Bayern 1"_s, 28400),
          Kanal(1, Fernsehen, u"  Das Erste HD "_s, 10301), Kanal(6, Fernsehen, u"\u0086RTL\u0087"_s),
          Kanal(2, Fernsehen, u"Gelöscht"_s, 5, true), Kanal(4, Daten, u"Update"_s, 7),
          Kanal(0, Fernsehen, u"Ohne Nummer"_s), Kanal(3, Radio, u"....."_s)})
        fund.NimmAuf(kabel, k);
    fund.NimmAuf(sat, Kanal(4000, Fernsehen, u"Web 1"_s));
    fund.NimmAuf(sat, Kanal(4003, Fernsehen, u"Web 2"_s));
    fund.NimmAuf(sat2, Kanal(1, Radio, u"Nur Radio"_s));
    return std::move(fund).Fund();
}

TEST(FernsehFund, ListenNummernUndWasDieImportListeDarausMacht) {
    const ImportFund fund = Beispielfund();
    ASSERT_EQ(fund.gruppen.size(), 3); // the empty favourites are dropped
    EXPECT_EQ(GruppenUebersicht(fund),
              (QStringList{u"Kabel: 3 TV, 2 Radio"_s, u"Satellit: 2 TV, 0 Radio"_s, u"Satellit (2): 0 TV, 1 Radio"_s}));
    EXPECT_EQ(VorgewaehlteGruppen(fund), (QList<bool>{true, false, false}));
    EXPECT_TRUE(fund.gruppen[0].eigeneListe && fund.gruppen[0].eigeneZaehlung && !fund.gruppen[1].eigeneZaehlung);
    QStringList kabel;
    for (const ImportSender& s : fund.sender)
        if (s.gruppen == QList<int>{0})
            kabel << QString::number(s.nummer) + u' ' + s.name + (s.radio ? u" R"_s : u""_s);
    EXPECT_EQ(kabel, (QStringList{u"1 Das Erste HD"_s, u"3 ZDF HD"_s, u"6 RTL"_s, u"1 Bayern 1 R"_s, u"3 ..... R"_s}));
    EXPECT_EQ(fund.sender[0].referenz, u"C-1-1051-10301"_s);
    EXPECT_TRUE(fund.sender[0].logoSchluessel.contains(u"1_0_1_283D_41B_1_FFFF0000_0_0_0"_s));
    EXPECT_TRUE(fund.sender[2].referenz.isEmpty());

    // Radio of its own, numbered from 1 as on the remote; a gap before the first number too.
    const Importlisten listen = ImportEintraege(fund, {true, false, false});
    QStringList namen, radio;
    for (const ImportEintrag& e : listen.liste)
        namen << e.name;
    for (const ImportEintrag& e : listen.radio)
        radio << e.name;
    EXPECT_EQ(namen, (QStringList{u"Das Erste HD"_s, u"(frei)"_s, u"ZDF HD"_s, u"(frei)"_s, u"(frei)"_s, u"RTL"_s}));
    EXPECT_EQ(radio, (QStringList{u"Bayern 1"_s, u"(frei)"_s, u"(ohne Name)"_s}));
    // 4000 is no gap to fill before the first channel; and then the list cannot carry the
    // remote's numbers anyway: no gap after it is filled either.
    EXPECT_EQ(ImportEintraege(fund, {false, true, false}).liste.size(), 2);
    EXPECT_EQ(ImportEintraege(fund, {true, false, false}, {true, true, false}).liste.size(), 9);

    EXPECT_TRUE(GruppenwahlFehler(fund, {true, false, false}).isEmpty());
    EXPECT_EQ(GruppenwahlFehler(fund, {true, true, true}),
              u"Die Gruppen „Kabel“, „Satellit“ und „Satellit (2)“ sind Listen des Fernsehers, die jede bei 1 "
              "beginnen; in einer Senvio-Liste stimmten ihre Nummern nicht mehr mit der Fernbedienung überein. Bitte "
              "wählen Sie nur eine davon."_s);
}

// An archive written by libarchive in memory: (name, bytes) pairs, zip or tar.
QByteArray Archiv(const QList<std::pair<QByteArray, QByteArray>>& teile, bool zip = true) {
    QByteArray puffer(qsizetype(8) << 20, '\0');
    size_t benutzt = 0;
    archive* a = archive_write_new();
    zip ? archive_write_set_format_zip(a) : archive_write_set_format_pax_restricted(a);
    archive_write_open_memory(a, puffer.data(), size_t(puffer.size()), &benutzt);
    for (const auto& [name, bytes] : teile) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, name.constData());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, bytes.size());
        archive_write_header(a, e);
        archive_write_data(a, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
    puffer.truncate(qsizetype(benutzt));
    return puffer;
}

TEST(FernsehArchiv, MitgliederUndGrenzen) {
    const QByteArray zip = Archiv({{"chmgt_type001/chmgt.db", "eins"}, {"Favoriten.txt", "zwei"}});
    ASSERT_TRUE(IstZip(zip));
    const QList<Archivteil> teile = LeseArchiv(zip, u"/stick/liste.zip"_s);
    ASSERT_EQ(teile.size(), 2);
    EXPECT_EQ(FindeArchivteil(teile, u"CHMGT.DB")->bytes, "eins");
    EXPECT_EQ(FindeArchivteil(teile, u"chmgt"), nullptr);
    const QByteArray tar = Archiv({{"database/usedata/DtvData.db", "drei"}}, false);
    ASSERT_TRUE(IstTar(tar) && !IstZip(tar));
    EXPECT_EQ(LeseArchiv(tar, u"x.tar"_s).value(0).name, u"database/usedata/DtvData.db"_s);

    QList<std::pair<QByteArray, QByteArray>> viele;
    for (int i = 0; i <= MeisteArchivteile; ++i)
        viele.append({"t" + QByteArray::number(i), "x"});
    const struct {
        QByteArray archiv;
        QString grund;
    } schlechte[] = {
        {Archiv({{"../../etc/passwd", "x"}}), u"die Datei „../../etc/passwd“ darin zeigt aus dem Archiv hinaus"_s},
        {Archiv({{"/etc/passwd", "x"}}, false), u"die Datei „/etc/passwd“ darin zeigt aus dem Archiv hinaus"_s},
        {Archiv(viele), u"es enthält mehr als 1000 Dateien"_s},
        {Archiv({{"a", QByteArray(40 << 20, 'a')}, {"b", QByteArray(25 << 20, 'b')}}),
         u"sein Inhalt ist größer als 64 MiB"_s},
        {zip.first(zip.size() / 2), u"die Datei „Favoriten.txt“ darin ist beschädigt"_s},
    };
    for (const auto& fall : schlechte)
        EXPECT_EQ(test::Meldung([&] { LeseArchiv(fall.archiv, u"/stick/Channel_list.zip"_s); }),
                  u"Das Archiv /stick/Channel_list.zip kann nicht gelesen werden: "_s + fall.grund + u'.');
}

// A database written by SQLite into a file and read back whole.
QByteArray WalDatenbank(const char* sql, bool wal = false) {
    QTemporaryDir ordner;
    const QByteArray pfad = QFile::encodeName(ordner.filePath(u"t.db"_s));
    sqlite3* db = nullptr;
    sqlite3_open(pfad.constData(), &db);
    sqlite3_exec(db, wal ? "PRAGMA journal_mode=WAL" : "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return test::Lies(QString::fromLocal8Bit(pfad));
}

TEST(FernsehDatenbank, AusDemSpeicherNurLesend) {
    const QByteArray bytes = WalDatenbank("CREATE TABLE SRV(srvId INTEGER, major INTEGER, srvName TEXT);"
                                          "INSERT INTO SRV VALUES (1, 3, 'WDR Köln HD'), (2, 1, NULL);",
                                          true);
    ASSERT_EQ(quint8(bytes[18]), 2); // written in write-ahead mode, as Samsung's are
    const Sqlitebild db(bytes, u"/stick/dvbc"_s);
    EXPECT_EQ(db.Tabellen(), QStringList{u"SRV"_s});
    EXPECT_TRUE(db.HatSpalten(u"srv"_s, {u"MAJOR"_s, u"srvName"_s}));
    EXPECT_FALSE(db.HatSpalten(u"SRV"_s, {u"elim"_s}));
    QStringList zeilen;
    db.Frage(u"SELECT major, srvName FROM SRV ORDER BY major"_s, [&](const Sqlitezeile& z) {
        zeilen << QString::number(z.Zahl(0)) + u'=' + (z.IstLeer(1) ? u"NULL"_s : z.Text(1));
    });
    EXPECT_EQ(zeilen, (QStringList{u"1=NULL"_s, u"3=WDR Köln HD"_s}));

    const QString kopf = u"Die Datei /stick/dvbc ist keine lesbare Senderliste: "_s;
    EXPECT_EQ(test::Meldung([&] {
                  db.PruefeSpalten(u"SRV"_s, {u"major"_s, u"elim"_s});
              }),
              kopf + u"der Tabelle „SRV“ fehlt die Spalte „elim“."_s);
    EXPECT_EQ(test::Meldung([&] { db.PruefeSpalten(u"CHNL"_s, {}); }), kopf + u"es fehlt die Tabelle „CHNL“."_s);
    EXPECT_EQ(test::Meldung([&] { Sqlitebild(QByteArray(600, 'x'), u"/stick/dvbc"_s); }),
              kopf + u"sie ist keine SQLite-Datenbank."_s);
    QByteArray kaputt = bytes;
    kaputt.replace(100, kaputt.size() - 200, QByteArray(kaputt.size() - 200, '\xAB'));
    EXPECT_TRUE(test::Meldung([&] {
                    Sqlitebild k(kaputt, u"/stick/dvbc"_s);
                    k.Frage(u"SELECT * FROM SRV"_s, [](auto&) {});
                }).startsWith(kopf));
}

TEST(FernsehFormate, NochNichtLesbareExporteWerdenBenannt) {
    QTemporaryDir ordner;
    const struct {
        QString name;
        QByteArray bytes;
        QString was;
    } faelle[] = {
        {u"channel_list_UE46.scm"_s, Archiv({{"map-CableD", QByteArray(320, '\1')}}), u"Samsung-Fernsehers"_s},
        {u"liste.zip"_s, Archiv({{"map-AirD", QByteArray(320, '\1')}}), u"Samsung-Fernsehers"_s},
        {u"xxLN5400-ZE00001.TLL"_s, QByteArray("\x01\x02\x03TLL", 6), u"LG-Fernsehers mit NetCast"_s},
        {u"settings.DBM"_s, QByteArray("\x10\x20\x30", 3), u"TechniSat-Geräts"_s},
        {u"CM_TPM1013E_LA_CK.BIN"_s, QByteArray("\x00\x01\x02", 3), u"Philips-Fernsehers im Format „Repair“"_s},
    };
    for (const auto& fall : faelle) {
        const QString pfad = ordner.filePath(fall.name);
        test::Schreib(pfad, fall.bytes);
        const QString meldung = test::Meldung([&] { LeseImportquellen({pfad}); });
        EXPECT_TRUE(meldung.startsWith(u"Die Datei "_s + pfad + u" ist "_s) && meldung.contains(fall.was) &&
                    meldung.contains(u"kann Senvio noch nicht lesen"_s))
            << meldung.toStdString();
    }
    // A zip or a database of no TV: the format is unknown, as for any other file.
    const QString zip = ordner.filePath(u"fotos.zip"_s), db = ordner.filePath(u"adressen.db"_s);
    test::Schreib(zip, Archiv({{"bild.jpg", "\xFF\xD8"}}));
    test::Schreib(db, WalDatenbank("CREATE TABLE adresse(name TEXT);"));
    for (const QString& pfad : {zip, db})
        EXPECT_EQ(test::Meldung([&] { LeseImportquellen({pfad}); }),
                  u"Das Format der Datei "_s + pfad + u" ist unbekannt."_s);
}

// A Philips TV's list is a folder: the folder, its parent "ChannelMap_…" or any file in it
// stands for it, and several of its files chosen together are read once.
TEST(FernsehFormate, PhilipsOrdnerAusJederSeinerDateien) {
    const QString karte = SENVIO_FERNSEHER "/philips/ChannelMap_100"_L1, liste = karte + u"/ChannelList"_s;
    const QStringList gruppen{u"Kabel: 358 TV, 101 Radio"_s, u"Satellit: 350 TV, 152 Radio"_s,
                              u"Antenne: 46 TV, 0 Radio"_s};
    for (const QStringList& pfade :
         {QStringList{karte}, QStringList{liste}, QStringList{liste + u"/channellib/DVBT.xml"_s},
          QStringList{liste + u"/chanLst.bin"_s, liste + u"/Favorite.xml"_s, liste + u"/s2channellib/DVBS.xml"_s}}) {
        EXPECT_EQ(PhilipsOrdner(pfade.first()), QDir::cleanPath(liste)) << pfade.first().toStdString();
        EXPECT_EQ(GruppenUebersicht(LeseImportquellen(pfade)), gruppen) << pfade.first().toStdString();
    }
    EXPECT_TRUE(PhilipsOrdner(SENVIO_FERNSEHER "/philips"_L1).isEmpty());
    EXPECT_TRUE(PhilipsOrdner(SENVIO_FERNSEHER "/grundig/dvbc_config.xml"_L1).isEmpty());
}

} // namespace
