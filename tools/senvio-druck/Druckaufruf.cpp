#include "Druckaufruf.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <array>
#include <utility>

namespace senvio {

namespace {

constexpr std::array<std::pair<const char*, Ausgabeart>, 6> Modi{{
    {"oben", Ausgabeart::ObenGeheftet},
    {"links", Ausgabeart::LinksGeheftet},
    {"doppel", Ausgabeart::Doppelhuellen},
    {"gross", Ausgabeart::Grossdruck},
    {"jpeg", Ausgabeart::BildJpeg},
    {"png", Ausgabeart::BildPng},
}};

} // namespace

QString Druckanleitung() {
    return QStringLiteral(
        "Aufruf: senvio-druck [--programmordner ORDNER | --benutzerordner]\n"
        "                    [--modus oben|links|doppel|gross|jpeg|png] [--ohne-zwischenspeicher]\n"
        "                    [--druckdatei DATEI.pdf | --drucker NAME] [--start-karte N]\n"
        "                    [--nur-geaenderte] [--rueckseite] LISTE…\n"
        "\n"
        "Druckt Senvio-Listen ohne Fenster, wie die Befehle der Menüs \"Drucken\" und\n"
        "\"Liste speichern als Bild\" und \"Datei\" › \"Drucken...\", und gibt den Pfad jeder\n"
        "geschriebenen Datei aus.\n"
        "\n"
        "  --programmordner ORDNER  der Programmordner mit \"Senvio-Listen\", den Logos und\n"
        "                           \"senvio.ini\" (Vorgabe: das Arbeitsverzeichnis, oder ~/Senvio,\n"
        "                           wenn dort \"Senvio-Listen\" liegt und im Arbeitsverzeichnis nicht)\n"
        "  --benutzerordner         der eigene Programmordner ~/Senvio, den auch das Programm\n"
        "                           aus dem Anwendungsmenü nimmt\n"
        "  --modus oben             für DIN A6 Klarsicht Einfachhülle oben geheftet (PDF)\n"
        "  --modus links            für DIN A6 Klarsicht Einfachhülle links geheftet (PDF)\n"
        "  --modus doppel           für DIN A6 Klarsicht Doppelhüllen (PDF, die Vorgabe)\n"
        "  --modus gross            Großdruck, 10 Sender je Karte (nur mit --druckdatei oder\n"
        "                           --drucker)\n"
        "  --modus jpeg             als JPEG-Datei\n"
        "  --modus png              als PNG-Datei\n"
        "  --ohne-zwischenspeicher  die Logos aus den Dateien neu berechnen, ohne die\n"
        "                           vorbereiteten Bilder im Zwischenspeicher\n"
        "  --druckdatei DATEI.pdf   druckt direkt in diese PDF-Datei: A4, jede Karte genau\n"
        "                           105 × 148 mm, Namen als Text (eine Liste)\n"
        "  --drucker NAME           druckt ebenso direkt auf den CUPS-Drucker NAME\n"
        "  --start-karte N          beim direkten Druck: das erste Blatt ab Karte N (1 bis 4)\n"
        "  --nur-geaenderte         nur die Karten, die sich seit dem letzten Druck auf Papier\n"
        "                           durch \"Liste aktualisieren\" geändert haben (ohne solche: alle)\n"
        "  --rueckseite             beim Großdruck: hinter jedes Blatt die Rückseiten \"So geht's\"\n"
        "                           der Liste, für den beidseitigen Druck an der langen Kante\n"
        "  LISTE                    der Name einer Liste im Ordner \"Senvio-Listen\" oder der\n"
        "                           Pfad einer .lis-Datei\n"
        "\n"
        "Die Dateien entstehen im Ordner \"Senvio-Listen\" unter dem Namen der Liste.\n");
}

namespace {

// The direct print's options: a print mode, one list for one file, start card 1 to 4.
QString PruefeDirektdruck(const QCommandLineParser& leser, const QCommandLineOption& start, Druckaufruf& aufruf) {
    const bool direkt = !aufruf.druckdatei.isEmpty() || !aufruf.drucker.isEmpty();
    if (!aufruf.druckdatei.isEmpty() && !aufruf.drucker.isEmpty())
        return QStringLiteral("--druckdatei und --drucker schließen einander aus.");
    if (direkt && !IstDirektdruckmodus(aufruf.art))
        return QStringLiteral("Direkt gedruckt werden nur die Modi oben, links, doppel und gross.");
    if (!direkt && aufruf.art == Ausgabeart::Grossdruck)
        return QStringLiteral("Der Großdruck wird nur direkt gedruckt: mit --druckdatei oder --drucker.");
    if (aufruf.rueckseite && aufruf.art != Ausgabeart::Grossdruck)
        return QStringLiteral("--rueckseite gilt nur mit --modus gross.");
    if (aufruf.nurGeaenderte && !IstDruckmodus(aufruf.art))
        return QStringLiteral("--nur-geaenderte gilt nur für die Modi oben, links und doppel.");
    if (!aufruf.druckdatei.isEmpty() && aufruf.listen.size() > 1)
        return QStringLiteral("Mit --druckdatei ist genau eine Liste anzugeben.");
    if (!leser.isSet(start))
        return {};
    if (!direkt)
        return QStringLiteral("--start-karte gilt nur mit --druckdatei oder --drucker.");
    bool zahl = false;
    aufruf.startKarte = leser.value(start).toInt(&zahl);
    if (!zahl || aufruf.startKarte < 1 || aufruf.startKarte > 4)
        return QStringLiteral("Die Startkarte \"%1\" gibt es nicht: erlaubt sind 1 bis 4.").arg(leser.value(start));
    return {};
}

} // namespace

Druckaufruf LeseDruckaufruf(const QStringList& argumente) {
    Druckaufruf aufruf;
    QCommandLineParser leser;
    const QCommandLineOption modus(QStringLiteral("modus"), QString(), QStringLiteral("MODUS"));
    const QCommandLineOption druckdatei(QStringLiteral("druckdatei"), QString(), QStringLiteral("DATEI"));
    const QCommandLineOption drucker(QStringLiteral("drucker"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption start(QStringLiteral("start-karte"), QString(), QStringLiteral("N"));
    const QCommandLineOption nurGeaenderte(QStringLiteral("nur-geaenderte"));
    const QCommandLineOption rueckseite(QStringLiteral("rueckseite"));
    if (!LeseWerkzeugaufruf(leser, QStringLiteral("senvio-druck"),
                            {modus, druckdatei, drucker, start, nurGeaenderte, rueckseite},
                            argumente, aufruf))
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
                QStringLiteral("Unbekannter Modus \"%1\": erlaubt sind oben, links, doppel, gross, jpeg und png.")
                    .arg(wert);
            return aufruf;
        }
    }
    aufruf.listen = leser.positionalArguments();
    aufruf.druckdatei = leser.value(druckdatei);
    aufruf.drucker = leser.value(drucker);
    aufruf.nurGeaenderte = leser.isSet(nurGeaenderte);
    aufruf.rueckseite = leser.isSet(rueckseite);
    if (leser.isSet(druckdatei) && aufruf.druckdatei.isEmpty())
        aufruf.fehler = QStringLiteral("Der Pfad nach --druckdatei ist leer.");
    else if (leser.isSet(drucker) && aufruf.drucker.isEmpty())
        aufruf.fehler = QStringLiteral("Der Name nach --drucker ist leer.");
    else if (aufruf.listen.isEmpty())
        aufruf.fehler = QStringLiteral("Es ist keine Liste angegeben.");
    else
        aufruf.fehler = PruefeDirektdruck(leser, start, aufruf);
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
