#include "list/Umordnung.h"

namespace senvio {

std::optional<int> TastenZiel(int aktuell, qsizetype anzahl, bool nachOben) {
    if (aktuell < 0 || aktuell >= anzahl)
        return std::nullopt;
    const int ziel = nachOben ? aktuell - 1 : aktuell + 1;
    if (ziel < 0 || ziel >= anzahl)
        return std::nullopt;
    return ziel;
}

} // namespace senvio
