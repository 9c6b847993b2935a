#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Logo pictures: PNG files decoded with libpng into opaque pictures on white.
namespace senvio {

// Caps checked before any pixel memory is allocated: at most 16384 pixels per side
// and 2^25 pixels in all (128 MiB as Format_RGB32, e.g. 8192 × 4096). Larger
// pictures are refused, as are files larger than 64 MiB.
inline constexpr int GroessteSeitePng = 16384;
inline constexpr qint64 GroesstePixelzahlPng = qint64(1) << 25;
inline constexpr qint64 GroesstePngDatei = qint64(64) << 20;

// A decoded logo and what decoding found out about it. A light logo, white or nearly
// so on a transparent ground, alone or beside a coloured mark (made for dark television
// screens), keeps its transparency so that it can be blended over a dark plate: `bild`
// is then Format_RGBA8888, not premultiplied. Every other logo comes blended over white
// as Format_RGB32, the picture DekodierePng gives.
struct DekodiertesLogo {
    QImage bild;
    bool hell = false;
};

// Light: among the pixels with alpha of at least 128 (there is at least one), the
// near-white ones, with R, G and B all at least 224, make at least 80 % while at least
// 20 % of all pixels have alpha below 128; or they make at least 40 % while at least
// half of all pixels have alpha below 128, as with white lettering beside a coloured
// bar. Counted on the decoded samples before any blending, while decoding, so it costs
// a drawing nothing.
DekodiertesLogo DekodiereLogo(const QByteArray& bytes);
DekodiertesLogo LeseLogodatei(const QString& pfad);

// Decodes PNG bytes into an opaque picture (QImage::Format_RGB32), every pixel blended
// over white. Every colour type and bit depth, palettes with transparency and Adam7
// interlacing are read; 16-bit samples are rounded to 8 bits. Gamma and colour
// profiles are ignored: the stored sample values are used as they are.
// Returns a null QImage for anything that is not a decodable PNG within the caps.
QImage DekodierePng(const QByteArray& bytes);

// Reads a file (plain files only, at most GroesstePngDatei bytes) and decodes it;
// a null QImage when it is missing, unreadable or not decodable.
QImage LesePngDatei(const QString& pfad);

} // namespace senvio
