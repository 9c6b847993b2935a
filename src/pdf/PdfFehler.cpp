#include "PdfFehler.h"

namespace senvio {

PdfDateiFehler::PdfDateiFehler(Art art, const std::string& pfad)
    : Meldungsfehler(DateiMeldung(art, pfad)), m_art(art), m_pfad(pfad) {}

} // namespace senvio
