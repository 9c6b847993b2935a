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

TEST(Zeichensatz, LangeZeilenMitEinemAnderenZeichenAnJederStelle) {
    // Printable ASCII is taken, and a character searched, several characters at a time: one
    // other character before, on and after such a block's edges is still found and encoded.
    const struct {
        char16_t zeichen;
        char byte;
        bool passt;
    } faelle[] = {{u'\t', '\t', true},  {0x7F, '\x7F', true}, {u'ü', '\xFC', true}, {u'€', '\x80', true},
                  {0x0100, '?', false}, {0x8041, '?', false}, {0xFF21, '?', false}, {0x0020, ' ', true}};
    const QString grund = u"    1   = Das Erste HD #png#daserste.png"_s; // 40 characters
    for (const auto& fall : faelle)
        for (const qsizetype stelle : {0, 3, 7, 11, 15, 16, 17, 27, 31, 32, 39}) {
            QString zeile = grund;
            zeile[stelle] = QChar(fall.zeichen);
            QByteArray erwartet = grund.toLatin1();
            erwartet[stelle] = fall.byte;
            EXPECT_EQ(NachWindows1252(zeile), erwartet) << stelle;
            EXPECT_EQ(PasstInWindows1252(zeile), fall.passt) << stelle;
            if (fall.zeichen != u' ') { // the only one of them the line holds elsewhere
                EXPECT_EQ(FindeZeichen(zeile, fall.zeichen), stelle);
                EXPECT_EQ(FindeZeichen(zeile, fall.zeichen, stelle + 1), -1);
            }
            // Cut after it at every length: the blocks of sixteen, eight and four and the rest.
            const bool druckbar = fall.zeichen >= 0x20 && fall.zeichen < 0x7F;
            for (qsizetype laenge = stelle + 1; laenge <= zeile.size(); ++laenge) {
                char kopie[40];
                const qsizetype kopiert = KopiereDruckbaresAscii(QStringView(zeile).first(laenge), kopie);
                EXPECT_EQ(kopiert, druckbar ? laenge : stelle) << stelle << " " << laenge;
                EXPECT_EQ(QByteArray(kopie, kopiert), erwartet.first(kopiert)) << stelle << " " << laenge;
            }
        }
}
