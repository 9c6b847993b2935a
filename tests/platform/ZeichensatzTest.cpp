#include "platform/Zeichensatz.h"

#include <gtest/gtest.h>

#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

TEST(Zeichensatz, DekodiertDieBytesOberhalb7FNachWindows1252) {
    // Euro sign, single low-9 quote, ellipsis, S caron, trademark, y diaeresis; then Latin-1 ä, ß, ÿ.
    const QString text = VonWindows1252(Bytes({0x80, 0x82, 0x85, 0x8A, 0x99, 0x9F, 0xE4, 0xDF, 0xFF}));
    EXPECT_EQ(text, QString::fromUtf8("€‚…Š™Ÿäßÿ"));
}

TEST(Zeichensatz, UnbelegteBytesUeberstehenDenHinUndRueckweg) {
    const QByteArray unbelegt = Bytes({0x81, 0x8D, 0x8F, 0x90, 0x9D});
    const QString text = VonWindows1252(unbelegt);
    EXPECT_EQ(text, QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(NachWindows1252(text), unbelegt);
    EXPECT_TRUE(PasstInWindows1252(text));
}

TEST(Zeichensatz, JedesByteUeberstehtDenHinUndRueckweg) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b) {
        alle.append(char(b));
    }
    EXPECT_EQ(NachWindows1252(VonWindows1252(alle)), alle);
}

TEST(Zeichensatz, KodiertUmlauteUndSonderzeichen) {
    EXPECT_EQ(NachWindows1252(QString::fromUtf8("Öl €5 – „ZDF“")),
              Bytes({0xD6, 'l', ' ', 0x80, '5', ' ', 0x96, ' ', 0x84, 'Z', 'D', 'F', 0x93}));
}

TEST(Zeichensatz, NichtDarstellbaresWirdFragezeichen) {
    EXPECT_EQ(NachWindows1252(QString::fromUtf8("Первый")), QByteArray("??????"));
    // A character beyond the BMP is one character, so one "?".
    EXPECT_EQ(NachWindows1252(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    // A lone surrogate is not a character either.
    EXPECT_EQ(NachWindows1252(QString::fromUtf16(u"x\xD800y")), QByteArray("x?y"));
    EXPECT_FALSE(PasstInWindows1252(QString::fromUtf8("Первый")));
    EXPECT_TRUE(PasstInWindows1252(QString::fromUtf8("Kabel 1 Doku ÄÖÜ")));
}

TEST(Zeichensatz, ZerlegterUmlautZeigtDasTrema) {
    // "u" followed by the combining diaeresis U+0308
    EXPECT_EQ(NachWindows1252(QString::fromUtf16(u"Mu\u0308nchen")), Bytes({'M', 'u', 0xA8, 'n', 'c', 'h', 'e', 'n'}));
    EXPECT_EQ(DurchWindows1252(QString::fromUtf16(u"u\u0308")), QString::fromUtf8("u¨"));
    EXPECT_FALSE(PasstInWindows1252(QString::fromUtf16(u"u\u0308")));
}

TEST(Zeichensatz, KleinschreibungGehtDurchDieCodepage) {
    EXPECT_EQ(KleinInWindows1252(QString::fromUtf8("OHNE LOGO4.PNG")), QStringLiteral("ohne logo4.png"));
    EXPECT_EQ(KleinInWindows1252(QString::fromUtf8("ÄÖÜŠŽŸ")), QString::fromUtf8("äöüšžÿ"));
    // Characters outside the code page are already "?" before lower-casing.
    EXPECT_EQ(KleinInWindows1252(QString::fromUtf8("ЖX")), QStringLiteral("?x"));
}
