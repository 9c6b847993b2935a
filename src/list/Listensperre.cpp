#include "Listensperre.h"

#include "platform/Fehler.h"

#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QSet>

namespace senvio {

namespace {

// The list files this program holds the lock of: a nested lock of one of them is no lock,
// as QLockFile would wait for this very program.
QMutex gehaltenSchutz;
QSet<QString> gehalten;

} // namespace

Listensperre::Listensperre(const QString& listendatei, int wartezeitMs) {
    const QFileInfo info(listendatei);
    const QString datei = info.absoluteFilePath();
    {
        const QMutexLocker schutz(&gehaltenSchutz);
        if (gehalten.contains(datei))
            return;
    }
    auto sperre = std::make_unique<QLockFile>(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                                              QStringLiteral(".lock"));
    // Only a lock whose program has ended is stale: a long import must keep its lock.
    sperre->setStaleLockTime(0);
    if (!sperre->tryLock(wartezeitMs)) {
        if (sperre->error() == QLockFile::LockFailedError)
            throw Fehler(QStringLiteral("Die Liste %1 wird gerade von einem anderen Programm geändert.")
                             .arg(info.completeBaseName()));
        return;
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
