#include "import/Tclliste.h"

namespace senvio {

bool IstTclArchiv(const QList<Archivteil>&) {
    return false;
}

ImportFund LeseTclArchiv(const QList<Archivteil>&, const QString&) {
    return {};
}

} // namespace senvio
