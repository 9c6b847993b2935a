#pragma once

#include <QByteArray>
#include <QString>

namespace senvio {

// Writes the bytes as the whole file, atomically: they go to a temporary file in the
// same folder, which is renamed over the old one only when every byte is written. A
// failure, a full disk or a crash leaves the old file whole. False on failure.
bool SchreibeGanzeDatei(const QString& pfad, const QByteArray& bytes);

} // namespace senvio
