// Tests of the reader of Sony exports: the real Android sdb.xml and small lists written by hand.
#include "import/Sonyliste.h"
#include "platform/Fehler.h"

#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace sonytest {

ImportFund LiesSony(const QString& datei) {
    return LeseSonyListe(test::Lies(SENVIO_FERNSEHER "/sony/"_L1 + datei), datei);
}

} // namespace sonytest

using namespace sonytest;

TEST(SonyListe, SdbDesBeispiels) {
    EXPECT_TRUE(IstSonyListe(test::Lies(SENVIO_FERNSEHER "/sony/android_sdb-cable.xml").first(2000)));
    const ImportFund f = LiesSony(u"android_sdb-cable.xml"_s);
    const QStringList k = test::Inhalt(f);
    EXPECT_EQ(k.mid(0, 6), QStringList({u"Kabel 314/112"_s, u"Satellit 1036/173"_s, u"Satellit (bevorzugt) 1046/173"_s,
                                        u"Kabel 1 ORF eins HD <C-1537-5-5001>"_s,
                                        u"Kabel 2 ORF 2 Wien HD <C-1537-5-5002>"_s, u"Kabel 3 ATV <C-1537-3-3008>"_s}));
    EXPECT_TRUE(f.gruppen[0].eigeneZaehlung && f.gruppen[2].vorgewaehlt && !f.gruppen[0].vorgewaehlt);
    // No gaps: TV ends at 314, radio follows from 1 to 112.
    EXPECT_EQ(k.mid(316, 3), QStringList({u"Kabel 314 Event-Specials <C-1537-33-33116>"_s,
                                          u"Kabel R 1 Ö3 <C-1537-20-20207>"_s, u"Kabel R 2 FM4 <C-1537-20-20203>"_s}));
    for (const QString& kanal :
         {u"Kabel 49 ORF 2 Kärnten <C-1537-2-2009>"_s, u"Kabel 172 A&E <C-1537-6-6008>"_s,
          u"Kabel R 112 Cocktail Lounge <C-1537-33-33272>"_s, u"Satellit 1 ORF1 HD <S19.2E-1-1007-4911>"_s,
          u"Satellit (bevorzugt) 2 BR Fernsehen Süd HD <S19.2E-1-1025-10325>"_s,
          u"Satellit (bevorzugt) R 154 RIRE & CHANSONS <S19.2E-1-1098-9168>"_s})
        EXPECT_TRUE(k.contains(kanal)) << kanal.toStdString();
}

TEST(SonyListe, HandgeschriebeneListen) {
    // Antenna: radio 2 between TV 1 and 5 in one numbering; 3 deleted, 4 data.
    EXPECT_EQ(test::Inhalt(LiesSony(u"handgemacht-sdb.xml"_s)),
              QStringList({u"Antenne 2/1"_s, u"Favoriten 2 1/1"_s, u"Antenne 1 Das Erste <T-8468-3-11>"_s,
                           u"Antenne R 2 NDR 2 <T-8468-3-12>"_s, u"Antenne 5 A&E <T-8468-3-15>"_s,
                           u"Favoriten 2 R 1 NDR 2 <T-8468-3-12>"_s, u"Favoriten 2 2 A&E <T-8468-3-15>"_s}));
    const QByteArray mediatek = test::Lies(SENVIO_FERNSEHER "/sony/handgemacht-mediatek.xml");
    EXPECT_TRUE(IstSonyListe(mediatek));
    const ImportFund m = LeseSonyListe(mediatek, u"sdb.xml"_s);
    EXPECT_EQ(test::Inhalt(m),
              QStringList({u"Kabel 1/1"_s, u"Satellit 1/1"_s, u"Kabel 1 ZDF HD <service://SERVICE_LIST_CABLE/2/1>"_s,
                           u"Kabel R 1 Bayern 1 <service://SERVICE_LIST_CABLE/2/2>"_s,
                           u"Satellit 1 ORF2 HD <service://SERVICE_LIST_SATELLITE/3/8>"_s,
                           u"Satellit R 801 Ö1 <service://SERVICE_LIST_SATELLITE/3/9>"_s}));
    EXPECT_TRUE(m.gruppen[0].eigeneZaehlung && !m.gruppen[1].eigeneZaehlung);
}

TEST(SonyListe, UnlesbareDateien) {
    EXPECT_FALSE(IstSonyListe("<TLLDATA><SdbRoot/></TLLDATA>"));
    EXPECT_FALSE(IstSonyListe(test::Bytes({0xFF, 0xFE, 0x00})));
    for (const char* bytes : {"<SdbRoot><SdbXml><sdbC><Service><No>", "<TLLDATA/>"}) {
        try {
            LeseSonyListe(bytes, u"/stick/sdb.xml"_s);
            ADD_FAILURE() << bytes;
        } catch (const Fehler& f) {
            EXPECT_TRUE(f.meldung().contains(u"/stick/sdb.xml"_s)) << f.meldung().toStdString();
        }
    }
}
