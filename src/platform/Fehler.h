#pragma once

#include "basis/Dateimeldung.h"

#include <QString>
#include <stdexcept>

namespace senvio {

// An error that ends the running command; its German text is shown by the
// application's error box. what() gives the same text in UTF-8.
class Fehler : public Meldungsfehler {
public:
    explicit Fehler(const QString& meldung);
    const QString& meldung() const noexcept { return m_meldung; }

private:
    QString m_meldung;
};

// The file layer's error: a file that cannot be created/written or opened/read.
class DateiFehler : public Fehler {
public:
    using Art = DateiFehlerArt;

    // The reason comes from the error number of the call that failed (DateiMeldung): made
    // right after it, the error takes errno.
    DateiFehler(Art art, const QString& pfad, int fehlernummer = errno);

    static DateiFehler NichtErstellt(const QString& pfad, int fehlernummer = errno) {
        return {Art::NichtErstellt, pfad, fehlernummer};
    }
    static DateiFehler NichtGeoeffnet(const QString& pfad, int fehlernummer = errno) {
        return {Art::NichtGeoeffnet, pfad, fehlernummer};
    }

    Art art() const noexcept { return m_art; }
    const QString& pfad() const noexcept { return m_pfad; }

private:
    Art m_art;
    QString m_pfad;
};

} // namespace senvio
