#include "logos/Logoanhang.h"

#include "list/SenderListe.h"
#include "list/Zeilenformat.h"
#include "platform/AtomareDatei.h"
#include "platform/Ordner.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSet>

namespace senvio {

QString AngehaengterLogopfad(const QString& dateiname) {
    return ListenordnerToken + QStringLiteral("Sender-Logos\\") + dateiname;
}

std::optional<QString> ZeileMitLogo(const QString& zeile, const QString& dateiname) {
    if (!zeile.contains(Trenner))
        return std::nullopt;
    return MitNeuemLogo(zeile, AngehaengterLogopfad(dateiname));
}

bool KopiereLogo(const QString& quelle, const QString& ziel) {
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    AtomareDatei aus(ziel);
    if (!aus.Oeffne())
        return false;
    char puffer[1 << 16];
    for (qint64 n; (n = ein.read(puffer, sizeof puffer)) != 0;)
        if (n < 0 || aus.Geraet().write(puffer, n) != n)
            return false;
    return aus.Uebernimm();
}

QList<Logozuweisung> SchreibeLogosEin(SenderListe& liste, const QList<Logozuweisung>& zuweisungen) {
    QList<Logozuweisung> eingeschrieben;
    for (const Logozuweisung& z : zuweisungen) {
        if (z.zeile < 0 || z.zeile >= liste.Anzahl())
            continue;
        if (const std::optional<QString> neu = ZeileMitLogo(liste.Zeile(z.zeile), QFileInfo(z.pfad).fileName())) {
            liste.Ersetze(z.zeile, *neu);
            eingeschrieben.append(z);
        }
    }
    return eingeschrieben;
}

QStringList KopiereLogos(const QList<Logozuweisung>& zuweisungen, const QString& senderLogos) {
    QStringList fehlschlaege;
    QSet<QString> kopiert;
    for (const Logozuweisung& z : zuweisungen) {
        if (kopiert.contains(z.pfad))
            continue; // one logo for several entries is copied once
        kopiert.insert(z.pfad);
        const QString kopie = senderLogos + QLatin1Char('/') + QFileInfo(z.pfad).fileName();
        if (!KopiereLogo(z.pfad, kopie))
            fehlschlaege << QStringLiteral("Das Logo \"") + z.pfad + QStringLiteral("\" konnte nicht nach \"") + kopie +
                                QStringLiteral("\" kopiert werden.");
    }
    return fehlschlaege;
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
