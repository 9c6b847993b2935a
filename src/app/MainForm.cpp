// Start-up, first paint, exit and the modes of the main window.
#include "app/MainForm.h"

#include "app/Fehlerbehandlung.h"
#include "app/NachrichtenFilter.h"
#include "list/ListenDatei.h"
#include "list/Nummerierung.h"
#include "list/Platzhalterzaehler.h"
#include "list/TextlistenForm.h"
#include "logos/LogoGruppen.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Fehler.h"
#include "platform/Startordner.h"
#include "view/ListenAnsicht.h"
#include "view/Platzhalter.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>

namespace senvio {

namespace {
const QString TitelAnfang = QStringLiteral("Senvio-Liste 2.0");
} // namespace

TMainForm::TMainForm(const ProgrammOrdner& ordner) : m_ordner(ordner) {
    m_umgebung.programmOrdner = m_ordner.programm;
    BaueFensterAuf();
    VerbindeLogoBefehle();
    VerbindeVerlauf();
    FormCreate();
}

TMainForm::~TMainForm() {
    if (auto* anwendung = dynamic_cast<SenvioAnwendung*>(qApp); anwendung && m_filter)
        anwendung->SetzeNachrichtenFilter({});
}

void TMainForm::FormCreate() {
    const OrdnerPruefung pruefung = PruefeUndLegeOrdnerAn(m_ordner);
    if (pruefung.listenOrdnerFehlt) {
        Dialoge::Information(nullptr, pruefung.information);
        m_programmEndet = true;
        return;
    }
    for (const QString& warnung : pruefung.warnungen)
        Dialoge::Warnung(nullptr, warnung);
    m_filter = std::make_unique<NachrichtenFilter>(*this);
    if (auto* anwendung = dynamic_cast<SenvioAnwendung*>(qApp))
        anwendung->SetzeNachrichtenFilter([this](QObject* o, QEvent* e) { return m_filter->Pruefe(o, e); });
    ComboBox1->addItems(LeseLogoGruppen(m_ordner.logoWurzel));
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
    QMainWindow::closeEvent(ereignis);
    if (ereignis->isAccepted())
        QCoreApplication::quit();
}

// What follows every change of mode or rows: the back button follows the panels,
// the small preview moves left while the list shows its scroll bar.
void TMainForm::FormPaint() {
    if (m_ersteAnzeige)
        ErsteAnzeigeInitialisieren();
    if (Panel1->isVisibleTo(this))
        ZurueckButton->show();
    if (Panel2->isVisibleTo(this))
        ZurueckButton->hide();
    Image324->move(Listbox1->model()->rowCount() > 12 ? 412 : 430, 2);
}

void TMainForm::ErsteAnzeigeInitialisieren() {
    m_ersteAnzeige = false;
    LoescheDateien(m_ordner.temp + QStringLiteral("/*.*"));
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    Image324->resize(LogoBreite, LogoHoehe);
    if (const std::optional<int> auswahl =
            LeseIniGanzzahl(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl")))
        ComboBox1->setCurrentIndex(*auswahl >= 0 && *auswahl < ComboBox1->count() ? *auswahl : -1);
    m_logoOrdner = m_ordner.logoWurzel + (ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString());
    if (m_fenster.textliste)
        for (int k = 0; k < AnzahlPlatzhalterbilder; ++k)
            m_fenster.textliste->SetzePlatzhalterbild(k, QPixmap::fromImage(Platzhalterbild(k)));
    VerbindeBearbeitung();
    m_umgebung.platzhalterZaehler = 0;
    LadeLetzteListe();
    NummeriereNeu();
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
    const QString name = LeseIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName"));
    const QString datei = FindeListendatei(m_ordner.listen, name);
    if (QFileInfo::exists(datei)) {
        try {
            SenderListe gelesen;
            LeseListendatei(datei, gelesen);
            m_modell.SetzeAlle(std::move(gelesen));
            m_umgebung.platzhalterZaehler =
                PlatzhalterZaehlerNachStart(m_liste.Zeilen(), m_umgebung.platzhalterZaehler);
        } catch (const std::exception& fehler) {
            ZeigeUnbehandeltenFehler(fehler);
            return;
        }
    }
    m_listenName = name;
    m_listenDatei = datei;
    SetzeTitel();
    m_listeVollstaendig = true;
}

void TMainForm::FormDestroy() {
    m_verlauf->clear();
    // Before the first paint, or after a start whose list did not load, the list in
    // memory is not the last list: saving it would empty or cut that list's file.
    if (m_programmEndet || !m_listeVollstaendig)
        return;
    FuehreAus([this] { m_modell.Speichere(AktuelleListendatei()); });
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl"),
                    QString::number(ComboBox1->currentIndex()));
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName"), m_listenName);
}

void TMainForm::NummeriereNeu() {
    m_modell.NummeriereNeu();
    // Also when no number changed: the placeholders are drawn again as after every command.
    Listbox1->viewport()->update();
    ZeigeListenStatus();
}

QString TMainForm::Statuszeile() const {
    return m_statusText->text();
}
void TMainForm::ZeigeListenStatus() {
    m_statusText->setText(ListenStatuszeile(m_liste.Anzahl(), m_listenName));
}

void TMainForm::SetzeTitel() {
    setWindowTitle(m_listenName.isEmpty() ? TitelAnfang : TitelAnfang + QStringLiteral(":   ") + m_listenName);
}

QString TMainForm::AktuelleListendatei() const {
    return m_listenDatei.isEmpty() ? FindeListendatei(m_ordner.listen, m_listenName) : m_listenDatei;
}

bool TMainForm::IstListenModus() const {
    return Panel2->isVisibleTo(this);
}
bool TMainForm::IstLogoModus() const {
    return Panel1->isVisibleTo(this);
}

// List mode: the list panel shows, the grid, the group list and the back button do not.
void TMainForm::ZeigeListenmodus() {
    ComboBox1->hide();
    Panel1->hide();
    Panel2->show();
    ZeigeListenStatus();
    FormPaint();
}

void TMainForm::ZeigeLogomodus() {
    Suchen1->setEnabled(true);
    ComboBox1->show();
    Panel1->show();
    Panel2->hide();
    ZurueckButton->setGeometry(Panel1->x(), ZurueckButton->y(), ZurueckButton->width(), ComboBox1->height());
    FormPaint();
    ZeigeLogoStatus();
}

void TMainForm::ZeigeAnhangmodus() {
    Suchen1->setEnabled(false);
    ZeigeListenmodus();
    for (QWidget* kopf : {static_cast<QWidget*>(EinfuegenBtn), static_cast<QWidget*>(Image324),
                          static_cast<QWidget*>(AbbruchBtn), static_cast<QWidget*>(TntLabel1)})
        kopf->show();
}

void TMainForm::VerbergeKopf() {
    for (QWidget* kopf :
         {static_cast<QWidget*>(EinfuegenBtn), static_cast<QWidget*>(Image324), static_cast<QWidget*>(TntEdit1),
          static_cast<QWidget*>(AbbruchBtn), static_cast<QWidget*>(TntLabel1)})
        kopf->hide();
}

void TMainForm::FokussiereListe() {
    Listbox1->setFocus();
}

bool TMainForm::IstListenansicht(const QWidget* widget) const {
    return widget == Listbox1;
}

void TMainForm::ScrolleLogos(int taste) {
    ScrollBox1->setFocus();
    QScrollBar* leiste = ScrollBox1->verticalScrollBar();
    switch (taste) {
    case Qt::Key_Up:
        leiste->setValue(leiste->value() - 108);
        break;
    case Qt::Key_Down:
        leiste->setValue(leiste->value() + 108);
        break;
    case Qt::Key_PageUp:
        leiste->setValue(leiste->value() - 540);
        break;
    case Qt::Key_PageDown:
        leiste->setValue(leiste->value() + 540);
        break;
    case Qt::Key_Home:
        leiste->setValue(0);
        break;
    case Qt::Key_End:
        leiste->setValue(leiste->maximum());
        break;
    default:
        break;
    }
}

void TMainForm::Beenden1Click() {
    close();
}

void TMainForm::HilfeClick() {
    // Without a copy in the program folder the one that came with the program serves.
    QString hilfe = m_ordner.hilfe;
    if (!QFileInfo::exists(hilfe))
        hilfe = MitgelieferteHilfe(QCoreApplication::applicationDirPath(), QStringLiteral(SENVIO_HILFE_INSTALLIERT));
    Dialoge::OeffneDokument(hilfe.isEmpty() ? QStringLiteral(SENVIO_HILFE_INSTALLIERT) : hilfe);
}

// The desktop's file manager shows the folder. The logo library is made when the user
// asks for it, so there is a place to put logos.
void TMainForm::OeffneOrdner(const QString& ordner) {
    const QString pfad = QDir::cleanPath(ordner);
    if (!QFileInfo(pfad).isDir() && !QDir().mkpath(pfad)) {
        Dialoge::Warnung(this, QStringLiteral("Kann das Verzeichnis ") + pfad + QStringLiteral(" nicht anlegen!"));
        return;
    }
    Dialoge::OeffneDokument(pfad);
}

void TMainForm::LogoOrdneroeffnen1Click() {
    OeffneOrdner(m_ordner.logoWurzel);
}

void TMainForm::ListenOrdneroeffnen1Click() {
    OeffneOrdner(m_ordner.listen);
}

} // namespace senvio
