// senvio-hilfe QUELLE AUSGABE.pdf
//
// Sets the help text QUELLE (UTF-8, the markup of Hilfequelle.h) on DIN A4 pages and
// writes AUSGABE.pdf. Exit 0 on success, 1 when the source cannot be read or used or the
// PDF cannot be written, 2 on a wrong call; messages go to standard error, in German.
#include "HilfeFehler.h"
#include "Hilfequelle.h"
#include "Seitensatz.h"
#include "pdf/PdfFehler.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    using namespace senvio::hilfe;
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: senvio-hilfe QUELLE AUSGABE.pdf\n"
                             "Setzt den Hilfetext QUELLE als PDF-Datei.\n");
        return 2;
    }
    std::ifstream datei(argv[1], std::ios::binary);
    const std::string quelle(std::istreambuf_iterator<char>(datei), {});
    if (!datei) {
        std::fprintf(stderr, "senvio-hilfe: Datei %s kann nicht geöffnet werden.\n", argv[1]);
        return 1;
    }
    try {
        SetzeHilfe(LeseHilfequelle(quelle), argv[2]);
    } catch (const HilfeFehler& f) {
        std::fprintf(stderr, "senvio-hilfe: %s: %s\n", argv[1], f.what());
        return 1;
    } catch (const senvio::PdfDateiFehler& f) {
        std::fprintf(stderr, "senvio-hilfe: %s.\n", f.what());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "senvio-hilfe: %s\n", senvio::MeldungDerAusnahme(std::current_exception()).c_str());
        return 1;
    }
    return 0;
}
