#include "output/Blattaufteilung.h"

#include <algorithm>

namespace senvio {

namespace {

const QColor Blau(0, 0, 255);
const QColor Rot(255, 0, 0);

struct Aufteilungen {
    // (C1 | C3) / (C2 | C4), stapled at the top: the cut between the rows is blue.
    Blattaufteilung oben{{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}}, {{{0, 0}, {0, 1}, {1, 0}, {1, 1}}}, Blau, Rot, 0};
    // (C1 | C2) / (C3 | C4), stapled on the left.
    Blattaufteilung links{{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}, {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}, Rot, Blau, 0};
    // (C4 | C1) / (R(C3) | R(C2)); with fewer cards (B0 | C1) / (C2 | C3), one card in one row.
    Blattaufteilung doppel{{{{1, 0, false}, {1, 1, true}, {0, 1, true}, {0, 0, false}}},
                           {{{1, 0}, {0, 1}, {1, 1}, {0, 0}}},
                           Blau,
                           Blau,
                           2};
    // Large print: (C1 | C2) / (C3 | C4), each card cut out on its own.
    Blattaufteilung gross{{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}, {{{0, 0}, {1, 0}, {0, 1}, {1, 1}}}, Rot, Rot, 0};
};

Aufteilungen& Tabelle() {
    static Aufteilungen tabelle;
    return tabelle;
}

Blattaufteilung* Suche(Ausgabeart art) {
    switch (art) {
    case Ausgabeart::ObenGeheftet:
        return &Tabelle().oben;
    case Ausgabeart::LinksGeheftet:
        return &Tabelle().links;
    case Ausgabeart::Doppelhuellen:
        return &Tabelle().doppel;
    case Ausgabeart::Grossdruck:
        return &Tabelle().gross;
    case Ausgabeart::BildJpeg:
    case Ausgabeart::BildPng:
        break;
    }
    return nullptr;
}

} // namespace

const Blattaufteilung* AufteilungFuer(Ausgabeart art) {
    return Suche(art);
}

Kartenplatz PlatzDerKarte(Ausgabeart art, int platz, int hoechster) {
    const Blattaufteilung* aufteilung = AufteilungFuer(art);
    if (!aufteilung)
        return {};
    const size_t k = size_t(std::clamp(platz, 1, 4) - 1);
    return hoechster >= 4 ? aufteilung->voll[k] : aufteilung->teil[k];
}

Blattaufteilung& testnaht::AufteilungZumAendern(Ausgabeart art) {
    return *Suche(art);
}

} // namespace senvio
