// The pdf-bilder program: one page per BMP picture, German messages and exit codes.
#include "pdf/BmpDatei.h"

#include "PdfPruefung.h"

#include <filesystem>
#include <vector>

using namespace senvio;
using namespace senvio::test;
namespace fs = std::filesystem;

namespace {

class PdfBilder : public PdfOrdnerTest {};

Ausgang PdfBilderMit(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), PDF_BILDER);
    return Starte(argumente);
}

// 3 × 2 pixels, 24 bit, bottom-up; the top row is 20 … 28, the bottom row 10 … 18.
const std::string Klein24 = {'B', 'M', 78, 0, 0, 0, 0,  0,  0,  0,  54, 0,  0,  0,  40, 0,  0,  0,  3,  0,
                             0,   0,   2,  0, 0, 0, 1,  0,  24, 0,  0,  0,  0,  0,  24, 0,  0,  0,  0,  0,
                             0,   0,   0,  0, 0, 0, 0,  0,  0,  0,  0,  0,  0,  0,  10, 11, 12, 13, 14, 15,
                             16,  17,  18, 0, 0, 0, 20, 21, 22, 23, 24, 25, 26, 27, 28, 0,  0,  0};

} // namespace

TEST_F(PdfBilder, EineSeiteJeBild) {
    std::vector<std::uint8_t> seite(std::size_t(966) * 1278 * 4);
    for (std::size_t i = 0; i < seite.size(); ++i) {
        seite[i] = std::uint8_t(i % 4 == 3 ? 0 : i / 4 % 251);
    }
    SchreibeBmp("seite.bmp", {966, 1278, 4, 0, seite});
    SchreibDatei("klein.bmp", Klein24);

    const Ausgang a = PdfBilderMit({"aus.pdf", "seite.bmp", "klein.bmp"});
    EXPECT_EQ(a.status, 0);
    EXPECT_EQ(a.ausgabe, "");
    EXPECT_EQ(a.fehler, "");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"aus.pdf", "klein.bmp", "seite.bmp"}));

    // Two pages, two pictures: page tree 21, resources 22, pictures 23 and 24, pages 25 and 26.
    const PdfDatei pdf(LiesDatei("aus.pdf"));
    EXPECT_EQ(pdf.Groesse(), 28);
    EXPECT_EQ(Entpacke(pdf.Stream(2)), Zeilen({"q", "794 0 0 1116 0 0 cm", "/Im1 Do", "Q"}));
    // 3 × 2 pixels are 2.47 × 1.75 units, so 2 × 2 with the top edge 6 units down.
    EXPECT_EQ(Entpacke(pdf.Stream(4)), Zeilen({"q", "2 0 0 2 0 1114 cm", "/Im2 Do", "Q"}));
    EXPECT_EQ(Entpacke(pdf.Stream(24)),
              std::string({22, 21, 20, 25, 24, 23, 28, 27, 26, 12, 11, 10, 15, 14, 13, 18, 17, 16}));
    const std::string rgb = Entpacke(pdf.Stream(23));
    ASSERT_EQ(rgb.size(), 966u * 1278u * 3u);
    std::size_t falsch = 0;
    for (std::size_t p = 0; p < std::size_t(966) * 1278; ++p) {
        // Pixel p of the picture is pixel p of the rows from the top; bytes b, g, r.
        for (std::size_t k = 0; k < 3; ++k) {
            falsch += std::uint8_t(rgb[p * 3 + k]) != std::uint8_t(p % 251);
        }
    }
    EXPECT_EQ(falsch, 0u);
    for (const int seitenobjekt : {25, 26}) {
        EXPECT_NE(pdf.Objekt(seitenobjekt).find("/MediaBox [ 0 0 794 1122]\r\n"), std::string::npos);
    }
    PruefeMitWerkzeugen("aus.pdf", 2);
}

TEST_F(PdfBilder, FalscherAufruf) {
    for (const std::vector<std::string>& argumente : {std::vector<std::string>{}, {"aus.pdf"}}) {
        const Ausgang a = PdfBilderMit(argumente);
        EXPECT_EQ(a.status, 2);
        EXPECT_EQ(a.fehler, "Aufruf: pdf-bilder AUSGABE.pdf BILD1.bmp [BILD2.bmp …]\n"
                            "Schreibt eine PDF-Seite je BMP-Bild.\n");
    }
    EXPECT_EQ(Dateien(), std::vector<std::string>{});
}

TEST_F(PdfBilder, FehlendesBild) {
    SchreibDatei("klein.bmp", Klein24);
    const Ausgang a = PdfBilderMit({"aus.pdf", "klein.bmp", "fehlt.bmp"});
    EXPECT_EQ(a.status, 1);
    EXPECT_EQ(a.fehler, "pdf-bilder: Datei fehlt.bmp kann nicht geöffnet werden\n");
    EXPECT_EQ(Dateien(), std::vector<std::string>{"klein.bmp"}); // no PDF, no staging file
}

TEST_F(PdfBilder, KaputtesBildLaesstAltePdfStehen) {
    SchreibDatei("klein.bmp", Klein24);
    SchreibDatei("kaputt.bmp", Klein24.substr(0, 70));
    SchreibDatei("text.bmp", "Hallo");
    SchreibDatei("aus.pdf", "alt");
    const Ausgang a = PdfBilderMit({"aus.pdf", "klein.bmp", "kaputt.bmp"});
    EXPECT_EQ(a.status, 1);
    EXPECT_EQ(a.fehler, "pdf-bilder: Datei kaputt.bmp ist beschädigt: die Bilddaten sind unvollständig\n");
    const Ausgang b = PdfBilderMit({"aus.pdf", "klein.bmp", "klein.bmp", "text.bmp"});
    EXPECT_EQ(b.status, 1);
    EXPECT_EQ(b.fehler, "pdf-bilder: Datei text.bmp ist keine BMP-Datei\n");
    EXPECT_EQ(LiesDatei("aus.pdf"), "alt");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"aus.pdf", "kaputt.bmp", "klein.bmp", "text.bmp"}));
}

TEST_F(PdfBilder, AusgabeNichtErstellbar) {
    SchreibDatei("klein.bmp", Klein24);
    const Ausgang a = PdfBilderMit({"fehlt/aus.pdf", "klein.bmp"});
    EXPECT_EQ(a.status, 1);
    EXPECT_EQ(a.fehler, "pdf-bilder: Datei fehlt/aus.pdf kann nicht erstellt werden\n");
    EXPECT_EQ(Dateien(), std::vector<std::string>{"klein.bmp"});
}
