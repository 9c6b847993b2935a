#include "dokument/Importablauf.h"

#include "list/Bearbeitung.h"
#include "list/Listendatei.h"

namespace senvio {

int HaengeImportAn(Listendokument& dokument, const QList<ImportEintrag>& eintraege, Speichern speichern) {
    const int erste = int(dokument.Liste().Anzahl());
    // Into an empty list the import is no step of the history: there is nothing to go back to.
    dokument.Aendere(
        {QStringLiteral("Senderliste importieren"), speichern, true, erste > 0}, [&](Listenaenderung& aenderung) {
            QStringList namen;
            namen.reserve(eintraege.size());
            for (const ImportEintrag& eintrag : eintraege)
                namen.append(eintrag.name);
            aenderung.AendereZeilen(
                [&](SenderListe& liste) { HaengeNamenAn(liste, namen, aenderung.Platzhalterzaehler()); });
            for (qsizetype i = 0; i < eintraege.size() && erste + i < aenderung.Liste().Anzahl(); ++i)
                aenderung.SetzeHerkunft(
                    int(erste + i),
                    {eintraege[i].referenz, eintraege[i].logoSchluessel, eintraege[i].name, eintraege[i].radio, {}});
            aenderung.Waehle(erste);
        });
    return erste;
}

void OeffneImportziel(Listendokument& dokument, const QString& name, bool anhaengen) {
    if (anhaengen)
        dokument.LadeLetzte(name);
    else
        dokument.BeginneNeu(name);
}

int Importiere(Listendokument& liste, Listendokument& radio, const Importlisten& listen, bool anhaengen,
               Speichern speichern) {
    // The radio list is read and written back here: no other program may change it between.
    Listensperre sperre;
    if (!listen.radio.isEmpty()) {
        const QString name = RadiolistenName(liste.Name());
        sperre = Listensperre(FindeListendatei(radio.Ordner().listen, name));
        OeffneImportziel(radio, name, anhaengen);
    }
    const int erste = HaengeImportAn(liste, listen.liste, speichern);
    if (!listen.radio.isEmpty())
        HaengeImportAn(radio, listen.radio, speichern);
    return erste;
}

} // namespace senvio
