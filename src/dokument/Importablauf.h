#pragma once

#include "dokument/Listendokument.h"
#include "import/Import.h"

// The import's last stretch, the same for the window and senvio-import: the chosen
// channels' entries appended to the open list, and radio to its own list beside it.
namespace senvio {

// What a list remembers of the import or update that filled it: the paths read, the groups
// chosen (by name and kind) and the bouquet numbering.
Quellenwahl WahlDesImports(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen);

// Appends the entries as one step "Senderliste importieren", as the station picker
// appends names: each a new line with the next placeholder, the lines numbered, each
// entry keeping what the import knew of it. The list remembers `wahl`: an empty list as
// it is, a list appended to with its sources and groups added to those it had. Returns
// the row of the first new entry.
int HaengeImportAn(Listendokument& dokument, const QList<ImportEintrag>& eintraege, Speichern speichern,
                   const Quellenwahl& wahl = {});

// The list of this name an import goes into: with `anhaengen` its lines when its file
// exists (placeholders going on as at start), else a new list. Throws when it cannot be read.
void OeffneImportziel(Listendokument& dokument, const QString& name, bool anhaengen);

// Appends `listen.liste` to `liste`; radio of its own (`listen.radio`) goes into `radio`,
// which becomes the list "NAME Radio" beside it (OeffneImportziel). Returns the row of the
// first new entry of `liste`. Throws when the radio list cannot be read.
int Importiere(Listendokument& liste, Listendokument& radio, const Importlisten& listen, bool anhaengen,
               Speichern speichern, const Quellenwahl& wahl = {});

} // namespace senvio
