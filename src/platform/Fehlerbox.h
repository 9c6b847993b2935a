#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace senvio {

inline const QString AnwendungsTitel = QStringLiteral("Senvio-Liste");

// The error box for an error no command caught: titled with the application title,
// the message with a full stop; the program goes on.
void ZeigeUnbehandeltenFehler(const std::exception& fehler);

// Runs a command; an error it throws ends it and is shown in the error box.
void FuehreAus(const std::function<void()>& befehl);

} // namespace senvio
