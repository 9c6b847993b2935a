// Editing, inserting, deleting and moving entries: glue between the list view, the
// two dialogs and the list logic.
#include "app/MainForm.h"

#include "app/Fehlerbehandlung.h"
#include "list/BearbeitenForm.h"
#include "list/Bearbeitung.h"
#include "list/Doppelte.h"
#include "list/ListenDatei.h"
#include "list/Sendernamen.h"
#include "list/TextlistenForm.h"
#include "list/Zeilenformat.h"
#include "platform/Dialoge.h"
#include "view/ListenAnsicht.h"

#include <QLabel>
#include <QMenu>

namespace senvio {

namespace {
const QString TextFilter = QStringLiteral("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
} // namespace

void TMainForm::VerbindeBearbeitung() {
    connect(Listbox1, &ListenAnsicht::VerschiebenGewuenscht, this,
            [this](int von, int nach) { FuehreAus([=, this] { VerschiebeEintrag(von, nach); }); });
    connect(Listbox1, &ListenAnsicht::KontextmenueGewuenscht, this, &TMainForm::ZeigeKontextmenue);
    if (m_fenster.textliste)
        connect(m_fenster.textliste, &TTextlistenForm::Einfuegen, this,
                [this] { FuehreAus([this] { FuegeTexteintragEin(); }); });
}

void TMainForm::Eintragbearbeiten1Click() {
    const int i = Listbox1->AktuelleZeile();
    if (i < 0 || !m_fenster.bearbeiten)
        return;
    const std::optional<QString> name = NameZumBearbeiten(m_liste.Zeile(i));
    if (!name)
        return;
    TbearbeitenForm& dialog = *m_fenster.bearbeiten;
    dialog.SetzeName(*name);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const Verlaufsschritt schritt(*this, QStringLiteral("Eintrag bearbeiten"));
    int zaehler = m_umgebung.platzhalterZaehler;
    const std::optional<QString> neu =
        BearbeiteteZeile(m_liste.Zeile(i), dialog.Name(), dialog.LogoEntfernen(), zaehler);
    if (!neu)
        return;
    m_umgebung.platzhalterZaehler = zaehler;
    m_modell.Ersetze(i, *neu);
    m_modell.Speichere(AktuelleListendatei());
}

void TMainForm::NeuerTexteintrageinfuegenClick() {
    TTextlistenForm* waehler = m_fenster.textliste;
    if (!waehler)
        return;
    // Shown or minimised: back to the front with the names it holds.
    if (waehler->isVisible()) {
        waehler->showNormal();
        waehler->raise();
        waehler->activateWindow();
        return;
    }
    const QString datei = Dialoge::DateiOeffnen(this, m_ordner.listen, TextFilter);
    if (datei.isEmpty())
        return;
    waehler->LadeNamen(LeseSendernamen(datei));
    waehler->show();
}

void TMainForm::FuegeTexteintragEin() {
    const std::optional<QString> name = m_fenster.textliste->GewaehlterName();
    if (!name)
        return;
    if (const std::optional<qsizetype> gleich = FindeGleichenSender(m_liste.Zeilen(), *name);
        gleich &&
        !Dialoge::Bestaetigung(m_fenster.textliste,
                               QStringLiteral("„%1“ steht schon unter Nr. %2 in der Liste. Trotzdem einfügen?")
                                   .arg(ZerlegeZeile(m_liste.Zeile(*gleich)).name.trimmed())
                                   .arg(*gleich + 1)))
        return;
    const Verlaufsschritt schritt(*this, QStringLiteral("Eintrag einfügen"));
    int zaehler = m_umgebung.platzhalterZaehler;
    const QString zeile = NeueTextzeile(*name, m_liste.Anzahl() + 1, zaehler);
    m_modell.HaengeAn(zeile);
    m_umgebung.platzhalterZaehler = zaehler;
    // Stored with the interim prefix; the renumbering reaches the file with the next save.
    m_modell.Speichere(AktuelleListendatei());
    Listbox1->WaehleZeile(int(m_liste.Anzahl()) - 1);
    Listbox1->setFocus();
    NummeriereNeu();
}

void TMainForm::Eintraglschen1Click() {
    const int i = Listbox1->AktuelleZeile();
    if (i < 0 || !Dialoge::Bestaetigung(this, LoeschFrage(m_liste.Zeile(i))))
        return;
    const Verlaufsschritt schritt(*this, QStringLiteral("Eintrag löschen"));
    // Only in memory: the next save or the end of the program writes it.
    m_modell.Loesche(i);
    Listbox1->WaehleZeile(AuswahlNachLoeschen(i));
    NummeriereNeu();
}

void TMainForm::VerschiebeEintrag(int von, int nach) {
    const qsizetype anzahl = m_liste.Anzahl();
    if (von < 0 || nach < 0 || von >= anzahl || nach >= anzahl)
        return;
    const Verlaufsschritt schritt(*this, QStringLiteral("Eintrag verschieben"));
    m_modell.Verschiebe(von, nach);
    Listbox1->WaehleZeile(nach);
    NummeriereNeu();
}

void TMainForm::DoppelteEintraegesuchenClick() {
    if (IstLogoModus())
        ZeigeListenmodus();
    const std::optional<Doppel> doppel = NaechstesDoppel(m_liste.Zeilen(), Listbox1->AktuelleZeile());
    if (!doppel) {
        Dialoge::Information(this, QStringLiteral("In der Liste steht kein Sender mehr als einmal."));
        return;
    }
    Listbox1->WaehleZeile(int(doppel->eintrag));
    Listbox1->setFocus();
    m_statusText->setText(QStringLiteral("Nr. %1 und Nr. %2 sind derselbe Sender.")
                              .arg(std::min(doppel->eintrag, doppel->anderer) + 1)
                              .arg(std::max(doppel->eintrag, doppel->anderer) + 1));
}

void TMainForm::ZeigeKontextmenue(const QPoint& global) {
    if (Listbox1->AktuelleZeile() < 0 || m_liste.Anzahl() < 1)
        return;
    PopupMenu1->popup(global + QPoint(10, 10));
}

} // namespace senvio
