#include "view/Logozwischenspeicher.h"

#include "basis/Deskriptor.h"
#include "platform/Dateistand.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <zlib.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {

constexpr char Magie[8] = {'S', 'e', 'n', 'v', 'i', 'o', 'L', 'Z'};
constexpr quint32 Dateiformat = 1;
constexpr char Endung[] = ".bild";
constexpr char Vorsilbe[] = ".neu-";

// Every field in the machine's own byte order: the files never leave this machine.
struct Kopf {
    char magie[8];
    quint32 format;
    quint32 regeln;
    quint32 breite;
    quint32 hoehe;
    quint32 schluesselLaenge;
    quint32 pruefsumme; // CRC-32 of the key and the pixels
};
static_assert(sizeof(Kopf) == 32);

std::atomic<bool> ausgeschaltet{false};
std::atomic<quint64> stand{0};
// Bytes written since the folder was last tidied; the first write of a run tidies.
std::atomic<qint64> seitAufraeumen{ZwischenspeicherGrenze};
std::mutex aufraeumen;

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

QByteArray Schluessel(const QString& datei, const char* art, QSize groesse) {
    return SchluesselVon(QFileInfo(datei).canonicalFilePath(), art, groesse);
}

QString DateiZu(const QString& ordner, const QByteArray& schluessel) {
    return ordner + u'/' + QString::fromLatin1(QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1).toHex()) +
           QLatin1String(Endung);
}

quint32 Pruefsumme(const QByteArray& schluessel, const uchar* pixel, qsizetype laenge) {
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(schluessel.constData()), uInt(schluessel.size()));
    return quint32(crc32(crc, pixel, uInt(laenge)));
}

// The stored picture, or a null one for a file that is missing or does not check out
// in every byte: magic, format, rules, size, key, length and checksum.
QImage LiesBild(const QString& pfad, const QByteArray& schluessel, QSize groesse) {
    const Deskriptor datei(::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_CLOEXEC));
    struct stat s {};
    if (datei.fd() < 0 || ::fstat(datei.fd(), &s) != 0)
        return {};
    const qsizetype pixelLaenge = qsizetype(groesse.width()) * groesse.height() * 4;
    if (s.st_size != off_t(sizeof(Kopf) + schluessel.size() + pixelLaenge))
        return {};
    Kopf kopf{};
    QByteArray gespeichert(schluessel.size(), Qt::Uninitialized);
    QImage bild(groesse, QImage::Format_RGB32);
    if (bild.isNull() || !LiesAlles(datei.fd(), &kopf, sizeof kopf, 0) ||
        std::memcmp(kopf.magie, Magie, sizeof Magie) != 0 || kopf.format != Dateiformat || kopf.regeln != Logoregeln ||
        kopf.breite != quint32(groesse.width()) || kopf.hoehe != quint32(groesse.height()) ||
        kopf.schluesselLaenge != quint32(schluessel.size()) ||
        !LiesAlles(datei.fd(), gespeichert.data(), std::size_t(gespeichert.size()), off_t(sizeof kopf)) ||
        gespeichert != schluessel ||
        !LiesAlles(datei.fd(), bild.bits(), std::size_t(pixelLaenge), off_t(sizeof kopf) + gespeichert.size()) ||
        kopf.pruefsumme != Pruefsumme(schluessel, bild.constBits(), pixelLaenge))
        return {};
    // Used now: an hour's precision is enough to keep it from the tidying.
    if (std::time(nullptr) - s.st_mtim.tv_sec > 3600)
        ::futimens(datei.fd(), nullptr);
    return bild;
}

void Raeume(qint64 geschrieben) {
    if (seitAufraeumen.fetch_add(geschrieben) + geschrieben >= ZwischenspeicherGrenze / 8) {
        seitAufraeumen = 0;
        RaeumeZwischenspeicherAuf();
    }
}

// Written beside its place and renamed onto it, so a reader, or a second program
// writing the same picture, only ever sees a whole file.
void SchreibeBild(const QString& ordner, const QString& pfad, const QByteArray& schluessel, const QImage& bild) {
    const QByteArray ordnerName = QFile::encodeName(ordner);
    QByteArray vorlage = ordnerName + '/' + Vorsilbe + "XXXXXX";
    int fd = ::mkostemp(vorlage.data(), O_CLOEXEC); // 0600
    // The folder is made when it is missing, not tried before every picture.
    if (fd < 0 && errno == ENOENT) {
        if (!QDir().mkpath(QFileInfo(ordner).path()) || (::mkdir(ordnerName.constData(), 0700) != 0 && errno != EEXIST))
            return;
        vorlage = ordnerName + '/' + Vorsilbe + "XXXXXX";
        fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    }
    if (fd < 0)
        return;
    const qsizetype pixelLaenge = qsizetype(bild.width()) * bild.height() * 4;
    Kopf kopf{};
    std::memcpy(kopf.magie, Magie, sizeof Magie);
    kopf.format = Dateiformat;
    kopf.regeln = Logoregeln;
    kopf.breite = quint32(bild.width());
    kopf.hoehe = quint32(bild.height());
    kopf.schluesselLaenge = quint32(schluessel.size());
    kopf.pruefsumme = Pruefsumme(schluessel, bild.constBits(), pixelLaenge);
    const bool geschrieben =
        SchreibeAlles(fd, {reinterpret_cast<const char*>(&kopf), sizeof kopf}) &&
        SchreibeAlles(fd, {schluessel.constData(), std::size_t(schluessel.size())}) &&
        SchreibeAlles(fd, {reinterpret_cast<const char*>(bild.constBits()), std::size_t(pixelLaenge)});
    // Scratch for speed only: no flush to the disk.
    if (::close(fd) != 0 || !geschrieben || ::rename(vorlage.constData(), QFile::encodeName(pfad).constData()) != 0) {
        ::unlink(vorlage.constData());
        return;
    }
    Raeume(qint64(sizeof kopf) + schluessel.size() + pixelLaenge);
}

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

QString Zwischenspeicherdatei(const QString& datei, const char* art, QSize groesse) {
    const QString ordner = Zwischenspeicherordner();
    const QByteArray schluessel = Schluessel(datei, art, groesse);
    return ordner.isEmpty() || schluessel.isEmpty() ? QString() : DateiZu(ordner, schluessel);
}

QImage VorbereitetesLogo(const QString& datei, const char* art, QSize groesse,
                         const std::function<QImage(const QString&)>& mache) {
    const QString ordner = Zwischenspeicherordner();
    const QString echt = ordner.isEmpty() ? QString() : QFileInfo(datei).canonicalFilePath();
    const QByteArray schluessel = SchluesselVon(echt, art, groesse);
    if (schluessel.isEmpty())
        return mache(datei);
    const QString pfad = DateiZu(ordner, schluessel);
    if (QImage bild = LiesBild(pfad, schluessel, groesse); !bild.isNull())
        return bild;
    QImage bild = mache(datei);
    // A file changed while it was read is kept under no key.
    if (bild.format() == QImage::Format_RGB32 && bild.size() == groesse &&
        bild.bytesPerLine() == qsizetype(groesse.width()) * 4 && SchluesselVon(echt, art, groesse) == schluessel)
        SchreibeBild(ordner, pfad, schluessel, bild);
    return bild;
}

void LeereZwischenspeicher() {
    ++stand;
    const QString ordner = Zwischenspeicherordner();
    if (ordner.isEmpty())
        return;
    const QDir d(ordner);
    for (const QString& name : d.entryList({QStringLiteral("*.bild"), QLatin1String(Vorsilbe) + u'*'},
                                           QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(d.filePath(name));
}

quint64 Zwischenspeicherstand() {
    return stand;
}

void RaeumeZwischenspeicherAuf(qint64 grenze) {
    const std::unique_lock<std::mutex> sperre(aufraeumen, std::try_to_lock);
    const QString ordner = Zwischenspeicherordner();
    if (!sperre.owns_lock() || ordner.isEmpty())
        return;
    const QFileInfoList dateien =
        QDir(ordner).entryInfoList({QStringLiteral("*.bild"), QLatin1String(Vorsilbe) + u'*'},
                                   QDir::Files | QDir::Hidden | QDir::System, QDir::Time | QDir::Reversed);
    qint64 summe = 0;
    for (const QFileInfo& datei : dateien)
        summe += datei.size();
    const bool zuViel = summe > grenze;
    const QDateTime frueher = QDateTime::currentDateTime().addSecs(-600);
    for (const QFileInfo& datei : dateien) {
        // Another program may be writing a young one.
        const bool neu = datei.fileName().startsWith(QLatin1String(Vorsilbe));
        const bool weg = neu ? datei.lastModified() < frueher : zuViel && summe > grenze * 3 / 4;
        if (weg && QFile::remove(datei.filePath()))
            summe -= datei.size();
    }
}

} // namespace senvio
