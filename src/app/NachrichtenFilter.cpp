#include "app/NachrichtenFilter.h"

#include "app/MainForm.h"
#include "list/NameEingabe.h"
#include "list/TextlistenForm.h"
#include "logos/SuchForm.h"
#include "view/ListenAnsicht.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

namespace senvio {

NachrichtenFilter::NachrichtenFilter(TMainForm& haupt) : m_haupt(haupt) {}

bool NachrichtenFilter::Pruefe(QObject* empfaenger, QEvent* ereignis) {
    // Window-level copies of input events are forwarded to a widget; act on that one.
    if (!empfaenger->isWidgetType())
        return false;
    if (ereignis->type() == QEvent::Wheel)
        return Mausrad(ereignis);
    if (ereignis->type() == QEvent::KeyPress)
        return Taste(ereignis);
    return false;
}

bool NachrichtenFilter::Mausrad(QEvent* ereignis) {
    if (!m_haupt.Panel2->isVisibleTo(&m_haupt))
        return false;
    const Nebenfenster& fenster = m_haupt.Fenster();
    if (!(fenster.textliste && fenster.textliste->isVisible()))
        m_haupt.Listbox1->setFocus();
    const auto* rad = static_cast<QWheelEvent*>(ereignis);
    const int taste = rad->angleDelta().y() > 0 ? Qt::Key_Up : Qt::Key_Down;
    if (QWidget* ziel = QApplication::focusWidget()) {
        QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
        QApplication::sendEvent(ziel, &druck);
    }
    return true;
}

bool NachrichtenFilter::Taste(QEvent* ereignis) {
    const Nebenfenster& fenster = m_haupt.Fenster();
    if ((fenster.suche && fenster.suche->isVisible()) || (fenster.nameEingabe && fenster.nameEingabe->isVisible()))
        return false;
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    if (m_haupt.Panel1->isVisibleTo(&m_haupt)) {
        m_haupt.ScrolleLogos(taste);
        return true;
    }
    if (taste == Qt::Key_F1)
        m_haupt.HilfeClick();
    return false;
}

} // namespace senvio
