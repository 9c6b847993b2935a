#include "app/KlickeMaus.h"

#include "app/MachPause.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace senvio {

namespace {

void Sende(QWidget* ziel, QEvent::Type art, QPoint punkt, Qt::MouseButton taste, Qt::MouseButtons gedrueckt) {
    QMouseEvent ereignis(art, QPointF(ziel->mapFromGlobal(punkt)), QPointF(punkt), taste, gedrueckt,
                         QGuiApplication::keyboardModifiers());
    QApplication::sendEvent(ziel, &ereignis);
}

} // namespace

void KlickeMaus(int x, int y, Qt::MouseButtons tasten, TMachPause& pause) {
    if (tasten == Qt::NoButton)
        return;
    const QPoint vorher = QCursor::pos();
    const QPoint punkt(x, y);
    QCursor::setPos(punkt);
    for (const Qt::MouseButton taste : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (!(tasten & taste))
            continue;
        // The press may close or delete the widget; the release then goes nowhere.
        QPointer<QWidget> ziel = QApplication::widgetAt(punkt);
        if (!ziel)
            continue;
        Sende(ziel, QEvent::MouseButtonPress, punkt, taste, taste);
        if (ziel)
            Sende(ziel, QEvent::MouseButtonRelease, punkt, taste, Qt::NoButton);
    }
    pause.Warte(100);
    QCursor::setPos(vorher);
}

} // namespace senvio
