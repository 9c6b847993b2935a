#include "BmpDatei.h"

#include "PdfDateien.h"

#include <cstring>
#include <string_view>

namespace senvio {

namespace {

constexpr std::size_t Dateikopf = 14;
constexpr std::size_t InfoKopf = 40;
constexpr std::size_t KernKopf = 12; // the old OS/2 header with 16-bit sizes
constexpr std::uint32_t OhneKompression = 0;
constexpr std::uint32_t Bitfelder = 3;

std::uint32_t Lies16(std::span<const std::uint8_t> b, std::size_t i) { return b[i] | std::uint32_t(b[i + 1]) << 8; }

std::uint32_t Lies32(std::span<const std::uint8_t> b, std::size_t i) {
    return b[i] | std::uint32_t(b[i + 1]) << 8 | std::uint32_t(b[i + 2]) << 16 | std::uint32_t(b[i + 3]) << 24;
}

void Schreibe16(std::uint8_t* z, std::uint32_t w) {
    z[0] = std::uint8_t(w);
    z[1] = std::uint8_t(w >> 8);
}

void Schreibe32(std::uint8_t* z, std::uint32_t w) {
    Schreibe16(z, w);
    Schreibe16(z + 2, w >> 16);
}

struct Kopf {
    std::int64_t breite = 0;
    std::int64_t hoehe = 0; // negative: rows from top to bottom
    std::uint32_t bits = 0;
    std::uint32_t kompression = OhneKompression;
    std::size_t kopfEnde = 0; // where the headers (and colour masks) end
};

[[noreturn]] void Scheitere(const std::string& name, std::string_view was) {
    throw BmpFehler("Datei " + name + " " + std::string(was));
}

Kopf LiesKopf(std::span<const std::uint8_t> b, const std::string& name) {
    if (b.size() < Dateikopf + 4 || b[0] != 'B' || b[1] != 'M') {
        Scheitere(name, "ist keine BMP-Datei");
    }
    const std::uint32_t kopfGroesse = Lies32(b, Dateikopf);
    if (kopfGroesse != KernKopf && (kopfGroesse < InfoKopf || kopfGroesse > 1024)) {
        Scheitere(name, "hat einen unbekannten BMP-Kopf (" + std::to_string(kopfGroesse) + " Bytes)");
    }
    Kopf k;
    k.kopfEnde = Dateikopf + kopfGroesse;
    if (b.size() < k.kopfEnde) {
        Scheitere(name, "ist beschädigt: der BMP-Kopf ist unvollständig");
    }
    if (kopfGroesse == KernKopf) {
        k.breite = Lies16(b, 18);
        k.hoehe = Lies16(b, 20);
        k.bits = Lies16(b, 24);
        return k;
    }
    k.breite = std::int32_t(Lies32(b, 18));
    k.hoehe = std::int32_t(Lies32(b, 22));
    k.bits = Lies16(b, 28);
    k.kompression = Lies32(b, 30);
    if (k.kompression == Bitfelder && kopfGroesse == InfoKopf) {
        k.kopfEnde += 12; // the three colour masks follow the header
    }
    return k;
}

// Only the masks that give the plain byte order blue, green, red, unused.
void PruefeFormat(std::span<const std::uint8_t> b, const Kopf& k, const std::string& name) {
    if (k.bits != 24 && k.bits != 32) {
        Scheitere(name, "hat eine nicht unterstützte Farbtiefe (" + std::to_string(k.bits) +
                            " Bit je Pixel; lesbar sind 24 und 32)");
    }
    const bool einfacheMasken = k.kompression == Bitfelder && k.bits == 32 && b.size() >= Dateikopf + InfoKopf + 12 &&
                                Lies32(b, 54) == 0x00FF0000 && Lies32(b, 58) == 0x0000FF00 &&
                                Lies32(b, 62) == 0x000000FF;
    if (k.kompression != OhneKompression && !einfacheMasken) {
        Scheitere(name, "ist komprimiert oder hat besondere Farbmasken (Art " + std::to_string(k.kompression) +
                            "); lesbar sind nur unkomprimierte Bilder");
    }
    const std::int64_t hoehe = k.hoehe < 0 ? -k.hoehe : k.hoehe;
    if (k.breite <= 0 || hoehe == 0) {
        Scheitere(name, "ist beschädigt: das Bild hat keine Pixel");
    }
    if (k.breite > BmpGroessteSeite || hoehe > BmpGroessteSeite || k.breite * hoehe > BmpGroesstePixelzahl) {
        Scheitere(name, "ist zu groß (" + std::to_string(k.breite) + " × " + std::to_string(hoehe) + " Pixel)");
    }
}

} // namespace

BmpBild DekodiereBmp(std::span<const std::uint8_t> b, const std::string& name) {
    const Kopf k = LiesKopf(b, name);
    PruefeFormat(b, k, name);

    BmpBild bild;
    bild.Breite = int(k.breite);
    bild.Hoehe = int(k.hoehe < 0 ? -k.hoehe : k.hoehe);
    bild.BytesJePixel = int(k.bits / 8);
    const std::size_t zeile = bild.Ansicht().Zeilenlaenge();
    const std::size_t abstand = (zeile + 3) / 4 * 4; // file rows are padded to 4 bytes
    const std::size_t anfang = Lies32(b, 10);
    // Sides of at most 20000 pixels keep this sum far from overflowing.
    const std::uint64_t ende = std::uint64_t(anfang) + std::uint64_t(bild.Hoehe - 1) * abstand + zeile;
    if (anfang < k.kopfEnde || ende > b.size()) {
        Scheitere(name, "ist beschädigt: die Bilddaten sind unvollständig");
    }
    bild.Pixel.resize(zeile * std::size_t(bild.Hoehe));
    const bool vonUnten = k.hoehe > 0;
    for (int y = 0; y < bild.Hoehe; ++y) {
        const std::size_t dateiZeile = std::size_t(vonUnten ? bild.Hoehe - 1 - y : y);
        std::memcpy(bild.Pixel.data() + std::size_t(y) * zeile, b.data() + anfang + dateiZeile * abstand, zeile);
    }
    return bild;
}

BmpBild LeseBmp(const std::string& pfad) {
    // The largest file the limits allow, with room for headers and padding.
    constexpr std::size_t hoechstens = std::size_t(BmpGroesstePixelzahl) * 4 + BmpGroessteSeite * 3 + 4096;
    std::string bytes;
    try {
        pdf::HaengeDateiAn(pfad, bytes, hoechstens);
    } catch (const std::runtime_error&) {
        throw BmpFehler("Datei " + pfad + " kann nicht geöffnet werden");
    }
    return DekodiereBmp({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, pfad);
}

std::vector<std::uint8_t> KodiereBmp(const BildPixel& bild) {
    if (!bild.IstGueltig()) {
        throw std::invalid_argument("KodiereBmp: Bildpixel passen nicht zu Breite und Höhe");
    }
    const std::size_t zeile = std::size_t(bild.Breite) * 4;
    const std::size_t daten = zeile * std::size_t(bild.Hoehe);
    std::vector<std::uint8_t> b(Dateikopf + InfoKopf + daten, 0);
    b[0] = 'B';
    b[1] = 'M';
    Schreibe32(&b[2], std::uint32_t(b.size()));
    Schreibe32(&b[10], Dateikopf + InfoKopf);
    Schreibe32(&b[14], InfoKopf);
    Schreibe32(&b[18], std::uint32_t(bild.Breite));
    Schreibe32(&b[22], std::uint32_t(bild.Hoehe));
    Schreibe16(&b[26], 1);
    Schreibe16(&b[28], 32);
    Schreibe32(&b[34], std::uint32_t(daten));
    Schreibe32(&b[38], 3780); // 96 pixels per inch, in pixels per metre
    Schreibe32(&b[42], 3780);
    for (int y = 0; y < bild.Hoehe; ++y) {
        const std::uint8_t* q = bild.Zeile(y);
        std::uint8_t* z = b.data() + Dateikopf + InfoKopf + std::size_t(bild.Hoehe - 1 - y) * zeile;
        for (int x = 0; x < bild.Breite; ++x, q += bild.BytesJePixel, z += 4) {
            z[0] = q[0];
            z[1] = q[1];
            z[2] = q[2];
        }
    }
    return b;
}

void SchreibeBmp(const std::string& pfad, const BildPixel& bild) {
    const std::vector<std::uint8_t> b = KodiereBmp(bild);
    pdf::SchreibeDateiAtomar(pfad, {std::string_view(reinterpret_cast<const char*>(b.data()), b.size())});
}

} // namespace senvio
