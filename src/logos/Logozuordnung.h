#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// Finding the logo for each entry of a list among all logo files: a decision that may be
// applied without asking, or up to three proposals for the user to choose from.
namespace senvio {

struct Logodatei {
    QString pfad;   // full path
    QString gruppe; // the group folder's name; "Sender-Logos" for the copies beside the lists
};

// The logo files with their keys, indexed for the lookups of the matching.
class Logobestand {
public:
    explicit Logobestand(QList<Logodatei> dateien);
    ~Logobestand();
    Logobestand(Logobestand&&) noexcept;
    Logobestand& operator=(Logobestand&&) noexcept;

    const QList<Logodatei>& Dateien() const { return m_dateien; }
    // True when both files hold the same bytes (each file read once, on first need).
    bool GleicherInhalt(int a, int b) const;
    // True when the file decodes as a PNG picture (each file decoded once, on first need):
    // a file that would show as a placeholder on the card is never offered.
    bool Lesbar(int datei) const;
    // How many files Lesbar has found broken so far. The matching decodes only the files
    // a rule found for an entry, so after deciding a list these are the files passed over.
    int Beschaedigte() const;
    // Those files, in the stock's order.
    QList<int> BeschaedigteDateien() const;

    struct Index; // the lookups, built once in the constructor
    const Index& Suchindex() const { return *m_index; }

private:
    QList<Logodatei> m_dateien;
    std::unique_ptr<Index> m_index;
};

// Every PNG file directly in the logo root, in each of its group folders and in
// "Sender-Logos", placeholders (names holding "ohne logo") left out; folders in name order.
Logobestand LeseLogobestand(const QString& logoWurzel, const QString& senderLogos);

enum class Logogrund { Importdatei, GleicherName, GleicherAnfang, AehnlicherName };

// "aus der Importdatei", "gleicher Name", "gleicher Anfang", "ähnlicher Name".
QString Grundtext(Logogrund grund);

// "3 Logodateien sind beschädigt und wurden übergangen: a.png (ARD), b.png, c.png." (one:
// "1 Logodatei ist … wurde …"), naming the first 10 and then "… und n weitere"; empty for none.
QString Beschaedigtenhinweis(const Logobestand& bestand);

struct Logovorschlag {
    int datei = -1; // index into Logobestand::Dateien()
    Logogrund grund = Logogrund::GleicherName;
};

struct Logoentscheidung {
    // True when the strongest rule that finds any readable file finds exactly one (or
    // several of identical content): vorschlaege then holds that one file. Only the
    // import's keys and the name's keys decide; the name's first word and similar names
    // only propose.
    bool automatisch = false;
    // Best first, at most three, each readable; empty when nothing was found.
    QList<Logovorschlag> vorschlaege;
};

struct Logoanfrage {
    QString name;                 // the entry's name as it stands in the list
    QStringList importSchluessel; // keys an import brought (playlist logo name, picon names), strongest first
    bool radio = false;           // the import knew the entry as radio
    int eigeneDatei = -1;         // the entry's own logo file in the stock, -1 for none
    // False for an entry of the list outside the part being decided: it only counts for the others.
    bool gesucht = true;
};

// The decision for one entry on its own.
Logoentscheidung EntscheideLogo(const Logobestand& bestand, const Logoanfrage& suche);

// The decisions for the entries of one list, in their order (empty for those not sought),
// made on every core: the candidate files they decode are what takes the time. The list as
// a whole counts twice: a name key that entries of different names share ("ATV HD" and
// "a.tv HD") only proposes, and for an entry known to be radio the first word and similar
// names propose no file a television entry of the list takes (its own logo or a find of it).
QList<Logoentscheidung> EntscheideLogos(const Logobestand& bestand, const QList<Logoanfrage>& suchen);

// An entry of the list with what the matching found for it, as the review shows it.
struct Pruefeintrag {
    int zeile = -1; // in the list
    QString name;   // as it stands in the list
    QString titel;  // number and name: "Nr. 12  Das Erste HD"
    QImage bisher;  // today's 60 × 40 picture; null when it is made from bisherDatei
    // The entry's own logo file when it has a real one: such entries are shown only when
    // the user asks to replace their logos.
    QString bisherDatei;
    Logoentscheidung entscheidung;
};

} // namespace senvio
