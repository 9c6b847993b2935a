#include "logos/Kachellogos.h"

#include "logos/Kachelbild.h"
#include "logos/Kachelgeometrie.h"
#include "nebenlauf/GeordneteArbeit.h"
#include "zwischenspeicher/Logozwischenspeicher.h"
#include "view/PngBild.h"

namespace senvio {

QImage MacheKachellogo(const QString& pfad) noexcept {
    try {
        return VorbereitetesLogo(pfad, "kachel", QSize(KachelGroesse, KachelGroesse),
                                 [](const QString& datei) { return SkaliereKachellogo(LeseLogodatei(datei)); });
    } catch (...) {
        return {}; // out of memory: the tile says "FEHLER" like an unreadable file
    }
}

void ErstelleKachellogos(const QStringList& pfade, const std::function<void(int, const QImage&)>& fertig) {
    // When `fertig` throws, the workers stop after the file in hand.
    GeordneteArbeit<QImage> arbeit(Kerne());
    for (const QString& pfad : pfade)
        arbeit.Gib([pfad] { return MacheKachellogo(pfad); });
    for (int i = 0; i < int(pfade.size()); ++i)
        fertig(i, arbeit.Naechstes());
}

} // namespace senvio
