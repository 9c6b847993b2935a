#include "import/Fernseher.h"

namespace senvio {

std::optional<ImportFund> LeseFernsehliste(const QByteArray&, const QString&) {
    return std::nullopt;
}

QString PhilipsOrdner(const QString&) {
    return {};
}

ImportFund LesePhilipsOrdner(const QString&) {
    return {};
}

} // namespace senvio
