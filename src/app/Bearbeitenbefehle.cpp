#include "app/Bearbeitenbefehle.h"

#include "app/Hauptfenster.h"
#include "dokument/Listendokument.h"
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

namespace senvio {

namespace {
const QString TextFilter = QStringLiteral("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*");
const QString KeinDoppel = QStringLiteral("In der Liste steht kein Sender mehr als einmal.");
} // namespace

Bearbeitenbefehle::Bearbeitenbefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                                     TbearbeitenForm& bearbeiten, TTextlistenForm& textliste, Logowahl& logowahl)
    : m_fenster(fenster), m_dokument(dokument), m_ordner(ordner), m_bearbeiten(bearbeiten), m_textliste(textliste),
      m_logowahl(logowahl) {}

// Taking a step back or making it again renumbers and saves as any change does; the
// grid keeps its own status line.
void Bearbeitenbefehle::RueckgaengigClick() {
    if (m_dokument.Rueckgaengig() && m_fenster.IstLogoModus())
        m_fenster.MeldeStatus(m_logowahl.Status());
}

void Bearbeitenbefehle::WiederholenClick() {
    if (m_dokument.Wiederhole() && m_fenster.IstLogoModus())
        m_fenster.MeldeStatus(m_logowahl.Status());
}

void Bearbeitenbefehle::Eintragbearbeiten1Click() {
    const int i = m_fenster.Ansicht().AktuelleZeile();
    if (i < 0)
        return;
    const std::optional<QString> name = NameZumBearbeiten(m_dokument.Liste().Zeile(i));
    if (!name)
        return;
    m_bearbeiten.SetzeName(*name);
    m_bearbeiten.SetzeKurzname(m_dokument.Herkunft(i).kurzname);
    if (Dialoge::ZeigeModal(m_bearbeiten) != QDialog::Accepted)
        return;
    m_dokument.Aendere({QStringLiteral("Eintrag bearbeiten"), Speichern::Sofort, false}, [&](Listenaenderung& a) {
        // The short name is kept beside the list, with the entry's other knowledge.
        Eintragsherkunft herkunft = m_dokument.Herkunft(i);
        herkunft.kurzname = m_bearbeiten.Kurzname();
        a.SetzeHerkunft(i, herkunft);
        int zaehler = a.Platzhalterzaehler();
        const std::optional<QString> neu =
            BearbeiteteZeile(a.Liste().Zeile(i), m_bearbeiten.Name(), m_bearbeiten.LogoEntfernen(), zaehler);
        if (!neu)
            return;
        a.Platzhalterzaehler() = zaehler;
        a.Ersetze(i, *neu);
    });
}

void Bearbeitenbefehle::NeuerTexteintrageinfuegenClick() {
    // Shown or minimised: back to the front with the names it holds.
    if (m_textliste.isVisible()) {
        m_textliste.showNormal();
        m_textliste.raise();
        m_textliste.activateWindow();
        return;
    }
    const QString datei = Dialoge::DateiOeffnen(m_fenster.Eltern(), m_ordner.listen, TextFilter);
    if (datei.isEmpty())
        return;
    m_textliste.LadeNamen(LeseSendernamen(datei));
    m_textliste.show();
}

void Bearbeitenbefehle::FuegeTexteintragEin() {
    const std::optional<QString> name = m_textliste.GewaehlterName();
    if (!name)
        return;
    const SenderListe& liste = m_dokument.Liste();
    if (const std::optional<qsizetype> gleich = FindeGleichenSender(liste.Zeilen(), *name);
        gleich && !Dialoge::Bestaetigung(
                      &m_textliste, QStringLiteral("„%1“ steht schon unter Nr. %2 in der Liste. Trotzdem einfügen?")
                                        .arg(ZerlegeZeile(liste.Zeile(*gleich)).name.trimmed())
                                        .arg(*gleich + 1)))
        return;
    // Stored with the interim prefix; the renumbering reaches the file with the next save.
    m_dokument.Aendere({QStringLiteral("Eintrag einfügen"), Speichern::Sofort, true}, [&](Listenaenderung& a) {
        a.HaengeAn(NeueTextzeile(*name, a.Liste().Anzahl() + 1, a.Platzhalterzaehler()));
        a.Waehle(int(a.Liste().Anzahl()) - 1);
    });
    m_fenster.Ansicht().setFocus();
}

void Bearbeitenbefehle::Eintraglschen1Click() {
    const int i = m_fenster.Ansicht().AktuelleZeile();
    if (i < 0 || !Dialoge::Bestaetigung(m_fenster.Eltern(), LoeschFrage(m_dokument.Liste().Zeile(i))))
        return;
    // Only in memory: the next save or the end of the program writes it.
    m_dokument.Aendere({QStringLiteral("Eintrag löschen"), Speichern::Spaeter, true}, [&](Listenaenderung& a) {
        a.Loesche(i);
        a.Waehle(AuswahlNachLoeschen(i));
    });
}

void Bearbeitenbefehle::VerschiebeEintrag(int von, int nach) {
    const qsizetype anzahl = m_dokument.Liste().Anzahl();
    if (von < 0 || nach < 0 || von >= anzahl || nach >= anzahl)
        return;
    m_dokument.Aendere({QStringLiteral("Eintrag verschieben"), Speichern::Spaeter, true}, [&](Listenaenderung& a) {
        a.Verschiebe(von, nach);
        a.Waehle(nach);
    });
}

void Bearbeitenbefehle::DoppelteEintraegesuchenClick() {
    if (m_fenster.IstLogoModus())
        m_fenster.ZeigeListenmodus();
    Listenansicht& ansicht = m_fenster.Ansicht();
    const std::optional<Doppel> doppel = NaechstesDoppel(m_dokument.Liste().Zeilen(), ansicht.AktuelleZeile());
    if (!doppel) {
        Dialoge::Information(m_fenster.Eltern(), KeinDoppel);
        return;
    }
    ansicht.WaehleZeile(int(doppel->eintrag));
    ansicht.setFocus();
    m_fenster.MeldeStatus(QStringLiteral("Nr. %1 und Nr. %2 sind derselbe Sender.")
                              .arg(std::min(doppel->eintrag, doppel->anderer) + 1)
                              .arg(std::max(doppel->eintrag, doppel->anderer) + 1));
}

// Every later copy at once, after a doubled import; the first entry of each station stays.
// Only the same service or the same name is ticked: entries whose names are only alike
// ("RTL HD" and "RTL UHD", "ATV HD" and "a.tv HD") are offered unticked.
void Bearbeitenbefehle::DoppelteEintraegeentfernenClick() {
    if (m_fenster.IstLogoModus())
        m_fenster.ZeigeListenmodus();
    const QStringList zeilen = m_dokument.Liste().Zeilen();
    QList<Dienstkennung> dienste;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Eintragsherkunft& herkunft = m_dokument.Herkunft(i);
        dienste.append({herkunft.referenz, herkunft.quellname, herkunft.radio, herkunft != Eintragsherkunft()});
    }
    const QList<Kopie> kopien = SpaetereKopien(zeilen, dienste);
    if (kopien.isEmpty()) {
        Dialoge::Information(m_fenster.Eltern(), KeinDoppel);
        return;
    }
    // A copy of the drawing state: the table's logos leave the list's placeholder counter alone.
    Eintragsumgebung umgebung = m_dokument.Umgebung();
    QList<Kopiezeile> tabelle;
    for (const Kopie& kopie : kopien)
        tabelle.append({int(kopie.eintrag) + 1, ZerlegeZeile(zeilen[kopie.eintrag]).name.trimmed(),
                        Eintragslogo(zeilen[kopie.eintrag], umgebung), int(kopie.erster) + 1, kopie.sicher});
    TDoppelteForm dialog(tabelle, m_fenster.Eltern());
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
                           // The earliest ticked goes; the entry it copies is before it and stays.
                           a.Waehle(int(kopien[weg.first()].erster));
                       });
    m_fenster.Ansicht().setFocus();
}

} // namespace senvio
