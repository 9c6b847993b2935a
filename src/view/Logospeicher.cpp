#include "view/Logospeicher.h"

#include "view/Eintrag.h"

namespace senvio {

QImage Logospeicher::Hole(const QString& datei) {
    const Dateistand stand = LiesDateistand(datei);
    if (!stand.normaleDatei)
        return {};
    const quint64 zwischenspeicherstand = Zwischenspeicherstand();
    if (const auto gefunden = m_bilder.constFind(datei); gefunden != m_bilder.cend() && gefunden->stand == stand &&
                                                         gefunden->zwischenspeicherstand == zwischenspeicherstand)
        return gefunden->bild;
    const QImage bild = EintragslogoDerDatei(datei);
    if (bild.isNull())
        return bild;
    // Full: the rows drawn next start it afresh; a simple bound beats bookkeeping per draw.
    if (m_bilder.size() >= m_hoechstens && !m_bilder.contains(datei))
        m_bilder.clear();
    m_bilder.insert(datei, {bild, stand, zwischenspeicherstand});
    return bild;
}

} // namespace senvio
