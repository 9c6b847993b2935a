#include "import/Kanaldatei.h"

#include "import/Piconname.h"

#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <limits>

// A channel line: "Name[,Short];Provider:Freq:Params:Source:Srate:VPID:APID:TPID:CA:SID:NID:TID:RID".
namespace senvio {

namespace {

enum Feld { Name, Frequenz, Parameter, Quelle, Symbolrate, Vpid, Apid, Tpid, Ca, Sid, Nid, Tid, Rid, Felder };

bool IstZahl(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (const char z : text) {
        if (z < '0' || z > '9')
            return false;
    }
    return true;
}

// The leading integer of a field like "5101=2" or "5101+5102=2"; -1 when the field
// starts with none, `grenze` when it is larger.
qint64 FuehrendeZahl(QStringView feld, qint64 grenze) {
    if (feld.isEmpty() || feld[0] < u'0' || feld[0] > u'9')
        return -1;
    qint64 zahl = 0;
    for (qsizetype i = 0; i < feld.size() && feld[i] >= u'0' && feld[i] <= u'9' && zahl < grenze; ++i)
        zahl = zahl * 10 + (feld[i].unicode() - u'0');
    return std::min(zahl, grenze);
}

// The long name: in the name field "|" stands for ":", the provider follows the first
// ";", the short name the last "," before it.
QString LangerName(QStringView feld) {
    const qsizetype strichpunkt = feld.indexOf(u';');
    QStringView namen = strichpunkt < 0 ? feld : feld.first(strichpunkt);
    const qsizetype komma = namen.lastIndexOf(u',');
    if (komma >= 0)
        namen = namen.first(komma);
    QString name = namen.toString();
    name.replace(u'|', u':');
    return ImportName(name);
}

} // namespace

// Most lines of the start that are not group lines are channel lines: thirteen
// fields at least, a number as frequency and as service id, a source that starts
// with a letter ("S19.2E", "C", "T"). Bouquet files, playlists and service databases
// have none such.
bool IstKanaldatei(QByteArrayView anfang) {
    int kanaele = 0;
    int andere = 0;
    for (const QByteArrayView zeile : AnfangsZeilen(anfang)) {
        if (zeile.startsWith(':'))
            continue;
        QList<QByteArrayView> felder;
        for (qsizetype i = 0, anfangFeld = 0; i <= zeile.size() && felder.size() < Felder; ++i) {
            if (i == zeile.size() || zeile[i] == ':') {
                felder.append(zeile.sliced(anfangFeld, i - anfangFeld));
                anfangFeld = i + 1;
            }
        }
        const bool kanal = felder.size() == Felder && !zeile.startsWith('#') && IstZahl(felder[Frequenz]) &&
                           IstZahl(felder[Sid]) && !felder[Quelle].isEmpty() &&
                           std::isalpha(static_cast<unsigned char>(felder[Quelle][0]));
        (kanal ? kanaele : andere) += 1;
    }
    return kanaele > andere;
}

ImportFund LeseKanaldatei(const QByteArray& bytes, const QString& dateiname) {
    ImportFund fund;
    ImportGruppen gruppen(fund);
    QString gruppe = QFileInfo(dateiname).fileName();
    qint64 nummer = 1;
    FuerJedeZeile(ImportText(bytes, gruppe, &fund.hinweise), [&](QStringView zeile) {
        const QStringView z = zeile.trimmed();
        if (z.startsWith(u':')) {
            // ":text" starts a group, ":@201 text" also sets the next number.
            QStringView rest = z.sliced(1);
            if (rest.startsWith(u'@')) {
                const qint64 neu = FuehrendeZahl(rest.sliced(1), std::numeric_limits<int>::max());
                if (neu > 0)
                    nummer = neu;
                qsizetype i = 1;
                while (i < rest.size() && rest[i] >= u'0' && rest[i] <= u'9')
                    ++i;
                rest = rest.sliced(i);
            }
            const QString name = ImportName(rest);
            if (!name.isEmpty())
                gruppe = name;
            return;
        }
        const QList<QStringView> felder = z.split(u':');
        if (felder.size() < Felder)
            return;
        ImportSender sender;
        sender.name = LangerName(felder[Name]);
        sender.nummer = nummer <= std::numeric_limits<int>::max() ? int(nummer) : 0;
        ++nummer;
        sender.referenz = felder[Quelle].toString();
        for (const Feld feld : {Nid, Tid, Sid})
            sender.referenz.append(u'-').append(felder[feld]);
        sender.logoSchluessel =
            PiconNamenDesKanals(felder[Quelle], felder[Sid], felder[Nid], felder[Tid], felder[Vpid]);
        // A video PID of 0 or 1 (or none at all) means a channel without picture.
        const bool radio = FuehrendeZahl(felder[Vpid], 2) <= 1;
        sender.gruppen.append(gruppen.Index(gruppe, radio));
        NimmAuf(fund, std::move(sender));
    });
    return fund;
}

} // namespace senvio
