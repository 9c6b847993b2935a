#include "import/Philipsliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>

// A channel file is <ChannelMap> with one <Channel> per service: <Setup ChannelNumber
// ChannelName …/> and <Broadcast UniqueID Onid Tsid Sid ServiceType …/>. Names are hex
// byte pairs ("0x44 0x00 0x61 0x00 …", UTF-16LE). TV and radio share one numbering in
// each file; the file tells the reception. Favorite.xml holds the favourites lists, whose
// entries name channels by UniqueID.
namespace senvio {

namespace {

// From this version of chanLst.bin on ServiceType holds DVB values and umlauts may be
// written with the high byte 0xFF ("0xC4 0xFF").
constexpr int NeueZaehlung = 120;

// The major version in chanLst.bin (u16 LE at byte 2); -1 when the file is missing or short.
int PhilipsVersion(const QByteArray& chanLst) {
    if (chanLst.size() < 4)
        return -1;
    return quint8(chanLst[2]) | quint8(chanLst[3]) << 8;
}

// A name as the files write it: hex bytes "0x54 0x00 …", two to a UTF-16LE unit, up to
// the first 0x0000. When every high byte is 0 and the low bytes are valid UTF-8, the
// low bytes are UTF-8 ("0xC4 0x00 0xB0 0x00" is "İ"). A name without "0x" is plain text.
QString PhilipsText(QStringView wert, int version) {
    wert = wert.trimmed();
    if (!wert.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        return wert.toString();
    QByteArray bytes;
    for (QStringView teil : wert.tokenize(u' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint byte = teil.trimmed().toUInt(&ok, 16); // toUInt takes the "0x" prefix with base 16
        if (!ok || byte > 0xFF)
            break;
        bytes.append(char(byte));
    }
    QByteArray einheiten;
    bool nurNiedrig = true;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) { // a lone last byte belongs to no unit
        char hoch = bytes[i + 1];
        if (bytes[i] == 0 && hoch == 0)
            break;
        if (quint8(hoch) == 0xFF && (version < 0 || version >= NeueZaehlung))
            hoch = 0;
        nurNiedrig = nurNiedrig && hoch == 0;
        einheiten.append(bytes[i]).append(hoch);
    }
    if (nurNiedrig) {
        QByteArray niedrig;
        for (qsizetype i = 0; i < einheiten.size(); i += 2)
            niedrig.append(einheiten[i]);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(niedrig);
        return utf8.hasError() ? QString::fromLatin1(niedrig) : text;
    }
    QStringDecoder utf16(QStringDecoder::Utf16LE, QStringConverter::Flag::Stateless);
    return utf16.decode(einheiten);
}

// The source of a satellite by the position its name ends with ("TURKSAT 42E",
// "ASTRA1 19.2°E"); "S" without one.
QString SatellitAusName(const QString& name) {
    static const QRegularExpression position(QStringLiteral("(\\d{1,3})(?:[.,](\\d))?\\s?°?\\s?([EeWwOo])$"));
    const QRegularExpressionMatch treffer = position.match(name.trimmed());
    if (!treffer.hasMatch())
        return QStringLiteral("S");
    const int zehntel = treffer.captured(1).toInt() * 10 + treffer.captured(2).toInt();
    if (zehntel > 1800)
        return QStringLiteral("S");
    return Satellitenquelle(treffer.captured(3).compare(QLatin1String("W"), Qt::CaseInsensitive) == 0 ? -zehntel
                                                                                                      : zehntel);
}

qint64 Zahl(const QXmlStreamAttributes& attribute, QLatin1String name) {
    bool ok = false;
    const qint64 zahl = attribute.value(name).toLongLong(&ok);
    return ok ? zahl : -1;
}

struct Philipskanal {
    Fernsehkanal kanal;
    QString uniqueId;
    int favorit = 0; // Setup FavoriteNumber: the favourites list of maps before 105
};

struct Philipsdatei {
    QString name;  // below ChannelList
    QString liste; // the group
    QString quelle;
};

QString Pfad(const QString& ordner, const QString& name) {
    if (ordner.isEmpty())
        return name;
    return ordner.endsWith(u'/') ? ordner + name : ordner + u'/' + name;
}

QList<Philipskanal> LeseKanaele(const QByteArray& bytes, const Philipsdatei& art, const QString& datei, int version) {
    QList<Philipskanal> kanaele;
    QXmlStreamReader xml(bytes);
    int ebene = 0;
    bool imKanal = false;
    Philipskanal kanal;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --ebene;
            if (imKanal && xml.name() == QLatin1String("Channel")) {
                kanaele.append(std::move(kanal));
                imKanal = false;
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        PruefeXmlTiefe(++ebene, datei);
        const QStringView name = xml.name();
        if (ebene == 1 && name != QLatin1String("ChannelMap"))
            throw UnlesbareFernsehliste(datei, QStringLiteral("das Wurzelelement ist nicht „ChannelMap“"));
        const QXmlStreamAttributes attribute = xml.attributes();
        if (name == QLatin1String("Channel")) {
            imKanal = true;
            kanal = Philipskanal{};
            kanal.kanal.quelle = art.quelle;
        } else if (imKanal && name == QLatin1String("Setup")) {
            kanal.kanal.nummer = int(std::clamp<qint64>(Zahl(attribute, QLatin1String("ChannelNumber")), -1, 1 << 30));
            kanal.kanal.name = PhilipsText(attribute.value(QLatin1String("ChannelName")), version);
            kanal.favorit = int(std::clamp<qint64>(Zahl(attribute, QLatin1String("FavoriteNumber")), -1, 1 << 30));
            if (attribute.hasAttribute(QLatin1String("SatelliteName")))
                kanal.kanal.quelle =
                    SatellitAusName(PhilipsText(attribute.value(QLatin1String("SatelliteName")), version));
        } else if (imKanal && name == QLatin1String("Broadcast")) {
            kanal.uniqueId = attribute.value(QLatin1String("UniqueID")).trimmed().toString();
            kanal.kanal.onid = Zahl(attribute, QLatin1String("Onid"));
            kanal.kanal.tsid = Zahl(attribute, QLatin1String("Tsid"));
            kanal.kanal.sid = Zahl(attribute, QLatin1String("Sid"));
            const qint64 typ = Zahl(attribute, QLatin1String("ServiceType"));
            if (version >= 0 && version < NeueZaehlung)
                kanal.kanal.art = typ == 1 ? Dienstart::Fernsehen : typ == 2 ? Dienstart::Radio : Dienstart::Daten;
            else
                kanal.kanal.art = DvbDienstart(typ);
        }
    }
    PruefeXml(xml, datei);
    return kanaele;
}

struct Favoritenliste {
    QString name;
    QList<std::pair<QString, int>> eintraege; // UniqueID, position (FavNumber + 1; 0 when missing)
};

QList<Favoritenliste> LeseFavoriten(const QByteArray& bytes, const QString& datei, int version) {
    QList<Favoritenliste> listen;
    QXmlStreamReader xml(bytes);
    int ebene = 0;
    QStringView feld; // UniqueID or FavNumber while inside one
    QString text;
    QString uniqueId;
    int position = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters && !feld.isEmpty()) {
            if (text.size() < 64)
                text += xml.text();
        } else if (token == QXmlStreamReader::EndElement) {
            --ebene;
            if (feld == QLatin1String("UniqueID"))
                uniqueId = text.trimmed();
            else if (feld == QLatin1String("FavNumber")) {
                bool ok = false;
                const int favNumber = text.trimmed().toInt(&ok); // counts from 0
                position = ok && favNumber >= 0 && favNumber < (1 << 30) ? favNumber + 1 : 0;
            } else if (xml.name() == QLatin1String("FavoriteChannel") && !listen.isEmpty() && !uniqueId.isEmpty())
                listen.last().eintraege.append({uniqueId, position});
            feld = {};
        } else if (token == QXmlStreamReader::StartElement) {
            PruefeXmlTiefe(++ebene, datei);
            const QStringView name = xml.name();
            feld = {};
            text.clear();
            if (ebene == 1 && name != QLatin1String("FavoriteListMAP"))
                throw UnlesbareFernsehliste(datei, QStringLiteral("das Wurzelelement ist nicht „FavoriteListMAP“"));
            if (name == QLatin1String("FavoriteList")) {
                QString listenname = PhilipsText(xml.attributes().value(QLatin1String("Name")), version).trimmed();
                if (listenname.isEmpty())
                    listenname = QStringLiteral("Favoriten %1").arg(listen.size() + 1);
                listen.append({listenname, {}});
            } else if (name == QLatin1String("FavoriteChannel")) {
                uniqueId.clear();
                position = 0;
            } else if (name == QLatin1String("UniqueID")) {
                feld = u"UniqueID";
            } else if (name == QLatin1String("FavNumber")) {
                feld = u"FavNumber";
            }
        }
    }
    PruefeXml(xml, datei);
    return listen;
}

} // namespace

ImportFund LesePhilipsListe(const QHash<QString, QByteArray>& dateien, const QString& ordner) {
    const int version = PhilipsVersion(dateien.value(QStringLiteral("chanLst.bin")));
    // In the order the groups are offered; both satellite files are numbered through.
    const QList<Philipsdatei> arten{
        {QStringLiteral("channellib/DVBC.xml"), QStringLiteral("Kabel"), QStringLiteral("C")},
        {QStringLiteral("s2channellib/DVBS.xml"), QStringLiteral("Satellit"), QStringLiteral("S")},
        {QStringLiteral("s2channellib/DVBSall.xml"), QStringLiteral("Satellit"), QStringLiteral("S")},
        {QStringLiteral("channellib/DVBT.xml"), QStringLiteral("Antenne"), QStringLiteral("T")},
    };
    Fernsehfund fund;
    QHash<QString, Fernsehkanal> nachId;
    QList<Fernsehkanal> altFavoriten;
    bool gelesen = false;
    for (const Philipsdatei& art : arten) {
        const auto datei = dateien.constFind(art.name);
        if (datei == dateien.constEnd())
            continue;
        gelesen = true;
        const QList<Philipskanal> kanaele = LeseKanaele(*datei, art, Pfad(ordner, art.name), version);
        if (kanaele.isEmpty())
            continue;
        const int liste = fund.Liste(art.liste, false);
        for (const Philipskanal& kanal : kanaele) {
            if (!kanal.uniqueId.isEmpty() && !nachId.contains(kanal.uniqueId))
                nachId.insert(kanal.uniqueId, kanal.kanal);
            if (kanal.favorit > 0) {
                altFavoriten.append(kanal.kanal);
                altFavoriten.last().nummer = kanal.favorit;
            }
            fund.NimmAuf(liste, kanal.kanal);
        }
    }
    if (!gelesen)
        fund.Hinweis(QStringLiteral("Im Ordner %1 liegt keine Senderliste (channellib/DVBC.xml, channellib/DVBT.xml, "
                                    "s2channellib/DVBS.xml oder s2channellib/DVBSall.xml).")
                         .arg(ordner));

    const QString favoritenName = QStringLiteral("Favorite.xml");
    const auto favoriten = dateien.constFind(favoritenName);
    if (favoriten == dateien.constEnd()) {
        // Maps before 105 keep their one favourites list in Setup FavoriteNumber.
        const int liste = fund.Liste(QStringLiteral("Favoriten 1"), false);
        for (const Fernsehkanal& kanal : std::as_const(altFavoriten))
            fund.NimmAuf(liste, kanal);
        return std::move(fund).Fund();
    }
    int unbekannt = 0;
    for (const Favoritenliste& favoritenliste : LeseFavoriten(*favoriten, Pfad(ordner, favoritenName), version)) {
        int liste = -1;
        int laufend = 0;
        for (const auto& [uniqueId, position] : favoritenliste.eintraege) {
            ++laufend;
            const auto kanal = nachId.constFind(uniqueId);
            if (kanal == nachId.constEnd()) {
                ++unbekannt;
                continue;
            }
            if (liste < 0)
                liste = fund.Liste(favoritenliste.name, false);
            Fernsehkanal eintrag = *kanal;
            eintrag.nummer = position > 0 ? position : laufend;
            fund.NimmAuf(liste, std::move(eintrag));
        }
    }
    if (unbekannt == 1)
        fund.Hinweis(
            QStringLiteral("Ein Eintrag der Favoritenlisten in %1 gehört zu keinem Sender der Senderlisten; er "
                           "ist übergangen.")
                .arg(favoritenName));
    else if (unbekannt > 1)
        fund.Hinweis(QStringLiteral("%1 Einträge der Favoritenlisten in %2 gehören zu keinem Sender der Senderlisten; "
                                    "sie sind übergangen.")
                         .arg(unbekannt)
                         .arg(favoritenName));
    return std::move(fund).Fund();
}

} // namespace senvio
