// pdf-bilder AUSGABE.pdf BILD1.bmp [BILD2.bmp …]
//
// Writes one PDF page per BMP picture, placed as the print job places a page picture:
// a page of 794 × 1122 units (DIN A4 at 96 units per inch), the picture's top-left
// corner at (0, 6), scaled as on a screen of 96 pixels per inch, compressed. The
// pictures are read and compressed on every core, one a core at a time, and placed in
// order. Exit 0 on success, 1 when a file cannot be read or written or memory runs
// out, 2 on a wrong call; messages go to standard error, in German.
#include "basis/Dateimeldung.h"
#include "pdf/Bildvorlauf.h"
#include "pdf/TmachPDF.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

namespace {

using namespace senvio;

constexpr double BildschirmDpi = 96.0;

// Staging files left by a run that did not finish would only be in the way.
void RaeumeAuf(int bilder) {
    for (int i = 1; i <= bilder; ++i) {
        std::remove(TmachPDF::Zwischendatei(i).c_str());
    }
}

void SchreibePdf(const std::string& ausgabe, int anzahl, char** bilder, int& gestaut) {
    TmachPDF pdf;
    pdf.FileName = ausgabe;
    pdf.TITLE = "pdf-bilder";
    pdf.PageWidth = 794;
    pdf.PageHeight = 1122;
    pdf.Compress = true;
    pdf.BeginDoc();
    // One worker per core, at most four: each holds a page picture of some 9 MB while it
    // works, and four keep ten pages well under 60 MB on any machine. One picture made
    // waits beside those in work, so every worker stays busy while it is placed.
    const int arbeiter = std::min(Kerne(), 4);
    Bildvorlauf vorlauf(pdf.Compress, arbeiter, std::size_t(arbeiter) + 1);
    for (int i = 0; i < anzahl; ++i) {
        vorlauf.Nimm(bilder[i]);
    }
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) {
            pdf.NewPage();
        }
        pdf.DrawImage(0, 6, vorlauf.Naechstes(), BildschirmDpi, BildschirmDpi);
        gestaut = i + 1;
    }
    pdf.EndDoc();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: pdf-bilder AUSGABE.pdf BILD1.bmp [BILD2.bmp …]\n"
                             "Schreibt eine PDF-Seite je BMP-Bild.\n");
        return 2;
    }
    int gestaut = 0;
    try {
        SchreibePdf(argv[1], argc - 2, argv + 2, gestaut);
        return 0;
    } catch (...) {
        RaeumeAuf(gestaut);
        std::fprintf(stderr, "pdf-bilder: %s\n", MeldungDerAusnahme(std::current_exception()).c_str());
        return 1;
    }
}
