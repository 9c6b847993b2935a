#include "app/Druckbefehle.h"

#include "app/Bildbefehle.h"
#include "app/Hauptfenster.h"
#include "dokument/Dokumentdruck.h"
#include "output/DruckwahlForm.h"
#include "output/RueckseiteForm.h"
#include "platform/Dialoge.h"
#include "platform/Fehlerbox.h"
#include "platform/Fenster.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace senvio {

namespace {
const QString NichtsGedruckt = QStringLiteral("Die Liste ist leer. Es wurde nichts gedruckt.");
} // namespace

void Druckbefehle::DruckeListe(Ausgabeart art) {
    QString pdf;
    {
        Sanduhr sanduhr;
        // A viewer still showing the old PDF is asked to close before the file is replaced.
        const QString viewertitel = m_dokument.Name() + QStringLiteral(".pdf - Adobe Reader");
        pdf = GibAusWieAngezeigt(
            m_fenster.Ansicht(), m_dokument, art,
            [&viewertitel] {
                if (const Fensterkennung fenster = findfenster(viewertitel))
                    SchliesseFenster(fenster);
            },
            NurGeaenderte());
    }
    ZeigeAusgabe(m_fenster, pdf, NichtsGedruckt);
}

// The layout and start card first, then the system's print dialog or the preview; the
// sheets are drawn at the printer's resolution, with progress and "Abbrechen" per sheet.
void Druckbefehle::DruckeDirekt(bool vorschau) {
    QWidget* eltern = m_fenster.Eltern();
    if (m_dokument.Liste().Anzahl() == 0) {
        Dialoge::Information(eltern, NichtsGedruckt);
        return;
    }
    // The start card is asked each time: a partly used sheet is the exception.
    Blattwahl start = m_blattwahl;
    start.startKarte = 1;
    TDruckwahlForm wahl(start, eltern, m_dokument.GeaenderteKarten(),
                        [&] { FuehreAus([&] { BearbeiteRueckseite(&wahl, m_dokument.Datei()); }); });
    if (Dialoge::ZeigeModal(wahl) != QDialog::Accepted)
        return;
    m_blattwahl = wahl.Wahl();
    if (wahl.NurGeaenderteAbgewaehlt())
        m_dokument.BeendeWarten();
    const bool nurGeaenderte = wahl.NurGeaenderte();
    Ausgabezweck zweck = vorschau ? Ausgabezweck::Vorschau : Ausgabezweck::Druck;
    bool ganz = false;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(m_dokument.Name());
    RichteDruckerEin(drucker);
    const auto zeichne = [&, this](QPrinter* geraet) {
        std::function<bool(int)> fortschritt;
        const auto weiter = [&](int blatt, int blaetter) {
            if (!fortschritt)
                fortschritt = Dialoge::Fortschritt(eltern, QStringLiteral("Die Karten werden gedruckt..."), blaetter);
            if (fortschritt(blatt))
                return true;
            geraet->abort(); // nothing of a cancelled print reaches the printer
            return false;
        };
        // As wide as the PDF and picture runs draw the entries: a wider window prints the same cards.
        const Listenansicht& ansicht = m_fenster.Ansicht();
        FuehreAus([&] {
            ganz = DruckeBlaetter(m_dokument, *geraet, m_blattwahl, m_fenster.AktuelleListenschrift(),
                                  ansicht.Standardbreite(), ansicht.palette().color(QPalette::Base), weiter,
                                  nurGeaenderte, zweck);
        });
    };
    if (vorschau) {
        QPrintPreviewDialog dialog(&drucker, eltern);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, zeichne);
        Dialoge::ZeigeModal(dialog);
    } else {
        QPrintDialog dialog(&drucker, eltern);
        if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
            return;
        // The system's dialog may print into a file: no paper yet, and the status line names it.
        const QString datei = drucker.outputFileName();
        if (!datei.isEmpty())
            zweck = Ausgabezweck::Druckdatei;
        zeichne(&drucker);
        if (ganz && !datei.isEmpty())
            m_fenster.MeldeStatus(QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(datei));
    }
}

void Druckbefehle::BindeNurGeaenderte(QAction& nurGeaenderte) {
    m_nurGeaenderte = &nurGeaenderte;
    QObject::connect(&nurGeaenderte, &QAction::triggered, &nurGeaenderte, [this](bool an) {
        if (!an)
            m_dokument.BeendeWarten();
    });
}

void Druckbefehle::ZeigeNurGeaenderte() {
    QAction* nur = m_nurGeaenderte;
    const bool wartet = !m_dokument.GeaenderteKarten().isEmpty();
    if (wartet && !nur->isVisible())
        nur->setChecked(true);
    nur->setVisible(wartet);
    nur->setEnabled(wartet);
    // Its separator goes and comes with it.
    const QList<QAction*> menue = static_cast<QMenu*>(nur->parent())->actions();
    menue.at(menue.indexOf(nur) - 1)->setVisible(wartet);
}

bool Druckbefehle::NurGeaenderte() const {
    return m_nurGeaenderte->isChecked() && !m_dokument.GeaenderteKarten().isEmpty();
}

} // namespace senvio
