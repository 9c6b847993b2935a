#pragma once

#include "platform/Fehler.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;

// Plain HTTP(S) requests to the one box the user named, waited for in a local event loop:
// every answer is checked (size, time, redirects, login, TLS) before anything reads it.
namespace senvio {

// Larger answers are aborted: no channel list or logo of a box comes near this.
inline constexpr qint64 GroessteAntwort = qint64(64) << 20;

// Why a request failed; the message of the error says it in German.
enum class Abrufgrund {
    KeineAntwort,    // nothing came within the time
    Verbindung,      // refused, unknown host, network down
    AnmeldungNoetig, // the box asks for user and password and none were given
    AnmeldungFalsch, // the box refused the user and password given
    HttpFehler,      // a status other than 2xx
    Umleitung,       // a redirect to another host
    Unerwartet,      // an answer that is not what the kind of box gives
    Grenze,          // too large, or stalled
    Tls,             // the secure connection could not be trusted
    Abgebrochen,     // the user cancelled
};

class Abruffehler : public Fehler {
public:
    Abruffehler(Abrufgrund grund, const QString& meldung, int status = 0)
        : Fehler(meldung), m_grund(grund), m_status(status) {}
    Abrufgrund grund() const noexcept { return m_grund; }
    int status() const noexcept { return m_status; } // the HTTP status, 0 for none
private:
    Abrufgrund m_grund;
    int m_status;
};

// Told the bytes received so far and the expected total (-1 unknown); returns false to cancel.
using Abruffortschritt = std::function<bool(qint64 erhalten, qint64 gesamt)>;

// The address as the user typed it ("vuplus", "192.168.1.20:8080", "http://box/",
// "https://[fd00::1]:443"): scheme http unless https is given, the port as given or the
// default one. Throws Abruffehler (Verbindung) for an address that names no host, carries a
// user name, or has another scheme.
QUrl LeseEmpfaengeradresse(const QString& eingabe, int vorgabePort);

// The host and, where it is not the scheme's default, the port: what messages name.
QString Gegenstelle(const QUrl& basis);

class Abruf {
public:
    // `basis`: scheme, host and port (and a path prefix) of the box. `netz`: a manager to
    // send through (tests record its requests); else one of the Abruf's own, without proxy.
    Abruf(QUrl basis, QString benutzer, QString passwort, QNetworkAccessManager* netz = nullptr);
    ~Abruf();
    Abruf(const Abruf&) = delete;
    Abruf& operator=(const Abruf&) = delete;

    // The answer to GET of `pfad` (with its query) below the base. Throws Abruffehler.
    QByteArray Hole(const QString& pfad);
    // The same, but nothing when the box says the file is not there (404).
    std::optional<QByteArray> HoleFallsDa(const QString& pfad);
    // An address given by the box (a logo's): fetched only when it is on the same host, port
    // and scheme as the base; nothing for any other.
    std::optional<QByteArray> HoleAdresse(const QUrl& adresse);

    // How long a request may pass without a byte before it is given up (5 s).
    void SetzeWartezeit(int millisekunden) { m_wartezeit = millisekunden; }
    void SetzeFortschritt(Abruffortschritt fortschritt) { m_fortschritt = std::move(fortschritt); }
    const QUrl& Basis() const { return m_basis; }
    bool MitAnmeldung() const { return !m_benutzer.isEmpty(); }

private:
    QByteArray Sende(QUrl adresse, bool* fehlt);
    QUrl m_basis;
    QString m_benutzer;
    QString m_passwort;
    QNetworkAccessManager* m_netz;
    QNetworkAccessManager* m_eigenesNetz = nullptr;
    int m_wartezeit = 5000;
    Abruffortschritt m_fortschritt;
};

} // namespace senvio
