#include "list/Nummerierung.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Nummerierung, PraefixeDerEintraege9_10_99_100UndStatuszeile) {
    SenderListe l;
    l.SetzeZeilen(QStringList(100, u"  7 = S #png#"_s));
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeile(8), u"    9   = S #png#"_s);
    EXPECT_EQ(l.Zeile(9), u"  10   = S #png#"_s);
    EXPECT_EQ(l.Zeile(98), u"  99   = S #png#"_s);
    EXPECT_EQ(l.Zeile(99), u"  100 = S #png#"_s);
    EXPECT_EQ(ListenStatuszeile(0, QString()), u"      0  Eintragung(en) in der Liste: \"\""_s);
    EXPECT_EQ(ListenStatuszeile(12, u"Astra"_s), u"      12  Eintragung(en) in der Liste: \"Astra\""_s);
}

TEST(Nummerierung, NurDerPraefixWechseltUndZweimalIstWieEinmal) {
    SenderListe l;
    KorrigiereDieNummern(l); // an empty list stays empty
    EXPECT_EQ(l.Anzahl(), 0);
    l.SetzeZeilen({u"  3   = ARD #png#a"_s, u"X #png#a= b"_s, u"Nur Text"_s, u"  9 = C = D"_s,
                   u"    1   = A = B #png#b"_s, u"  4 = Первый 😀 #png#c"_s, u""_s});
    const QStringList erwartet = {
        u"    1   = ARD #png#a"_s,   u"    2   = X #png#a= b"_s,     u"    3   = Nur Text"_s, u"    4   = C = D"_s,
        u"    5   = A = B #png#b"_s, u"    6   = Первый 😀 #png#c"_s, u"    7   = "_s};
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeilen(), erwartet);
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeilen(), erwartet);
}
