#pragma once

#include <QApplication>

#include <exception>
#include <functional>

namespace senvio {

inline const QString AnwendungsTitel = QStringLiteral("Senvio-Liste");

// The error box for an error no command caught: titled with the application title,
// the message with a full stop; the program goes on.
void ZeigeUnbehandeltenFehler(const std::exception& fehler);

// Runs a command; an error it throws ends it and is shown in the error box.
void FuehreAus(const std::function<void()>& befehl);

// The application: every event handler's uncaught error ends up in the error box,
// and the message filter sees every event once before it is delivered (a key event
// passed on to the parents of its receiver is not seen again).
class SenvioAnwendung : public QApplication {
public:
    using Filter = std::function<bool(QObject* empfaenger, QEvent* ereignis)>;
    SenvioAnwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
    // The filter returns true to drop the event.
    void SetzeNachrichtenFilter(Filter filter) { m_filter = std::move(filter); }

private:
    Filter m_filter;
};

} // namespace senvio
