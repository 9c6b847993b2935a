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

QImage VorbereitetesLogo(const QString& datei, const char* art, QSize groesse,
                         const std::function<QImage(const QString&)>& mache) {
    const QString ordner = Zwischenspeicherordner();
    const QString echt = ordner.isEmpty() ? QString() : QFileInfo(datei).canonicalFilePath();
    const QByteArray schluessel = SchluesselVon(echt, art, groesse);
    if (schluessel.isEmpty())
        return mache(datei);
    const quint64 wert = Schluesselwert(schluessel);
    if (const std::optional<Ort> ort = Finde(ordner, wert)) {
        if (QImage bild = LiesEintrag(*ort, schluessel, groesse); !bild.isNull())
            return bild;
        Vergiss(ordner, wert); // damaged: made anew and stored again
    }
    QImage bild = mache(datei);
    // A file changed while it was read is kept under no key.
    if (bild.format() == QImage::Format_RGB32 && bild.size() == groesse &&
        bild.bytesPerLine() == qsizetype(groesse.width()) * 4 && SchluesselVon(echt, art, groesse) == schluessel)
        Behalte(ordner, schluessel, wert, bild);
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
    const QDir d(ordner);
    for (const QString& name :
         d.entryList({QLatin1String("*") + QLatin1String(Paketendung), QLatin1String(Paketvorsilbe) + u'*',
                      QLatin1String("*") + QLatin1String(AltePaketendung)},
                     QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(d.filePath(name));
}

quint64 Zwischenspeicherstand() {
    return stand;
}

} // namespace senvio
