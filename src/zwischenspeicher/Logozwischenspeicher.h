#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

// Prepared logo pictures kept between runs in $XDG_CACHE_HOME/senvio: decoding the PNG
// files is most of a print's and a tile grid's work, and the same logos come again and
// again. A picture from here is bit for bit the one its routine makes from the file.
// Whatever goes wrong with the folder or its files only costs the time of making the
// picture anew: no message, no failure.
namespace senvio {

// The version of the rules that prepare a logo picture (fitting, the plate, the
// scaling). Bump it whenever one of them changes: older pictures are then never read.
inline constexpr quint32 Logoregeln = 2;

// Cap of the folder: beyond it the pictures used longest ago go first.
inline constexpr qint64 ZwischenspeicherGrenze = qint64(64) << 20;

// The picture `art` (a name of the preparing routine) of `groesse` for the logo file:
// from the cache when a sound one is there, else made by `mache`, stored when it is a
// Format_RGB32 picture of that size, and returned. Runs on any thread.
QImage VorbereitetesLogo(const QString& datei, const char* art, QSize groesse,
                         const std::function<QImage(const QString&)>& mache);

// The folder, empty when the cache is off: SENVIO_OHNE_ZWISCHENSPEICHER=1 or
// SchalteZwischenspeicherAus (the tools' --ohne-zwischenspeicher).
QString Zwischenspeicherordner();
void SchalteZwischenspeicherAus();

// Deletes the folder's pictures and tells the copies kept in memory (Zwischenspeicherstand).
void LeereZwischenspeicher();
quint64 Zwischenspeicherstand();

} // namespace senvio
