#include "Fehler.h"

namespace senvio {

Fehler::Fehler(const QString& meldung) : Meldungsfehler(meldung.toStdString()), m_meldung(meldung) {}

DateiFehler::DateiFehler(Art art, const QString& pfad, int fehlernummer)
    : Fehler(QString::fromStdString(DateiMeldung(art, pfad.toStdString(), fehlernummer))), m_art(art), m_pfad(pfad) {}

} // namespace senvio
