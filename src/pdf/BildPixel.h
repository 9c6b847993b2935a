#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace senvio {

// A picture's pixels as its owner holds them: rows from top to bottom, each row its
// pixels from left to right, a pixel as blue, green, red bytes (3 bytes a pixel) or
// blue, green, red and an unused fourth byte (4 bytes a pixel), the byte order of
// Windows bitmaps and of QImage::Format_RGB32. Rows start `Zeilenabstand` bytes
// apart; 0 means rows follow each other without padding.
struct BildPixel {
    int Breite = 0;
    int Hoehe = 0;
    int BytesJePixel = 4;
    std::size_t Zeilenabstand = 0;
    std::span<const std::uint8_t> Daten;

    std::size_t Zeilenlaenge() const { return std::size_t(Breite) * std::size_t(BytesJePixel); }
    std::size_t Abstand() const { return Zeilenabstand != 0 ? Zeilenabstand : Zeilenlaenge(); }
    const std::uint8_t* Zeile(int y) const { return Daten.data() + std::size_t(y) * Abstand(); }

    // True when the sizes make sense and the rows lie within the data.
    bool IstGueltig() const {
        if (Breite <= 0 || Hoehe <= 0 || (BytesJePixel != 3 && BytesJePixel != 4) || Abstand() < Zeilenlaenge() ||
            Daten.size() < Zeilenlaenge()) {
            return false;
        }
        return std::size_t(Hoehe) - 1 <= (Daten.size() - Zeilenlaenge()) / Abstand();
    }
};

} // namespace senvio
