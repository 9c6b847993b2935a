#include "PdfFehler.h"

namespace senvio {

PdfDateiFehler::PdfDateiFehler(Art art, const std::string& pfad)
    : std::runtime_error(DateiMeldung(art, pfad)), m_art(art), m_pfad(pfad) {}

} // namespace senvio
