#include "import/Grundigliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

// <CONFIG Source TV_Model TV_Country> holds <Digital type="DVBC"> → <channels> → <network>
// → <mux tsid onid satid> → <service name num typ sid del f1…f4> with a <rawname nam0…nam47>
// child (the DVB bytes of the name), and <Analog type="DVBC_ANALOG"> → <channels> →
// <service name num frq f1…f4>. Digital and analog services of a file share one numbering.
namespace senvio {

namespace {

constexpr int Favoritenlisten = 4;

struct Empfang {
    QString liste;  // "Kabel", "Satellit", "Antenne"
    QString quelle; // "C", "S", "T"
};

// The reception by the element's type ("DVBC", "DVBS2", "DVBT_ANALOG"), else the root's
// Source ("Cable"), else the file name ("dvbs_config.xml").
std::optional<Empfang> EmpfangAus(QStringView typ, QStringView source, const QString& datei) {
    const auto art = [](QChar z) -> std::optional<Empfang> {
        switch (z.toLower().unicode()) {
        case u'c':
            return Empfang{QStringLiteral("Kabel"), QStringLiteral("C")};
        case u's':
            return Empfang{QStringLiteral("Satellit"), QStringLiteral("S")};
        case u't':
        case u'a':
            return Empfang{QStringLiteral("Antenne"), QStringLiteral("T")};
        default:
            return std::nullopt;
        }
    };
    if (typ.startsWith(QLatin1String("DVB"), Qt::CaseInsensitive) && typ.size() > 3)
        return art(typ[3]);
    if (!source.isEmpty())
        return art(source[0]);
    const QString name = QFileInfo(datei).fileName();
    if (name.startsWith(QLatin1String("dvb"), Qt::CaseInsensitive) && name.size() > 3)
        return art(name[3]);
    return std::nullopt;
}

qint64 Zahl(const QXmlStreamAttributes& attribute, QLatin1String name, qint64 sonst = -1) {
    bool ok = false;
    const qint64 zahl = attribute.value(name).toLongLong(&ok);
    return ok ? std::clamp<qint64>(zahl, -1, 1 << 30) : sonst;
}

// The bytes of <rawname nam0="5" nam1="87" …>: attribute namN is byte N.
QByteArray RohName(const QXmlStreamAttributes& attribute) {
    QByteArray bytes;
    for (const QXmlStreamAttribute& a : attribute) {
        const QStringView name = a.name();
        bool ok = false;
        const int stelle = name.startsWith(QLatin1String("nam")) ? name.sliced(3).toInt(&ok) : -1;
        const int wert = a.value().toInt();
        if (!ok || stelle < 0 || stelle >= 256 || wert < 0 || wert > 0xFF)
            continue;
        if (bytes.size() <= stelle)
            bytes.resize(stelle + 1, '\0');
        bytes[stelle] = char(wert);
    }
    return bytes;
}

// Grundig may write "&" unescaped in names: such an ampersand becomes "&amp;".
QByteArray MitMaskiertemUnd(const QByteArray& bytes) {
    const auto istReferenz = [&](qsizetype und) {
        qsizetype i = und + 1;
        if (i < bytes.size() && bytes[i] == '#')
            ++i;
        const qsizetype anfang = i;
        while (i < bytes.size() && i - anfang < 10 && (std::isalnum(static_cast<unsigned char>(bytes[i]))))
            ++i;
        return i > anfang && i < bytes.size() && bytes[i] == ';';
    };
    QByteArray ergebnis;
    qsizetype kopiert = 0;
    for (qsizetype und = bytes.indexOf('&'); und >= 0; und = bytes.indexOf('&', und + 1)) {
        if (istReferenz(und))
            continue;
        ergebnis.append(bytes.constData() + kopiert, und + 1 - kopiert).append("amp;");
        kopiert = und + 1;
    }
    if (kopiert == 0)
        return bytes;
    return ergebnis.append(bytes.constData() + kopiert, bytes.size() - kopiert);
}

} // namespace

// The root CONFIG with Grundig's attributes (TV_Model, Source) or a Digital or Analog
// element as its first child.
bool IstGrundigListe(QByteArrayView anfang) {
    QXmlStreamReader xml(QByteArray::fromRawData(anfang.data(), anfang.size()));
    bool wurzel = false;
    while (!xml.atEnd() && !xml.hasError()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!wurzel) {
            if (xml.name() != QLatin1String("CONFIG"))
                return false;
            const QXmlStreamAttributes attribute = xml.attributes();
            if (attribute.hasAttribute(QLatin1String("TV_Model")) || attribute.hasAttribute(QLatin1String("Source")))
                return true;
            wurzel = true;
            continue;
        }
        return xml.name() == QLatin1String("Digital") || xml.name() == QLatin1String("Analog");
    }
    return false;
}

ImportFund LeseGrundigListe(const QByteArray& bytes, const QString& datei) {
    Fernsehfund fund;
    QHash<QString, int> listen;
    std::array<QList<Fernsehkanal>, Favoritenlisten> favoriten;

    QXmlStreamReader xml(MitMaskiertemUnd(bytes));
    int ebene = 0;
    QString source;
    std::optional<Empfang> empfang; // inside <Digital> or <Analog>
    bool analog = false;
    qint64 netzOnid = -1, onid = -1, tsid = -1;
    bool imDienst = false;
    Fernsehkanal kanal;
    QString attributName;
    QByteArray rohName;
    std::array<int, Favoritenlisten> plaetze{};

    int liste = -1; // of the open service
    const auto nimmAuf = [&] {
        const QString roh = DvbText(rohName).trimmed();
        kanal.name = roh.isEmpty() ? attributName.trimmed() : roh;
        for (int f = 0; f < Favoritenlisten; ++f) {
            if (plaetze[f] > 0) {
                favoriten[f].append(kanal);
                favoriten[f].last().nummer = plaetze[f];
            }
        }
        fund.NimmAuf(liste, std::move(kanal));
    };

    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --ebene;
            const QStringView name = xml.name();
            if (imDienst && name == QLatin1String("service")) {
                nimmAuf();
                imDienst = false;
            } else if (name == QLatin1String("Digital") || name == QLatin1String("Analog")) {
                empfang.reset();
            }
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        PruefeXmlTiefe(++ebene, datei);
        const QStringView name = xml.name();
        const QXmlStreamAttributes attribute = xml.attributes();
        if (ebene == 1) {
            if (name != QLatin1String("CONFIG"))
                throw UnlesbareFernsehliste(datei, QStringLiteral("das Wurzelelement ist nicht „CONFIG“"));
            source = attribute.value(QLatin1String("Source")).toString();
        } else if (name == QLatin1String("Digital") || name == QLatin1String("Analog")) {
            analog = name == QLatin1String("Analog");
            empfang = EmpfangAus(attribute.value(QLatin1String("type")), source, datei);
            if (!empfang)
                throw UnlesbareFernsehliste(datei, QStringLiteral("der Empfangsweg der Liste ist unbekannt"));
            netzOnid = onid = tsid = -1;
        } else if (!empfang) {
            continue;
        } else if (name == QLatin1String("network")) {
            netzOnid = Zahl(attribute, QLatin1String("onid"));
        } else if (name == QLatin1String("mux")) {
            onid = Zahl(attribute, QLatin1String("onid"), netzOnid);
            tsid = Zahl(attribute, QLatin1String("tsid"));
        } else if (name == QLatin1String("service") && !imDienst) {
            imDienst = true;
            int& index = listen[empfang->liste];
            if (index == 0)
                index = fund.Liste(empfang->liste, false) + 1;
            liste = index - 1;
            kanal = Fernsehkanal{};
            kanal.nummer = int(Zahl(attribute, QLatin1String("num")));
            kanal.geloescht = Zahl(attribute, QLatin1String("del")) == 1;
            attributName = attribute.value(QLatin1String("name")).toString();
            rohName.clear();
            static constexpr const char* favoritenfelder[Favoritenlisten] = {"f1", "f2", "f3", "f4"};
            for (int f = 0; f < Favoritenlisten; ++f)
                plaetze[f] = int(Zahl(attribute, QLatin1String(favoritenfelder[f])));
            if (analog) {
                // Analog channels hold numbers of the list; the frequency tells them apart.
                const qint64 frequenz = Zahl(attribute, QLatin1String("frq"));
                if (frequenz > 0)
                    kanal.referenz = QStringLiteral("A-%1-%2").arg(empfang->quelle).arg(frequenz);
                continue;
            }
            const qint64 typ = Zahl(attribute, QLatin1String("typ"));
            kanal.art = typ == 1 ? Dienstart::Fernsehen : typ == 2 ? Dienstart::Radio : Dienstart::Daten;
            kanal.quelle = empfang->quelle;
            kanal.onid = onid;
            kanal.tsid = tsid;
            kanal.sid = Zahl(attribute, QLatin1String("sid"));
        } else if (imDienst && name == QLatin1String("rawname")) {
            rohName = RohName(attribute);
        }
    }
    PruefeXml(xml, datei);

    for (int f = 0; f < Favoritenlisten; ++f) {
        if (favoriten[f].isEmpty())
            continue;
        const int liste = fund.Liste(QStringLiteral("Favoriten %1").arg(f + 1), false);
        for (Fernsehkanal& eintrag : favoriten[f])
            fund.NimmAuf(liste, std::move(eintrag));
    }
    return std::move(fund).Fund();
}

} // namespace senvio
