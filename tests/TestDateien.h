#pragma once

// Small helpers the test suites share: bytes written by hand, files read and written whole,
// programs run to their end.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QString>
#include <csignal>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <sys/resource.h>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* aus) {
    *aus << '"' << text.toStdString() << '"';
}

namespace senvio::test {

inline QByteArray Bytes(std::initializer_list<unsigned char> b) {
    return QByteArray(reinterpret_cast<const char*>(std::data(b)), qsizetype(b.size()));
}

// The file's bytes, or "<fehlt>" when it cannot be read.
inline QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

// Writes the file whole, and the folders above it that are missing.
inline void Schreib(const QString& pfad, const QByteArray& inhalt) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pfad).path())) << pfad.toStdString();
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << pfad.toStdString();
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

// Lets writes of the process fail beyond `bytes` bytes, also for root: a full disk.
class Dateigrenze {
public:
    explicit Dateigrenze(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &m_vorher);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &grenze);
    }
    ~Dateigrenze() {
        setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }

private:
    rlimit m_vorher{};
    void (*m_signal)(int);
};

// Everything below a folder: relative path to the file's bytes, "<ordner>" for folders.
inline QMap<QString, QByteArray> Baum(const QString& ordner) {
    QMap<QString, QByteArray> baum;
    QDirIterator it(ordner, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        baum.insert(QDir(ordner).relativeFilePath(pfad), it.fileInfo().isDir() ? QByteArray("<ordner>") : Lies(pfad));
    }
    return baum;
}

// A program run to its end: the exit code (-1 after a crash), standard output and error.
struct Programmlauf {
    int rueckgabe = -1;
    QString aus;
    QString fehler;
    bool operator==(const Programmlauf&) const = default;
};

// Runs `programm` in `arbeitsordner` (empty: the test's own working directory).
inline Programmlauf StarteProgramm(const QString& programm, const QStringList& argumente,
                                   const QString& arbeitsordner = {}) {
    QProcess p;
    p.setWorkingDirectory(arbeitsordner);
    p.start(programm, argumente);
    const bool beendet = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit;
    return {beendet ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

} // namespace senvio::test
