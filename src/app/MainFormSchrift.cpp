// The list font on the list view and on the controls that follow it.
#include "app/MainForm.h"

#include "list/BearbeitenForm.h"
#include "list/TextlistenForm.h"
#include "logos/SuchForm.h"
#include "platform/Dialoge.h"
#include "view/ListenAnsicht.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace senvio {

namespace {

void SetzeFarbe(QWidget* widget, const QColor& farbe) {
    QPalette farben = widget->palette();
    for (QPalette::ColorRole rolle : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        farben.setColor(rolle, farbe);
    widget->setPalette(farben);
}

void SetzeSchrift(QWidget* widget, const QFont& schrift, const QColor& farbe) {
    widget->setFont(schrift);
    SetzeFarbe(widget, farbe);
}

} // namespace

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
    SetzeSchrift(tempTntEdit, liste.schrift, liste.farbe);
    if (auchNamensfeld)
        SetzeSchrift(TntEdit1, liste.schrift, liste.farbe);

    // The dependent controls: face, style and colour at 10 points.
    QFont klein = liste.schrift;
    klein.setPointSize(10);
    if (m_fenster.suche) {
        for (QWidget* feld :
             {static_cast<QWidget*>(m_fenster.suche->TntEdit1), static_cast<QWidget*>(m_fenster.suche->TntListBox1),
              static_cast<QWidget*>(m_fenster.suche->TntListBox2)})
            SetzeSchrift(feld, klein, liste.farbe);
        SetzeSchrift(m_fenster.suche->TntLabel1, klein, QColor(0, 0, 255));
    }
    // The file-name label keeps its own style.
    QFont etikett = TntLabel1->font();
    etikett.setFamily(liste.schrift.family());
    etikett.setPointSize(10);
    SetzeSchrift(TntLabel1, etikett, liste.farbe);
    if (m_fenster.bearbeiten) {
        SetzeSchrift(m_fenster.bearbeiten->TntEdit1, klein, liste.farbe);
        SetzeSchrift(m_fenster.bearbeiten->LogoEntfernenCheckBox, klein, liste.farbe);
    }
    if (m_fenster.textliste)
        SetzeSchrift(m_fenster.textliste->TntListBox1, klein, liste.farbe);
}

} // namespace senvio
