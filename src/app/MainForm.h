#pragma once

#include "list/SenderListe.h"
#include "output/Ausgabeart.h"
#include "platform/Ordner.h"
#include "platform/Radrasten.h"
#include "view/Eintrag.h"
#include "view/ListenModell.h"
#include "view/Listenschrift.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTimer;
class QUndoStack;

namespace senvio {

class ListenAnsicht;
class Logobestand;
class LogoRaster;
class NachrichtenFilter;
class TGrossImageForm;
class TMachPause;
class TNameEingabeForm;
class TSuchForm;
class TTextlistenForm;
class TbearbeitenForm;
struct Logozuweisung;
struct Pruefeintrag;
struct Zeilenwechsel;

// The other five windows, created after the main window and kept until exit.
struct Nebenfenster {
    TNameEingabeForm* nameEingabe = nullptr;
    TbearbeitenForm* bearbeiten = nullptr;
    TTextlistenForm* textliste = nullptr;
    TGrossImageForm* grossBild = nullptr;
    TSuchForm* suche = nullptr;
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Runs the creation steps: the folder checks, the group list. When the lists
    // folder is missing, ProgrammEndet() is true and nothing else happens.
    explicit TMainForm(const ProgrammOrdner& ordner);
    ~TMainForm() override;

    bool ProgrammEndet() const { return m_programmEndet; }
    void VerbindeFenster(const Nebenfenster& fenster) { m_fenster = fenster; }
    const Nebenfenster& Fenster() const { return m_fenster; }

    // Saves the list and the two settings; run once when the program ends.
    void FormDestroy();

    // State read by tests and the message filter.
    const SenderListe& Liste() const { return m_liste; }
    const QString& ListenName() const { return m_listenName; }
    const QString& LogoOrdner() const { return m_logoOrdner; }
    QString Statuszeile() const;
    int Platzhalterzaehler() const { return m_umgebung.platzhalterZaehler; }
    bool ErsteAnzeige() const { return m_ersteAnzeige; }
    // The logo files of the group in the grid; a tile's tag is its index here.
    const QStringList& LogoDateien() const { return m_logoDateien; }
    bool IstListenModus() const;
    bool IstLogoModus() const;

    // For the message filter, which asks for the mode and leaves the controls to the window.
    // Scrolls the logo grid as the keys do in the logo-picking mode.
    void ScrolleLogos(int taste);
    // The wheel over the main window while the logo grid is shown: its vertical angle distance.
    void FormMouseWheel(int winkel);
    // The list takes the keys that the wheel stands for; Ctrl moves an entry only there.
    void FokussiereListe();
    bool IstListenansicht(const QWidget* widget) const;
    void HilfeClick();

    // Overwrites the placeholder counter with the value drawing would have left; tests
    // set it before a command.
    void UeberschreibePlatzhalterzaehler(int wert) { m_umgebung.platzhalterZaehler = wert; }

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    // Menu commands, run through their menu items (Befehl).
    void Neu1Click();
    void ffnen1Click();
    // Reads a receiver's channel list and makes it a new list or appends it (MainFormImport.cpp).
    void SenderlisteImportierenClick();
    void Speichernunter1Click();
    void Beenden1Click();
    // The history of the list's changes (MainFormVerlauf.cpp).
    void RueckgaengigClick();
    void WiederholenClick();
    void Eintragbearbeiten1Click();
    void NeuerTexteintrageinfuegenClick();
    void SenderlogoanaktuellenEintrageinfuegen1Click();
    void Eintraglschen1Click();
    // Selects the next entry whose station stands in the list more than once.
    void DoppelteEintraegesuchenClick();
    // Finds logos for the entries by name and attaches the ones the user confirms (MainFormZuordnung.cpp).
    void LogosautomatischzuordnenClick();
    // Printing as sleeve cards and saving as one picture (MainFormAusgabe.cpp).
    void FuerEinfachhuelleObenGeheftetClick();
    void FuerEinfachhuelleLinksGeheftetClick();
    void fuerDoppelhuellenClick();
    void JpegDatei1Click();
    void PNGDatei1Click();
    void Schriftart1Click();
    void LogoOrdneroeffnen1Click();
    void ListenOrdneroeffnen1Click();
    void Suchen1Click();

    // The logo library: groups, the tile grid, picking and attaching (MainFormLogos.cpp).
    void ComboBox1Change();
    void LadeDieBilder();
    void ZurueckButtonClick();
    void EinfuegenBtnClick();
    void AbbruchBtnClick();
    void Timer1Timer();

    // The three states of the window and the controls each shows. The list mode leaves
    // the list panel's header as it is: a picked logo still waits there when the grid
    // is left by the menu command. "Suchen" is enabled by the grid; the commands that
    // leave it decide on their own.
    void ZeigeListenmodus();
    void ZeigeLogomodus();
    // Attach pending: the list with the picked logo's controls in its header.
    void ZeigeAnhangmodus();
    // The picked logo's controls go: attached, cancelled or another list.
    void VerbergeKopf();

    // The list font of the list view and the measuring field, and at 10 points of the
    // controls that follow it; the name field only at start-up.
    Listenschrift AktuelleListenschrift() const;
    void SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld);

    // Renumbers the lines through the model and shows the count in the status line.
    void NummeriereNeu();
    void FormCreate();
    void FormPaint();
    void ErsteAnzeigeInitialisieren();
    void BaueFensterAuf();
    void BaueListenPanelAuf();
    void BaueMenuesAuf();
    // Connects a menu item to a command; an error the command does not catch ends
    // it and is shown in the error box.
    void Befehl(QAction* eintrag, void (TMainForm::*befehl)());
    void LadeLetzteListe();
    void SetzeTitel();
    void ZeigeListenStatus();
    void OeffneOrdner(const QString& ordner);
    QString AktuelleListendatei() const;
    QString EigeneListendatei(const QString& gewaehlt) const;
    // What "Neu" does: asks for the name, saves the old list, starts an empty one.
    // False when the name dialog was cancelled, or `einverstanden` refused the name:
    // then nothing changed.
    bool BeginneNeueListe(const std::function<bool(const QString& name)>& einverstanden = {});
    // Editing and reordering: the list view's and the station picker's requests.
    void VerbindeBearbeitung();
    void FuegeTexteintragEin();
    void VerschiebeEintrag(int von, int nach);
    void ZeigeKontextmenue(const QPoint& global);
    void VerbindeLogoBefehle();
    void BaueKachelnAuf();
    void KachelMausDruck(int tag, Qt::MouseButton taste);
    void KachelMausBewegung(int tag);
    void WaehleLogo(int tag);
    void ZeigeLogoStatus();
    // Attaches logos to entries as the attach button does: the lines, one save, the copies;
    // one step of the history with this name.
    void HaengeLogosAn(const QList<Logozuweisung>& zuweisungen, const QString& schritt);
    // The review of the logos found for the entries von to bis (exclusive); after an import
    // only when something was found, and after asking.
    void PruefeLogos(int von, int bis, bool nachImport);
    QList<Pruefeintrag> Pruefeintraege(const Logobestand& bestand, int von, int bis) const;
    // Records what the lines became between its making and its end as one step of the
    // history, "Rückgängig: <name>"; nothing when the lines stayed as they were. A change
    // that ends in an error (the save failed) has happened in memory and is recorded too.
    class Verlaufsschritt {
    public:
        Verlaufsschritt(TMainForm& haupt, QString name);
        ~Verlaufsschritt();
        Verlaufsschritt(const Verlaufsschritt&) = delete;
        Verlaufsschritt& operator=(const Verlaufsschritt&) = delete;

    private:
        TMainForm& m_haupt;
        QString m_name;
        QStringList m_vorher;
        int m_auswahl;
    };
    // Makes a step of the history again or takes it back: the lines, the renumbering, the
    // selection. Saving is left to the command.
    void WendeSchrittAn(const Zeilenwechsel& wechsel, bool vorwaerts, int auswahl);
    void VerbindeVerlauf();
    void DruckeListe(Ausgabeart art);
    void SpeichereListeAlsBild(Ausgabeart art);

    // Controls, named as the program has always named them; each carries its name as
    // objectName, so that tests find it.
    QComboBox* ComboBox1 = nullptr;
    QPushButton* ZurueckButton = nullptr;
    QFrame* Panel1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QFrame* Panel2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    ListenAnsicht* Listbox1 = nullptr;
    QPushButton* AbbruchBtn = nullptr;
    QLabel* TntLabel1 = nullptr;
    QPushButton* EinfuegenBtn = nullptr;
    QLabel* Image324 = nullptr;
    QLineEdit* TntEdit1 = nullptr;
    QLineEdit* tempTntEdit = nullptr;

    QAction* Neu1 = nullptr;
    QAction* ffnen1 = nullptr;
    QAction* Senderlisteimportieren1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederholen1 = nullptr;
    QAction* Eintragbearbeiten1 = nullptr;
    QAction* NeuerTexteintrageinfuegen1 = nullptr;
    QAction* SenderlogoanaktuellenEintrageinfuegen1 = nullptr;
    QAction* Eintraglschen1 = nullptr;
    QAction* Logosautomatischzuordnen1 = nullptr;
    QAction* DoppelteEintraegesuchen1 = nullptr;
    QAction* DruckenOben1 = nullptr;
    QAction* DruckenLinks1 = nullptr;
    QAction* DruckenDoppel1 = nullptr;
    QAction* JPEGDatei1 = nullptr;
    QAction* PNGDatei1 = nullptr;
    QAction* Schriftart1 = nullptr;
    QAction* LogoOrdneroeffnen1 = nullptr;
    QAction* ListenOrdneroeffnen1 = nullptr;
    QAction* Suchen1 = nullptr;
    QAction* Hilfe1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    TMachPause* MachPause1 = nullptr;

    ProgrammOrdner m_ordner;
    // The lines; every change to them goes through the model, which tells the list view.
    ListenModell m_modell;
    const SenderListe& m_liste = m_modell.Liste();
    Eintragsumgebung m_umgebung;
    QString m_listenName;
    // The file in the lists folder that the list was loaded from; empty: the list's
    // file is found by its name.
    QString m_listenDatei;
    QString m_logoOrdner;
    QLabel* m_statusText = nullptr;
    std::unique_ptr<NachrichtenFilter> m_filter;
    Nebenfenster m_fenster;
    bool m_ersteAnzeige = true;
    // The list in memory is the whole list of its name; only then does exit save it.
    bool m_listeVollstaendig = false;
    bool m_programmEndet = false;

    QStringList m_logoDateien;
    QStringList m_logoPositionen;
    LogoRaster* m_logoRaster = nullptr;
    QString m_gewaehlterPfad;
    QString m_gewaehlteDatei;
    int m_logoPosition = 0;
    Radrasten m_logoRad;
    QPoint m_klickpunkt;
    QUndoStack* m_verlauf = nullptr;
    // What the last imports said of the logos of their entries, by entry name.
    QHash<QString, QStringList> m_importSchluessel;
};

} // namespace senvio
