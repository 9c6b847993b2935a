// The list font on the list view and on the controls that follow it.
#include "app/MainForm.h"

#include "list/BearbeitenForm.h"
#include "list/TextlistenForm.h"
#include "logos/SuchForm.h"
#include "platform/Dialoge.h"
#include "platform/Schriftfarbe.h"
#include "view/ListenAnsicht.h"

#include <QLabel>
#include <QLineEdit>

namespace senvio {

void TMainForm::Schriftart1Click() {
    // The dialog opens at the list font: "OK" without a change keeps it as it is.
    const Listenschrift jetzt = AktuelleListenschrift();
    const std::optional<Schriftwahl> wahl = Dialoge::Schrift(this, {jetzt.schrift, jetzt.farbe});
    if (!wahl)
        return;
    SetzeListenschrift({wahl->schrift, wahl->farbe}, false);
    SchreibeListenschrift(m_ordner.einstellungen, AktuelleListenschrift());
}

Listenschrift TMainForm::AktuelleListenschrift() const {
    return {Listbox1->font(), Listbox1->Schriftfarbe()};
}

void TMainForm::SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld) {
    Listbox1->setFont(liste.schrift);
    Listbox1->SetzeSchriftfarbe(liste.farbe);
    SetzeSchriftUndFarbe(*tempTntEdit, liste.schrift, liste.farbe);
    if (auchNamensfeld)
        SetzeSchriftUndFarbe(*TntEdit1, liste.schrift, liste.farbe);

    // The dependent controls: face, style and colour at 10 points.
    QFont klein = liste.schrift;
    klein.setPointSize(10);
    if (m_fenster.suche)
        m_fenster.suche->SetzeListenschrift(klein, liste.farbe);
    // The file-name label keeps its own style.
    QFont etikett = TntLabel1->font();
    etikett.setFamily(liste.schrift.family());
    etikett.setPointSize(10);
    SetzeSchriftUndFarbe(*TntLabel1, etikett, liste.farbe);
    if (m_fenster.bearbeiten)
        m_fenster.bearbeiten->SetzeListenschrift(klein, liste.farbe);
    if (m_fenster.textliste)
        m_fenster.textliste->SetzeListenschrift(klein, liste.farbe);
}

} // namespace senvio
