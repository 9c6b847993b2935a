// The files TmachPDF writes, worked out by hand: object numbers, offsets, page
// operators, placed sizes, and pictures that come back as they went in.
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"

using namespace senvio;
using namespace senvio::test;

using PdfAufbau = PdfOrdnerTest;

TEST_F(PdfAufbau, LeeresDokumentByteFuerByte) {
    SchreibDatei("leer.pdf", "alt");
    fs::permissions("leer.pdf", fs::perms(0640));
    TmachPDF pdf;
    pdf.FileName = "leer.pdf";
    pdf.BeginDoc();
    EXPECT_EQ(pdf.PageNumber(), 1);
    pdf.EndDoc();
    PruefeLeeresDokument("leer.pdf");
    EXPECT_EQ(fs::status("leer.pdf").permissions(), fs::perms(0640)); // a replaced file keeps its rights
}

TEST_F(PdfAufbau, ZweiSeitenMitJeEinemBild) {
    // Blue, green, red bytes: red and blue; then 2 × 2 pixels in rows padded to 8 bytes.
    const std::vector<std::uint8_t> rotBlau = {0, 0, 255, 255, 0, 0};
    const std::vector<std::uint8_t> gepolstert = {1, 2, 3, 4, 5, 6, 99, 99, 7, 8, 9, 10, 11, 12, 99, 99};
    TmachPDF pdf;
    pdf.FileName = "zwei.pdf";
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, {2, 1, 3, 0, rotBlau}, 96, 96);
    pdf.NewPage();
    pdf.DrawImage(0, 6, {2, 2, 3, 8, gepolstert}, 96, 96);
    pdf.EndDoc();
    EXPECT_EQ(Dateien(), std::vector<std::string>{"zwei.pdf"}); // the staging files are gone

    // Contents 2 and 4 with their lengths 3 and 5. A pixel is 0.82 × 0.87 units, so the
    // pictures are 2 × 1 and 2 × 2 units, their top edge 6 units below the page's.
    const PdfDatei datei("zwei.pdf", 2);
    EXPECT_EQ(datei.Groesse(), 28);
    EXPECT_EQ(Entpacke(datei.Stream(2)), Zeilen({"q", "2 0 0 1 0 1115 cm", "/Im1 Do", "Q"}));
    EXPECT_EQ(Entpacke(datei.Stream(4)), Zeilen({"q", "2 0 0 2 0 1114 cm", "/Im2 Do", "Q"}));
    EXPECT_EQ(datei.Objekt(6), Zeilen({"6 0 obj", "<< /Type /Outlines", "/Count 0", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(7, 20), Schriften(7));
    EXPECT_EQ(datei.Objekt(21),
              Zeilen({"21 0 obj", "<< /Type /Pages", "/Kids [", "25 0 R", "26 0 R", "]", "/Count 2", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(22), Ressourcen(22, 7, Zeilen({"/Im1 23 0 R", "/Im2 24 0 R"})));
    const std::string rgb[] = {std::string("\xFF\0\0\0\0\xFF", 6), "\x03\x02\x01\x06\x05\x04\x09\x08\x07\x0C\x0B\x0A"};
    for (const int i : {1, 2}) {
        const std::string strom = datei.Stream(22 + i);
        EXPECT_EQ(Entpacke(strom), rgb[i - 1]);
        EXPECT_EQ(datei.Objekt(22 + i),
                  Zeilen({std::to_string(22 + i) + " 0 obj", "<< /Type /XObject", "/Subtype /Image", "/Width 2",
                          "/Height " + std::to_string(i), "/ColorSpace /DeviceRGB", "/BitsPerComponent 8",
                          "/Length " + std::to_string(strom.size()), "/Name /Im" + std::to_string(i),
                          "/Filter [/FlateDecode]", ">>", "stream", strom, "endstream", "endobj"}));
        EXPECT_EQ(
            datei.Objekt(24 + i),
            Zeilen({std::to_string(24 + i) + " 0 obj", "<< /Type /Page", "/Parent 21 0 R", "/MediaBox [ 0 0 794 1122]",
                    "/Contents " + std::to_string(2 * i) + " 0 R", "/Resources 22 0 R", ">>", "endobj"}));
    }
    EXPECT_EQ(datei.Objekt(27),
              Zeilen({"27 0 obj", "<< /Type /Catalog", "/Pages 21 0 R", "/Outlines 6 0 R", ">>", "endobj"}));
}

// Pages as the print job draws them, uncompressed: a 966 × 1278 page picture at 96, 120
// and 144 dpi is 794 × 1116, 635 × 893 and 529 × 744 units; the last number of "cm" is
// 1122 − 6 − height. The first page also has the credit line and the rule under it.
TEST_F(PdfAufbau, DruckseitenOhneKompression) {
    // Each pixel tells its place: red x, green y, blue x·y (modulo 256); the fourth byte goes.
    std::vector<std::uint8_t> pixel;
    std::string rgb;
    for (std::size_t y = 0; y < 1278; ++y) {
        for (std::size_t x = 0; x < 966; ++x) {
            pixel.insert(pixel.end(), {std::uint8_t(x * y), std::uint8_t(y), std::uint8_t(x), 0x77});
            rgb += {char(x), char(y), char(x * y)};
        }
    }
    TmachPDF pdf;
    pdf.FileName = "druck.pdf";
    pdf.Compress = false;
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, {966, 1278, 4, 0, pixel}, 96, 96);
    pdf.Font = {1, 6};
    pdf.TextOut(4, 6, "Erstellt mit (Senvio) - Liste: C:\\TV");
    pdf.DrawLine(0, 7, 794, 7);
    for (const double dpi : {120.0, 144.0}) {
        pdf.NewPage();
        pdf.DrawImage(0, 6, {966, 1278, 4, 0, pixel}, dpi, dpi);
    }
    pdf.EndDoc();

    // Contents 2, 4, 6; outlines 8, fonts 9 to 22, page tree 23, resources 24, pictures 25 to 27.
    const PdfDatei datei("druck.pdf", 3);
    EXPECT_EQ(datei.Bytes().find("/Filter"), std::string::npos);
    EXPECT_EQ(datei.Stream(2),
              Zeilen({"q", "794 0 0 1116 0 0 cm", "/Im1 Do", "Q", "BT", "/F2 6 Tf", "4 1116 Td",
                      "(Erstellt mit \\(Senvio\\) - Liste: C:\\\\TV) Tj", "ET", "1 w", "0 1115 m", "794 1115 l", "S"}));
    EXPECT_EQ(datei.Stream(4), Zeilen({"q", "635 0 0 893 0 223 cm", "/Im2 Do", "Q"}));
    EXPECT_EQ(datei.Stream(6), Zeilen({"q", "529 0 0 744 0 372 cm", "/Im3 Do", "Q"}));
    for (const int bild : {25, 26, 27}) {
        EXPECT_NE(datei.Objekt(bild).find("/Length 3703644\r\n"), std::string::npos); // 3 × 966 × 1278
        EXPECT_TRUE(datei.Stream(bild) == rgb) << bild;
    }
}
