#pragma once

#include "list/SenderListe.h"

#include <QList>
#include <QString>
#include <QStringList>

// What an import knew of each entry, kept beside the list in "NAME.quellen" (UTF-8, a line
// per entry), so that a list can be brought up to date after a new scan in a later session.
// Programs that read list files never look at it. An entry's short name for print follows its
// line as a line of two fields ("Kurzname", the text), which earlier versions skip: an
// entry's line has at least four fields.
namespace senvio {

// What an import knew of an entry: the service in its source, its kind, the name the source
// gave it and the keys its logo can be found by, strongest first. Kept per entry, so a
// renamed entry keeps it and two entries of one name keep their own.
struct Eintragsherkunft {
    QString referenz;
    QStringList logoSchluessel;
    QString quellname;
    bool radio = false;
    // The user's short name for print ("Kurzname"), empty when the name is printed as it is.
    QString kurzname = {};
    bool operator==(const Eintragsherkunft&) const = default;
};

// Where the list came from as a whole: the files and folders of its import or last update, the
// groups chosen of them and how the receiver numbers its bouquets, so that the next update
// starts from the same choice.
struct GemerkteGruppe {
    QString name;
    bool radio = false;
    bool operator==(const GemerkteGruppe&) const = default;
};
// The box on the home network a list was fetched from: the address as the user typed it, the
// kind that answered ("enigma2", "router", "tvheadend"), the user name and the way a tvheadend
// gave the list ("Wiedergabeliste", "Kanalraster"); never a password.
struct GemerkterReceiver {
    QString adresse;
    QString art;
    QString benutzer;
    QString weg = {};
    bool operator==(const GemerkterReceiver&) const = default;
};
struct Quellenwahl {
    QStringList quellen; // absolute paths
    QList<GemerkteGruppe> gruppen;
    bool bouquetAbEins = false;
    GemerkterReceiver receiver = {}; // no address: the list came from files
    bool operator==(const Quellenwahl&) const = default;
};

// "NAME.quellen" beside "NAME.lis" (in any letter case of the ending).
QString QuellendateiZu(const QString& listendatei);

// The lines of the file that hold the choice, after its first line: "Quelle", "Gruppe",
// "Bouquets", "Receiver" (kind, address), "Receiverbenutzer" and "Receiverweg" with at most three fields,
// which earlier versions pass over as no entry.
QString QuellenwahlZeilen(const Quellenwahl& wahl);
// Takes a line of QuellenwahlZeilen into `wahl`; false for any other line.
bool LeseQuellenwahlZeile(const QStringList& felder, Quellenwahl& wahl);

// Writes the knowledge of the list's lines and the choice atomically; with no knowledge at all,
// an old file is removed instead. Throws DateiFehler when it cannot be written.
void SchreibeQuellen(const QString& datei, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                     const Quellenwahl& wahl = {}, const QByteArray* listenbytes = nullptr);

// Writes the list file and its "NAME.quellen" as one unit: both are written whole before
// either replaces its old file, and the sources file records the size and line count of its
// list and a check sum of each line. A kill between the two renames leaves the new sources
// file waiting beside the list as "NAME.quellen.neu", taken in by the next read of the list.
// Throws DateiFehler when either cannot be written; both files stay as they were then.
// Returns whether the list was written as UTF-16.
bool SchreibeListeMitQuellen(const QString& listendatei, const SenderListe& liste,
                             const QList<Eintragsherkunft>& herkunft, const Quellenwahl& wahl = {});

struct GeleseneQuellen {
    QList<Eintragsherkunft> herkunft; // index for index with the lines
    QString hinweis;                  // why a file that is there was not used
    Quellenwahl wahl;
};

// The knowledge of the lines from the file. The file is never trusted blindly: each line of
// it belongs to the list line of the same name and check sum, at the same place when it is
// there, else the first one not yet taken; a line whose text changed gets the knowledge of
// its name the same way. A missing file gives nothing; one that cannot be read, is not ours
// or was written for a list of another size or line count (`listenbytes`, the list file's
// bytes, when known) gives nothing and a note.
GeleseneQuellen LeseQuellen(const QString& datei, const QStringList& zeilen, const QByteArray* listenbytes = nullptr);

} // namespace senvio
