#pragma once

#include "logos/Logoanhang.h"
#include "logos/Logozuordnung.h"

#include <QList>
#include <QString>
#include <QStringList>

// The automatic logos of the lines an import appended, without review: what senvio-import
// --logos attaches, and what it leaves for the user to choose.
namespace senvio {

class SenderListe;

struct Importlogos {
    QList<Logozuweisung> eindeutig; // found without doubt, in list order
    // One line per entry left with proposals, in list order:
    // "Vorschläge für „NAME“: datei.png (Gruppe), …", the proposals in rank order.
    QStringList vorschlaege;
    // German notes for the user, e.g. how many logo files were passed over as broken.
    QStringList hinweise;
};

// Decides the logo of each line from `erste` on; `schluessel` holds the import's logo
// keys of those lines, index for index (fewer: none for the rest). The broken files
// the note counts are those of the stock, which is read for the one run.
Importlogos FindeImportlogos(const Logobestand& bestand, const SenderListe& liste, qsizetype erste,
                             const QList<QStringList>& schluessel);

// "Vorschläge für „NAME“: datei.png (Gruppe), …" for an entry's proposals.
QString Vorschlagszeile(const Logobestand& bestand, const QString& name, const QList<Logovorschlag>& vorschlaege);

} // namespace senvio
