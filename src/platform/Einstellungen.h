#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The settings file: an INI file of sections and "Schlüssel=Wert" lines.
// Reading and writing touch one value of one section; every other line of the
// file stays as it is, so comments and odd spacing of a hand-edited file survive.
// Section names and keys are compared without regard to case.
namespace senvio {

// The one section of senvio.ini that the program reads and writes.
inline const QString EinstellungsAbschnitt = QStringLiteral("Einstellung");

// The value of a key in the file's text, or the empty text when the section or key
// is missing. Blanks around the value are dropped, and a value enclosed in a pair of
// double or single quotation marks loses them. Values are read as UTF-8 where their
// bytes are valid UTF-8, else as Windows-1252.
QString IniWertAusText(const QByteArray& inhalt, const QString& abschnitt, const QString& schluessel);

// The file's text with the key set to the value: the key's line is rewritten in
// place, a missing key is added at the end of its section, a missing section at the
// end of the file. Returns nothing when the value cannot be stored (a line break in it).
std::optional<QByteArray> IniTextMitWert(const QByteArray& inhalt, const QString& abschnitt, const QString& schluessel,
                                         const QString& wert);

// Reads one value from the settings file; a missing or unreadable file counts as empty.
QString LeseIniWert(const QString& datei, const QString& abschnitt, const QString& schluessel);

// A value that is a decimal integer (optional sign, digits, within int); anything
// else, the empty value included, counts as absent.
std::optional<int> AlsGanzzahl(const QString& wert);
std::optional<int> LeseIniGanzzahl(const QString& datei, const QString& abschnitt, const QString& schluessel);

// Writes one value into the settings file atomically (temporary file, then rename).
// Returns false when the file could not be written; the old file then stays whole.
bool SchreibeIniWert(const QString& datei, const QString& abschnitt, const QString& schluessel, const QString& wert);

} // namespace senvio
