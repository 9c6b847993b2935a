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
    Importlogos ergebnis;
    for (qsizetype i = erste; i < liste.Anzahl(); ++i) {
        const QString name = ZerlegeZeile(liste.Zeile(i)).name;
        const Logoentscheidung e = EntscheideLogo(bestand, {name, schluessel.value(i - erste)});
        if (e.automatisch)
            ergebnis.eindeutig.append({int(i), bestand.Dateien().at(e.vorschlaege.first().datei).pfad});
        else if (!e.vorschlaege.isEmpty())
            ergebnis.vorschlaege.append(Vorschlagszeile(bestand, name, e.vorschlaege));
    }
    return ergebnis;
}

} // namespace senvio
