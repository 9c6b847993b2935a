// Printing the list as sleeve cards and saving it as one picture.
#include "app/MainForm.h"

#include "dokument/Ausgabeablauf.h"
#include "output/DruckwahlForm.h"
#include "platform/Dialoge.h"
#include "platform/Fehlerbox.h"
#include "platform/Fenster.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QAction>
#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace senvio {

namespace {

// The cards look as the list shows: its font, colours and client width. The selection
// goes first, so that no entry is drawn highlighted and none is selected after the run.
QString GibAusWieAngezeigt(Listenansicht& ansicht, Listendokument& dokument, Ausgabeart art,
                           const std::function<void()>& vorDemPdf = {}, bool nurGeaenderte = false) {
    ansicht.selectionModel()->clear();
    return GibAus(dokument, art, {ansicht.font(), ansicht.Schriftfarbe()}, ansicht.Standardbreite(),
                  ansicht.palette().color(QPalette::Base), vorDemPdf, nurGeaenderte);
}

} // namespace

void TMainForm::DruckeListe(Ausgabeart art) {
    QString pdf;
    {
        Sanduhr sanduhr;
        // A viewer still showing the old PDF is asked to close before the file is replaced.
        const QString viewertitel = m_dokument.Name() + QStringLiteral(".pdf - Adobe Reader");
        pdf = GibAusWieAngezeigt(
            *Listbox1, m_dokument, art,
            [&viewertitel] {
                if (const Fensterkennung fenster = findfenster(viewertitel))
                    SchliesseFenster(fenster);
            },
            NurGeaenderte());
    }
    ZeigeAusgabe(pdf, QStringLiteral("Die Liste ist leer. Es wurde nichts gedruckt."));
}

void TMainForm::SpeichereListeAlsBild(Ausgabeart art) {
    QString bild;
    {
        Sanduhr sanduhr;
        bild = GibAusWieAngezeigt(*Listbox1, m_dokument, art);
    }
    ZeigeAusgabe(bild, QStringLiteral("Die Liste ist leer. Es wurde kein Bild gespeichert."));
}

// The status line names the file written, so the user finds it even when no viewer shows it.
void TMainForm::ZeigeAusgabe(const QString& datei, const QString& leer) {
    if (datei.isEmpty()) {
        Dialoge::Information(this, leer);
        return;
    }
    m_statusText->setText(QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(datei));
    ZeigeMitDemDesktop(datei);
}

// The layout and start card first, then the system's print dialog or the preview; the
// sheets are drawn at the printer's resolution, with progress and "Abbrechen" per sheet.
void TMainForm::DruckeDirekt(bool vorschau) {
    if (m_dokument.Liste().Anzahl() == 0) {
        Dialoge::Information(this, QStringLiteral("Die Liste ist leer. Es wurde nichts gedruckt."));
        return;
    }
    TDruckwahlForm wahl(m_blattwahl, this);
    if (Dialoge::ZeigeModal(wahl) != QDialog::Accepted)
        return;
    m_blattwahl = wahl.Wahl();
    const bool nurGeaenderte = NurGeaenderte();
    // A preview is no print: the changed cards still wait afterwards.
    const std::optional<QStringList> gedruckt = m_dokument.GedruckterStand();
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(m_dokument.Name());
    RichteDruckerEin(drucker);
    const auto zeichne = [&, this](QPrinter* geraet) {
        std::function<bool(int)> fortschritt;
        const auto weiter = [&](int blatt, int blaetter) {
            if (!fortschritt)
                fortschritt = Dialoge::Fortschritt(this, QStringLiteral("Die Karten werden gedruckt..."), blaetter);
            if (fortschritt(blatt))
                return true;
            geraet->abort(); // nothing of a cancelled print reaches the printer
            return false;
        };
        FuehreAus([&] {
            DruckeBlaetter(m_dokument, *geraet, m_blattwahl, AktuelleListenschrift(), Listbox1->viewport()->width(),
                           Listbox1->palette().color(QPalette::Base), weiter, nurGeaenderte);
        });
        if (vorschau && gedruckt) {
            m_dokument.VergissGedrucktenStand();
            m_dokument.MerkeGedrucktenStand(*gedruckt);
        }
    };
    if (vorschau) {
        QPrintPreviewDialog dialog(&drucker, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this, zeichne);
        Dialoge::ZeigeModal(dialog);
    } else {
        QPrintDialog dialog(&drucker, this);
        if (Dialoge::ZeigeModal(dialog) == QDialog::Accepted)
            zeichne(&drucker);
    }
}

void TMainForm::ZeigeNurGeaenderte() {
    QAction* nur = Aktion("NurGeaenderteKarten1");
    const bool wartet = !m_dokument.GeaenderteKarten().isEmpty();
    if (wartet && !nur->isVisible())
        nur->setChecked(true);
    nur->setVisible(wartet);
    nur->setEnabled(wartet);
    // Its separator goes and comes with it.
    const QList<QAction*> menue = static_cast<QMenu*>(nur->parent())->actions();
    menue.at(menue.indexOf(nur) - 1)->setVisible(wartet);
}

bool TMainForm::NurGeaenderte() const {
    return Aktion("NurGeaenderteKarten1")->isChecked() && !m_dokument.GeaenderteKarten().isEmpty();
}

} // namespace senvio
