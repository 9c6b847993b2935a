#pragma once

#include "basis/Dateimeldung.h"

#include <stdexcept>
#include <string>

namespace senvio {

// A file the PDF writer cannot create or read back. what() is the file layer's German
// message in UTF-8 (DateiMeldung), so a caller can show it as it stands.
class PdfDateiFehler : public Meldungsfehler {
public:
    using Art = DateiFehlerArt;

    PdfDateiFehler(Art art, const std::string& pfad);

    static PdfDateiFehler NichtErstellt(const std::string& pfad) { return {Art::NichtErstellt, pfad}; }
    static PdfDateiFehler NichtGeoeffnet(const std::string& pfad) { return {Art::NichtGeoeffnet, pfad}; }

    Art art() const noexcept { return m_art; }
    const std::string& pfad() const noexcept { return m_pfad; }

private:
    Art m_art;
    std::string m_pfad;
};

} // namespace senvio
