#include "Bildvorlauf.h"

namespace senvio {

Bildvorlauf::Bildvorlauf(bool komprimiert, int arbeiter, std::size_t vorrat)
    : m_komprimiert(komprimiert), m_arbeit(arbeiter > 0 ? arbeiter : Kerne(), vorrat) {}

void Bildvorlauf::Nimm(std::string datei) {
    m_arbeit.Gib([datei = std::move(datei), komprimiert = m_komprimiert] {
        // A worker's pages are mostly of one size: their pixels go into the same memory one
        // after the other.
        thread_local BmpBild puffer;
        LeseBmp(datei, puffer);
        return TmachPDF::BereiteBildVor(puffer, komprimiert);
    });
}

} // namespace senvio
