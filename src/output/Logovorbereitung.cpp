#include "output/Logovorbereitung.h"

#include "view/Eintrag.h"

#include <algorithm>

namespace senvio {

namespace {

QImage Mache(const QString& datei, QSize ziel) noexcept {
    try {
        return EintragslogoDerDatei(datei, ziel);
    } catch (...) {
        return {}; // out of memory: the drawing thread tries again itself
    }
}

} // namespace

Logovorbereitung::Logovorbereitung(std::vector<Logoauftrag> auftraege, int vorlauf, QSize ziel)
    : m_auftraege(std::move(auftraege)), m_arbeit(Kerne(), std::size_t(std::max(1, vorlauf))) {
    for (const Logoauftrag& auftrag : m_auftraege)
        m_arbeit.Gib([datei = auftrag.datei, ziel] { return Mache(datei, ziel); });
}

VorratGeliehen::VorratGeliehen(Eintragsumgebung& umgebung, Logovorbereitung& logos, const int& position)
    : m_umgebung(umgebung), m_vorher(std::move(umgebung.vorrat)) {
    m_umgebung.vorrat = [&logos, &position](const QString& datei) { return logos.Hole(position, datei); };
}

VorratGeliehen::~VorratGeliehen() {
    m_umgebung.vorrat = std::move(m_vorher);
}

QImage Logovorbereitung::Hole(int position, const QString& datei) {
    const auto stelle = std::lower_bound(m_auftraege.begin(), m_auftraege.end(), position,
                                         [](const Logoauftrag& a, int p) { return a.position < p; });
    const size_t i = size_t(stelle - m_auftraege.begin());
    const size_t genommen = m_auftraege.size() - m_arbeit.Offen();
    if (stelle == m_auftraege.end() || stelle->position != position || stelle->datei != datei || i < genommen)
        return {};
    for (size_t j = genommen; j < i; ++j)
        m_arbeit.Naechstes();
    return m_arbeit.Naechstes();
}

} // namespace senvio
