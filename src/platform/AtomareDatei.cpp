#include "AtomareDatei.h"

#include "basis/Zwischendateien.h"

#include <QDateTime>
#include <QDir>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace senvio {

namespace {

const QString Vorsilbe = QStringLiteral(".~senvio-");

// Whether the program named in a temporary file's name may still be writing it: a file of a
// program that has ended (a kill) is left over at once, not only after a minute.
bool SchreiberLebt(const QString& name) {
    bool zahl = false;
    const qint64 pid = name.mid(Vorsilbe.size()).section(u'-', 0, 0).toLongLong(&zahl);
    if (!zahl || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

} // namespace

AtomareDatei::AtomareDatei(QString ziel) : m_ziel(std::move(ziel)) {}

AtomareDatei::~AtomareDatei() {
    Verwirf();
}

void AtomareDatei::Verwirf() {
    const int fehlernummer = errno;
    m_datei.close();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporaer.isEmpty()) {
        ::unlink(QFile::encodeName(m_temporaer).constData());
        VergissZwischendatei(QFile::encodeName(m_temporaer).toStdString());
    }
    m_temporaer.clear();
    m_gesichert = false;
    errno = fehlernummer;
}

bool AtomareDatei::Oeffne() {
    Verwirf();
    const QString ordner = m_ziel.left(m_ziel.lastIndexOf(u'/') + 1);
    const QString stamm = ordner + Vorsilbe + QString::number(::getpid()) + u'-';
    static std::atomic<int> zaehler = 0;
    for (int versuch = 0; versuch < 100 && m_fd < 0; ++versuch) {
        m_temporaer = stamm + QString::number(zaehler++);
        MerkeZwischendatei(QFile::encodeName(m_temporaer).toStdString()); // before it exists: a signal may come
        m_fd = ::open(QFile::encodeName(m_temporaer).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int fehlernummer = errno;
        if (m_fd < 0)
            VergissZwischendatei(QFile::encodeName(m_temporaer).toStdString());
        if (m_fd < 0 && fehlernummer != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_temporaer.clear();
        return false;
    }
    struct stat alt {};
    const QByteArray ziel = QFile::encodeName(m_ziel);
    if ((::stat(ziel.constData(), &alt) == 0 && S_ISREG(alt.st_mode) && ::fchmod(m_fd, alt.st_mode & 07777) != 0) ||
        !m_datei.open(m_fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        Verwirf();
        return false;
    }
    return true;
}

bool AtomareDatei::Sichere() {
    if (m_gesichert)
        return true;
    // The buffer's last bytes are written here, so a full disk is noticed before the rename.
    if (m_fd < 0 || !m_datei.flush() || m_datei.error() != QFileDevice::NoError) {
        Verwirf();
        return false;
    }
    m_datei.close();
    const int fd = std::exchange(m_fd, -1);
    const bool synchron = ::fsync(fd) == 0;
    if (::close(fd) != 0 || !synchron) {
        Verwirf();
        return false;
    }
    m_gesichert = true;
    return true;
}

bool AtomareDatei::Uebernimm() {
    if (!Sichere())
        return false;
    if (::rename(QFile::encodeName(m_temporaer).constData(), QFile::encodeName(m_ziel).constData()) != 0) {
        Verwirf();
        return false;
    }
    VergissZwischendatei(QFile::encodeName(m_temporaer).toStdString());
    m_temporaer.clear();
    m_gesichert = false;
    return true;
}

void RaeumeSchreibresteAuf(const QString& ordner) {
    const QDateTime grenze = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList reste =
        QDir(ordner).entryInfoList({Vorsilbe + u'*'}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& rest : reste)
        if (rest.isFile() && (rest.lastModified().toUTC() < grenze || !SchreiberLebt(rest.fileName())))
            QFile::remove(rest.absoluteFilePath());
}

} // namespace senvio
