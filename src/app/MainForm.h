#pragma once

#include "app/Nebenfenster.h"
#include "dokument/Listendokument.h"
#include "output/Ausgabeart.h"
#include "output/Blattdruck.h"
#include "platform/Ordner.h"
#include "view/Listenschrift.h"

#include <QMainWindow>

#include <functional>

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
class NachrichtenFilter;

// The main window: its layout, menus and modes, and the commands, which ask the user and
// hand the work to the open list (Listendokument) and the tasks on it.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation steps: the folder checks, the group list. When the lists
    // folder is missing, ProgrammEndet() is true and nothing else happens.
    TMainForm(const ProgrammOrdner& ordner, const Nebenfenster& fenster, NachrichtenFilter& filter);
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

    // State read by tests and the message filter.
    const SenderListe& Liste() const { return m_dokument.Liste(); }
    const QString& ListenName() const { return m_dokument.Name(); }
    QString Statuszeile() const;
    bool ErsteAnzeige() const { return m_ersteAnzeige; }
    bool IstListenModus() const;
    bool IstLogoModus() const;

    // The open list and the logo picker, for the message filter and the tests.
    Listendokument& Dokument() { return m_dokument; }
    Logowahl& Logoauswahl() { return *m_logowahl; }
    // The list takes the keys that the wheel stands for; Ctrl moves an entry only there.
    void FokussiereListe();
    bool IstListenansicht(const QWidget* widget) const;
    void HilfeClick();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // Menu commands, run through their menu items (see the table in MainFormAufbau.cpp).
    void Neu1Click();
    void ffnen1Click();
    void SenderlisteImportierenClick();
    void ListeAktualisierenClick();
    // True when a copy was written.
    bool Speichernunter1Click();
    void Beenden1Click();
    void RueckgaengigClick();
    void WiederholenClick();
    void Eintragbearbeiten1Click();
    void NeuerTexteintrageinfuegenClick();
    void SenderlogoanaktuellenEintrageinfuegen1Click();
    void Eintraglschen1Click();
    void DoppelteEintraegesuchenClick();
    void DoppelteEintraegeentfernenClick();
    void LogosautomatischzuordnenClick();
    void DruckeListe(Ausgabeart art);
    void SpeichereListeAlsBild(Ausgabeart art);
    // After a print or picture run: the file written on the status line and on the
    // desktop, or `leer` when the list was empty and nothing was written.
    void ZeigeAusgabe(const QString& datei, const QString& leer);
    // "Drucken..." and "Druckvorschau...": straight to a printer of the system.
    void DruckeDirekt(bool vorschau);
    // "Nur geänderte Karten drucken" is offered while an update waits to be printed, ticked
    // when it comes; prints then hold only those cards.
    void ZeigeNurGeaenderte();
    bool NurGeaenderte() const;
    void Schriftart1Click();
    void OeffneOrdner(const QString& ordner);
    // The desktop shows the file or folder; when it cannot, a box names it and offers
    // its folder where something could open that.
    void ZeigeMitDemDesktop(const QString& pfad);
    // The list saved at "Beenden": false when the user keeps the program open after
    // the save failed.
    bool SichereListeZumEnde();
    void SchreibeEinstellungen();
    // Before a save over a list file another program changed since: the user decides.
    bool FrageVorDemUeberschreiben(const QString& name);
    void Suchen1Click();
    void ZurueckButtonClick();
    void EinfuegenBtnClick();

    // The three states of the window and the controls each shows. The list mode leaves
    // the list panel's header as it is: a picked logo still waits there when the grid
    // is left by the menu command. "Suchen" is enabled by the grid; the commands that
    // leave it decide on their own.
    void ZeigeListenmodus();
    void ZeigeLogomodus();
    // Attach pending: the list with the picked logo's controls in its header.
    void ZeigeAnhangmodus();
    void LogoGewaehlt(const QString& pfad, const QImage& eintragslogo);
    // The search's timed click: the right button on the tile at this screen point.
    void KlickeAufKachel(const QPoint& ziel);

    // The list font of the list view and the measuring field, and at 10 points of the
    // controls that follow it; the name field only at start-up.
    Listenschrift AktuelleListenschrift() const;
    void SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld);

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
    void ZeigeListenStatus();
    // What "Neu" does: asks for the name, saves the old list, starts an empty one.
    // False when the name dialog was cancelled, or `einverstanden` refused the name:
    // then nothing changed.
    bool BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden = {});
    void FuegeTexteintragEin();
    void VerschiebeEintrag(int von, int nach);
    // The review of the logos found for the entries von to bis (exclusive); after an import
    // only when something was found, and after asking.
    void PruefeLogos(int von, int bis, bool nachImport);
    // Attaches as one step of this name, saved at once; a copy that failed is reported.
    void UebernimmLogos(const QList<struct Logozuweisung>& zuweisungen, const QString& schritt);

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
    bool m_ersteAnzeige = true;
    bool m_programmEndet = false;
    // Closing the window has saved the list, or the user chose to end without it.
    bool m_listeErledigt = false;
    // The direct print's choices, offered again the next time.
    Blattwahl m_blattwahl;
};

} // namespace senvio
