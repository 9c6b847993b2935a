#include "import/Importquelle.h"

#include "list/Zeilenformat.h"
#include "platform/Zeichensatz.h"

#include <QStringDecoder>

#include <algorithm>

namespace senvio {

QString ImportText(QByteArrayView bytes, const QString& datei, QStringList* hinweise) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Line by line, each with its line end (CR LF, CR or LF), numbered as FuerJedeZeile sees them.
    QString gemischt;
    gemischt.reserve(bytes.size());
    qsizetype utf8Zeilen = 0, falsche = 0, ersteFalsche = 0, nummer = 0;
    for (qsizetype anfang = 0; anfang < bytes.size(); ++nummer) {
        qsizetype ende = anfang;
        while (ende < bytes.size() && bytes[ende] != '\r' && bytes[ende] != '\n')
            ++ende;
        const QByteArrayView zeile = bytes.sliced(anfang, ende - anfang);
        ende += ende < bytes.size() ? (bytes.sliced(ende).startsWith("\r\n") ? 2 : 1) : 0;
        const QByteArrayView mitEnde = bytes.sliced(anfang, ende - anfang);
        anfang = ende;
        if (!IstGueltigesUtf8(zeile)) {
            gemischt += VonWindows1252(mitEnde.data(), mitEnde.size());
            ersteFalsche = falsche++ ? ersteFalsche : nummer + 1;
            continue;
        }
        gemischt += QString::fromUtf8(mitEnde);
        utf8Zeilen += std::any_of(zeile.begin(), zeile.end(), [](char b) { return b & 0x80; }) ? 1 : 0;
    }
    if (utf8Zeilen < falsche)
        return VonWindows1252(bytes.data(), bytes.size());
    if (hinweise && falsche == 1)
        hinweise->append(MacheEinzeilig(
            QStringLiteral("In der Datei „%1“ ist Zeile %2 kein gültiges UTF-8; sie wurde als Windows-1252 gelesen.")
                .arg(datei, QString::number(ersteFalsche))));
    else if (hinweise)
        hinweise->append(MacheEinzeilig(QStringLiteral("In der Datei „%1“ sind %2 Zeilen kein gültiges UTF-8, die "
                                                       "erste ist Zeile %3; sie wurden als Windows-1252 gelesen.")
                                            .arg(datei, QString::number(falsche), QString::number(ersteFalsche))));
    return gemischt;
}

bool GekuerzterName(const QString& name) {
    return name.size() == MeisteNamenszeichen && name.endsWith(u'…');
}

QString ImportName(QStringView roh) {
    roh = roh.trimmed();
    if (roh.size() > MeisteNamenszeichen) {
        QString gekuerzt = ImportName(roh.first(MeisteNamenszeichen - 1));
        return gekuerzt.size() == MeisteNamenszeichen - 1 ? gekuerzt + u'…' : gekuerzt;
    }
    // Most names need no more than that: taken over in one piece.
    const bool glatt = std::none_of(roh.begin(), roh.end(), [](QChar z) {
        const char16_t c = z.unicode();
        return c < 32 || c == 0x85 || c == 0x86 || c == 0x87 || c == 0x2028 || c == 0x2029 || c == u'#';
    });
    if (glatt)
        return roh.toString();
    QString name;
    name.reserve(roh.size());
    for (const QChar z : roh) {
        if (z.unicode() != 0x86 && z.unicode() != 0x87)
            name.append(z);
    }
    return MacheEinzeilig(name.trimmed());
}

int PositiveZahl(QStringView text) {
    if (text.isEmpty() || text.size() > 9)
        return 0;
    int zahl = 0;
    for (const QChar z : text) {
        if (z < u'0' || z > u'9')
            return 0;
        zahl = zahl * 10 + (z.unicode() - u'0');
    }
    return zahl;
}

int ImportGruppen::Index(const QString& name, bool radio) {
    QHash<QString, int>& index = m_index[radio ? 1 : 0];
    const auto stelle = index.constFind(name);
    if (stelle != index.constEnd())
        return *stelle;
    m_fund.gruppen.append(ImportGruppe{name, radio, 0, {}, false, true});
    return index[name] = int(m_fund.gruppen.size() - 1);
}

void NimmAuf(ImportFund& fund, ImportSender sender) {
    // Read without detaching: the indexes are shared with the sender before.
    for (const int g : std::as_const(sender.gruppen))
        ++fund.gruppen[g].anzahl;
    fund.sender.append(std::move(sender));
}

QList<QByteArrayView> AnfangsZeilen(QByteArrayView anfang, qsizetype hoechstens) {
    if (anfang.startsWith("\xEF\xBB\xBF"))
        anfang = anfang.sliced(3);
    QList<QByteArrayView> zeilen;
    while (!anfang.isEmpty() && zeilen.size() < hoechstens) {
        qsizetype ende = 0;
        while (ende < anfang.size() && anfang[ende] != '\r' && anfang[ende] != '\n')
            ++ende;
        const QByteArrayView zeile = anfang.first(ende).trimmed();
        if (!zeile.isEmpty())
            zeilen.append(zeile);
        if (ende == anfang.size() && zeilen.size() > 1 && !zeile.isEmpty())
            zeilen.removeLast(); // cut off where the start ends
        anfang = anfang.sliced(std::min(ende + 1, anfang.size()));
    }
    return zeilen;
}

} // namespace senvio
