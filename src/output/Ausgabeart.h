#pragma once

// What a print or picture command makes of the list: three layouts for DIN A6 clear
// sleeves, printed as a PDF, or one picture of all cards.
namespace senvio {

enum class Ausgabeart { ObenGeheftet, LinksGeheftet, Doppelhuellen, BildJpeg, BildPng };

inline bool IstDruckmodus(Ausgabeart art) {
    return art == Ausgabeart::ObenGeheftet || art == Ausgabeart::LinksGeheftet || art == Ausgabeart::Doppelhuellen;
}

} // namespace senvio
