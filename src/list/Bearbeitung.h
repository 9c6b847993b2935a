#pragma once

#include "list/SenderListe.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the three editing commands do to a line and to the placeholder counter. The
// counter is the one integer 0 to 4 that drawing leaves at the last row's placeholder;
// the commands advance it so that a new placeholder takes the next colour.
namespace senvio {

// Add 1; after 4 comes 1 (and 0 gives 1).
int NaechsterPlatzhalter(int zaehler);

// The name shown in the edit field: the head without its prefix, blanks trimmed.
// Nothing for a line without separator: such a line is not edited.
std::optional<QString> NameZumBearbeiten(const QString& zeile);

// The line after "OK" in the edit dialog: prefix unchanged, the new name made
// single-line (MacheEinzeilig), every other character kept. A real logo advances the
// counter and, when "logoEntfernen" is set, becomes the placeholder of the new value;
// a placeholder stays and so does the counter. Nothing for a line without separator or prefix.
std::optional<QString> BearbeiteteZeile(const QString& zeile, const QString& name, bool logoEntfernen,
                                        int& platzhalterzaehler);

// The line appended from the station picker as entry "nummer": the interim prefix,
// the name made single-line and the next placeholder. A counter that reaches 4 is
// set to 0.
QString NeueTextzeile(const QString& name, qsizetype nummer, int& platzhalterzaehler);

// Appends the names one after another as the station picker appends a picked name
// (NeueTextzeile, so the same prefixes, placeholders and counter rules), then renumbers.
void HaengeNamenAn(SenderListe& liste, const QStringList& namen, int& platzhalterzaehler);

// The question before an entry is deleted; it shows the head (or the whole line
// when it has no separator) in quotation marks.
QString LoeschFrage(const QString& zeile);

// The row selected after deleting row "geloescht": the one above, none after the first.
int AuswahlNachLoeschen(int geloescht);

} // namespace senvio
