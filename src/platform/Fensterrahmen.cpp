#include "platform/Fensterrahmen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace senvio {

namespace {

// Follows the window's frame: it is read from the window when it is shown, whenever it is
// moved or resized (a window manager that frames a window usually moves its client), and
// after it is painted or activated.
class Rahmenwaechter : public QObject {
public:
    Rahmenwaechter(QWidget& fenster, QSize aussen, bool fest)
        : QObject(&fenster), m_fenster(fenster), m_fest(fest), m_rahmen(Rahmen()) {
        SetzeInnen(aussen - m_rahmen);
        fenster.installEventFilter(this);
    }

    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt != &m_fenster)
            return false;
        switch (ereignis->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            FolgeDemRahmen();
            break;
        // A manager that frames the window without moving it is seen at the first paint
        // or activation; the window is resized after that event, not within it.
        case QEvent::Paint:
        case QEvent::WindowActivate:
            QMetaObject::invokeMethod(this, &Rahmenwaechter::FolgeDemRahmen, Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return false;
    }

private:
    void FolgeDemRahmen() {
        // A hidden window has no frame to follow; it keeps the one it had when shown again.
        if (!m_fenster.isVisible())
            return;
        const QSize rahmen = Rahmen();
        if (rahmen == m_rahmen)
            return;
        const QSize innen = m_fenster.size() + m_rahmen - rahmen;
        m_rahmen = rahmen;
        SetzeInnen(innen);
    }

    // What the frame adds to the client area; nothing before the window is shown.
    QSize Rahmen() const {
        return m_fenster.isVisible() ? m_fenster.frameGeometry().size() - m_fenster.size() : QSize(0, 0);
    }
    void SetzeInnen(QSize innen) {
        if (m_fest)
            m_fenster.setFixedSize(innen);
        else
            m_fenster.resize(innen);
    }

    QWidget& m_fenster;
    bool m_fest;
    QSize m_rahmen;
};

} // namespace

void SetzeAussengroesse(QWidget& fenster, QSize aussen, bool fest) {
    new Rahmenwaechter(fenster, aussen, fest);
}

void StelleUeber(QWidget& dialog, QWidget& fenster) {
    QRect ziel(QPoint(), dialog.frameGeometry().size());
    ziel.moveCenter(fenster.window()->frameGeometry().center());
    dialog.move(ziel.topLeft());
    dialog.winId(); // the native window, to tie it to the main window's
    if (QWindow* eigenes = dialog.windowHandle())
        eigenes->setTransientParent(fenster.window()->windowHandle());
}

QPoint MitteDesSchirms(QSize aussen) {
    const QScreen* schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return {};
    return schirm->availableGeometry().center() - QRect(QPoint(), aussen).center();
}

} // namespace senvio
