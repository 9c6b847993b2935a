#include "output/Logovorbereitung.h"

#include "view/Eintrag.h"

#include <algorithm>

namespace senvio {

namespace {

QImage Mache(const QString& datei) noexcept {
    try {
        return EintragslogoDerDatei(datei);
    } catch (...) {
        return {}; // out of memory: the drawing thread tries again itself
    }
}

} // namespace

Logovorbereitung::Logovorbereitung(std::vector<Logoauftrag> auftraege, int vorlauf)
    : m_auftraege(std::move(auftraege)), m_arbeit(Kerne(), std::size_t(std::max(1, vorlauf))) {
    for (const Logoauftrag& auftrag : m_auftraege)
        m_arbeit.Gib([datei = auftrag.datei] { return Mache(datei); });
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
