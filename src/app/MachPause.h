#pragma once

#include <QObject>

class QTimer;

namespace senvio {

// A wait that keeps the window messages flowing: Warte returns after the given time,
// running every event that comes meanwhile in a nested loop.
class TMachPause : public QObject {
    Q_OBJECT
public:
    explicit TMachPause(QObject* eltern = nullptr);
    int Interval() const;
    // A time of 0 or less returns at once: the timer would never fire.
    void Warte(int millisekunden);

private:
    QTimer* m_timer;
    bool m_fertig = false;
};

} // namespace senvio
