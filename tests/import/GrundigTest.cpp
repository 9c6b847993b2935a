// Tests of the Grundig reader: the sample dvbc_config.xml and a small file written here.
#include "import/Grundigliste.h"
#include "platform/Fehler.h"

#include "TestDateien.h"

using namespace senvio;

namespace {

// "Name (TV/radio)" of each group, or "Name <Referenz>" of the channel with the number in the group.
QString GrundigKurz(const ImportFund& f, int gruppe = -1, int nummer = 0) {
    QStringList kurz;
    for (int g = 0; g < f.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : f.sender)
            if (s.gruppen == QList<int>{g})
                ++(s.radio ? radio : tv);
        kurz << QStringLiteral("%1 (%2/%3)").arg(f.gruppen[g].name).arg(tv).arg(radio);
    }
    if (gruppe < 0)
        return kurz.join(' ');
    kurz.clear();
    for (const ImportSender& s : f.sender)
        if (s.gruppen == QList<int>{gruppe} && s.nummer == nummer)
            kurz << QStringLiteral("%1 <%2>%3").arg(s.name, s.referenz, s.radio ? " R" : "");
    return kurz.isEmpty() ? "-" : kurz.join(" + ");
}

} // namespace

TEST(GrundigListe, Muster) {
    const QByteArray bytes = test::Lies(SENVIO_FERNSEHER "/grundig/dvbc_config.xml");
    EXPECT_TRUE(IstGrundigListe(QByteArrayView(bytes).first(400)));
    const ImportFund f = LeseGrundigListe(bytes, "dvbc_config.xml");
    EXPECT_EQ(GrundigKurz(f), "Kabel (346/104) Favoriten 1 (0/3)"); // 32 analog among the TV
    const QList<std::tuple<int, int, QString>> kanaele{
        {0, 1, "ZDF HD <C-1-1079-11110>"},
        {0, 2, "Das Erste HD <C-1-1051-11100>"},
        {0, 3, "rbb Berlin HD <C-1-1079-10351>"},
        {0, 18, "WDR Köln HD <C-1-1051-28325>"},
        {0, 139, "WDR Köln <C-1-1101-28111>"},
        {0, 140, "SWR Fernsehen RP <C-1-1101-28113>"}, // "Das Erste" deleted
        {0, 269, "A&E <C-61441-10008-50713>"},
        {0, 415, "ARD <A-C-4205>"},
        {0, 451, "-"}, // data
        {1, 1, "Antenne Brandenburg <C-1-1073-28454> R"},
    };
    for (const auto& [gruppe, nummer, erwartet] : kanaele)
        EXPECT_EQ(GrundigKurz(f, gruppe, nummer), erwartet) << nummer;
}

// Antenna with a byte-order mark: DVB table bytes, the name attribute where rawname is empty,
// an unescaped "&", deleted and data services, analog channels, favourites; bad input.
TEST(GrundigListe, Handgemacht) {
    const QByteArray dvbt =
        "\xEF\xBB\xBF<?xml version='1.0'?>\n<CONFIG Source='Terrestrial'><Digital type='DVBT'><channels>"
        "<network onid='8468'><mux tsid='515' onid='8468'>"
        "<service name='x' num='1' typ='1' sid='7' del='0' f2='2'><rawname nam0='5' nam1='208' nam2='66' "
        "nam3='134' nam4='0' nam5='65'/></service>"
        "<service name=' R&B ' num='2' typ='2' sid='8' f2='1'><rawname nam0='0'/></service>"
        "<service name='Weg' num='3' typ='1' sid='9' del='1' f2='3'/><service name='Daten' num='4' typ='3' sid='10'/>"
        "</mux></network></channels></Digital><Analog type='DVBT_ANALOG'><channels>"
        "<service name='ARD ' num='5' frq='4205'/></channels></Analog></CONFIG>";
    EXPECT_TRUE(IstGrundigListe(dvbt));
    EXPECT_FALSE(IstGrundigListe("<CONFIG><Settings/></CONFIG>"));
    const ImportFund f = LeseGrundigListe(dvbt, "dvbt_config.xml");
    EXPECT_EQ(GrundigKurz(f), "Antenne (2/1) Favoriten 2 (1/1)");
    const QStringList erwartet{"ĞB <T-8468-515-7>", "R&B <T-8468-515-8> R", "-", "-", "ARD <A-T-4205>"};
    for (int nummer = 1; nummer <= 5; ++nummer)
        EXPECT_EQ(GrundigKurz(f, 0, nummer), erwartet[nummer - 1]) << nummer;
    EXPECT_EQ(GrundigKurz(f, 1, 1), "R&B <T-8468-515-8> R");
    EXPECT_EQ(GrundigKurz(f, 1, 2), "ĞB <T-8468-515-7>");
    try {
        LeseGrundigListe(dvbt.first(200), "/stick/dvbt_config.xml");
        ADD_FAILURE() << "kein Fehler";
    } catch (const Fehler& fehler) {
        EXPECT_TRUE(fehler.meldung().contains("/stick/dvbt_config.xml")) << fehler.meldung().toStdString();
    }
}
