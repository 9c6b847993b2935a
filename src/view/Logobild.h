#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include "view/PngBild.h"

// Preparing logo pictures for display: fitting into a box, the dark plate under light
// logos, and Lanczos resampling.
namespace senvio {

// The size a w × h picture takes when fitted into a W × H box with its aspect ratio
// kept: full width when the box is relatively taller than the picture, else full height.
QSize EingepassteGroesse(QSize bild, QSize kasten);

// The picture stretched (nearest neighbour, no smoothing) to its fitted size and
// centred on a box filled with the background colour.
QImage PasseInKastenEin(const QImage& bild, QSize kasten, const QColor& grund);

// Light logos are drawn on a dark plate: a rounded rectangle of this colour filling the
// box the logo is fitted into, its corners rounded by a tenth of the box's shorter side.
inline constexpr QRgb Plattenfarbe = 0xFF3C3C3C;

// A decoded logo stretched (nearest neighbour) to `bereich` of a box: on white, or, for a
// light logo, blended over the plate that fills the box.
QImage LegeLogoInKasten(const DekodiertesLogo& logo, QSize kasten, QRect bereich);

// That box resampled to the target size with the Lanczos filter. Only a box without a
// plate is white around `bereich`, so only there the white rows are skipped.
QImage SkaliereLogoImKasten(const DekodiertesLogo& logo, QSize kasten, QRect bereich, QSize ziel);

// The logo at its own size as it is shown: the picture, or a light logo on its plate.
QImage LogoAufGrund(const DekodiertesLogo& logo);

// The whole picture resampled onto a picture of the target size with a Lanczos-3
// kernel (pixman's separable convolution filter). The result is Format_RGB32.
QImage SkaliereLanczos(const QImage& bild, QSize ziel);

// The same result for a picture that is white outside the rectangle `inhalt`: rows
// and target rows that see only white are white without being resampled, which
// saves half the work on a wide logo fitted into a tall box.
QImage SkaliereLanczosAufWeiss(const QImage& bild, QSize ziel, QRect inhalt);

} // namespace senvio
