#include "zwischenspeicher/Paketformat.h"

#include "zwischenspeicher/Logozwischenspeicher.h"

#include <zlib.h>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace senvio {

namespace {

constexpr char Paketmagie[8] = {'S', 'e', 'n', 'v', 'i', 'o', 'L', 'P'};
constexpr char Indexmagie[8] = {'S', 'e', 'n', 'v', 'i', 'o', 'L', 'I'};
constexpr quint32 Dateiformat = 2;

// Every field in the machine's own byte order: the files never leave this machine.
struct Paketkopf {
    char magie[8];
    quint32 format;
    quint32 frei;
};
struct Eintragskopf {
    quint32 regeln;
    quint32 breite;
    quint32 hoehe;
    quint32 schluesselLaenge;
    quint32 pruefsumme; // CRC-32 of the key and the pixels
    quint32 frei;
};
struct Paketfuss {
    char magie[8];
    quint32 format;
    quint32 anzahl;
    quint64 indexVersatz;
    quint32 pruefsumme; // CRC-32 of the index
    quint32 frei;
};
static_assert(sizeof(Paketkopf) == 16 && sizeof(Eintragskopf) == 24 && sizeof(Verweis) == 16 &&
              sizeof(Paketfuss) == 32);

quint32 Pruefsumme(const void* a, qsizetype laengeA, const void* b = nullptr, qsizetype laengeB = 0) {
    const uLong crc = crc32(0, static_cast<const Bytef*>(a), uInt(laengeA));
    return quint32(laengeB ? crc32(crc, static_cast<const Bytef*>(b), uInt(laengeB)) : crc);
}

} // namespace

bool Frueher(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

namespace {

bool NurZiffern(std::string_view text, bool hexadezimal, std::size_t hoechstens = 20) {
    if (text.empty() || text.size() > hoechstens)
        return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (hexadezimal && c >= 'a' && c <= 'f')))
            return false;
    return true;
}

// Cuts `text` at the next "-": the part before it, and `text` keeps the rest.
std::string_view Teil(std::string_view& text) {
    const std::size_t strich = text.find('-');
    const std::string_view teil = text.substr(0, strich);
    text = strich == std::string_view::npos ? std::string_view() : text.substr(strich + 1);
    return teil;
}

bool EndetMit(std::string_view& name, std::string_view endung) {
    if (name.size() <= endung.size() || name.substr(name.size() - endung.size()) != endung)
        return false;
    name.remove_suffix(endung.size());
    return true;
}

// The six letters and digits mkostemp puts in place of "XXXXXX".
bool IstZufallsteil(std::string_view text) {
    return text.size() == 6 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
           });
}

} // namespace

bool IstPaketname(std::string_view name) {
    if (!EndetMit(name, Paketendung))
        return false;
    const std::string_view sekunden = Teil(name), nano = Teil(name), prozess = Teil(name);
    return NurZiffern(sekunden, true, 16) && nano.size() == 9 && NurZiffern(nano, false) &&
           NurZiffern(prozess, false, 10) && NurZiffern(name, false, 10);
}

bool IstAlterBildname(std::string_view name) {
    return EndetMit(name, AltePaketendung) && name.size() == 40 && NurZiffern(name, true, 40);
}

bool IstNeuesPaket(std::string_view name, pid_t& schreiber) {
    schreiber = 0;
    if (name.substr(0, sizeof Paketvorsilbe - 1) != Paketvorsilbe)
        return false;
    name.remove_prefix(sizeof Paketvorsilbe - 1);
    if (IstZufallsteil(name))
        return true;
    const std::string_view prozess = Teil(name);
    if (!NurZiffern(prozess, false, 9) || !IstZufallsteil(name))
        return false;
    schreiber = pid_t(std::stol(std::string(prozess)));
    return true;
}

std::shared_ptr<Paket> OeffnePaket(const std::string& pfad, bool& kaputt) {
    auto paket = std::make_shared<Paket>(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    struct stat s {};
    Paketkopf kopf{};
    Paketfuss fuss{};
    const int fd = paket->datei.fd();
    if (fd < 0 || ::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || s.st_uid != ::geteuid() || (s.st_mode & 022))
        return {};
    kaputt = true;
    // Every count is checked against the file's size by subtraction, so nothing wraps.
    const quint64 groesse = quint64(s.st_size);
    if (groesse < sizeof kopf + sizeof fuss || !LiesAlles(fd, &kopf, sizeof kopf, 0) ||
        !LiesAlles(fd, &fuss, sizeof fuss, s.st_size - off_t(sizeof fuss)) ||
        std::memcmp(kopf.magie, Paketmagie, sizeof Paketmagie) != 0 || kopf.format != Dateiformat ||
        std::memcmp(fuss.magie, Indexmagie, sizeof Indexmagie) != 0 || fuss.format != Dateiformat ||
        fuss.indexVersatz < sizeof kopf || fuss.indexVersatz > groesse - sizeof fuss ||
        quint64(fuss.anzahl) * sizeof(Verweis) != groesse - sizeof fuss - fuss.indexVersatz)
        return {};
    paket->verweise.resize(fuss.anzahl);
    const qsizetype indexLaenge = qsizetype(fuss.anzahl) * qsizetype(sizeof(Verweis));
    if (!LiesAlles(fd, paket->verweise.data(), std::size_t(indexLaenge), off_t(fuss.indexVersatz)) ||
        Pruefsumme(paket->verweise.data(), indexLaenge) != fuss.pruefsumme)
        return {};
    for (const Verweis& v : paket->verweise)
        if (v.versatz < sizeof kopf || v.versatz >= fuss.indexVersatz)
            return {};
    kaputt = false;
    paket->pfad = pfad;
    paket->ende = qint64(fuss.indexVersatz);
    paket->zeit = s.st_mtim;
    paket->frisch = std::time(nullptr) - s.st_mtim.tv_sec <= 3600;
    return paket;
}

std::shared_ptr<Paket> BeginnePaketdatei(const std::string& ordner, bool& fehlt) {
    std::string vorlage = ordner + '/' + Paketvorsilbe + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    fehlt = fd < 0 && errno == ENOENT;
    if (fd < 0)
        return {};
    auto paket = std::make_shared<Paket>(fd);
    paket->pfad = vorlage;
    Paketkopf kopf{};
    std::memcpy(kopf.magie, Paketmagie, sizeof Paketmagie);
    kopf.format = Dateiformat;
    if (!SchreibeAlles(fd, {reinterpret_cast<const char*>(&kopf), sizeof kopf})) {
        ::unlink(vorlage.c_str());
        return {};
    }
    paket->ende = sizeof kopf;
    return paket;
}

qsizetype Eintragslaenge(const QByteArray& schluessel, QSize groesse) {
    return qsizetype(sizeof(Eintragskopf)) + schluessel.size() + qsizetype(groesse.width()) * groesse.height() * 4;
}

qint64 SchreibeEintrag(Paket& paket, const QByteArray& schluessel, const QImage& bild) {
    const qsizetype pixelLaenge = qsizetype(bild.width()) * bild.height() * 4;
    Eintragskopf kopf{Logoregeln,
                      quint32(bild.width()),
                      quint32(bild.height()),
                      quint32(schluessel.size()),
                      Pruefsumme(schluessel.constData(), schluessel.size(), bild.constBits(), pixelLaenge),
                      0};
    iovec teile[3] = {{&kopf, sizeof kopf},
                      {const_cast<char*>(schluessel.constData()), std::size_t(schluessel.size())},
                      {const_cast<uchar*>(bild.constBits()), std::size_t(pixelLaenge)}};
    const qsizetype laenge = Eintragslaenge(schluessel, bild.size());
    const qint64 versatz = paket.ende;
    if (::pwritev(paket.datei.fd(), teile, 3, versatz) != laenge)
        return -1;
    paket.ende = versatz + laenge;
    return versatz;
}

QImage LiesEintrag(const Ort& ort, const QByteArray& schluessel, QSize groesse) {
    const qsizetype pixelLaenge = qsizetype(groesse.width()) * groesse.height() * 4;
    Eintragskopf kopf{};
    QByteArray gespeichert(schluessel.size(), Qt::Uninitialized);
    QImage bild(groesse, QImage::Format_RGB32);
    if (bild.isNull() || bild.bytesPerLine() != qsizetype(groesse.width()) * 4 ||
        qint64(ort.versatz) + Eintragslaenge(schluessel, groesse) > ort.paket->ende)
        return {};
    iovec teile[3] = {{&kopf, sizeof kopf},
                      {gespeichert.data(), std::size_t(gespeichert.size())},
                      {bild.bits(), std::size_t(pixelLaenge)}};
    if (::preadv(ort.paket->datei.fd(), teile, 3, off_t(ort.versatz)) != Eintragslaenge(schluessel, groesse) ||
        kopf.regeln != Logoregeln || kopf.breite != quint32(groesse.width()) ||
        kopf.hoehe != quint32(groesse.height()) || kopf.schluesselLaenge != quint32(schluessel.size()) ||
        gespeichert != schluessel ||
        kopf.pruefsumme != Pruefsumme(schluessel.constData(), schluessel.size(), bild.constBits(), pixelLaenge))
        return {};
    // Used now: an hour's precision is enough to keep its pack from the tidying.
    if (!ort.paket->frisch.exchange(true))
        ::futimens(ort.paket->datei.fd(), nullptr);
    return bild;
}

// Without a flush to the disk: a lost pack only costs time.
std::string SchliessePaketAb(Paket& paket, const std::string& ordner) {
    const qsizetype indexLaenge = qsizetype(paket.verweise.size()) * qsizetype(sizeof(Verweis));
    Paketfuss fuss{};
    std::memcpy(fuss.magie, Indexmagie, sizeof Indexmagie);
    fuss.format = Dateiformat;
    fuss.anzahl = quint32(paket.verweise.size());
    fuss.indexVersatz = quint64(paket.ende);
    fuss.pruefsumme = Pruefsumme(paket.verweise.data(), indexLaenge);
    iovec teile[2] = {{paket.verweise.data(), std::size_t(indexLaenge)}, {&fuss, sizeof fuss}};
    static std::atomic<unsigned> zaehler{0};
    timespec jetzt{};
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    char name[64];
    std::snprintf(name, sizeof name, "%llx-%09ld-%d-%u%s", static_cast<unsigned long long>(jetzt.tv_sec), jetzt.tv_nsec,
                  int(::getpid()), zaehler++, Paketendung);
    const std::string ziel = ordner + '/' + name;
    if (::pwritev(paket.datei.fd(), teile, 2, paket.ende) != indexLaenge + qsizetype(sizeof fuss) ||
        ::rename(paket.pfad.c_str(), ziel.c_str()) != 0) {
        ::unlink(paket.pfad.c_str());
        return {};
    }
    paket.pfad = ziel;
    paket.zeit = jetzt;
    return name;
}

} // namespace senvio
