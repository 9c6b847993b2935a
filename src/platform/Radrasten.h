#pragma once

// Whole notches of the mouse wheel. A wheel reports 120 per notch; a high-resolution
// wheel or a touchpad splits a notch into several smaller events, and a gesture may end
// with an event of no distance. Only the vertical distance counts; what is left below a
// whole notch is kept for the next event.
namespace senvio {

class Radrasten {
public:
    static constexpr int Raste = 120;

    // The whole notches reached with this event's vertical angle distance, positive
    // away from the user (up), negative towards the user (down).
    int Zaehle(int winkelVertikal) {
        m_rest += winkelVertikal;
        const int rasten = m_rest / Raste;
        m_rest %= Raste;
        return rasten;
    }

private:
    int m_rest = 0;
};

} // namespace senvio
