#pragma once

// What a print or picture command makes of the list: three layouts for DIN A6 clear
// sleeves, printed as a PDF, or one picture of all cards; and the large print, which is
// printed directly only.
namespace senvio {

enum class Ausgabeart { ObenGeheftet, LinksGeheftet, Doppelhuellen, BildJpeg, BildPng, Grossdruck };

inline bool IstDruckmodus(Ausgabeart art) {
    return art == Ausgabeart::ObenGeheftet || art == Ausgabeart::LinksGeheftet || art == Ausgabeart::Doppelhuellen;
}

// The layouts "Datei" › "Drucken..." and senvio-druck print straight onto sheets.
inline bool IstDirektdruckmodus(Ausgabeart art) {
    return IstDruckmodus(art) || art == Ausgabeart::Grossdruck;
}

} // namespace senvio
