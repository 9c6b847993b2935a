#pragma once

#include "app/Filterziel.h"
#include "app/Hauptfenster.h"
#include "app/Nebenfenster.h"
#include "dokument/Listendokument.h"
#include "platform/Ordner.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;

namespace senvio {

class Anhangkopf;
class Listenansicht;
class Logowahl;
struct Befehle;

// The main window: its layout, menus and modes. The menu table binds each item to a
// command of the command classes beside it (Dateibefehle and the others), which ask the
// user, work on the open list (Listendokument) and report through Hauptfenster.
class TMainForm : public QMainWindow, public Hauptfenster, public Filterziel {
    Q_OBJECT
public:
    // Runs the creation steps: the folder checks, the group list. When the lists
    // folder is missing, ProgrammEndet() is true and nothing else happens.
    TMainForm(const ProgrammOrdner& ordner, const Nebenfenster& fenster);
    ~TMainForm() override;

    bool ProgrammEndet() const { return m_programmEndet; }
    const Nebenfenster& Fenster() const { return m_fenster; }

    // Saves the list (unless closing the window already dealt with it) and the two
    // settings; run once when the program ends. `ohneBox`: nobody may be there to close
    // an error box (a signal, the session's end), so a failure goes to standard error.
    void FormDestroy(bool ohneBox = false);
    // Saves the list and the two settings without ending: the desktop session asks so
    // before it may end the program.
    void SichereAlles(bool ohneBox = false);

    // State read by tests.
    const SenderListe& Liste() const { return m_dokument.Liste(); }
    const QString& ListenName() const { return m_dokument.Name(); }
    QString Statuszeile() const;
    bool ErsteAnzeige() const { return m_ersteAnzeige; }
    Listendokument& Dokument() { return m_dokument; }
    Logowahl& Logoauswahl() { return *m_logowahl; }

    // Hauptfenster, for the commands.
    QWidget* Eltern() override { return this; }
    void MeldeStatus(const QString& text) override;
    void ZeigeListenStatus() override;
    bool IstLogoModus() const override;
    void ZeigeListenmodus(Suche suche = Suche::Bleibt) override;
    void ZeigeLogomodus() override;
    void ZeigeAnhangmodus() override;
    void RichteAnsichtAus() override { FormPaint(); }
    Listenansicht& Ansicht() override { return *Listbox1; }
    Listenschrift AktuelleListenschrift() const override;
    void SetzeListenschrift(const Listenschrift& schrift) override { SetzeListenschrift(schrift, false); }
    void Schliesse() override { close(); }

    // Filterziel, for the message filter.
    const QWidget* Fensterwidget() const override { return this; }
    bool IstListenModus() const override;
    void FokussiereListe() override;
    bool IstListenansicht(const QWidget* widget) const override;
    void DreheRaster(int winkel) override;
    void ScrolleRaster(int taste) override;
    void ZeigeHilfe() override;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // The list font of the list view and the header of the picked logo, and at 10 points of the
    // controls that follow it; the name field only at start-up.
    void SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld);
    void SchreibeEinstellungen();

    void FormCreate();
    void FormPaint();
    void ErsteAnzeigeInitialisieren();
    void BaueFensterAuf();
    void BaueListenPanelAuf();
    void BaueMenuesAuf();
    void VerbindeBefehle();
    QAction* Aktion(const char* name) const;
    void LadeLetzteListe();
    void SetzeTitel();

    // The client area at the window's standard size, where every control has its place.
    static constexpr QSize Standardflaeche{530, 613};

    ProgrammOrdner m_ordner;
    Nebenfenster m_fenster;
    Listendokument m_dokument;

    // Controls, named as the program has always named them; each carries its name as
    // objectName, so that tests find it. The menu items are found by their names.
    QFrame* Panel2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    Listenansicht* Listbox1 = nullptr;
    QLabel* m_statusText = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    Logowahl* m_logowahl = nullptr;
    // The picked logo waiting to be attached, in the list panel's header.
    Anhangkopf* m_kopf = nullptr;
    QMenu* PopupMenu1 = nullptr;
    // The commands of the menus, made once the controls stand.
    std::unique_ptr<Befehle> m_befehle;
    bool m_ersteAnzeige = true;
    bool m_programmEndet = false;
};

} // namespace senvio
