#include "PdfDateien.h"

#include "PdfFehler.h"
#include "basis/Deskriptor.h"
#include "basis/Zwischendateien.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio::pdf {

namespace {

bool SchreibeTeile(int fd, std::initializer_list<std::string_view> teile) {
    for (const std::string_view teil : teile) {
        if (!SchreibeAlles(fd, teil)) {
            return false;
        }
    }
    return true;
}

// A new file in the folder of `pfad` that no one else uses; its name goes to `name`.
// The name is short, so a long file name still leaves room for it.
int ErstelleNeueDatei(const std::string& pfad, std::string& name) {
    const std::size_t schnitt = pfad.rfind('/');
    const std::string ordner = schnitt == std::string::npos ? std::string() : pfad.substr(0, schnitt + 1);
    const std::string stamm = ordner + ".~senvio-" + std::to_string(::getpid()) + '-';
    for (int versuch = 0; versuch < 100; ++versuch) {
        name = stamm + std::to_string(versuch);
        MerkeZwischendatei(name); // before it exists: a signal may come
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int fehlernummer = errno;
        if (fd < 0) {
            VergissZwischendatei(name);
        }
        if (fd >= 0 || fehlernummer != EEXIST) {
            return fd;
        }
    }
    return -1;
}

} // namespace

void SchreibeDatei(const std::string& pfad, std::initializer_list<std::string_view> teile) {
    Deskriptor datei(::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (datei.fd() < 0) {
        throw PdfDateiFehler::NichtErstellt(pfad);
    }
    if (!SchreibeTeile(datei.fd(), teile) || !datei.Schliesse()) {
        ::unlink(pfad.c_str());
        throw PdfDateiFehler::NichtErstellt(pfad);
    }
}

void SchreibeDateiAtomar(const std::string& pfad, std::initializer_list<std::string_view> teile) {
    std::string neu;
    Deskriptor datei(ErstelleNeueDatei(pfad, neu));
    if (datei.fd() < 0) {
        throw PdfDateiFehler::NichtErstellt(pfad);
    }
    struct stat alt {};
    const bool rechteUebernehmen = ::stat(pfad.c_str(), &alt) == 0 && S_ISREG(alt.st_mode);
    const bool geschrieben = (!rechteUebernehmen || ::fchmod(datei.fd(), alt.st_mode & 07777) == 0) &&
                             SchreibeTeile(datei.fd(), teile) && ::fsync(datei.fd()) == 0 && datei.Schliesse();
    if (!geschrieben || ::rename(neu.c_str(), pfad.c_str()) != 0) {
        ::unlink(neu.c_str());
        VergissZwischendatei(neu);
        throw PdfDateiFehler::NichtErstellt(pfad);
    }
    VergissZwischendatei(neu);
}

void HaengeDateiAn(const std::string& pfad, std::string& ziel, std::size_t hoechstens) {
    Deskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (datei.fd() < 0 || ::fstat(datei.fd(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        std::size_t(info.st_size) > hoechstens) {
        throw PdfDateiFehler::NichtGeoeffnet(pfad);
    }
    const std::size_t anfang = ziel.size();
    ziel.resize(anfang + std::size_t(info.st_size));
    if (!LiesAlles(datei.fd(), ziel.data() + anfang, std::size_t(info.st_size), 0)) {
        ziel.resize(anfang);
        throw PdfDateiFehler::NichtGeoeffnet(pfad);
    }
}

} // namespace senvio::pdf
