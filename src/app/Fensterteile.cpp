#include "app/Fensterteile.h"

#include <QPainter>
#include <QPixmap>

namespace senvio {

QIcon ProgrammSymbol() {
    QPixmap bild(64, 64);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(40, 40, 40), 3));
    maler.drawLine(22, 4, 32, 14);
    maler.drawLine(42, 4, 32, 14);
    maler.setBrush(QColor(40, 40, 40));
    maler.drawRoundedRect(4, 14, 56, 44, 8, 8);
    maler.setBrush(QColor(0, 162, 232));
    maler.setPen(Qt::NoPen);
    maler.drawRoundedRect(9, 19, 46, 34, 4, 4);
    maler.setBrush(Qt::white);
    for (int zeile = 0; zeile < 3; ++zeile) {
        maler.drawRect(14, 24 + 9 * zeile, 6, 5);
        maler.drawRect(23, 24 + 9 * zeile, 26, 5);
    }
    return QIcon(bild);
}

QSize SchmaleMenueleiste::sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& inhalt,
                                           const QWidget* widget) const {
    QSize groesse = QProxyStyle::sizeFromContents(art, option, inhalt, widget);
    if (art == CT_MenuBarItem)
        groesse.rwidth() = inhalt.width() + 8;
    return groesse;
}

int SchmaleMenueleiste::pixelMetric(PixelMetric mass, const QStyleOption* option, const QWidget* widget) const {
    if (mass == PM_MenuBarItemSpacing || mass == PM_MenuBarHMargin)
        return 2;
    return QProxyStyle::pixelMetric(mass, option, widget);
}

} // namespace senvio
