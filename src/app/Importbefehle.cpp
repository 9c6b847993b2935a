#include "app/Importbefehle.h"

#include "app/Dateibefehle.h"
#include "app/Druckbefehle.h"
#include "app/Hauptfenster.h"
#include "app/Logobefehle.h"
#include "dokument/Aktualisierung.h"
#include "dokument/AktualisierungForm.h"
#include "dokument/Empfangslogos.h"
#include "dokument/Importablauf.h"
#include "empfang/Empfangsvermerk.h"
#include "empfang/ReceiverForm.h"
#include "import/ImportForm.h"
#include "list/Listendatei.h"
#include "platform/Dialoge.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QFileInfo>

namespace senvio {

Importbefehle::Importbefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                             QProgressBar& fortschritt, Dateibefehle& datei, Logobefehle& logos, Druckbefehle& druck)
    : m_fenster(fenster), m_dokument(dokument), m_ordner(ordner), m_fortschritt(fortschritt), m_datei(datei),
      m_logos(logos), m_druck(druck) {}

void Importbefehle::SenderlisteImportierenClick() {
    const std::optional<ImportFund> fund =
        WaehleImportquellen(m_fenster.Eltern(), m_ordner.einstellungen, m_fortschritt);
    if (fund)
        ImportiereFund(*fund, {});
}

void Importbefehle::VomReceiverHolenClick() {
    QWidget* eltern = m_fenster.Eltern();
    const std::optional<Receiverabruf> abruf = HoleVomReceiver(eltern, m_ordner.einstellungen);
    if (!abruf)
        return;
    ImportiereFund(
        abruf->fund.fund,
        [&](const Importlisten& listen) {
            QStringList referenzen;
            for (const QList<ImportEintrag>* eintraege : {&listen.liste, &listen.radio})
                for (const ImportEintrag& eintrag : *eintraege)
                    if (!eintrag.referenz.isEmpty())
                        referenzen << eintrag.referenz;
            referenzen.removeDuplicates();
            return HoleReceiverlogos(eltern, *abruf, referenzen);
        },
        &*abruf);
}

void Importbefehle::ImportiereFund(const ImportFund& fund, const Logoholer& holeLogos, const Receiverabruf* abruf) {
    QWidget* eltern = m_fenster.Eltern();
    TImportForm dialog(fund, m_dokument.Name(), eltern);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const Importlisten listen = ImportEintraege(fund, dialog.GruppenWahl(), dialog.Optionen());
    if (listen.liste.isEmpty())
        return;
    // Fetched before anything changes: cancelling leaves every list as it was.
    const std::optional<QHash<QString, QByteArray>> logos =
        holeLogos ? holeLogos(listen) : std::optional<QHash<QString, QByteArray>>(QHash<QString, QByteArray>());
    if (!logos)
        return;
    const bool anhaengen = dialog.Anhaengen();
    // A new radio list follows the rule of a new list: one of that name is overwritten
    // only when the user says so, and then before anything else changes.
    const auto radiolisteErlaubt = [&](const QString& name) {
        const QString radio = RadiolistenName(name);
        return listen.radio.isEmpty() || PruefeListennamen(radio, m_ordner.listen) != NamensPruefung::Vorhanden ||
               Dialoge::Bestaetigung(eltern, UeberschreibFrage(radio));
    };
    if (!anhaengen && !m_datei.BeginneNeueListe(radiolisteErlaubt))
        return;

    const Sanduhr sanduhr;
    if (m_fenster.IstLogoModus())
        m_fenster.ZeigeListenmodus();
    Listendokument radio(m_ordner);
    const int ersteNeue = Importiere(m_dokument, radio, listen, anhaengen, Speichern::Sofort,
                                     MitReceiver(WahlDesImports(fund, dialog.GruppenWahl(), dialog.Optionen()), abruf));
    if (!logos->isEmpty()) {
        QStringList fehlschlaege =
            LegeEmpfangslogosAn(m_dokument, ersteNeue, int(m_dokument.Liste().Anzahl()), *logos, Speichern::Sofort)
                .fehlschlaege;
        if (!listen.radio.isEmpty()) {
            const int anzahl = int(radio.Liste().Anzahl());
            fehlschlaege +=
                LegeEmpfangslogosAn(radio, anzahl - int(listen.radio.size()), anzahl, *logos, Speichern::Sofort)
                    .fehlschlaege;
        }
        if (!fehlschlaege.isEmpty())
            Dialoge::Warnung(eltern, fehlschlaege.join(u'\n'));
    }
    m_fenster.Ansicht().setFocus();
    if (!listen.radio.isEmpty())
        Dialoge::Information(eltern, QStringLiteral("Die Radiosender stehen mit den Nummern Ihres Empfängers in der "
                                                    "Liste „%1“ (%2 Einträge). Sie öffnen sie mit „Datei“ › "
                                                    "„Öffnen...“.")
                                         .arg(radio.Name())
                                         .arg(listen.radio.size()));
    m_logos.PruefeLogos(ersteNeue, int(m_dokument.Liste().Anzahl()), true);
}

void Importbefehle::ListeAktualisierenClick() {
    QWidget* eltern = m_fenster.Eltern();
    if (m_dokument.Liste().Anzahl() == 0) {
        Dialoge::Information(eltern, QStringLiteral("Die Liste ist leer. Es gibt nichts zu aktualisieren; holen Sie "
                                                    "die Sender mit „Datei“ › „Senderliste importieren...“."));
        return;
    }
    // The choice of the last import or update: its folder, its groups, its numbering.
    const Quellenwahl gemerkt = m_dokument.GemerkteQuellen();
    if (!gemerkt.receiver.adresse.isEmpty()) {
        const int quelle = Dialoge::Wahl(
            eltern, QStringLiteral("Liste aktualisieren"),
            QStringLiteral("Die Liste wurde vom Receiver %1 geholt. Woher soll der neue Stand kommen?")
                .arg(gemerkt.receiver.adresse),
            {QStringLiteral("Vom Receiver"), QStringLiteral("Aus Dateien..."), QStringLiteral("Abbrechen")});
        if (quelle == 0)
            AktualisiereVomReceiver(gemerkt);
        if (quelle != 1)
            return;
    }
    const QFileInfo ersteQuelle(gemerkt.quellen.value(0));
    const QString startordner = gemerkt.quellen.isEmpty() ? QString()
                                : ersteQuelle.isDir()     ? ersteQuelle.filePath()
                                                          : ersteQuelle.path();
    std::optional<ImportFund> fund = WaehleImportquellen(eltern, m_ordner.einstellungen, m_fortschritt, startordner);
    if (!fund)
        return;
    if (const QStringList fehlend = WaehleGemerkteGruppen(*fund, gemerkt); !fehlend.isEmpty())
        Dialoge::Information(eltern, FehlendeGruppenText(fehlend));
    TImportForm auswahl(*fund, m_dokument.Name(), eltern, TImportForm::Zweck::Aktualisieren);
    auswahl.SetzeBouquetAbEins(gemerkt.bouquetAbEins);
    if (Dialoge::ZeigeModal(auswahl) != QDialog::Accepted)
        return;
    Importlisten listen;
    {
        const Sanduhr sanduhr;
        listen = ImportEintraege(*fund, auswahl.GruppenWahl(), auswahl.Optionen());
    }
    PruefeUndAktualisiere(listen, WahlDesImports(*fund, auswahl.GruppenWahl(), auswahl.Optionen()));
}

void Importbefehle::AktualisiereVomReceiver(const Quellenwahl& gemerkt) {
    QWidget* eltern = m_fenster.Eltern();
    std::optional<Receiverabruf> abruf =
        HoleVomReceiver(eltern, m_ordner.einstellungen, ZielDesReceivers(gemerkt.receiver));
    if (!abruf)
        return;
    // The groups and the numbering of the last import or update, without asking again.
    if (const QStringList fehlend = WaehleGemerkteGruppen(abruf->fund.fund, gemerkt); !fehlend.isEmpty())
        Dialoge::Information(eltern, FehlendeGruppenText(fehlend));
    ImportOptionen optionen;
    optionen.bouquetAbEins = gemerkt.bouquetAbEins;
    const QList<bool> wahl = VorgewaehlteGruppen(abruf->fund.fund);
    if (const QString falsch = GruppenwahlFehler(abruf->fund.fund, wahl); !falsch.isEmpty()) {
        Dialoge::Warnung(eltern, falsch);
        return;
    }
    Importlisten listen;
    {
        const Sanduhr sanduhr;
        listen = ImportEintraege(abruf->fund.fund, wahl, optionen);
    }
    // An update from nothing would take every entry away.
    if (KanaeleFuer(m_dokument, listen).isEmpty()) {
        Dialoge::Information(eltern, QStringLiteral("Die gewählten Gruppen enthalten keine Sender."));
        return;
    }
    PruefeUndAktualisiere(listen, MitReceiver(WahlDesImports(abruf->fund.fund, wahl, optionen), &*abruf), &*abruf);
}

void Importbefehle::PruefeUndAktualisiere(const Importlisten& listen, const Quellenwahl& quellen,
                                          const Receiverabruf* abruf) {
    QWidget* eltern = m_fenster.Eltern();
    std::optional<TAktualisierungForm> pruefung;
    {
        const Sanduhr sanduhr;
        pruefung.emplace(GleicheAb(m_dokument, listen), m_dokument.Umgebung(), m_dokument.Quellenhinweis(), eltern);
    }
    if (Dialoge::ZeigeModal(*pruefung) != QDialog::Accepted)
        return;
    // A scan of the wrong source would replace the list: asked before, not found out after.
    if (const Aenderungsumfang umfang = UmfangDerAktualisierung(pruefung->Ergebnis(), pruefung->Wahl());
        umfang.gross && !Dialoge::Bestaetigung(eltern, UmfangText(umfang) + QStringLiteral(" Trotzdem aktualisieren?")))
        return;
    // The box's logos of the new channels, fetched before anything changes: cancelling leaves the list as it was.
    std::optional<QHash<QString, QByteArray>> logos = QHash<QString, QByteArray>();
    if (const QStringList neue = ReferenzenDerNeuen(pruefung->Ergebnis(), pruefung->Wahl()); abruf && !neue.isEmpty())
        logos = HoleReceiverlogos(eltern, *abruf, neue);
    if (!logos)
        return;
    if (m_fenster.IstLogoModus())
        m_fenster.ZeigeListenmodus();
    const Aktualisierungsbericht bericht =
        Aktualisiere(m_dokument, pruefung->Ergebnis(), pruefung->Wahl(), quellen, *logos);
    m_fenster.Ansicht().setFocus();
    if (!bericht.empfangslogos.fehlschlaege.isEmpty())
        Dialoge::Warnung(eltern, bericht.empfangslogos.fehlschlaege.join(u'\n'));
    if (!bericht.hinweis.isEmpty())
        Dialoge::Information(eltern, bericht.hinweis);
    if (!bericht.geaendert) {
        Dialoge::Information(eltern,
                             QStringLiteral("Die Liste ist auf dem Stand der Quellen. Es wurde nichts geändert."));
        return;
    }
    m_druck.ZeigeNurGeaenderte();
    // The cards to reprint first: the counts may not fit the line.
    m_fenster.MeldeStatus(KartenText(bericht.geaenderteKarten) + QStringLiteral(" — ") + Anzahlentext(bericht.anzahl));
}

} // namespace senvio
