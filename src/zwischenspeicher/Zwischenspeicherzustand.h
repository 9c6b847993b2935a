#pragma once

#include "zwischenspeicher/Logozwischenspeicher.h"
#include "zwischenspeicher/Paketformat.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>

// What this program knows of the cache folder: its packs, the index of their pictures, the
// pack it writes itself. One lock guards it; the pictures' bytes are read outside it.
namespace senvio {

struct Zustand {
    std::mutex sperre;
    QString ordner; // what follows belongs to this folder
    std::string ordnerName;
    bool gelesen = false;
    bool unbrauchbar = false;                             // a pack could not be written: not tried again in this folder
    bool aus = false;                                     // the folder is not ours alone: not used in this run
    std::map<std::string, std::shared_ptr<Paket>> pakete; // the finished ones, by file name
    std::unordered_map<quint64, Ort> index;
    std::shared_ptr<Paket> offen; // the pack this program writes
    pid_t besitzer = 0;           // a child after fork() leaves its parent's pack alone
    timespec ordnerZeit{};
    std::chrono::steady_clock::time_point geprueft;
    qint64 seitAufraeumen = ZwischenspeicherGrenze;
    std::atomic<quint64> treffer{0}; // pictures read from the cache
    ~Zustand();
};

// The one state of the program.
Zustand& DerZustand();
// The state of `ordner`, its packs read; called with the lock held.
Zustand& Bereit(Zustand& z, const QString& ordner);
// Closes the pack this program writes, so other programs read it; with the lock held.
void SchliesseOffenes(Zustand& z);

// Each takes the lock.
std::optional<Ort> Finde(const QString& ordner, quint64 wert);
void Vergiss(const QString& ordner, quint64 wert);
void Behalte(const QString& ordner, const QByteArray& schluessel, quint64 wert, const QImage& bild);

} // namespace senvio
