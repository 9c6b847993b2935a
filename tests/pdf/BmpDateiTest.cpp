// BMP files: hand-made files read, every kind of broken file refused with its message.
#include "pdf/BmpDatei.h"
#include "pdf/PdfFehler.h"

#include "PdfPruefung.h"

#include <filesystem>
#include <vector>

using namespace senvio;
using namespace senvio::test;
namespace fs = std::filesystem;

namespace {

class BmpDatei : public PdfOrdnerTest {};

using Bytes = std::vector<std::uint8_t>;

// 3 × 2 pixels, 24 bit, bottom-up: rows of 9 bytes padded to 12. The bottom row
// (first in the file) is 10 … 18, the top row 20 … 28.
const Bytes Datei24 = {'B', 'M', 78, 0,  0,  0,  0,  0,  0,  0, 54, 0, 0, 0, // file header, 78 bytes, data at 54
                       40,  0,   0,  0,  3,  0,  0,  0,  2,  0, 0,  0, 1, 0, 24, 0,
                       0,   0,   0,  0,  24, 0,  0,  0,                             // info header
                       0,   0,   0,  0,  0,  0,  0,  0,  0,  0, 0,  0, 0, 0, 0,  0, //
                       10,  11,  12, 13, 14, 15, 16, 17, 18, 0, 0,  0,              // bottom row
                       20,  21,  22, 23, 24, 25, 26, 27, 28, 0, 0,  0};             // top row
const Bytes Oben24 = {20, 21, 22, 23, 24, 25, 26, 27, 28, 10, 11, 12, 13, 14, 15, 16, 17, 18};

void Setze32(Bytes& b, std::size_t stelle, std::uint32_t wert) {
    for (int i = 0; i < 4; ++i) {
        b[stelle + std::size_t(i)] = std::uint8_t(wert >> (8 * i));
    }
}

// Decodes the bytes from memory and from a file; both ways must agree.
BmpBild Lies(const Bytes& bytes) {
    SchreibDatei("x.bmp", std::string(bytes.begin(), bytes.end()));
    const BmpBild ausSpeicher = DekodiereBmp(bytes, "x.bmp");
    const BmpBild ausDatei = LeseBmp("x.bmp");
    EXPECT_EQ(ausDatei.Breite, ausSpeicher.Breite);
    EXPECT_EQ(ausDatei.Hoehe, ausSpeicher.Hoehe);
    EXPECT_EQ(ausDatei.BytesJePixel, ausSpeicher.BytesJePixel);
    EXPECT_EQ(ausDatei.Pixel, ausSpeicher.Pixel);
    return ausSpeicher;
}

// The message for the bytes, from memory and from a file; both must be the same.
std::string Meldung(const Bytes& bytes) {
    SchreibDatei("x.bmp", std::string(bytes.begin(), bytes.end()));
    std::string ausSpeicher = "<kein Fehler>", ausDatei = "<kein Fehler>";
    try {
        DekodiereBmp(bytes, "x.bmp");
    } catch (const BmpFehler& f) {
        ausSpeicher = f.what();
    }
    try {
        LeseBmp("x.bmp");
    } catch (const BmpFehler& f) {
        ausDatei = f.what();
    }
    EXPECT_EQ(ausDatei, ausSpeicher);
    return ausSpeicher;
}

} // namespace

TEST_F(BmpDatei, VierundzwanzigBitVonUntenUndVonOben) {
    const BmpBild unten = Lies(Datei24);
    EXPECT_EQ(unten.Breite, 3);
    EXPECT_EQ(unten.Hoehe, 2);
    EXPECT_EQ(unten.BytesJePixel, 3);
    EXPECT_EQ(unten.Pixel, Oben24);

    Bytes oben = Datei24;
    Setze32(oben, 22, std::uint32_t(-2)); // negative height: rows from top to bottom
    EXPECT_EQ(Lies(oben).Pixel, (Bytes{10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28}));

    // The last row's padding may be missing from the file.
    Bytes kurz = Datei24;
    kurz.resize(kurz.size() - 3);
    EXPECT_EQ(Lies(kurz).Pixel, Oben24);
}

TEST_F(BmpDatei, ZweiunddreissigBitAuchMitEinfachenMasken) {
    Bytes b = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 32, 0, 0,
               0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6,  7, 8};
    const BmpBild ohne = Lies(b);
    EXPECT_EQ(ohne.Breite, 2);
    EXPECT_EQ(ohne.Hoehe, 1);
    EXPECT_EQ(ohne.BytesJePixel, 4);
    EXPECT_EQ(ohne.Pixel, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));

    // BI_BITFIELDS with the masks red FF0000, green FF00, blue FF behind the header.
    Bytes masken = b;
    Setze32(masken, 30, 3);
    Setze32(masken, 10, 66);
    masken.insert(masken.begin() + 54, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0});
    EXPECT_EQ(Lies(masken).Pixel, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));

    Bytes andere = masken;
    andere[56] = 0xFE; // red mask FE0000
    EXPECT_EQ(
        Meldung(andere),
        "Datei x.bmp ist komprimiert oder hat besondere Farbmasken (Art 3); lesbar sind nur unkomprimierte Bilder");
}

TEST_F(BmpDatei, AlterOs2Kopf) {
    const Bytes b = {'B', 'M', 34, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, // data at 26
                     12,  0,   0,  0, 2, 0, 1, 0, 1, 0, 24, 0,       // 2 × 1, 24 bit
                     1,   2,   3,  4, 5, 6, 0, 0};
    const BmpBild bild = Lies(b);
    EXPECT_EQ(bild.Breite, 2);
    EXPECT_EQ(bild.Hoehe, 1);
    EXPECT_EQ(bild.Pixel, (Bytes{1, 2, 3, 4, 5, 6}));
}

TEST_F(BmpDatei, KaputteDateienMitIhrerMeldung) {
    EXPECT_EQ(Meldung({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              "Datei x.bmp ist keine BMP-Datei");
    EXPECT_EQ(Meldung({'B', 'M', 0}), "Datei x.bmp ist keine BMP-Datei");
    EXPECT_EQ(Meldung({}), "Datei x.bmp ist keine BMP-Datei");

    Bytes b = Datei24;
    Setze32(b, 14, 20);
    EXPECT_EQ(Meldung(b), "Datei x.bmp hat einen unbekannten BMP-Kopf (20 Bytes)");
    EXPECT_EQ(Meldung(Bytes(Datei24.begin(), Datei24.begin() + 40)),
              "Datei x.bmp ist beschädigt: der BMP-Kopf ist unvollständig");

    b = Datei24;
    b[28] = 8;
    EXPECT_EQ(Meldung(b), "Datei x.bmp hat eine nicht unterstützte Farbtiefe (8 Bit je Pixel; lesbar sind 24 und 32)");
    b = Datei24;
    Setze32(b, 30, 1);
    EXPECT_EQ(
        Meldung(b),
        "Datei x.bmp ist komprimiert oder hat besondere Farbmasken (Art 1); lesbar sind nur unkomprimierte Bilder");

    b = Datei24;
    Setze32(b, 18, 0);
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: das Bild hat keine Pixel");
    Setze32(b, 18, std::uint32_t(-3));
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: das Bild hat keine Pixel");
    b = Datei24;
    Setze32(b, 22, 0);
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: das Bild hat keine Pixel");
}

TEST_F(BmpDatei, ZuGrosseBilderVorDemAnlegen) {
    Bytes b = Datei24;
    Setze32(b, 18, 20001);
    Setze32(b, 22, 1);
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist zu groß (20001 × 1 Pixel)");
    Setze32(b, 18, 10000);
    Setze32(b, 22, 4001); // 40,010,000 pixels
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist zu groß (10000 × 4001 Pixel)");
    Setze32(b, 18, 3);
    Setze32(b, 22, 0x80000000u); // the most negative height
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist zu groß (3 × 2147483648 Pixel)");
    // Within the limits but far more pixels than bytes in the file.
    Setze32(b, 18, 10000);
    Setze32(b, 22, 4000);
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig");
}

TEST_F(BmpDatei, UnvollstaendigeBilddaten) {
    Bytes b = Datei24;
    b.resize(b.size() - 4); // a byte of the top row's pixels is missing
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig");
    b = Datei24;
    Setze32(b, 10, 79); // data beyond the end
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig");
    Setze32(b, 10, 0xFFFFFFFFu);
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig");
    Setze32(b, 10, 20); // data inside the header
    EXPECT_EQ(Meldung(b), "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig");
}

TEST_F(BmpDatei, DateiFehltOderIstOrdner) {
    fs::create_directory("ordner.bmp");
    for (const char* name : {"fehlt.bmp", "ordner.bmp"}) {
        try {
            LeseBmp(name);
            ADD_FAILURE() << name;
        } catch (const BmpFehler& f) {
            EXPECT_EQ(f.what(), std::string("Datei ") + name + " kann nicht geöffnet werden");
        }
    }
}

// A file larger than any picture within the limits is not read at all (sparse here).
TEST_F(BmpDatei, RiesigeDateiWirdNichtGelesen) {
    SchreibDatei("riesig.bmp", std::string(Datei24.begin(), Datei24.end()));
    fs::resize_file("riesig.bmp", 200'000'000);
    try {
        LeseBmp("riesig.bmp");
        ADD_FAILURE();
    } catch (const BmpFehler& f) {
        EXPECT_STREQ(f.what(), "Datei riesig.bmp ist zu groß für ein Bild (200000000 Bytes)");
    }
}

TEST_F(BmpDatei, SchreibenZweiunddreissigBitVonUnten) {
    // 2 × 2 pixels given as 3 bytes each: top row 1 … 6, bottom row 7 … 12.
    const Bytes pixel = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    const Bytes erwartet = {'B',  'M',  70, 0, 0,    0,    0,  0, 0, 0, 54, 0, 0, 0, // 54 + 16 bytes
                            40,   0,    0,  0, 2,    0,    0,  0, 2, 0, 0,  0, 1, 0, 32, 0, 0, 0, 0, 0, 16, 0, 0, 0, //
                            0xC4, 0x0E, 0,  0, 0xC4, 0x0E, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, // 3780 px/m
                            7,    8,    9,  0, 10,   11,   12, 0,                           // bottom row first
                            1,    2,    3,  0, 4,    5,    6,  0};
    EXPECT_EQ(KodiereBmp({2, 2, 3, 0, pixel}), erwartet);

    SchreibDatei("bild.bmp", "alt");
    SchreibeBmp("bild.bmp", {2, 2, 3, 0, pixel});
    EXPECT_EQ(LiesDatei("bild.bmp"), std::string(erwartet.begin(), erwartet.end()));
    EXPECT_EQ(Dateien(), std::vector<std::string>{"bild.bmp"});
    EXPECT_THROW(SchreibeBmp("fehlt/bild.bmp", {2, 2, 3, 0, pixel}), PdfDateiFehler);
    EXPECT_THROW(KodiereBmp({2, 3, 3, 0, pixel}), std::invalid_argument);
}

// A page picture spans many of the reader's blocks; one picture object is reused.
TEST_F(BmpDatei, SeitenbildUeberVieleBloecke) {
    Bytes pixel(std::size_t(966) * 1278 * 4);
    for (std::size_t i = 0; i < pixel.size(); ++i) {
        pixel[i] = i % 4 == 3 ? 0 : std::uint8_t(i / 4 * 7 + i % 4);
    }
    SchreibeBmp("seite.bmp", {966, 1278, 4, 0, pixel});
    BmpBild bild;
    LeseBmp("seite.bmp", bild);
    EXPECT_EQ(bild.Breite, 966);
    EXPECT_EQ(bild.Hoehe, 1278);
    EXPECT_TRUE(bild.Pixel == pixel);

    SchreibDatei("klein.bmp", std::string(Datei24.begin(), Datei24.end()));
    LeseBmp("klein.bmp", bild);
    EXPECT_EQ(bild.Breite, 3);
    EXPECT_EQ(bild.BytesJePixel, 3);
    EXPECT_EQ(bild.Pixel, Oben24);
}
