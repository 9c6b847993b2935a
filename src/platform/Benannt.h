#pragma once

#include <QLatin1String>

namespace senvio {

// The control's established name becomes its objectName: tests find it by that.
template <typename T> T* Benannt(T* objekt, const char* name) {
    objekt->setObjectName(QLatin1String(name));
    return objekt;
}

} // namespace senvio
