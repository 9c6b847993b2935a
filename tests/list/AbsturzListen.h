#pragma once

// The two lists of the crash test, shared by listen-schreiber and AbsturzTest: A is plain
// ASCII (saved 8-bit), B has one Cyrillic line (saved as UTF-16).
#include "list/SenderListe.h"

#include <string>

namespace senvio::test {

constexpr int AbsturzZeilen = 100000;

// Line n of list 'A' or 'B': "  n = Sender A n #png#an.png". Built through one
// std::string: the helper starts 40 times a run, and building these lines is most of it.
inline QString AbsturzZeile(char liste, int n) {
    if (liste == 'B' && n == 50000)
        return QStringLiteral("  50000 = Первый канал #png#b50000.png");
    const std::string zahl = std::to_string(n);
    const std::string z = "  " + zahl + " = Sender " + liste + ' ' + zahl + " #png#" + char(liste + 32) + zahl + ".png";
    return QString::fromLatin1(z.data(), qsizetype(z.size()));
}

inline SenderListe AbsturzListe(char liste) {
    SenderListe l;
    for (int n = 1; n <= AbsturzZeilen; ++n)
        l.HaengeAn(AbsturzZeile(liste, n));
    return l;
}

} // namespace senvio::test
