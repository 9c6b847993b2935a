#include "PdfFehler.h"

namespace senvio {

static std::string DateiMeldung(PdfDateiFehler::Art art, const std::string& pfad) {
    return "Datei " + pfad +
           (art == PdfDateiFehler::Art::NichtErstellt ? " kann nicht erstellt werden" : " kann nicht geöffnet werden");
}

PdfDateiFehler::PdfDateiFehler(Art art, const std::string& pfad)
    : std::runtime_error(DateiMeldung(art, pfad)), m_art(art), m_pfad(pfad) {}

} // namespace senvio
