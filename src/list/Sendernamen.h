#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// Station name files: plain text, one name per line, for the station picker.
namespace senvio {

// Decodes by the byte-order mark: FF FE UTF-16 little-endian, FE FF big-endian
// (an odd last byte is dropped), EF BB BF UTF-8. Without a mark, zero bytes that
// stand in alternating places are UTF-16 without its mark: little-endian when they
// stand at odd offsets, big-endian at even ones. Otherwise the bytes are read as
// UTF-8 when they are valid UTF-8, else as Windows-1252. Names end at CR LF, CR or LF
// only; a line end at the very end gives no empty last name; every name is made
// single-line (MacheEinzeilig). Nothing when the text still holds a character 0:
// such a file is no text.
std::optional<QStringList> DekodiereSendernamen(const QByteArray& bytes);

// Reads a station name file. Throws DateiFehler ("kann nicht geöffnet werden") for
// anything but a readable plain text file of sensible size.
QStringList LeseSendernamen(const QString& pfad);

} // namespace senvio
