#include "import/Sharpliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <algorithm>
#include <optional>

// A CSV file: a title line "--------DVBS Program Data!--------", a note, the header, then one
// row per service up to a row "[E]". The variants differ in their columns:
// - "Channel Number,Channel Name,Service Type,…" (3, 5 or 7 columns): the first column is a
//   record index; the TV numbers each kind in the order of the file, from 1;
// - "Channel Number,LCN,Channel Name,…" (6 columns): LCN is the number;
// - DVBS_CHANNEL_TABLE.csv (51 columns): "Channel number" is the number, each kind from 1;
//   "TS id", "orig network id", "ServiceID" and "Satellite Angle" identify the service.
using namespace Qt::StringLiterals;

namespace senvio {

namespace {

bool IstTitel(QStringView zeile) {
    return zeile.startsWith(u"--") && zeile.contains(u"Program Data!", Qt::CaseInsensitive);
}

// The reception the title names: "DVBS" or "S2" satellite, "DVBC" cable, "DVBT" antenna.
std::pair<QString, QString> ListeDesTitels(QStringView titel) {
    if (titel.contains(u"DVBC", Qt::CaseInsensitive))
        return {QStringLiteral("Kabel"), QStringLiteral("C")};
    if (titel.contains(u"DVBT", Qt::CaseInsensitive))
        return {QStringLiteral("Antenne"), QStringLiteral("T")};
    return {QStringLiteral("Satellit"), QStringLiteral("S")};
}

Dienstart ArtDesDienstes(QStringView typ) {
    if (typ == u"1" || typ.compare(u"DTV", Qt::CaseInsensitive) == 0 || typ.compare(u"TV", Qt::CaseInsensitive) == 0)
        return Dienstart::Fernsehen;
    if (typ == u"2" || typ.compare(u"Radio", Qt::CaseInsensitive) == 0)
        return Dienstart::Radio;
    return Dienstart::Daten;
}

// A non-negative integer, -1 for anything else.
qint64 Zahl(QStringView text) {
    return std::max<qint64>(TextZahl(text), -1);
}

struct Kopf {
    qsizetype name = -1, typ = -1, nummer = -1, tsid = -1, onid = -1, sid = -1, winkel = -1;
};

Kopf LeseKopf(QStringView zeile, const QString& datei) {
    QList<QStringView> felder = zeile.split(u',');
    for (QStringView& feld : felder)
        feld = feld.trimmed();
    const auto spalte = [&](QStringView name) -> qsizetype {
        const auto it = std::find_if(felder.begin(), felder.end(),
                                     [&](QStringView f) { return f.compare(name, Qt::CaseInsensitive) == 0; });
        return it == felder.end() ? -1 : it - felder.begin();
    };
    Kopf kopf;
    kopf.name = spalte(u"Channel Name");
    kopf.typ = spalte(u"Service Type");
    if (kopf.name < 0 || kopf.typ < 0)
        throw UnlesbareFernsehliste(datei, QStringLiteral("der Kopfzeile fehlt die Spalte „%1“")
                                               .arg(kopf.name < 0 ? u"Channel Name"_s : u"Service Type"_s));
    kopf.sid = spalte(u"ServiceID");
    if (kopf.sid >= 0) {
        kopf.nummer = spalte(u"Channel number");
        kopf.tsid = spalte(u"TS id");
        kopf.onid = spalte(u"orig network id");
        kopf.winkel = spalte(u"Satellite Angle");
    } else if (spalte(u"Channel Number") >= 0 && spalte(u"LCN") >= 0) {
        kopf.nummer = spalte(u"LCN");
    }
    return kopf;
}

} // namespace

bool IstSharpListe(QByteArrayView anfang) {
    const QList<QByteArrayView> zeilen = AnfangsZeilen(anfang.first(std::min<qsizetype>(anfang.size(), 4096)), 1);
    return !zeilen.isEmpty() && IstTitel(QString::fromLatin1(zeilen.first()));
}

ImportFund LeseSharpListe(const QByteArray& bytes, const QString& datei) {
    QStringList hinweise;
    const QString text = ImportText(bytes, datei, &hinweise);
    Fernsehfund fund;
    for (const QString& hinweis : hinweise)
        fund.Hinweis(hinweis);

    enum { VorTitel, VorKopf, Zeilen, Ende } stand = VorTitel;
    Kopf kopf;
    int liste = -1;
    QString quelle;
    int zaehler[3] = {0, 0, 0};
    FuerJedeZeile(text, [&](QStringView zeile) {
        zeile = zeile.trimmed();
        if (zeile.isEmpty() || stand == Ende)
            return;
        if (stand == VorTitel) {
            if (!IstTitel(zeile))
                throw UnlesbareFernsehliste(datei, QStringLiteral("die erste Zeile ist nicht „Program Data!“"));
            const auto [name, q] = ListeDesTitels(zeile);
            liste = fund.Liste(name, true);
            quelle = q;
            stand = VorKopf;
            return;
        }
        if (stand == VorKopf) {
            // The note line before the header names the columns too, but not as fields.
            const QList<QStringView> felder = zeile.split(u',');
            if (std::any_of(felder.begin(), felder.end(), [](QStringView f) {
                    return f.trimmed().compare(u"Channel Name", Qt::CaseInsensitive) == 0;
                })) {
                kopf = LeseKopf(zeile, datei);
                stand = Zeilen;
            }
            return;
        }
        if (zeile == u"[E]") {
            stand = Ende;
            return;
        }
        const QList<QStringView> felder = zeile.split(u',');
        if (felder.size() <= std::max(kopf.name, kopf.typ))
            return;
        const auto feld = [&](qsizetype index) {
            return index >= 0 && index < felder.size() ? felder[index] : QStringView();
        };
        Fernsehkanal kanal;
        kanal.name = felder[kopf.name].toString();
        kanal.art = ArtDesDienstes(felder[kopf.typ].trimmed());
        int& zaehlerDerArt = zaehler[int(kanal.art)];
        ++zaehlerDerArt;
        kanal.nummer = kopf.nummer >= 0 ? PositiveZahl(feld(kopf.nummer).trimmed()) : zaehlerDerArt;
        kanal.quelle = quelle;
        if (kopf.sid >= 0) {
            const qint64 winkel = Zahl(feld(kopf.winkel));
            if (quelle == u"S" && winkel >= 0 && winkel < 3600)
                kanal.quelle = Satellitenquelle(winkel > 1800 ? int(winkel - 3600) : int(winkel));
            kanal.onid = Zahl(feld(kopf.onid));
            kanal.tsid = Zahl(feld(kopf.tsid));
            kanal.sid = Zahl(feld(kopf.sid));
        }
        fund.NimmAuf(liste, std::move(kanal));
    });
    if (stand == VorTitel)
        throw UnlesbareFernsehliste(datei, QStringLiteral("sie ist leer"));
    if (stand == VorKopf)
        throw UnlesbareFernsehliste(datei, QStringLiteral("die Kopfzeile mit „Channel Name“ fehlt"));
    return std::move(fund).Fund();
}

} // namespace senvio
