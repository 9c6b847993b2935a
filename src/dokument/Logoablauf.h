#pragma once

#include "dokument/Listendokument.h"
#include "logos/Logoanhang.h"
#include "logos/Logozuordnung.h"

// The automatic logos, the same for the window's review and senvio-import --logos: what
// is found for each entry, and attaching what was chosen.
namespace senvio {

// The finds for the rows von to bis (exclusive) that can take a logo, by name and by what
// an import knew of each entry, the other entries of the list counting as EntscheideLogos
// says; only rows with proposals, in list order. The entry's own logo file (or one of the
// same bytes) is never proposed.
QList<Pruefeintrag> FindeLogos(const Listendokument& dokument, const Logobestand& bestand, int von, int bis);

// The pictures the entries without a logo file of their own show today (their placeholders),
// for the review; drawing them leaves the placeholder counter as it is.
void ZeichneBisherigeLogos(QList<Pruefeintrag>& eintraege, const Listendokument& dokument);

// Attaches the logos in one step of this name, as attaching one by hand does: each line
// with a logo part gets the path of its copy, the list is written (when the step says so
// and a line changed), the copies are made beside the lists.
struct Logouebernahme {
    qsizetype angehaengt = 0; // the attachments that changed a line
    QStringList fehlschlaege; // a German message per copy that failed
};
Logouebernahme UebernimmLogos(Listendokument& dokument, const QList<Logozuweisung>& zuweisungen, const QString& schritt,
                              Speichern speichern);

// Without review: the finds decided without doubt attached (one step "Logos automatisch
// zuordnen"), a line per entry left with proposals ("Vorschläge für „NAME“: datei.png
// (Gruppe), …", in rank order) and the notes for the user.
struct Logobericht {
    Logouebernahme uebernahme;
    QStringList vorschlaege;
    QStringList hinweise;
};
Logobericht OrdneLogosZu(Listendokument& dokument, const Logobestand& bestand, int von, Speichern speichern);

} // namespace senvio
