#pragma once

#include "zwischenspeicher/Logozwischenspeicher.h"

// What only the tests ask of the cache: where a picture lies, the program's end without
// ending, and the tidying at a cap of their choice.
namespace senvio::testnaht {

// Where the picture lies in the cache: the pack file (its temporary name while this program
// still writes it) and the entry's bytes in it; an empty file when it is not there.
struct Zwischenspeicherort {
    QString datei;
    qint64 versatz = 0;
    qint64 laenge = 0;
};
Zwischenspeicherort FindeImZwischenspeicher(const QString& datei, const char* art, QSize groesse);

// Closes the pack this program writes, so other programs read its pictures, and forgets
// what it knew of the folder, as the end of the program does.
void SchliesseZwischenspeicher();

// Deletes the packs used longest ago until the folder holds at most three quarters of
// `grenze`, when it holds more; leftovers of interrupted writes go as well.
void RaeumeZwischenspeicherAuf(qint64 grenze);

// How many pictures were read from the cache since the program started.
quint64 Zwischenspeichertreffer();

} // namespace senvio::testnaht
