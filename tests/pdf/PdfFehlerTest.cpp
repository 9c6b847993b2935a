// When files fail: the old PDF stays, no half file is left, the staging files stay
// where EndDoc failed, and the document goes on after a failed picture.
#include "pdf/PdfFehler.h"
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

using PdfFehler = PdfOrdnerTest;

// Uncompressed, 64 × 64 pixels make every file over 12 kB.
const std::vector<std::uint8_t> Schwarz(64 * 64 * 3);
const BildPixel Bild{64, 64, 3, 0, Schwarz};

// The message of the PdfDateiFehler that the call throws; "" when it throws none.
template <typename Aufruf> std::string Meldung(Aufruf aufruf) {
    try {
        aufruf();
    } catch (const PdfDateiFehler& f) {
        return f.what();
    }
    return "";
}

} // namespace

// A full disk, as files that may grow to 4096 bytes only; the first picture is staged before.
TEST_F(PdfFehler, VolleFestplatteLaesstAltePdfUndZwischendateiStehen) {
    SchreibDatei("liste.pdf", "die alte PDF");
    TmachPDF pdf;
    pdf.FileName = "liste.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, Bild, 96, 96);
    {
        const Dateigrenze grenze(4096);
        EXPECT_EQ(Meldung([&] { pdf.DrawImage(0, 0, Bild, 96, 96); }),
                  "Datei ~tmp2 kann nicht erstellt werden (zu groß)");
        EXPECT_EQ(Meldung([&] { pdf.EndDoc(); }), "Datei liste.pdf kann nicht erstellt werden (zu groß)");
    }
    EXPECT_EQ(LiesDatei("liste.pdf"), "die alte PDF");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"liste.pdf", "~tmp1"})); // no half ~tmp2
    EXPECT_EQ(LiesDatei("~tmp1").substr(0, 19), "<< /Type /XObject\r\n");
}

// A staging file that is gone or was changed by someone else would make a broken document.
TEST_F(PdfFehler, ZwischendateiVorEndDocEntferntOderVeraendert) {
    SchreibDatei("liste.pdf", "die alte PDF");
    for (const bool entfernt : {true, false}) {
        TmachPDF pdf;
        pdf.FileName = "liste.pdf";
        pdf.BeginDoc();
        pdf.DrawImage(0, 0, Bild, 96, 96);
        pdf.NewPage();
        pdf.DrawImage(0, 0, Bild, 96, 96);
        if (entfernt) {
            fs::remove("~tmp2");
        } else {
            std::fstream("~tmp2", std::ios::in | std::ios::out | std::ios::binary).seekp(100).put('x');
        }
        EXPECT_EQ(Meldung([&] { pdf.EndDoc(); }), "Datei ~tmp2 kann nicht geöffnet werden");
        EXPECT_EQ(LiesDatei("liste.pdf"), "die alte PDF");
        const std::vector<std::string> bleiben = {"liste.pdf", "~tmp1", "~tmp2"};
        EXPECT_EQ(Dateien(), std::vector<std::string>(bleiben.begin(), bleiben.end() - (entfernt ? 1 : 0)));
    }
}

// The document stays as it was before the call: one empty page on 612 × 792 with the program's
// information, its content a whole zlib stream of no data whose header 78 9C says: deflate,
// 32 KiB window, the default level. A replaced file keeps its rights.
TEST_F(PdfFehler, ZwischendateiNichtErstellbar) {
    SchreibDatei("leer.pdf", "alt");
    fs::permissions("leer.pdf", fs::perms(0640));
    fs::create_directory("~tmp1");
    TmachPDF pdf;
    pdf.FileName = "leer.pdf";
    pdf.BeginDoc();
    EXPECT_EQ(Meldung([&] { pdf.DrawImage(0, 0, Bild, 96, 96); }), "Datei ~tmp1 kann nicht erstellt werden");
    EXPECT_EQ(pdf.PageNumber(), 1);
    pdf.EndDoc();
    const PdfDatei datei("leer.pdf", 1);
    EXPECT_EQ(datei.Groesse(), 23);
    EXPECT_EQ(datei.Bytes().substr(0, 10), "%PDF-1.4\r\n");
    EXPECT_EQ(datei.Stream(2).substr(0, 2), "\x78\x9C");
    EXPECT_EQ(Entpacke(datei.Stream(2)), "");
    std::string info = datei.Objekt(1);
    const std::size_t datum = info.find("/CreationDate (D:") + 17;
    EXPECT_EQ(info.find_first_not_of("0123456789", datum), datum + 14);
    EXPECT_EQ(info.erase(datum, 14),
              Zeilen({"1 0 obj", "<<", "/Producer (Senvio)", "/Author (Senvio)", "/CreationDate (D:)",
                      "/Creator (Senvio)", "/Keywords ()", "/Subject ()", "/Title ()", "/ModDate ()", ">>", "endobj"}));
    EXPECT_NE(datei.Objekt(21).find("/MediaBox [ 0 0 612 792]"), std::string::npos);
    EXPECT_EQ(fs::status("leer.pdf").permissions(), fs::perms(0640));
}
