#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "view/PngBild.h"

// The picture of one logo tile.
namespace senvio {

// Where a w × h picture lands when fitted into a W × H box: full width when
// w / h ≥ W / H, else full height; the other side rounded, halves away from zero,
// and the picture centred.
QRect EingepassterBereich(QSize bild, QSize kasten);

// The picture stretched (nearest neighbour) into its fitted area of a white box.
QImage PasseBildEin(const QImage& bild, QSize kasten);

// The 96 × 96 picture of a decoded logo: fitted whole into the middle 291 × 302 of a
// 311 × 324 box on white (a light logo on the dark plate filling that box), then squeezed
// to the square with the Lanczos filter, so that the tile's frame covers none of it. A null logo gives a null picture. Uses no fonts, so it may run on any thread.
QImage SkaliereKachellogo(const DekodiertesLogo& logo);

// The tile of a scaled logo, or "FEHLER" in red for a null one; both get a frame
// along x = 1, x = 95, y = 1 and y = 95 that inverts what lies beneath.
QImage ErstelleKachelbild(const QImage& kachellogo);

} // namespace senvio
