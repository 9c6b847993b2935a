#include "app/Bildbefehle.h"

#include "app/Desktopanzeige.h"
#include "app/Hauptfenster.h"
#include "dokument/Dokumentdruck.h"
#include "platform/Dialoge.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QDir>
#include <QItemSelectionModel>

namespace senvio {

QString GibAusWieAngezeigt(Listenansicht& ansicht, Listendokument& dokument, Ausgabeart art,
                           const std::function<void()>& vorDemPdf, bool nurGeaenderte) {
    ansicht.selectionModel()->clear();
    return GibAus(dokument, art, {ansicht.font(), ansicht.Schriftfarbe()}, ansicht.Standardbreite(),
                  ansicht.palette().color(QPalette::Base), vorDemPdf, nurGeaenderte);
}

// The status line names the file written, so the user finds it even when no viewer shows it.
void ZeigeAusgabe(Hauptfenster& fenster, const QString& datei, const QString& leer) {
    if (datei.isEmpty()) {
        Dialoge::Information(fenster.Eltern(), leer);
        return;
    }
    fenster.MeldeStatus(QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(datei));
    ZeigeMitDemDesktop(fenster.Eltern(), datei);
}

void Bildbefehle::SpeichereListeAlsBild(Ausgabeart art) {
    QString bild;
    {
        Sanduhr sanduhr;
        bild = GibAusWieAngezeigt(m_fenster.Ansicht(), m_dokument, art);
    }
    ZeigeAusgabe(m_fenster, bild, QStringLiteral("Die Liste ist leer. Es wurde kein Bild gespeichert."));
}

} // namespace senvio
