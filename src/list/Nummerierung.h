#pragma once

#include "list/SenderListe.h"

namespace senvio {

// Gives every line the prefix of its entry number: the old prefix (up to and
// including the first "= " before the separator) is replaced, a line without one
// gains the prefix. Text stays Unicode; nothing else of the line changes.
void KorrigiereDieNummern(SenderListe& liste);

// The status line: 6 blanks, the count, "  Eintragung(en) in der Liste: " and the
// list name in German quotation marks („NAME“); for an empty list with a name "Liste: „NAME“".
QString ListenStatuszeile(qsizetype anzahl, const QString& listenName);

} // namespace senvio
