#include "app/MachPause.h"

#include <QCoreApplication>
#include <QTimer>

namespace senvio {

TMachPause::TMachPause(QObject* eltern) : QObject(eltern), m_timer(new QTimer(this)) {
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] { m_fertig = true; });
}

int TMachPause::Interval() const {
    return m_timer->interval();
}

void TMachPause::Warte(int millisekunden) {
    if (millisekunden <= 0)
        return;
    if (millisekunden != m_timer->interval())
        m_timer->setInterval(millisekunden);
    m_fertig = false;
    m_timer->start();
    while (!m_fertig)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    m_timer->stop();
}

} // namespace senvio
