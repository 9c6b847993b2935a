#pragma once

#include "list/SenderListe.h"

#include <QList>
#include <QString>
#include <QStringList>

// What an import knew of each entry, kept beside the list in "NAME.quellen" (UTF-8, a line
// per entry), so that a list can be brought up to date after a new scan in a later session.
// Programs that read list files never look at it.
namespace senvio {

// What an import knew of an entry: the service in its source, its kind, the name the source
// gave it and the keys its logo can be found by, strongest first. Kept per entry, so a
// renamed entry keeps it and two entries of one name keep their own.
struct Eintragsherkunft {
    QString referenz;
    QStringList logoSchluessel;
    QString quellname;
    bool radio = false;
    bool operator==(const Eintragsherkunft&) const = default;
};

// "NAME.quellen" beside "NAME.lis" (in any letter case of the ending).
QString QuellendateiZu(const QString& listendatei);

// Writes the knowledge of the list's lines atomically; with no knowledge at all, an old file
// is removed instead. Throws DateiFehler when it cannot be written.
void SchreibeQuellen(const QString& datei, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft);

// Writes the list file and its "NAME.quellen" as one unit: both are written whole before
// either replaces its old file, and the sources file records the size and line count of its
// list and a check sum of each line. A kill between the two renames leaves the new sources
// file waiting beside the list as "NAME.quellen.neu", taken in by the next read of the list.
// Throws DateiFehler when either cannot be written; both files stay as they were then.
// Returns whether the list was written as UTF-16.
bool SchreibeListeMitQuellen(const QString& listendatei, const SenderListe& liste,
                             const QList<Eintragsherkunft>& herkunft);

struct GeleseneQuellen {
    QList<Eintragsherkunft> herkunft; // index for index with the lines
    QString hinweis;                  // why a file that is there was not used
};

// The knowledge of the lines from the file. The file is never trusted blindly: each line of
// it belongs to the list line of the same name and check sum, at the same place when it is
// there, else the first one not yet taken; a line whose text changed gets the knowledge of
// its name the same way. A missing file gives nothing; one that cannot be read, is not ours
// or was written for a list of another size or line count (`listenbytes`, the list file's
// bytes, when known) gives nothing and a note.
GeleseneQuellen LeseQuellen(const QString& datei, const QStringList& zeilen, const QByteArray* listenbytes = nullptr);

} // namespace senvio
