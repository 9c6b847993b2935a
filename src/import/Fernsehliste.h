#pragma once

#include "import/Importquelle.h"

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QXmlStreamReader;

// What the readers of TV sets' exports share: the kind of a DVB service, DVB texts, the
// reference of a service, and the find made of a TV's lists. A TV numbers each of its
// lists (cable, satellite, antenna, favourites) from 1, so each list is one group of the
// import, chosen alone.
namespace senvio {

enum class Dienstart { Fernsehen, Radio, Daten };

// The kind of a DVB service_type: TV 0x01, 0x11, 0x16, 0x19, 0x1F, 0x9F, 0xD3; radio
// 0x02, 0x0A; anything else is a data service.
Dienstart DvbDienstart(qint64 serviceType);

// A DVB text (a name in the service description): a first byte below 0x20 selects the
// character table (0x01–0x0B ISO 8859-5 … -15, 0x10 with two more bytes ISO 8859-n,
// 0x11 and 0x14 UTF-16BE, 0x15 UTF-8); without one the bytes are Latin-1, as TVs write
// them. Emphasis and control codes (0x80–0x9F in single-byte tables, U+0080–U+009F
// otherwise) are dropped; the text ends at the first NUL byte (NUL pair in UTF-16).
QString DvbText(QByteArrayView bytes);

// A whole number as a file writes it (blanks around it allowed); `sonst` for anything else.
qint64 TextZahl(QStringView text, qint64 sonst = -1);

// A channel's number as the remote shows it: 0 (none) for a number that is no positive int.
int Kanalnummer(qint64 zahl);

// The source of a recorder's channel file for a satellite position in tenths of a degree,
// east positive: 192 → "S19.2E", −50 → "S5.0W".
QString Satellitenquelle(int zehntelGrad);

// The error of an export that cannot be read: "Die Datei DATEI ist keine lesbare
// Senderliste: GRUND." (the reason in German, lower case, without full stop).
class Fehler;
Fehler UnlesbareFernsehliste(const QString& datei, const QString& grund);

// XML exports nest no deeper than this; a reader counts its depth and stops beyond it.
inline constexpr int TiefsteXmlEbene = 64;

// Throws UnlesbareFernsehliste when the reader met malformed XML ("das XML ist nicht
// wohlgeformt (Zeile 12: …)"); to be called once the reading is done.
void PruefeXml(const QXmlStreamReader& xml, const QString& datei);
// Throws UnlesbareFernsehliste for XML nested deeper than TiefsteXmlEbene.
void PruefeXmlTiefe(int ebene, const QString& datei);

// One channel of a TV's list as a reader finds it.
struct Fernsehkanal {
    // The number the remote shows; 0 or less: the channel has none and is left out.
    int nummer = 0;
    Dienstart art = Dienstart::Fernsehen;
    // As decoded; ImportName is applied when it is taken. Empty: "(ohne Name)".
    QString name;
    // The reception as a recorder's channel file names it: "C" cable, "T" antenna,
    // "S19.2E" a satellite at its position, "S" a satellite of unknown position, "I" IP,
    // "A" analog. With ONID, TSID and SID known (each 0 or more), the reference is
    // "C-1-1051-28106" (source, ONID, TSID, SID, decimal), and the picon names of the
    // service become logo keys.
    QString quelle;
    qint64 onid = -1, tsid = -1, sid = -1;
    // Set by a reader only where the service has no DVB triplet (an IP channel's address,
    // an analog channel's "A-C-Frequenz"): then it is the reference as it stands.
    QString referenz;
    // Further logo keys, strongest first (the base name of a logo address).
    QStringList logoSchluessel;
    // Marked deleted by the TV: left out. Channels the TV only hides or skips are kept.
    bool geloescht = false;
    // Hidden by the TV (it keeps its number): a list of hidden channels is not the one in use.
    bool versteckt = false;
};

// True where a TV and a radio channel hold the same number: the list counts radio from 1,
// for a file that does not say so itself.
bool RadioZaehltAbEins(const QList<Fernsehkanal>& kanaele);

// Collects the lists of one TV export and makes the import's find of them.
class Fernsehfund {
public:
    // Declares a list of the TV, in the order the groups are offered ("Kabel", "Satellit",
    // "Satellit ASTRA1 19.2°E", "Antenne", "IP", "Analog", "Favoriten 1" or the TV's own
    // favourites name). `radioAbEins`: the TV counts radio from 1 beside TV in this list.
    // Returns the list's index for NimmAuf. A name given twice gets " (2)" and so on.
    int Liste(const QString& name, bool radioAbEins);
    void NimmAuf(int liste, Fernsehkanal kanal);
    void Hinweis(const QString& hinweis);

    // One group per list that holds a TV or radio channel, in the order declared, each a
    // whole list of its own (ImportGruppe::eigeneListe); its channels by number (where radio
    // counts from 1, TV first, then radio; equal numbers in the order taken). Data services,
    // deleted channels and channels without number are left out. The list with the most TV
    // channels is ticked (the first of equal ones), counting first those the TV does not hide:
    // a list whose every channel is hidden is not the one the TV is used with.
    ImportFund Fund() &&;

private:
    struct Kanalliste {
        QString name;
        bool radioAbEins = false;
        QList<Fernsehkanal> kanaele;
    };
    QList<Kanalliste> m_listen;
    QStringList m_hinweise;
};

} // namespace senvio
