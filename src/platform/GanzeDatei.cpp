#include "GanzeDatei.h"

#include "AtomareDatei.h"

namespace senvio {

bool SchreibeGanzeDatei(const QString& pfad, const QByteArray& bytes) {
    AtomareDatei datei(pfad);
    return datei.Oeffne() && datei.Geraet().write(bytes) == bytes.size() && datei.Uebernimm();
}

} // namespace senvio
