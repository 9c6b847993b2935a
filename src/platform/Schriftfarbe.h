#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace senvio {

// A font of this face at a size in pixels, as the window's controls have it.
inline QFont Schrift(const QString& name, int pixel, bool fett = false) {
    QFont schrift(name);
    schrift.setPixelSize(pixel);
    schrift.setBold(fett);
    return schrift;
}

// Gives a control a font and the colour of its text: plain text, window text and button
// text, so that fields, labels, lists and tick boxes alike show it.
inline void SetzeSchriftUndFarbe(QWidget& widget, const QFont& schrift, const QColor& farbe) {
    widget.setFont(schrift);
    QPalette farben = widget.palette();
    for (QPalette::ColorRole rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        farben.setColor(rolle, farbe);
    widget.setPalette(farben);
}

} // namespace senvio
