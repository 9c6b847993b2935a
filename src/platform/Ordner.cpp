#include "Ordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

namespace senvio {

namespace fs = std::filesystem;

ProgrammOrdner::ProgrammOrdner(const QString& ordner)
    : programm(ordner.endsWith(u'/') ? ordner : ordner + u'/'), einstellungen(programm + QStringLiteral("senvio.ini")),
      listen(programm + QStringLiteral("Senvio-Listen/")), temp(listen + QStringLiteral("Temp")),
      senderLogos(listen + QStringLiteral("Sender-Logos")),
      logoWurzel(programm + QStringLiteral("TV und Radio Sender Logos/")),
      hilfe(programm + QStringLiteral("Senvio-Hilfe.pdf")) {}

ProgrammOrdner ProgrammOrdner::AusArbeitsverzeichnis() {
    return ProgrammOrdner(QDir::currentPath());
}

static bool LegeOrdnerAn(const QString& pfad) {
    if (QFileInfo(pfad).isDir()) {
        return true;
    }
    return QDir().mkdir(pfad);
}

OrdnerPruefung PruefeUndLegeOrdnerAn(const ProgrammOrdner& ordner) {
    OrdnerPruefung p;
    if (!QFileInfo(ordner.listen).isDir()) {
        p.listenOrdnerFehlt = true;
        p.information = QStringLiteral("Verzeichnis: ") + ordner.listen +
                        QStringLiteral("\nist nicht vorhanden!\n\t\t") + QStringLiteral("Das Programm wird beendet.");
        return p;
    }
    for (const QString* unterordner : {&ordner.temp, &ordner.senderLogos}) {
        if (!LegeOrdnerAn(*unterordner)) {
            p.warnungen << QStringLiteral("Kann das Verzeichnis ") + *unterordner + QStringLiteral(" nicht anlegen!");
        }
    }
    return p;
}

bool LoescheDateien(const QString& maske) {
    const qsizetype schnitt = maske.lastIndexOf(u'/');
    const QString ordner = schnitt < 0 ? QStringLiteral(".") : maske.left(schnitt + 1);
    QString muster = maske.mid(schnitt + 1);
    if (muster == QStringLiteral("*.*")) {
        muster = QStringLiteral("*");
    }
    const QRegularExpression regel(QRegularExpression::wildcardToRegularExpression(muster),
                                   QRegularExpression::CaseInsensitiveOption);

    // Collect first, then delete, so the listing is not changed under the iterator.
    std::error_code fehler;
    std::vector<fs::path> treffer;
    for (fs::directory_iterator it(fs::path(ordner.toStdString()), fehler); !fehler && it != fs::directory_iterator();
         it.increment(fehler)) {
        const QString name = QString::fromStdString(it->path().filename().string());
        if (regel.match(name).hasMatch()) {
            treffer.push_back(it->path());
        }
    }
    bool allesWeg = !fehler;
    for (const fs::path& pfad : treffer) {
        fs::remove_all(pfad, fehler);
        allesWeg = allesWeg && !fehler;
    }
    return allesWeg;
}

QString BringeOrdnerAnOrt(QTemporaryDir& bau, const QString& ziel) {
    QFile::setPermissions(bau.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
    if (std::rename(QFile::encodeName(bau.path()).constData(), QFile::encodeName(ziel).constData()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    bau.setAutoRemove(false);
    return QString();
}

} // namespace senvio
