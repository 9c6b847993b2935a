// The list font's style texts and colour numbers as the settings file keeps them.
#include "view/Listenschrift.h"
#include "TestDateien.h"

#include <gtest/gtest.h>

namespace senvio {
namespace {

// Read without regard to case, written in the one spelling; a style set of no text writes "".
TEST(Listenschrift, StiltexteLesenUndSchreiben) {
    const struct {
        const char* gelesen; // nullptr: only written
        bool fett, kursiv, unter, durch;
        const char* geschrieben;
    } faelle[] = {
        {"fsBold", true, false, false, false, "fsBold"},
        {"FSBOLD + FSITALIC", true, true, false, false, "fsBold + fsItalic"},
        {"fsbold + FsItalic", true, true, false, false, "fsBold + fsItalic"},
        {"fsItalic", false, true, false, false, "fsItalic"},
        {"fsUnderline", false, false, true, false, "fsUnderline"},
        {"fsStrikeout", false, false, false, true, "fsStrikeout"},
        {nullptr, false, false, false, false, ""},
        {nullptr, true, false, true, false, ""},
        {nullptr, true, true, true, true, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.geschrieben);
        if (f.gelesen) {
            const std::optional<Schriftstil> stil = StilAusText(QString::fromLatin1(f.gelesen));
            ASSERT_TRUE(stil);
            EXPECT_EQ(std::tuple(stil->fett, stil->kursiv, stil->unterstrichen, stil->durchgestrichen),
                      std::tuple(f.fett, f.kursiv, f.unter, f.durch));
        }
        QFont schrift;
        WendeStilAn({f.fett, f.kursiv, f.unter, f.durch}, schrift);
        EXPECT_EQ(StilText(schrift), QString::fromLatin1(f.geschrieben));
    }
    // Only these whole texts count; ASCII letters only are folded (long s is none).
    for (const char* anders : {"", "fsBold+fsItalic", " fsBold", "fsUnderline + fsBold", "regular", "ſsBold"})
        EXPECT_FALSE(StilAusText(QString::fromUtf8(anders))) << anders;
}

TEST(Listenschrift, FarbeAlsBlauGruenRot) {
    for (const auto& [zahl, farbe] :
         {std::pair(16711680, QColor(0, 0, 255)), std::pair(255, QColor(255, 0, 0)),
          std::pair(65280, QColor(0, 255, 0)), std::pair(0x00123456, QColor(0x56, 0x34, 0x12))}) {
        EXPECT_EQ(ZahlAusFarbe(farbe), zahl);
        EXPECT_EQ(FarbeAusZahl(zahl), farbe);
    }
}

} // namespace
} // namespace senvio
