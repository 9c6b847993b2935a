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
#include "view/ListenAnsicht.h"

#include <QDir>
#include <QProgressBar>

namespace senvio {

namespace {

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
    const QStringList pfade = Dialoge::DateienOeffnen(this, QDir::homePath(), ImportFilter);
    if (pfade.isEmpty())
        return;
    ImportFund fund;
    {
        const Sanduhr sanduhr;
        Fortschrittsanzeige anzeige(*ProgressBar1);
        fund = LeseImportquellen(pfade, [&](qint64 gelesen, qint64 gesamt) { anzeige.Melde(gelesen, gesamt); });
    }
    ImportForm dialog(fund, this);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    const QStringList namen =
        ImportNamen(fund, dialog.GruppenWahl(), dialog.NummernDesEmpfaengers(), dialog.DoppelteWeglassen());
    const QList<QStringList> schluessel =
        ImportLogoSchluessel(fund, dialog.GruppenWahl(), dialog.NummernDesEmpfaengers(), dialog.DoppelteWeglassen());
    if (namen.isEmpty() || (!dialog.Anhaengen() && !BeginneNeueListe()))
        return;

    const Sanduhr sanduhr;
    if (IstLogoModus())
        ZeigeListenmodus();
    const int ersteNeue = int(m_liste.Anzahl());
    {
        const Verlaufsschritt schritt(*this, QStringLiteral("Senderliste importieren"));
        int zaehler = m_umgebung.platzhalterZaehler;
        m_modell.Aendere([&](SenderListe& liste) { HaengeNamenAn(liste, namen, zaehler); });
        m_umgebung.platzhalterZaehler = zaehler;
        m_modell.Speichere(AktuelleListendatei());
        Listbox1->WaehleZeile(ersteNeue);
        Listbox1->setFocus();
        NummeriereNeu();
    }
    for (int i = ersteNeue; i < m_liste.Anzahl() && i - ersteNeue < schluessel.size(); ++i)
        if (!schluessel[i - ersteNeue].isEmpty())
            m_importSchluessel.insert(ZerlegeZeile(m_liste.Zeile(i)).name, schluessel[i - ersteNeue]);
    PruefeLogos(ersteNeue, int(m_liste.Anzahl()), true);
}

} // namespace senvio
