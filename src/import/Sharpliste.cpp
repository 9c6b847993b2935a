#include "import/Sharpliste.h"

namespace senvio {

bool IstSharpListe(QByteArrayView) {
    return false;
}

ImportFund LeseSharpListe(const QByteArray&, const QString&) {
    return {};
}

} // namespace senvio
