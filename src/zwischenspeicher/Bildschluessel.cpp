#include "zwischenspeicher/Bildschluessel.h"

#include "platform/Dateistand.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QCryptographicHash>

#include <cstring>

namespace senvio {

QByteArray SchluesselVon(const QString& echt, const char* art, QSize groesse) {
    if (echt.isEmpty())
        return {};
    const Dateistand s = LiesDateistand(echt);
    if (!s.normaleDatei)
        return {};
    // A file replaced by another of the same size and time has another inode or change time.
    return echt.toUtf8() + '\n' + QByteArray::number(s.groesse) + '\n' + QByteArray::number(s.geaendertNs) + '\n' +
           QByteArray::number(s.inode) + '\n' + QByteArray::number(s.statusNs) + '\n' + art + '\n' +
           QByteArray::number(groesse.width()) + 'x' + QByteArray::number(groesse.height()) + '\n' +
           QByteArray::number(Logoregeln);
}

quint64 Schluesselwert(const QByteArray& schluessel) {
    const QByteArray sha = QCryptographicHash::hash(schluessel, QCryptographicHash::Sha1);
    quint64 wert = 0;
    std::memcpy(&wert, sha.constData(), sizeof wert);
    return wert;
}

} // namespace senvio
