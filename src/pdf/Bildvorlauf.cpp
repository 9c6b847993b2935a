#include "Bildvorlauf.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>

namespace senvio {

struct Bildvorlauf::Ablage {
    struct Platz {
        std::string datei;
        std::optional<TmachPDF::VorbereitetesBild> bild;
        std::exception_ptr fehler;
        bool fertig = false;
    };

    Ablage(bool k, std::size_t v) : komprimiert(k), vorrat(v) {}

    const bool komprimiert;
    const std::size_t vorrat;
    std::mutex sperre;
    std::condition_variable gemeldet;
    std::deque<Platz> plaetze; // files number `genommen` and on
    std::size_t genommen = 0;  // files handed out by Naechstes
    std::size_t begonnen = 0;  // files a worker has begun
    bool aufhoeren = false;

    Platz& An(std::size_t nummer) { return plaetze[nummer - genommen]; }
    std::size_t Gegeben() const { return genommen + plaetze.size(); }
    bool DarfBeginnen() const { return aufhoeren || (begonnen < Gegeben() && begonnen - genommen < vorrat); }
    void Arbeite();
};

void Bildvorlauf::Ablage::Arbeite() {
    // Pages are mostly of one size: their pixels go into the same memory one after the other.
    BmpBild puffer;
    for (;;) {
        std::size_t nummer;
        std::string datei;
        {
            std::unique_lock<std::mutex> gesperrt(sperre);
            gemeldet.wait(gesperrt, [this] { return DarfBeginnen(); });
            if (aufhoeren)
                return;
            nummer = begonnen++;
            datei = An(nummer).datei;
        }
        std::optional<TmachPDF::VorbereitetesBild> bild;
        std::exception_ptr fehler;
        try {
            LeseBmp(datei, puffer);
            bild = TmachPDF::BereiteBildVor(puffer, komprimiert);
        } catch (...) {
            fehler = std::current_exception();
        }
        {
            const std::lock_guard<std::mutex> gesperrt(sperre);
            Platz& platz = An(nummer);
            platz.bild = std::move(bild);
            platz.fehler = fehler;
            platz.fertig = true;
        }
        gemeldet.notify_all();
    }
}

Bildvorlauf::Bildvorlauf(bool komprimiert, int arbeiter, std::size_t vorrat)
    : m_ablage(std::make_unique<Ablage>(komprimiert, std::max<std::size_t>(1, vorrat))) {
    for (int k = 0; k < (arbeiter > 0 ? arbeiter : Kerne()); ++k)
        m_faeden.emplace_back([ablage = m_ablage.get()] { ablage->Arbeite(); });
}

Bildvorlauf::~Bildvorlauf() {
    {
        const std::lock_guard<std::mutex> gesperrt(m_ablage->sperre);
        m_ablage->aufhoeren = true;
    }
    m_ablage->gemeldet.notify_all();
    m_faeden.clear(); // joins
}

void Bildvorlauf::Nimm(std::string datei) {
    {
        const std::lock_guard<std::mutex> gesperrt(m_ablage->sperre);
        m_ablage->plaetze.push_back({std::move(datei), {}, {}, false});
    }
    m_ablage->gemeldet.notify_all();
}

int Bildvorlauf::Anzahl() const {
    const std::lock_guard<std::mutex> gesperrt(m_ablage->sperre);
    return int(m_ablage->Gegeben());
}

TmachPDF::VorbereitetesBild Bildvorlauf::Naechstes() {
    Ablage& a = *m_ablage;
    Ablage::Platz platz;
    {
        std::unique_lock<std::mutex> gesperrt(a.sperre);
        if (a.plaetze.empty())
            throw std::logic_error("Bildvorlauf::Naechstes: keine Datei mehr");
        a.gemeldet.wait(gesperrt, [&a] { return a.plaetze.front().fertig; });
        platz = std::move(a.plaetze.front());
        a.plaetze.pop_front();
        ++a.genommen;
    }
    a.gemeldet.notify_all(); // a worker may begin the next file
    if (platz.fehler)
        std::rethrow_exception(platz.fehler);
    return std::move(*platz.bild);
}

int Kerne() {
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

} // namespace senvio
