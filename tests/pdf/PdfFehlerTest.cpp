// What the writer does when files fail: the old PDF stays, no half file is left, the
// staging files stay where EndDoc failed, and the writer can start again.
#include "pdf/PdfFehler.h"
#include "pdf/TmachPDF.h"

#include "PdfPruefung.h"

#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace senvio;
using namespace senvio::test;
namespace fs = std::filesystem;

namespace {

class PdfFehler : public PdfOrdnerTest {};

// Pixels that deflate cannot shrink, so every file with them is over 12 kB.
std::vector<std::uint8_t> Rauschen(int breite, int hoehe) {
    std::vector<std::uint8_t> pixel(std::size_t(breite) * std::size_t(hoehe) * 3);
    std::uint32_t z = 12345;
    for (std::uint8_t& p : pixel) {
        z = z * 1103515245u + 12345u;
        p = std::uint8_t(z >> 24);
    }
    return pixel;
}

const std::vector<std::uint8_t> Rausch = Rauschen(64, 64);
const BildPixel RauschBild{64, 64, 3, 0, Rausch};

// From now on this process may write files up to 4096 bytes only, as on a full disk.
void FuelleDiePlatte() {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit grenze{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &grenze);
}

// Runs `schritte` in a child process (the file size limit must not reach the test)
// and returns its exit code.
template <typename Schritte> int ImKind(Schritte schritte) {
    const pid_t kind = fork();
    if (kind == 0) {
        _exit(schritte());
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// 0 when the call throws PdfDateiFehler with exactly this message; 1 when it throws
// nothing, 2 another message, 3 another exception.
template <typename Aufruf> int WirftMeldung(Aufruf aufruf, const std::string& meldung) {
    try {
        aufruf();
        return 1;
    } catch (const PdfDateiFehler& f) {
        return f.what() == meldung ? 0 : 2;
    } catch (...) {
        return 3;
    }
}

} // namespace

TEST_F(PdfFehler, ZielIstEinOrdner) {
    fs::create_directory("alt.pdf");
    SchreibDatei("alt.pdf/drin", "x");
    TmachPDF pdf;
    pdf.FileName = "alt.pdf";
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, RauschBild, 96, 96);
    const std::string gestaut = LiesDatei("~tmp1");
    try {
        pdf.EndDoc();
        FAIL() << "EndDoc hat nicht geworfen";
    } catch (const PdfDateiFehler& f) {
        EXPECT_STREQ(f.what(), "Datei alt.pdf kann nicht erstellt werden");
        EXPECT_EQ(f.art(), PdfDateiFehler::Art::NichtErstellt);
        EXPECT_EQ(f.pfad(), "alt.pdf");
    }
    // Nothing half-written beside it; the staging file stays as it was.
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"alt.pdf", "~tmp1"}));
    EXPECT_EQ(LiesDatei("alt.pdf/drin"), "x");
    EXPECT_EQ(LiesDatei("~tmp1"), gestaut);
    EXPECT_THROW(pdf.EndDoc(), std::logic_error); // the failed document is closed

    // The writer starts again; the new document's picture replaces the staging file.
    pdf.FileName = "neu.pdf";
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, RauschBild, 96, 96);
    pdf.EndDoc();
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"alt.pdf", "neu.pdf"}));
    PruefeMitWerkzeugen("neu.pdf", 1);
}

TEST_F(PdfFehler, VolleFestplatteLaesstAltePdfStehen) {
    SchreibDatei("liste.pdf", "die alte PDF");
    const std::string gestaut = Zeilen({"<< /Type /XObject", "/Subtype /Image", "/Width 64", "/Height 64"});
    const int ergebnis = ImKind([] {
        TmachPDF pdf;
        pdf.FileName = "liste.pdf";
        pdf.BeginDoc();
        pdf.DrawImage(0, 0, RauschBild, 96, 96);
        FuelleDiePlatte();
        return WirftMeldung([&] { pdf.EndDoc(); }, "Datei liste.pdf kann nicht erstellt werden");
    });
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(LiesDatei("liste.pdf"), "die alte PDF");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"liste.pdf", "~tmp1"}));
    EXPECT_EQ(LiesDatei("~tmp1").substr(0, gestaut.size()), gestaut);
}

TEST_F(PdfFehler, OrdnerDerPdfFehlt) {
    TmachPDF pdf;
    pdf.FileName = "fehlt/liste.pdf";
    pdf.BeginDoc();
    EXPECT_EQ(WirftMeldung([&] { pdf.EndDoc(); }, "Datei fehlt/liste.pdf kann nicht erstellt werden"), 0);
    EXPECT_EQ(Dateien(), std::vector<std::string>{});
}

TEST_F(PdfFehler, ZwischendateiVorEndDocEntfernt) {
    SchreibDatei("liste.pdf", "die alte PDF");
    TmachPDF pdf;
    pdf.FileName = "liste.pdf";
    pdf.BeginDoc();
    pdf.DrawImage(0, 0, RauschBild, 96, 96);
    pdf.NewPage();
    pdf.DrawImage(0, 0, RauschBild, 96, 96);
    fs::remove("~tmp2");
    try {
        pdf.EndDoc();
        FAIL() << "EndDoc hat nicht geworfen";
    } catch (const PdfDateiFehler& f) {
        EXPECT_STREQ(f.what(), "Datei ~tmp2 kann nicht geöffnet werden");
        EXPECT_EQ(f.art(), PdfDateiFehler::Art::NichtGeoeffnet);
    }
    EXPECT_EQ(LiesDatei("liste.pdf"), "die alte PDF");
    EXPECT_EQ(Dateien(), (std::vector<std::string>{"liste.pdf", "~tmp1"}));
}

// Another writer in the same folder may have staged its own picture under the name: the
// document would show the wrong picture or be broken, so EndDoc refuses.
TEST_F(PdfFehler, ZwischendateiVorEndDocVeraendert) {
    for (const bool kuerzer : {false, true}) {
        TmachPDF pdf;
        pdf.FileName = "liste.pdf";
        pdf.BeginDoc();
        pdf.DrawImage(0, 0, RauschBild, 96, 96);
        std::string fremd = LiesDatei("~tmp1");
        if (kuerzer) {
            fremd.pop_back();
        } else {
            fremd[fremd.size() / 2] ^= 1;
        }
        SchreibDatei("~tmp1", fremd);
        EXPECT_EQ(WirftMeldung([&] { pdf.EndDoc(); }, "Datei ~tmp1 kann nicht geöffnet werden"), 0) << kuerzer;
        EXPECT_EQ(Dateien(), std::vector<std::string>{"~tmp1"});
    }
}

TEST_F(PdfFehler, ZwischendateiNichtErstellbar) {
    fs::create_directory("~tmp1");
    TmachPDF pdf;
    pdf.FileName = "liste.pdf";
    pdf.Compress = false;
    pdf.BeginDoc();
    pdf.DrawLine(0, 0, 10, 0);
    EXPECT_EQ(WirftMeldung([&] { pdf.DrawImage(5, 5, RauschBild, 96, 96); }, "Datei ~tmp1 kann nicht erstellt werden"),
              0);
    EXPECT_TRUE(fs::is_directory("~tmp1"));
    EXPECT_EQ(pdf.PageNumber(), 1);

    // The document goes on as if the picture had not been drawn.
    pdf.DrawLine(0, 1, 10, 1);
    pdf.EndDoc();
    const PdfDatei datei(LiesDatei("liste.pdf"));
    EXPECT_EQ(datei.Groesse(), 23);
    EXPECT_EQ(datei.Stream(2), Zeilen({"1 w", "0 792 m", "10 792 l", "S", "1 w", "0 791 m", "10 791 l", "S"}));
    EXPECT_NE(datei.Objekt(20).find("/XObject << \r\n>>\r\n"), std::string::npos);
    PruefeMitWerkzeugen("liste.pdf", 1);

    // And a new document can have its picture once the name is free.
    fs::remove("~tmp1");
    pdf.BeginDoc();
    pdf.DrawImage(5, 5, RauschBild, 96, 96);
    pdf.EndDoc();
    EXPECT_EQ(Dateien(), std::vector<std::string>{"liste.pdf"});
    PruefeMitWerkzeugen("liste.pdf", 1);
}

// A staging file that the disk cannot take whole is not left behind half-written.
TEST_F(PdfFehler, HalbeZwischendateiWirdEntfernt) {
    const int ergebnis = ImKind([] {
        TmachPDF pdf;
        pdf.FileName = "liste.pdf";
        pdf.BeginDoc();
        FuelleDiePlatte();
        const int wurf =
            WirftMeldung([&] { pdf.DrawImage(0, 0, RauschBild, 96, 96); }, "Datei ~tmp1 kann nicht erstellt werden");
        return wurf != 0 ? wurf : fs::exists("~tmp1") ? 4 : 0;
    });
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(Dateien(), std::vector<std::string>{});
}

TEST_F(PdfFehler, AufrufeOhneOffenesDokument) {
    const std::vector<std::uint8_t> pixel(3, 0);
    TmachPDF pdf;
    pdf.FileName = "liste.pdf";
    EXPECT_EQ(pdf.PageNumber(), 0);
    EXPECT_THROW(pdf.NewPage(), std::logic_error);
    EXPECT_THROW(pdf.DrawLine(0, 0, 1, 1), std::logic_error);
    EXPECT_THROW(pdf.TextOut(0, 0, "a"), std::logic_error);
    EXPECT_THROW(pdf.DrawImage(0, 0, {1, 1, 3, 0, pixel}, 96, 96), std::logic_error);
    EXPECT_THROW(pdf.EndDoc(), std::logic_error);
    pdf.BeginDoc();
    pdf.EndDoc();
    EXPECT_THROW(pdf.EndDoc(), std::logic_error);
    EXPECT_THROW(pdf.TextOut(0, 0, "a"), std::logic_error);
    EXPECT_EQ(Dateien(), std::vector<std::string>{"liste.pdf"});
}

TEST_F(PdfFehler, ErsetzteDateiBehaeltIhreRechte) {
    const mode_t maske = umask(022);
    SchreibDatei("alt.pdf", "alt");
    fs::permissions("alt.pdf", fs::perms(0640));
    TmachPDF pdf;
    for (const char* name : {"alt.pdf", "neu.pdf"}) {
        pdf.FileName = name;
        pdf.BeginDoc();
        pdf.EndDoc();
    }
    umask(maske);
    EXPECT_EQ(fs::status("alt.pdf").permissions(), fs::perms(0640));
    EXPECT_EQ(fs::status("neu.pdf").permissions(), fs::perms(0644));
    EXPECT_EQ(LiesDatei("alt.pdf").substr(0, 10), "%PDF-1.4\r\n");
}
