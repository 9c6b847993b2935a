#pragma once

#include <QImage>
#include <QStringList>

#include <functional>

namespace senvio {

// The picture of a tile: SkaliereKachellogo of the file (kept in the logo cache), null
// when it does not decode or memory runs out (the tile then says "FEHLER").
QImage MacheKachellogo(const QString& pfad) noexcept;

// Decodes and scales the logos of a group on every processor core: the work of a
// load is nearly all decoding and resampling. Each picture (MacheKachellogo of the
// file) is handed to `fertig` on the calling thread, in the order of the paths, as soon
// as it and all before it are done.
void ErstelleKachellogos(const QStringList& pfade, const std::function<void(int, const QImage&)>& fertig);

} // namespace senvio
