// BMP files: hand-made files read, broken ones refused with their message, written
// ones read back; and pdf-bilder, which makes one PDF page of each.
#include "pdf/BmpDatei.h"

#include "PdfPruefung.h"

#include <tuple>

using namespace senvio;
using namespace senvio::test;

namespace {

using BmpDatei = PdfOrdnerTest;
using PdfBilder = PdfOrdnerTest;

using Bytes = std::vector<std::uint8_t>;

// 3 × 2 pixels, 24 bit, bottom-up: rows of 9 bytes padded to 12.
const Bytes Datei24 = {'B', 'M', 78, 0,  0,  0,  0,  0,  0,  0, 54, 0, 0, 0, // 78 bytes, pixels at 54
                       40,  0,   0,  0,  3,  0,  0,  0,  2,  0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
                       24,  0,   0,  0,  0,  0,  0,  0,  0,  0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, //
                       10,  11,  12, 13, 14, 15, 16, 17, 18, 0, 0,  0,                          // bottom row
                       20,  21,  22, 23, 24, 25, 26, 27, 28, 0, 0,  0};                         // top row

// 1 × 2 pixels, 32 bit, bottom-up: the bottom pixel 1 2 3 0, the top one 5 6 7 0.
const Bytes Pixel32 = {5, 6, 7, 1, 2, 3};
const Bytes Datei32 = KodiereBmp({1, 2, 3, 0, Pixel32});

// The file with 32-bit values set at the given places.
Bytes Mit(std::initializer_list<std::pair<std::size_t, std::uint32_t>> werte, Bytes b = Datei24) {
    for (const auto& [stelle, wert] : werte)
        for (std::size_t i = 0; i < 4; ++i)
            b[stelle + i] = std::uint8_t(wert >> (8 * i));
    return b;
}

// Datei32 with bit fields: the masks red, green, blue behind the info header.
Bytes MitMasken(std::uint32_t rot) {
    Bytes b = Mit({{2, 74}, {10, 66}, {30, 3}}, Datei32);
    b.insert(b.begin() + 54, 12, 0);
    return Mit({{54, rot}, {58, 0x0000FF00}, {62, 0x000000FF}}, b);
}

// The picture as "width height bytes-per-pixel: pixel bytes", or the message; decoded
// from memory and read from a file, which must agree.
std::string Lies(const Bytes& bytes) {
    SchreibDatei("x.bmp", std::string(bytes.begin(), bytes.end()));
    std::string ergebnis[2];
    for (int i = 0; i < 2; ++i) {
        try {
            const BmpBild b = i == 0 ? DekodiereBmp(bytes, "x.bmp") : LeseBmp("x.bmp");
            ergebnis[i] =
                std::to_string(b.Breite) + " " + std::to_string(b.Hoehe) + " " + std::to_string(b.BytesJePixel) + ":";
            for (const std::uint8_t p : b.Pixel)
                ergebnis[i] += " " + std::to_string(p);
        } catch (const BmpFehler& f) {
            ergebnis[i] = f.what();
        }
    }
    EXPECT_EQ(ergebnis[1], ergebnis[0]);
    return ergebnis[0];
}

// 2 × 1 pixels, blue, green, red and a fourth byte each.
const std::vector<std::uint8_t> Klein = {1, 2, 3, 0, 4, 5, 6, 0};

} // namespace

// Each file read as its picture, or refused with its message.
TEST_F(BmpDatei, LesbareUndAbgelehnteDateien) {
    const Bytes os2 = {'B', 'M', 34, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0, // pixels at 26
                       12,  0,   0,  0, 2, 0, 1, 0, 1, 0, 24, 0, 1, 2, 3, 4, 5, 6, 0, 0};
    const std::string obenZuerst = "3 2 3: 20 21 22 23 24 25 26 27 28 10 11 12 13 14 15 16 17 18";
    const std::string unvollstaendig = "Datei x.bmp ist beschädigt: die Bilddaten sind unvollständig";
    for (const auto& [datei, ergebnis] : std::initializer_list<std::pair<Bytes, std::string>>{
             {Datei24, obenZuerst},
             {Mit({{22, std::uint32_t(-2)}}), "3 2 3: 10 11 12 13 14 15 16 17 18 20 21 22 23 24 25 26 27 28"},
             {Bytes(Datei24.begin(), Datei24.end() - 3), obenZuerst}, // the last row without padding
             {Datei32, "1 2 4: 5 6 7 0 1 2 3 0"},
             {MitMasken(0x00FF0000), "1 2 4: 5 6 7 0 1 2 3 0"},
             {os2, "2 1 3: 1 2 3 4 5 6"},
             {{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "Datei x.bmp ist keine BMP-Datei"},
             {Mit({{14, 20}}), "Datei x.bmp hat einen unbekannten BMP-Kopf (20 Bytes)"},
             {Bytes(Datei24.begin(), Datei24.begin() + 40),
              "Datei x.bmp ist beschädigt: der BMP-Kopf ist unvollständig"},
             {Mit({{28, 16}}),
              "Datei x.bmp hat eine nicht unterstützte Farbtiefe (16 Bit je Pixel; lesbar sind 24 und 32)"},
             {MitMasken(0x00FE0000),
              "Datei x.bmp ist komprimiert oder hat besondere Farbmasken (Art 3); lesbar sind nur "
              "unkomprimierte Bilder"},
             {Mit({{18, 0}}), "Datei x.bmp ist beschädigt: das Bild hat keine Pixel"},
             {Mit({{22, 0}}), "Datei x.bmp ist beschädigt: das Bild hat keine Pixel"},
             {Mit({{18, 20001}, {22, 1}}), "Datei x.bmp ist zu groß (20001 × 1 Pixel)"},
             {Mit({{18, 10000}, {22, 4001}}), "Datei x.bmp ist zu groß (10000 × 4001 Pixel)"}, // 40,010,000
             {Mit({{22, 0x80000000u}}), "Datei x.bmp ist zu groß (3 × 2147483648 Pixel)"},
             {Mit({{18, 10000}, {22, 4000}}), unvollstaendig}, // within the limits, but not in the file
             {Bytes(Datei24.begin(), Datei24.end() - 4), unvollstaendig},
             {Mit({{10, 0xFFFFFFFFu}}), unvollstaendig},
             {Mit({{10, 60}}, MitMasken(0x00FF0000)), unvollstaendig}}) // pixels inside the masks
        EXPECT_EQ(Lies(datei), ergebnis);
}

TEST_F(BmpDatei, GeschriebenZweiunddreissigBitVonUnten) {
    const Bytes pixel = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};                  // 2 × 2, top row 1 … 6
    const Bytes datei = {'B',  'M',  70, 0, 0,    0,    0,  0, 0, 0, 54, 0, 0, 0, // 54 + 16 bytes
                         40,   0,    0,  0, 2,    0,    0,  0, 2, 0, 0,  0, 1, 0, 32, 0, 0, 0, 0, 0, 16, 0, 0, 0, //
                         0xC4, 0x0E, 0,  0, 0xC4, 0x0E, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, // 3780 pixels a metre
                         7,    8,    9,  0, 10,   11,   12, 0,                           // bottom row first
                         1,    2,    3,  0, 4,    5,    6,  0};
    EXPECT_EQ(KodiereBmp({2, 2, 3, 0, pixel}), datei);
    SchreibDatei("bild.bmp", "alt");
    SchreibeBmp("bild.bmp", {2, 2, 3, 0, pixel});
    EXPECT_EQ(LiesDatei("bild.bmp"), std::string(datei.begin(), datei.end()));
    EXPECT_EQ(Lies(datei), "2 2 4: 1 2 3 0 4 5 6 0 7 8 9 0 10 11 12 0");
}

TEST_F(PdfBilder, EineSeiteJeBild) {
    SchreibeBmp("klein.bmp", {2, 1, 4, 0, Klein});
    SchreibeBmp("punkt.bmp", {1, 1, 4, 0, std::span(Klein).subspan(4)});
    // Five pages, more than are compressed at once, so the pictures come back in page order.
    const Ausgang a = Starte("'" PDF_BILDER "' aus.pdf punkt.bmp klein.bmp klein.bmp punkt.bmp klein.bmp");
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.ausgabe + a.fehler, "");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"aus.pdf", "klein.bmp", "punkt.bmp"}));

    // Contents 2, 4, … 10, pictures 29 to 33; pictures placed at 96 dpi.
    const PdfDatei pdf("aus.pdf", 5);
    EXPECT_EQ(Entpacke(pdf.Stream(4)), Zeilen({"q", "2 0 0 1 0 1115 cm", "/Im2 Do", "Q"}));
    for (const int seite : {1, 2, 3, 4, 5}) {
        const bool punkt = seite == 1 || seite == 4;
        EXPECT_EQ(Entpacke(pdf.Stream(28 + seite)), punkt ? "\x06\x05\x04" : "\x03\x02\x01\x06\x05\x04") << seite;
    }
}

// No call leaves a PDF, a staging file or a half-written file behind.
TEST_F(PdfBilder, SchlechteEingabenMitDeutscherMeldung) {
    SchreibeBmp("gut.bmp", {2, 1, 4, 0, Klein});
    SchreibDatei("kaputt.bmp", LiesDatei("gut.bmp").substr(0, 61));
    SchreibDatei("riesig.bmp", "BM");
    fs::resize_file("riesig.bmp", 200'000'000); // sparse
    SchreibDatei("aus.pdf", "alt");
    const std::string aufruf =
        "Aufruf: pdf-bilder AUSGABE.pdf BILD1.bmp [BILD2.bmp …]\nSchreibt eine PDF-Seite je BMP-Bild.\n";
    for (const auto& [argumente, status, meldung] : std::initializer_list<std::tuple<std::string, int, std::string>>{
             {"", 2, aufruf},
             {"aus.pdf gut.bmp fehlt.bmp", 1, "pdf-bilder: Datei fehlt.bmp kann nicht geöffnet werden\n"},
             {"aus.pdf gut.bmp gut.bmp kaputt.bmp", 1,
              "pdf-bilder: Datei kaputt.bmp ist beschädigt: die Bilddaten sind unvollständig\n"},
             {"aus.pdf riesig.bmp", 1, "pdf-bilder: Datei riesig.bmp ist zu groß für ein Bild (200000000 Bytes)\n"},
             {"fehlt/aus.pdf gut.bmp", 1, "pdf-bilder: Datei fehlt/aus.pdf kann nicht erstellt werden\n"}}) {
        const Ausgang a = Starte("'" PDF_BILDER "' " + argumente);
        EXPECT_EQ(a.status, status) << argumente;
        EXPECT_EQ(a.fehler, meldung);
        EXPECT_EQ(LiesDatei("aus.pdf"), "alt");
        EXPECT_EQ(Dateien(), (std::vector<std::string>{"aus.pdf", "gut.bmp", "kaputt.bmp", "riesig.bmp"}));
    }
}
