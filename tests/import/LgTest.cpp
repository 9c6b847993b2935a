// Tests of the reader of LG webOS exports: the real GlobalClone and small lists written by hand.
#include "import/Lgliste.h"
#include "platform/Fehler.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace lgtest {

// Each group as "Name TV/Radio", each channel as "Gruppe[ R] Nummer Name <Referenz>".
QStringList Gruppen(const ImportFund& f) {
    QStringList gruppen;
    for (int g = 0; g < f.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : f.sender)
            if (s.gruppen.value(0) == g)
                ++(s.radio ? radio : tv);
        gruppen << u"%1 %2/%3"_s.arg(f.gruppen[g].name).arg(tv).arg(radio);
    }
    return gruppen;
}

QStringList Kanaele(const ImportFund& f) {
    QStringList kanaele;
    for (const ImportSender& s : f.sender)
        kanaele << u"%1%2 %3 %4 <%5>"_s.arg(f.gruppen[s.gruppen.value(0)].name, s.radio ? u" R"_s : u""_s)
                       .arg(s.nummer)
                       .arg(s.name, s.referenz);
    return kanaele;
}

} // namespace lgtest

using namespace lgtest;

TEST(LgListe, GlobalCloneDesBeispiels) {
    const QByteArray bytes = test::Lies(SENVIO_FERNSEHER "/lg/GlobalClone00002.TLL");
    ASSERT_TRUE(IstLgListe(bytes.first(4000)));
    const ImportFund f = LeseLgListe(bytes, u"GlobalClone00002.TLL"_s);
    EXPECT_EQ(Gruppen(f), QStringList({u"Kabel 369/113"_s, u"Satellit 1001/162"_s}));
    EXPECT_TRUE(f.gruppen[0].eigeneZaehlung && f.gruppen[1].vorgewaehlt && !f.gruppen[0].vorgewaehlt);
    const QStringList k = Kanaele(f);
    EXPECT_EQ(k.mid(0, 3), QStringList({u"Kabel 1 ORF eins HD <C-1537-5-5001>"_s,
                                        u"Kabel 2 ORF 2 Wien HD <C-1537-5-5002>"_s, u"Kabel 3 ATV <C-1537-3-3008>"_s}));
    // 56 is a gap; 57 is named only in hexVchName (vchName " ").
    EXPECT_EQ(k.mid(54, 2),
              QStringList({u"Kabel 55 ORF 2 Tirol <C-1537-4-4008>"_s, u"Kabel 57 ORF 2 EUROPA <C-1537-2-2010>"_s}));
    for (const QString& kanal :
         {u"Kabel 49 ORF 2 Kärnten <C-1537-2-2009>"_s, u"Kabel R 1 Total Hits Austria <C-1537-33-33204>"_s,
          u"Satellit 1 ORF1 HD <S19.2E-1-1007-4911>"_s,
          u"Satellit 15 RTL Television <S19.2E-1-1089-12003>"_s, // 0x86/0x87 dropped
          u"Satellit 462 Dopool Drama <S19.2E-1-1030-4554>"_s,   // UTF-8
          u"Satellit R 75 MDR THÜRINGEN <S19.2E-1-1093-28430>"_s})
        EXPECT_TRUE(k.contains(kanal)) << kanal.toStdString();
}

TEST(LgListe, HandgeschriebeneListen) {
    const QByteArray klassisch =
        "<TLLDATA><SatelliteDB><SATDBInfo><SatRecordInfo><idx2><Angle>5</Angle><AnglePrec>0</AnglePrec>"
        "<DirEastWest>0</DirEastWest></idx2></SatRecordInfo></SATDBInfo></SatelliteDB><CHANNEL>"
        "<ATV><ITEM><prNum>3</prNum><sourceIndex>2</sourceIndex><vchName>K 05</vchName><frequency>175250</frequency>"
        "</ITEM></ATV><DTV>"
        "<ITEM><prNum>1</prNum><sourceIndex>7</sourceIndex><usSatelliteHandle>2</usSatelliteHandle>"
        "<serviceType>1</serviceType><hexVchName>058652544c87</hexVchName><vchName> </vchName><favoriteIdxB>1"
        "</favoriteIdxB><original_network_id>1</original_network_id><transport_id>9</transport_id><service_id>7"
        "</service_id></ITEM>"
        "<ITEM><prNum>2</prNum><sourceIndex>7</sourceIndex><serviceType>1</serviceType><isDeleted>1</isDeleted>"
        "<vchName>Weg</vchName></ITEM>"
        "<ITEM><prNum>3</prNum><sourceIndex>7</sourceIndex><serviceType>12</serviceType><vchName>Daten</vchName></ITEM>"
        "<ITEM><prNum>-1</prNum><sourceIndex>7</sourceIndex><serviceType>2</serviceType><vchName>Ohne</vchName></ITEM>"
        "<ITEM><prNum>4</prNum><sourceIndex>9</sourceIndex><serviceType>1</serviceType><vchName>Fremd</vchName></ITEM>"
        "<ITEM><prNum>16385</prNum><sourceIndex>7</sourceIndex><serviceType>2</serviceType><vchName>Ö1</vchName>"
        "<mapType>1</mapType><mapAttr>2</mapAttr><favoriteIdxA>250</favoriteIdxA></ITEM></DTV></CHANNEL></TLLDATA>";
    const ImportFund a = LeseLgListe(klassisch, u"a.TLL"_s);
    EXPECT_EQ(Kanaele(a),
              QStringList({u"Satellit 1 RTL <S5.0W-1-9-7>"_s, u"Satellit R 1 Ö1 <>"_s, u"Analog 3 K 05 <A-C-175250>"_s,
                           u"Favoriten 2 1 RTL <S5.0W-1-9-7>"_s, u"Favoriten 2 R 2 Ö1 <>"_s}));
    EXPECT_EQ(a.hinweise.size(), 1);

    // webOS 5: the JSON list; a blank channelName is read from chNameBase64 (ISO 8859-9 here).
    const QByteArray json = "<TLLDATA><CHANNEL><legacybroadcast>{\"channelList\":["
                            "{\"majorNumber\":1,\"channelName\":\"Das Erste HD\",\"sourceIndex\":\"CABLE DIGITAL\","
                            "\"serviceType\":25,\"ONID\":1,\"TSID\":1051,\"SVCID\":0,\"programNum\":28106},"
                            "{\"majorNumber\":16386,\"channelName\":\" \",\"chNameBase64\":\"" +
                            QByteArray("\x05\x86\xD6\x33\x87").toBase64() +
                            "\",\"sourceIndex\":\"SATELLITE DIGITAL\",\"serviceType\":2,\"ONID\":1,\"TSID\":2,"
                            "\"SVCID\":5},{\"majorNumber\":2,\"channelName\":\"Weg\",\"sourceIndex\":\"CABLE "
                            "DIGITAL\",\"serviceType\":1,\"deleted\":true}]}</legacybroadcast></CHANNEL></TLLDATA>";
    EXPECT_TRUE(IstLgListe(json));
    EXPECT_EQ(Kanaele(LeseLgListe(json, u"b.TLL"_s)),
              QStringList({u"Kabel 1 Das Erste HD <C-1-1051-28106>"_s, u"Satellit R 2 Ö3 <S-1-2-5>"_s}));
}

TEST(LgListe, UnlesbareDateien) {
    EXPECT_FALSE(IstLgListe("<SdbRoot><TLLDATA/></SdbRoot>"));
    EXPECT_FALSE(IstLgListe(test::Bytes({0x00, 0x01, 0x02})));
    for (const QByteArray& bytes :
         {QByteArray("<TLLDATA><CHANNEL><DTV>"), QByteArray("<TLLDATA><legacybroadcast>{x</legacybroadcast></TLLDATA>"),
          QByteArray("<SdbRoot/>")}) {
        try {
            LeseLgListe(bytes, u"/stick/GlobalClone00001.TLL"_s);
            ADD_FAILURE() << bytes.toStdString();
        } catch (const Fehler& f) {
            EXPECT_TRUE(f.meldung().contains(u"/stick/GlobalClone00001.TLL"_s)) << f.meldung().toStdString();
        }
    }
}
