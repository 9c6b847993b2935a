#include "import/Grundigliste.h"

namespace senvio {

bool IstGrundigListe(QByteArrayView) {
    return false;
}

ImportFund LeseGrundigListe(const QByteArray&, const QString&) {
    return {};
}

} // namespace senvio
