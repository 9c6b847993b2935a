#pragma once

#include <QImage>
#include <QString>

#include <memory>

// Writes the list picture as a JPEG (quality 90, baseline) or PNG (8-bit RGB, no
// alpha, not interlaced, level 7, filter Sub on every row, IDAT chunks of at most
// 65,535 bytes) strip by strip, so a long list never has to be one picture in memory.
// The file appears only when Schliesse() succeeds: until then the old file stays whole.
namespace senvio {

enum class Bildformat { Jpeg, Png };

// The most rows (and columns) a JPEG can hold: the format's 65,535 less libjpeg's
// margin against overflows (JPEG_MAX_DIMENSION).
constexpr int GroessteJpegHoehe = 65500;

class Bildschreiber {
public:
    // Throws Fehler with a German message when the format cannot take the size (a
    // JPEG taller than GroessteJpegHoehe, a PNG taller than libpng's 1,000,000 rows)
    // and DateiFehler when the file cannot be created.
    Bildschreiber(const QString& pfad, Bildformat format, int breite, int hoehe);
    ~Bildschreiber(); // without Schliesse(): the file is not written
    Bildschreiber(const Bildschreiber&) = delete;
    Bildschreiber& operator=(const Bildschreiber&) = delete;

    // The next rows, top to bottom: a picture as wide as the whole; all strips
    // together must be exactly as high as the whole.
    void SchreibeStreifen(const QImage& streifen);
    // Finishes and renames the file into place; throws DateiFehler on failure.
    void Schliesse();

private:
    struct Zustand;
    std::unique_ptr<Zustand> m_zustand;
};

} // namespace senvio
