#include "Fehler.h"

namespace senvio {

Fehler::Fehler(const QString& meldung) : std::runtime_error(meldung.toStdString()), m_meldung(meldung) {}

static QString DateiMeldung(DateiFehler::Art art, const QString& pfad) {
    const QString muster = art == DateiFehler::Art::NichtErstellt
                               ? QStringLiteral("Datei %1 kann nicht erstellt werden")
                               : QStringLiteral("Datei %1 kann nicht geöffnet werden");
    return muster.arg(pfad);
}

DateiFehler::DateiFehler(Art art, const QString& pfad) : Fehler(DateiMeldung(art, pfad)), m_art(art), m_pfad(pfad) {}

} // namespace senvio
