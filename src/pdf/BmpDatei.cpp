#include "BmpDatei.h"

#include "PdfDateien.h"
#include "basis/Deskriptor.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>

namespace senvio {

namespace {

constexpr std::size_t Dateikopf = 14;
constexpr std::size_t InfoKopf = 40;
constexpr std::size_t KernKopf = 12; // the old OS/2 header with 16-bit sizes
constexpr std::uint32_t OhneKompression = 0;
constexpr std::uint32_t Bitfelder = 3;

std::uint32_t Lies16(std::span<const std::uint8_t> b, std::size_t i) {
    return b[i] | std::uint32_t(b[i + 1]) << 8;
}

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

// Where the rows lie in the file.
struct Aufbau {
    int breite = 0;
    int hoehe = 0;
    int bytesJePixel = 0;
    bool vonUnten = true;
    std::size_t anfang = 0;  // offset of the first row in the file
    std::size_t zeile = 0;   // bytes of pixels in a row
    std::size_t abstand = 0; // bytes from row to row, padded to 4
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

// Checks the headers (the first bytes of the file, `kopf`) against a file of
// `dateigroesse` bytes and says where its rows are.
Aufbau LiesAufbau(std::span<const std::uint8_t> kopf, std::uint64_t dateigroesse, const std::string& name) {
    const Kopf k = LiesKopf(kopf, name);
    PruefeFormat(kopf, k, name);
    Aufbau a;
    a.breite = int(k.breite);
    a.hoehe = int(k.hoehe < 0 ? -k.hoehe : k.hoehe);
    a.bytesJePixel = int(k.bits / 8);
    a.vonUnten = k.hoehe > 0;
    a.zeile = std::size_t(a.breite) * std::size_t(a.bytesJePixel);
    a.abstand = (a.zeile + 3) / 4 * 4;
    a.anfang = Lies32(kopf, 10);
    // Sides of at most 20000 pixels keep this sum far from overflowing.
    const std::uint64_t ende = std::uint64_t(a.anfang) + std::uint64_t(a.hoehe - 1) * a.abstand + a.zeile;
    if (a.anfang < k.kopfEnde || ende > dateigroesse) {
        Scheitere(name, "ist beschädigt: die Bilddaten sind unvollständig");
    }
    return a;
}

// Makes room for the picture; a buffer of the same size is used again as it is.
void Bereite(BmpBild& bild, const Aufbau& a) {
    bild.Breite = a.breite;
    bild.Hoehe = a.hoehe;
    bild.BytesJePixel = a.bytesJePixel;
    bild.Pixel.resize(a.zeile * std::size_t(a.hoehe));
}

// Where file row r goes in the picture, whose rows run from top to bottom.
std::uint8_t* Zielzeile(BmpBild& bild, const Aufbau& a, std::size_t r) {
    const std::size_t y = a.vonUnten ? std::size_t(a.hoehe) - 1 - r : r;
    return bild.Pixel.data() + y * a.zeile;
}

// The headers fit in this many bytes: file header, the largest info header, masks.
constexpr std::size_t KopfBytes = Dateikopf + 1024 + 12;

// The largest file the limits allow, with room for headers and padding.
constexpr std::uint64_t GroessteDatei = std::uint64_t(BmpGroesstePixelzahl) * 4 + BmpGroessteSeite * 3 + 2 * KopfBytes;

} // namespace

BmpBild DekodiereBmp(std::span<const std::uint8_t> b, const std::string& name) {
    const Aufbau a = LiesAufbau(b, b.size(), name);
    BmpBild bild;
    Bereite(bild, a);
    for (std::size_t r = 0; r < std::size_t(a.hoehe); ++r) {
        std::memcpy(Zielzeile(bild, a, r), b.data() + a.anfang + r * a.abstand, a.zeile);
    }
    return bild;
}

// Reads the rows in blocks straight into the picture: no copy of the whole file.
void LeseBmp(const std::string& pfad, BmpBild& bild) {
    Deskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (datei.fd() < 0 || ::fstat(datei.fd(), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw BmpFehler("Datei " + pfad + " kann nicht geöffnet werden");
    }
    const std::uint64_t groesse = std::uint64_t(info.st_size);
    if (groesse > GroessteDatei) {
        Scheitere(pfad, "ist zu groß für ein Bild (" + std::to_string(groesse) + " Bytes)");
    }
    std::vector<std::uint8_t> puffer(std::size_t(std::min<std::uint64_t>(groesse, KopfBytes)));
    if (!LiesAlles(datei.fd(), puffer.data(), puffer.size(), 0)) {
        throw BmpFehler("Datei " + pfad + " kann nicht geöffnet werden");
    }
    const Aufbau a = LiesAufbau(puffer, groesse, pfad);
    Bereite(bild, a);

    const std::size_t zeilenJeBlock = std::max<std::size_t>(1, (256 * 1024) / a.abstand);
    puffer.resize(zeilenJeBlock * a.abstand);
    for (std::size_t r = 0; r < std::size_t(a.hoehe); r += zeilenJeBlock) {
        const std::size_t zeilen = std::min(zeilenJeBlock, std::size_t(a.hoehe) - r);
        // The last row need not carry its padding in the file.
        const std::size_t laenge = (zeilen - 1) * a.abstand + a.zeile;
        if (!LiesAlles(datei.fd(), puffer.data(), laenge, off_t(a.anfang + r * a.abstand))) {
            Scheitere(pfad, "ist beschädigt: die Bilddaten sind unvollständig");
        }
        for (std::size_t i = 0; i < zeilen; ++i) {
            std::memcpy(Zielzeile(bild, a, r + i), puffer.data() + i * a.abstand, a.zeile);
        }
    }
}

BmpBild LeseBmp(const std::string& pfad) {
    BmpBild bild;
    LeseBmp(pfad, bild);
    return bild;
}

namespace {
// Blue, green and red of a pixel read as a little-endian 32-bit word; the BMP file
// keeps 0 in the fourth byte.
constexpr std::uint32_t OhneVierteByte = std::endian::native == std::endian::little ? 0x00FFFFFFu : 0xFFFFFF00u;
} // namespace

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
        if (bild.BytesJePixel == 4) {
            // Whole pixels with the fourth byte cleared: this loop is vectorised.
            for (int x = 0; x < bild.Breite; ++x, q += 4, z += 4) {
                std::uint32_t pixel;
                std::memcpy(&pixel, q, 4);
                pixel &= OhneVierteByte;
                std::memcpy(z, &pixel, 4);
            }
            continue;
        }
        for (int x = 0; x < bild.Breite; ++x, q += 3, z += 4) {
            z[0] = q[0];
            z[1] = q[1];
            z[2] = q[2];
        }
    }
    return b;
}

void SchreibeBmp(const std::string& pfad, const BildPixel& bild) {
    const std::vector<std::uint8_t> b = KodiereBmp(bild);
    pdf::SchreibeDatei(pfad, {std::string_view(reinterpret_cast<const char*>(b.data()), b.size())});
}

} // namespace senvio
