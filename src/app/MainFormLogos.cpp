// The logo picker in the main window: going to the grid and back, the search, and
// attaching the picked logo to the selected entry.
#include "app/MainForm.h"

#include "app/KlickeMaus.h"
#include "app/MachPause.h"
#include "dokument/Logoablauf.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "platform/Dialoge.h"
#include "view/Listenansicht.h"

#include <QAction>
#include <QCursor>

namespace senvio {

void TMainForm::SenderlogoanaktuellenEintrageinfuegen1Click() {
    Aktion("Suchen1")->setEnabled(true);
    m_statusText->setText(QString(6, QLatin1Char(' ')));
    m_logowahl->NimmGruppenordner();
    if (IstLogoModus())
        ZeigeListenmodus();
    else
        ZeigeLogomodus();
}

void TMainForm::ZurueckButtonClick() {
    SenderlogoanaktuellenEintrageinfuegen1Click();
    Aktion("Suchen1")->setEnabled(false);
}

void TMainForm::Suchen1Click() {
    // From the list the search first brings up the grid, so its click finds the tile.
    if (!IstLogoModus())
        SenderlogoanaktuellenEintrageinfuegen1Click();
    m_logowahl->Suche();
}

void TMainForm::KlickeAufKachel(const QPoint& ziel) {
    QCursor::setPos(ziel);
    TMachPause pause;
    KlickeMaus(ziel.x(), ziel.y(), Qt::RightButton, pause);
}

void TMainForm::LogoGewaehlt(const QString& pfad, const QImage& eintragslogo) {
    ZeigeAnhangmodus();
    m_kopf->Zeige(pfad, eintragslogo);
    m_dokument.NummeriereNeu();
}

void TMainForm::EinfuegenBtnClick() {
    const int zeile = Listbox1->AktuelleZeile();
    if (zeile < 0 || zeile >= m_dokument.Liste().Anzahl() || m_kopf->Pfad().isEmpty())
        return;
    UebernimmLogos({{zeile, m_kopf->Pfad()}}, QStringLiteral("Senderlogo einfügen"));
    Listbox1->setFocus();
    m_kopf->Verberge();
}

void TMainForm::UebernimmLogos(const QList<Logozuweisung>& zuweisungen, const QString& schritt) {
    const QStringList fehlschlaege =
        senvio::UebernimmLogos(m_dokument, zuweisungen, schritt, Speichern::Sofort).fehlschlaege;
    if (!fehlschlaege.isEmpty())
        Dialoge::Warnung(this, fehlschlaege.join(u'\n'));
}

} // namespace senvio
