#include "import/Panasonicliste.h"

namespace senvio {

bool IstPanasonicListe(QByteArrayView) {
    return false;
}

ImportFund LesePanasonicListe(const QByteArray&, const QString&) {
    return {};
}

} // namespace senvio
