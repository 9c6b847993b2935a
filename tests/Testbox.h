#pragma once

// A box on the home network as the tests need it: an HTTP server on 127.0.0.1 in a thread of
// its own (so that a tool run as a process can ask it while the test waits), serving recorded
// answers by path, with Basic login, silent and stalling answers, and a record of every request.
#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QMap>
#include <QMutex>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrl>

namespace senvio::test {

class Testbox {
public:
    enum class Verhalten { Normal, Still, Stockt };
    struct Antwort {
        int status = 200;
        QByteArray inhalt;
        QByteArray kopf; // further header lines, each ending in "\r\n"
        Verhalten verhalten = Verhalten::Normal;
        qint64 laenge = -1; // the Content-Length announced, where it is not the content's
    };

    Testbox() {
        // The server's thread needs an application object: a test program without one gets it here.
        static int argc = 1;
        static char* argv[] = {const_cast<char*>("tests"), nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        m_faden.start();
        m_kontext->moveToThread(&m_faden);
        QMetaObject::invokeMethod(
            m_kontext,
            [this] {
                m_server = new QTcpServer;
                m_server->listen(QHostAddress::LocalHost);
                m_port = m_server->serverPort();
                QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] {
                    while (QTcpSocket* s = m_server->nextPendingConnection())
                        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { Lies(s); });
                });
            },
            Qt::BlockingQueuedConnection);
    }
    ~Testbox() {
        QMetaObject::invokeMethod(
            m_kontext, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
        m_faden.quit();
        m_faden.wait();
        delete m_kontext;
    }

    // The answer to a path with its query, percent-decoded ("/api/getservices?sRef=1:7:…").
    void Setze(const QString& pfad, Antwort antwort) {
        const QMutexLocker sperre(&m_sperre);
        m_antworten.insert(pfad, std::move(antwort));
    }
    void Setze(const QString& pfad, const QByteArray& inhalt) { Setze(pfad, Antwort{200, inhalt, {}, {}, -1}); }
    // Every request needs Basic login with these.
    void VerlangeAnmeldung(const QByteArray& benutzer, const QByteArray& passwort) {
        const QMutexLocker sperre(&m_sperre);
        m_anmeldung = "Basic " + (benutzer + ':' + passwort).toBase64();
    }
    // The paths asked for with the login, in order, and the requests that named another host than this.
    QStringList Anfragen() const {
        const QMutexLocker sperre(&m_sperre);
        return m_anfragen;
    }
    int FremdeHosts() const {
        const QMutexLocker sperre(&m_sperre);
        return m_fremdeHosts;
    }
    QString Adresse() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }

private:
    void Lies(QTcpSocket* s) {
        QByteArray& puffer = m_puffer[s];
        puffer += s->readAll();
        // A TLS greeting gets what a plain HTTP server answers to it.
        if (puffer.startsWith('\x16')) {
            s->write("HTTP/1.1 400 Bad Request\r\nConnection: close\r\n\r\n");
            return s->disconnectFromHost();
        }
        const qsizetype ende = puffer.indexOf("\r\n\r\n");
        if (ende < 0)
            return;
        const QList<QByteArray> zeilen = puffer.first(ende).split('\n');
        puffer.clear();
        const QString pfad = QUrl::fromPercentEncoding(zeilen[0].split(' ').value(1));
        const auto kopf = [&](const QByteArray& name) {
            for (const QByteArray& zeile : zeilen)
                if (zeile.startsWith(name))
                    return zeile.mid(name.size()).trimmed();
            return QByteArray();
        };
        const QMutexLocker sperre(&m_sperre);
        m_fremdeHosts += kopf("Host:") != Adresse().toLatin1();
        Antwort antwort = m_antworten.value(pfad, Antwort{404, "nicht da", {}, {}, -1});
        if (!m_anmeldung.isEmpty() && kopf("Authorization:") != m_anmeldung)
            antwort = {401, "<html>Anmeldung</html>", "WWW-Authenticate: Basic realm=\"Box\"\r\n", {}, -1};
        else
            m_anfragen << pfad;
        if (antwort.verhalten == Verhalten::Still)
            return;
        const bool stockt = antwort.verhalten == Verhalten::Stockt;
        s->write(
            "HTTP/1.1 " + QByteArray::number(antwort.status) +
            (antwort.status == 500 ? " Internal Server Error" : " -") + "\r\nContent-Length: " +
            QByteArray::number(antwort.laenge >= 0 ? antwort.laenge : antwort.inhalt.size() + (stockt ? 1000 : 0)) +
            "\r\nConnection: close\r\n" + antwort.kopf + "\r\n" + antwort.inhalt);
        if (!stockt)
            s->disconnectFromHost();
    }
    QThread m_faden;
    QObject* m_kontext = new QObject;
    QTcpServer* m_server = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_sperre;
    QHash<QString, Antwort> m_antworten;
    QByteArray m_anmeldung;
    QStringList m_anfragen;
    int m_fremdeHosts = 0;
    QHash<QTcpSocket*, QByteArray> m_puffer;
};

} // namespace senvio::test

namespace senvio::test {

// A receiver's bouquet set as it lies in /etc/enigma2: two TV channels, an invisible
// placeholder, a regional channel, and radio numbered on its own.
inline QMap<QString, QByteArray> Bouquetsatz() {
    const auto verweis = [](const char* datei) {
        return "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"" + QByteArray(datei) + "\" ORDER BY bouquet\n";
    };
    return {
        {QStringLiteral("bouquets.tv"), "#NAME Bouquets (TV)\n" + verweis("userbouquet.favourites.tv")},
        {QStringLiteral("bouquets.radio"), "#NAME Bouquets (Radio)\n" + verweis("userbouquet.favourites.radio")},
        {QStringLiteral("userbouquet.favourites.tv"), "#NAME Favoriten (TV)\n#SERVICE 1:0:19:283D:3FB:1:C00000:0:0:0:\n"
                                                      "#SERVICE 1:0:19:2B66:3F3:1:C00000:0:0:0:\n"
                                                      "#SERVICE 1:832:D:0:0:0:0:0:0:0:\n"
                                                      "#SERVICE 1:0:19:6F:D:85:C00000:0:0:0:\n"},
        {QStringLiteral("userbouquet.favourites.radio"), "#NAME Favoriten (Radio)\n"
                                                         "#SERVICE 1:0:2:6E0D:445:1:C00000:0:0:0:\n"},
        {QStringLiteral("lamedb"), "eDVB services /4/\ntransponders\n00c00000:03fb:0001\n"
                                   "\ts 11494000:22000000:1:2:192:2:0\n/\nend\nservices\n"
                                   "283d:00c00000:03fb:0001:25:0\nDas Erste HD\np:ARD\n"
                                   "2b66:00c00000:03f3:0001:25:0\nZDF HD\np:ZDF\n"
                                   "006f:00c00000:000d:0085:25:0\nBR Fernsehen S\xC3\xBC\x64 HD\np:ARD\n"
                                   "6e0d:00c00000:0445:0001:2:0\nBayern 1\np:ARD\nend\n"},
    };
}

// A picon as boxes keep them: 800 × 450, transparent around the logo.
inline QByteArray TestPicon() {
    QImage bild(800, 450, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QByteArray png;
    QBuffer puffer(&png);
    bild.save(&puffer, "PNG");
    return png;
}

// The same set served as the box's file download gives it.
inline void ServiereBouquetsatz(Testbox& box) {
    const QMap<QString, QByteArray> satz = Bouquetsatz();
    for (auto datei = satz.begin(); datei != satz.end(); ++datei)
        box.Setze(QStringLiteral("/file?file=/etc/enigma2/") + datei.key(), datei.value());
}

} // namespace senvio::test
