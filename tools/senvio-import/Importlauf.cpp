#include "Importlauf.h"

#include "import/Import.h"
#include "list/ListenDatei.h"
#include "logos/Importlogos.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

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
            QStringList vorhanden;
            for (const ImportGruppe& gruppe : fund.gruppen)
                vorhanden << QStringLiteral("\"%1\"").arg(gruppe.name);
            throw Fehler(QStringLiteral("Die Gruppe \"%1\" gibt es in den Quellen nicht. Vorhanden sind: %2.")
                             .arg(name, vorhanden.join(QStringLiteral(", "))));
        }
    }
    return wahl;
}

// A list the import writes: its name and what it gets.
struct Zielliste {
    QString name;
    const QList<ImportEintrag>* eintraege;
    QString datei;
};

// The exit code for a list name that cannot be used, 0 for a good one.
int PruefeZiel(const QString& name, const ProgrammOrdner& ordner, bool anhaengen, QTextStream& fehler) {
    switch (PruefeListenNamen(name, ordner.listen)) {
    case NamensPruefung::Leer:
    case NamensPruefung::Ungueltig:
        fehler << "senvio-import: Der Name der Liste darf nicht leer sein, keinen Schrägstrich „/“ und keine "
                  "Steuerzeichen enthalten und nicht „.“ oder „..“ sein.\n\n"
               << Importanleitung();
        return 2;
    case NamensPruefung::Vorhanden:
        if (!anhaengen) {
            fehler << "senvio-import: Die Liste " << name << " gibt es schon.\n";
            return 1;
        }
        break;
    case NamensPruefung::Neu:
        break;
    }
    return 0;
}

} // namespace

int Importiere(const Importaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    const QDir start = QDir::current();
    const ProgrammOrdner ordner(aufruf.programmOrdner.isEmpty()
                                    ? start.absolutePath()
                                    : QDir::cleanPath(start.absoluteFilePath(aufruf.programmOrdner)));
    if (const int rueckgabe = PruefeZiel(aufruf.liste, ordner, aufruf.anhaengen, fehler))
        return rueckgabe;
    if (!QFileInfo(ordner.listen).isDir()) {
        fehler << "senvio-import: Der Ordner " << ordner.listen << " ist nicht vorhanden.\n";
        return 1;
    }
    try {
        QStringList quellen;
        for (const QString& quelle : aufruf.quellen)
            quellen << QDir::cleanPath(start.absoluteFilePath(quelle));
        const ImportFund fund = LeseImportquellen(quellen);
        for (const QString& hinweis : fund.hinweise)
            fehler << "senvio-import: " << hinweis << '\n';
        const ImportOptionen optionen{true, !aufruf.mitDoppelten, !aufruf.radioMitnehmen};
        const Importlisten listen = ImportEintraege(fund, GruppenWahl(fund, aufruf.gruppen), optionen);
        if (listen.liste.isEmpty())
            throw Fehler(QStringLiteral("Die gewählten Gruppen enthalten keine Sender."));
        QList<Zielliste> ziele{{aufruf.liste, &listen.liste, {}}};
        if (!listen.radio.isEmpty())
            ziele.append({RadiolistenName(aufruf.liste), &listen.radio, {}});
        for (qsizetype i = 0; i < ziele.size(); ++i) {
            if (const int rueckgabe = i > 0 ? PruefeZiel(ziele[i].name, ordner, aufruf.anhaengen, fehler) : 0)
                return rueckgabe;
            ziele[i].datei = FindeListendatei(ordner.listen, ziele[i].name);
        }

        // Every list is made before any is written: an error leaves every list as it was.
        std::optional<Logobestand> bestand;
        if (aufruf.logos)
            bestand.emplace(LeseLogobestand(ordner.logoWurzel, ordner.senderLogos));
        QList<Importziel> neu;
        QList<Importlogos> gefunden;
        for (const Zielliste& ziel : ziele) {
            neu.append(ListeMitImport(ziel.datei, *ziel.eintraege, aufruf.anhaengen));
            gefunden.append(Importlogos());
            if (!bestand)
                continue;
            QList<QStringList> schluessel;
            for (const ImportEintrag& eintrag : *ziel.eintraege)
                schluessel.append(eintrag.logoSchluessel);
            gefunden.last() = FindeImportlogos(*bestand, neu.last().liste, neu.last().erste, schluessel);
            gefunden.last().eindeutig = SchreibeLogosEin(neu.last().liste, gefunden.last().eindeutig);
        }
        QStringList fehlschlaege;
        for (qsizetype i = 0; i < ziele.size(); ++i) {
            const QString& datei = ziele[i].datei;
            SchreibeListendatei(datei, neu[i].liste);
            const qsizetype anzahl = ziele[i].eintraege->size();
            aus << anzahl << (anzahl == 1 ? " Eintrag importiert: " : " Einträge importiert: ") << datei << '\n';
            if (!aufruf.logos)
                continue;
            const Importlogos& logos = gefunden[i];
            aus << "Logos zugeordnet: " << logos.eindeutig.size()
                << ", Einträge mit Vorschlägen zum Prüfen: " << logos.vorschlaege.size() << '\n';
            for (const QString& zeile : logos.vorschlaege)
                aus << zeile << '\n';
            for (const QString& hinweis : logos.hinweise)
                fehler << "senvio-import: " << hinweis << '\n';
            if (!logos.eindeutig.isEmpty())
                QDir().mkpath(ordner.senderLogos); // as the window's first start makes it
            fehlschlaege += KopiereLogos(logos.eindeutig, ordner.senderLogos);
        }
        for (const QString& meldung : fehlschlaege)
            fehler << "senvio-import: " << meldung << '\n';
        return fehlschlaege.isEmpty() ? 0 : 1;
    } catch (const Fehler& f) {
        fehler << "senvio-import: " << f.meldung() << '\n';
    } catch (const std::exception& f) {
        fehler << "senvio-import: " << QString::fromUtf8(f.what()) << '\n';
    }
    return 1;
}

} // namespace senvio
