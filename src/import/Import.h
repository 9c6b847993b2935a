#pragma once

#include "import/Importquelle.h"
#include "list/SenderListe.h"

#include <functional>

// Importing a receiver's channel list: the chosen files (or a bouquet folder) read by
// the reader their content calls for, and the names the list gets of what was found.
namespace senvio {

// Larger files are refused: no channel list of a receiver comes near this.
inline constexpr qint64 GroessteImportdatei = qint64(256) << 20;

// Told the bytes read so far and the bytes of all chosen files together.
using Importfortschritt = std::function<void(qint64 gelesen, qint64 gesamt)>;

// Reads every chosen file or folder, in the order given, and puts their finds one after
// the other (the group indexes of later files moved up accordingly). The format is taken
// from the content: a file of a bouquet set (its siblings are read from its folder; a
// folder stands for the whole set), an M3U playlist, a recorder channel file, a
// reference list. The find names the paths read (ImportFund::quellen). Of a set chosen
// whole (the folder, "bouquets.tv", the database), the scan bouquet ("Last Scanned") and
// bouquets of more than GroessteVorgewaehlteGruppe channels start unticked. Throws Fehler
// with a German message for a file that cannot be read (DateiFehler), is no regular file
// (a FIFO is never opened), is too large, has an unknown format or holds no channel (with
// the notes of its reading on lines of their own).
ImportFund LeseImportquellen(const QStringList& pfade, const Importfortschritt& fortschritt = {});

// Appends the second find to the first, its group indexes moved behind those of the first.
void HaengeFundAn(ImportFund& ziel, ImportFund&& fund);

// Reads the files of a bouquet set in this folder by bare name: the name as it stands
// first, else a file whose name differs only in letter case (the folder listed once).
// Names with a folder in them are not read; a file that is no regular file, over the
// size limit, unreadable or a link whose real path lies outside the folder gives the
// reason instead of its bytes.
BouquetDateizugriff BouquetDateienIn(const QString& ordner);

// An entry an import adds to a list: its name, what its channel said of its logo (the
// channel's logoSchluessel) and the service in its source (its referenz); neither for a
// "(frei)" entry.
struct ImportEintrag {
    QString name;
    QStringList logoSchluessel;
    QString referenz;
    bool radio = false;
    bool operator==(const ImportEintrag&) const = default;
};

struct ImportOptionen {
    // The numbers the receiver leaves free become "(frei)" entries.
    bool nummernBehalten = true;
    // The second and later channels of one service are left out.
    bool doppelteWeglassen = true;
    // Radio goes into a list of its own where the receiver numbers it on its own.
    bool radioEigeneListe = true;
    // The receiver counts each bouquet from 1 instead of numbering on across its bouquets.
    bool bouquetAbEins = false;
};

// What an import adds: the entries of the list, and those of the radio list when radio
// gets a list of its own (else empty), and notes for the user.
struct Importlisten {
    QList<ImportEintrag> liste;
    QList<ImportEintrag> radio;
    QStringList hinweise;
};

// A list whose free numbers would make it longer gets none: a receiver has at most a few
// thousand numbers, and millions of "(frei)" entries would make a list nobody can open.
inline constexpr qint64 GroessteListeMitLuecken = 10000;

// The entries for the chosen groups (one flag per group of the find): every channel with
// a chosen group, in the receiver's order. A placeholder becomes "(frei)", a channel whose
// name holds no letter or digit "(ohne Name)". To keep the receiver's numbers, the
// numbers it leaves free are filled with "(frei)" as well: where two channels taken one
// after the other both carry the receiver's number and the second lies 2 to 1000 above
// the first, the numbers between; the same from 1 before the first channel of a TV's list
// or of a bouquet set (every bouquet before it counted, or with ImportOptionen::bouquetAbEins
// its own bouquet). Left out, a copy (see DoppelteSender) leaves its number free in the
// same way. A list that would grow beyond GroessteListeMitLuecken that way is
// numbered without gaps, and the note of LueckenHinweis says so. With radio in a list of
// its own (RadioEigeneListeMoeglich), the radio channels go there, numbered among themselves.
Importlisten ImportEintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt,
                             const ImportOptionen& optionen = {});

// True when the choice holds TV and radio, and the receiver numbers that radio on its own.
bool RadioEigeneListeMoeglich(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);

// The name of the list radio goes into: "NAME Radio".
QString RadiolistenName(const QString& listenName);

// Bouquets larger than this (a whole satellite) start unticked when a set is chosen whole.
inline constexpr int GroessteVorgewaehlteGruppe = 1000;

// True when the find holds a receiver's bouquets, whose numbering may start each at 1.
bool HatBouquets(const ImportFund& fund);

// How many entries the choice gives in the list and, with radio apart, in the radio list:
// the entries ImportEintraege makes, counted.
struct Eintragszahl {
    qint64 liste = 0;
    qint64 radio = 0;
};
Eintragszahl ZaehleEintraege(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen);

// The groups ticked when the choice is shown (ImportGruppe::vorgewaehlt).
QList<bool> VorgewaehlteGruppen(const ImportFund& fund);

// How many channels the choice takes, and how many "(frei)" entries keeping the numbers
// gives (none in a list whose gaps are too large).
qsizetype GewaehlteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);
qint64 FreieNummern(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen);

// "Die Nummern des Empfängers haben zu große Lücken; …" when keeping the numbers would
// make a list of the choice longer than GroessteListeMitLuecken; empty otherwise.
QString LueckenHinweis(const ImportFund& fund, const QList<bool>& gruppeGewaehlt, const ImportOptionen& optionen);

// One line per group: "Kabel: 65 TV, 75 Radio" (placeholders not counted).
QStringList GruppenUebersicht(const ImportFund& fund);

// Why the choice cannot make one list: two lists of a TV that each count from 1 ("Die
// Gruppen „Kabel“ und „Satellit“ …"); empty when it can.
QString GruppenwahlFehler(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);

// The names of the chosen channels that are a second or later channel of one service: an
// earlier chosen channel of the same kind (TV or radio) has the same reference. Names
// never make two channels one service; placeholders and channels without reference are
// never copies.
QStringList DoppelteSender(const ImportFund& fund, const QList<bool>& gruppeGewaehlt);

} // namespace senvio
