#include "platform/Drucker.h"

#include "platform/Fehler.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>
#include <sys/socket.h>

namespace senvio {

namespace {

// A print server that takes the connection and never answers must not hold the run: every
// request and every write of the job gives up after this many seconds.
constexpr int Wartezeit = 10;

const QString KeineAntwort = QStringLiteral("Der Druckdienst (CUPS) antwortet nicht.");
const QString NichtErreichbar = QStringLiteral("Der Druckdienst (CUPS) ist nicht erreichbar.");

// One connection to the print service, closed with it.
class Verbindung {
public:
    Verbindung()
        : m_http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, Wartezeit * 1000,
                              nullptr)) {
        if (!m_http)
            throw Fehler(NichtErreichbar);
        httpSetTimeout(m_http, Wartezeit, &Verbindung::ZeitIstUm, this);
    }
    ~Verbindung() { httpClose(m_http); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    http_t* http() const { return m_http; }
    // The message for a request that failed: no answer in time, or the connection lost.
    QString Ausfall() const { return m_zeitUm ? KeineAntwort : NichtErreichbar; }
    bool ZeitUm() const { return m_zeitUm; }

private:
    static int ZeitIstUm(http_t*, void* selbst) {
        static_cast<Verbindung*>(selbst)->m_zeitUm = true;
        return 0; // give up the request
    }
    http_t* m_http;
    bool m_zeitUm = false;
};

struct ZielFrei {
    void operator()(cups_dest_t* ziel) const { cupsFreeDests(1, ziel); }
};
using Ziel = std::unique_ptr<cups_dest_t, ZielFrei>;

// The names of the printers and classes the service knows, in one request.
QStringList HoleDruckernamen(Verbindung& verbindung) {
    ipp_t* anfrage = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    ippAddString(anfrage, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr, "printer-name");
    ipp_t* antwort = cupsDoRequest(verbindung.http(), anfrage, "/");
    if (!antwort)
        throw Fehler(verbindung.Ausfall());
    QStringList namen;
    for (ipp_attribute_t* a = ippFirstAttribute(antwort); a; a = ippNextAttribute(antwort))
        if (ippGetName(a) && qstrcmp(ippGetName(a), "printer-name") == 0)
            namen << QString::fromUtf8(ippGetString(a, 0, nullptr));
    ippDelete(antwort);
    return namen;
}

} // namespace

QString Druckerfehlt(const QString& name, const QStringList& vorhandene) {
    const QString meldung = QStringLiteral("Den Drucker \"%1\" gibt es nicht.").arg(name);
    if (vorhandene.isEmpty())
        return meldung + QStringLiteral(" Es ist kein Drucker eingerichtet.");
    return meldung + QStringLiteral(" Eingerichtet sind: %1.").arg(vorhandene.join(QStringLiteral(", ")));
}

QString PruefeDrucker(const QString& name) {
    try {
        Verbindung verbindung;
        const QStringList namen = HoleDruckernamen(verbindung);
        // CUPS compares printer names without regard to case.
        if (!name.isEmpty() && namen.contains(name, Qt::CaseInsensitive))
            return {};
        return Druckerfehlt(name, namen);
    } catch (const Fehler& fehler) {
        return fehler.meldung();
    }
}

int GibAnDrucker(const QString& name, const QString& pdfDatei, const QString& titel) {
    Verbindung verbindung;
    const Ziel ziel(cupsGetNamedDest(verbindung.http(), name.toUtf8().constData(), nullptr));
    if (!ziel) {
        const QString grund = PruefeDrucker(name);
        throw Fehler(grund.isEmpty() ? verbindung.Ausfall() : grund);
    }
    cups_option_t* optionen = nullptr;
    int anzahl = 0;
    for (int i = 0; i < ziel->num_options; ++i)
        anzahl = cupsAddOption(ziel->options[i].name, ziel->options[i].value, anzahl, &optionen);
    // The cards are exact on A4: the printer must not fit the page to its printable area.
    anzahl = cupsAddOption("media", "A4", anzahl, &optionen);
    anzahl = cupsAddOption("print-scaling", "none", anzahl, &optionen);
    const int auftrag = cupsPrintFile2(verbindung.http(), ziel->name, QFile::encodeName(pdfDatei).constData(),
                                       titel.toUtf8().constData(), anzahl, optionen);
    cupsFreeOptions(anzahl, optionen);
    if (auftrag == 0 && verbindung.ZeitUm())
        throw Fehler(KeineAntwort);
    if (auftrag == 0)
        throw Fehler(QStringLiteral("Der Drucker \"%1\" hat den Druck nicht angenommen: %2")
                         .arg(name, QString::fromUtf8(cupsLastErrorString())));
    return auftrag;
}

} // namespace senvio
