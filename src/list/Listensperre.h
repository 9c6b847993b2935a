#pragma once

#include "platform/Dateistand.h"

#include <QString>

#include <memory>

class QLockFile;

namespace senvio {

// The lock of a list file, held by every program for the whole of reading a list, changing
// it and writing it back, so that two programs never write over each other's change. The
// lock is the file ".NAME.lis.lock" beside the list; one left by a program that ended
// without removing it is recognised and taken over, and so is one that is no lock (empty,
// garbled, an empty folder) and one of another computer untouched for five minutes.
class Listensperre {
public:
    Listensperre();
    // Waits up to `wartezeitMs` for the lock of the list file. Throws Fehler naming the lock
    // file when another program holds it that long (another computer's: which one), or when
    // a folder with files stands in its place. A lock this program already holds is not taken again; where no lock file
    // can be made (a read-only folder), the list goes on without: its save reports the folder.
    explicit Listensperre(const QString& listendatei, int wartezeitMs = 5000);
    ~Listensperre();
    Listensperre(Listensperre&& andere) noexcept;
    Listensperre& operator=(Listensperre&& andere) noexcept;

private:
    void Gib();

    std::unique_ptr<QLockFile> m_sperre;
    QString m_datei;
};

} // namespace senvio
