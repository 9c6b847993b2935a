#include "view/Logozwischenspeicher.h"

#include "basis/Deskriptor.h"
#include "platform/Dateistand.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace senvio {

namespace {

// The pictures lie in packs: a pack is written by one program, under a temporary name
// until it is closed with its index, then renamed into place and never changed again.
// Making a file costs far more than writing a picture's bytes (on a busy ext4 many times
// the decoding), so a run makes a few packs instead of a file per picture.
constexpr char Paketmagie[8] = {'S', 'e', 'n', 'v', 'i', 'o', 'L', 'P'};
constexpr char Indexmagie[8] = {'S', 'e', 'n', 'v', 'i', 'o', 'L', 'I'};
constexpr quint32 Dateiformat = 2;
constexpr char Endung[] = ".paket";
constexpr char Vorsilbe[] = ".neu-";
constexpr char AlteEndung[] = ".bild"; // a picture per file, as the first version kept them
// Small enough that the cap drops old pictures in steps, large enough for few files.
constexpr qint64 Paketgroesse = qint64(4) << 20;
// A pack another program has not written to for this long was left by a crash.
constexpr int VerwaistNachSekunden = 600;

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
struct Verweis {
    quint64 schluesselwert; // the key's SHA-1, its first 8 bytes
    quint64 versatz;
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

struct Paket {
    explicit Paket(int fd) : datei(fd) {}
    Deskriptor datei; // open while its entries are in the index, so a pack deleted meanwhile still reads
    std::string pfad;
    std::atomic<qint64> ende{0}; // end of the entries; grows under the lock, read outside it
    timespec zeit{};
    std::vector<Verweis> verweise;
    std::atomic<bool> frisch{true}; // used within the hour, so the tidying keeps it
};

struct Ort {
    std::shared_ptr<Paket> paket;
    quint64 versatz = 0;
};

bool Frueher(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

quint32 Pruefsumme(const void* a, qsizetype laengeA, const void* b = nullptr, qsizetype laengeB = 0) {
    const uLong crc = crc32(0, static_cast<const Bytef*>(a), uInt(laengeA));
    return quint32(laengeB ? crc32(crc, static_cast<const Bytef*>(b), uInt(laengeB)) : crc);
}

// A finished pack whose header, footer and index check out; its entries are checked as
// they are read. `kaputt` tells one that was read and did not check out.
std::shared_ptr<Paket> OeffnePaket(const std::string& pfad, bool& kaputt) {
    auto paket = std::make_shared<Paket>(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat s {};
    Paketkopf kopf{};
    Paketfuss fuss{};
    const int fd = paket->datei.fd();
    if (fd < 0 || ::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode))
        return {};
    kaputt = true;
    if (s.st_size < off_t(sizeof kopf + sizeof fuss) || !LiesAlles(fd, &kopf, sizeof kopf, 0) ||
        !LiesAlles(fd, &fuss, sizeof fuss, s.st_size - off_t(sizeof fuss)) ||
        std::memcmp(kopf.magie, Paketmagie, sizeof Paketmagie) != 0 || kopf.format != Dateiformat ||
        std::memcmp(fuss.magie, Indexmagie, sizeof Indexmagie) != 0 || fuss.format != Dateiformat ||
        fuss.indexVersatz < sizeof kopf ||
        fuss.indexVersatz + quint64(fuss.anzahl) * sizeof(Verweis) + sizeof fuss != quint64(s.st_size))
        return {};
    paket->verweise.resize(fuss.anzahl);
    const qsizetype indexLaenge = qsizetype(fuss.anzahl) * qsizetype(sizeof(Verweis));
    if (!LiesAlles(fd, paket->verweise.data(), std::size_t(indexLaenge), off_t(fuss.indexVersatz)) ||
        Pruefsumme(paket->verweise.data(), indexLaenge) != fuss.pruefsumme)
        return {};
    kaputt = false;
    paket->pfad = pfad;
    paket->ende = qint64(fuss.indexVersatz);
    paket->zeit = s.st_mtim;
    paket->frisch = std::time(nullptr) - s.st_mtim.tv_sec <= 3600;
    return paket;
}

// What this program knows of the cache folder. One lock guards it; the pictures' bytes
// are read outside it.
struct Zustand {
    std::mutex sperre;
    QString ordner; // what follows belongs to this folder
    std::string ordnerName;
    bool gelesen = false;
    bool unbrauchbar = false;                             // a pack could not be written: not tried again in this folder
    std::map<std::string, std::shared_ptr<Paket>> pakete; // the finished ones, by file name
    std::unordered_map<quint64, Ort> index;
    std::shared_ptr<Paket> offen; // the pack this program writes
    pid_t besitzer = 0;           // a child after fork() leaves its parent's pack alone
    timespec ordnerZeit{};
    std::chrono::steady_clock::time_point geprueft;
    qint64 seitAufraeumen = ZwischenspeicherGrenze;
    ~Zustand();
};

// The packs in order, the newest last, so that a picture written again wins over an older copy.
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

// Takes in the packs that came and drops those that went.
void LiesOrdner(Zustand& z) {
    z.gelesen = true;
    z.geprueft = std::chrono::steady_clock::now();
    struct stat s {};
    z.ordnerZeit = ::stat(z.ordnerName.c_str(), &s) == 0 ? s.st_mtim : timespec{};
    std::map<std::string, std::shared_ptr<Paket>> da;
    if (DIR* ordner = ::opendir(z.ordnerName.c_str())) {
        while (const dirent* eintrag = ::readdir(ordner)) {
            const std::string name = eintrag->d_name;
            if (name.size() <= sizeof Endung - 1 || name.front() == '.' ||
                name.compare(name.size() - (sizeof Endung - 1), std::string::npos, Endung) != 0)
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

// On a miss: packs other programs wrote meanwhile, looked for at most once a second.
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

// Deletes the packs used longest ago until the folder holds at most three quarters of
// `grenze`; pictures of the first version's layout and packs left by a crash go as well.
void Raeume(Zustand& z, qint64 grenze) {
    z.seitAufraeumen = 0;
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
        if (::fstatat(::dirfd(ordner), name.c_str(), &s, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(s.st_mode))
            continue;
        const auto endetMit = [&name](const char* endung) {
            const std::size_t n = std::strlen(endung);
            return name.size() > n && name.compare(name.size() - n, n, endung) == 0;
        };
        const bool alt = endetMit(AlteEndung);
        const bool verwaist = name.rfind(Vorsilbe, 0) == 0 && name != eigenes &&
                              std::time(nullptr) - s.st_mtim.tv_sec > VerwaistNachSekunden;
        if (alt || verwaist)
            ::unlinkat(::dirfd(ordner), name.c_str(), 0);
        else if (endetMit(Endung) || name.rfind(Vorsilbe, 0) == 0) {
            summe += qint64(s.st_size);
            if (endetMit(Endung) && name.front() != '.')
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

// Writes the index and the footer and renames the pack into place: from now on other
// programs read it. Without a flush to the disk: a lost pack only costs time.
void SchliesseOffenes(Zustand& z) {
    std::shared_ptr<Paket> paket = std::move(z.offen);
    if (!paket || z.besitzer != ::getpid())
        return;
    const qsizetype indexLaenge = qsizetype(paket->verweise.size()) * qsizetype(sizeof(Verweis));
    Paketfuss fuss{};
    std::memcpy(fuss.magie, Indexmagie, sizeof Indexmagie);
    fuss.format = Dateiformat;
    fuss.anzahl = quint32(paket->verweise.size());
    fuss.indexVersatz = quint64(paket->ende);
    fuss.pruefsumme = Pruefsumme(paket->verweise.data(), indexLaenge);
    iovec teile[2] = {{paket->verweise.data(), std::size_t(indexLaenge)}, {&fuss, sizeof fuss}};
    static std::atomic<unsigned> zaehler{0};
    timespec jetzt{};
    ::clock_gettime(CLOCK_REALTIME, &jetzt);
    char name[64];
    std::snprintf(name, sizeof name, "%llx-%09ld-%d-%u%s", static_cast<unsigned long long>(jetzt.tv_sec), jetzt.tv_nsec,
                  int(::getpid()), zaehler++, Endung);
    const std::string ziel = z.ordnerName + '/' + name;
    if (::pwritev(paket->datei.fd(), teile, 2, paket->ende) != indexLaenge + qsizetype(sizeof fuss) ||
        ::rename(paket->pfad.c_str(), ziel.c_str()) != 0) {
        ::unlink(paket->pfad.c_str());
        return; // its pictures stay readable here through the open file
    }
    paket->pfad = ziel;
    paket->zeit = jetzt;
    z.pakete.emplace(name, paket);
    if (z.seitAufraeumen >= ZwischenspeicherGrenze / 8)
        Raeume(z, ZwischenspeicherGrenze);
}

Zustand::~Zustand() {
    // The program ends: what it wrote becomes a pack for the next one.
    const std::lock_guard<std::mutex> halte(sperre);
    SchliesseOffenes(*this);
}

// A new pack beside the others, 0600 in a 0700 folder; the folder is made only when missing.
bool BeginnePaket(Zustand& z) {
    std::string vorlage = z.ordnerName + '/' + Vorsilbe + "XXXXXX";
    int fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        if (!QDir().mkpath(QFileInfo(z.ordner).path()) || (::mkdir(z.ordnerName.c_str(), 0700) != 0 && errno != EEXIST))
            return false;
        vorlage = z.ordnerName + '/' + Vorsilbe + "XXXXXX";
        fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    }
    if (fd < 0)
        return false;
    auto paket = std::make_shared<Paket>(fd);
    paket->pfad = vorlage;
    Paketkopf kopf{};
    std::memcpy(kopf.magie, Paketmagie, sizeof Paketmagie);
    kopf.format = Dateiformat;
    if (!SchreibeAlles(fd, {reinterpret_cast<const char*>(&kopf), sizeof kopf})) {
        ::unlink(vorlage.c_str());
        return false;
    }
    paket->ende = sizeof kopf;
    z.offen = std::move(paket);
    z.besitzer = ::getpid();
    return true;
}

Zustand& DerZustand() {
    static Zustand z;
    return z;
}

// The state of `ordner`, its packs read; called with the lock held.
Zustand& Bereit(Zustand& z, const QString& ordner) {
    if (z.ordner != ordner) {
        SchliesseOffenes(z);
        z.pakete.clear();
        z.index.clear();
        z.gelesen = z.unbrauchbar = false;
        z.seitAufraeumen = ZwischenspeicherGrenze;
        z.ordner = ordner;
        z.ordnerName = QFile::encodeName(ordner).toStdString();
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

qsizetype Eintragslaenge(const QByteArray& schluessel, QSize groesse) {
    return qsizetype(sizeof(Eintragskopf)) + schluessel.size() + qsizetype(groesse.width()) * groesse.height() * 4;
}

// The stored picture, or a null one for an entry that does not check out in every byte:
// rules, size, key, length and checksum.
QImage LiesBild(const Ort& ort, const QByteArray& schluessel, QSize groesse) {
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

// Appended to this program's pack; a picture another thread stored meanwhile is not stored twice.
void Behalte(const QString& ordner, const QByteArray& schluessel, quint64 wert, const QImage& bild) {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Bereit(z, ordner);
    if (z.unbrauchbar || z.index.count(wert))
        return;
    if (!z.offen && !BeginnePaket(z)) {
        z.unbrauchbar = true;
        return;
    }
    Paket& paket = *z.offen;
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
    if (::pwritev(paket.datei.fd(), teile, 3, versatz) != laenge) {
        // A full disk: this pack and this folder are given up for the run.
        ::unlink(paket.pfad.c_str());
        z.offen.reset();
        z.unbrauchbar = true;
        return;
    }
    paket.verweise.push_back({wert, quint64(versatz)});
    z.index[wert] = {z.offen, quint64(versatz)};
    paket.ende = versatz + laenge;
    z.seitAufraeumen += laenge;
    if (paket.ende >= Paketgroesse)
        SchliesseOffenes(z);
}

// What the picture is made from; a picture of any other file, time, box or rules has
// another key. `echt` is the file the key names, empty for one that is not there.
QByteArray SchluesselVon(const QString& echt, const char* art, QSize groesse) {
    if (echt.isEmpty())
        return {};
    const Dateistand s = LiesDateistand(echt);
    if (!s.normaleDatei)
        return {};
    return echt.toUtf8() + '\n' + QByteArray::number(s.groesse) + '\n' + QByteArray::number(s.geaendertNs) + '\n' +
           art + '\n' + QByteArray::number(groesse.width()) + 'x' + QByteArray::number(groesse.height()) + '\n' +
           QByteArray::number(Logoregeln);
}

quint64 Schluesselwert(const QByteArray& schluessel) {
    const QByteArray sha = QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1);
    quint64 wert = 0;
    std::memcpy(&wert, sha.constData(), sizeof wert);
    return wert;
}

std::atomic<bool> ausgeschaltet{false};
std::atomic<quint64> stand{0};

} // namespace

QString Zwischenspeicherordner() {
    if (ausgeschaltet || qEnvironmentVariableIntValue("SENVIO_OHNE_ZWISCHENSPEICHER") != 0)
        return {};
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return basis.isEmpty() ? QString() : basis + QStringLiteral("/senvio");
}

void SchalteZwischenspeicherAus() {
    ausgeschaltet = true;
}

Zwischenspeicherort FindeImZwischenspeicher(const QString& datei, const char* art, QSize groesse) {
    const QString ordner = Zwischenspeicherordner();
    const QByteArray schluessel =
        ordner.isEmpty() ? QByteArray() : SchluesselVon(QFileInfo(datei).canonicalFilePath(), art, groesse);
    if (schluessel.isEmpty())
        return {};
    const std::optional<Ort> ort = Finde(ordner, Schluesselwert(schluessel));
    if (!ort)
        return {};
    return {QFile::decodeName(ort->paket->pfad.c_str()), qint64(ort->versatz), Eintragslaenge(schluessel, groesse)};
}

QImage VorbereitetesLogo(const QString& datei, const char* art, QSize groesse,
                         const std::function<QImage(const QString&)>& mache) {
    const QString ordner = Zwischenspeicherordner();
    const QString echt = ordner.isEmpty() ? QString() : QFileInfo(datei).canonicalFilePath();
    const QByteArray schluessel = SchluesselVon(echt, art, groesse);
    if (schluessel.isEmpty())
        return mache(datei);
    const quint64 wert = Schluesselwert(schluessel);
    if (const std::optional<Ort> ort = Finde(ordner, wert)) {
        if (QImage bild = LiesBild(*ort, schluessel, groesse); !bild.isNull())
            return bild;
        Vergiss(ordner, wert); // damaged: made anew and stored again
    }
    QImage bild = mache(datei);
    // A file changed while it was read is kept under no key.
    if (bild.format() == QImage::Format_RGB32 && bild.size() == groesse &&
        bild.bytesPerLine() == qsizetype(groesse.width()) * 4 && SchluesselVon(echt, art, groesse) == schluessel)
        Behalte(ordner, schluessel, wert, bild);
    return bild;
}

void SchliesseZwischenspeicher() {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    SchliesseOffenes(z);
    z.pakete.clear();
    z.index.clear();
    z.gelesen = false;
}

void LeereZwischenspeicher() {
    ++stand;
    const QString ordner = Zwischenspeicherordner();
    if (ordner.isEmpty())
        return;
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Bereit(z, ordner);
    if (z.offen && z.besitzer == ::getpid())
        ::unlink(z.offen->pfad.c_str());
    z.offen.reset();
    z.pakete.clear();
    z.index.clear();
    z.gelesen = z.unbrauchbar = false;
    const QDir d(ordner);
    for (const QString& name : d.entryList({QLatin1String("*") + QLatin1String(Endung), QLatin1String(Vorsilbe) + u'*',
                                            QLatin1String("*") + QLatin1String(AlteEndung)},
                                           QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(d.filePath(name));
}

quint64 Zwischenspeicherstand() {
    return stand;
}

void RaeumeZwischenspeicherAuf(qint64 grenze) {
    const QString ordner = Zwischenspeicherordner();
    if (ordner.isEmpty())
        return;
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Raeume(Bereit(z, ordner), grenze);
}

} // namespace senvio
