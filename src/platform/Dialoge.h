#pragma once

#include "platform/SchriftDialog.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace senvio {

// Every message box, file dialog and modal dialog of the program goes through here.
// Tests switch on the script mode: nothing is shown, every box is recorded, and the
// answers come from what the test queued before the action.
class Dialoge {
public:
    struct Meldung {
        QString titel;
        QString text;
        QStringList knoepfe; // only for the boxes with buttons of their own (Wahl)
    };

    static void Information(QWidget* eltern, const QString& text);
    static void Warnung(QWidget* eltern, const QString& text);
    // "Bestätigung" with "Ja" and "Nein"; true only for "Ja".
    static bool Bestaetigung(QWidget* eltern, const QString& text);
    // An error box with its own title (the application title for uncaught errors).
    static void Fehler(QWidget* eltern, const QString& titel, const QString& text);
    // A box with buttons of its own; returns the index of the one pressed. The last
    // button is the one Esc and closing the box stand for.
    static int Wahl(QWidget* eltern, const QString& titel, const QString& text, const QStringList& knoepfe);

    // The file dialogs return the chosen path, or an empty text when cancelled.
    // Filters are given as "Beschreibung (*.x)|*.x|…" pairs; the first is selected.
    static QString DateiOeffnen(QWidget* eltern, const QString& ordner, const QString& filter);
    // Several files may be chosen; empty when cancelled. The title says what to choose. A
    // folder the user opens for which `ordnerGenuegt` is true is the choice itself (a folder
    // that stands for one file, as a TV's export of several files does).
    static QStringList DateienOeffnen(QWidget* eltern, const QString& ordner, const QString& filter,
                                      const QString& titel = {},
                                      const std::function<bool(const QString&)>& ordnerGenuegt = {});
    static QString DateiSpeichern(QWidget* eltern, const QString& ordner, const QString& dateiname,
                                  const QString& filter);

    // Shows a dialog of ours modally and returns its result code.
    static int ZeigeModal(QDialog& dialog);

    // The font dialog, opened at the given font; nothing when cancelled.
    static std::optional<Schriftwahl> Schrift(QWidget* eltern, const Schriftwahl& start);

    // Asks the desktop to open a document or a folder with its own application; false
    // when no program for it was found (xdg-open missing, or it refused the file). When
    // the opener starts but then fails (no viewer behind xdg-open), `gescheitert` runs
    // later, from the event loop.
    static bool OeffneDokument(const QString& pfad, std::function<void()> gescheitert = {});
    // Whether the desktop has a way to open anything at all.
    static bool KannOeffnen();

    // A progress dialog with "Abbrechen" over `schritte` steps, open as long as the function
    // lives: it shows step i (from 1) and answers false once the user has cancelled. It
    // appears only after `verzoegerung` milliseconds; 0 steps make it a busy indicator.
    static std::function<bool(int)> Fortschritt(QWidget* eltern, const QString& text, int schritte,
                                                int verzoegerung = 0);

    // --- script mode for tests ---
    static void SetzeSkriptbetrieb(bool an);
    static void SetzeNaechsteAntwort(bool ja);
    // The index of the button the next Wahl box answers with; without one, its last.
    static void SetzeNaechsteWahl(int knopf);
    // Whether the desktop opens what it is asked to (recorded either way); from now on.
    static void SetzeOeffnenGelingt(bool gelingt, bool kannOeffnen = true);
    // The opener starts, then ends with an error: what OeffneDokument was told to do then
    // runs from the event loop; from now on.
    static void SetzeOeffnerScheitert(bool scheitert);
    // An empty name stands for "Abbrechen".
    static void SetzeNaechstenDateinamen(const QString& pfad);
    // For the next dialog that opens several files; without it, that dialog takes the
    // next queued file name as its one choice. An empty list stands for "Abbrechen".
    static void SetzeNaechsteDateien(const QStringList& pfade);
    // Nothing stands for "Abbrechen". Without a queued font the font dialog itself is
    // made and handed to the next queued dialog handler (none: "Abbrechen").
    static void SetzeNaechsteSchrift(const std::optional<Schriftwahl>& wahl);
    // Runs instead of exec(): fills in the dialog, then returns its result code.
    static void SetzeNaechstenDialog(std::function<int(QDialog&)> bearbeiter);
    // The next progress dialog is cancelled at this step; without it none is.
    static void SetzeAbbruchBeiSchritt(int schritt);
    static QList<Meldung> Meldungen();
    static QStringList GeoeffneteDokumente();
    // What the last file dialog was given: folder and suggested name.
    static QString LetzterDateidialogOrdner();
    static QString LetzterDateidialogName();
    static void LeereProtokoll();
};

// Turns "Text (*.x)|*.x|Alle (*.*)|*.*" into Qt's filter list "Text (*.x)", "Alle (*)".
QStringList QtFilter(const QString& filter);

} // namespace senvio
