#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

// Preparing logo pictures for display: fitting into a box and Lanczos resampling.
namespace senvio {

// The size a w × h picture takes when fitted into a W × H box with its aspect ratio
// kept: full width when the box is relatively taller than the picture, else full height.
QSize EingepassteGroesse(QSize bild, QSize kasten);

// The picture stretched (nearest neighbour, no smoothing) to its fitted size and
// centred on a box filled with the background colour.
QImage PasseInKastenEin(const QImage& bild, QSize kasten, const QColor& grund);

// The whole picture resampled onto a picture of the target size with a Lanczos-3
// kernel (pixman's separable convolution filter). The result is Format_RGB32.
QImage SkaliereLanczos(const QImage& bild, QSize ziel);

// The same result for a picture that is white outside the rectangle `inhalt`: rows
// and target rows that see only white are white without being resampled, which
// saves half the work on a wide logo fitted into a tall box.
QImage SkaliereLanczosAufWeiss(const QImage& bild, QSize ziel, QRect inhalt);

} // namespace senvio
