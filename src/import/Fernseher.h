#pragma once

#include "import/Importquelle.h"

#include <QByteArray>
#include <QString>

#include <optional>

// TV sets' exports told apart by their content, and the reader each calls for.
namespace senvio {

// The find of a TV's export: a zip or tar by its members, a database by its tables, an
// XML by its root, a CSV by its first line. Nothing when the bytes are no TV's export.
// Throws Fehler with a German message naming `pfad` for an export that cannot be read:
// damaged, over a limit, or of a family whose binary exports Senvio cannot read yet.
std::optional<ImportFund> LeseFernsehliste(const QByteArray& bytes, const QString& pfad);

// The folder "ChannelList" of a Philips TV's export when `pfad` is that folder, its parent
// "ChannelMap_1xx", or a file in it or in its "channellib" or "s2channellib"; else empty.
QString PhilipsOrdner(const QString& pfad);

// Reads the files of that folder (each a regular file within the import's size limit).
ImportFund LesePhilipsOrdner(const QString& ordner);

} // namespace senvio
