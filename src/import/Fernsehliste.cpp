#include "import/Fernsehliste.h"

#include "import/Piconname.h"
#include "platform/Fehler.h"

#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <limits>

namespace senvio {

namespace {

// The codec name of ISO 8859-n; Qt's codecs through ICU know them all.
QString Iso8859(int n) {
    return QStringLiteral("ISO-8859-%1").arg(n);
}

// Bytes of a single-byte table: Latin-1 needs no codec; others go through Qt's (ICU's).
QString EinzelbyteText(QByteArrayView bytes, int iso) {
    if (iso == 1)
        return QString::fromLatin1(bytes);
    QStringDecoder dekoder(Iso8859(iso).toLatin1().constData());
    return dekoder.isValid() ? dekoder.decode(bytes) : QString::fromLatin1(bytes);
}

QString OhneSteuerzeichen(QString text) {
    text.removeIf([](QChar z) { return (z.unicode() >= 0x80 && z.unicode() <= 0x9F) || z.unicode() < 0x20; });
    return text;
}

// Up to the first NUL (a NUL pair on a 16-bit boundary for UTF-16).
QByteArrayView BisNull(QByteArrayView bytes, bool zweiByte) {
    if (!zweiByte) {
        const qsizetype null = bytes.indexOf('\0');
        return null < 0 ? bytes : bytes.first(null);
    }
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        if (bytes[i] == 0 && bytes[i + 1] == 0)
            return bytes.first(i);
    return bytes.first(bytes.size() & ~qsizetype(1));
}

} // namespace

Dienstart DvbDienstart(qint64 serviceType) {
    switch (serviceType) {
    case 0x01:
    case 0x11:
    case 0x16:
    case 0x19:
    case 0x1F:
    case 0x9F:
    case 0xD3:
        return Dienstart::Fernsehen;
    case 0x02:
    case 0x0A:
        return Dienstart::Radio;
    default:
        return Dienstart::Daten;
    }
}

QString DvbText(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    const quint8 tafel = quint8(bytes[0]);
    if (tafel >= 0x20)
        return OhneSteuerzeichen(EinzelbyteText(BisNull(bytes, false), 1));
    bytes = bytes.sliced(1);
    if (tafel >= 0x01 && tafel <= 0x0B) // 8859-5 … 8859-15
        return OhneSteuerzeichen(EinzelbyteText(BisNull(bytes, false), tafel + 4));
    if (tafel == 0x10) {
        const int n = bytes.size() >= 2 ? (quint8(bytes[0]) << 8 | quint8(bytes[1])) : 1;
        return OhneSteuerzeichen(EinzelbyteText(BisNull(bytes.sliced(std::min<qsizetype>(2, bytes.size())), false),
                                                n >= 1 && n <= 15 ? n : 1));
    }
    if (tafel == 0x11 || tafel == 0x14) {
        QStringDecoder utf16(QStringDecoder::Utf16BE, QStringConverter::Flag::Stateless);
        return OhneSteuerzeichen(utf16.decode(BisNull(bytes, true)));
    }
    if (tafel == 0x15)
        return OhneSteuerzeichen(QString::fromUtf8(BisNull(bytes, false)));
    // Tables of East Asian scripts and reserved ones: the bytes as Latin-1, the best guess.
    return OhneSteuerzeichen(EinzelbyteText(BisNull(bytes, false), 1));
}

Fehler UnlesbareFernsehliste(const QString& datei, const QString& grund) {
    return Fehler(QStringLiteral("Die Datei %1 ist keine lesbare Senderliste: %2.").arg(datei, grund));
}

void PruefeXml(const QXmlStreamReader& xml, const QString& datei) {
    if (xml.hasError())
        throw UnlesbareFernsehliste(datei, QStringLiteral("das XML ist nicht wohlgeformt (Zeile %1: %2)")
                                               .arg(xml.lineNumber())
                                               .arg(xml.errorString()));
}

void PruefeXmlTiefe(int ebene, const QString& datei) {
    if (ebene > TiefsteXmlEbene)
        throw UnlesbareFernsehliste(
            datei, QStringLiteral("das XML ist tiefer als %1 Ebenen verschachtelt").arg(TiefsteXmlEbene));
}

qint64 TextZahl(QStringView text, qint64 sonst) {
    bool ok = false;
    const qint64 zahl = text.trimmed().toLongLong(&ok);
    return ok ? zahl : sonst;
}

int Kanalnummer(qint64 zahl) {
    return zahl > 0 && zahl <= std::numeric_limits<int>::max() ? int(zahl) : 0;
}

QString Satellitenquelle(int zehntelGrad) {
    const int betrag = std::abs(zehntelGrad);
    return QStringLiteral("S%1.%2%3").arg(betrag / 10).arg(betrag % 10).arg(QChar(zehntelGrad < 0 ? u'W' : u'E'));
}

bool RadioZaehltAbEins(const QList<Fernsehkanal>& kanaele) {
    QSet<int> tv;
    for (const Fernsehkanal& k : kanaele)
        if (k.art == Dienstart::Fernsehen && !k.geloescht && k.nummer > 0)
            tv.insert(k.nummer);
    return std::any_of(kanaele.begin(), kanaele.end(), [&](const Fernsehkanal& k) {
        return k.art == Dienstart::Radio && !k.geloescht && tv.contains(k.nummer);
    });
}

int Fernsehfund::Liste(const QString& name, bool radioAbEins) {
    QString eindeutig = name;
    for (int n = 2;
         std::any_of(m_listen.begin(), m_listen.end(), [&](const Kanalliste& l) { return l.name == eindeutig; }); ++n)
        eindeutig = QStringLiteral("%1 (%2)").arg(name).arg(n);
    m_listen.append({eindeutig, radioAbEins, {}});
    return int(m_listen.size() - 1);
}

void Fernsehfund::NimmAuf(int liste, Fernsehkanal kanal) {
    if (liste < 0 || liste >= m_listen.size() || kanal.geloescht || kanal.nummer <= 0 || kanal.art == Dienstart::Daten)
        return;
    m_listen[liste].kanaele.append(std::move(kanal));
}

void Fernsehfund::Hinweis(const QString& hinweis) {
    m_hinweise.append(hinweis);
}

namespace {

ImportSender AlsImportSender(const Fernsehkanal& kanal, int gruppe) {
    ImportSender sender;
    sender.name = ImportName(kanal.name);
    sender.nummer = kanal.nummer;
    sender.radio = kanal.art == Dienstart::Radio;
    sender.referenz = kanal.referenz;
    sender.logoSchluessel = kanal.logoSchluessel;
    if (sender.referenz.isEmpty() && !kanal.quelle.isEmpty() && kanal.onid >= 0 && kanal.tsid >= 0 && kanal.sid >= 0) {
        sender.referenz =
            QStringLiteral("%1-%2-%3-%4").arg(kanal.quelle).arg(kanal.onid).arg(kanal.tsid).arg(kanal.sid);
        const QString sid = QString::number(kanal.sid), onid = QString::number(kanal.onid),
                      tsid = QString::number(kanal.tsid);
        sender.logoSchluessel += PiconNamenDesKanals(kanal.quelle, sid, onid, tsid,
                                                     sender.radio ? QStringLiteral("0") : QStringLiteral("100"));
    }
    sender.logoSchluessel.removeAll(QString());
    sender.logoSchluessel.removeDuplicates();
    sender.gruppen = {gruppe};
    return sender;
}

} // namespace

ImportFund Fernsehfund::Fund() && {
    ImportFund fund;
    fund.hinweise = m_hinweise;
    std::pair<int, int> meisteTv{-1, -1}; // TV channels shown, TV channels
    for (Kanalliste& liste : m_listen) {
        if (liste.kanaele.isEmpty())
            continue;
        // TV first where radio counts from 1; by number, equal numbers in the order taken.
        std::stable_sort(liste.kanaele.begin(), liste.kanaele.end(), [&](const Fernsehkanal& a, const Fernsehkanal& b) {
            if (liste.radioAbEins && (a.art == Dienstart::Radio) != (b.art == Dienstart::Radio))
                return b.art == Dienstart::Radio;
            return a.nummer < b.nummer;
        });
        const int gruppe = int(fund.gruppen.size());
        ImportGruppe g;
        g.name = liste.name;
        g.anzahl = int(liste.kanaele.size());
        g.eigeneZaehlung = liste.radioAbEins;
        g.eigeneListe = true;
        g.vorgewaehlt = false;
        fund.gruppen.append(g);
        std::pair<int, int> tv{0, 0};
        for (const Fernsehkanal& kanal : liste.kanaele) {
            tv.first += kanal.art == Dienstart::Fernsehen && !kanal.versteckt ? 1 : 0;
            tv.second += kanal.art == Dienstart::Fernsehen ? 1 : 0;
            fund.sender.append(AlsImportSender(kanal, gruppe));
        }
        if (tv > meisteTv) {
            for (ImportGruppe& andere : fund.gruppen)
                andere.vorgewaehlt = false;
            fund.gruppen[gruppe].vorgewaehlt = true;
            meisteTv = tv;
        }
    }
    return fund;
}

} // namespace senvio
