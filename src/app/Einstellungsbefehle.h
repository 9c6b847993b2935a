#pragma once

namespace senvio {

class Hauptfenster;
class Listendokument;
struct ProgrammOrdner;

// The menu "Einstellung" and the help: the list font, the back side of the large print, the
// two folders on the desktop, emptying the cache of prepared logos.
class Einstellungsbefehle {
public:
    Einstellungsbefehle(Hauptfenster& fenster, const ProgrammOrdner& ordner, Listendokument& dokument)
        : m_fenster(fenster), m_ordner(ordner), m_dokument(dokument) {}

    void Schriftart1Click();
    // "Rückseite...": the back side "So geht's" of the open list's large-print cards.
    void Rueckseite1Click();
    void LogoOrdneroeffnen1Click();
    void ListenOrdneroeffnen1Click();
    void Zwischenspeicherleeren1Click();
    void HilfeClick();

private:
    Hauptfenster& m_fenster;
    const ProgrammOrdner& m_ordner;
    Listendokument& m_dokument;
};

} // namespace senvio
