#include "Drucklauf.h"

#include "list/ListenDatei.h"
#include "list/Nummerierung.h"
#include "list/Platzhalterzaehler.h"
#include "output/Ausgabelauf.h"
#include "platform/Fehler.h"
#include "platform/Ordner.h"
#include "view/ListenAnsicht.h"
#include "view/Listenschrift.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

namespace senvio {

namespace {

// SENVIO_ZEITEN=1 prints the time of each stage on standard error (for the benchmark):
// the whole run and, within it, the stages, some of which overlap on several threads.
void MeldeZeiten(QTextStream& fehler, const Ausgabezeiten& zeiten, qint64 pdfNs, qint64 laufNs) {
    if (qEnvironmentVariableIntValue("SENVIO_ZEITEN") != 1)
        return;
    fehler << "zeiten eintraege_ms=" << zeiten.eintraegeNs / 1e6 << " dateien_ms=" << zeiten.dateienNs / 1e6
           << " pdf_ms=" << pdfNs / 1e6 << " lauf_ms=" << laufNs / 1e6 << '\n';
}

// One list, as the main window would print it right after opening it: read, numbered,
// drawn by a list view of the window's size in the list font of the settings.
QString DruckeListe(const QString& datei, const ProgrammOrdner& ordner, Ausgabeart art, QTextStream& fehler) {
    SenderListe liste;
    LeseListendatei(datei, liste);
    KorrigiereDieNummern(liste);
    Eintragsumgebung umgebung;
    umgebung.programmOrdner = ordner.programm;
    umgebung.platzhalterZaehler = PlatzhalterZaehlerNachStart(liste.Zeilen(), 0);

    ListenModell modell(liste);
    ListenAnsicht ansicht(modell, umgebung);
    ansicht.SetzeStandardgroesse();
    const Listenschrift schrift = LeseListenschrift(ordner.einstellungen, {ansicht.font(), ansicht.Schriftfarbe()});
    ansicht.setFont(schrift.schrift);
    ansicht.SetzeSchriftfarbe(schrift.farbe);
    // Laid out as on screen, so the client width (with or without a scroll bar) is the window's.
    ansicht.setAttribute(Qt::WA_DontShowOnScreen);
    ansicht.show();
    QApplication::processEvents();

    QElapsedTimer uhr;
    uhr.start();
    Ausgabezeiten zeiten;
    qint64 pdfNs = 0;
    Kartenauftrag auftrag = AuftragFuerAnsicht(ansicht, liste, umgebung, ordner, art);
    auftrag.zeiten = &zeiten;
    const Ausgabeziel ziel = ZielFuer(ordner, ListennameVon(datei));
    const QString ergebnis = IstDruckmodus(art) ? Drucke(auftrag, ziel, {}, &pdfNs) : SpeichereBild(auftrag, ziel);
    MeldeZeiten(fehler, zeiten, pdfNs, uhr.nsecsElapsed());
    return ergebnis;
}

} // namespace

int DruckeListen(const Druckaufruf& aufruf, QTextStream& aus, QTextStream& fehler) {
    const QString start = QDir::currentPath();
    const QString ordnerPfad =
        aufruf.programmOrdner.isEmpty() ? start : QDir::cleanPath(QDir(start).absoluteFilePath(aufruf.programmOrdner));
    const ProgrammOrdner ordner(ordnerPfad);
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

    int ergebnis = 0;
    for (const QString& datei : dateien) {
        try {
            const QString geschrieben = DruckeListe(datei, ordner, aufruf.art, fehler);
            if (geschrieben.isEmpty())
                fehler << "senvio-druck: Die Liste " << datei << " ist leer; es wurde kein Bild geschrieben.\n";
            else
                aus << geschrieben << '\n';
        } catch (const Fehler& f) {
            fehler << "senvio-druck: " << f.meldung() << '\n';
            ergebnis = 1;
        } catch (const std::exception& f) {
            fehler << "senvio-druck: " << QString::fromUtf8(f.what()) << '\n';
            ergebnis = 1;
        }
        aus.flush();
        fehler.flush();
    }
    return ergebnis;
}

} // namespace senvio
