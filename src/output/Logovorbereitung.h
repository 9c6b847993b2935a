#pragma once

#include <QImage>
#include <QString>

#include <climits>
#include <memory>
#include <thread>
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
    // Starts making the logos, in the order given (ascending positions). Workers stay at
    // most `vorlauf` positions ahead of the last position asked for, so a long list
    // never has all its logos in memory.
    explicit Logovorbereitung(std::vector<Logoauftrag> auftraege, int vorlauf = INT_MAX);
    // Workers take no new file, finish the one in hand and are joined.
    ~Logovorbereitung();
    Logovorbereitung(const Logovorbereitung&) = delete;
    Logovorbereitung& operator=(const Logovorbereitung&) = delete;

    // The logo of the position, once, waiting until it is made; a null picture when the
    // position was given another file or none, or when the file does not decode.
    QImage Hole(int position, const QString& datei);

private:
    struct Ablage;
    std::unique_ptr<Ablage> m_ablage;
    std::vector<std::jthread> m_faeden;
};

} // namespace senvio
