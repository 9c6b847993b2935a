#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT (a shutdown, a logout without session manager, Ctrl+C in
// a terminal) reach the program as a Qt signal in its event loop: the handler only
// writes the signal's number into a pipe, so the list is saved outside of it.
namespace senvio {

class Endesignale : public QObject {
    Q_OBJECT
public:
    // One per process: the handlers stay installed until it is destroyed.
    explicit Endesignale(QObject* eltern = nullptr);
    ~Endesignale() override;

signals:
    void Empfangen(int signal);

private:
    void LiesSignale();
    QSocketNotifier* m_melder = nullptr;
};

} // namespace senvio
