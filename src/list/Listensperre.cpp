#include "Listensperre.h"

#include "platform/Fehler.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSet>
#include <QSysInfo>
#include <QThread>

#include <optional>

namespace senvio {

namespace {

// The list files this program holds the lock of: a nested lock of one of them is no lock,
// as QLockFile would wait for this very program.
QMutex gehaltenSchutz;
QSet<QString> gehalten;

// A lock file younger than this may be one a program is writing this instant.
constexpr qint64 SchreibfristMs = 2000;
// A lock of another computer cannot be checked; after this long nobody is working on the list.
constexpr qint64 FremdeSperreMs = 5 * 60 * 1000;

enum class Sperrlage {
    Fort,     // gone meanwhile
    Gehalten, // a program of this computer holds it, or might be writing it now
    Fremd,    // a program of another computer holds it
    Verwaist, // not a lock (empty, garbled, an empty folder) or another computer's old one
    Ordner,   // a folder with files in it
};

struct Sperrbefund {
    Sperrlage lage = Sperrlage::Fort;
    QString rechner = {};
};

Sperrbefund PruefeSperrdatei(const QString& sperrdatei) {
    const QFileInfo info(sperrdatei);
    if (!info.exists() && !info.isSymLink())
        return {};
    const qint64 alter = qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime()));
    if (info.isDir() && !info.isSymLink())
        return {QDir(sperrdatei).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                    ? Sperrlage::Verwaist
                    : Sperrlage::Ordner};
    QFile datei(sperrdatei);
    if (info.isSymLink() || !info.isFile() || !datei.open(QIODevice::ReadOnly))
        return {alter > SchreibfristMs ? Sperrlage::Verwaist : Sperrlage::Gehalten};
    // As QLockFile writes it: the process number, the program's name, the computer's name.
    const QList<QByteArray> zeilen = datei.read(4096).split('\n');
    bool zahl = false;
    const qint64 pid = zeilen.value(0).trimmed().toLongLong(&zahl);
    if (!zahl || pid <= 0)
        return {alter > SchreibfristMs ? Sperrlage::Verwaist : Sperrlage::Gehalten};
    const QString rechner = QString::fromUtf8(zeilen.value(2).trimmed());
    if (rechner.isEmpty() || rechner == QSysInfo::machineHostName())
        return {Sperrlage::Gehalten};
    return {alter > FremdeSperreMs ? Sperrlage::Verwaist : Sperrlage::Fremd, rechner};
}

// Removes a lock nobody holds. QLockFile's own guard against two programs removing a stale
// lock at once is taken, and the lock looked at again under it.
bool NimmSperreUeber(const QString& sperrdatei) {
    QLockFile entfernen(sperrdatei + QStringLiteral(".rmlock"));
    if (!entfernen.tryLock(0) || PruefeSperrdatei(sperrdatei).lage != Sperrlage::Verwaist)
        return false;
    const QFileInfo info(sperrdatei);
    return info.isDir() && !info.isSymLink() ? QDir().rmdir(sperrdatei) : QFile::remove(sperrdatei);
}

QString Sperrmeldung(const Sperrbefund& befund, const QString& liste, const QString& sperrdatei) {
    switch (befund.lage) {
    case Sperrlage::Fremd:
        return QStringLiteral("Die Liste %1 ist von einem Programm auf dem Rechner „%2“ gesperrt. Wenn dort niemand "
                              "mehr an der Liste arbeitet, löschen Sie bitte die Sperrdatei %3.")
            .arg(liste, befund.rechner, sperrdatei);
    case Sperrlage::Ordner:
        return QStringLiteral("Die Liste %1 kann nicht gesperrt werden: An Stelle der Sperrdatei steht der Ordner %2. "
                              "Bitte löschen Sie ihn.")
            .arg(liste, sperrdatei);
    default:
        return QStringLiteral("Die Liste %1 wird gerade von einem anderen Programm geändert (Sperrdatei %2).")
            .arg(liste, sperrdatei);
    }
}

} // namespace

Listensperre::Listensperre(const QString& listendatei, int wartezeitMs) {
    const QFileInfo info(listendatei);
    const QString datei = info.absoluteFilePath();
    {
        const QMutexLocker schutz(&gehaltenSchutz);
        if (gehalten.contains(datei))
            return;
    }
    const QString sperrdatei = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".lock");
    auto sperre = std::make_unique<QLockFile>(sperrdatei);
    // Only a lock whose program has ended is stale to QLockFile: a long import must keep its
    // lock. What it cannot judge (no lock at all, another computer's) is judged here.
    sperre->setStaleLockTime(0);
    const QDeadlineTimer frist(wartezeitMs);
    for (;;) {
        if (sperre->tryLock(0))
            break;
        if (sperre->error() != QLockFile::LockFailedError && !QFileInfo(sperrdatei).isDir())
            return;
        const Sperrbefund befund = PruefeSperrdatei(sperrdatei);
        if (befund.lage == Sperrlage::Verwaist && NimmSperreUeber(sperrdatei))
            continue;
        // A folder where nothing can be removed gets no lock at all: its save reports the folder.
        if (befund.lage == Sperrlage::Verwaist && !QFileInfo(info.absolutePath()).isWritable())
            return;
        if (frist.hasExpired() || befund.lage == Sperrlage::Ordner)
            throw Fehler(Sperrmeldung(befund, info.completeBaseName(), sperrdatei));
        QThread::msleep(std::min<qint64>(50, std::max<qint64>(frist.remainingTime(), 1)));
    }
    const QMutexLocker schutz(&gehaltenSchutz);
    gehalten.insert(datei);
    m_sperre = std::move(sperre);
    m_datei = datei;
}

Listensperre::Listensperre() = default;

Listensperre::~Listensperre() {
    Gib();
}

Listensperre::Listensperre(Listensperre&& andere) noexcept
    : m_sperre(std::move(andere.m_sperre)), m_datei(std::move(andere.m_datei)) {}

Listensperre& Listensperre::operator=(Listensperre&& andere) noexcept {
    if (this != &andere) {
        Gib();
        m_sperre = std::move(andere.m_sperre);
        m_datei = std::move(andere.m_datei);
    }
    return *this;
}

void Listensperre::Gib() {
    if (!m_sperre)
        return;
    m_sperre.reset();
    const QMutexLocker schutz(&gehaltenSchutz);
    gehalten.remove(m_datei);
}

} // namespace senvio
