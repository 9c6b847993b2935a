// Start-up, first paint, exit and the modes of the main window.
#include "app/MainForm.h"

#include "app/Befehle.h"
#include "app/Desktopanzeige.h"
#include "list/Listendatei.h"
#include "list/Nummerierung.h"
#include "list/TextlistenForm.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "output/Kartendateien.h"
#include "platform/AtomareDatei.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Fehlerbox.h"
#include "view/Listenansicht.h"
#include "view/Platzhalter.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace senvio {

namespace {
const QString TitelAnfang = QStringLiteral("Senvio-Liste 2.0");
} // namespace

TMainForm::TMainForm(const ProgrammOrdner& ordner, const Nebenfenster& fenster)
    : m_ordner(ordner), m_fenster(fenster), m_dokument(ordner) {
    BaueFensterAuf();
    VerbindeBefehle();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::FormCreate() {
    const OrdnerPruefung pruefung = PruefeUndLegeOrdnerAn(m_ordner);
    if (pruefung.listenOrdnerFehlt) {
        Dialoge::Information(nullptr, pruefung.information);
        m_programmEndet = true;
        return;
    }
    for (const QString& warnung : pruefung.warnungen)
        Dialoge::Warnung(nullptr, warnung);
    for (const QString& ordner : {m_ordner.programm, m_ordner.listen, m_ordner.senderLogos})
        RaeumeSchreibresteAuf(ordner);
    m_dokument.SetzeUeberschreibfrage(
        [this](const QString& name) { return m_befehle->datei.FrageVorDemUeberschreiben(name); });
    m_logowahl->LeseGruppen();
    connect(Listbox1->model(), &QAbstractItemModel::modelReset, this, &TMainForm::FormPaint);
    connect(Listbox1->model(), &QAbstractItemModel::rowsInserted, this, &TMainForm::FormPaint);
    connect(Listbox1->model(), &QAbstractItemModel::rowsRemoved, this, &TMainForm::FormPaint);
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
}

void TMainForm::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    // The first paint comes once the message loop runs and all windows exist.
    if (m_ersteAnzeige)
        QTimer::singleShot(0, this, [this] { FuehreAus([this] { FormPaint(); }); });
}

// The main window is the program: closing it ends the message loop even while the
// station picker or the large preview is still open.
void TMainForm::closeEvent(QCloseEvent* ereignis) {
    if (!m_programmEndet && m_dokument.Vollstaendig() && !m_befehle->datei.SichereListeZumEnde()) {
        ereignis->ignore();
        return;
    }
    QMainWindow::closeEvent(ereignis);
    if (ereignis->isAccepted())
        QCoreApplication::quit();
}

// What follows every change of mode or rows: the small preview moves left while the
// list shows its scroll bar.
void TMainForm::FormPaint() {
    if (m_ersteAnzeige)
        ErsteAnzeigeInitialisieren();
    m_kopf->RueckeVorschau(Listbox1->model()->rowCount() > 12);
}

void TMainForm::ErsteAnzeigeInitialisieren() {
    m_ersteAnzeige = false;
    LeereTempOrdner(m_ordner.temp); // a link elsewhere is refused by the print, not emptied
    m_logowahl->WaehleGruppe(LeseIniGanzzahl(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl")));
    for (int k = 0; k < AnzahlPlatzhalterbilder; ++k)
        m_fenster.textliste.SetzePlatzhalterbild(k, QPixmap::fromImage(Platzhalterbild(k)));
    LadeLetzteListe();
    SetzeListenschrift(LeseListenschrift(m_ordner.einstellungen, AktuelleListenschrift()), true);
    Listbox1->WaehleZeile(0);
    if (Panel2->isVisible() && Listbox1->isVisible())
        Listbox1->setFocus();
}

// The list named in the settings becomes the current list only once it is loaded whole.
// An unreadable file, or an error on the way (memory ran out), leaves the program with
// no list name, so that no later save can overwrite that list's file, and nothing is
// saved at exit: the next start tries the list again.
void TMainForm::LadeLetzteListe() {
    try {
        m_dokument.Starte(LeseIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName")));
    } catch (const std::exception& fehler) {
        ZeigeUnbehandeltenFehler(fehler);
    }
    m_befehle->datei.MeldeFensterstand();
}

void TMainForm::FormDestroy(bool ohneBox) {
    m_dokument.VergissVerlauf();
    SichereAlles(ohneBox);
    // Qt closes the windows as the program ends: no second save, no question then.
    m_befehle->datei.ErledigeListe();
}

void TMainForm::SichereAlles(bool ohneBox) {
    // Before the first paint, or after a start whose list did not load, the list in
    // memory is not the last list: saving it would empty or cut that list's file.
    if (m_programmEndet || !m_dokument.Vollstaendig())
        return;
    m_befehle->datei.SichereListe(ohneBox);
    SchreibeEinstellungen();
}

void TMainForm::SchreibeEinstellungen() {
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl"),
                    QString::number(m_logowahl->Gruppe()));
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName"), m_dokument.Name());
}

QString TMainForm::Statuszeile() const {
    return m_statusText->text();
}

void TMainForm::ZeigeListenStatus() {
    m_statusText->setText(ListenStatuszeile(m_dokument.Liste().Anzahl(), m_dokument.Name()));
}

void TMainForm::SetzeTitel() {
    const QString& name = m_dokument.Name();
    setWindowTitle(name.isEmpty() ? TitelAnfang : TitelAnfang + QStringLiteral(":   ") + name);
}

bool TMainForm::IstListenModus() const {
    return Panel2->isVisibleTo(this);
}

bool TMainForm::IstLogoModus() const {
    return m_logowahl->isVisibleTo(this);
}

void TMainForm::MeldeStatus(const QString& text) {
    m_statusText->setText(text);
}

// List mode: the list panel shows, the grid, the group list and the back button do not.
void TMainForm::ZeigeListenmodus(Suche suche) {
    if (suche == Suche::Endet)
        Aktion("Suchen1")->setEnabled(false);
    m_logowahl->hide();
    Panel2->show();
    ZeigeListenStatus();
    FormPaint();
}

void TMainForm::ZeigeLogomodus() {
    Aktion("Suchen1")->setEnabled(true);
    Panel2->hide();
    m_logowahl->Oeffne();
    FormPaint();
    m_statusText->setText(m_logowahl->Status());
}

void TMainForm::ZeigeAnhangmodus() {
    ZeigeListenmodus(Suche::Endet);
}

void TMainForm::FokussiereListe() {
    Listbox1->setFocus();
}

bool TMainForm::IstListenansicht(const QWidget* widget) const {
    return widget == Listbox1;
}

void TMainForm::DreheRaster(int winkel) {
    m_logowahl->Rad(winkel);
}

void TMainForm::ScrolleRaster(int taste) {
    m_logowahl->Scrolle(taste);
}

void TMainForm::ZeigeHilfe() {
    m_befehle->einstellung.HilfeClick();
}

} // namespace senvio
