// The files TmachPDF writes, worked out by hand: object numbers, offsets, page
// operators, placed sizes, and pictures that come back as they went in.
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"

using namespace senvio;
using namespace senvio::test;

using PdfAufbau = PdfOrdnerTest;

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
    EXPECT_EQ(datei.Objekt(7), Zeilen({"7 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F1",
                                       "/BaseFont /Helvetica", "/Encoding /WinAnsiEncoding", ">>", "endobj"}));
    EXPECT_NE(datei.Objekt(20).find("/Name /F14\r\n/BaseFont /ZapfDingbats\r\n"), std::string::npos);
    EXPECT_NE(datei.Objekt(21).find("/Kids [\r\n25 0 R\r\n26 0 R\r\n]\r\n/Count 2\r\n"), std::string::npos);
    EXPECT_NE(datei.Objekt(22).find("<< \r\n/Im1 23 0 R\r\n/Im2 24 0 R\r\n>>\r\n/Font << \r\n/F1 7 0 R \r\n"),
              std::string::npos);
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

// Pages as the print job draws them, uncompressed: a 966 × 1278 page picture at 96 and
// 120 dpi is 794 × 1116 and 635 × 893 units; the last number of "cm" is 1122 − 6 − height.
// The first page also has the credit line and the rule under it.
TEST_F(PdfAufbau, DruckseitenOhneKompression) {
    const std::vector<std::uint8_t> pixel(std::size_t(966) * 1278 * 4, 7); // the fourth byte goes
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
    pdf.NewPage();
    pdf.DrawImage(0, 6, {966, 1278, 4, 0, pixel}, 120, 120);
    pdf.EndDoc();

    // Contents 2 and 4; outlines 6, fonts 7 to 20, page tree 21, resources 22, pictures 23 and 24.
    const PdfDatei datei("druck.pdf", 2);
    EXPECT_EQ(datei.Bytes().find("/Filter"), std::string::npos);
    EXPECT_EQ(datei.Stream(2),
              Zeilen({"q", "794 0 0 1116 0 0 cm", "/Im1 Do", "Q", "BT", "/F2 6 Tf", "4 1116 Td",
                      "(Erstellt mit \\(Senvio\\) - Liste: C:\\\\TV) Tj", "ET", "1 w", "0 1115 m", "794 1115 l", "S"}));
    EXPECT_EQ(datei.Stream(4), Zeilen({"q", "635 0 0 893 0 223 cm", "/Im2 Do", "Q"}));
    EXPECT_TRUE(datei.Stream(24) == std::string(std::size_t(966) * 1278 * 3, 7));
}
