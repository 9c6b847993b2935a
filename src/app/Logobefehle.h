#pragma once

#include "app/Hauptfenster.h"

#include <QList>
#include <QString>

class QImage;
class QPoint;

namespace senvio {

class Anhangkopf;
class Listendokument;
class Logowahl;
struct Logozuweisung;
struct ProgrammOrdner;

// The logos of the entries: the grid and back, the search, attaching the picked logo to the
// selected entry, and the review of the logos found for the entries ("Logos automatisch
// zuordnen...", and after an import).
class Logobefehle {
public:
    Logobefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner, Logowahl& logowahl,
                Anhangkopf& kopf);

    // The grid from the list, the list from the grid.
    void SenderlogoanaktuellenEintrageinfuegen1Click();
    void ZurueckButtonClick();
    void Suchen1Click();
    void LogosautomatischzuordnenClick();
    // The search's timed click: the right button on the tile at this screen point.
    void KlickeAufKachel(const QPoint& ziel);
    void LogoGewaehlt(const QString& pfad, const QImage& eintragslogo);
    void EinfuegenBtnClick();
    // The review of the logos found for the entries von to bis (exclusive); after an import
    // only when something was found, and after asking.
    void PruefeLogos(int von, int bis, bool nachImport);

private:
    void WechsleAnsicht(Hauptfenster::Suche suche);
    // Attaches as one step of this name, saved at once; a copy that failed is reported.
    void HaengeLogosAn(const QList<Logozuweisung>& zuweisungen, const QString& schritt);

    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    const ProgrammOrdner& m_ordner;
    Logowahl& m_logowahl;
    Anhangkopf& m_kopf;
};

} // namespace senvio
