// Tests of the Philips reader: the sample folder ChannelMap_100 and small files written here.
#include "import/Philipsliste.h"
#include "platform/Fehler.h"

#include "TestDateien.h"

using namespace senvio;

namespace {

// "Name (TV/radio)" of each group, then "Gruppe:Nummer Name <Referenz>" of the channel asked for.
QString PhilipsKurz(const ImportFund& f, int gruppe = -1, int nummer = 0) {
    QString kurz;
    for (int g = 0; g < f.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : f.sender)
            if (s.gruppen == QList<int>{g})
                ++(s.radio ? radio : tv);
        kurz += QStringLiteral("%1 (%2/%3) ").arg(f.gruppen[g].name).arg(tv).arg(radio);
    }
    if (gruppe < 0)
        return kurz.trimmed();
    for (const ImportSender& s : f.sender)
        if (s.gruppen == QList<int>{gruppe} && s.nummer == nummer)
            return QStringLiteral("%1 <%2>%3").arg(s.name, s.referenz, s.radio ? " R" : "");
    return "-";
}

// A name as the files write it: "0x41 0x00 …".
QByteArray PhilipsHex(const QByteArray& hex) {
    QByteArray text;
    for (const QByteArray& b : hex.split(' '))
        text += "0x" + b + ' ';
    return text;
}

} // namespace

TEST(PhilipsListe, Muster) {
    const QString ordner = SENVIO_FERNSEHER "/philips/ChannelMap_100/ChannelList";
    QHash<QString, QByteArray> dateien;
    for (const QString& name : Philipsdateinamen)
        dateien.insert(name, test::Lies(ordner + '/' + name));
    const ImportFund f = LesePhilipsListe(dateien, ordner);
    EXPECT_EQ(PhilipsKurz(f), "Kabel (358/101) Satellit (350/152) Antenne (46/0)");
    const QList<std::tuple<int, int, QString>> kanaele{
        {0, 1, "Das Erste <C-1-1101-1>"},
        {0, 2, "ZDF <C-1-1079-2>"},
        {0, 3, "SAT.1 <C-1-1107-3>"},
        {0, 10, "WDR Köln <C-1-1101-10>"},
        {0, 359, "-"},
        {0, 1000, "B5 aktuell <C-1-1093-24> R"}, // radio after a gap
        {1, 1, "TİVİBU SPOR <S42.0E-1070-43203-16001>"},
        {1, 21, "MEGA MÜZİK <S42.0E-66-1-1143>"},
        {1, 28, "Azadliq VOA Azeri <S42.0E-66-1-1171> R"},
        {2, 11, "DER AKTIONÄR TV (connect) <T-8468-16498-11>"},
    };
    for (const auto& [gruppe, nummer, erwartet] : kanaele)
        EXPECT_EQ(PhilipsKurz(f, gruppe, nummer), erwartet) << nummer;
    EXPECT_EQ(f.sender[357].nummer, 358); // the last TV, then radio from 1000
    EXPECT_EQ(f.sender[358].nummer, 1000);
    // The favourites belong to another set: no group, a note.
    ASSERT_EQ(f.hinweise.size(), 1);
    EXPECT_TRUE(f.hinweise[0].startsWith("182 Einträge")) << f.hinweise[0].toStdString();
}

// Names in hex UTF-16LE, UTF-8 in the low bytes, 0xFF high bytes from version 120, odd
// byte counts; the kind before and after 120; favourites by UniqueID.
TEST(PhilipsListe, NamenArtenFavoriten) {
    const QList<std::tuple<QByteArray, int, QString, QString>> faelle{
        {"41 00 C4 00", 1, "AÄ", "AÄ"},
        {"54 00 C4 00 B0 00", 2, "Tİ", "Tİ"},
        {"4B 00 F6 FF 6C 00 6E 00", 1, "K\uFFF6ln", "Köln"},
        {"41 00 42", 1, "A", "A"},
        {"1F 04 40 04 00 00 41 00", 1, "Пр", "Пр"},
        {"5A 00", 0x19, "-", "Z"}, // a DVB type, data before 120
        {"44 00", 12, "-", "-"},
    };
    QByteArray dvbc = "<ChannelMap>";
    for (int i = 0; i < faelle.size(); ++i)
        dvbc += QStringLiteral("<Channel><Setup ChannelNumber='%1' ChannelName='%2'/><Broadcast UniqueID='%1' Onid='1' "
                               "Tsid='2' Sid='%1' ServiceType='%3'/></Channel>")
                    .arg(i + 1)
                    .arg(PhilipsHex(std::get<0>(faelle[i])))
                    .arg(std::get<1>(faelle[i]))
                    .toUtf8();
    dvbc += "</ChannelMap>";
    const QByteArray favoriten = "<FavoriteListMAP><FavoriteList Index='1' Name='" + PhilipsHex("4D 00 65 00 69 00") +
                                 "'><FavoriteChannel><UniqueID>2</UniqueID><FavNumber>0</FavNumber></FavoriteChannel>"
                                 "<FavoriteChannel><UniqueID>99</UniqueID><FavNumber>1</FavNumber></FavoriteChannel>"
                                 "<FavoriteChannel><UniqueID>1</UniqueID><FavNumber>2</FavNumber></FavoriteChannel>"
                                 "</FavoriteList><FavoriteList Index='2' Name=''/></FavoriteListMAP>";
    for (const int version : {105, 120}) {
        const ImportFund f = LesePhilipsListe({{"chanLst.bin", test::Bytes({0, 0, quint8(version), 0})},
                                               {"channellib/DVBC.xml", dvbc},
                                               {"Favorite.xml", favoriten}},
                                              "/stick/ChannelList");
        for (int i = 0; i < faelle.size(); ++i) {
            const QString name = version < 120 ? std::get<2>(faelle[i]) : std::get<3>(faelle[i]);
            EXPECT_EQ(PhilipsKurz(f, 0, i + 1).section(" <", 0, 0), name) << version << " " << i;
        }
        EXPECT_EQ(PhilipsKurz(f, 1, 1), "Tİ <C-1-2-2> R");
        EXPECT_EQ(PhilipsKurz(f, 1, 3), "AÄ <C-1-2-1>");
        EXPECT_EQ(PhilipsKurz(f).section(' ', 2), "Mei (1/1)");
        EXPECT_TRUE(f.hinweise.value(0).startsWith("Ein Eintrag der Favoritenlisten in Favorite.xml"));
    }
    try {
        LesePhilipsListe({{"channellib/DVBT.xml", "<ChannelMap><Channel>"}}, "/stick/ChannelList");
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& fehler) {
        EXPECT_TRUE(fehler.meldung().contains("/stick/ChannelList/channellib/DVBT.xml"))
            << fehler.meldung().toStdString();
    }
}
