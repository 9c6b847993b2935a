#include "import/Toshibaliste.h"

namespace senvio {

bool IstToshibaArchiv(const QList<Archivteil>&) {
    return false;
}

ImportFund LeseToshibaArchiv(const QList<Archivteil>&, const QString&) {
    return {};
}

} // namespace senvio
