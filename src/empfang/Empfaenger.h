#pragma once

#include "empfang/Abruf.h"
#include "import/Importquelle.h"

#include <QHash>
#include <QUrl>

class QNetworkAccessManager;

// The channel list of a box on the home network, fetched over HTTP and read by the same
// readers as the files copied off it: an Enigma2 receiver with its web interface, a cable
// router with a DVB-C tuner, a tvheadend server.
namespace senvio {

enum class Empfaengerart { Automatisch, Enigma2, Router, Tvheadend };

// How a tvheadend gave its channels: its playlist and its channel grid give a channel
// other references, so an update asks the way the list came first.
enum class Tvheadendweg { Unbekannt, Wiedergabeliste, Kanalraster };

// "Enigma2", "Kabel-Router", "tvheadend", "Automatisch erkennen".
QString Artname(Empfaengerart art);
// The kind named on the command line: "enigma2", "router", "tvheadend" (any letter case).
std::optional<Empfaengerart> LeseEmpfaengerart(const QString& text);
// The kind as LeseEmpfaengerart reads it: "enigma2", "router", "tvheadend", "automatisch".
QString Artkennung(Empfaengerart art);

struct Empfangsziel {
    QString adresse; // as typed: host or IP, optional port, optional http:// or https://
    Empfaengerart art = Empfaengerart::Automatisch;
    QString benutzer;
    QString passwort;     // held in memory only
    int wartezeit = 5000; // milliseconds without a byte before a request is given up
    // Automatic detection gives each kind at most this long to answer.
    int erkennungszeit = 2000;
    Tvheadendweg weg = Tvheadendweg::Unbekannt; // asked first; the other where it gives nothing
};

struct Empfangsfund {
    ImportFund fund;
    Empfaengerart art = Empfaengerart::Automatisch; // the kind that answered
    QUrl basis;                                     // the address used
    Tvheadendweg weg = Tvheadendweg::Unbekannt;     // a tvheadend's way that gave the list
    // The logo the box offers for a channel, by the channel's reference: its address on
    // the box, or for an Enigma2 the picon names to try in order.
    QHash<QString, QStringList> logos;
};

// The box asked, and what it gave: its logos are fetched from it after the list.
struct Receiverabruf {
    Empfangsziel ziel;
    Empfangsfund fund;
};

// Fetches the channel list. "Automatisch" tries Enigma2, then the router, then tvheadend,
// each within `erkennungszeit`; a box that asks for a login or refuses the one given ends
// the search. Throws Abruffehler with a German message; nothing is written anywhere.
Empfangsfund HoleSenderliste(const Empfangsziel& ziel, const Abruffortschritt& fortschritt = {},
                             QNetworkAccessManager* netz = nullptr);

// The logos of the channels with these references (those imported), from the same box:
// PNG bytes by reference, only for channels the box names a logo of; missing ones are
// skipped. Throws Abruffehler as HoleSenderliste (a logo that fails otherwise is skipped).
QHash<QString, QByteArray> HoleLogos(const Empfangsziel& ziel, const Empfangsfund& fund, const QStringList& referenzen,
                                     const Abruffortschritt& fortschritt = {}, QNetworkAccessManager* netz = nullptr);

} // namespace senvio
