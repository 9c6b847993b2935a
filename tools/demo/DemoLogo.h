#pragma once

#include <QImage>
#include <QString>

// Draws a made-up station logo: a coloured shape with the station's short name.
namespace senvio::demo {

// The number picks shape, size and colours, so neighbouring logos differ: wide, square
// and tall pictures; opaque ones and ones on a transparent ground.
QImage ZeichneDemoLogo(const QString& kuerzel, int nummer);

} // namespace senvio::demo
