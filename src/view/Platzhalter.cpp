#include "Platzhalter.h"

#include "PngBild.h"

#include <QFile>
#include <array>

// The resources of a static library must be registered by hand, and the macro works
// only outside a namespace.
static void LadePlatzhalterRessourcen() {
    Q_INIT_RESOURCE(platzhalter);
}

namespace senvio {

namespace {

QImage LadePlatzhalterbild(int k) {
    QFile datei(QStringLiteral(":/platzhalter/OhneImage%1.png").arg(k));
    QImage bild = datei.open(QIODevice::ReadOnly) ? DekodierePng(datei.readAll()) : QImage();
    if (bild.size() != QSize(200, 100)) {
        // Cannot happen with the resources built in; a white picture keeps the promised size.
        bild = QImage(200, 100, QImage::Format_RGB32);
        bild.fill(Qt::white);
    }
    return bild;
}

std::array<QImage, AnzahlPlatzhalterbilder> LadePlatzhalterbilder() {
    LadePlatzhalterRessourcen();
    std::array<QImage, AnzahlPlatzhalterbilder> bilder;
    for (int k = 0; k < AnzahlPlatzhalterbilder; ++k) {
        bilder[k] = LadePlatzhalterbild(k);
    }
    return bilder;
}

} // namespace

const QImage& Platzhalterbild(int k) {
    static const std::array<QImage, AnzahlPlatzhalterbilder> bilder = LadePlatzhalterbilder();
    return bilder[(k >= 0 && k < AnzahlPlatzhalterbilder) ? k : 0];
}

} // namespace senvio
