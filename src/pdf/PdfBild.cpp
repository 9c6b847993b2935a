#include "PdfBild.h"

#include "Komprimierung.h"
#include "PdfText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace senvio::pdf {

namespace {

// Nearest integer, halves to the even neighbour.
double RundeHalbGerade(double x) {
    const double unten = std::floor(x);
    const double rest = x - unten;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(unten, 2.0) != 0.0)) {
        return unten + 1.0;
    }
    return unten;
}

std::int64_t Seitenmass(double x) {
    const double gerundet = RundeHalbGerade(x);
    if (!std::isfinite(gerundet) || std::fabs(gerundet) > 1e9) {
        throw std::invalid_argument("DrawImage: Bildgröße passt nicht auf die Seite");
    }
    return std::int64_t(gerundet);
}

// Turns blue-green-red(-unused) pixels into red-green-blue. `rgb` may be `pixel` itself:
// each pixel is read before it is written, and never after a later one.
void WandleZeile(const std::uint8_t* pixel, int breite, int bytesJePixel, std::uint8_t* rgb) {
    for (int x = 0; x < breite; ++x, pixel += bytesJePixel, rgb += 3) {
        const std::uint8_t blau = pixel[0], gruen = pixel[1], rot = pixel[2];
        rgb[0] = rot;
        rgb[1] = gruen;
        rgb[2] = blau;
    }
}

} // namespace

Platzierung PlatziereBild(int breite, int hoehe, int seitenbreite, int seitenhoehe, double dpiX, double dpiY) {
    if (!(dpiX > 0.0) || !(dpiY > 0.0) || !std::isfinite(dpiX) || !std::isfinite(dpiY)) {
        throw std::invalid_argument("DrawImage: Bildschirmauflösung muss positiv sein");
    }
    const double sx = double(seitenbreite) / (dpiX * 10.066);
    const double sy = double(seitenhoehe) / (dpiY * 13.38);
    return {Seitenmass(double(breite) * sx), Seitenmass(double(hoehe) * sy)};
}

std::string Bilddaten(const BildPixel& bild, bool komprimiert) {
    const std::size_t rgbZeile = std::size_t(bild.Breite) * 3;
    std::string rgb(rgbZeile * std::size_t(bild.Hoehe), '\0');
    for (int y = 0; y < bild.Hoehe; ++y) {
        WandleZeile(bild.Zeile(y), bild.Breite, bild.BytesJePixel,
                    reinterpret_cast<std::uint8_t*>(rgb.data()) + std::size_t(y) * rgbZeile);
    }
    if (komprimiert) {
        return Komprimiere(rgb);
    }
    return rgb;
}

std::string BilddatenAnOrt(BmpBild& bild, bool komprimiert) {
    // The rows follow each other without padding, so the picture is one long row.
    const std::size_t pixel = std::size_t(bild.Breite) * std::size_t(bild.Hoehe);
    WandleZeile(bild.Pixel.data(), int(pixel), bild.BytesJePixel, bild.Pixel.data());
    const std::string_view rgb(reinterpret_cast<const char*>(bild.Pixel.data()), pixel * 3);
    return komprimiert ? Komprimiere(rgb) : std::string(rgb);
}

std::string Bildkopf(int breite, int hoehe, int nummer, std::size_t laenge, bool komprimiert) {
    std::string kopf;
    Zeile(kopf, "<< /Type /XObject");
    Zeile(kopf, "/Subtype /Image");
    Zeile(kopf, "/Width ", breite);
    Zeile(kopf, "/Height ", hoehe);
    Zeile(kopf, "/ColorSpace /DeviceRGB");
    Zeile(kopf, "/BitsPerComponent 8");
    Zeile(kopf, "/Length ", laenge);
    Zeile(kopf, "/Name /Im", nummer);
    if (komprimiert) {
        Zeile(kopf, "/Filter [/FlateDecode]");
    }
    Zeile(kopf, ">>");
    Zeile(kopf, "stream");
    return kopf;
}

} // namespace senvio::pdf
