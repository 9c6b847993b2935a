#include "platform/Drucker.h"

#include "platform/Fehler.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

namespace senvio {

namespace {

struct ZielFrei {
    void operator()(cups_dest_t* ziel) const { cupsFreeDests(1, ziel); }
};
using Ziel = std::unique_ptr<cups_dest_t, ZielFrei>;

Ziel Hole(const QString& name) {
    return Ziel(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr));
}

QString Grund() {
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

QString PruefeDrucker(const QString& name) {
    if (!name.isEmpty() && Hole(name))
        return {};
    QString meldung = QStringLiteral("Den Drucker \"%1\" gibt es nicht.").arg(name);
    // Without a print service no printer is known; the user is told so.
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        meldung += QStringLiteral(" Der Druckdienst CUPS ist nicht erreichbar (%1).").arg(Grund());
    return meldung;
}

int GibAnDrucker(const QString& name, const QString& pdfDatei, const QString& titel) {
    const Ziel ziel = Hole(name);
    if (!ziel)
        throw Fehler(PruefeDrucker(name));
    cups_option_t* optionen = nullptr;
    int anzahl = 0;
    for (int i = 0; i < ziel->num_options; ++i)
        anzahl = cupsAddOption(ziel->options[i].name, ziel->options[i].value, anzahl, &optionen);
    // The cards are exact on A4: the printer must not fit the page to its printable area.
    anzahl = cupsAddOption("media", "A4", anzahl, &optionen);
    anzahl = cupsAddOption("print-scaling", "none", anzahl, &optionen);
    const int auftrag = cupsPrintFile(ziel->name, QFile::encodeName(pdfDatei).constData(), titel.toUtf8().constData(),
                                      anzahl, optionen);
    cupsFreeOptions(anzahl, optionen);
    if (auftrag == 0)
        throw Fehler(QStringLiteral("Der Drucker \"%1\" hat den Druck nicht angenommen: %2").arg(name, Grund()));
    return auftrag;
}

} // namespace senvio
