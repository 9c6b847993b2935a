#pragma once

class QEvent;
class QObject;

namespace senvio {

class TMainForm;

// Sees every event of the application before it is delivered: the mouse wheel moves
// the list's selection like the arrow keys, keys scroll the logo grid while it is
// shown (and go nowhere else), and F1 opens the help.
class NachrichtenFilter {
public:
    explicit NachrichtenFilter(TMainForm& haupt);
    // True when the event is dropped.
    bool Pruefe(QObject* empfaenger, QEvent* ereignis);

private:
    bool Mausrad(QEvent* ereignis);
    bool Taste(QEvent* ereignis);

    TMainForm& m_haupt;
};

} // namespace senvio
