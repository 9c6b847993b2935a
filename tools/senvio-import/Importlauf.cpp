#include "Importlauf.h"

#include "import/Import.h"
#include "list/Bearbeitung.h"
#include "list/ListenDatei.h"
#include "list/Platzhalterzaehler.h"
#include "list/Zeilenformat.h"
#include "logos/Logoanhang.h"
#include "logos/Importlogos.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace senvio {

namespace {

// One flag per group: every group without names, else those named (in any letter case).
// Throws for a name no group of the sources has.
QList<bool> GruppenWahl(const ImportFund& fund, const QStringList& namen) {
    QList<bool> wahl(fund.gruppen.size(), namen.isEmpty());
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

} // namespace

int Importiere(const Importaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    const QDir start = QDir::current();
    const ProgrammOrdner ordner(aufruf.programmOrdner.isEmpty()
                                    ? start.absolutePath()
                                    : QDir::cleanPath(start.absoluteFilePath(aufruf.programmOrdner)));
    switch (PruefeListenNamen(aufruf.liste, ordner.listen)) {
    case NamensPruefung::Leer:
    case NamensPruefung::Ungueltig:
        fehler << "senvio-import: Der Name der Liste darf nicht leer sein, keinen Schrägstrich „/“ und keine "
                  "Steuerzeichen enthalten und nicht „.“ oder „..“ sein.\n\n"
               << Importanleitung();
        return 2;
    case NamensPruefung::Vorhanden:
        if (!aufruf.anhaengen) {
            fehler << "senvio-import: Die Liste " << aufruf.liste << " gibt es schon.\n";
            return 1;
        }
        break;
    case NamensPruefung::Neu:
        break;
    }
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
        const QList<bool> wahl = GruppenWahl(fund, aufruf.gruppen);
        const QStringList namen = ImportNamen(fund, wahl, true, aufruf.ohneDoppelte);
        if (namen.isEmpty())
            throw Fehler(QStringLiteral("Die gewählten Gruppen enthalten keine Sender."));

        // Appended as the window appends them: the counter stands where the list's last
        // logo left it, so the new placeholders take the next colours.
        const QString datei = FindeListendatei(ordner.listen, aufruf.liste);
        SenderListe liste;
        int zaehler = 0;
        if (aufruf.anhaengen && QFileInfo::exists(datei)) {
            LeseListendatei(datei, liste);
            zaehler = PlatzhalterZaehlerNachStart(liste.Zeilen(), zaehler);
        }
        const qsizetype erste = liste.Anzahl();
        HaengeNamenAn(liste, namen, zaehler);
        Importlogos gefunden;
        QList<Logozuweisung> logos;
        if (aufruf.logos) {
            gefunden = FindeImportlogos(LeseLogobestand(ordner.logoWurzel, ordner.senderLogos), liste, erste,
                                        ImportLogoSchluessel(fund, wahl, true, aufruf.ohneDoppelte));
            logos = SchreibeLogosEin(liste, gefunden.eindeutig);
        }
        SchreibeListendatei(datei, liste);
        aus << namen.size() << (namen.size() == 1 ? " Eintrag importiert: " : " Einträge importiert: ") << datei
            << '\n';
        if (!aufruf.logos)
            return 0;
        aus << "Logos zugeordnet: " << logos.size()
            << ", Einträge mit Vorschlägen zum Prüfen: " << gefunden.vorschlaege.size() << '\n';
        for (const QString& zeile : gefunden.vorschlaege)
            aus << zeile << '\n';
        for (const QString& hinweis : gefunden.hinweise)
            fehler << "senvio-import: " << hinweis << '\n';
        if (!logos.isEmpty())
            QDir().mkpath(ordner.senderLogos); // as the window's first start makes it
        const QStringList fehlschlaege = KopiereLogos(logos, ordner.senderLogos);
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
