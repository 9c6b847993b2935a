#pragma once

#include "list/SenderListe.h"

#include <QStringList>

#include <functional>

// One change of a list's lines as the undo history keeps it: only the stretch that
// changed, so a step in a list of thousands holds a few lines.
namespace senvio {

// From line `ab` on, the lines `vorher` became the lines `nachher`. Lines that differ only
// in their number prefix count as unchanged: the renumbering after every change sets them
// anyway, so a deletion at the top does not hold every line below it.
struct Zeilenwechsel {
    qsizetype ab = 0;
    QStringList vorher;
    QStringList nachher;

    bool IstLeer() const { return vorher.isEmpty() && nachher.isEmpty(); }
};

// The stretch between the longest common start and the longest common end of the two.
// `auchGleich(i, j)`, when given, must hold as well for line i before and line j after
// to count as unchanged (what else belongs to the entries).
Zeilenwechsel VergleicheZeilen(const QStringList& vorher, const QStringList& nachher,
                               const std::function<bool(qsizetype, qsizetype)>& auchGleich = {});

// Makes the change again (vorwaerts) or takes it back; the prefixes are left to the
// renumbering. False, and the list unchanged, when the stretch does not fit the list.
bool WendeAn(SenderListe& liste, const Zeilenwechsel& wechsel, bool vorwaerts);

} // namespace senvio
