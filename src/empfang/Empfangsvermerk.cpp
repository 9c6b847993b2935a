#include "empfang/Empfangsvermerk.h"

namespace senvio {

namespace {

// The words of the sources file for tvheadend's ways.
const QString WiedergabelisteWort = QStringLiteral("Wiedergabeliste");
const QString KanalrasterWort = QStringLiteral("Kanalraster");

} // namespace

Quellenwahl MitReceiver(Quellenwahl wahl, const Receiverabruf* abruf) {
    if (!abruf)
        return wahl;
    const Tvheadendweg weg = abruf->fund.weg;
    wahl.receiver = {abruf->ziel.adresse, Artkennung(abruf->fund.art), abruf->ziel.benutzer,
                     weg == Tvheadendweg::Kanalraster       ? KanalrasterWort
                     : weg == Tvheadendweg::Wiedergabeliste ? WiedergabelisteWort
                                                            : QString()};
    return wahl;
}

Empfangsziel ZielDesReceivers(const GemerkterReceiver& receiver) {
    Empfangsziel ziel;
    ziel.adresse = receiver.adresse;
    ziel.art = LeseEmpfaengerart(receiver.art).value_or(Empfaengerart::Automatisch);
    ziel.benutzer = receiver.benutzer;
    ziel.weg = receiver.weg == KanalrasterWort       ? Tvheadendweg::Kanalraster
               : receiver.weg == WiedergabelisteWort ? Tvheadendweg::Wiedergabeliste
                                                     : Tvheadendweg::Unbekannt;
    return ziel;
}

} // namespace senvio
