#include "import/Samsungliste.h"

namespace senvio {

bool IstSamsungArchiv(const QList<Archivteil>&) {
    return false;
}

ImportFund LeseSamsungArchiv(const QList<Archivteil>&, const QString&) {
    return {};
}

} // namespace senvio
