// Tests of the reader of LG webOS exports: the real GlobalClone and small lists written by hand.
#include "import/Lgliste.h"
#include "platform/Fehler.h"

#include "Fernsehtest.h"
#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

namespace lgtest {

ImportFund LiesLg(const QString& datei) {
    return LeseLgListe(test::Lies(SENVIO_FERNSEHER "/lg/"_L1 + datei), datei);
}

} // namespace lgtest

using namespace lgtest;

TEST(LgListe, GlobalCloneDesBeispiels) {
    EXPECT_TRUE(IstLgListe(test::Lies(SENVIO_FERNSEHER "/lg/GlobalClone00002.TLL").first(4000)));
    const ImportFund f = LiesLg(u"GlobalClone00002.TLL"_s);
    const QStringList k = test::Inhalt(f);
    EXPECT_EQ(k.mid(0, 5),
              QStringList({u"Kabel 369/113"_s, u"Satellit 1001/162"_s, u"Kabel 1 ORF eins HD <C-1537-5-5001>"_s,
                           u"Kabel 2 ORF 2 Wien HD <C-1537-5-5002>"_s, u"Kabel 3 ATV <C-1537-3-3008>"_s}));
    // Every satellite channel is hidden: the cable list, the one in use, is ticked.
    EXPECT_TRUE(f.gruppen[0].eigeneZaehlung && f.gruppen[0].vorgewaehlt && !f.gruppen[1].vorgewaehlt);
    // 56 is a gap; 57 is named only in hexVchName (vchName " ").
    EXPECT_EQ(k.mid(56, 2),
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
    const ImportFund a = LiesLg(u"handgemacht.TLL"_s);
    EXPECT_EQ(test::Inhalt(a),
              QStringList({u"Satellit 1/1"_s, u"Analog 1/0"_s, u"Favoriten 2 1/1"_s, u"Satellit 1 RTL <S5.0W-1-9-7>"_s,
                           u"Satellit R 1 Ö1 <>"_s, u"Analog 3 K 05 <A-C-175250>"_s,
                           u"Favoriten 2 1 RTL <S5.0W-1-9-7>"_s, u"Favoriten 2 R 2 Ö1 <>"_s}));
    EXPECT_EQ(a.hinweise,
              QStringList(u"1 Sender einer unbekannten Empfangsart (sourceIndex „9“) sind nicht übernommen."_s));
    EXPECT_TRUE(IstLgListe(test::Lies(SENVIO_FERNSEHER "/lg/webos5.TLL")));
    EXPECT_EQ(test::Inhalt(LiesLg(u"webos5.TLL"_s)),
              QStringList({u"Kabel 1/0"_s, u"Satellit 0/1"_s, u"Kabel 1 Das Erste HD <C-1-1051-28106>"_s,
                           u"Satellit R 2 Ö3 <S-1-2-5>"_s}));
}

TEST(LgListe, UnlesbareDateien) {
    EXPECT_FALSE(IstLgListe("<SdbRoot><TLLDATA/></SdbRoot>"));
    EXPECT_FALSE(IstLgListe(test::Bytes({0x00, 0x01, 0x02})));
    for (const char* bytes :
         {"<TLLDATA><CHANNEL><DTV>", "<TLLDATA><legacybroadcast>{x</legacybroadcast></TLLDATA>", "<SdbRoot/>"}) {
        try {
            LeseLgListe(bytes, u"/stick/GlobalClone00001.TLL"_s);
            ADD_FAILURE() << bytes;
        } catch (const Fehler& f) {
            EXPECT_TRUE(f.meldung().contains(u"/stick/GlobalClone00001.TLL"_s)) << f.meldung().toStdString();
        }
    }
}
