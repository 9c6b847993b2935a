#include "Druckaufruf.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>

namespace senvio {

namespace {

constexpr std::array<std::pair<const char*, Ausgabeart>, 5> Modi{{
    {"oben", Ausgabeart::ObenGeheftet},
    {"links", Ausgabeart::LinksGeheftet},
    {"doppel", Ausgabeart::Doppelhuellen},
    {"jpeg", Ausgabeart::BildJpeg},
    {"png", Ausgabeart::BildPng},
}};

} // namespace

QString Druckanleitung() {
    return QStringLiteral(
        "Aufruf: senvio-druck [--programmordner ORDNER | --benutzerordner]\n"
        "                    [--modus oben|links|doppel|jpeg|png] [--ohne-zwischenspeicher]\n"
        "                    LISTE…\n"
        "\n"
        "Druckt Senvio-Listen ohne Fenster, wie die Befehle der Menüs \"Drucken\" und\n"
        "\"Liste speichern als Bild\", und gibt den Pfad jeder geschriebenen Datei aus.\n"
        "\n"
        "  --programmordner ORDNER  der Programmordner mit \"Senvio-Listen\", den Logos und\n"
        "                           \"senvio.ini\" (Vorgabe: das Arbeitsverzeichnis, oder ~/Senvio,\n"
        "                           wenn dort \"Senvio-Listen\" liegt und im Arbeitsverzeichnis nicht)\n"
        "  --benutzerordner         der eigene Programmordner ~/Senvio, den auch das Programm\n"
        "                           aus dem Anwendungsmenü nimmt\n"
        "  --modus oben             für DIN A6 Klarsicht Einfachhülle oben geheftet (PDF)\n"
        "  --modus links            für DIN A6 Klarsicht Einfachhülle links geheftet (PDF)\n"
        "  --modus doppel           für DIN A6 Klarsicht Doppelhüllen (PDF, die Vorgabe)\n"
        "  --modus jpeg             als JPEG-Datei\n"
        "  --modus png              als PNG-Datei\n"
        "  --ohne-zwischenspeicher  die Logos aus den Dateien neu berechnen, ohne die\n"
        "                           vorbereiteten Bilder im Zwischenspeicher\n"
        "  LISTE                    der Name einer Liste im Ordner \"Senvio-Listen\" oder der\n"
        "                           Pfad einer .lis-Datei\n"
        "\n"
        "Die Dateien entstehen im Ordner \"Senvio-Listen\" unter dem Namen der Liste.\n");
}

Druckaufruf LeseDruckaufruf(const QStringList& argumente) {
    Druckaufruf aufruf;
    QCommandLineParser leser;
    const QCommandLineOption modus(QStringLiteral("modus"), QString(), QStringLiteral("MODUS"));
    if (!LeseWerkzeugaufruf(leser, QStringLiteral("senvio-druck"), {modus}, argumente, aufruf))
        return aufruf;
    if (leser.isSet(modus)) {
        const QString wert = leser.value(modus);
        bool bekannt = false;
        for (const auto& [name, art] : Modi) {
            if (wert == QLatin1String(name)) {
                aufruf.art = art;
                bekannt = true;
            }
        }
        if (!bekannt) {
            aufruf.fehler =
                QStringLiteral("Unbekannter Modus \"%1\": erlaubt sind oben, links, doppel, jpeg und png.").arg(wert);
            return aufruf;
        }
    }
    aufruf.listen = leser.positionalArguments();
    if (aufruf.listen.isEmpty())
        aufruf.fehler = QStringLiteral("Es ist keine Liste angegeben.");
    return aufruf;
}

QString ListendateiZu(const QString& argument, const QString& startOrdner, const QString& listenOrdner) {
    if (argument.contains(u'/') || argument.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive))
        return QDir::cleanPath(QDir(startOrdner).absoluteFilePath(argument));
    return listenOrdner + argument + QStringLiteral(".lis");
}

QString ListennameVon(const QString& listendatei) {
    QString name = QFileInfo(listendatei).fileName();
    if (name.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

} // namespace senvio
