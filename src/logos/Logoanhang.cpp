#include "logos/Logoanhang.h"

#include "list/Zeilenformat.h"
#include "platform/Ordner.h"

#include <QFile>
#include <QFontMetrics>
#include <QSaveFile>

namespace senvio {

QString AngehaengterLogoPfad(const QString& dateiname) {
    return ListenOrdnerToken + QStringLiteral("Sender-Logos\\") + dateiname;
}

std::optional<QString> ZeileMitLogo(const QString& zeile, const QString& dateiname) {
    if (!zeile.contains(Trenner))
        return std::nullopt;
    return MitNeuemLogo(zeile, AngehaengterLogoPfad(dateiname));
}

bool KopiereLogo(const QString& quelle, const QString& ziel) {
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    // Unbuffered, so that a full disk shows in write() and not only, unnoticed, in commit().
    QSaveFile aus(ziel);
    if (!aus.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    char puffer[1 << 16];
    for (qint64 n; (n = ein.read(puffer, sizeof puffer)) != 0;) {
        if (n < 0 || aus.write(puffer, n) != n) {
            aus.cancelWriting();
            break;
        }
    }
    return aus.commit();
}

QString Namensfeldtext(const QString& dateiname) {
    QString name = dateiname;
    if (const qsizetype punkt = name.indexOf(QLatin1String(".png"), 0, Qt::CaseInsensitive); punkt >= 0)
        name.remove(punkt, 4);
    return name;
}

QString KuerzeNamen(QString name, const QFont& schrift) {
    const QFontMetrics masse(schrift);
    while (!name.isEmpty() && masse.horizontalAdvance(name) + 8 > 280)
        name.chop(1);
    return name;
}

} // namespace senvio
