#pragma once

#include <QIODevice>
#include <QImage>

#include <memory>

// One picture format behind Bildschreiber: takes rows of 8-bit red, green, blue bytes
// (QImage::Format_RGB888) and writes the encoded file to a device. A call returns
// false when the library or the device failed; the encoder is then done for.
namespace senvio {

class Bildkodierer {
public:
    virtual ~Bildkodierer() = default;
    // Writes the file header.
    virtual bool Beginne() = 0;
    virtual bool SchreibeZeilen(const QImage& rgb888) = 0;
    // Writes the rest of the file after the last row.
    virtual bool Beende() = 0;
};

// 8-bit RGB, no alpha, not interlaced, level 7, filter Sub on every row, IDAT chunks
// of at most 65,535 bytes.
std::unique_ptr<Bildkodierer> ErstellePngKodierer(QIODevice& ziel, int breite, int hoehe);
// Quality 90, baseline, three components; everything else as libjpeg sets it.
std::unique_ptr<Bildkodierer> ErstelleJpegKodierer(QIODevice& ziel, int breite, int hoehe);

} // namespace senvio
