#include "zwischenspeicher/Ordnerpflege.h"

#include "zwischenspeicher/Zwischenspeicherzustand.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {
// A pack another program has not written to for this long was left by a crash.
constexpr int VerwaistNachSekunden = 600;

bool IstDatei(DIR* ordner, const char* name, struct stat& s) {
    return ::fstatat(::dirfd(ordner), name, &s, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(s.st_mode);
}

// A pack being written whose writer is gone: a kill, a crash, a power cut.
bool SchreiberTot(pid_t schreiber) {
    return schreiber > 0 && schreiber != ::getpid() && ::kill(schreiber, 0) != 0 && errno == ESRCH;
}

} // namespace

bool OrdnerGehoertUns(const Zustand& z) {
    struct stat s {};
    if (::lstat(z.ordnerName.c_str(), &s) != 0)
        return errno == ENOENT; // else it cannot be made either: that only costs time
    if (S_ISDIR(s.st_mode) && s.st_uid == ::geteuid() && !(s.st_mode & 022)) {
        if (s.st_mode & 077)
            ::chmod(z.ordnerName.c_str(), 0700);
        return true;
    }
    std::fprintf(stderr,
                 "senvio: Der Zwischenspeicher %s ist kein eigener Ordner dieses Benutzers oder für andere "
                 "beschreibbar; er wird in diesem Lauf nicht benutzt.\n",
                 z.ordnerName.c_str());
    return false;
}

void BaueIndex(Zustand& z) {
    std::vector<std::shared_ptr<Paket>> reihe;
    for (const auto& [name, paket] : z.pakete)
        reihe.push_back(paket);
    std::stable_sort(reihe.begin(), reihe.end(),
                     [](const auto& a, const auto& b) { return Frueher(a->zeit, b->zeit); });
    if (z.offen)
        reihe.push_back(z.offen);
    z.index.clear();
    for (const std::shared_ptr<Paket>& paket : reihe)
        for (const Verweis& v : paket->verweise)
            z.index[v.schluesselwert] = {paket, v.versatz};
}

void LiesOrdner(Zustand& z) {
    z.gelesen = true;
    z.geprueft = std::chrono::steady_clock::now();
    if (z.aus)
        return;
    struct stat s {};
    z.ordnerZeit = ::stat(z.ordnerName.c_str(), &s) == 0 ? s.st_mtim : timespec{};
    std::map<std::string, std::shared_ptr<Paket>> da;
    if (DIR* ordner = ::opendir(z.ordnerName.c_str())) {
        while (const dirent* eintrag = ::readdir(ordner)) {
            const std::string name = eintrag->d_name;
            struct stat datei {};
            if (pid_t schreiber = 0;
                IstNeuesPaket(name, schreiber) && SchreiberTot(schreiber) && IstDatei(ordner, name.c_str(), datei))
                ::unlinkat(::dirfd(ordner), name.c_str(), 0);
            if (!IstPaketname(name))
                continue;
            if (const auto bekannt = z.pakete.find(name); bekannt != z.pakete.end())
                da.emplace(name, bekannt->second);
            else if (bool kaputt = false; auto paket = OeffnePaket(z.ordnerName + '/' + name, kaputt))
                da.emplace(name, std::move(paket));
            else if (kaputt) // packs are whole once in place: this one was damaged later
                ::unlinkat(::dirfd(ordner), name.c_str(), 0);
        }
        ::closedir(ordner);
    }
    z.pakete = std::move(da);
    BaueIndex(z);
}

void PruefeOrdner(Zustand& z) {
    const auto jetzt = std::chrono::steady_clock::now();
    if (jetzt - z.geprueft < std::chrono::seconds(1))
        return;
    z.geprueft = jetzt;
    struct stat s {};
    const timespec zeit = ::stat(z.ordnerName.c_str(), &s) == 0 ? s.st_mtim : timespec{};
    if (zeit.tv_sec != z.ordnerZeit.tv_sec || zeit.tv_nsec != z.ordnerZeit.tv_nsec)
        LiesOrdner(z);
}

void Raeume(Zustand& z, qint64 grenze) {
    z.seitAufraeumen = 0;
    if (z.aus)
        return;
    struct Datei {
        std::string name;
        timespec zeit;
        qint64 groesse;
    };
    std::vector<Datei> pakete;
    qint64 summe = 0;
    const std::string eigenes = z.offen ? z.offen->pfad.substr(z.offen->pfad.rfind('/') + 1) : std::string();
    DIR* ordner = ::opendir(z.ordnerName.c_str());
    if (!ordner)
        return;
    while (const dirent* eintrag = ::readdir(ordner)) {
        const std::string name = eintrag->d_name;
        struct stat s {};
        if (!IstDatei(ordner, name.c_str(), s))
            continue;
        pid_t schreiber = 0;
        const bool neu = IstNeuesPaket(name, schreiber);
        const bool verwaist = neu && name != eigenes &&
                              (SchreiberTot(schreiber) || std::time(nullptr) - s.st_mtim.tv_sec > VerwaistNachSekunden);
        if (IstAlterBildname(name) || verwaist)
            ::unlinkat(::dirfd(ordner), name.c_str(), 0);
        else if (neu || IstPaketname(name)) {
            summe += qint64(s.st_size);
            if (!neu)
                pakete.push_back({name, s.st_mtim, qint64(s.st_size)});
        }
    }
    std::sort(pakete.begin(), pakete.end(), [](const Datei& a, const Datei& b) { return Frueher(a.zeit, b.zeit); });
    const bool zuViel = summe > grenze;
    bool geloescht = false;
    for (const Datei& paket : pakete) {
        if (!zuViel || summe <= grenze * 3 / 4)
            break;
        if (::unlinkat(::dirfd(ordner), paket.name.c_str(), 0) == 0) {
            summe -= paket.groesse;
            z.pakete.erase(paket.name);
            geloescht = true;
        }
    }
    ::closedir(ordner);
    if (geloescht)
        BaueIndex(z);
}

} // namespace senvio
