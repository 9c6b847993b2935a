#include "Importlauf.h"

#include "dokument/Aktualisierung.h"
#include "dokument/Empfangslogos.h"
#include "dokument/Importablauf.h"
#include "dokument/Logoablauf.h"
#include "empfang/Empfangsvermerk.h"
#include "list/Listendatei.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace senvio {

namespace {

// One flag per group: the groups ticked at first without names, else those named (in any
// letter case). Throws for a name no group of the sources has.
QList<bool> GruppenWahl(const ImportFund& fund, const QStringList& namen) {
    if (namen.isEmpty())
        return VorgewaehlteGruppen(fund);
    QList<bool> wahl(fund.gruppen.size(), false);
    for (const QString& name : namen) {
        bool gefunden = false;
        for (qsizetype i = 0; i < fund.gruppen.size(); ++i)
            if (fund.gruppen[i].name.compare(name, Qt::CaseInsensitive) == 0)
                wahl[i] = gefunden = true;
        if (!gefunden) {
            // A playlist of an IPTV provider has thousands of groups: the first 20 are named.
            constexpr qsizetype Genannt = 20;
            QStringList vorhanden;
            for (const ImportGruppe& gruppe : fund.gruppen.first(std::min(fund.gruppen.size(), Genannt)))
                vorhanden << QStringLiteral("\"%1\"").arg(gruppe.name);
            if (fund.gruppen.size() > Genannt)
                vorhanden.last() += QStringLiteral(" … und %1 weitere").arg(fund.gruppen.size() - Genannt);
            throw Fehler(QStringLiteral("Die Gruppe \"%1\" gibt es in den Quellen nicht. Vorhanden sind: %2.")
                             .arg(name, vorhanden.join(QStringLiteral(", "))));
        }
    }
    return wahl;
}

// The exit code for a list name that cannot be used, 0 for a good one. An update needs the
// list to be there, an import without `anhaengen` needs it not to be.
int PruefeZiel(const QString& name, const ProgrammOrdner& ordner, bool anhaengen, QTextStream& fehler,
               bool aktualisieren = false) {
    switch (PruefeListennamen(name, ordner.listen)) {
    case NamensPruefung::Leer:
    case NamensPruefung::Ungueltig:
        fehler << "senvio-import: Der Name der Liste darf nicht leer sein, keines der Zeichen "
               << VerboteneNamenszeichenText << " und keine Steuerzeichen enthalten und nicht „.“ oder „..“ sein.\n\n"
               << Importanleitung();
        return 2;
    case NamensPruefung::Vorhanden:
        if (!anhaengen && !aktualisieren) {
            fehler << "senvio-import: Die Liste " << name << " gibt es schon.\n";
            return 1;
        }
        break;
    case NamensPruefung::Neu:
        if (aktualisieren) {
            fehler << "senvio-import: Die Liste " << name << " gibt es nicht.\n";
            return 1;
        }
        break;
    }
    return 0;
}

// The sources as given, from the folder the tool was started in.
QStringList Quellpfade(const Importaufruf& aufruf, const QDir& start) {
    QStringList quellen;
    for (const QString& quelle : aufruf.quellen)
        quellen << QDir::cleanPath(start.absoluteFilePath(quelle));
    return quellen;
}

// The channels of the chosen groups of a find, the notes of making them told; nothing after a choice of two
// TV lists, which `rueckgabe` then tells.
std::optional<Importlisten> ImportlistenDerWahl(const ImportFund& fund, const QList<bool>& wahl,
                                                const ImportOptionen& optionen, QTextStream& fehler, int& rueckgabe) {
    if (const QString falsch = GruppenwahlFehler(fund, wahl); !falsch.isEmpty()) {
        fehler << "senvio-import: " << falsch << '\n';
        rueckgabe = 2;
        return std::nullopt;
    }
    Importlisten listen = ImportEintraege(fund, wahl, optionen);
    for (const QString& hinweis : listen.hinweise)
        fehler << "senvio-import: " << hinweis << '\n';
    return listen;
}

// The terminal as it was before the password prompt: Ctrl+C during the prompt must not leave
// it without echo.
termios terminalVorher{};

void StelleTerminalWiederHer(int signal) {
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &terminalVorher);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The password for the box: SENVIO_PASSWORT, else asked on the terminal without echo;
// never taken from the command line, where every user of the machine could read it.
QString Passwort(const QString& benutzer, QTextStream& fehler) {
    if (benutzer.isEmpty())
        return {};
    if (qEnvironmentVariableIsSet("SENVIO_PASSWORT"))
        return qEnvironmentVariable("SENVIO_PASSWORT");
    termios& vorher = terminalVorher;
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &vorher) != 0)
        throw Fehler(QStringLiteral("Für den Benutzer %1 fehlt das Passwort: setzen Sie die Umgebungsvariable "
                                    "SENVIO_PASSWORT, oder rufen Sie senvio-import im Terminal auf.")
                         .arg(benutzer));
    fehler << "Passwort für " << benutzer << ": " << Qt::flush;
    termios still = vorher;
    still.c_lflag &= ~tcflag_t(ECHO);
    const auto unterbrechung = std::signal(SIGINT, StelleTerminalWiederHer);
    const auto ende = std::signal(SIGTERM, StelleTerminalWiederHer);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &still);
    std::string zeile;
    std::getline(std::cin, zeile);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &vorher);
    std::signal(SIGINT, unterbrechung);
    std::signal(SIGTERM, ende);
    fehler << '\n' << Qt::flush;
    return QString::fromStdString(zeile);
}

// The box by its address, kind and user name; the password is asked for when it is fetched.
Empfangsziel ZielDesAufrufs(const Importaufruf& aufruf) {
    Empfangsziel ziel;
    ziel.adresse = aufruf.receiver;
    ziel.art = aufruf.art;
    ziel.benutzer = aufruf.benutzer;
    return ziel;
}

// The channel list of the box, the password asked for first; kept in `empfang`.
ImportFund HoleVomEmpfaenger(Empfangsziel ziel, QTextStream& fehler, std::optional<Receiverabruf>* empfang) {
    ziel.passwort = Passwort(ziel.benutzer, fehler);
    try {
        Empfangsfund fund = HoleSenderliste(ziel);
        if (!empfang)
            return fund.fund;
        empfang->emplace(Receiverabruf{ziel, std::move(fund)});
        return (*empfang)->fund.fund;
    } catch (const Abruffehler& f) {
        if (f.grund() != Abrufgrund::AnmeldungNoetig)
            throw;
        throw Fehler(f.meldung() + QStringLiteral(" Geben Sie den Benutzernamen mit --benutzer NAME an; das "
                                                  "Passwort kommt aus SENVIO_PASSWORT oder wird abgefragt."));
    }
}

// What the call reads: the files as given, from the folder the tool was started in, or the
// channel list of the box (kept in `empfang`).
ImportFund LeseQuellen(const Importaufruf& aufruf, const QDir& start, QTextStream& fehler,
                       std::optional<Receiverabruf>* empfang = nullptr) {
    if (aufruf.receiver.isEmpty())
        return LeseImportquellen(Quellpfade(aufruf, start));
    return HoleVomEmpfaenger(ZielDesAufrufs(aufruf), fehler, empfang);
}

// The update of an existing list: read, matched and written under the list's lock, from the
// sources and groups it remembers where the call names none.
int AktualisiereListe(const Importaufruf& aufruf, const ProgrammOrdner& ordner, const QDir& start, QTextStream& aus,
                      QTextStream& fehler) {
    const Listensperre sperre(FindeListendatei(ordner.listen, aufruf.liste));
    if (const int rueckgabe = PruefeZiel(aufruf.liste, ordner, true, fehler, true))
        return rueckgabe;
    Listendokument dokument(ordner);
    dokument.LadeLetzte(aufruf.liste);
    if (!dokument.Quellenhinweis().isEmpty())
        fehler << "senvio-import: " << dokument.Quellenhinweis() << '\n';
    const Quellenwahl gemerkt = dokument.GemerkteQuellen();
    // Without sources named, a list fetched from a box is fetched from it again.
    std::optional<Receiverabruf> empfang;
    ImportFund fund;
    if (!aufruf.receiver.isEmpty()) {
        Empfangsziel ziel = ZielDesAufrufs(aufruf);
        // The box the list came from is asked the way it answered then.
        if (ziel.adresse == gemerkt.receiver.adresse)
            ziel.weg = ZielDesReceivers(gemerkt.receiver).weg;
        fund = HoleVomEmpfaenger(ziel, fehler, &empfang);
    } else if (aufruf.quellen.isEmpty() && !gemerkt.receiver.adresse.isEmpty())
        fund = HoleVomEmpfaenger(ZielDesReceivers(gemerkt.receiver), fehler, &empfang);
    else {
        const QStringList pfade = aufruf.quellen.isEmpty() ? gemerkt.quellen : Quellpfade(aufruf, start);
        if (pfade.isEmpty())
            throw Fehler(QStringLiteral("Bei der Liste %1 ist keine Quelle vermerkt; bitte geben Sie die Quelle an.")
                             .arg(aufruf.liste));
        fund = LeseImportquellen(pfade);
    }
    for (const QString& hinweis : fund.hinweise)
        fehler << "senvio-import: " << hinweis << '\n';
    if (aufruf.gruppen.isEmpty())
        if (const QStringList fehlend = WaehleGemerkteGruppen(fund, gemerkt); !fehlend.isEmpty())
            fehler << "senvio-import: " << FehlendeGruppenText(fehlend) << '\n';
    const QList<bool> wahl = GruppenWahl(fund, aufruf.gruppen);
    const ImportOptionen optionen{true, !aufruf.mitDoppelten, !aufruf.radioMitnehmen,
                                  aufruf.bouquetAbEins || gemerkt.bouquetAbEins};
    int rueckgabe = 0;
    const std::optional<Importlisten> listen = ImportlistenDerWahl(fund, wahl, optionen, fehler, rueckgabe);
    if (!listen)
        return rueckgabe;
    const Abgleich abgleich = GleicheAb(dokument, *listen);
    // An update from nothing would take every entry away.
    if (abgleich.kanaele.isEmpty())
        throw Fehler(QStringLiteral("Die gewählten Gruppen enthalten keine Sender."));
    if (const Aenderungsumfang umfang = UmfangDerAktualisierung(abgleich, aufruf.wahl);
        umfang.gross && !aufruf.trotzdem) {
        fehler << "senvio-import: " << UmfangText(umfang) << " Die Liste hat " << umfang.bisher
               << " Sender; sie wird nur mit --trotzdem aktualisiert.\n";
        return 1;
    }
    // The box's logos of the new channels, all fetched before anything is written.
    const QHash<QString, QByteArray> logos =
        empfang ? HoleLogos(empfang->ziel, empfang->fund, ReferenzenDerNeuen(abgleich, aufruf.wahl))
                : QHash<QString, QByteArray>();
    const Aktualisierungsbericht bericht =
        Aktualisiere(dokument, abgleich, aufruf.wahl,
                     MitReceiver(WahlDesImports(fund, wahl, optionen), empfang ? &*empfang : nullptr), logos);
    if (!bericht.hinweis.isEmpty())
        fehler << "senvio-import: " << bericht.hinweis << '\n';
    aus << Anzahlentext(bericht.anzahl) << '\n';
    if (!bericht.geaendert) {
        aus << "Die Liste ist auf dem Stand der Quellen; sie bleibt, wie sie ist: " << dokument.Datei() << '\n';
        return 0;
    }
    aus << KartenText(bericht.geaenderteKarten) << '\n' << "Aktualisiert: " << dokument.Datei() << '\n';
    if (empfang)
        aus << "Logos vom Receiver: " << bericht.empfangslogos.angehaengt << '\n';
    for (const QString& meldung : bericht.empfangslogos.fehlschlaege)
        fehler << "senvio-import: " << meldung << '\n';
    return bericht.empfangslogos.fehlschlaege.isEmpty() ? 0 : 1;
}

// The groups of the sources, one per line with their counts.
int ZeigeGruppen(const Importaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    try {
        const ImportFund fund = LeseQuellen(aufruf, QDir::current(), fehler);
        for (const QString& hinweis : fund.hinweise)
            fehler << "senvio-import: " << hinweis << '\n';
        for (const QString& zeile : GruppenUebersicht(fund))
            aus << zeile << '\n';
        return 0;
    } catch (const Fehler& f) {
        fehler << "senvio-import: " << f.meldung() << '\n';
    }
    return 1;
}

} // namespace

int FuehreImportAus(const Importaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    if (aufruf.gruppenZeigen)
        return ZeigeGruppen(aufruf, aus, fehler);
    if (aufruf.ohneZwischenspeicher)
        SchalteZwischenspeicherAus();
    const QDir start = QDir::current();
    const std::optional<ProgrammOrdner> gewaehlt =
        WerkzeugordnerDesLaufs(aufruf, QStringLiteral("senvio-import"), fehler);
    if (!gewaehlt)
        return 1;
    const ProgrammOrdner& ordner = *gewaehlt;
    if (const int rueckgabe = PruefeZiel(aufruf.liste, ordner, aufruf.anhaengen, fehler, aufruf.aktualisieren))
        return rueckgabe;
    if (!QFileInfo(ordner.listen).isDir()) {
        fehler << "senvio-import: Der Ordner " << ordner.listen << " ist nicht vorhanden.\n";
        return 1;
    }
    try {
        if (aufruf.aktualisieren)
            return AktualisiereListe(aufruf, ordner, start, aus, fehler);
        std::optional<Receiverabruf> empfang;
        const ImportFund fund = LeseQuellen(aufruf, start, fehler, &empfang);
        for (const QString& hinweis : fund.hinweise)
            fehler << "senvio-import: " << hinweis << '\n';
        const ImportOptionen optionen{true, !aufruf.mitDoppelten, !aufruf.radioMitnehmen, aufruf.bouquetAbEins};
        const QList<bool> wahl = GruppenWahl(fund, aufruf.gruppen);
        int rueckgabe = 0;
        const std::optional<Importlisten> gelesen = ImportlistenDerWahl(fund, wahl, optionen, fehler, rueckgabe);
        if (!gelesen)
            return rueckgabe;
        const Importlisten& listen = *gelesen;
        if (listen.liste.isEmpty())
            throw Fehler(QStringLiteral("Die gewählten Gruppen enthalten keine Sender."));
        // Every list is made before any is written: an error leaves every list as it was. No
        // other program changes them from their reading to their writing, and what was
        // checked of them before holds under the lock.
        QStringList namen{aufruf.liste};
        if (!listen.radio.isEmpty())
            namen << RadiolistenName(aufruf.liste);
        std::vector<Listensperre> sperren;
        for (const QString& name : namen) {
            sperren.emplace_back(FindeListendatei(ordner.listen, name));
            if (const int rueckgabe = PruefeZiel(name, ordner, aufruf.anhaengen, fehler))
                return rueckgabe;
        }
        Listendokument liste(ordner);
        Listendokument radio(ordner);
        OeffneImportziel(liste, aufruf.liste, aufruf.anhaengen);
        const int erste = Importiere(liste, radio, listen, aufruf.anhaengen, Speichern::Spaeter,
                                     MitReceiver(WahlDesImports(fund, wahl, optionen), empfang ? &*empfang : nullptr));
        QList<std::pair<Listendokument*, qsizetype>> ziele{{&liste, erste}};
        if (!listen.radio.isEmpty())
            ziele.append({&radio, radio.Liste().Anzahl() - listen.radio.size()});
        std::optional<Logobestand> bestand;
        if (aufruf.logos)
            bestand.emplace(LeseLogobestand(ordner.logoWurzel, ordner.senderLogos));
        QList<Logobericht> logos;
        for (const auto& [dokument, von] : ziele)
            logos.append(bestand ? OrdneLogosZu(*dokument, *bestand, int(von), Speichern::Spaeter) : Logobericht());
        // The box's own logos of the imported services, all fetched before any is written.
        QList<QHash<QString, QByteArray>> empfangslogos;
        for (const auto& [dokument, von] : ziele)
            empfangslogos.append(
                empfang ? HoleLogos(empfang->ziel, empfang->fund,
                                    ReferenzenDerZeilen(*dokument, int(von), int(dokument->Liste().Anzahl())))
                        : QHash<QString, QByteArray>());
        QList<qsizetype> vomReceiver;
        for (qsizetype i = 0; i < ziele.size() && empfang; ++i) {
            Listendokument& dokument = *ziele[i].first;
            const Logouebernahme uebernahme = LegeEmpfangslogosAn(
                dokument, int(ziele[i].second), int(dokument.Liste().Anzahl()), empfangslogos[i], Speichern::Spaeter);
            vomReceiver.append(uebernahme.angehaengt);
            logos[i].uebernahme.fehlschlaege += uebernahme.fehlschlaege;
        }
        QStringList fehlschlaege;
        for (qsizetype i = 0; i < ziele.size(); ++i) {
            Listendokument& dokument = *ziele[i].first;
            dokument.Speichere();
            const qsizetype anzahl = dokument.Liste().Anzahl() - ziele[i].second;
            aus << anzahl << (anzahl == 1 ? " Eintrag importiert: " : " Einträge importiert: ") << dokument.Datei()
                << '\n';
            if (empfang)
                aus << "Logos vom Receiver: " << vomReceiver[i] << '\n';
            fehlschlaege += logos[i].uebernahme.fehlschlaege;
            if (!aufruf.logos)
                continue;
            aus << "Logos zugeordnet: " << logos[i].uebernahme.angehaengt
                << ", Einträge mit Vorschlägen zum Prüfen: " << logos[i].vorschlaege.size() << '\n';
            for (const QString& zeile : logos[i].vorschlaege)
                aus << zeile << '\n';
            for (const QString& hinweis : logos[i].hinweise)
                fehler << "senvio-import: " << hinweis << '\n';
        }
        for (const QString& meldung : fehlschlaege)
            fehler << "senvio-import: " << meldung << '\n';
        return fehlschlaege.isEmpty() ? 0 : 1;
    } catch (const Fehler& f) {
        fehler << "senvio-import: " << f.meldung() << '\n';
    }
    return 1;
}

} // namespace senvio
