#include "app/Logobefehle.h"

#include "app/KlickeMaus.h"
#include "app/MachPause.h"
#include "dokument/Logoablauf.h"
#include "logos/Anhangkopf.h"
#include "logos/Logowahl.h"
#include "logos/LogozuordnungForm.h"
#include "platform/Dialoge.h"
#include "platform/Sanduhr.h"
#include "view/Listenansicht.h"

#include <QCursor>

namespace senvio {

Logobefehle::Logobefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                         Logowahl& logowahl, Anhangkopf& kopf)
    : m_fenster(fenster), m_dokument(dokument), m_ordner(ordner), m_logowahl(logowahl), m_kopf(kopf) {}

void Logobefehle::SenderlogoanaktuellenEintrageinfuegen1Click() {
    WechsleAnsicht(Hauptfenster::Suche::Bleibt);
}

void Logobefehle::ZurueckButtonClick() {
    WechsleAnsicht(Hauptfenster::Suche::Endet);
}

void Logobefehle::WechsleAnsicht(Hauptfenster::Suche suche) {
    m_fenster.MeldeStatus(QString(6, QLatin1Char(' ')));
    m_logowahl.NimmGruppenordner();
    if (m_fenster.IstLogoModus())
        m_fenster.ZeigeListenmodus(suche);
    else
        m_fenster.ZeigeLogomodus();
}

void Logobefehle::Suchen1Click() {
    // From the list the search first brings up the grid, so its click finds the tile.
    if (!m_fenster.IstLogoModus())
        SenderlogoanaktuellenEintrageinfuegen1Click();
    m_logowahl.Suche();
}

void Logobefehle::KlickeAufKachel(const QPoint& ziel) {
    QCursor::setPos(ziel);
    TMachPause pause;
    KlickeMaus(ziel.x(), ziel.y(), Qt::RightButton, pause);
}

void Logobefehle::LogoGewaehlt(const QString& pfad, const QImage& eintragslogo) {
    m_fenster.ZeigeAnhangmodus();
    m_kopf.Zeige(pfad, eintragslogo);
    m_dokument.NummeriereNeu();
}

void Logobefehle::EinfuegenBtnClick() {
    Listenansicht& ansicht = m_fenster.Ansicht();
    const int zeile = ansicht.AktuelleZeile();
    if (zeile < 0 || zeile >= m_dokument.Liste().Anzahl() || m_kopf.Pfad().isEmpty())
        return;
    HaengeLogosAn({{zeile, m_kopf.Pfad()}}, QStringLiteral("Senderlogo einfügen"));
    ansicht.setFocus();
    m_kopf.Verberge();
}

void Logobefehle::HaengeLogosAn(const QList<Logozuweisung>& zuweisungen, const QString& schritt) {
    const QStringList fehlschlaege = UebernimmLogos(m_dokument, zuweisungen, schritt, Speichern::Sofort).fehlschlaege;
    if (!fehlschlaege.isEmpty())
        Dialoge::Warnung(m_fenster.Eltern(), fehlschlaege.join(u'\n'));
}

void Logobefehle::LogosautomatischzuordnenClick() {
    PruefeLogos(0, int(m_dokument.Liste().Anzahl()), false);
}

void Logobefehle::PruefeLogos(int von, int bis, bool nachImport) {
    QWidget* eltern = m_fenster.Eltern();
    std::optional<Logobestand> bestand;
    QList<Pruefeintrag> eintraege;
    {
        const Sanduhr sanduhr;
        bestand.emplace(LeseLogobestand(m_ordner.logoWurzel, m_ordner.senderLogos));
        eintraege = FindeLogos(m_dokument, *bestand, von, bis);
        ZeichneBisherigeLogos(eintraege, m_dokument);
    }
    if (eintraege.isEmpty()) {
        if (!nachImport)
            Dialoge::Information(eltern, QStringLiteral("Für keinen Eintrag der Liste wurde ein passendes Logo "
                                                        "gefunden. %1")
                                             .arg(Beschaedigtenhinweis(*bestand))
                                             .trimmed());
        return;
    }
    if (nachImport && !Dialoge::Bestaetigung(eltern, QStringLiteral("Für %1 der importierten Sender wurden Logos "
                                                                    "gefunden. Möchten Sie die Logos jetzt prüfen "
                                                                    "und zuordnen?")
                                                         .arg(eintraege.size())))
        return;
    TLogozuordnungForm dialog(*bestand, std::move(eintraege), eltern);
    if (Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
        return;
    HaengeLogosAn(dialog.Gewaehlt(), QStringLiteral("Logos automatisch zuordnen"));
}

} // namespace senvio
