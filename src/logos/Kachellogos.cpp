#include "logos/Kachellogos.h"

#include "logos/Kachelbild.h"
#include "view/PngBild.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace senvio {

namespace {

// The pictures the workers have made, each slot written once.
struct Ablage {
    explicit Ablage(int anzahl) : bilder(size_t(anzahl)), fertig(size_t(anzahl), false) {}
    std::mutex sperre;
    std::condition_variable gemeldet;
    std::vector<QImage> bilder;
    std::vector<bool> fertig;
    std::atomic<int> naechster{0};
};

QImage Kachellogo(const QString& pfad) noexcept {
    try {
        return SkaliereKachellogo(LeseLogoDatei(pfad));
    } catch (...) {
        return {}; // out of memory: the tile says "FEHLER" like an unreadable file
    }
}

void Arbeite(const QStringList& pfade, Ablage& ablage) {
    const int anzahl = int(pfade.size());
    for (int i; (i = ablage.naechster++) < anzahl;) {
        QImage bild = Kachellogo(pfade[i]);
        {
            const std::lock_guard<std::mutex> gesperrt(ablage.sperre);
            ablage.bilder[size_t(i)] = std::move(bild);
            ablage.fertig[size_t(i)] = true;
        }
        ablage.gemeldet.notify_all();
    }
}

QImage Abholen(Ablage& ablage, int i) {
    std::unique_lock<std::mutex> gesperrt(ablage.sperre);
    ablage.gemeldet.wait(gesperrt, [&] { return bool(ablage.fertig[size_t(i)]); });
    return std::move(ablage.bilder[size_t(i)]);
}

} // namespace

void ErstelleKachellogos(const QStringList& pfade, const std::function<void(int, const QImage&)>& fertig) {
    const int anzahl = int(pfade.size());
    const int arbeiter = std::clamp(int(std::thread::hardware_concurrency()), 1, std::max(1, anzahl));
    Ablage ablage(anzahl);
    std::vector<std::jthread> faeden;
    for (int k = 0; k < arbeiter; ++k)
        faeden.emplace_back([&] { Arbeite(pfade, ablage); });
    try {
        for (int i = 0; i < anzahl; ++i)
            fertig(i, Abholen(ablage, i));
    } catch (...) {
        // The workers take no new file and finish the one in hand before the joins.
        ablage.naechster = anzahl;
        throw;
    }
}

} // namespace senvio
