#pragma once

#include "platform/Fehlerbox.h"

#include <QApplication>

#include <exception>
#include <functional>

namespace senvio {

// The application: every event handler's uncaught error ends up in the error box,
// and the message filter sees every event once before it is delivered (a key event
// passed on to the parents of its receiver is not seen again).
class SenvioAnwendung : public QApplication {
public:
    using Filter = std::function<bool(QObject* empfaenger, QEvent* ereignis)>;
    SenvioAnwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;
    // The filter returns true to drop the event; there is one application, so one filter.
    static void SetzeNachrichtenFilter(Filter filter) { s_filter = std::move(filter); }

private:
    static inline Filter s_filter;
};

} // namespace senvio
