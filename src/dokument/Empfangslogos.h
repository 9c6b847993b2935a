#pragma once

#include "dokument/Logoablauf.h"

#include <QByteArray>
#include <QHash>

// The logos a box on the home network gave for the channels an import took from it.
namespace senvio {

// The logo group they are kept in, beside the user's own groups.
inline const QString EmpfangsLogogruppe = QStringLiteral("Vom Receiver");

// The references of the rows von to bis (exclusive): what the logos are asked for.
QStringList ReferenzenDerZeilen(const Listendokument& dokument, int von, int bis);

// Writes each logo (PNG bytes by the reference of its service) into the group "Vom Receiver",
// named after the first entry of that service ("Das Erste HD.png"; an existing file of the
// same bytes is taken, another name gets " (2)"), and attaches it in one step to every row
// von to bis whose entry the import took from that very service; never by name.
Logouebernahme LegeEmpfangslogosAn(Listendokument& dokument, int von, int bis, const QHash<QString, QByteArray>& logos,
                                   Speichern speichern);
// The same for the rows given: the new entries of an update.
Logouebernahme LegeEmpfangslogosAn(Listendokument& dokument, const QList<int>& zeilen,
                                   const QHash<QString, QByteArray>& logos, Speichern speichern);

} // namespace senvio
