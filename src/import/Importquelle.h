#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

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
    // What identifies the service within its source: the service reference of a
    // bouquet, "ONID-TSID-SID" of a reference list, "Quelle:SID:NID:TID:VPID" of a
    // recorder channel, "tvg-id" or the stream address of a playlist entry.
    QString referenz;
    // The playlist's "tvg-logo" value as given (an address or a relative name).
    QString logo;
    // Indexes into ImportFund::gruppen; the channel is taken when any of them is chosen.
    // Usually one; a playlist entry can name several groups ("A;B").
    QList<int> gruppen;
};

struct ImportGruppe {
    QString name;
    bool radio = false;
    int anzahl = 0; // channels (placeholders included) that name this group
};

struct ImportFund {
    QList<ImportGruppe> gruppen; // in the source's order
    QList<ImportSender> sender;  // in the receiver's order
    QStringList hinweise;        // German notes for the user (a missing sub-bouquet skipped)
};

// The text of a file: a UTF-8 byte-order mark skipped; UTF-8 when the bytes are
// valid UTF-8, else Windows-1252.
QString ImportText(QByteArrayView bytes);

// The lines of a text: ends at CR LF, CR or LF.
QStringList ImportZeilen(const QString& text);

// Reads a file of a bouquet set by its name (a bare file name, no folder). Nothing
// when it does not exist or cannot be read.
using BouquetDateizugriff = std::function<std::optional<QByteArray>(const QString& dateiname)>;

} // namespace senvio
