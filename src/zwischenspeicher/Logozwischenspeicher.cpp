#include "zwischenspeicher/Logozwischenspeicher.h"

#include "zwischenspeicher/Bildschluessel.h"
#include "zwischenspeicher/Zwischenspeicherzustand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <atomic>
#include <unistd.h>

namespace senvio {

namespace {
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

namespace {

// The cache only costs time: whatever goes wrong in it (memory for a damaged index above all)
// leaves the picture to be made from the file.
QImage AusDemZwischenspeicher(const QString& ordner, const QByteArray& schluessel, quint64 wert, QSize groesse) {
    try {
        if (const std::optional<Ort> ort = Finde(ordner, wert)) {
            if (QImage bild = LiesEintrag(*ort, schluessel, groesse); !bild.isNull()) {
                ++DerZustand().treffer;
                return bild;
            }
            Vergiss(ordner, wert); // damaged: made anew and stored again
        }
    } catch (...) {
    }
    return {};
}

} // namespace

QImage VorbereitetesLogo(const QString& datei, const char* art, QSize groesse,
                         const std::function<QImage(const QString&)>& mache) {
    const QString ordner = Zwischenspeicherordner();
    const QString echt = ordner.isEmpty() ? QString() : QFileInfo(datei).canonicalFilePath();
    const QByteArray schluessel = SchluesselVon(echt, art, groesse);
    if (schluessel.isEmpty())
        return mache(datei);
    const quint64 wert = Schluesselwert(schluessel);
    if (QImage bild = AusDemZwischenspeicher(ordner, schluessel, wert, groesse); !bild.isNull())
        return bild;
    QImage bild = mache(datei);
    // A file changed while it was read is kept under no key.
    try {
        if (bild.format() == QImage::Format_RGB32 && bild.size() == groesse &&
            bild.bytesPerLine() == qsizetype(groesse.width()) * 4 && SchluesselVon(echt, art, groesse) == schluessel)
            Behalte(ordner, schluessel, wert, bild);
    } catch (...) {
    }
    return bild;
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
    if (z.aus)
        return;
    const QDir d(ordner);
    for (const QString& name : d.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const std::string bytes = QFile::encodeName(name).toStdString();
        if (pid_t schreiber = 0; IstPaketname(bytes) || IstNeuesPaket(bytes, schreiber) || IstAlterBildname(bytes))
            QFile::remove(d.filePath(name));
    }
}

quint64 Zwischenspeicherstand() {
    return stand;
}

} // namespace senvio
