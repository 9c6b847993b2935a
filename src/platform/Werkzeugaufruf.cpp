#include "platform/Werkzeugaufruf.h"

#include "platform/Ordner.h"
#include "platform/Startordner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

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
    const QCommandLineOption benutzer(QStringLiteral("benutzerordner"));
    const QCommandLineOption hilfe(QStringList{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("hilfe")});
    const QCommandLineOption ohneZwischenspeicher(QStringLiteral("ohne-zwischenspeicher"));
    leser.addOptions(QList<QCommandLineOption>{ordner, benutzer, hilfe, ohneZwischenspeicher} + eigene);
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
    aufruf.benutzerordner = leser.isSet(benutzer);
    if (aufruf.benutzerordner && leser.isSet(ordner)) {
        aufruf.fehler = QStringLiteral("--benutzerordner und --programmordner schließen einander aus.");
        return false;
    }
    return true;
}

Werkzeugordner WaehleWerkzeugordner(const Werkzeugaufruf& aufruf, const QString& arbeitsordner,
                                    const QString& heimordner, const QString& hilfe) {
    if (!aufruf.programmOrdner.isEmpty())
        return {QDir::cleanPath(QDir(arbeitsordner).absoluteFilePath(aufruf.programmOrdner)), {}, {}};
    if (aufruf.benutzerordner) {
        const BenutzerordnerEinrichtung einrichtung = RichteBenutzerordnerEin(heimordner, hilfe);
        return {einrichtung.ordner, {}, einrichtung.fehler};
    }
    const QString benutzer = BenutzerordnerIn(heimordner);
    if (!QFileInfo(ProgrammOrdner(arbeitsordner).listen).isDir() &&
        QFileInfo(ProgrammOrdner(benutzer).listen).isDir()) {
        const QString heim = QDir::cleanPath(heimordner);
        QString gezeigt = QDir::cleanPath(benutzer);
        if (gezeigt.startsWith(heim + u'/'))
            gezeigt = u'~' + gezeigt.mid(heim.size());
        return {benutzer, QStringLiteral("Programmordner: ") + gezeigt, {}};
    }
    return {arbeitsordner, {}, {}};
}

std::optional<ProgrammOrdner> WerkzeugordnerDesLaufs(const Werkzeugaufruf& aufruf, const QString& programm,
                                                     QTextStream& fehler) {
    const Werkzeugordner wahl = WaehleWerkzeugordner(aufruf, QDir::currentPath(), QDir::homePath(),
                                                     MitgelieferteHilfe(QCoreApplication::applicationDirPath(), {}));
    if (!wahl.fehler.isEmpty()) {
        fehler << programm << ": " << wahl.fehler << '\n';
        return std::nullopt;
    }
    if (!wahl.hinweis.isEmpty())
        fehler << wahl.hinweis << '\n';
    return ProgrammOrdner(wahl.ordner);
}

} // namespace senvio
