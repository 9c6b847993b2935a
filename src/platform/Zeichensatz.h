#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 stands for the 8-bit code page of the lists and the settings file.
// The five bytes that Windows-1252 leaves unassigned (81, 8D, 8F, 90, 9D) map to
// the C1 control characters of the same number, so every byte string survives
// decoding and encoding unchanged.
namespace senvio {

QString VonWindows1252(const char* daten, qsizetype laenge);
inline QString VonWindows1252(const QByteArray& bytes) {
    return VonWindows1252(bytes.constData(), bytes.size());
}

// Characters the code page cannot represent become "?"; a combining diaeresis
// (U+0308) becomes the spacing diaeresis 0xA8, so "u" + U+0308 reads "u¨".
QByteArray NachWindows1252(const QString& text);

// The same into a buffer of at least text.size() bytes; returns the bytes written.
qsizetype KodiereWindows1252(QStringView text, char* ziel);

// Copies the text's start, as far as it is printable ASCII (blank to "~"), one byte a
// character into a buffer of at least text.size() bytes; returns how many it copied.
qsizetype KopiereDruckbaresAscii(QStringView text, char* ziel);
// True when every character is printable ASCII.
bool IstDruckbaresAscii(QStringView text);

// The first place from `von` on that holds the character, or -1. Eight characters at a time:
// every line of a list is searched for its number and its logo on each renumbering and save,
// and Qt's search costs more to call than to run on a line.
qsizetype FindeZeichen(QStringView text, char16_t zeichen, qsizetype von = 0);

// True when every character of the text has its own byte in Windows-1252.
bool PasstInWindows1252(const QString& text);

// The text as it comes back from a trip through the code page.
QString DurchWindows1252(const QString& text);

// True when the bytes are valid UTF-8 (the empty text included).
bool IstGueltigesUtf8(QByteArrayView bytes);

// Lower-casing as done on 8-bit text: through the code page, then Unicode rules.
QString KleinInWindows1252(const QString& text);

} // namespace senvio
