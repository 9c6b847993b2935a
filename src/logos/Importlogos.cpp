#include "logos/Importlogos.h"

#include "list/SenderListe.h"
#include "list/Zeilenformat.h"

#include <QFileInfo>

namespace senvio {

QString Vorschlagszeile(const Logobestand& bestand, const QString& name, const QList<Logovorschlag>& vorschlaege) {
    QStringList dateien;
    for (const Logovorschlag& v : vorschlaege) {
        const Logodatei& datei = bestand.Dateien().at(v.datei);
        const QString dateiname = QFileInfo(datei.pfad).fileName();
        dateien << (datei.gruppe.isEmpty() ? dateiname : QStringLiteral("%1 (%2)").arg(dateiname, datei.gruppe));
    }
    return QStringLiteral("Vorschläge für „%1“: %2").arg(name, dateien.join(QStringLiteral(", ")));
}

Importlogos FindeImportlogos(const Logobestand& bestand, const SenderListe& liste, qsizetype erste,
                             const QList<QStringList>& schluessel) {
    QList<Logosuche> suchen;
    for (qsizetype i = erste; i < liste.Anzahl(); ++i)
        suchen.append({ZerlegeZeile(liste.Zeile(i)).name, schluessel.value(i - erste)});
    const QList<Logoentscheidung> entscheidungen = EntscheideLogos(bestand, suchen);
    Importlogos ergebnis;
    for (qsizetype i = 0; i < suchen.size(); ++i) {
        const Logoentscheidung& e = entscheidungen[i];
        if (e.automatisch)
            ergebnis.eindeutig.append({int(erste + i), bestand.Dateien().at(e.vorschlaege.first().datei).pfad});
        else if (!e.vorschlaege.isEmpty())
            ergebnis.vorschlaege.append(Vorschlagszeile(bestand, suchen[i].name, e.vorschlaege));
    }
    if (const QString hinweis = Beschaedigtenhinweis(bestand.Beschaedigte()); !hinweis.isEmpty())
        ergebnis.hinweise.append(hinweis);
    return ergebnis;
}

} // namespace senvio
