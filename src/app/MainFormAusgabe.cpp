// Printing the list as sleeve cards and saving it as one picture.
#include "app/MainForm.h"

#include "dokument/Ausgabeablauf.h"
#include "platform/Dialoge.h"
#include "platform/Fenster.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QLabel>

namespace senvio {

namespace {

// The cards look as the list shows: its font, colours and client width. The selection
// goes first, so that no entry is drawn highlighted and none is selected after the run.
QString GibAusWieAngezeigt(Listenansicht& ansicht, Listendokument& dokument, Ausgabeart art,
                           const std::function<void()>& vorDemPdf = {}) {
    ansicht.selectionModel()->clear();
    return GibAus(dokument, art, {ansicht.font(), ansicht.Schriftfarbe()}, ansicht.Standardbreite(),
                  ansicht.palette().color(QPalette::Base), vorDemPdf);
}

} // namespace

void TMainForm::DruckeListe(Ausgabeart art) {
    QString pdf;
    {
        Sanduhr sanduhr;
        // A viewer still showing the old PDF is asked to close before the file is replaced.
        const QString viewertitel = m_dokument.Name() + QStringLiteral(".pdf - Adobe Reader");
        pdf = GibAusWieAngezeigt(*Listbox1, m_dokument, art, [&viewertitel] {
            if (const Fensterkennung fenster = findfenster(viewertitel))
                SchliesseFenster(fenster);
        });
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

} // namespace senvio
