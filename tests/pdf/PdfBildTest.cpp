// Pictures in the PDF: their bytes, their placed size, their staging files.
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <vector>

using namespace senvio;
using namespace senvio::test;

namespace {

class PdfBild : public PdfOrdnerTest {};

// 966 × 1278 pixels, 4 bytes each, where every pixel tells its place: red x, green y,
// blue x·y (each modulo 256).
std::vector<std::uint8_t> Muster() {
    std::vector<std::uint8_t> pixel(std::size_t(966) * 1278 * 4);
    for (std::size_t y = 0, i = 0; y < 1278; ++y) {
        for (std::size_t x = 0; x < 966; ++x, i += 4) {
            pixel[i] = std::uint8_t(x * y);
            pixel[i + 1] = std::uint8_t(y);
            pixel[i + 2] = std::uint8_t(x);
            pixel[i + 3] = 0x77;
        }
    }
    return pixel;
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

std::ostream& operator<<(std::ostream& aus, const Rgb& f) {
    return aus << f.r << ',' << f.g << ',' << f.b;
}

} // namespace

TEST_F(PdfBild, KleinesBildByteFuerByteUndSeineZwischendatei) {
    // Two rows of two pixels, blue-green-red, each row padded to 8 bytes with 99.
    const std::vector<std::uint8_t> pixel = {1, 2, 3, 4, 5, 6, 99, 99, 7, 8, 9, 10, 11, 12, 99, 99};
    TmachPDF pdf;
    pdf.FileName = "klein.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, {2, 2, 3, 8, pixel}, 96, 96);

    const std::string daten("\x03\x02\x01\x06\x05\x04\x09\x08\x07\x0C\x0B\x0A", 12);
    const std::string koerper =
        Zeilen({"<< /Type /XObject", "/Subtype /Image", "/Width 2", "/Height 2", "/ColorSpace /DeviceRGB",
                "/BitsPerComponent 8", "/Length 12", "/Name /Im1", ">>", "stream"}) +
        daten;
    EXPECT_EQ(LiesDatei("~tmp1"), koerper);
    pdf.EndDoc();
    EXPECT_EQ(Dateien(), std::vector<std::string>{"klein.pdf"});

    const PdfDatei datei(LiesDatei("klein.pdf"));
    EXPECT_EQ(datei.Objekt(21), "21 0 obj\r\n" + koerper + Zeilen({"", "endstream", "endobj"}));
    // After "20 0 obj" (10 bytes) and the /ProcSet line (35 bytes).
    EXPECT_EQ(datei.Objekt(20).find("/XObject << \r\n/Im1 21 0 R\r\n>>\r\n"), 45u);
    PruefeMitWerkzeugen("klein.pdf", 1);
}

TEST_F(PdfBild, VierBytesJePixelVerlierenDasVierte) {
    const std::vector<std::uint8_t> pixel = {1, 2, 3, 200, 4, 5, 6, 201, 7, 8, 9, 202};
    TmachPDF pdf;
    pdf.FileName = "vier.pdf";
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, {3, 1, 4, 0, pixel}, 96, 96);
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("vier.pdf"));
    const std::string strom = datei.Stream(21);
    EXPECT_EQ(Entpacke(strom), std::string("\x03\x02\x01\x06\x05\x04\x09\x08\x07", 9));
    EXPECT_NE(datei.Objekt(21).find(Zeilen(
                  {"/Length " + std::to_string(strom.size()), "/Name /Im1", "/Filter [/FlateDecode]", ">>", "stream"})),
              std::string::npos);
    PruefeMitWerkzeugen("vier.pdf", 1);
}

TEST_F(PdfBild, GrossesBildEntpacktGleichDenPixeln) {
    const std::vector<std::uint8_t> pixel = Muster();
    TmachPDF pdf;
    pdf.FileName = "gross.pdf";
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, {966, 1278, 4, 0, pixel}, 96, 96);
    pdf.EndDoc();

    const PdfDatei datei(LiesDatei("gross.pdf"));
    const std::string rgb = Entpacke(datei.Stream(21));
    ASSERT_EQ(rgb.size(), 3703644u);
    std::size_t falsch = 0;
    for (std::size_t y = 0, i = 0; y < 1278; ++y) {
        for (std::size_t x = 0; x < 966; ++x, i += 3) {
            falsch += std::uint8_t(rgb[i]) != std::uint8_t(x) || std::uint8_t(rgb[i + 1]) != std::uint8_t(y) ||
                      std::uint8_t(rgb[i + 2]) != std::uint8_t(x * y);
        }
    }
    EXPECT_EQ(falsch, 0u);
    EXPECT_NE(datei.Objekt(21).find(Zeilen({"/Width 966", "/Height 1278"})), std::string::npos);
    PruefeMitWerkzeugen("gross.pdf", 1);
}

TEST_F(PdfBild, OhneKompressionLaengeDreimalBreiteMalHoehe) {
    const std::vector<std::uint8_t> pixel(std::size_t(966) * 1278 * 3, 0x40);
    TmachPDF pdf;
    pdf.FileName = "roh.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, {966, 1278, 3, 0, pixel}, 96, 96);
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("roh.pdf"));
    EXPECT_EQ(datei.Bytes().find("/Filter"), std::string::npos);
    EXPECT_NE(datei.Objekt(21).find("\r\n/Length 3703644\r\n"), std::string::npos);
    EXPECT_EQ(datei.Stream(21), std::string(3703644, '\x40'));
    PruefeMitWerkzeugen("roh.pdf", 1);
}

// A 966 × 1278 picture on 794 × 1122: 794 × 1116 at 96 dpi, 635 × 893 at 120, 529 × 744
// at 144; the last number of "cm" is 1122 − Y − height.
TEST_F(PdfBild, PlatzierteGroesseFolgtDerBildschirmaufloesung) {
    const std::vector<std::uint8_t> pixel(std::size_t(966) * 1278 * 3, 0);
    const BildPixel bild{966, 1278, 3, 0, pixel};
    TmachPDF pdf;
    pdf.FileName = "dpi.pdf";
    pdf.Compress = false;
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, bild, 96, 96);
    pdf.NewPage();
    pdf.DrawImage(0, 6, bild, 120, 120);
    pdf.NewPage();
    pdf.DrawImage(0, 6, bild, 144, 144);
    pdf.NewPage();
    pdf.DrawImage(10, 20, bild, 96, 144);
    pdf.EndDoc();

    const PdfDatei datei(LiesDatei("dpi.pdf"));
    EXPECT_EQ(datei.Stream(2), Zeilen({"q", "794 0 0 1116 0 0 cm", "/Im1 Do", "Q"}));
    EXPECT_EQ(datei.Stream(4), Zeilen({"q", "635 0 0 893 0 223 cm", "/Im2 Do", "Q"}));
    EXPECT_EQ(datei.Stream(6), Zeilen({"q", "529 0 0 744 0 372 cm", "/Im3 Do", "Q"}));
    EXPECT_EQ(datei.Stream(8), Zeilen({"q", "794 0 0 744 10 358 cm", "/Im4 Do", "Q"}));
    PruefeMitWerkzeugen("dpi.pdf", 4);
}

// Rendered at 72 dpi one page unit is one pixel: the picture's top rows are at the top
// of the page, below the 6-unit strip, its left columns on the left.
TEST_F(PdfBild, GerendertesBildStehtRichtig) {
    std::vector<std::uint8_t> pixel(std::size_t(966) * 1278 * 3);
    for (std::size_t y = 0, i = 0; y < 1278; ++y) {
        for (std::size_t x = 0; x < 966; ++x, i += 3) {
            const Rgb f = y >= 639 ? Rgb{0, 160, 0} : x < 483 ? Rgb{200, 0, 0} : Rgb{0, 0, 220};
            pixel[i] = std::uint8_t(f.b);
            pixel[i + 1] = std::uint8_t(f.g);
            pixel[i + 2] = std::uint8_t(f.r);
        }
    }
    TmachPDF pdf;
    pdf.FileName = "farben.pdf";
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, {966, 1278, 3, 0, pixel}, 96, 96);
    pdf.EndDoc();

    const Ausgang a = Starte({"pdftoppm", "-r", "72", "farben.pdf", "seite"});
    ASSERT_EQ(a.status, 0) << a.fehler;
    const std::string ppm = LiesDatei("seite-1.ppm");
    const std::string kopf = "P6\n794 1122\n255\n";
    ASSERT_EQ(ppm.substr(0, kopf.size()), kopf);
    ASSERT_EQ(ppm.size(), kopf.size() + 794u * 1122u * 3u);
    auto punkt = [&](int x, int y) {
        const std::size_t i = kopf.size() + (std::size_t(y) * 794 + std::size_t(x)) * 3;
        return Rgb{std::uint8_t(ppm[i]), std::uint8_t(ppm[i + 1]), std::uint8_t(ppm[i + 2])};
    };
    EXPECT_EQ(punkt(200, 300), (Rgb{200, 0, 0}));
    EXPECT_EQ(punkt(600, 300), (Rgb{0, 0, 220}));
    EXPECT_EQ(punkt(400, 900), (Rgb{0, 160, 0}));
    EXPECT_EQ(punkt(400, 2), (Rgb{255, 255, 255}));
    EXPECT_EQ(punkt(200, 1120), (Rgb{0, 160, 0}));
}

TEST_F(PdfBild, UnbrauchbaresBildAendertNichts) {
    const std::vector<std::uint8_t> pixel(12, 0);
    TmachPDF pdf;
    pdf.FileName = "nichts.pdf";
    pdf.BeginDoc();
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 4, 0, pixel}, 96, 96), std::invalid_argument);   // 16 bytes needed
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 7, pixel}, 96, 96), std::invalid_argument);   // 13 bytes needed
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 5, pixel}, 96, 96), std::invalid_argument);   // rows overlap
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 2, 0, pixel}, 96, 96), std::invalid_argument);   // 16-bit pixels
    EXPECT_THROW(pdf.DrawImage(0, 0, {0, 2, 3, 0, pixel}, 96, 96), std::invalid_argument);   // no width
    EXPECT_THROW(pdf.DrawImage(0, 0, {-2, -2, 3, 0, pixel}, 96, 96), std::invalid_argument); // negative sizes
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 0, pixel}, 0, 96), std::invalid_argument);
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 0, pixel}, 96, -1), std::invalid_argument);
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 0, pixel}, std::nan(""), 96), std::invalid_argument);
    EXPECT_THROW(pdf.DrawImage(0, 0, {2, 2, 3, 0, pixel}, 1e-300, 96), std::invalid_argument); // too large
    EXPECT_EQ(Dateien(), std::vector<std::string>{});
    pdf.DrawImage(0, 0, {2, 2, 3, 0, pixel}, 96, 96); // the first good one is picture 1
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("nichts.pdf"));
    EXPECT_EQ(datei.Groesse(), 24);
    EXPECT_EQ(Entpacke(datei.Stream(2)), Zeilen({"q", "1 0 0 1 0 791 cm", "/Im1 Do", "Q"}));
}

// Compress is taken per stream when the stream begins, so a page that changes it
// midway still has a filter line that fits its data.
TEST_F(PdfBild, KompressionJeStrom) {
    const std::vector<std::uint8_t> pixel = {10, 20, 30};
    TmachPDF pdf;
    pdf.FileName = "gemischt.pdf";
    pdf.BeginDoc();
    pdf.Compress = false;
    pdf.DrawLine(0, 0, 1, 1);
    pdf.DrawImage(0, 0, {1, 1, 3, 0, pixel}, 96, 96);
    pdf.NewPage();
    pdf.Compress = true;
    pdf.DrawLine(0, 0, 2, 2);
    pdf.EndDoc();

    const PdfDatei datei(LiesDatei("gemischt.pdf"));
    EXPECT_NE(datei.Objekt(2).find("/Filter [/FlateDecode]"), std::string::npos);
    EXPECT_EQ(Entpacke(datei.Stream(2)),
              Zeilen({"1 w", "0 792 m", "1 791 l", "S", "q", "1 0 0 1 0 791 cm", "/Im1 Do", "Q"}));
    EXPECT_EQ(datei.Objekt(4).find("/Filter"), std::string::npos);
    EXPECT_EQ(datei.Stream(4), Zeilen({"1 w", "0 792 m", "2 790 l", "S"}));
    EXPECT_EQ(datei.Objekt(23).find("/Filter"), std::string::npos);
    EXPECT_EQ(datei.Stream(23), "\x1E\x14\x0A");
    PruefeMitWerkzeugen("gemischt.pdf", 2);
}
