#include "platform/Werkzeugaufruf.h"

#include <QCommandLineParser>

#include <malloc.h>

namespace senvio {

void BehalteFreienSpeicher() {
    // Below 32 MiB (glibc's largest) from the heap, and the heap's top kept up to 512 MiB.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

bool LeseWerkzeugaufruf(QCommandLineParser& leser, const QString& programm, const QList<QCommandLineOption>& eigene,
                        const QStringList& argumente, Werkzeugaufruf& aufruf) {
    leser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ordner(QStringLiteral("programmordner"), QString(), QStringLiteral("ORDNER"));
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")});
    const QCommandLineOption ohneZwischenspeicher(QStringLiteral("ohne-zwischenspeicher"));
    leser.addOptions(QList<QCommandLineOption>{ordner, hilfe, ohneZwischenspeicher} + eigene);
    if (!leser.parse(QStringList{programm} + argumente)) {
        aufruf.fehler = leser.errorText();
        return false;
    }
    if (leser.isSet(hilfe)) {
        aufruf.hilfe = true;
        return false;
    }
    aufruf.ohneZwischenspeicher = leser.isSet(ohneZwischenspeicher);
    aufruf.programmOrdner = leser.value(ordner);
    if (leser.isSet(ordner) && aufruf.programmOrdner.isEmpty()) {
        aufruf.fehler = QStringLiteral("Der Programmordner ist leer.");
        return false;
    }
    return true;
}

} // namespace senvio
