#include "logos/Kachelbild.h"

#include "logos/Kachelgeometrie.h"
#include "view/Logobild.h"
#include "view/PngBild.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace senvio {

namespace {

const QSize Arbeitsflaeche(311, 324);
// The frame lies on tile rows and columns 1 and 95; the logo keeps 3 of 96 tile pixels clear
// of each edge, so that the frame covers none of a wide or tall logo: 10 of the box's 311
// columns and 11 of its 324 rows (3 × 324 / 96 = 10.1 rounded up).
const QRect Logoflaeche(10, 11, 311 - 2 * 10, 324 - 2 * 11);

// Inverts a one-pixel frame under a black pen in not-xor mode: every pixel once,
// so the corners are inverted like the sides.
void ZeichneRahmen(QImage& kachel) {
    QPainter maler(&kachel);
    maler.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    const int ende = KachelGroesse - 1;
    maler.fillRect(QRect(1, 1, ende, 1), Qt::black);
    maler.fillRect(QRect(1, ende, ende, 1), Qt::black);
    maler.fillRect(QRect(1, 2, 1, ende - 2), Qt::black);
    maler.fillRect(QRect(ende, 2, 1, ende - 2), Qt::black);
}

void SchreibeFehler(QImage& kachel) {
    QPainter maler(&kachel);
    QFont schrift(QStringLiteral("MS Sans Serif"));
    schrift.setPointSize(8);
    maler.setFont(schrift);
    maler.setPen(QColor(255, 0, 0));
    const QString text = QStringLiteral("FEHLER");
    const QFontMetrics masse(schrift, &kachel);
    const int x = (KachelGroesse - masse.horizontalAdvance(text)) / 2;
    const int y = (KachelGroesse - masse.height()) / 2;
    maler.drawText(x, y + masse.ascent(), text);
}

} // namespace

QRect EingepassterBereich(QSize bild, QSize kasten) {
    const qint64 w = bild.width(), h = bild.height(), W = kasten.width(), H = kasten.height();
    if (w <= 0 || h <= 0)
        return {};
    if (w * H >= W * h) {
        const int hoehe = int(std::lround(double(W * h) / double(w)));
        return {0, int(H - hoehe) / 2, int(W), hoehe};
    }
    const int breite = int(std::lround(double(H * w) / double(h)));
    return {int(W - breite) / 2, 0, breite, int(H)};
}

QImage PasseBildEin(const QImage& bild, QSize kasten) {
    QImage ergebnis(kasten, QImage::Format_RGB32);
    ergebnis.fill(Qt::white);
    const QRect bereich = EingepassterBereich(bild.size(), kasten);
    if (bereich.isEmpty())
        return ergebnis;
    QPainter maler(&ergebnis);
    maler.drawImage(bereich.topLeft(), bild.scaled(bereich.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    return ergebnis;
}

QImage SkaliereKachellogo(const DekodiertesLogo& logo) {
    if (logo.bild.isNull())
        return {};
    const QRect bereich = EingepassterBereich(logo.bild.size(), Logoflaeche.size()).translated(Logoflaeche.topLeft());
    return SkaliereLogoImKasten(logo, Arbeitsflaeche, bereich, QSize(KachelGroesse, KachelGroesse));
}

QImage ErstelleKachelbild(const QImage& kachellogo) {
    QImage kachel = kachellogo;
    if (kachel.isNull()) {
        kachel = QImage(KachelGroesse, KachelGroesse, QImage::Format_RGB32);
        kachel.fill(Qt::white);
        SchreibeFehler(kachel);
    }
    ZeichneRahmen(kachel);
    return kachel;
}

} // namespace senvio
