#pragma once

#include <QString>

// The demo program folder: what the start script hands to Senvio when nothing else is there.
namespace senvio::demo {

inline const QString DemoListenname = QStringLiteral("Meine Astra Liste");

// Makes the program folder "ziel": the logo library "TV und Radio Sender Logos" with
// four groups of drawn logos; "Senvio-Listen" with the sample list, copies of its logos
// in "Sender-Logos" and the station names file "Sendernamen.txt"; "senvio.ini" naming
// the list; a copy of the help document `hilfe` as "Senvio-Hilfe.pdf". Everything is
// put together beside "ziel" and renamed into place at the end, so a failure leaves no
// half-made folder. Refuses a "ziel" that exists and is not an empty folder. Throws
// Fehler with a German message.
void ErstelleDemoOrdner(const QString& ziel, const QString& hilfe);

} // namespace senvio::demo
