// Tests of the Grundig reader: the sample dvbc_config.xml and a small file written here.
#include "import/Grundigliste.h"
#include "platform/Fehler.h"

#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;

TEST(GrundigListe, Muster) {
    const QByteArray bytes = test::Lies(SENVIO_FERNSEHER "/grundig/dvbc_config.xml");
    EXPECT_TRUE(IstGrundigListe(QByteArrayView(bytes).first(400)));
    const QStringList k = test::Kurzinhalt(LeseGrundigListe(bytes, "dvbc_config.xml"));
    // 32 analog channels among the TV; "Das Erste" at 140 is deleted, the data services at 451–458 left out.
    EXPECT_EQ(k.mid(0, 5).join(" | "), "Kabel (346/104) | Favoriten 1 (0/3) | 0:1 ZDF HD <C-1-1079-11110> | "
                                       "0:2 Das Erste HD <C-1-1051-11100> | 0:3 rbb Berlin HD <C-1-1079-10351>");
    EXPECT_EQ(k.mid(2 + 138, 3).join(" | "), "0:139 WDR Köln <C-1-1101-28111> | 0:140 SWR Fernsehen RP "
                                             "<C-1-1101-28113> | 0:141 Sky Select <C-133-4-18>");
    EXPECT_EQ(k.mid(2 + 414, 1).join(""), "0:415 ARD <A-C-4205>");
    EXPECT_EQ(k.mid(2 + 449).join(" | "), "0:450 TV Berlin <C-61441-10000-52083> | 1:1 Antenne Brandenburg "
                                          "<C-1-1073-28454> R | 1:2 radioBERLIN 88,8 <C-1-1073-28455> R | "
                                          "1:3 radioeins <C-1-1073-28456> R");
    for (const char* kanal : {"0:18 WDR Köln HD <C-1-1051-28325>", "0:269 A&E <C-61441-10008-50713>"})
        EXPECT_TRUE(k.contains(QString::fromUtf8(kanal))) << kanal;
}

// Antenna with a byte-order mark: DVB table bytes, the name attribute where rawname is empty,
// an unescaped "&", deleted and data services, an analog channel, favourites; bad input.
TEST(GrundigListe, Handgemacht) {
    const QByteArray dvbt =
        "\xEF\xBB\xBF<?xml version='1.0'?>\n<CONFIG Source='Terrestrial'><Digital type='DVBT'><channels>"
        "<network onid='8468'><mux tsid='515' onid='8468'><service name='x' num='1' typ='1' sid='7' del='0' f2='2'>"
        "<rawname nam0='5' nam1='208' nam2='66' nam3='134' nam4='0' nam5='65'/></service>"
        "<service name=' R&B ' num='2' typ='2' sid='8' f2='1'><rawname nam0='0'/></service>"
        "<service name='Weg' num='3' typ='1' sid='9' del='1' f2='3'/><service name='Daten' num='4' typ='3' sid='10'/>"
        "</mux></network></channels></Digital><Analog type='DVBT_ANALOG'><channels>"
        "<service name='ARD ' num='5' frq='4205'/></channels></Analog></CONFIG>";
    EXPECT_TRUE(IstGrundigListe(dvbt));
    EXPECT_FALSE(IstGrundigListe("<CONFIG><Settings/></CONFIG>"));
    EXPECT_EQ(test::Kurzinhalt(LeseGrundigListe(dvbt, "dvbt_config.xml")).join(" | "),
              "Antenne (2/1) | Favoriten 2 (1/1) | 0:1 ĞB <T-8468-515-7> | 0:2 R&B <T-8468-515-8> R | "
              "0:5 ARD <A-T-4205> | 1:1 R&B <T-8468-515-8> R | 1:2 ĞB <T-8468-515-7>");
    try {
        LeseGrundigListe(dvbt.first(200), "/stick/dvbt_config.xml");
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& fehler) {
        EXPECT_TRUE(fehler.meldung().contains("/stick/dvbt_config.xml")) << fehler.meldung().toStdString();
    }
}
