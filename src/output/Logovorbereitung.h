#pragma once

#include "nebenlauf/GeordneteArbeit.h"
#include "view/Eintrag.h"

#include <QImage>
#include <QString>

#include <climits>
#include <vector>

// Decoding and scaling a logo costs far more than drawing its entry, so the card
// renderer has the item logos made on every core ahead of the entries it draws on its
// own thread. The pixels are those of EintragslogoDerDatei.
namespace senvio {

// A logo file to prepare for one list position.
struct Logoauftrag {
    int position = 0;
    QString datei;
};

class Logovorbereitung {
public:
    // Starts making the logos, in the order given (ascending positions). At most
    // `vorlauf` logos are made ahead of the last one asked for, so a long list never has
    // all its logos in memory. Destroying it stops the workers after the logo in hand.
    // The logos are made at `ziel` pixels (a printer's size of the 60 × 40).
    explicit Logovorbereitung(std::vector<Logoauftrag> auftraege, int vorlauf = INT_MAX,
                              QSize ziel = {LogoBreite, LogoHoehe});

    // The logo of the position, once, waiting until it is made; a null picture when the
    // position was given another file or none, or when the file does not decode. The
    // logos of positions before it that were not asked for are dropped.
    QImage Hole(int position, const QString& datei);

private:
    const std::vector<Logoauftrag> m_auftraege;
    GeordneteArbeit<QImage> m_arbeit;
};

// Lends the prepared logos to the entry drawing for the entry at `position`, and takes
// them back also when the drawing ends in an error.
class VorratGeliehen {
public:
    VorratGeliehen(Eintragsumgebung& umgebung, Logovorbereitung& logos, const int& position);
    ~VorratGeliehen();
    VorratGeliehen(const VorratGeliehen&) = delete;
    VorratGeliehen& operator=(const VorratGeliehen&) = delete;

private:
    Eintragsumgebung& m_umgebung;
    Logovorrat m_vorher;
};

} // namespace senvio
