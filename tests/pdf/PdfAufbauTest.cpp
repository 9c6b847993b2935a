// The layout of the files TmachPDF writes, worked out by hand: object numbers,
// lengths, offsets, page content operators.
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"

#include <chrono>
#include <ctime>
#include <vector>

using namespace senvio;
using namespace senvio::test;

namespace {

class PdfAufbau : public PdfOrdnerTest {};

// zlib at its default level: header 78 9C, an empty fixed block, Adler-32 of nothing (1).
const std::string LeererZlibStrom("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);

// A 2 × 1 picture of a red and a blue pixel, blue-green-red order.
const std::vector<std::uint8_t> RotBlau = {0, 0, 255, 255, 0, 0};
const BildPixel RotBlauBild{2, 1, 3, 0, RotBlau};

} // namespace

TEST_F(PdfAufbau, LeeresDokumentByteFuerByte) {
    TmachPDF pdf;
    pdf.FileName = "leer.pdf";
    pdf.BeginDoc();
    EXPECT_EQ(pdf.PageNumber(), 1);
    pdf.EndDoc();

    // Objects: information 1, content 2, its length 3, outlines 4, fonts 5 to 18,
    // page tree 19, resources 20, page 21, catalog 22. The offsets are the sums of
    // the line lengths above each object, 10 for the header line.
    const std::string erwartet =
        Zeilen({"%PDF-1.4", "1 0 obj", "<<", "/Producer (Senvio)", "/Author (Senvio)",
                "/CreationDate (D:20240101120000)", "/Creator (Senvio)", "/Keywords ()", "/Subject ()", "/Title ()",
                "/ModDate ()", ">>", "endobj"}) +
        Zeilen({"2 0 obj", "<< /Length 3 0 R", "/Filter [/FlateDecode]", " >>", "stream", LeererZlibStrom + "endstream",
                "endobj"}) +
        Zeilen({"3 0 obj", "8", "endobj"}) + Zeilen({"4 0 obj", "<< /Type /Outlines", "/Count 0", ">>", "endobj"}) +
        Zeilen({"5 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F1", "/BaseFont /Helvetica",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"6 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F2", "/BaseFont /Helvetica-Bold",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"7 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F3", "/BaseFont /Helvetica-Oblique",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"8 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F4", "/BaseFont /Helvetica-BoldOblique",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"9 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F5", "/BaseFont /Courier",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"10 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F6", "/BaseFont /Courier-Bold",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"11 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F7", "/BaseFont /Courier-Oblique",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"12 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F8", "/BaseFont /Courier-BoldOblique",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"13 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F9", "/BaseFont /Times-Roman",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"14 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F10", "/BaseFont /Times-Bold",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"15 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F11", "/BaseFont /Times-Italic",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"16 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F12", "/BaseFont /Times-BoldItalic",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"17 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F13", "/BaseFont /Symbol",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"18 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F14", "/BaseFont /ZapfDingbats",
                "/Encoding /WinAnsiEncoding", ">>", "endobj"}) +
        Zeilen({"19 0 obj", "<< /Type /Pages", "/Kids [", "21 0 R", "]", "/Count 1", ">>", "endobj"}) +
        Zeilen({"20 0 obj",     "<< /ProcSet [ /PDF /Text /ImageC]",
                "/XObject << ", ">>",
                "/Font << ",    "/F1 5 0 R ",
                "/F2 6 0 R ",   "/F3 7 0 R ",
                "/F4 8 0 R ",   "/F5 9 0 R ",
                "/F6 10 0 R ",  "/F7 11 0 R ",
                "/F8 12 0 R ",  "/F9 13 0 R ",
                "/F10 14 0 R ", "/F11 15 0 R ",
                "/F12 16 0 R ", "/F13 17 0 R ",
                "/F14 18 0 R ", ">>",
                ">>",           "endobj"}) +
        Zeilen({"21 0 obj", "<< /Type /Page", "/Parent 19 0 R", "/MediaBox [ 0 0 612 792]", "/Contents 2 0 R",
                "/Resources 20 0 R", ">>", "endobj"}) +
        Zeilen({"22 0 obj", "<< /Type /Catalog", "/Pages 19 0 R", "/Outlines 4 0 R", ">>", "endobj"}) +
        Zeilen({"xref",
                "0 23",
                "0000000000 65535 f",
                "0000000010 00000 n",
                "0000000177 00000 n",
                "0000000268 00000 n",
                "0000000288 00000 n",
                "0000000339 00000 n",
                "0000000454 00000 n",
                "0000000574 00000 n",
                "0000000697 00000 n",
                "0000000824 00000 n",
                "0000000937 00000 n",
                "0000001056 00000 n",
                "0000001178 00000 n",
                "0000001304 00000 n",
                "0000001422 00000 n",
                "0000001540 00000 n",
                "0000001660 00000 n",
                "0000001784 00000 n",
                "0000001898 00000 n",
                "0000002018 00000 n",
                "0000002087 00000 n",
                "0000002359 00000 n",
                "0000002475 00000 n",
                "trailer",
                "<< /Size 23",
                "/Root 22 0 R",
                "/Info 1 0 R",
                ">>",
                "startxref",
                "2548",
                "%%EOF"});
    EXPECT_EQ(OhneDatum(LiesDatei("leer.pdf")), erwartet);
    PruefeMitWerkzeugen("leer.pdf", 1);
}

TEST_F(PdfAufbau, OhneKompressionKeinFilterUndLeererStrom) {
    TmachPDF pdf;
    pdf.FileName = "leer.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.NewPage();
    pdf.DrawImage(0, 0, RotBlauBild, 96, 96);
    pdf.EndDoc();

    const PdfDatei datei(LiesDatei("leer.pdf"));
    EXPECT_EQ(datei.Bytes().find("/Filter"), std::string::npos);
    EXPECT_EQ(datei.Objekt(2), Zeilen({"2 0 obj", "<< /Length 3 0 R", " >>", "stream", "endstream", "endobj"}));
    EXPECT_EQ(datei.Objekt(3), Zeilen({"3 0 obj", "0", "endobj"}));
    // Page 2: the picture's four lines; 2 × 1 pixels at 96 dpi on 612 × 792 are 1.27 × 0.62 units.
    const std::string inhalt = Zeilen({"q", "1 0 0 1 0 791 cm", "/Im1 Do", "Q"});
    EXPECT_EQ(datei.Objekt(4),
              Zeilen({"4 0 obj", "<< /Length 5 0 R", " >>", "stream", inhalt + "endstream", "endobj"}));
    EXPECT_EQ(datei.Objekt(5), Zeilen({"5 0 obj", "33", "endobj"}));
    PruefeMitWerkzeugen("leer.pdf", 2);
}

TEST_F(PdfAufbau, ZweiSeitenMitJeEinemBild) {
    TmachPDF pdf;
    pdf.FileName = "zwei.pdf";
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.BeginDoc();
    pdf.DrawImage(0, 6, RotBlauBild, 96, 96);
    pdf.NewPage();
    EXPECT_EQ(pdf.PageNumber(), 2);
    pdf.DrawImage(0, 6, RotBlauBild, 96, 96);
    pdf.EndDoc();

    const PdfDatei datei(LiesDatei("zwei.pdf"));
    EXPECT_EQ(datei.Groesse(), 28);
    EXPECT_EQ(datei.Objekt(6), Zeilen({"6 0 obj", "<< /Type /Outlines", "/Count 0", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(7), Zeilen({"7 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F1",
                                       "/BaseFont /Helvetica", "/Encoding /WinAnsiEncoding", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(20), Zeilen({"20 0 obj", "<< /Type /Font", "/Subtype /Type1", "/Name /F14",
                                        "/BaseFont /ZapfDingbats", "/Encoding /WinAnsiEncoding", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(21),
              Zeilen({"21 0 obj", "<< /Type /Pages", "/Kids [", "25 0 R", "26 0 R", "]", "/Count 2", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(22), Zeilen({"22 0 obj",     "<< /ProcSet [ /PDF /Text /ImageC]",
                                        "/XObject << ", "/Im1 23 0 R",
                                        "/Im2 24 0 R",  ">>",
                                        "/Font << ",    "/F1 7 0 R ",
                                        "/F2 8 0 R ",   "/F3 9 0 R ",
                                        "/F4 10 0 R ",  "/F5 11 0 R ",
                                        "/F6 12 0 R ",  "/F7 13 0 R ",
                                        "/F8 14 0 R ",  "/F9 15 0 R ",
                                        "/F10 16 0 R ", "/F11 17 0 R ",
                                        "/F12 18 0 R ", "/F13 19 0 R ",
                                        "/F14 20 0 R ", ">>",
                                        ">>",           "endobj"}));
    for (const int i : {1, 2}) {
        const std::string bild = datei.Objekt(22 + i);
        const std::string kopf = Zeilen({std::to_string(22 + i) + " 0 obj", "<< /Type /XObject", "/Subtype /Image",
                                         "/Width 2", "/Height 1", "/ColorSpace /DeviceRGB", "/BitsPerComponent 8"});
        EXPECT_EQ(bild.substr(0, kopf.size()), kopf);
        EXPECT_NE(bild.find(Zeilen({"/Name /Im" + std::to_string(i), "/Filter [/FlateDecode]", ">>", "stream"})),
                  std::string::npos);
        EXPECT_EQ(Entpacke(datei.Stream(22 + i)), std::string("\xFF\x00\x00\x00\x00\xFF", 6));
        EXPECT_TRUE(bild.ends_with(datei.Stream(22 + i) + Zeilen({"", "endstream", "endobj"})));
    }
    EXPECT_EQ(datei.Objekt(25), Zeilen({"25 0 obj", "<< /Type /Page", "/Parent 21 0 R", "/MediaBox [ 0 0 794 1122]",
                                        "/Contents 2 0 R", "/Resources 22 0 R", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(26), Zeilen({"26 0 obj", "<< /Type /Page", "/Parent 21 0 R", "/MediaBox [ 0 0 794 1122]",
                                        "/Contents 4 0 R", "/Resources 22 0 R", ">>", "endobj"}));
    EXPECT_EQ(datei.Objekt(27),
              Zeilen({"27 0 obj", "<< /Type /Catalog", "/Pages 21 0 R", "/Outlines 6 0 R", ">>", "endobj"}));
    // The second page draws the second picture.
    EXPECT_EQ(Entpacke(datei.Stream(4)), Zeilen({"q", "2 0 0 1 0 1115 cm", "/Im2 Do", "Q"}));
    PruefeMitWerkzeugen("zwei.pdf", 2);
}

// A page as the print job draws it: the page picture, the credit line twice, the rule.
TEST_F(PdfAufbau, SeiteDesDruckauftrags) {
    const std::vector<std::uint8_t> weiss(std::size_t(966) * 1278 * 3, 255);
    for (const bool komprimiert : {false, true}) {
        TmachPDF pdf;
        pdf.FileName = "seite.pdf";
        pdf.TITLE = "Senvio-Liste 2.0";
        pdf.Compress = komprimiert;
        pdf.PageWidth = 794;
        pdf.PageHeight = 1122;
        pdf.BeginDoc();
        pdf.DrawImage(0, 6, {966, 1278, 3, 0, weiss}, 96, 96);
        pdf.Font.Index = 1;
        pdf.Font.Size = 6;
        pdf.TextOut(4, 6, "Erstellt mit (Senvio) - Liste: C:\\TV");
        pdf.TextOut(401, 6, "\xC4rger \xFC");
        pdf.LineWidth = 1;
        pdf.DrawLine(0, 7, 794, 7);
        pdf.EndDoc();

        const PdfDatei datei(LiesDatei("seite.pdf"));
        const std::string inhalt =
            Zeilen({"q", "794 0 0 1116 0 0 cm", "/Im1 Do", "Q", "BT", "/F2 6 Tf", "4 1116 Td",
                    "(Erstellt mit \\(Senvio\\) - Liste: C:\\\\TV) Tj", "ET", "BT", "/F2 6 Tf", "401 1116 Td",
                    "(\xC4rger \xFC) Tj", "ET", "1 w", "0 1115 m", "794 1115 l", "S"});
        const std::string strom = datei.Stream(2);
        EXPECT_EQ(komprimiert ? Entpacke(strom) : strom, inhalt) << komprimiert;
        EXPECT_EQ(datei.Objekt(3), Zeilen({"3 0 obj", std::to_string(strom.size()), "endobj"}));
        EXPECT_NE(datei.Objekt(1).find(Zeilen({"/Title (Senvio-Liste 2.0)"})), std::string::npos);
        PruefeMitWerkzeugen("seite.pdf", 1);
    }
}

TEST_F(PdfAufbau, SchriftLinienbreiteUndNegativeKoordinaten) {
    TmachPDF pdf;
    pdf.FileName = "linien.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.Font.Index = 13;
    pdf.Font.Size = 24;
    pdf.TextOut(-5, 800, "");
    pdf.LineWidth = 3;
    pdf.DrawLine(10, -20, 0, 792);
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("linien.pdf"));
    EXPECT_EQ(datei.Stream(2),
              Zeilen({"BT", "/F14 24 Tf", "-5 -8 Td", "() Tj", "ET", "3 w", "10 812 m", "0 0 l", "S"}));
    PruefeMitWerkzeugen("linien.pdf", 1);
}

TEST_F(PdfAufbau, InformationstexteMaskiert) {
    TmachPDF pdf;
    pdf.FileName = "info.pdf";
    pdf.TITLE = "Liste (neu)";
    pdf.Author = "A\\B";
    pdf.Creator = ")(";
    pdf.Producer = "P";
    pdf.Keywords = "TV, Radio";
    pdf.Subject = "Sender";
    pdf.BeginDoc();
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("info.pdf"));
    EXPECT_EQ(OhneDatum(datei.Objekt(1)),
              Zeilen({"1 0 obj", "<<", "/Producer (P)", "/Author (A\\\\B)", "/CreationDate (D:20240101120000)",
                      "/Creator (\\)\\()", "/Keywords (TV, Radio)", "/Subject (Sender)", "/Title (Liste \\(neu\\))",
                      "/ModDate ()", ">>", "endobj"}));
    PruefeMitWerkzeugen("info.pdf", 1);
}

TEST_F(PdfAufbau, ErstellungsdatumIstDieOrtszeit) {
    const std::time_t vorher = std::time(nullptr);
    TmachPDF pdf;
    pdf.FileName = "datum.pdf";
    pdf.BeginDoc();
    const std::time_t nachher = std::time(nullptr);
    pdf.EndDoc();
    const std::string text = LiesDatei("datum.pdf");
    const std::size_t stelle = text.find("/CreationDate (D:");
    ASSERT_NE(stelle, std::string::npos);
    const std::string datum = text.substr(stelle + 17, 14);
    auto alsText = [](std::time_t t) {
        std::tm ort{};
        localtime_r(&t, &ort);
        char puffer[32];
        std::strftime(puffer, sizeof puffer, "%Y%m%d%H%M%S", &ort);
        return std::string(puffer);
    };
    EXPECT_TRUE(datum == alsText(vorher) || datum == alsText(nachher)) << datum;
    EXPECT_EQ(text.substr(stelle + 31, 3), ")\r\n");
}

// Large numbers under the German locale: no "." between thousands anywhere.
TEST_F(PdfAufbau, ZahlenOhneTausenderpunkt) {
    TmachPDF pdf;
    pdf.FileName = "gross.pdf";
    pdf.Compress = false;
    pdf.PageWidth = 12345;
    pdf.PageHeight = 67890;
    pdf.BeginDoc();
    pdf.DrawLine(1000, 2000, 3000, 4000);
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("gross.pdf"));
    EXPECT_EQ(datei.Stream(2), Zeilen({"1 w", "1000 65890 m", "3000 63890 l", "S"}));
    EXPECT_NE(datei.Objekt(21).find("/MediaBox [ 0 0 12345 67890]\r\n"), std::string::npos);
}

TEST_F(PdfAufbau, EinSchreiberMehrereDokumente) {
    TmachPDF pdf;
    pdf.Compress = false;
    pdf.FileName = "eins.pdf";
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, RotBlauBild, 96, 96);
    pdf.NewPage();
    pdf.NewPage();
    EXPECT_EQ(pdf.PageNumber(), 3);
    pdf.EndDoc();
    EXPECT_EQ(pdf.PageNumber(), 3);

    pdf.FileName = "zwei.pdf";
    pdf.BeginDoc();
    EXPECT_EQ(pdf.PageNumber(), 1);
    pdf.DrawImage(0, 0, RotBlauBild, 96, 96);
    pdf.EndDoc();

    // The second document starts anew: one page, its picture is /Im1 again.
    const PdfDatei zwei(LiesDatei("zwei.pdf"));
    EXPECT_EQ(zwei.Groesse(), 24);
    EXPECT_EQ(zwei.Stream(2), Zeilen({"q", "1 0 0 1 0 791 cm", "/Im1 Do", "Q"}));
    EXPECT_EQ(zwei.Stream(21), std::string("\xFF\x00\x00\x00\x00\xFF", 6));
    EXPECT_EQ(PdfDatei(LiesDatei("eins.pdf")).Groesse(), 30);
    PruefeMitWerkzeugen("eins.pdf", 3);
    PruefeMitWerkzeugen("zwei.pdf", 1);
}
