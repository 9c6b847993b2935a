#pragma once

// The two lists of the crash test, shared by listen-schreiber and AbsturzTest: A is plain
// ASCII (saved 8-bit), B has one Cyrillic line (saved as UTF-16).
#include "list/SenderListe.h"

namespace senvio::test {

// Line n of list 'A' or 'B' is "  n = Sender A n #png#an.png".
inline SenderListe AbsturzListe(char liste) {
    SenderListe l;
    for (int n = 1; n <= 100000; ++n)
        l.HaengeAn(QString::asprintf("  %d = Sender %c %d #png#%c%d.png", n, liste, n, liste + 32, n));
    if (liste == 'B')
        l.Ersetze(49999, QStringLiteral("  50000 = Первый канал #png#b50000.png"));
    return l;
}

} // namespace senvio::test
