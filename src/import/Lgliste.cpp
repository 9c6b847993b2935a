#include "import/Lgliste.h"

namespace senvio {

bool IstLgListe(QByteArrayView) {
    return false;
}

ImportFund LeseLgListe(const QByteArray&, const QString&) {
    return {};
}

} // namespace senvio
