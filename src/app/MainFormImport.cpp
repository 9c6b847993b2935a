// "Senderliste importieren...": a receiver's channel list read, its groups chosen in
// the import dialog, and the channels made a new list or appended to the current one;
// "Liste aktualisieren...": the current list brought up to date with a new scan, reviewed first;
// "Logos automatisch zuordnen...": the logos found for the entries reviewed and attached.
#include "app/MainForm.h"

#include "app/AktualisierungForm.h"
#include "dokument/Aktualisierung.h"
#include "dokument/Importablauf.h"
#include "dokument/Logoablauf.h"
#include "import/ImportForm.h"
#include "list/Listendatei.h"
#include "logos/LogozuordnungForm.h"
#include "platform/Dialoge.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QLabel>

namespace senvio {

void TMainForm::SenderlisteImportierenClick() {
    const std::optional<ImportFund> fund = WaehleImportquellen(this, m_ordner.einstellungen, *ProgressBar1);
    if (!fund)
        return;
    TImportForm dialog(*fund, m_dokument.Name(), this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const Importlisten listen = ImportEintraege(*fund, dialog.GruppenWahl(), dialog.Optionen());
    if (listen.liste.isEmpty())
        return;
    const bool anhaengen = dialog.Anhaengen();
    // A new radio list follows the rule of a new list: one of that name is overwritten
    // only when the user says so, and then before anything else changes.
    const auto radiolisteErlaubt = [&](const QString& name) {
        const QString radio = RadiolistenName(name);
        return listen.radio.isEmpty() || PruefeListennamen(radio, m_ordner.listen) != NamensPruefung::Vorhanden ||
               Dialoge::Bestaetigung(this, UeberschreibFrage(radio));
    };
    if (!anhaengen && !BeginneNeueListe(radiolisteErlaubt))
        return;

    const Sanduhr sanduhr;
    if (IstLogoModus())
        ZeigeListenmodus();
    Listendokument radio(m_ordner);
    const int ersteNeue = Importiere(m_dokument, radio, listen, anhaengen, Speichern::Sofort);
    Listbox1->setFocus();
    if (!listen.radio.isEmpty())
        Dialoge::Information(this, QStringLiteral("Die Radiosender stehen mit den Nummern Ihres Empfängers in der "
                                                  "Liste „%1“ (%2 Einträge). Sie öffnen sie mit „Datei“ › „Öffnen...“.")
                                       .arg(radio.Name())
                                       .arg(listen.radio.size()));
    PruefeLogos(ersteNeue, int(m_dokument.Liste().Anzahl()), true);
}

// The sources chosen as for an import, but without the choice of new list or appending:
// their channels are matched with the open list, and what the review leaves is one step.
void TMainForm::ListeAktualisierenClick() {
    if (m_dokument.Liste().Anzahl() == 0) {
        Dialoge::Information(this, QStringLiteral("Die Liste ist leer. Es gibt nichts zu aktualisieren; holen Sie "
                                                  "die Sender mit „Datei“ › „Senderliste importieren...“."));
        return;
    }
    const std::optional<ImportFund> fund = WaehleImportquellen(this, m_ordner.einstellungen, *ProgressBar1);
    if (!fund)
        return;
    TImportForm auswahl(*fund, m_dokument.Name(), this, TImportForm::Zweck::Aktualisieren);
    if (Dialoge::ZeigeModal(auswahl) != QDialog::Accepted)
        return;
    std::optional<TAktualisierungForm> pruefung;
    {
        const Sanduhr sanduhr;
        const Importlisten listen = ImportEintraege(*fund, auswahl.GruppenWahl(), auswahl.Optionen());
        pruefung.emplace(GleicheAb(m_dokument, listen), m_dokument.Umgebung(), m_dokument.Quellenhinweis(), this);
    }
    if (Dialoge::ZeigeModal(*pruefung) != QDialog::Accepted)
        return;
    if (IstLogoModus())
        ZeigeListenmodus();
    const Aktualisierungsbericht bericht = Aktualisiere(m_dokument, pruefung->Ergebnis(), pruefung->Wahl());
    Listbox1->setFocus();
    if (!bericht.geaendert) {
        Dialoge::Information(this,
                             QStringLiteral("Die Liste ist auf dem Stand der Quellen. Es wurde nichts geändert."));
        return;
    }
    ZeigeNurGeaenderte();
    // The cards to reprint first: the counts may not fit the line.
    m_statusText->setText(KartenText(bericht.geaenderteKarten) + QStringLiteral(" — ") + Anzahlentext(bericht.anzahl));
}

void TMainForm::LogosautomatischzuordnenClick() {
    PruefeLogos(0, int(m_dokument.Liste().Anzahl()), false);
}

void TMainForm::PruefeLogos(int von, int bis, bool nachImport) {
    std::optional<Logobestand> bestand;
    QList<Pruefeintrag> eintraege;
    {
        const Sanduhr sanduhr;
        bestand.emplace(LeseLogobestand(m_ordner.logoWurzel, m_ordner.senderLogos));
        eintraege = FindeLogos(m_dokument, *bestand, von, bis);
        ZeichneBisherigeLogos(eintraege, m_dokument);
    }
    if (eintraege.isEmpty()) {
        if (!nachImport)
            Dialoge::Information(this, QStringLiteral("Für keinen Eintrag der Liste wurde ein passendes Logo "
                                                      "gefunden. %1")
                                           .arg(Beschaedigtenhinweis(bestand->Beschaedigte()))
                                           .trimmed());
        return;
    }
    if (nachImport && !Dialoge::Bestaetigung(this, QStringLiteral("Für %1 der importierten Sender wurden Logos "
                                                                  "gefunden. Möchten Sie die Logos jetzt prüfen "
                                                                  "und zuordnen?")
                                                       .arg(eintraege.size())))
        return;
    TLogozuordnungForm dialog(*bestand, std::move(eintraege), this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    UebernimmLogos(dialog.Gewaehlt(), QStringLiteral("Logos automatisch zuordnen"));
}

} // namespace senvio
