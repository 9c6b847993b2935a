#include "logos/Logosuche.h"

namespace senvio {

QList<int> SucheLogos(const QStringList& namen, const QString& text) {
    const QString getrimmt = text.trimmed();
    for (qsizetype i = 0; i < namen.size(); ++i)
        if (namen[i].compare(getrimmt, Qt::CaseInsensitive) == 0)
            return {int(i)};
    QList<int> treffer;
    if (text.isEmpty())
        return treffer;
    const QString klein = text.toLower();
    for (qsizetype i = 0; i < namen.size(); ++i)
        if (namen[i].toLower().contains(klein))
            treffer << int(i);
    return treffer;
}

int ScrollZiel(int index, int anzahl) {
    if (anzahl <= 20) {
        if (index < 4)
            return 0;
        if (index < 12)
            return -10;
        // Past the third row a small group scrolls like a large one.
        return 27 * index - 108;
    }
    if (index <= 3)
        return 0;
    int ziel = 27 * index - 108;
    if (index >= anzahl - 16)
        ziel -= 108;
    if (index >= anzahl - 10)
        ziel -= 216;
    if (index >= anzahl - 4)
        ziel -= 54;
    return ziel;
}

} // namespace senvio
