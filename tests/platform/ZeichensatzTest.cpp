#include "platform/Zeichensatz.h"

#include "TestDateien.h"

using namespace senvio;
using namespace Qt::StringLiterals;

TEST(Zeichensatz, HinUndZurueck) {
    // Euro sign, single low-9 quote, ellipsis, S caron, trademark, Y diaeresis; then ä, ß, ÿ.
    EXPECT_EQ(VonWindows1252("\x80\x82\x85\x8A\x99\x9F\xE4\xDF\xFF"_ba), u"€‚…Š™Ÿäßÿ"_s);
    // The five unassigned bytes become the C1 controls of the same number, and back.
    EXPECT_EQ(VonWindows1252("\x81\x8D\x8F\x90\x9D"_ba), u"\u0081\u008D\u008F\u0090\u009D"_s);
    EXPECT_TRUE(PasstInWindows1252(u"\u0081\u008D\u008F\u0090\u009D"_s));
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle.append(char(b));
    EXPECT_EQ(NachWindows1252(VonWindows1252(alle)), alle);
}

TEST(Zeichensatz, KodierenUndKleinschreibungDurchDieCodepage) {
    EXPECT_EQ(NachWindows1252(u"Öl € – „ZDF“"_s), "\xD6l \x80 \x96 \x84ZDF\x93"_ba);
    // One "?" per character the code page lacks, for a surrogate pair and a lone surrogate too.
    EXPECT_EQ(NachWindows1252(u"Жa😀b\xD800"_s), "?a?b?"_ba);
    EXPECT_FALSE(PasstInWindows1252(u"Первый"_s));
    // A decomposed umlaut shows its diaeresis: U+0308 becomes A8 "¨".
    EXPECT_EQ(NachWindows1252(u"Mu\u0308nchen"_s), "Mu\xA8nchen"_ba);
    EXPECT_EQ(DurchWindows1252(u"u\u0308"_s), u"u¨"_s);
    EXPECT_FALSE(PasstInWindows1252(u"u\u0308"_s));
    EXPECT_EQ(KleinInWindows1252(u"ÄÖÜŠŽŸ"_s), u"äöüšžÿ"_s);
    EXPECT_EQ(KleinInWindows1252(u"ЖX"_s), u"?x"_s); // "?" before lower-casing
}
