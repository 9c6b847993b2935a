#include "Importaufruf.h"

#include <QCommandLineParser>

namespace senvio {

QString Importanleitung() {
    return QStringLiteral("Aufruf: senvio-import [--programmordner ORDNER | --benutzerordner] [--anhaengen]\n"
                          "                     [--gruppe NAME]…\n"
                          "                     [--mit-doppelten] [--radio-mitnehmen] [--bouquet-ab-1]\n"
                          "                     [--logos] [--ohne-zwischenspeicher] LISTE QUELLE…\n"
                          "       senvio-import --aktualisieren [--meine-reihenfolge]\n"
                          "                     [--neue ans-ende|weglassen] [--fehlende entfernen|behalten]\n"
                          "                     [--trotzdem] [weitere Angaben wie oben] LISTE [QUELLE…]\n"
                          "       senvio-import [Angaben wie oben] [--aktualisieren] --receiver ADRESSE\n"
                          "                     [--art enigma2|router|tvheadend] [--benutzer NAME] LISTE\n"
                          "       senvio-import --gruppen QUELLE…\n"
                          "       senvio-import --gruppen --receiver ADRESSE [--art …] [--benutzer NAME]\n"
                          "\n"
                          "Liest die Senderliste eines Empfängers (M3U-Wiedergabeliste, Bouquets eines\n"
                          "Satellitenempfängers, channels.conf eines Videorekorders, Referenzliste eines\n"
                          "Senderlisteneditors) oder eines Fernsehers (die Datei, die er auf einen USB-Stick\n"
                          "exportiert) und schreibt sie als Senvio-Liste LISTE, nummeriert wie im\n"
                          "Programm. Ausgegeben werden je Liste die Zahl der Einträge und ihr Pfad.\n"
                          "\n"
                          "Mit --gruppen werden nur die Gruppen der Quellen genannt, je Zeile eine mit der\n"
                          "Zahl ihrer Fernseh- und Radiosender (\"Kabel: 65 TV, 75 Radio\").\n"
                          "\n"
                          "Mit --aktualisieren wird die vorhandene Liste LISTE nach einem neuen Sendersuchlauf\n"
                          "auf den Stand der Quellen gebracht: Namen, Logos und Platzhalter der Einträge\n"
                          "bleiben erhalten. Ausgegeben werden die Zahlen der unveränderten, neu nummerierten,\n"
                          "umbenannten, neuen und nicht mehr empfangbaren Sender und die geänderten Karten.\n"
                          "Ohne QUELLE werden die Quellen des letzten Imports oder der letzten Aktualisierung\n"
                          "gelesen, ohne --gruppe ihre Gruppen; bei einer Liste vom Receiver wird die Liste\n"
                          "wieder von ihm geholt (oder mit --receiver von einem anderen). Die Liste vor der\n"
                          "Aktualisierung bleibt als LISTE.lis.vorher (mit LISTE.quellen.vorher) erhalten.\n"
                          "\n"
                          "  --programmordner ORDNER  der Programmordner mit \"Senvio-Listen\" (Vorgabe: das\n"
                          "                           Arbeitsverzeichnis, oder ~/Senvio, wenn dort\n"
                          "                           \"Senvio-Listen\" liegt und im Arbeitsverzeichnis nicht)\n"
                          "  --benutzerordner         der eigene Programmordner ~/Senvio, den auch das Programm\n"
                          "                           aus dem Anwendungsmenü nimmt\n"
                          "  --anhaengen              die Sender an die Liste anhängen; ohne diese Angabe darf\n"
                          "                           es die Liste noch nicht geben\n"
                          "  --gruppe NAME            nur die Sender dieser Gruppe oder dieses Bouquets\n"
                          "                           (mehrfach möglich; Vorgabe: alle, bei einer gewählten\n"
                          "                           Bouquet-Datei nur dieses Bouquet; beim Fernseher die\n"
                          "                           Liste mit den meisten Fernsehsendern, und nur eine\n"
                          "                           seiner Listen, denn jede beginnt bei 1)\n"
                          "  --gruppen                die Gruppen der Quellen nennen, nichts schreiben\n"
                          "  --mit-doppelten          auch den zweiten und jeden weiteren Eintrag desselben\n"
                          "                           Programms übernehmen (derselbe Dienst des Empfängers oder\n"
                          "                           dieselbe Adresse); ohne diese Angabe wird er weggelassen,\n"
                          "                           seine Nummer bleibt als „(frei)“ erhalten\n"
                          "  --radio-mitnehmen        Radio in derselben Liste; ohne diese Angabe kommt das\n"
                          "                           Radio eines Empfängers oder Fernsehers, der es ab 1\n"
                          "                           zählt, in die Liste „LISTE Radio“\n"
                          "  --bouquet-ab-1           der Empfänger beginnt jedes Bouquet bei 1; ohne diese\n"
                          "                           Angabe zählt er über alle Bouquets weiter\n"
                          "  --logos                  den Einträgen die eindeutig gefundenen Logos geben;\n"
                          "                           die Vorschläge zum Prüfen werden je Eintrag genannt\n"
                          "  --aktualisieren          die vorhandene Liste aktualisieren statt zu importieren\n"
                          "  --meine-reihenfolge      die Einträge bleiben, wo sie stehen, neue Sender kommen\n"
                          "                           ans Ende (Vorgabe: die Reihenfolge des Empfängers, mit\n"
                          "                           den Nummern der Fernbedienung)\n"
                          "  --neue ans-ende|weglassen  neue Sender aufnehmen (Vorgabe) oder weglassen\n"
                          "  --fehlende entfernen|behalten\n"
                          "                           nicht mehr empfangbare Sender entfernen (Vorgabe) oder\n"
                          "                           behalten\n"
                          "  --trotzdem               auch aktualisieren, wenn mehr als die Hälfte der Sender\n"
                          "                           wegfiele oder mehr hinzukämen, als die Liste hat\n"
                          "  --ohne-zwischenspeicher  die Logos aus den Dateien neu berechnen, ohne die\n"
                          "                           vorbereiteten Bilder im Zwischenspeicher\n"
                          "  --receiver ADRESSE       die Senderliste über das Heimnetz vom Receiver holen\n"
                          "                           (Name oder IP-Adresse, wahlweise mit :PORT oder\n"
                          "                           https://) statt aus Dateien; die Logos des Receivers\n"
                          "                           kommen in die Logogruppe „Vom Receiver“\n"
                          "  --art ART                enigma2 (Web-Oberfläche, Port 80), router (Kabel-Router\n"
                          "                           mit DVB-C) oder tvheadend (Port 9981); Vorgabe: erkennen\n"
                          "  --benutzer NAME          der Benutzername am Receiver; das Passwort kommt aus der\n"
                          "                           Umgebungsvariablen SENVIO_PASSWORT oder wird abgefragt\n"
                          "  LISTE                    der Name der Liste im Ordner \"Senvio-Listen\", ohne .lis\n"
                          "  QUELLE                   eine Datei oder ein Bouquet-Ordner; mehrere werden in der\n"
                          "                           angegebenen Reihenfolge gelesen\n"
                          "\n"
                          "Ohne --gruppe sind bei einem ganzen Bouquet-Ordner (oder bouquets.tv, lamedb) das\n"
                          "Suchlauf-Bouquet \"Last Scanned\" und Bouquets mit mehr als 1000 Sendern nicht\n"
                          "gewählt.\n");
}

Importaufruf LeseImportaufruf(const QStringList& argumente) {
    Importaufruf aufruf;
    QCommandLineParser leser;
    const QCommandLineOption anhaengen(QStringLiteral("anhaengen"));
    const QCommandLineOption gruppe(QStringLiteral("gruppe"), QString(), QStringLiteral("NAME"));
    // Leaving copies out is the default; the old option for it is still understood.
    const QCommandLineOption ohneDoppelte(QStringLiteral("ohne-doppelte"));
    const QCommandLineOption mitDoppelten(QStringLiteral("mit-doppelten"));
    const QCommandLineOption radioMitnehmen(QStringLiteral("radio-mitnehmen"));
    const QCommandLineOption logos(QStringLiteral("logos"));
    const QCommandLineOption aktualisieren(QStringLiteral("aktualisieren"));
    const QCommandLineOption gruppenZeigen(QStringLiteral("gruppen"));
    const QCommandLineOption meineReihenfolge(QStringLiteral("meine-reihenfolge"));
    const QCommandLineOption neue(QStringLiteral("neue"), QString(), QStringLiteral("WAHL"));
    const QCommandLineOption fehlende(QStringLiteral("fehlende"), QString(), QStringLiteral("WAHL"));
    const QCommandLineOption bouquetAbEins(QStringLiteral("bouquet-ab-1"));
    const QCommandLineOption trotzdem(QStringLiteral("trotzdem"));
    const QCommandLineOption receiver(QStringLiteral("receiver"), QString(), QStringLiteral("ADRESSE"));
    const QCommandLineOption art(QStringLiteral("art"), QString(), QStringLiteral("ART"));
    const QCommandLineOption benutzer(QStringLiteral("benutzer"), QString(), QStringLiteral("NAME"));
    if (!LeseWerkzeugaufruf(leser, QStringLiteral("senvio-import"),
                            {anhaengen, gruppe, ohneDoppelte, mitDoppelten, radioMitnehmen, logos, aktualisieren,
                             meineReihenfolge, neue, fehlende, gruppenZeigen, bouquetAbEins, trotzdem, receiver, art,
                             benutzer},
                            argumente, aufruf))
        return aufruf;
    aufruf.aktualisieren = leser.isSet(aktualisieren);
    aufruf.receiver = leser.value(receiver);
    aufruf.benutzer = leser.value(benutzer);
    if (leser.isSet(receiver) && aufruf.receiver.trimmed().isEmpty()) {
        aufruf.fehler = QStringLiteral("--receiver erwartet die Adresse des Receivers.");
        return aufruf;
    }
    if (aufruf.receiver.isEmpty() && (leser.isSet(art) || leser.isSet(benutzer))) {
        aufruf.fehler = QStringLiteral("--art und --benutzer gelten nur mit --receiver.");
        return aufruf;
    }
    if (leser.isSet(art)) {
        const std::optional<Empfaengerart> gewaehlt = LeseEmpfaengerart(leser.value(art));
        if (!gewaehlt) {
            aufruf.fehler = QStringLiteral("--art erwartet „enigma2“, „router“ oder „tvheadend“, nicht „%1“.")
                                .arg(leser.value(art));
            return aufruf;
        }
        aufruf.art = *gewaehlt;
    }
    // Naming the groups writes nothing: it takes sources only.
    if (leser.isSet(gruppenZeigen)) {
        aufruf.gruppenZeigen = true;
        aufruf.quellen = leser.positionalArguments();
        if (!aufruf.receiver.isEmpty() && !aufruf.quellen.isEmpty())
            aufruf.fehler = QStringLiteral("Mit --receiver werden keine Dateien gelesen.");
        else if (aufruf.quellen.isEmpty() && aufruf.receiver.isEmpty())
            aufruf.fehler = QStringLiteral("Es ist keine Quelle angegeben.");
        else if (aufruf.aktualisieren || leser.isSet(anhaengen) || leser.isSet(gruppe))
            aufruf.fehler = QStringLiteral("--gruppen nennt nur die Gruppen; es nimmt keine weiteren Angaben.");
        return aufruf;
    }
    if (!aufruf.aktualisieren &&
        (leser.isSet(meineReihenfolge) || leser.isSet(neue) || leser.isSet(fehlende) || leser.isSet(trotzdem))) {
        aufruf.fehler =
            QStringLiteral("--meine-reihenfolge, --neue, --fehlende und --trotzdem gelten nur mit --aktualisieren.");
        return aufruf;
    }
    if (aufruf.aktualisieren && leser.isSet(anhaengen)) {
        aufruf.fehler = QStringLiteral("--aktualisieren und --anhaengen schließen einander aus.");
        return aufruf;
    }
    if (leser.isSet(meineReihenfolge))
        aufruf.wahl.reihenfolge = Reihenfolge::Meine;
    const QString neueWahl = leser.value(neue);
    if (neueWahl == QLatin1String("weglassen"))
        aufruf.wahl.neue = NeueSender::Weglassen;
    else if (!neueWahl.isEmpty() && neueWahl != QLatin1String("ans-ende")) {
        aufruf.fehler = QStringLiteral("--neue erwartet „ans-ende“ oder „weglassen“, nicht „%1“.").arg(neueWahl);
        return aufruf;
    }
    const QString fehlendeWahl = leser.value(fehlende);
    if (fehlendeWahl == QLatin1String("behalten"))
        aufruf.wahl.fehlende = FehlendeSender::Behalten;
    else if (!fehlendeWahl.isEmpty() && fehlendeWahl != QLatin1String("entfernen")) {
        aufruf.fehler =
            QStringLiteral("--fehlende erwartet „entfernen“ oder „behalten“, nicht „%1“.").arg(fehlendeWahl);
        return aufruf;
    }
    if (leser.isSet(ohneDoppelte) && leser.isSet(mitDoppelten)) {
        aufruf.fehler = QStringLiteral("--mit-doppelten und --ohne-doppelte schließen einander aus.");
        return aufruf;
    }
    aufruf.anhaengen = leser.isSet(anhaengen);
    aufruf.mitDoppelten = leser.isSet(mitDoppelten);
    aufruf.radioMitnehmen = leser.isSet(radioMitnehmen);
    aufruf.logos = leser.isSet(logos);
    aufruf.gruppen = leser.values(gruppe);
    aufruf.bouquetAbEins = leser.isSet(bouquetAbEins);
    aufruf.trotzdem = leser.isSet(trotzdem);
    QStringList rest = leser.positionalArguments();
    if (!aufruf.receiver.isEmpty()) {
        if (rest.size() != 1)
            aufruf.fehler = rest.isEmpty() ? QStringLiteral("Es ist keine Liste angegeben.")
                                           : QStringLiteral("Mit --receiver werden keine Dateien gelesen.");
        else
            aufruf.liste = rest.first();
        return aufruf;
    }
    if (rest.size() < (aufruf.aktualisieren ? 1 : 2)) {
        aufruf.fehler = rest.isEmpty() ? QStringLiteral("Es ist keine Liste angegeben.")
                                       : QStringLiteral("Es ist keine Quelle angegeben.");
        return aufruf;
    }
    aufruf.liste = rest.takeFirst();
    aufruf.quellen = rest;
    return aufruf;
}

} // namespace senvio
