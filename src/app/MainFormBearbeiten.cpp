// Editing, inserting, deleting and moving entries: what the user is asked, and the
// change handed to the list.
#include "app/MainForm.h"

#include "list/BearbeitenForm.h"
#include "list/Bearbeitung.h"
#include "list/Doppelte.h"
#include "list/DoppelteForm.h"
#include "list/Sendernamen.h"
#include "list/TextlistenForm.h"
#include "list/Zeilenformat.h"
#include "logos/Logowahl.h"
#include "platform/Dialoge.h"
#include "view/Eintrag.h"
#include "view/Listenansicht.h"

#include <QLabel>

namespace senvio {

namespace {
const QString TextFilter = QStringLiteral("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
} // namespace

void TMainForm::Eintragbearbeiten1Click() {
    const int i = Listbox1->AktuelleZeile();
    if (i < 0)
        return;
    const std::optional<QString> name = NameZumBearbeiten(m_dokument.Liste().Zeile(i));
    if (!name)
        return;
    TbearbeitenForm& dialog = m_fenster.bearbeiten;
    dialog.SetzeName(*name);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    m_dokument.Aendere({QStringLiteral("Eintrag bearbeiten"), Speichern::Sofort, false}, [&](Listenaenderung& a) {
        int zaehler = a.Platzhalterzaehler();
        const std::optional<QString> neu =
            BearbeiteteZeile(a.Liste().Zeile(i), dialog.Name(), dialog.LogoEntfernen(), zaehler);
        if (!neu)
            return;
        a.Platzhalterzaehler() = zaehler;
        a.Ersetze(i, *neu);
    });
}

void TMainForm::NeuerTexteintrageinfuegenClick() {
    TTextlistenForm& waehler = m_fenster.textliste;
    // Shown or minimised: back to the front with the names it holds.
    if (waehler.isVisible()) {
        waehler.showNormal();
        waehler.raise();
        waehler.activateWindow();
        return;
    }
    const QString datei = Dialoge::DateiOeffnen(this, m_ordner.listen, TextFilter);
    if (datei.isEmpty())
        return;
    waehler.LadeNamen(LeseSendernamen(datei));
    waehler.show();
}

void TMainForm::FuegeTexteintragEin() {
    const std::optional<QString> name = m_fenster.textliste.GewaehlterName();
    if (!name)
        return;
    const SenderListe& liste = m_dokument.Liste();
    if (const std::optional<qsizetype> gleich = FindeGleichenSender(liste.Zeilen(), *name);
        gleich &&
        !Dialoge::Bestaetigung(&m_fenster.textliste,
                               QStringLiteral("„%1“ steht schon unter Nr. %2 in der Liste. Trotzdem einfügen?")
                                   .arg(ZerlegeZeile(liste.Zeile(*gleich)).name.trimmed())
                                   .arg(*gleich + 1)))
        return;
    // Stored with the interim prefix; the renumbering reaches the file with the next save.
    m_dokument.Aendere({QStringLiteral("Eintrag einfügen"), Speichern::Sofort, true}, [&](Listenaenderung& a) {
        a.HaengeAn(NeueTextzeile(*name, a.Liste().Anzahl() + 1, a.Platzhalterzaehler()));
        a.Waehle(int(a.Liste().Anzahl()) - 1);
    });
    Listbox1->setFocus();
}

void TMainForm::Eintraglschen1Click() {
    const int i = Listbox1->AktuelleZeile();
    if (i < 0 || !Dialoge::Bestaetigung(this, LoeschFrage(m_dokument.Liste().Zeile(i))))
        return;
    // Only in memory: the next save or the end of the program writes it.
    m_dokument.Aendere({QStringLiteral("Eintrag löschen"), Speichern::Spaeter, true}, [&](Listenaenderung& a) {
        a.Loesche(i);
        a.Waehle(AuswahlNachLoeschen(i));
    });
}

void TMainForm::VerschiebeEintrag(int von, int nach) {
    const qsizetype anzahl = m_dokument.Liste().Anzahl();
    if (von < 0 || nach < 0 || von >= anzahl || nach >= anzahl)
        return;
    m_dokument.Aendere({QStringLiteral("Eintrag verschieben"), Speichern::Spaeter, true}, [&](Listenaenderung& a) {
        a.Verschiebe(von, nach);
        a.Waehle(nach);
    });
}

void TMainForm::DoppelteEintraegesuchenClick() {
    if (IstLogoModus())
        ZeigeListenmodus();
    const std::optional<Doppel> doppel = NaechstesDoppel(m_dokument.Liste().Zeilen(), Listbox1->AktuelleZeile());
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

// Every later copy at once, after a doubled import; the first entry of each station stays.
void TMainForm::DoppelteEintraegeentfernenClick() {
    if (IstLogoModus())
        ZeigeListenmodus();
    const QStringList zeilen = m_dokument.Liste().Zeilen();
    const QList<Doppel> kopien = SpaetereKopien(zeilen);
    if (kopien.isEmpty()) {
        Dialoge::Information(this, QStringLiteral("In der Liste steht kein Sender mehr als einmal."));
        return;
    }
    // A copy of the drawing state: the table's logos leave the list's placeholder counter alone.
    Eintragsumgebung umgebung = m_dokument.Umgebung();
    QList<Kopiezeile> tabelle;
    for (const Doppel& kopie : kopien)
        tabelle.append({int(kopie.eintrag) + 1, ZerlegeZeile(zeilen[kopie.eintrag]).name.trimmed(),
                        Eintragslogo(zeilen[kopie.eintrag], umgebung), int(kopie.anderer) + 1});
    TDoppelteForm dialog(tabelle, this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const QList<int> weg = dialog.Angekreuzt();
    if (weg.isEmpty())
        return;
    // One step of the history; saved as a deletion is, with the next save.
    m_dokument.Aendere({QStringLiteral("Doppelte Einträge entfernen"), Speichern::Spaeter, true},
                       [&](Listenaenderung& a) {
                           for (qsizetype i = weg.size() - 1; i >= 0; --i)
                               a.Loesche(int(kopien[weg[i]].eintrag));
                           a.Waehle(int(kopien[weg.first()].anderer));
                       });
    Listbox1->setFocus();
}

} // namespace senvio
