#include "dokument/Importablauf.h"

#include "list/Bearbeitung.h"
#include "list/Listendatei.h"

namespace senvio {

namespace {

// The sources and groups of both, each once, in the order of first use.
Quellenwahl Vereinigt(Quellenwahl bisher, const Quellenwahl& neu) {
    for (const QString& quelle : neu.quellen)
        if (!bisher.quellen.contains(quelle))
            bisher.quellen.append(quelle);
    for (const GemerkteGruppe& gruppe : neu.gruppen)
        if (!bisher.gruppen.contains(gruppe))
            bisher.gruppen.append(gruppe);
    bisher.bouquetAbEins = bisher.bouquetAbEins || neu.bouquetAbEins;
    // One box is remembered: the one fetched from last.
    if (!neu.receiver.adresse.isEmpty())
        bisher.receiver = neu.receiver;
    return bisher;
}

} // namespace

Quellenwahl WahlDesImports(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen) {
    Quellenwahl wahl{fund.quellen, {}, optionen.bouquetAbEins && HatBouquets(fund)};
    for (qsizetype i = 0; i < fund.gruppen.size() && i < gruppeGewaehlt.size(); ++i)
        if (const GemerkteGruppe gruppe{fund.gruppen[i].name, fund.gruppen[i].radio};
            gruppeGewaehlt[i] && !wahl.gruppen.contains(gruppe))
            wahl.gruppen.append(gruppe);
    return wahl;
}

int HaengeImportAn(Listendokument& dokument, const QList<ImportEintrag>& eintraege, Speichern speichern,
                   const Quellenwahl& wahl) {
    const int erste = int(dokument.Liste().Anzahl());
    // Into an empty list the import is no step of the history: there is nothing to go back to.
    dokument.Aendere(
        {QStringLiteral("Senderliste importieren"), speichern, true, erste > 0}, [&](Listenaenderung& aenderung) {
            if (wahl != Quellenwahl())
                aenderung.MerkeQuellen(erste > 0 ? Vereinigt(dokument.GemerkteQuellen(), wahl) : wahl);
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
               Speichern speichern, const Quellenwahl& wahl) {
    // The radio list is read and written back here: no other program may change it between.
    Listensperre sperre;
    if (!listen.radio.isEmpty()) {
        const QString name = RadiolistenName(liste.Name());
        sperre = Listensperre(FindeListendatei(radio.Ordner().listen, name));
        OeffneImportziel(radio, name, anhaengen);
    }
    const int erste = HaengeImportAn(liste, listen.liste, speichern, wahl);
    if (!listen.radio.isEmpty())
        HaengeImportAn(radio, listen.radio, speichern, wahl);
    return erste;
}

} // namespace senvio
