#include "output/Logovorbereitung.h"

#include "view/Eintrag.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace senvio {

// The logos the workers have made, each slot written once and taken once.
struct Logovorbereitung::Ablage {
    Ablage(std::vector<Logoauftrag> a, int v) : auftraege(std::move(a)), bilder(auftraege.size()), vorlauf(v) {}
    const std::vector<Logoauftrag> auftraege;
    std::vector<QImage> bilder;
    std::vector<char> fertig = std::vector<char>(auftraege.size(), 0);
    const int vorlauf;
    std::mutex sperre;
    std::condition_variable gemeldet;
    size_t naechster = 0; // the next slot a worker takes
    qint64 grenze = 0;    // workers take positions below this
    bool aufhoeren = false;

    bool DarfNehmen() const {
        return aufhoeren || naechster >= auftraege.size() || auftraege[naechster].position < grenze;
    }
    void Arbeite();
};

namespace {

QImage Mache(const QString& datei) noexcept {
    try {
        return EintragslogoDerDatei(datei);
    } catch (...) {
        return {}; // out of memory: the drawing thread tries again itself
    }
}

} // namespace

void Logovorbereitung::Ablage::Arbeite() {
    for (;;) {
        size_t i;
        {
            std::unique_lock<std::mutex> gesperrt(sperre);
            gemeldet.wait(gesperrt, [this] { return DarfNehmen(); });
            if (aufhoeren || naechster >= auftraege.size())
                return;
            i = naechster++;
        }
        QImage bild = Mache(auftraege[i].datei);
        {
            const std::lock_guard<std::mutex> gesperrt(sperre);
            bilder[i] = std::move(bild);
            fertig[i] = 1;
        }
        gemeldet.notify_all();
    }
}

Logovorbereitung::Logovorbereitung(std::vector<Logoauftrag> auftraege, int vorlauf)
    : m_ablage(std::make_unique<Ablage>(std::move(auftraege), vorlauf)) {
    Ablage& ablage = *m_ablage;
    ablage.grenze = qint64(vorlauf);
    const int arbeiter = std::min(int(ablage.auftraege.size()), std::max(1, int(std::thread::hardware_concurrency())));
    for (int k = 0; k < arbeiter; ++k)
        m_faeden.emplace_back([&ablage] { ablage.Arbeite(); });
}

Logovorbereitung::~Logovorbereitung() {
    {
        const std::lock_guard<std::mutex> gesperrt(m_ablage->sperre);
        m_ablage->aufhoeren = true;
    }
    m_ablage->gemeldet.notify_all();
    m_faeden.clear(); // joins
}

QImage Logovorbereitung::Hole(int position, const QString& datei) {
    Ablage& ablage = *m_ablage;
    const auto stelle = std::lower_bound(ablage.auftraege.begin(), ablage.auftraege.end(), position,
                                         [](const Logoauftrag& a, int p) { return a.position < p; });
    if (stelle == ablage.auftraege.end() || stelle->position != position || stelle->datei != datei)
        return {};
    const size_t i = size_t(stelle - ablage.auftraege.begin());
    std::unique_lock<std::mutex> gesperrt(ablage.sperre);
    ablage.grenze = std::max(ablage.grenze, qint64(position) + ablage.vorlauf);
    ablage.gemeldet.notify_all();
    ablage.gemeldet.wait(gesperrt, [&] { return ablage.fertig[i] != 0; });
    return std::move(ablage.bilder[i]);
}

} // namespace senvio
