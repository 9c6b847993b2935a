#include "import/Sonyliste.h"

namespace senvio {

bool IstSonyListe(QByteArrayView) {
    return false;
}

ImportFund LeseSonyListe(const QByteArray&, const QString&) {
    return {};
}

} // namespace senvio
