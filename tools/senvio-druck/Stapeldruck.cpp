#include "Stapeldruck.h"

#include "basis/Dateimeldung.h"
#include "basis/Zwischendateien.h"
#include "dokument/Dokumentdruck.h"
#include "list/Listendatei.h"
#include "platform/Drucker.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"
#include "view/Listenbreite.h"
#include "view/Listenschrift.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>

namespace senvio {

namespace {

// One list, as the main window would print it right after opening it: read, numbered,
// in the list font of the settings, every entry as wide as the window's list view of
// standard size shows it with these rows. Returns the file written; empty for the picture
// of an empty list, and for a print on a printer, which alone ends the waiting of changed cards.
QString DruckeListe(const QString& datei, const ProgrammOrdner& ordner, const Druckaufruf& aufruf, QTextStream& aus,
                    QTextStream& fehler) {
    Listendokument dokument(ordner);
    dokument.Lade(datei, ListennameVon(datei));
    dokument.NummeriereNeu();
    const Listenschrift schrift = LeseListenschrift(ordner.einstellungen, StandardListenschrift(Listentext));
    // Offscreen, the window has Qt's Fusion style, whose scroll bar grows with the screen's dots per inch.
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    const int breite = Listenbreite(int(dokument.Liste().Anzahl()), FusionListenstil(dpi));
    const bool nurGeaenderte = aufruf.nurGeaenderte && !dokument.GeaenderteKarten().isEmpty();
    if (aufruf.nurGeaenderte && !nurGeaenderte && dokument.Liste().Anzahl() > 0)
        fehler << "senvio-druck: In der Liste " << datei
               << " wartet keine geänderte Karte auf den Druck; gedruckt wird die ganze Liste.\n";
    if (aufruf.druckdatei.isEmpty() && aufruf.drucker.isEmpty())
        return GibAus(dokument, aufruf.art, schrift, breite, Listengrund, {}, nurGeaenderte);

    if (dokument.Liste().Anzahl() == 0)
        throw Fehler(QStringLiteral("Die Liste %1 ist leer; es wurde nichts gedruckt.").arg(datei));
    const Blattwahl wahl{aufruf.art, aufruf.startKarte, true, aufruf.rueckseite};
    if (!aufruf.druckdatei.isEmpty()) {
        DruckeBlaetterInDatei(dokument, aufruf.druckdatei, wahl, schrift, breite, Listengrund, nurGeaenderte);
        return aufruf.druckdatei;
    }
    // CUPS takes a PDF; it has its own copy once it has taken the job.
    const QTemporaryDir zwischen;
    if (!zwischen.isValid())
        throw DateiFehler::NichtErstellt(zwischen.path());
    const QString pdf = zwischen.filePath(QStringLiteral("druck.pdf"));
    // A stop by a signal takes the folder along (files first, then the empty folder).
    const GemerkteZwischendatei ordnerWeg(QFile::encodeName(zwischen.path()).toStdString()),
        dateiWeg(QFile::encodeName(pdf).toStdString());
    DruckeBlaetterInDatei(dokument, pdf, wahl, schrift, breite, Listengrund, nurGeaenderte);
    const int auftrag = GibAnDrucker(aufruf.drucker, pdf, dokument.Name());
    dokument.BeendeWarten();
    aus << "Drucker " << aufruf.drucker << ": Auftrag " << auftrag << " (" << datei << ")\n";
    return {};
}

} // namespace

int DruckeListen(const Druckaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    if (aufruf.ohneZwischenspeicher)
        SchalteZwischenspeicherAus();
    const QString start = QDir::currentPath();
    const std::optional<ProgrammOrdner> gewaehlt =
        WerkzeugordnerDesLaufs(aufruf, QStringLiteral("senvio-druck"), fehler);
    if (!gewaehlt)
        return 1;
    const ProgrammOrdner& ordner = *gewaehlt;
    const OrdnerPruefung pruefung = PruefeUndLegeOrdnerAn(ordner);
    if (pruefung.listenOrdnerFehlt) {
        fehler << "senvio-druck: Der Ordner " << ordner.listen << " ist nicht vorhanden.\n";
        return 1;
    }
    if (!pruefung.warnungen.isEmpty()) {
        fehler << "senvio-druck: " << pruefung.warnungen.join(u'\n') << '\n';
        return 1;
    }

    // Paths of lists are taken relative to the folder the program was started in; the
    // work is then done in the program folder, as the window does it.
    QStringList dateien;
    for (const QString& liste : aufruf.listen)
        dateien << ListendateiZu(liste, start, ordner.listen);
    if (!QDir::setCurrent(ordner.programm)) {
        fehler << "senvio-druck: Der Programmordner " << ordner.programm << " kann nicht geöffnet werden.\n";
        return 1;
    }

    if (!aufruf.drucker.isEmpty()) {
        if (const QString unbekannt = PruefeDrucker(aufruf.drucker); !unbekannt.isEmpty()) {
            fehler << "senvio-druck: " << unbekannt << '\n';
            return 1;
        }
    }
    Druckaufruf direkt = aufruf;
    if (!direkt.druckdatei.isEmpty())
        direkt.druckdatei = QDir::cleanPath(QDir(start).absoluteFilePath(direkt.druckdatei));

    int ergebnis = 0;
    for (const QString& datei : dateien) {
        try {
            const QString geschrieben = DruckeListe(datei, ordner, direkt, aus, fehler);
            if (geschrieben.isEmpty() && direkt.drucker.isEmpty())
                fehler << "senvio-druck: Die Liste " << datei << " ist leer; es wurde nichts geschrieben.\n";
            else if (!geschrieben.isEmpty())
                aus << geschrieben << '\n';
        } catch (const Fehler& f) {
            fehler << "senvio-druck: " << f.meldung() << '\n';
            ergebnis = 1;
        } catch (...) {
            // bad_alloc above all: a German message, and the next list is tried.
            fehler << "senvio-druck: " << QString::fromStdString(MeldungDerAusnahme(std::current_exception())) << '\n';
            ergebnis = 1;
        }
        aus.flush();
        fehler.flush();
    }
    return ergebnis;
}

} // namespace senvio
