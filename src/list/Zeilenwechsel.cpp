#include "list/Zeilenwechsel.h"

#include "list/Zeilenformat.h"

#include <algorithm>

namespace senvio {

namespace {

bool GleichOhnePraefix(const QString& a, const QString& b) {
    return QStringView(a).mid(PraefixLaenge(a)) == QStringView(b).mid(PraefixLaenge(b));
}

} // namespace

Zeilenwechsel VergleicheZeilen(const QStringList& vorher, const QStringList& nachher,
                               const std::function<bool(qsizetype, qsizetype)>& auchGleich) {
    const auto gleich = [&](qsizetype i, qsizetype j) {
        return GleichOhnePraefix(vorher[i], nachher[j]) && (!auchGleich || auchGleich(i, j));
    };
    const qsizetype kuerzer = std::min(vorher.size(), nachher.size());
    qsizetype anfang = 0;
    while (anfang < kuerzer && gleich(anfang, anfang))
        ++anfang;
    qsizetype ende = 0; // lines equal at the end, not reaching into the common start
    while (ende < kuerzer - anfang && gleich(vorher.size() - 1 - ende, nachher.size() - 1 - ende))
        ++ende;
    return {anfang, vorher.mid(anfang, vorher.size() - anfang - ende),
            nachher.mid(anfang, nachher.size() - anfang - ende)};
}

bool WendeAn(SenderListe& liste, const Zeilenwechsel& wechsel, bool vorwaerts) {
    const QStringList& weg = vorwaerts ? wechsel.vorher : wechsel.nachher;
    const QStringList& hin = vorwaerts ? wechsel.nachher : wechsel.vorher;
    const QStringList& zeilen = liste.Zeilen();
    if (wechsel.ab < 0 || wechsel.ab + weg.size() > zeilen.size())
        return false;
    liste.SetzeZeilen(zeilen.first(wechsel.ab) + hin + zeilen.sliced(wechsel.ab + weg.size()));
    return true;
}

} // namespace senvio
