// "Senderliste importieren...": a receiver's channel list read, its groups chosen in
// the import dialog, and the channels made a new list or appended to the current one.
#include "app/MainForm.h"

#include "app/Sanduhr.h"
#include "import/Import.h"
#include "import/ImportForm.h"
#include "list/Bearbeitung.h"
#include "list/ListenDatei.h"
#include "list/Zeilenformat.h"
#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "view/ListenAnsicht.h"

#include <QDir>
#include <QFileInfo>
#include <QProgressBar>

namespace senvio {

namespace {

// The folder of the last import: the next one starts there.
const QString ImportOrdnerSchluessel = QStringLiteral("ImportOrdner");

const QString ImportFilter =
    QStringLiteral("Senderlisten (*.m3u *.m3u8 *.tv *.radio lamedb lamedb5 *.conf *.txt *.chl)|"
                   "*.m3u;*.m3u8;*.tv;*.radio;lamedb;lamedb5;*.conf;*.txt;*.chl|"
                   "Wiedergabelisten (*.m3u *.m3u8)|*.m3u;*.m3u8|"
                   "Bouquets eines Satellitenempfängers (*.tv *.radio lamedb lamedb5)|*.tv;*.radio;lamedb;lamedb5|"
                   "Kanaldateien eines Videorekorders (*.conf)|*.conf|"
                   "Referenzlisten eines Senderlisteneditors (*.txt *.chl)|*.txt;*.chl|"
                   "Alle Dateien (*.*)|*.*");

// The progress bar of the status line while the files are read, hidden again also when
// reading ends in an error.
class Fortschrittsanzeige {
public:
    explicit Fortschrittsanzeige(QProgressBar& balken) : m_balken(balken) {
        m_balken.setRange(0, 1000);
        m_balken.setValue(0);
        m_balken.show();
    }
    ~Fortschrittsanzeige() {
        m_balken.setValue(0);
        m_balken.hide();
    }
    void Melde(qint64 gelesen, qint64 gesamt) { m_balken.setValue(gesamt > 0 ? int(gelesen * 1000 / gesamt) : 0); }

private:
    QProgressBar& m_balken;
};

} // namespace

void TMainForm::SenderlisteImportierenClick() {
    // A bouquet file chosen stands for its set; "lamedb" for the whole set, TV and radio.
    const QString ordner = LeseIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, ImportOrdnerSchluessel);
    const QStringList pfade = Dialoge::DateienOeffnen(
        this, ordner.isEmpty() || !QFileInfo(ordner).isDir() ? QDir::homePath() : ordner, ImportFilter,
        QStringLiteral("Senderliste wählen (Wiedergabeliste, channels.conf, Referenzliste oder bei Enigma2 "
                       "lamedb / bouquets.tv)"));
    if (pfade.isEmpty())
        return;
    SchreibeIniWert(m_ordner.einstellungen, EinstellungsAbschnitt, ImportOrdnerSchluessel,
                    QFileInfo(pfade.first()).absolutePath());
    ImportFund fund;
    {
        const Sanduhr sanduhr;
        Fortschrittsanzeige anzeige(*ProgressBar1);
        fund = LeseImportquellen(pfade, [&](qint64 gelesen, qint64 gesamt) { anzeige.Melde(gelesen, gesamt); });
    }
    ImportForm dialog(fund, m_listenName, this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const Importlisten listen = ImportEintraege(fund, dialog.GruppenWahl(), dialog.Optionen());
    if (listen.liste.isEmpty())
        return;
    const bool anhaengen = dialog.Anhaengen();
    // A new radio list follows the rule of a new list: one of that name is overwritten
    // only when the user says so, and then before anything else changes.
    const auto radiolisteErlaubt = [&](const QString& name) {
        const QString radio = RadiolistenName(name);
        return listen.radio.isEmpty() || PruefeListenNamen(radio, m_ordner.listen) != NamensPruefung::Vorhanden ||
               Dialoge::Bestaetigung(this, UeberschreibFrage(radio));
    };
    if (!anhaengen && !BeginneNeueListe(radiolisteErlaubt))
        return;

    const Sanduhr sanduhr;
    if (IstLogoModus())
        ZeigeListenmodus();
    const int ersteNeue = int(m_liste.Anzahl());
    {
        const Verlaufsschritt schritt(*this, QStringLiteral("Senderliste importieren"));
        int zaehler = m_umgebung.platzhalterZaehler;
        m_modell.Aendere([&](SenderListe& liste) { HaengeImportAn(liste, listen.liste, zaehler); });
        m_umgebung.platzhalterZaehler = zaehler;
        m_modell.Speichere(AktuelleListendatei());
        Listbox1->WaehleZeile(ersteNeue);
        Listbox1->setFocus();
        NummeriereNeu();
    }
    for (int i = ersteNeue; i < m_liste.Anzahl() && i - ersteNeue < listen.liste.size(); ++i)
        if (!listen.liste[i - ersteNeue].logoSchluessel.isEmpty())
            m_importSchluessel.insert(ZerlegeZeile(m_liste.Zeile(i)).name, listen.liste[i - ersteNeue].logoSchluessel);
    if (!listen.radio.isEmpty()) {
        const QString radio = RadiolistenName(m_listenName);
        const QString datei = FindeListendatei(m_ordner.listen, radio);
        Importziel ziel = ListeMitImport(datei, listen.radio, anhaengen);
        SchreibeListendatei(datei, ziel.liste);
        Dialoge::Information(this, QStringLiteral("Die Radiosender stehen mit den Nummern Ihres Empfängers in der "
                                                  "Liste „%1“ (%2 Einträge). Sie öffnen sie mit „Datei“ › „Öffnen...“.")
                                       .arg(radio)
                                       .arg(listen.radio.size()));
    }
    PruefeLogos(ersteNeue, int(m_liste.Anzahl()), true);
}

} // namespace senvio
