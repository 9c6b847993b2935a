#pragma once

// PNG files for the tests: written with libpng from rows given byte by byte, or put
// together chunk by chunk to make broken files.
#include <QByteArray>
#include <QImage>
#include <optional>
#include <png.h>
#include <vector>

namespace senvio::test {

struct PngVorlage {
    int breite = 1;
    int hoehe = 1;
    int farbtyp = PNG_COLOR_TYPE_RGB;
    int bittiefe = 8;
    bool interlaced = false;
    std::vector<png_color> palette;
    std::vector<png_byte> paletteAlpha;            // tRNS of a palette
    std::optional<png_color_16> transparenteFarbe; // tRNS of grey or RGB pictures
    std::vector<QByteArray> zeilen; // each row packed as stored: samples left to right, 16 bits big-endian
};

// The PNG file of the template; empty when libpng refused it.
QByteArray SchreibePng(const PngVorlage& vorlage);

// One chunk: length, type, data and the CRC over type and data.
QByteArray Chunk(const char* typ, const QByteArray& daten);

// The 8-byte PNG signature.
QByteArray PngSignatur();

// IHDR data of an 8-bit RGB picture without interlacing.
QByteArray IhdrDaten(quint32 breite, quint32 hoehe);

// The pixel's colour as "(r, g, b)", so a failing comparison shows the numbers.
std::string Farbe(QRgb pixel);
std::string Farbe(int r, int g, int b);

} // namespace senvio::test
