#include "list/Nummerierung.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Nummerierung, NurDerPraefixWechseltUndZweimalIstWieEinmal) {
    SenderListe l;
    l.SetzeZeilen(QStringList{u"  3   = ARD #png#a"_s, u"X #png#a= b"_s, u"Nur Text"_s, u"  9 = C = D"_s,
                              u"    1   = A = B #png#b"_s, u"  4 = Первый 😀 #png#c"_s, u""_s} +
                  QStringList(93, u"  7 = S #png#"_s));
    const QStringList erwartet = {
        u"    1   = ARD #png#a"_s,   u"    2   = X #png#a= b"_s,     u"    3   = Nur Text"_s, u"    4   = C = D"_s,
        u"    5   = A = B #png#b"_s, u"    6   = Первый 😀 #png#c"_s, u"    7   = "_s};
    for (int mal = 1; mal <= 2; ++mal) {
        const QChar* ersteDaten = l.Zeile(0).constData();
        KorrigiereDieNummern(l);
        // A line that is right already keeps its data: a renumbering copies only what changes.
        EXPECT_EQ(l.Zeile(0).constData() == ersteDaten, mal == 2);
        EXPECT_EQ(l.Zeilen().mid(0, 7), erwartet) << mal;
        EXPECT_EQ(
            (QStringList{l.Zeile(8), l.Zeile(9), l.Zeile(98), l.Zeile(99)}),
            (QStringList{u"    9   = S #png#"_s, u"  10   = S #png#"_s, u"  99   = S #png#"_s, u"  100 = S #png#"_s}));
    }
}
