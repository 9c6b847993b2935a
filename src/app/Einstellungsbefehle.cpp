#include "app/Einstellungsbefehle.h"

#include "app/Desktopanzeige.h"
#include "app/Hauptfenster.h"
#include "dokument/Listendokument.h"
#include "output/RueckseiteForm.h"
#include "platform/Dialoge.h"
#include "platform/Ordner.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

namespace senvio {

// The list font on the list view and on the controls that follow it.
void Einstellungsbefehle::Schriftart1Click() {
    // The dialog opens at the list font: "OK" without a change keeps it as it is.
    const Listenschrift jetzt = m_fenster.AktuelleListenschrift();
    const std::optional<Schriftwahl> wahl = Dialoge::Schrift(m_fenster.Eltern(), {jetzt.schrift, jetzt.farbe});
    if (!wahl)
        return;
    m_fenster.SetzeListenschrift({wahl->schrift, wahl->farbe});
    SchreibeListenschrift(m_ordner.einstellungen, m_fenster.AktuelleListenschrift());
}

void Einstellungsbefehle::Rueckseite1Click() {
    BearbeiteRueckseite(m_fenster.Eltern(), m_dokument.Datei());
}

void Einstellungsbefehle::LogoOrdneroeffnen1Click() {
    OeffneOrdner(m_fenster.Eltern(), m_ordner.logoWurzel);
}

void Einstellungsbefehle::ListenOrdneroeffnen1Click() {
    OeffneOrdner(m_fenster.Eltern(), m_ordner.listen);
}

// The memory copies of the list view see it at their next draw.
void Einstellungsbefehle::Zwischenspeicherleeren1Click() {
    LeereZwischenspeicher();
}

void Einstellungsbefehle::HilfeClick() {
    ZeigeHilfe(m_fenster.Eltern(), m_ordner);
}

} // namespace senvio
