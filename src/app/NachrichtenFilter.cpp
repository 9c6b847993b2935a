#include "app/NachrichtenFilter.h"

#include "list/BearbeitenForm.h"
#include "list/NameEingabe.h"
#include "list/TextlistenForm.h"
#include "logos/GrossImageForm.h"
#include "logos/SuchForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

#include <cstdlib>

namespace senvio {

NachrichtenFilter::NachrichtenFilter(const Nebenfenster& fenster) : m_fenster(fenster) {}

bool NachrichtenFilter::Pruefe(QObject* empfaenger, QEvent* ereignis) {
    // Window-level copies of input events are forwarded to a widget; act on that one.
    if (!empfaenger->isWidgetType())
        return false;
    if (ereignis->type() != QEvent::Wheel && ereignis->type() != QEvent::KeyPress)
        return false;
    // Message boxes and file dialogs run as the desktop's own dialogs and keep their keys.
    if (!IstEigenesFenster(static_cast<QWidget*>(empfaenger)->window()))
        return false;
    if (ereignis->type() == QEvent::Wheel)
        return Mausrad(empfaenger, ereignis);
    if (ereignis->type() == QEvent::KeyPress)
        return Taste(ereignis, static_cast<QWidget*>(empfaenger)->window());
    return false;
}

bool NachrichtenFilter::IstEigenesFenster(const QWidget* fenster) const {
    const Nebenfenster& f = m_fenster;
    for (const QWidget* eigenes :
         {m_haupt->Fensterwidget(), static_cast<const QWidget*>(&f.nameEingabe),
          static_cast<const QWidget*>(&f.bearbeiten), static_cast<const QWidget*>(&f.textliste),
          static_cast<const QWidget*>(&f.grossBild), static_cast<const QWidget*>(&f.suche)})
        if (fenster == eigenes)
            return true;
    return false;
}

bool NachrichtenFilter::Mausrad(QObject* empfaenger, QEvent* ereignis) {
    const auto* rad = static_cast<QWheelEvent*>(ereignis);
    if (m_haupt->IstLogoModus()) {
        // The grid scrolls for the wheel over the main window; other windows keep theirs.
        if (static_cast<QWidget*>(empfaenger)->window() != m_haupt->Fensterwidget())
            return false;
        m_haupt->DreheRaster(rad->angleDelta().y());
        return true;
    }
    if (!m_haupt->IstListenModus())
        return false;
    // Horizontal swipes and the empty end of a gesture reach no whole notch: nothing moves.
    const int rasten = m_listenRad.Zaehle(rad->angleDelta().y());
    if (rasten == 0)
        return true;
    if (!m_fenster.textliste.isVisible())
        m_haupt->FokussiereListe();
    QWidget* ziel = QApplication::focusWidget();
    if (!ziel)
        return true;
    // Ctrl moves the selected entry of the list; other controls get the plain arrow keys.
    const Qt::KeyboardModifiers tasten =
        m_haupt->IstListenansicht(ziel) ? rad->modifiers() & Qt::ControlModifier : Qt::KeyboardModifiers();
    const int taste = rasten > 0 ? Qt::Key_Up : Qt::Key_Down;
    for (int i = 0; i < std::abs(rasten); ++i) {
        QKeyEvent druck(QEvent::KeyPress, taste, tasten);
        QApplication::sendEvent(ziel, &druck);
    }
    return true;
}

bool NachrichtenFilter::Taste(QEvent* ereignis, const QWidget* fenster) {
    if (m_fenster.suche.isVisible() || m_fenster.nameEingabe.isVisible())
        return false;
    const int taste = static_cast<QKeyEvent*>(ereignis)->key();
    if (m_haupt->IstLogoModus()) {
        // The edit dialog and the station picker keep their keys while the logos show.
        if (fenster != m_haupt->Fensterwidget())
            return false;
        m_haupt->ScrolleRaster(taste);
        return true;
    }
    if (taste == Qt::Key_F1)
        m_haupt->ZeigeHilfe();
    return false;
}

} // namespace senvio
