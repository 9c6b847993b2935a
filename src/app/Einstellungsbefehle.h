#pragma once

namespace senvio {

class Hauptfenster;
struct ProgrammOrdner;

// The menu "Einstellung" and the help: the list font, the two folders on the desktop,
// emptying the cache of prepared logos.
class Einstellungsbefehle {
public:
    Einstellungsbefehle(Hauptfenster& fenster, const ProgrammOrdner& ordner) : m_fenster(fenster), m_ordner(ordner) {}

    void Schriftart1Click();
    void LogoOrdneroeffnen1Click();
    void ListenOrdneroeffnen1Click();
    void Zwischenspeicherleeren1Click();
    void HilfeClick();

private:
    Hauptfenster& m_fenster;
    const ProgrammOrdner& m_ordner;
};

} // namespace senvio
