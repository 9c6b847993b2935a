#include "GanzeDatei.h"

#include <QSaveFile>

namespace senvio {

bool SchreibeGanzeDatei(const QString& pfad, const QByteArray& bytes) {
    // Unbuffered: a write that stops short (a full disk) shows in write()'s result.
    // QSaveFile's commit() does not notice a buffered write that fails while it flushes,
    // and would put the cut file in place of the old one.
    QSaveFile datei(pfad);
    return datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && datei.write(bytes) == bytes.size() &&
           datei.commit();
}

} // namespace senvio
