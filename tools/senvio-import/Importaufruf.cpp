#include "Importaufruf.h"

#include <QCommandLineParser>

namespace senvio {

QString Importanleitung() {
    return QStringLiteral("Aufruf: senvio-import [--programmordner ORDNER] [--anhaengen] [--gruppe NAME]…\n"
                          "                     [--ohne-doppelte] [--logos] LISTE QUELLE…\n"
                          "\n"
                          "Liest die Senderliste eines Empfängers (M3U-Wiedergabeliste, Bouquets eines\n"
                          "Satellitenempfängers, channels.conf eines Videorekorders, Referenzliste eines\n"
                          "Senderlisteneditors) und schreibt sie als Senvio-Liste LISTE, nummeriert wie im\n"
                          "Programm. Ausgegeben werden die Zahl der Einträge und der Pfad der Liste.\n"
                          "\n"
                          "  --programmordner ORDNER  der Programmordner mit \"Senvio-Listen\" (Vorgabe: das\n"
                          "                           Arbeitsverzeichnis)\n"
                          "  --anhaengen              die Sender an die Liste anhängen; ohne diese Angabe darf\n"
                          "                           es die Liste noch nicht geben\n"
                          "  --gruppe NAME            nur die Sender dieser Gruppe oder dieses Bouquets\n"
                          "                           (mehrfach möglich; Vorgabe: alle)\n"
                          "  --ohne-doppelte          jeden Sender nur einmal übernehmen; derselbe Sender ist\n"
                          "                           einer mit gleichem Namen, auch mit „HD“ am Ende, oder\n"
                          "                           mit gleicher Kennung in der Quelle\n"
                          "  --logos                  den Einträgen die eindeutig gefundenen Logos geben;\n"
                          "                           genannt wird, wie viele Vorschläge zum Prüfen bleiben\n"
                          "  LISTE                    der Name der Liste im Ordner \"Senvio-Listen\", ohne .lis\n"
                          "  QUELLE                   eine Datei oder ein Bouquet-Ordner; mehrere werden in der\n"
                          "                           angegebenen Reihenfolge gelesen\n");
}

Importaufruf LeseImportaufruf(const QStringList& argumente) {
    Importaufruf aufruf;
    QCommandLineParser leser;
    const QCommandLineOption anhaengen(QStringLiteral("anhaengen"));
    const QCommandLineOption gruppe(QStringLiteral("gruppe"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption ohneDoppelte(QStringLiteral("ohne-doppelte"));
    const QCommandLineOption logos(QStringLiteral("logos"));
    if (!LeseWerkzeugaufruf(leser, QStringLiteral("senvio-import"), {anhaengen, gruppe, ohneDoppelte, logos}, argumente,
                            aufruf))
        return aufruf;
    aufruf.anhaengen = leser.isSet(anhaengen);
    aufruf.ohneDoppelte = leser.isSet(ohneDoppelte);
    aufruf.logos = leser.isSet(logos);
    aufruf.gruppen = leser.values(gruppe);
    QStringList rest = leser.positionalArguments();
    if (rest.size() < 2) {
        aufruf.fehler = rest.isEmpty() ? QStringLiteral("Es ist keine Liste angegeben.")
                                       : QStringLiteral("Es ist keine Quelle angegeben.");
        return aufruf;
    }
    aufruf.liste = rest.takeFirst();
    aufruf.quellen = rest;
    return aufruf;
}

} // namespace senvio
