#pragma once

#include <QByteArray>
#include <QStringList>

// Station name files: plain text, one name per line, for the station picker.
namespace senvio {

// Decodes by the byte-order mark: FF FE UTF-16 little-endian, FE FF big-endian
// (an odd last byte is dropped), EF BB BF UTF-8. Without a mark the bytes are read
// as UTF-8 when they are valid UTF-8, else as Windows-1252. Lines end at CR LF, CR
// or LF; a line end at the very end gives no empty last name.
QStringList DekodiereSendernamen(const QByteArray& bytes);

// Reads a station name file. Throws DateiFehler ("kann nicht geöffnet werden") for
// anything but a readable plain file of sensible size.
QStringList LeseSendernamen(const QString& pfad);

} // namespace senvio
