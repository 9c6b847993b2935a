#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

// What a reader of a receiver's channel list finds: the channels in the receiver's
// order and the groups (bouquets, playlist groups, recorder groups) they belong to.
// Readers know no widgets and no list lines; they never throw for bad bytes: what
// cannot be read is skipped.
namespace senvio {

struct ImportSender {
    // Single-line, trimmed, without broadcast emphasis codes; empty when the source
    // gives none or the name cannot be found ("(ohne Name)" in the list).
    QString name;
    // An invisible placeholder of a receiver: it takes a number ("(frei)" in the list).
    bool platzhalter = false;
    // The receiver's number where the source states one (":@n" of a recorder group,
    // the number of a reference list, "tvg-chno"); 0 otherwise.
    int nummer = 0;
    // The service the channel is on, as its source identifies it: two channels with
    // the same reference are one service of the receiver, never two stations alike by
    // name. A bouquet's service reference without its name field ("1:283D:3FB:1:C00000",
    // type and the hex of SID, TSID, ONID and namespace; a stream's type and address),
    // "Quelle-NID-TID-SID" of a recorder channel, "ONID-TSID-SID" of a reference list,
    // the address of a playlist entry; empty when the source tells none.
    QString referenz;
    // The playlist's "tvg-logo" value as given (an address or a relative name).
    QString logo;
    // What a logo file of this channel may be named, strongest first, compared without
    // regard to case: the base name of "tvg-logo", the picon names of the service.
    QStringList logoSchluessel;
    // Indexes into ImportFund::gruppen; the channel is taken when any of them is chosen.
    // Usually one; a playlist entry can name several groups ("A;B").
    QList<int> gruppen;
    // Radio, where the group holds both kinds (a TV's list); else the group tells the kind.
    bool radio = false;
    // The number on a receiver set to count each bouquet from 1; 0 where the source has no
    // bouquets.
    int nummerImBouquet = 0;
};

struct ImportGruppe {
    QString name;
    bool radio = false;
    int anzahl = 0; // channels (placeholders included) that name this group
    // The bouquet file the group was read from; empty for other sources.
    QString datei;
    // The receiver numbers TV and radio each from 1, as a bouquet set does: radio taken
    // along with TV would no longer carry the numbers of the remote.
    bool eigeneZaehlung = false;
    // Ticked when the choice is shown: false for the other bouquets of a set when single
    // bouquet files were chosen.
    bool vorgewaehlt = true;
    // A whole list of a TV set, TV and radio in it, numbered from 1 on its own: it is
    // chosen alone, and the numbers before its first channel are kept free as well.
    bool eigeneListe = false;
};

struct ImportFund {
    QList<ImportGruppe> gruppen; // in the source's order
    QList<ImportSender> sender;  // in the receiver's order
    QStringList hinweise;        // German notes for the user (a missing sub-bouquet skipped)
    QStringList quellen;         // the files and folders read, absolute, in the order given
};

// The text of a file: a UTF-8 byte-order mark skipped; UTF-8 when the bytes are
// valid UTF-8. Else, when the lines of valid UTF-8 with other than ASCII in them are
// at least as many as the lines that are no UTF-8 (a name pasted from elsewhere), only
// those lines are read as Windows-1252, and a note naming the first of them is added to
// `hinweise`; else the whole file is Windows-1252.
QString ImportText(QByteArrayView bytes, const QString& datei = {}, QStringList* hinweise = nullptr);

// Calls `tu` with each line of the text, a view into it: ends at CR LF, CR or LF.
template <typename Tu> void FuerJedeZeile(QStringView text, Tu&& tu) {
    qsizetype anfang = 0;
    qsizetype lf = -1; // the next LF, searched again only once passed: a file of CR alone stays linear
    while (anfang < text.size()) {
        // Plain searches: Qt's cost more to call than to run on a line.
        const char16_t* const z = text.utf16();
        if (lf < anfang)
            lf = std::find(z + anfang, z + text.size(), u'\n') - z;
        const qsizetype cr = std::find(z + anfang, z + lf, u'\r') - z;
        const qsizetype ende = std::min(cr, lf);
        tu(text.sliced(anfang, ende - anfang));
        anfang = (cr == lf || ende + 1 == lf) ? lf + 1 : ende + 1;
    }
}

// A name as the readers hand it on: broadcast emphasis codes (U+0086, U+0087) removed,
// white space at both ends cut, made single-line (MacheEinzeilig, which also makes a
// list line's separator in it harmless). A name longer than MeisteNamenszeichen is cut
// and ends with "…" (GekuerzterName), so that a hostile source costs no memory.
QString ImportName(QStringView roh);
inline constexpr qsizetype MeisteNamenszeichen = 1000;
bool GekuerzterName(const QString& name);

// A plain positive integer ("12", not "+12", "1.0" or "0"); 0 for anything else.
int PositiveZahl(QStringView text);

// The groups of a fund keyed by name and kind, in the order of first use: a TV group
// "Musik" and a radio group "Musik" are two groups.
class ImportGruppen {
public:
    explicit ImportGruppen(ImportFund& fund) : m_fund(fund) {}
    // The group's index, made when it is new.
    int Index(const QString& name, bool radio);

private:
    ImportFund& m_fund;
    QHash<QString, int> m_index[2];
};

// Appends the channel to the fund and counts it in each of its groups.
void NimmAuf(ImportFund& fund, ImportSender sender);

// The non-empty lines at the start of a file (a UTF-8 byte-order mark skipped, blanks at
// both ends cut), at most `hoechstens`: what the format checks look at. A last line
// without line end is left out when others come before it: the start may cut it off.
QList<QByteArrayView> AnfangsZeilen(QByteArrayView anfang, qsizetype hoechstens = 100);

// A file of a bouquet set as it is read: its bytes, or why there are none.
struct Bouquetinhalt {
    Bouquetinhalt(std::optional<QByteArray> b = std::nullopt, QString g = {})
        : bytes(std::move(b)), grund(std::move(g)) {}
    std::optional<QByteArray> bytes;
    // Empty when the file does not exist; else a German sentence why a file that is there
    // is not read ("Die Datei PFAD ist keine normale Datei.").
    QString grund;
};

// Reads a file of a bouquet set by its name (a bare file name, no folder).
using BouquetDateizugriff = std::function<Bouquetinhalt(const QString& dateiname)>;

} // namespace senvio
