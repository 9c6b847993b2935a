#include "zwischenspeicher/Zwischenspeicherzustand.h"

#include "zwischenspeicher/Ordnerpflege.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {

// A new pack beside the others, 0600 in a 0700 folder; the folder is made only when missing.
bool BeginnePaket(Zustand& z) {
    bool fehlt = false;
    std::shared_ptr<Paket> paket = BeginnePaketdatei(z.ordnerName, fehlt);
    if (!paket && fehlt) {
        if (!QDir().mkpath(QFileInfo(z.ordner).path()) || (::mkdir(z.ordnerName.c_str(), 0700) != 0 && errno != EEXIST))
            return false;
        z.aus = !OrdnerGehoertUns(z); // someone else may have made it in between
        if (z.aus)
            return false;
        paket = BeginnePaketdatei(z.ordnerName, fehlt);
    }
    if (!paket)
        return false;
    z.offen = std::move(paket);
    z.besitzer = ::getpid();
    return true;
}

} // namespace

Zustand::~Zustand() {
    // The program ends: what it wrote becomes a pack for the next one.
    const std::lock_guard<std::mutex> halte(sperre);
    SchliesseOffenes(*this);
}

Zustand& DerZustand() {
    static Zustand z;
    return z;
}

void SchliesseOffenes(Zustand& z) {
    std::shared_ptr<Paket> paket = std::move(z.offen);
    if (!paket || z.besitzer != ::getpid())
        return;
    const std::string name = SchliessePaketAb(*paket, z.ordnerName);
    if (name.empty())
        return;
    z.pakete.emplace(name, paket);
    if (z.seitAufraeumen >= ZwischenspeicherGrenze / 8)
        Raeume(z, ZwischenspeicherGrenze);
}

Zustand& Bereit(Zustand& z, const QString& ordner) {
    if (z.ordner != ordner) {
        SchliesseOffenes(z);
        z.pakete.clear();
        z.index.clear();
        z.gelesen = z.unbrauchbar = false;
        z.seitAufraeumen = ZwischenspeicherGrenze;
        z.ordner = ordner;
        z.ordnerName = QFile::encodeName(ordner).toStdString();
        z.aus = !OrdnerGehoertUns(z);
    }
    if (z.offen && z.besitzer != ::getpid())
        z.offen.reset(); // the parent's, after fork()
    if (!z.gelesen)
        LiesOrdner(z);
    return z;
}

std::optional<Ort> Finde(const QString& ordner, quint64 wert) {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Bereit(z, ordner);
    if (z.aus)
        return std::nullopt;
    auto gefunden = z.index.find(wert);
    if (gefunden == z.index.end()) {
        PruefeOrdner(z);
        gefunden = z.index.find(wert);
    }
    if (gefunden == z.index.end())
        return std::nullopt;
    return gefunden->second;
}

void Vergiss(const QString& ordner, quint64 wert) {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    if (z.ordner == ordner)
        z.index.erase(wert);
}

// Appended to this program's pack; a picture another thread stored meanwhile is not stored twice.
void Behalte(const QString& ordner, const QByteArray& schluessel, quint64 wert, const QImage& bild) {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Bereit(z, ordner);
    if (z.aus || z.unbrauchbar || z.index.count(wert))
        return;
    if (!z.offen && !BeginnePaket(z)) {
        z.unbrauchbar = true;
        return;
    }
    Paket& paket = *z.offen;
    const qint64 versatz = SchreibeEintrag(paket, schluessel, bild);
    if (versatz < 0) {
        // A full disk: this pack and this folder are given up for the run.
        ::unlink(paket.pfad.c_str());
        z.offen.reset();
        z.unbrauchbar = true;
        return;
    }
    paket.verweise.push_back({wert, quint64(versatz)});
    z.index[wert] = {z.offen, quint64(versatz)};
    z.seitAufraeumen += paket.ende - versatz;
    if (paket.ende >= Paketgroesse)
        SchliesseOffenes(z);
}

} // namespace senvio
