#pragma once

#include "list/SenderListe.h"

#include <QByteArray>
#include <QStringList>

// The list file: one entry line per text line, each ended by CR LF. Written as
// FF FE and UTF-16 little-endian when the list's Unicode flag is set, else as
// Windows-1252 without byte-order mark.
namespace senvio {

struct GeleseneListe {
    QStringList zeilen;
    bool unicode = false;
};

// Decodes a list file's bytes: FF FE or FE FF start UTF-16 (little- or big-endian),
// anything else is Windows-1252. Lines end at CR, LF, CR LF, 11, 12, U+2028 and
// U+2029; a character 0 ends the text.
GeleseneListe DekodiereListe(const QByteArray& bytes);

// The bytes of a list file for these lines.
QByteArray KodiereListe(const QStringList& zeilen, bool unicode);

// True when the list must be written as UTF-16: its flag is set, or a line holds a
// character Windows-1252 cannot represent.
bool BrauchtUnicode(const SenderListe& liste);

// Reads a list file into the list, replacing its lines and setting its Unicode
// flag. Throws DateiFehler ("kann nicht geöffnet werden") and leaves the list
// unchanged when the file cannot be read. `bytes`, when given, receives the file's bytes.
void LeseListendatei(const QString& pfad, SenderListe& liste, QByteArray* bytes = nullptr);

// Writes the list file atomically: a temporary file in the same folder is renamed
// over the old one, so a failure or a crash leaves the old file whole; what an earlier
// kill left of such temporary files in the folder goes first. A list that
// holds characters outside Windows-1252 is written as UTF-16 and gets its flag set.
// Throws DateiFehler ("kann nicht erstellt werden") on failure.
void SchreibeListendatei(const QString& pfad, SenderListe& liste);

// The file of the list with this name in the lists folder (which ends with "/"): the
// name followed by ".lis" in any letter case, ".lis" itself first; when there is no
// such file, the name followed by ".lis".
QString FindeListendatei(const QString& listenOrdner, const QString& listenName);

enum class NamensPruefung {
    Leer,      // nothing but blanks and control characters
    Ungueltig, // holds one of VerboteneNamenszeichen or a control character, or is "." or ".."
    Vorhanden, // a list of that name exists
    Neu,
};

// Characters no list name may hold: "/" separates folders here, the others cannot be
// stored on a USB stick's or a Windows machine's file system, where lists are copied.
inline const QString VerboteneNamenszeichen = QStringLiteral("/\\:*?\"<>|");
// The characters as the messages name them.
inline const QString VerboteneNamenszeichenText = QStringLiteral("/ \\ : * ? \" < > |");

// The question before a new list replaces the list of that name.
QString UeberschreibFrage(const QString& name);

// Checks the name typed for a new list. The name is used as entered: blanks at its
// ends stay part of the list's name and file name.
NamensPruefung PruefeListennamen(const QString& name, const QString& listenOrdner);

} // namespace senvio
