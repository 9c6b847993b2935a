#include "dokument/Importablauf.h"

#include "list/Bearbeitung.h"

namespace senvio {

int HaengeImportAn(Listendokument& dokument, const QList<ImportEintrag>& eintraege, Speichern speichern) {
    const int erste = int(dokument.Liste().Anzahl());
    dokument.Aendere({QStringLiteral("Senderliste importieren"), speichern, true}, [&](Listenaenderung& aenderung) {
        QStringList namen;
        namen.reserve(eintraege.size());
        for (const ImportEintrag& eintrag : eintraege)
            namen.append(eintrag.name);
        aenderung.Aendere([&](SenderListe& liste) { HaengeNamenAn(liste, namen, aenderung.Platzhalterzaehler()); });
        for (qsizetype i = 0; i < eintraege.size() && erste + i < aenderung.Liste().Anzahl(); ++i)
            aenderung.SetzeHerkunft(int(erste + i), {eintraege[i].referenz, eintraege[i].logoSchluessel});
        aenderung.Waehle(erste);
    });
    return erste;
}

int Importiere(Listendokument& liste, Listendokument& radio, const Importlisten& listen, bool anhaengen,
               Speichern speichern) {
    if (!listen.radio.isEmpty()) {
        const QString name = RadiolistenName(liste.Name());
        if (anhaengen)
            radio.LadeLetzte(name);
        else
            radio.BeginneNeu(name);
    }
    const int erste = HaengeImportAn(liste, listen.liste, speichern);
    if (!listen.radio.isEmpty())
        HaengeImportAn(radio, listen.radio, speichern);
    return erste;
}

} // namespace senvio
