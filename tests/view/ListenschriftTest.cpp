// The list font's style texts and colour numbers as the settings file keeps them.
#include "view/Listenschrift.h"
#include "TestDateien.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

TEST(Listenschrift, StiltexteOhneRuecksichtAufGrossKlein) {
    struct Fall {
        const char* text;
        bool fett, kursiv, unter, durch;
    };
    for (const Fall& f :
         {Fall{"fsBold", true, false, false, false}, Fall{"FSBOLD + FSITALIC", true, true, false, false},
          Fall{"fsbold + FsItalic", true, true, false, false}, Fall{"fsItalic", false, true, false, false},
          Fall{"fsUnderline", false, false, true, false}, Fall{"fsStrikeout", false, false, false, true}}) {
        SCOPED_TRACE(f.text);
        const std::optional<Schriftstil> stil = StilAusText(QString::fromLatin1(f.text));
        ASSERT_TRUE(stil);
        EXPECT_EQ(stil->fett, f.fett);
        EXPECT_EQ(stil->kursiv, f.kursiv);
        EXPECT_EQ(stil->unterstrichen, f.unter);
        EXPECT_EQ(stil->durchgestrichen, f.durch);
    }
    // Only these whole texts count; ASCII letters only are folded.
    for (const char* anders : {"", "fsBold+fsItalic", " fsBold", "fsUnderline + fsBold", "regular"})
        EXPECT_FALSE(StilAusText(QString::fromLatin1(anders))) << anders;
    EXPECT_FALSE(StilAusText(QStringLiteral("ſsBold"))); // long s is no ASCII letter
}

TEST(Listenschrift, StiltextNurFuerGenauDieFuenfStile) {
    // bold, italic, underline, strike-out, text written
    const std::tuple<bool, bool, bool, bool, const char*> faelle[] = {{true, false, false, false, "fsBold"},
                                                                      {true, true, false, false, "fsBold + fsItalic"},
                                                                      {false, true, false, false, "fsItalic"},
                                                                      {false, false, true, false, "fsUnderline"},
                                                                      {false, false, false, true, "fsStrikeout"},
                                                                      {false, false, false, false, ""},
                                                                      {true, false, true, false, ""},
                                                                      {true, true, true, true, ""}};
    for (const auto& [fett, kursiv, unter, durch, text] : faelle) {
        QFont schrift;
        WendeStilAn({fett, kursiv, unter, durch}, schrift);
        EXPECT_EQ(StilText(schrift), QString::fromLatin1(text));
    }
}

TEST(Listenschrift, FarbeAlsBlauGruenRot) {
    EXPECT_EQ(ZahlAusFarbe(QColor(0, 0, 255)), 16711680);
    EXPECT_EQ(ZahlAusFarbe(QColor(255, 0, 0)), 255);
    EXPECT_EQ(ZahlAusFarbe(QColor(0x56, 0x34, 0x12)), 0x00123456);
    EXPECT_EQ(FarbeAusZahl(255), QColor(255, 0, 0));
    EXPECT_EQ(FarbeAusZahl(65280), QColor(0, 255, 0));
    EXPECT_EQ(FarbeAusZahl(16711680), QColor(0, 0, 255));
    EXPECT_EQ(FarbeAusZahl(0x00123456), QColor(0x56, 0x34, 0x12));
}

} // namespace
} // namespace senvio
