#include "import/Piconname.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace senvio {

namespace {

// The ten fields of a picon name: type, flags, service type, SID, TSID, ONID, namespace, 0, 0, 0.
using Piconfelder = std::array<QString, 10>;
enum { Dienstart = 2, Namensraum = 6 };

bool IstHexziffer(QChar z) {
    const char16_t c = z.unicode();
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// A field of hex digits as its value in upper-case hex ("00c00000" → "C00000"); kept as
// text, so no field is too long for a number. Nothing when it is not hex.
std::optional<QString> Hexfeld(QStringView feld) {
    if (feld.isEmpty())
        return std::nullopt;
    for (const QChar z : feld)
        if (!IstHexziffer(z))
            return std::nullopt;
    qsizetype null = 0;
    while (null + 1 < feld.size() && feld[null] == u'0')
        ++null;
    return feld.sliced(null).toString().toUpper();
}

// A plain decimal number ("10301", not "+1" or "") up to 32 bits, in upper-case hex.
std::optional<QString> DezimalAlsHex(QStringView feld) {
    if (feld.isEmpty() || feld.size() > 10)
        return std::nullopt;
    qulonglong wert = 0;
    for (const QChar z : feld) {
        if (z < u'0' || z > u'9')
            return std::nullopt;
        wert = wert * 10 + (z.unicode() - u'0');
    }
    if (wert > 0xFFFFFFFFu)
        return std::nullopt;
    return QString::number(wert, 16).toUpper();
}

// The name as given, then with the namespace's low 16 bits (its last four hex digits)
// set to 0, then also with the service type 1 unless it is 2; each name once.
QStringList Varianten(Piconfelder felder) {
    QStringList namen{QStringList(felder.begin(), felder.end()).join(u'_')};
    QString& ns = felder[Namensraum];
    ns = ns.size() > 4 ? ns.first(ns.size() - 4) + QStringLiteral("0000") : QStringLiteral("0");
    namen.append(QStringList(felder.begin(), felder.end()).join(u'_'));
    if (felder[Dienstart] != u"2")
        felder[Dienstart] = QStringLiteral("1");
    namen.append(QStringList(felder.begin(), felder.end()).join(u'_'));
    namen.removeDuplicates();
    return namen;
}

// The namespace of a recorder's source: the orbital position in tenths of a degree
// ("S19.2E" → 192, "S30.0W" → 3600 − 300) in the upper 16 bits; cable and terrestrial
// have fixed ones.
std::optional<QString> NamensraumDerQuelle(QStringView quelle) {
    if (quelle == u"C")
        return QStringLiteral("FFFF0000");
    if (quelle == u"T")
        return QStringLiteral("EEEE0000");
    if (quelle.size() < 3 || quelle[0] != u'S')
        return std::nullopt;
    const QChar richtung = quelle.back();
    QStringView zahl = quelle.sliced(1, quelle.size() - 2);
    int zehntel = 0;
    if (zahl.size() >= 2 && zahl[zahl.size() - 2] == u'.') {
        zehntel = zahl.back() >= u'0' && zahl.back() <= u'9' ? zahl.back().unicode() - u'0' : -1;
        zahl.chop(2);
    }
    bool ok = zahl.size() <= 4 && zehntel >= 0;
    for (const QChar z : zahl)
        ok = ok && z >= u'0' && z <= u'9';
    const int position = ok && !zahl.isEmpty() ? zahl.toInt() * 10 + zehntel : -1;
    if (position < 0 || position > 1800 || (richtung != u'E' && richtung != u'W'))
        return std::nullopt;
    const int orbital = richtung == u'E' ? position : (3600 - position) % 3600;
    return QString::number(orbital << 16, 16).toUpper();
}

// The service type of a video PID field "vpid[+pcr][=stream type]": radio (2) without
// picture, H.264 0x19, H.265 0x1F, else MPEG-2 (1).
QString DienstartDerVideoPid(QStringView vpid) {
    qsizetype ziffern = 0;
    while (ziffern < vpid.size() && vpid[ziffern] >= u'0' && vpid[ziffern] <= u'9')
        ++ziffern;
    const QStringView pid = vpid.first(ziffern);
    if (pid.isEmpty() || pid.toULongLong() <= 1)
        return QStringLiteral("2");
    const qsizetype gleich = vpid.indexOf(u'=');
    const int typ = gleich < 0 ? 2 : vpid.sliced(gleich + 1).toInt();
    return typ == 27 ? QStringLiteral("19") : typ == 36 ? QStringLiteral("1F") : QStringLiteral("1");
}

} // namespace

QStringList PiconNamen(QStringView dienstreferenz) {
    Piconfelder felder;
    qsizetype anfang = 0;
    for (QString& feld : felder) {
        const qsizetype ende = dienstreferenz.indexOf(u':', anfang);
        const std::optional<QString> wert =
            Hexfeld(dienstreferenz.sliced(anfang, (ende < 0 ? dienstreferenz.size() : ende) - anfang));
        if (!wert || (ende < 0 && &feld != &felder.back()))
            return {};
        feld = *wert;
        anfang = ende + 1;
    }
    return Varianten(std::move(felder));
}

QStringList PiconNamenDesKanals(QStringView quelle, QStringView sid, QStringView nid, QStringView tid,
                                QStringView vpid) {
    const std::optional<QString> ns = NamensraumDerQuelle(quelle);
    const std::optional<QString> s = DezimalAlsHex(sid), n = DezimalAlsHex(nid), t = DezimalAlsHex(tid);
    if (!ns || !s || !n || !t)
        return {};
    const QString null = QStringLiteral("0");
    return Varianten({QStringLiteral("1"), null, DienstartDerVideoPid(vpid), *s, *t, *n, *ns, null, null, null});
}

QString LogoBasisname(QStringView tvgLogo) {
    // Plain loops over the characters: a playlist names a logo for each of a hundred
    // thousand entries, and Qt's searches cost more to call than to run on an address.
    QStringView name = tvgLogo.trimmed();
    const char16_t* z = name.utf16();
    qsizetype n = name.size();
    if (n >= 5 && name.first(5).compare(u"data:", Qt::CaseInsensitive) == 0)
        return {}; // the picture itself, no name
    // A Windows path ("C:\Logos\ard.png") keeps "?", "#" and "%" as they stand; anything
    // else is an address, absolute or relative to the playlist's logo folder.
    const bool adresse = std::find(z, z + n, u'\\') == z + n && !(n >= 2 && z[1] == u':' && name[0].isLetter());
    if (adresse) {
        n = std::find_if(z, z + n, [](char16_t c) { return c == u'?' || c == u'#'; }) - z;
        constexpr std::u16string_view trenner = u"://";
        const char16_t* const schema = std::search(z, z + n, trenner.begin(), trenner.end());
        if (schema != z + n && std::find(schema + 3, z + n, u'/') == z + n)
            return {}; // a server alone names no file
    }
    qsizetype anfang = n;
    while (anfang > 0 && z[anfang - 1] != u'/' && z[anfang - 1] != u'\\')
        --anfang;
    name = QStringView(z + anfang, n - anfang);
    // Most addresses hold no escape: decoding them would only copy them twice.
    QString basis = adresse && name.contains(u'%') ? QUrl::fromPercentEncoding(name.toUtf8()) : name.toString();
    const qsizetype punkt = basis.lastIndexOf(u'.');
    if (punkt >= 0)
        basis.truncate(punkt);
    return basis.trimmed();
}

} // namespace senvio
