#pragma once

#include "dokument/Listendokument.h"
#include "dokument/Logoablauf.h"
#include "import/Import.h"

#include <array>

// "Liste aktualisieren": a list brought up to date with a new scan of its sources. Each
// entry is matched to a channel of the scan (the same service, else the same station within
// TV or radio), and the list is laid out anew; the user's work on an entry (its name, its
// logo, its placeholder) goes with the entry.
namespace senvio {

// The sections of the review, in their order.
enum class Abgleichart { Unveraendert, NeueNummer, Umbenannt, Neu, Fehlend };
inline constexpr int Abgleicharten = 5;
// "Unverändert", "Neue Nummer", "Umbenannt", "Neu", "Nicht mehr empfangbar".
QString AbgleichartText(Abgleichart art);

enum class Reihenfolge {
    Empfaenger, // numbers as on the remote, "(frei)" for the numbers it leaves free
    Meine,      // entries kept where they are, new ones appended
};
enum class NeueSender { AnsEnde, Weglassen, Einzeln };
enum class FehlendeSender { Entfernen, Behalten };

struct Aktualisierungswahl {
    Reihenfolge reihenfolge = Reihenfolge::Empfaenger;
    NeueSender neue = NeueSender::AnsEnde;
    FehlendeSender fehlende = FehlendeSender::Entfernen;
};

// A station of the review: an entry of the list and the channel found for it, an entry no
// channel was found for (kanal -1), or a new channel (eintrag -1).
struct Abgleichzeile {
    qsizetype eintrag = -1; // line of the list
    qsizetype kanal = -1;   // channel of the scan
    // The scan names the entry's service otherwise than the scan the entry came from.
    bool umbenannt = false;
    // Umbenannt: the entry takes the new name. Ticked where the entry still has the name its
    // source gave it; a name the user gave stays unless the user ticks it.
    bool namenUebernehmen = false;
    // Neu, with NeueSender::Einzeln: the channel is taken.
    bool aufnehmen = true;
};

// The list and the scan, matched: every entry of the list and every channel of the scan
// once, "(frei)" on either side left out.
struct Abgleich {
    QStringList zeilen;
    QList<Eintragsherkunft> herkunft; // index for index with the lines
    QList<ImportEintrag> kanaele;     // in the receiver's order, "(frei)" where it leaves numbers free
    QList<Abgleichzeile> sender;      // the entries in list order, then the new channels in scan order
};

// Matches in this order: the same source reference; then the same station name
// (Senderschluessel: "Das Erste HD" = "Das Erste") of the same kind, the name the source gave
// the entry first, then its name in the list; else the entry is missing from the scan. An
// entry without knowledge of its source matches by its name alone, of either kind.
Abgleich GleicheAb(const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                   const QList<ImportEintrag>& kanaele);
Abgleich GleicheAb(const Listendokument& dokument, const QList<ImportEintrag>& kanaele);

// One station's place in the review under the choices.
struct Abgleichstand {
    Abgleichart art = Abgleichart::Unveraendert;
    int nummerVorher = 0;  // 0: not in the list before
    int nummerNachher = 0; // 0: not in the list afterwards
};

// The list after the update under the choices.
struct Aktualisierung {
    QStringList zeilen; // numbered
    QList<Eintragsherkunft> herkunft;
    QList<Abgleichstand> stand; // index for index with Abgleich::sender
    std::array<int, Abgleicharten> anzahl{};
    int platzhalterzaehler = 0; // after the placeholders of the new entries
    QString hinweis;            // the numbers were not kept: why
};

// Lays the list out: in the receiver's order every channel of the scan at its number (a new
// channel left out leaves "(frei)" there, so the numbers stay those of the remote; none
// after the last channel taken; none at all when keeping them would make the list longer than
// GroessteListeMitLuecken, with a note), missing entries kept go to the end; in the user's order the entries stay in
// place and the new channels taken follow. A new entry gets the next placeholder, as an import gives it.
Aktualisierung PlaneAktualisierung(const Abgleich& abgleich, const Aktualisierungswahl& wahl, int platzhalterzaehler);

// The channels of an import the open list is brought up to date with: those of the radio
// list when radio goes into a list of its own and this is the radio list (its entries came
// as radio, or, where it knows nothing of them, it is named "… Radio").
const QList<ImportEintrag>& KanaeleFuer(const Listendokument& dokument, const Importlisten& listen);
// The open list matched with the channels of an import it is updated from (KanaeleFuer):
// the one start of an update for the window and senvio-import.
Abgleich GleicheAb(const Listendokument& dokument, const Importlisten& listen);

struct Aktualisierungsbericht {
    std::array<int, Abgleicharten> anzahl{};
    QList<int> geaenderteKarten;
    bool geaendert = false; // a step was recorded and the list written
    QString hinweis;        // as Aktualisierung::hinweis
    Logouebernahme empfangslogos = {};
};

// The update as one step "Liste aktualisieren", written at once when anything changed;
// unchanged, nothing is recorded or written. Before it writes, the list as it was is kept
// (Listendokument::SichereVorigenStand), and the list remembers `quellen` when given. The
// cards that changed are remembered for printing only those (Listendokument::GeaenderteKarten).
// The new entries then get the box's logos of their services (`empfangslogos`, PNG bytes by
// reference) as an import from the box gives them (LegeEmpfangslogosAn), in a step of their own.
Aktualisierungsbericht Aktualisiere(Listendokument& dokument, const Abgleich& abgleich, const Aktualisierungswahl& wahl,
                                    const Quellenwahl& quellen = {},
                                    const QHash<QString, QByteArray>& empfangslogos = {});

// The references of the new channels the update takes under the choices: the services whose
// logos are asked of the box, before anything changes.
QStringList ReferenzenDerNeuen(const Abgleich& abgleich, const Aktualisierungswahl& wahl);

// Ticks the groups of the find the list remembers (by name and kind, in any letter case) and
// no others; returns the names of those the find lacks. When the find has none of them (another
// source, or none remembered), it stays as it is.
QStringList WaehleGemerkteGruppen(ImportFund& fund, const Quellenwahl& quellen);
// "Die Gruppe „Sky Cinema“, aus der die Liste stammt, fehlt in den gewählten Quellen."
QString FehlendeGruppenText(const QStringList& namen);

// How much an update would change: channels added and entries taken away under the choices,
// and the stations the list holds ("(frei)" not counted). Large when more than half of them
// go or more come than there are.
struct Aenderungsumfang {
    int hinzu = 0;
    int weg = 0;
    int bisher = 0;
    bool gross = false;
};
Aenderungsumfang UmfangDerAktualisierung(const Abgleich& abgleich, const Aktualisierungswahl& wahl);
// "1735 Sender kommen hinzu, 3 fallen weg."
QString UmfangText(const Aenderungsumfang& umfang);

// "Unverändert: 40, Neue Nummer: 3, Umbenannt: 2, Neu: 1, Nicht mehr empfangbar: 1".
QString Anzahlentext(const std::array<int, Abgleicharten>& anzahl);
// "Geändert: Karten 2, 5", "Geändert: Karte 2", "Keine Karte hat sich geändert."; runs of
// three and more as ranges ("Karten 1–3, 7, 12–40"), after twenty items "… und n weitere".
QString KartenText(const QList<int>& karten);

} // namespace senvio
