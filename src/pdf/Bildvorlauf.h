#pragma once

// Page pictures read from BMP files and made ready for TmachPDF on every core while
// the document is drawn: compressing is nearly all the work of a PDF of page pictures.
// Files are given in page order, as they come; workers take them in that order, and
// the pictures are handed out in it.
#include "TmachPDF.h"
#include "nebenlauf/GeordneteArbeit.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace senvio {

class Bildvorlauf {
public:
    // `arbeiter` workers, 0 for one per core. A worker starts a file only while fewer than
    // `vorrat` files are begun and not yet taken, so memory stays bounded when the
    // pictures are taken one by one; the print job, which takes them at the end, passes
    // no limit. Destroying it stops the workers after the file in hand.
    explicit Bildvorlauf(bool komprimiert, int arbeiter = 0, std::size_t vorrat = SIZE_MAX);

    void Nimm(std::string datei);
    // How many files were given so far.
    int Anzahl() const { return int(m_arbeit.Gegeben()); }
    // The picture of the next file, waiting until it is made; throws what reading or
    // compressing that file threw (BmpFehler, pdf::KomprimierFehler, std::bad_alloc).
    TmachPDF::VorbereitetesBild Naechstes() { return m_arbeit.Naechstes(); }

private:
    const bool m_komprimiert;
    GeordneteArbeit<TmachPDF::VorbereitetesBild> m_arbeit;
};

} // namespace senvio
