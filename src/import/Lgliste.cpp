#include "import/Lgliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QXmlStreamReader>

#include <algorithm>

// GlobalClone: <TLLDATA> holds <SatelliteDB> (the satellites as idx0 … idx63) and <CHANNEL>
// with the lists <ATV> and <DTV> of <ITEM>s, one child element per field. From webOS 5 on the
// channels come as JSON in the text of a <legacybroadcast> element.
namespace senvio {

using namespace Qt::StringLiterals;

namespace {

// prNum (majorNumber) marks radio with this bit; TV and radio each count from 1.
constexpr qint64 RadioBit = 0x4000;
// favoriteIdxA … H of a channel in no favourites list.
constexpr qint64 KeinFavorit = 250;
constexpr int Favoritenlisten = 8;

// The lists of the TV, one per reception, in the order they are offered.
enum Empfang { Kabel, Satellit, Antenne, Analog, Unbekannt };

// A channel as the file gives it, in either layout.
struct Eintrag {
    Empfang empfang = Unbekannt;
    QString quelltext;  // the reception as the file names it, for a note when unknown
    qint64 nummer = -1; // prNum / majorNumber, radio bit included; -1: none
    qint64 dienst = -1; // DVB service_type; -1: not given
    QString name;
    qint64 onid = -1, tsid = -1, sid = -1;
    qint64 satellit = -1; // usSatelliteHandle: the index of the satellite in SatelliteDB
    QString frequenz;
    bool geloescht = false;
    bool versteckt = false;
    qint64 favorit[Favoritenlisten] = {}; // position in favourites list A … H; KeinFavorit: none
};

qint64 JsonZahl(const QJsonValue& wert, qint64 sonst = -1) {
    if (wert.isDouble())
        return wert.toInteger(sonst);
    if (wert.isBool())
        return wert.toBool() ? 1 : 0;
    return TextZahl(wert.toString(), sonst);
}

bool Wahr(const QJsonValue& wert) {
    return wert.isString() ? wert.toString().trimmed().compare(u"true", Qt::CaseInsensitive) == 0 ||
                                 TextZahl(wert.toString(), 0) != 0
                           : JsonZahl(wert, 0) != 0;
}

QString OhneSteuerzeichen(QString text) {
    text.removeIf([](QChar z) { return z.unicode() >= 0x80 && z.unicode() <= 0x9F; });
    return text;
}

// The satellite at index idxN of <SatRecordInfo>: Angle and AnglePrec (tenths), DirEastWest 1 east.
int Position(const QHash<QString, QString>& satellit) {
    const qint64 zehntel = TextZahl(satellit.value(u"Angle"_s), 0) * 10 + TextZahl(satellit.value(u"AnglePrec"_s), 0);
    const int betrag = int(std::clamp<qint64>(zehntel, 0, 1800));
    return TextZahl(satellit.value(u"DirEastWest"_s), 1) == 1 ? betrag : -betrag;
}

Eintrag AusItem(const QHash<QString, QString>& item, bool analog) {
    Eintrag e;
    e.quelltext = item.value(u"sourceIndex"_s).trimmed();
    const qint64 quelle = TextZahl(e.quelltext);
    // 1 DVB-T, 3 DVB-C (the Austrian sample, network 43168), 7 DVB-S; 2 analog cable.
    e.empfang = analog                       ? Analog
                : quelle == 1                ? Antenne
                : quelle == 2 || quelle == 3 ? Kabel
                : quelle == 7                ? Satellit
                                             : Unbekannt;
    e.nummer = TextZahl(item.value(u"prNum"_s));
    e.dienst = TextZahl(item.value(u"serviceType"_s));
    const QString hex = item.value(u"hexVchName"_s).trimmed();
    e.name = hex.isEmpty() ? OhneSteuerzeichen(item.value(u"vchName"_s)) : DvbText(QByteArray::fromHex(hex.toLatin1()));
    e.onid = TextZahl(item.value(u"original_network_id"_s));
    e.tsid = TextZahl(item.value(u"transport_id"_s));
    e.sid = TextZahl(item.value(u"service_id"_s));
    if (e.sid < 0)
        e.sid = TextZahl(item.value(u"programNo"_s));
    e.satellit = TextZahl(item.value(u"usSatelliteHandle"_s));
    e.frequenz = item.value(u"frequency"_s).trimmed();
    e.geloescht = TextZahl(item.value(u"isDeleted"_s), 0) != 0;
    e.versteckt = TextZahl(item.value(u"isInvisable"_s), 0) != 0; // sic
    const bool mapAttr = TextZahl(item.value(u"mapType"_s)) == 1;
    const qint64 attr = TextZahl(item.value(u"mapAttr"_s), 0);
    for (int i = 0; i < Favoritenlisten; ++i) {
        const qint64 idx = TextZahl(item.value(u"favoriteIdx"_s + QChar(u'A' + i)), KeinFavorit);
        e.favorit[i] = idx >= 0 && idx < KeinFavorit ? idx
                       : mapAttr && (attr >> i & 1)  ? KeinFavorit - 1 // in the list, place unknown
                                                     : KeinFavorit;
    }
    return e;
}

// A channel of webOS 5's JSON list.
Eintrag AusJson(const QJsonObject& o) {
    Eintrag e;
    e.quelltext = o.value(u"sourceIndex"_s).toString().trimmed();
    const QString quelle = e.quelltext.toUpper();
    e.empfang = quelle.contains(u"ANALOG"_s)      ? Analog
                : quelle.contains(u"SATELLITE"_s) ? Satellit
                : quelle.contains(u"CABLE"_s)     ? Kabel
                : quelle.contains(u"ANTENNA"_s)   ? Antenne
                                                  : Unbekannt;
    e.nummer = JsonZahl(o.value(u"majorNumber"_s));
    e.dienst = JsonZahl(o.value(u"serviceType"_s));
    e.name = o.value(u"channelName"_s).toString();
    if (e.name.trimmed().isEmpty())
        e.name = DvbText(QByteArray::fromBase64(o.value(u"chNameBase64"_s).toString().toLatin1()));
    else
        e.name = OhneSteuerzeichen(e.name);
    e.onid = JsonZahl(o.value(u"ONID"_s));
    e.tsid = JsonZahl(o.value(u"TSID"_s));
    e.sid = JsonZahl(o.value(u"SVCID"_s));
    if (e.sid <= 0)
        e.sid = JsonZahl(o.value(u"programNum"_s), e.sid);
    e.frequenz = QString::number(JsonZahl(o.value(u"frequency"_s), 0));
    if (e.frequenz == u"0")
        e.frequenz.clear();
    e.geloescht = Wahr(o.value(u"deleted"_s));
    e.versteckt = Wahr(o.value(u"Invisible"_s));
    std::fill(std::begin(e.favorit), std::end(e.favorit), KeinFavorit);
    return e;
}

QList<Eintrag> AusJsonText(const QString& text, const QString& datei) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(text.toUtf8(), &fehler);
    if (fehler.error != QJsonParseError::NoError)
        throw UnlesbareFernsehliste(
            datei, QStringLiteral("das JSON in „legacybroadcast“ ist nicht lesbar (%1)").arg(fehler.errorString()));
    QList<Eintrag> eintraege;
    for (const QJsonValue& kanal : dokument.object().value(u"channelList"_s).toArray())
        if (kanal.isObject())
            eintraege.append(AusJson(kanal.toObject()));
    return eintraege;
}

Fernsehkanal AlsKanal(const Eintrag& e, const QHash<QString, QHash<QString, QString>>& satelliten) {
    Fernsehkanal k;
    // -1 has the radio bit set as well: no number, whatever the bits say.
    const bool radio = e.nummer >= 0 && (e.nummer & RadioBit);
    k.nummer = e.nummer < 0 ? 0 : int(e.nummer & (RadioBit - 1));
    k.art = radio ? Dienstart::Radio : Dienstart::Fernsehen;
    if (e.empfang != Analog && e.dienst >= 0 && DvbDienstart(e.dienst) == Dienstart::Daten)
        k.art = Dienstart::Daten;
    k.name = e.name;
    k.geloescht = e.geloescht;
    k.versteckt = e.versteckt;
    if (e.empfang == Analog) {
        if (!e.frequenz.isEmpty())
            k.referenz = (e.quelltext == u"2" || e.quelltext.contains(u"CABLE"_s) ? u"A-C-"_s : u"A-T-"_s) + e.frequenz;
        return k;
    }
    const auto satellit = satelliten.constFind(u"idx"_s + QString::number(e.satellit));
    k.quelle = e.empfang == Kabel                                     ? u"C"_s
               : e.empfang == Antenne                                 ? u"T"_s
               : satellit != satelliten.constEnd() && e.satellit >= 0 ? Satellitenquelle(Position(*satellit))
                                                                      : u"S"_s;
    k.onid = e.onid;
    k.tsid = e.tsid;
    k.sid = e.sid;
    return k;
}

} // namespace

bool IstLgListe(QByteArrayView anfang) {
    QXmlStreamReader xml(anfang.toByteArray());
    while (!xml.atEnd() && !xml.hasError())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == u"TLLDATA";
    return false;
}

ImportFund LeseLgListe(const QByteArray& bytes, const QString& datei) {
    QXmlStreamReader xml(bytes);
    QStringList pfad; // the open elements
    QString text;
    QHash<QString, QString> item;
    qsizetype itemTiefe = 0; // depth of the open ITEM; 0: none
    bool analog = false;
    QHash<QString, QHash<QString, QString>> satelliten; // idxN → field → value
    QList<Eintrag> eintraege;
    QList<Eintrag> ausJson;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType art = xml.readNext();
        if (art == QXmlStreamReader::StartElement) {
            if (pfad.isEmpty() && xml.name() != u"TLLDATA")
                throw UnlesbareFernsehliste(datei, QStringLiteral("das XML beginnt nicht mit „TLLDATA“"));
            pfad.append(xml.name().toString());
            PruefeXmlTiefe(int(pfad.size()), datei);
            text.clear();
            const qsizetype n = pfad.size();
            if (itemTiefe == 0 && n >= 3 && pfad[n - 1] == u"ITEM" && pfad[n - 3] == u"CHANNEL" &&
                (pfad[n - 2] == u"ATV" || pfad[n - 2] == u"DTV")) {
                itemTiefe = n;
                analog = pfad[n - 2] == u"ATV";
                item.clear();
            }
        } else if (art == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (art == QXmlStreamReader::EndElement && !pfad.isEmpty()) {
            const qsizetype n = pfad.size();
            if (itemTiefe > 0 && n == itemTiefe + 1) {
                item.insert(pfad[n - 1], text);
            } else if (itemTiefe > 0 && n == itemTiefe) {
                eintraege.append(AusItem(item, analog));
                itemTiefe = 0;
            } else if (itemTiefe == 0 && n >= 4 && pfad[n - 3] == u"SatRecordInfo" && pfad[n - 4] == u"SATDBInfo") {
                satelliten[pfad[n - 2]].insert(pfad[n - 1], text);
            } else if (pfad[n - 1] == u"legacybroadcast") {
                ausJson += AusJsonText(text, datei);
            }
            pfad.removeLast();
            text.clear();
        }
    }
    PruefeXml(xml, datei);
    // webOS 5 keeps its channels in the JSON; the XML items, where any, are then a leftover.
    if (!ausJson.isEmpty())
        eintraege = ausJson;

    Fernsehfund fund;
    const int listen[] = {fund.Liste(u"Kabel"_s, true), fund.Liste(u"Satellit"_s, true), fund.Liste(u"Antenne"_s, true),
                          fund.Liste(u"Analog"_s, false)};
    struct Favorit {
        qint64 platz;
        Fernsehkanal kanal;
    };
    QList<Favorit> favoriten[Favoritenlisten];
    QMap<QString, int> unbekannt; // sourceIndex → channels
    for (const Eintrag& e : std::as_const(eintraege)) {
        if (e.empfang == Unbekannt) {
            unbekannt[e.quelltext] += 1;
            continue;
        }
        const Fernsehkanal kanal = AlsKanal(e, satelliten);
        for (int i = 0; i < Favoritenlisten; ++i)
            if (e.favorit[i] != KeinFavorit && !kanal.geloescht && kanal.art != Dienstart::Daten)
                favoriten[i].append({e.favorit[i], kanal});
        fund.NimmAuf(listen[e.empfang], kanal);
    }
    // A favourites list numbers its channels by their places in it.
    for (int i = 0; i < Favoritenlisten; ++i) {
        if (favoriten[i].isEmpty())
            continue;
        std::stable_sort(favoriten[i].begin(), favoriten[i].end(),
                         [](const Favorit& a, const Favorit& b) { return a.platz < b.platz; });
        const int liste = fund.Liste(QStringLiteral("Favoriten %1").arg(i + 1), false);
        for (int platz = 0; platz < favoriten[i].size(); ++platz) {
            Fernsehkanal kanal = favoriten[i][platz].kanal;
            kanal.nummer = platz + 1;
            fund.NimmAuf(liste, kanal);
        }
    }
    for (auto it = unbekannt.cbegin(); it != unbekannt.cend(); ++it)
        fund.Hinweis(QStringLiteral("%1 Sender einer unbekannten Empfangsart (sourceIndex „%2“) sind nicht übernommen.")
                         .arg(it.value())
                         .arg(it.key()));
    return std::move(fund).Fund();
}

} // namespace senvio
