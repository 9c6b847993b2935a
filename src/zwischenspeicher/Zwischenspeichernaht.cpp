#include "zwischenspeicher/Zwischenspeichernaht.h"

#include "zwischenspeicher/Bildschluessel.h"
#include "zwischenspeicher/Ordnerpflege.h"
#include "zwischenspeicher/Zwischenspeicherzustand.h"

#include <QFile>
#include <QFileInfo>

namespace senvio::testnaht {

Zwischenspeicherort FindeImZwischenspeicher(const QString& datei, const char* art, QSize groesse) {
    const QString ordner = Zwischenspeicherordner();
    const QByteArray schluessel =
        ordner.isEmpty() ? QByteArray() : SchluesselVon(QFileInfo(datei).canonicalFilePath(), art, groesse);
    if (schluessel.isEmpty())
        return {};
    const std::optional<Ort> ort = Finde(ordner, Schluesselwert(schluessel));
    if (!ort)
        return {};
    return {QFile::decodeName(ort->paket->pfad.c_str()), qint64(ort->versatz), Eintragslaenge(schluessel, groesse)};
}

void SchliesseZwischenspeicher() {
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    SchliesseOffenes(z);
    z.pakete.clear();
    z.index.clear();
    z.gelesen = false;
}

void RaeumeZwischenspeicherAuf(qint64 grenze) {
    const QString ordner = Zwischenspeicherordner();
    if (ordner.isEmpty())
        return;
    Zustand& z = DerZustand();
    const std::lock_guard<std::mutex> halte(z.sperre);
    Raeume(Bereit(z, ordner), grenze);
}

quint64 Zwischenspeichertreffer() {
    return DerZustand().treffer;
}

} // namespace senvio::testnaht
