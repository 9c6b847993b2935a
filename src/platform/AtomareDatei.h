#pragma once

#include <QFile>
#include <QString>

namespace senvio {

// A file written in place of another in one step: the bytes go to a temporary file beside
// the target, named ".~senvio-PID-N" as the PDF writer names its own, which is renamed over
// the target only when every byte is on the disk. A failure, a full disk or a crash leaves
// the old file whole; a temporary file a kill leaves behind is recognised by its name.
class AtomareDatei {
public:
    explicit AtomareDatei(QString ziel);
    // Removes the temporary file when it was not taken over.
    ~AtomareDatei();
    AtomareDatei(const AtomareDatei&) = delete;
    AtomareDatei& operator=(const AtomareDatei&) = delete;

    // Creates the temporary file, with the rights of the target when it exists. False (and
    // errno set) when it cannot be made.
    bool Oeffne();
    // The temporary file, buffered.
    QFile& Geraet() { return m_datei; }
    // Writes the rest of the buffer and syncs the file to the disk, without renaming it: a
    // file that must be replaced together with another is first made whole, then both are
    // renamed. False (errno set) when any write failed; the temporary file is gone then.
    bool Sichere();
    // Sichere, then renames the file over the target. False (errno set) when any step failed;
    // the temporary file is gone then.
    bool Uebernimm();

private:
    void Verwirf();

    QString m_ziel;
    QString m_temporaer;
    int m_fd = -1;
    bool m_gesichert = false;
    QFile m_datei;
};

// Removes the temporary files of AtomareDatei and of the PDF writer in the folder that have
// not been written to for a minute: what a kill between writing and renaming left behind.
// Other files are never touched.
void RaeumeSchreibresteAuf(const QString& ordner);

} // namespace senvio
