#include "empfang/Abruf.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QTimer>

#include <memory>

namespace senvio {

namespace {

constexpr int Umleitungen = 5;     // same-host redirects followed, as a login path would need
constexpr int Nachfragezeit = 100; // how often a cancel is looked for while nothing arrives

struct Antwortloescher {
    void operator()(QNetworkReply* antwort) const { antwort->deleteLater(); }
};

bool GleicheGegenstelle(const QUrl& a, const QUrl& b) {
    const int standard = a.scheme() == QLatin1String("https") ? 443 : 80;
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(standard) == b.port(standard);
}

} // namespace

QUrl LeseEmpfaengeradresse(const QString& eingabe, int vorgabePort) {
    QString text = eingabe.trimmed();
    if (text.isEmpty())
        throw Abruffehler(Abrufgrund::Verbindung,
                          QStringLiteral("Bitte geben Sie den Namen oder die IP-Adresse des Receivers an."));
    if (!text.contains(QLatin1String("://")))
        text.prepend(QLatin1String("http://"));
    QUrl adresse(text, QUrl::StrictMode);
    const QString schema = adresse.scheme().toLower();
    if (!adresse.isValid() || adresse.host().isEmpty())
        throw Abruffehler(Abrufgrund::Verbindung,
                          QStringLiteral("„%1“ ist keine gültige Adresse. Geben Sie den Namen oder die IP-Adresse "
                                         "des Receivers an, etwa 192.168.178.20 oder vuplus:8080.")
                              .arg(eingabe.trimmed()));
    if (schema != QLatin1String("http") && schema != QLatin1String("https"))
        throw Abruffehler(Abrufgrund::Verbindung,
                          QStringLiteral("Senvio holt Senderlisten nur über http:// oder https://, nicht über %1://.")
                              .arg(adresse.scheme()));
    if (!adresse.userInfo().isEmpty())
        throw Abruffehler(Abrufgrund::Verbindung,
                          QStringLiteral("Benutzername und Passwort gehören nicht in die Adresse, sondern in ihre "
                                         "eigenen Felder."));
    adresse.setScheme(schema);
    if (adresse.port() < 0 && schema == QLatin1String("http"))
        adresse.setPort(vorgabePort);
    QString pfad = adresse.path();
    while (pfad.endsWith(u'/'))
        pfad.chop(1);
    adresse.setPath(pfad);
    adresse.setQuery(QString());
    adresse.setFragment(QString());
    return adresse;
}

QString Gegenstelle(const QUrl& basis) {
    const int standard = basis.scheme() == QLatin1String("https") ? 443 : 80;
    const QString host = basis.host().contains(u':') ? u'[' + basis.host() + u']' : basis.host();
    return basis.port(standard) == standard ? host : host + u':' + QString::number(basis.port());
}

Abruf::Abruf(QUrl basis, QString benutzer, QString passwort, QNetworkAccessManager* netz)
    : m_basis(std::move(basis)), m_benutzer(std::move(benutzer)), m_passwort(std::move(passwort)), m_netz(netz) {
    if (!m_netz) {
        m_netz = m_eigenesNetz = new QNetworkAccessManager;
        // A proxy of the desktop would see the request and the password: only the box does.
        m_eigenesNetz->setProxy(QNetworkProxy::NoProxy);
    }
}

Abruf::~Abruf() {
    delete m_eigenesNetz;
}

QByteArray Abruf::Hole(const QString& pfad) {
    QUrl adresse = m_basis;
    const qsizetype frage = pfad.indexOf(u'?');
    adresse.setPath(m_basis.path() + pfad.first(frage < 0 ? pfad.size() : frage));
    if (frage >= 0)
        adresse.setQuery(pfad.sliced(frage + 1), QUrl::StrictMode);
    return Sende(adresse, nullptr);
}

std::optional<QByteArray> Abruf::HoleFallsDa(const QString& pfad) {
    QUrl adresse = m_basis;
    const qsizetype frage = pfad.indexOf(u'?');
    adresse.setPath(m_basis.path() + pfad.first(frage < 0 ? pfad.size() : frage));
    if (frage >= 0)
        adresse.setQuery(pfad.sliced(frage + 1), QUrl::StrictMode);
    bool fehlt = false;
    QByteArray bytes = Sende(adresse, &fehlt);
    return fehlt ? std::nullopt : std::optional<QByteArray>(std::move(bytes));
}

std::optional<QByteArray> Abruf::HoleAdresse(const QUrl& adresse) {
    // A relative address is below the base's path ("imagecache/7" of a tvheadend under "/tvh").
    QUrl ordner = m_basis;
    ordner.setPath(m_basis.path() + u'/');
    const QUrl ziel = ordner.resolved(adresse);
    if (!ziel.isValid() || !GleicheGegenstelle(ziel, m_basis))
        return std::nullopt;
    bool fehlt = false;
    QByteArray bytes = Sende(ziel, &fehlt);
    return fehlt ? std::nullopt : std::optional<QByteArray>(std::move(bytes));
}

QByteArray Abruf::Sende(QUrl adresse, bool* fehlt) {
    const QString gegenstelle = Gegenstelle(m_basis);
    for (int umleitung = 0;; ++umleitung) {
        QNetworkRequest anfrage(adresse);
        anfrage.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        anfrage.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
        anfrage.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        const std::unique_ptr<QNetworkReply, Antwortloescher> antwort(m_netz->get(anfrage));
        QEventLoop schleife;
        QTimer stille;
        stille.setSingleShot(true);
        stille.setInterval(m_wartezeit);
        QTimer nachfrage;
        nachfrage.setInterval(Nachfragezeit);
        bool zeitUm = false, zuGross = false, abgebrochen = false, etwasErhalten = false;
        qint64 erhalten = 0, gesamt = -1;
        int anmeldungen = 0;
        QString tlsGrund;
        QNetworkReply* r = antwort.get();
        const auto pruefe = [&] {
            if (erhalten > GroessteAntwort || gesamt > GroessteAntwort) {
                zuGross = true;
                r->abort();
            } else if (m_fortschritt && !m_fortschritt(erhalten, gesamt)) {
                abgebrochen = true;
                r->abort();
            }
        };
        QObject::connect(r, &QNetworkReply::finished, &schleife, &QEventLoop::quit);
        QObject::connect(r, &QNetworkReply::metaDataChanged, &schleife, [&] {
            etwasErhalten = true;
            stille.start();
            gesamt = r->header(QNetworkRequest::ContentLengthHeader).toLongLong();
            gesamt = gesamt > 0 ? gesamt : -1;
            pruefe();
        });
        QObject::connect(r, &QNetworkReply::downloadProgress, &schleife, [&](qint64 n, qint64 g) {
            etwasErhalten = etwasErhalten || n > 0;
            stille.start();
            erhalten = n;
            gesamt = g;
            pruefe();
        });
        QObject::connect(&stille, &QTimer::timeout, &schleife, [&] {
            zeitUm = true;
            r->abort();
        });
        QObject::connect(&nachfrage, &QTimer::timeout, &schleife, pruefe);
        QObject::connect(m_netz, &QNetworkAccessManager::authenticationRequired, &schleife,
                         [&](QNetworkReply* welche, QAuthenticator* anmeldung) {
                             // Asked again for the same request: the box refused what was given.
                             if (welche != r || m_benutzer.isEmpty() || anmeldungen++ > 0)
                                 return;
                             anmeldung->setUser(m_benutzer);
                             anmeldung->setPassword(m_passwort);
                         });
        QObject::connect(r, &QNetworkReply::sslErrors, &schleife, [&](const QList<QSslError>& fehler) {
            tlsGrund = fehler.isEmpty() ? QString() : fehler.first().errorString();
        });
        stille.start();
        nachfrage.start();
        if (!r->isFinished())
            schleife.exec();
        if (abgebrochen)
            throw Abruffehler(Abrufgrund::Abgebrochen, QStringLiteral("Der Abruf wurde abgebrochen."));
        if (zeitUm && !etwasErhalten)
            throw Abruffehler(Abrufgrund::KeineAntwort, QStringLiteral("Keine Antwort von %1.").arg(gegenstelle));
        if (zeitUm)
            throw Abruffehler(Abrufgrund::Grenze,
                              QStringLiteral("Die Übertragung von %1 ist ins Stocken geraten; der Abruf wurde nach "
                                             "%2 Sekunden ohne Daten abgebrochen.")
                                  .arg(gegenstelle)
                                  .arg(QLocale(QLocale::German).toString(m_wartezeit / 1000.0)));
        if (zuGross)
            throw Abruffehler(Abrufgrund::Grenze, QStringLiteral("Die Antwort von %1 ist größer als 64 MiB; der "
                                                                 "Abruf wurde abgebrochen.")
                                                      .arg(gegenstelle));
        if (!tlsGrund.isEmpty() || r->error() == QNetworkReply::SslHandshakeFailedError)
            throw Abruffehler(Abrufgrund::Tls,
                              QStringLiteral("Der sicheren Verbindung zu %1 kann Senvio nicht trauen (%2). Der "
                                             "Abruf wurde abgebrochen; geben Sie die Adresse mit http:// an, wenn "
                                             "der Receiver kein gültiges Zertifikat hat.")
                                  .arg(gegenstelle, tlsGrund.isEmpty() ? r->errorString() : tlsGrund));
        const int status = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 401 || r->error() == QNetworkReply::AuthenticationRequiredError) {
            if (m_benutzer.isEmpty())
                throw Abruffehler(Abrufgrund::AnmeldungNoetig,
                                  QStringLiteral("%1 verlangt einen Benutzernamen und ein Passwort.").arg(gegenstelle),
                                  401);
            throw Abruffehler(Abrufgrund::AnmeldungFalsch, QStringLiteral("Benutzername oder Passwort falsch."), 401);
        }
        if (status >= 300 && status < 400) {
            const QUrl ziel = adresse.resolved(r->header(QNetworkRequest::LocationHeader).toUrl());
            if (!ziel.isValid() || !GleicheGegenstelle(ziel, m_basis))
                throw Abruffehler(Abrufgrund::Umleitung,
                                  QStringLiteral("%1 leitet die Anfrage an %2 weiter. Senvio fragt keinen anderen "
                                                 "Rechner als den angegebenen.")
                                      .arg(gegenstelle, ziel.isValid() ? Gegenstelle(ziel) : QStringLiteral("?")),
                                  status);
            if (umleitung >= Umleitungen)
                throw Abruffehler(Abrufgrund::Umleitung,
                                  QStringLiteral("%1 leitet die Anfrage immer wieder um.").arg(gegenstelle), status);
            adresse = ziel;
            continue;
        }
        if (status == 404 && fehlt) {
            *fehlt = true;
            return {};
        }
        if (status >= 400)
            throw Abruffehler(Abrufgrund::HttpFehler,
                              QStringLiteral("%1 antwortet auf %2 mit dem Fehler %3 (%4).")
                                  .arg(gegenstelle, adresse.path())
                                  .arg(status)
                                  .arg(r->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()),
                              status);
        switch (r->error()) {
        case QNetworkReply::NoError:
            return r->readAll();
        case QNetworkReply::ConnectionRefusedError:
            throw Abruffehler(Abrufgrund::Verbindung,
                              QStringLiteral("%1 lehnt die Verbindung ab. Stimmen Adresse und Port, und ist der "
                                             "Receiver eingeschaltet?")
                                  .arg(gegenstelle));
        case QNetworkReply::HostNotFoundError:
            throw Abruffehler(
                Abrufgrund::Verbindung,
                QStringLiteral("Den Rechner %1 gibt es im Netz nicht. Stimmt die Adresse?").arg(m_basis.host()));
        default:
            throw Abruffehler(
                Abrufgrund::Verbindung,
                QStringLiteral("Die Verbindung zu %1 ist gescheitert: %2.").arg(gegenstelle, r->errorString()));
        }
    }
}

} // namespace senvio
