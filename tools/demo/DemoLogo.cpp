#include "DemoLogo.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <array>

namespace senvio::demo {

namespace {

struct Farbpaar {
    QColor grund;
    QColor schrift;
};

const std::array<QSize, 8> Groessen = {QSize(400, 100), QSize(200, 200), QSize(300, 150), QSize(160, 120),
                                       QSize(256, 256), QSize(220, 80),  QSize(120, 160), QSize(350, 200)};

const std::array<Farbpaar, 8> Farben = {{{QColor(200, 30, 45), Qt::white},
                                         {QColor(20, 90, 170), Qt::white},
                                         {QColor(250, 190, 20), QColor(40, 40, 40)},
                                         {QColor(30, 140, 70), Qt::white},
                                         {QColor(120, 40, 150), Qt::white},
                                         {QColor(240, 110, 20), Qt::white},
                                         {QColor(0, 150, 160), Qt::white},
                                         {QColor(60, 60, 70), QColor(250, 200, 30)}}};

// The short name as large as fits into the field, centred.
void ZeichneKuerzel(QPainter& maler, const QRectF& feld, const QString& kuerzel, const QColor& farbe) {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setBold(true);
    int pixel = int(feld.height() * 0.6);
    schrift.setPixelSize(pixel);
    while (pixel > 8 && QFontMetricsF(schrift).horizontalAdvance(kuerzel) > feld.width() * 0.85) {
        schrift.setPixelSize(--pixel);
    }
    maler.setFont(schrift);
    maler.setPen(farbe);
    maler.drawText(feld, Qt::AlignCenter, kuerzel);
}

// A band at the top and one at the bottom, on white; the name goes between them.
void ZeichneBaender(QPainter& maler, const QRectF& r, const Farbpaar& f) {
    maler.fillRect(r, Qt::white);
    const qreal band = r.height() / 5;
    maler.fillRect(QRectF(0, 0, r.width(), band), f.grund);
    maler.fillRect(QRectF(0, r.height() - band, r.width(), band), f.grund.darker(140));
}

} // namespace

QImage ZeichneDemoLogo(const QString& kuerzel, int nummer) {
    const QSize groesse = Groessen[size_t(nummer) % Groessen.size()];
    const Farbpaar f = Farben[size_t(nummer * 3 + nummer / 8) % Farben.size()];
    QImage bild(groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    const QRectF r(0, 0, groesse.width(), groesse.height());
    const qreal rund = std::min(r.width(), r.height()) * 0.2;

    switch (nummer % 5) {
    case 0: // a rounded sign on a transparent ground
        maler.setBrush(f.grund);
        maler.drawRoundedRect(r.adjusted(2, 2, -2, -2), rund, rund);
        ZeichneKuerzel(maler, r, kuerzel, f.schrift);
        break;
    case 1: { // a disc on a transparent ground
        const qreal d = std::min(r.width(), r.height()) - 4;
        const QRectF kreis(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
        maler.setBrush(f.grund);
        maler.drawEllipse(kreis);
        ZeichneKuerzel(maler, kreis.adjusted(d * 0.1, d * 0.2, -d * 0.1, -d * 0.2), kuerzel, f.schrift);
        break;
    }
    case 2: // bands on white
        ZeichneBaender(maler, r, f);
        ZeichneKuerzel(maler, r.adjusted(0, r.height() / 5, 0, -r.height() / 5), kuerzel, f.grund.darker(120));
        break;
    case 3: // a frame on white
        maler.fillRect(r, Qt::white);
        maler.setPen(QPen(f.grund, std::max<qreal>(4, r.height() / 16)));
        maler.drawRoundedRect(r.adjusted(6, 6, -6, -6), rund, rund);
        ZeichneKuerzel(maler, r.adjusted(12, 12, -12, -12), kuerzel, f.grund);
        break;
    default: { // letters on a transparent ground over a half-transparent bar
        QColor balken = f.grund;
        balken.setAlpha(110);
        maler.setBrush(balken);
        maler.drawRoundedRect(QRectF(0, r.height() * 0.6, r.width(), r.height() * 0.3), rund / 2, rund / 2);
        ZeichneKuerzel(maler, r, kuerzel, f.grund);
        break;
    }
    }
    return bild;
}

} // namespace senvio::demo
