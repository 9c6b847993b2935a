// Start-up, first paint, exit and the modes of the main window.
#include "app/MainForm.h"

#include "app/NachrichtenFilter.h"
#include "basis/Dateimeldung.h"
#include "list/Listendatei.h"
#include "list/Nummerierung.h"
#include "list/TextlistenForm.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "platform/AtomareDatei.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Fehler.h"
#include "platform/Fehlerbox.h"
#include "platform/Startordner.h"
#include "view/Listenansicht.h"
#include "view/Platzhalter.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTextStream>
#include <QTimer>

namespace senvio {

namespace {
const QString TitelAnfang = QStringLiteral("Senvio-Liste 2.0");
} // namespace

TMainForm::TMainForm(const ProgrammOrdner& ordner, const Nebenfenster& fenster, NachrichtenFilter& filter)
    : m_ordner(ordner), m_fenster(fenster), m_dokument(ordner) {
    BaueFensterAuf();
    VerbindeBefehle();
    FormCreate();
    if (!m_programmEndet)
        filter.Bediene(*this);
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
    m_dokument.SetzeUeberschreibfrage([this](const QString& name) { return FrageVorDemUeberschreiben(name); });
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
    if (!SichereListeZumEnde()) {
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
    LoescheDateien(m_ordner.temp + QStringLiteral("/*.*"));
    m_logowahl->WaehleGruppe(LeseIniGanzzahl(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl")));
    for (int k = 0; k < AnzahlPlatzhalterbilder; ++k)
        m_fenster.textliste.SetzePlatzhalterbild(k, QPixmap::fromImage(Platzhalterbild(k)));
    m_dokument.Umgebung().platzhalterzaehler = 0;
    LadeLetzteListe();
    m_dokument.NummeriereNeu();
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
        m_dokument.LadeLetzte(LeseIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName")));
    } catch (const std::exception& fehler) {
        ZeigeUnbehandeltenFehler(fehler);
    }
}

void TMainForm::FormDestroy(bool ohneBox) {
    m_dokument.Verlauf().clear();
    SichereAlles(ohneBox);
    // Qt closes the windows as the program ends: no second save, no question then.
    m_listeErledigt = true;
}

void TMainForm::SichereAlles(bool ohneBox) {
    // Before the first paint, or after a start whose list did not load, the list in
    // memory is not the last list: saving it would empty or cut that list's file.
    if (m_programmEndet || !m_dokument.Vollstaendig())
        return;
    if (!m_listeErledigt && !ohneBox) {
        FuehreAus([this] { m_dokument.Speichere(); });
    } else if (!m_listeErledigt) {
        // Nobody is there to answer: a list file another program changed stays as it wrote it.
        m_dokument.SetzeUeberschreibfrage([](const QString& name) {
            QTextStream(stderr) << "senvio: Die Liste „" << name
                                << "“ wurde von einem anderen Programm geändert und wird nicht überschrieben.\n";
            return false;
        });
        try {
            m_dokument.Speichere();
        } catch (...) {
            QTextStream(stderr) << "senvio: " << QString::fromStdString(MeldungDerAusnahme(std::current_exception()))
                                << '\n';
        }
        m_dokument.SetzeUeberschreibfrage([this](const QString& name) { return FrageVorDemUeberschreiben(name); });
    }
    SchreibeEinstellungen();
}

void TMainForm::SchreibeEinstellungen() {
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("Auswahl"),
                    QString::number(m_logowahl->Gruppe()));
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, QStringLiteral("ListenName"), m_dokument.Name());
}

bool TMainForm::SichereListeZumEnde() {
    if (m_programmEndet || !m_dokument.Vollstaendig() || m_listeErledigt)
        return true;
    try {
        m_dokument.Speichere();
        m_listeErledigt = true;
        return true;
    } catch (const std::exception&) {
    }
    // A list that cannot be written where it lives (a read-only folder, a full disk)
    // goes elsewhere, or is given up only when the user says so.
    const QString frage = QStringLiteral("Die Liste „%1“ konnte nicht gespeichert werden. Möchten Sie sie an einem "
                                         "anderen Ort speichern?")
                              .arg(m_dokument.Name());
    for (;;) {
        switch (Dialoge::Wahl(this, QStringLiteral("Warnung"), frage,
                              {QStringLiteral("Speichern unter..."), QStringLiteral("Ohne Speichern beenden"),
                               QStringLiteral("Abbrechen")})) {
        case 0: {
            bool geschrieben = false;
            FuehreAus([&] { geschrieben = Speichernunter1Click(); });
            if (!geschrieben)
                continue;
            break;
        }
        case 1:
            break;
        default:
            return false;
        }
        m_listeErledigt = true;
        return true;
    }
}

bool TMainForm::FrageVorDemUeberschreiben(const QString& name) {
    return Dialoge::Bestaetigung(this, QStringLiteral("Die Liste „%1“ wurde von einem anderen Programm geändert, seit "
                                                      "sie hier geöffnet oder gespeichert wurde. Möchten Sie sie mit "
                                                      "dem Stand in diesem Fenster überschreiben?")
                                           .arg(name));
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

// List mode: the list panel shows, the grid, the group list and the back button do not.
void TMainForm::ZeigeListenmodus() {
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
    Aktion("Suchen1")->setEnabled(false);
    ZeigeListenmodus();
}

void TMainForm::FokussiereListe() {
    Listbox1->setFocus();
}

bool TMainForm::IstListenansicht(const QWidget* widget) const {
    return widget == Listbox1;
}

void TMainForm::Beenden1Click() {
    close();
}

void TMainForm::HilfeClick() {
    // Without a copy in the program folder the one that came with the program serves.
    QString hilfe = m_ordner.hilfe;
    if (!QFileInfo::exists(hilfe))
        hilfe = MitgelieferteHilfe(QCoreApplication::applicationDirPath(), QStringLiteral(SENVIO_HILFE_INSTALLIERT));
    ZeigeMitDemDesktop(hilfe.isEmpty() ? QStringLiteral(SENVIO_HILFE_INSTALLIERT) : hilfe);
}

// The desktop's file manager shows the folder. The logo library is made when the user
// asks for it, so there is a place to put logos.
void TMainForm::OeffneOrdner(const QString& ordner) {
    const QString pfad = QDir::cleanPath(ordner);
    if (!QFileInfo(pfad).isDir() && !QDir().mkpath(pfad)) {
        Dialoge::Warnung(this, QStringLiteral("Kann das Verzeichnis ") + pfad + QStringLiteral(" nicht anlegen!"));
        return;
    }
    ZeigeMitDemDesktop(pfad);
}

void TMainForm::ZeigeMitDemDesktop(const QString& pfad) {
    if (Dialoge::OeffneDokument(pfad))
        return;
    const QFileInfo ziel(pfad);
    const QString text = QStringLiteral("„%1“\n\nEs wurde kein Programm gefunden, das %2 anzeigen kann.")
                             .arg(QDir::toNativeSeparators(pfad),
                                  ziel.isDir() ? QStringLiteral("diesen Ordner") : QStringLiteral("diese Datei"));
    // A file manager may be there when a viewer is not; without xdg-open nothing opens.
    if (ziel.isDir() || !Dialoge::KannOeffnen()) {
        Dialoge::Information(this, text);
        return;
    }
    if (Dialoge::Wahl(this, QStringLiteral("Information"), text,
                      {QStringLiteral("Ordner öffnen"), QStringLiteral("OK")}) == 0)
        ZeigeMitDemDesktop(ziel.absolutePath());
}

} // namespace senvio
