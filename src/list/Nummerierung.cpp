#include "Nummerierung.h"

#include "list/Zeilenformat.h"

namespace senvio {

void KorrigiereDieNummern(SenderListe& liste) {
    for (qsizetype i = 0; i < liste.Anzahl(); ++i) {
        const QString& zeile = liste.Zeile(i);
        if (HatPraefix(zeile, i + 1))
            continue; // already right: keep the shared data, and make no string to find it out
        liste.Ersetze(i, Praefix(i + 1).append(QStringView(zeile).mid(PraefixLaenge(zeile))));
    }
}

QString ListenStatuszeile(qsizetype anzahl, const QString& listenName) {
    // An empty list's count says nothing; its name says which list the first entry goes to.
    if (anzahl == 0 && !listenName.isEmpty())
        return QStringLiteral("Liste: „%1“").arg(listenName);
    return QStringLiteral("      ") + QString::number(anzahl) + QStringLiteral("  Eintragung(en) in der Liste: „") +
           listenName + QStringLiteral("“");
}

} // namespace senvio
