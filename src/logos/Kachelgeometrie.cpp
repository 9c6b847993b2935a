#include "logos/Kachelgeometrie.h"

#include <algorithm>

namespace senvio {

int KachelSpalten(int clientBreite, int anzahl) {
    // The divisor is 106, not the pitch of 108: a fourth column fits the 464 pixels.
    const int spalten = std::max(1, (clientBreite - KachelRand) / (KachelGroesse + 10));
    return anzahl > 0 ? std::min(spalten, anzahl) : spalten;
}

QPoint KachelPosition(int index, int spalten) {
    return {KachelRand + KachelAbstand * (index % spalten), KachelRand + KachelAbstand * (index / spalten)};
}

QString PositionsText(QPoint position) {
    return QString::number(position.x()) + QLatin1Char('x') + QString::number(position.y());
}

int KachelScrollBereich(int anzahl, int aussenBreite) {
    const int proZeile = std::max(1, aussenBreite / KachelGroesse);
    return (anzahl / proZeile + 1) * KachelAbstand;
}

} // namespace senvio
