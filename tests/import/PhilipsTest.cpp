// Tests of the Philips reader: the sample folder ChannelMap_100 and small files written here.
#include "import/Philipsliste.h"
#include "platform/Fehler.h"

#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;

TEST(PhilipsListe, Muster) {
    const QString ordner = SENVIO_FERNSEHER "/philips/ChannelMap_100/ChannelList";
    QHash<QString, QByteArray> dateien;
    for (const QString& name : Philipsdateinamen)
        dateien.insert(name, test::Lies(ordner + '/' + name));
    const ImportFund f = LesePhilipsListe(dateien, ordner);
    const QStringList k = test::Kurzinhalt(f);
    EXPECT_EQ(k.mid(0, 6),
              QStringList({"Kabel (358/101)", "Satellit (350/152)", "Antenne (46/0)", "0:1 Das Erste <C-1-1101-1>",
                           "0:2 ZDF <C-1-1079-2>", "0:3 SAT.1 <C-1-1107-3>"}));
    EXPECT_EQ(k.mid(3 + 357, 2), QStringList({"0:358 . <C-1-1107-372>", "0:1000 B5 aktuell <C-1-1093-24> R"}));
    for (const char* kanal : {"0:10 WDR Köln <C-1-1101-10>", "1:1 TİVİBU SPOR <S42.0E-1070-43203-16001>",
                              "1:21 MEGA MÜZİK <S42.0E-66-1-1143>", "1:28 Azadliq VOA Azeri <S42.0E-66-1-1171> R",
                              "2:11 DER AKTIONÄR TV (connect) <T-8468-16498-11>"})
        EXPECT_TRUE(k.contains(QString::fromUtf8(kanal))) << kanal;
    // The favourites belong to another set: no group, a note.
    EXPECT_TRUE(f.hinweise.value(0).startsWith("182 Einträge der Favoritenlisten"))
        << f.hinweise.value(0).toStdString();
}

// Names in hex UTF-16LE, UTF-8 in the low bytes, 0xFF high bytes from version 120, an odd
// byte count; the kind before and after 120; favourites by UniqueID; a malformed file.
TEST(PhilipsListe, NamenArtenFavoriten) {
    const QList<std::pair<QByteArray, int>> kanaele{
        {"41 00 C4 00", 1}, {"54 00 C4 00 B0 00", 2},       {"4B 00 F6 FF 6C 00 6E 00", 1},
        {"41 00 42", 1},    {"1F 04 40 04 00 00 41 00", 1}, {"5A 00", 0x19},
        {"44 00", 12},
    };
    QByteArray dvbc = "<ChannelMap>";
    for (int i = 0; i < kanaele.size(); ++i)
        dvbc += QStringLiteral("<Channel><Setup ChannelNumber='%1' ChannelName='0x%2'/><Broadcast UniqueID='%1' "
                               "Onid='1' Tsid='2' Sid='%1' ServiceType='%3'/></Channel>")
                    .arg(i + 1)
                    .arg(QString(kanaele[i].first).replace(" ", " 0x"))
                    .arg(kanaele[i].second)
                    .toUtf8();
    const QByteArray favoriten =
        "<FavoriteListMAP><FavoriteList Index='1' Name='0x4D 0x00 0x65 0x00 0x69 0x00 '><FavoriteChannel><UniqueID>2"
        "</UniqueID><FavNumber>0</FavNumber></FavoriteChannel><FavoriteChannel><UniqueID>99</UniqueID><FavNumber>1"
        "</FavNumber></FavoriteChannel><FavoriteChannel><UniqueID>1</UniqueID><FavNumber>2</FavNumber>"
        "</FavoriteChannel></FavoriteList><FavoriteList Index='2' Name=''/></FavoriteListMAP>";
    for (const int version : {105, 120}) {
        const ImportFund f = LesePhilipsListe({{"chanLst.bin", test::Bytes({0, 0, quint8(version), 0})},
                                               {"channellib/DVBC.xml", dvbc + "</ChannelMap>"},
                                               {"Favorite.xml", favoriten}},
                                              "/stick/ChannelList");
        const bool neu = version >= 120;
        EXPECT_EQ(
            test::Kurzinhalt(f).join(" | "),
            QStringLiteral("Kabel (%1/1) | Mei (1/1) | 0:1 AÄ <C-1-2-1> | 0:2 Tİ <C-1-2-2> R | 0:3 %2 <C-1-2-3> | "
                           "0:4 A <C-1-2-4> | 0:5 Пр <C-1-2-5>%3 | 1:1 Tİ <C-1-2-2> R | 1:3 AÄ <C-1-2-1>")
                .arg(neu ? 5 : 4)
                .arg(neu ? u"Köln" : u"K\uFFF6ln", neu ? u" | 0:6 Z <C-1-2-6>" : u""));
        EXPECT_TRUE(f.hinweise.value(0).startsWith("Ein Eintrag der Favoritenlisten in Favorite.xml"));
    }
    try {
        LesePhilipsListe({{"channellib/DVBT.xml", dvbc}}, "/stick/ChannelList");
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& fehler) {
        EXPECT_TRUE(fehler.meldung().contains("/stick/ChannelList/channellib/DVBT.xml"))
            << fehler.meldung().toStdString();
    }
}
