#include "list/Nummerierung.h"

#include <gtest/gtest.h>

using namespace senvio;

namespace {
SenderListe Liste(const QStringList& zeilen) {
    SenderListe l;
    l.SetzeZeilen(zeilen);
    return l;
}
} // namespace

TEST(Nummerierung, PraefixeDerEintraege9_10_99_100) {
    SenderListe l;
    for (int i = 0; i < 120; ++i) {
        l.HaengeAn(QStringLiteral("  7 = S%1 #png#Ohne Logo1.png").arg(i));
    }
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeile(0), QStringLiteral("    1   = S0 #png#Ohne Logo1.png"));
    EXPECT_EQ(l.Zeile(8), QStringLiteral("    9   = S8 #png#Ohne Logo1.png"));
    EXPECT_EQ(l.Zeile(9), QStringLiteral("  10   = S9 #png#Ohne Logo1.png"));
    EXPECT_EQ(l.Zeile(98), QStringLiteral("  99   = S98 #png#Ohne Logo1.png"));
    EXPECT_EQ(l.Zeile(99), QStringLiteral("  100 = S99 #png#Ohne Logo1.png"));
    EXPECT_EQ(l.Zeile(119), QStringLiteral("  120 = S119 #png#Ohne Logo1.png"));
}

TEST(Nummerierung, IstIdempotent) {
    SenderListe l = Liste({QStringLiteral("  3   = ARD #png#a.png"), QStringLiteral("    1   = ZDF #png#"),
                           QStringLiteral("X #png#x"), QStringLiteral("  2 = A = B #png#b")});
    KorrigiereDieNummern(l);
    const QStringList einmal = l.Zeilen();
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeilen(), einmal);
    EXPECT_EQ(einmal, (QStringList{QStringLiteral("    1   = ARD #png#a.png"), QStringLiteral("    2   = ZDF #png#"),
                                   QStringLiteral("    3   = X #png#x"), QStringLiteral("    4   = A = B #png#b")}));
}

TEST(Nummerierung, ZeilenOhnePraefixOderOhneTrenner) {
    SenderListe l = Liste({QStringLiteral("ARD #png#C:\\Logos\\ard.png"), QStringLiteral("Nur Text"),
                           QStringLiteral("  9 = Text = mit Gleich"), QString()});
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeile(0), QStringLiteral("    1   = ARD #png#C:\\Logos\\ard.png"));
    EXPECT_EQ(l.Zeile(1), QStringLiteral("    2   = Nur Text"));
    EXPECT_EQ(l.Zeile(2), QStringLiteral("    3   = Text = mit Gleich"));
    EXPECT_EQ(l.Zeile(3), QStringLiteral("    4   = "));
}

TEST(Nummerierung, NameMitGleichheitszeichenBleibtHeil) {
    SenderListe l = Liste({QStringLiteral("    5   = A = B #png#x.png")});
    for (int i = 0; i < 3; ++i) {
        KorrigiereDieNummern(l);
    }
    EXPECT_EQ(l.Zeile(0), QStringLiteral("    1   = A = B #png#x.png"));
}

TEST(Nummerierung, GleichheitszeichenImLogopfadBleibtUnberuehrt) {
    SenderListe l = Liste({QStringLiteral("RTL #png#/logos/a= b.png")});
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeile(0), QStringLiteral("    1   = RTL #png#/logos/a= b.png"));
}

TEST(Nummerierung, UnicodeBleibtErhalten) {
    SenderListe l = Liste({QString::fromUtf8("  4 = Первый канал 😀 #png#Ohne Logo3.png")});
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Zeile(0), QString::fromUtf8("    1   = Первый канал 😀 #png#Ohne Logo3.png"));
}

TEST(Nummerierung, LeereListeUndStatuszeile) {
    SenderListe l;
    KorrigiereDieNummern(l);
    EXPECT_EQ(l.Anzahl(), 0);
    EXPECT_EQ(ListenStatuszeile(0, QString()), QStringLiteral("      0  Eintragung(en) in der Liste: \"\""));
    EXPECT_EQ(ListenStatuszeile(12, QStringLiteral("Astra")),
              QStringLiteral("      12  Eintragung(en) in der Liste: \"Astra\""));
}

TEST(SenderListe, OperationenUndUnicodeFlag) {
    SenderListe l = Liste({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    l.Verschiebe(0, 3);
    EXPECT_EQ(l.Zeilen(),
              (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("a")}));
    l.Verschiebe(3, 1);
    EXPECT_EQ(l.Zeilen(),
              (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    l.Loesche(2);
    l.Ersetze(0, QStringLiteral("B"));
    l.HaengeAn(QStringLiteral("e"));
    EXPECT_EQ(l.Zeilen(),
              (QStringList{QStringLiteral("B"), QStringLiteral("a"), QStringLiteral("d"), QStringLiteral("e")}));
    l.SetzeUnicode(true);
    l.Leere();
    EXPECT_EQ(l.Anzahl(), 0);
    EXPECT_TRUE(l.IstUnicode());
}
