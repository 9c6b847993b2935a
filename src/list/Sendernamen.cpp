#include "list/Sendernamen.h"

#include "list/Zeilenformat.h"
#include "platform/Fehler.h"
#include "platform/Zeichensatz.h"

#include <QFile>
#include <QFileInfo>

namespace senvio {

namespace {

// A name list is a few kilobytes; anything near this is no name list.
constexpr qint64 GroessteNamensdatei = qint64(64) * 1024 * 1024;

QString Utf16(QByteArrayView bytes, bool kleinerEndian) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    QString text(bytes.size() / 2, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        *ziel++ = kleinerEndian ? char16_t(b[i] | b[i + 1] << 8) : char16_t(b[i] << 8 | b[i + 1]);
    return text;
}

enum class Utf16Art { Keine, KleinerEndian, GrosserEndian };

// Zero bytes in alternating places mark UTF-16 without its byte-order mark: a Latin
// name has a zero high byte in nearly every unit, and so has every line end. The other
// places may hold a few zeros too (U+0100, U+4E00 and the like), at most a quarter as
// many; and there must be more than a stray zero byte: one in at least 16 units.
Utf16Art Utf16OhneMarke(QByteArrayView bytes) {
    qsizetype gerade = 0;
    qsizetype ungerade = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == 0)
            ++(i % 2 ? ungerade : gerade);
    const qsizetype einheiten = bytes.size() / 2;
    if (ungerade > 0 && gerade * 4 <= ungerade && ungerade * 16 >= einheiten)
        return Utf16Art::KleinerEndian;
    if (gerade > 0 && ungerade * 4 <= gerade && gerade * 16 >= einheiten)
        return Utf16Art::GrosserEndian;
    return Utf16Art::Keine;
}

QString Text(const QByteArray& bytes) {
    const QByteArrayView alle(bytes);
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16(alle.sliced(2), true);
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16(alle.sliced(2), false);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(alle.sliced(3));
    if (const Utf16Art art = Utf16OhneMarke(alle); art != Utf16Art::Keine)
        return Utf16(alle, art == Utf16Art::KleinerEndian);
    return IstGueltigesUtf8(alle) ? QString::fromUtf8(alle) : VonWindows1252(bytes);
}

} // namespace

std::optional<QStringList> DekodiereSendernamen(const QByteArray& bytes) {
    const QString text = Text(bytes);
    if (text.contains(QChar(0)))
        return std::nullopt;
    QStringList namen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        namen.append(MacheEinzeilig(text.mid(anfang, i - anfang)));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        namen.append(MacheEinzeilig(text.mid(anfang)));
    return namen;
}

QStringList LeseSendernamen(const QString& pfad) {
    // Only a plain file: a pipe or a device could feed bytes without end.
    const QFileInfo info(pfad);
    QFile datei(pfad);
    if (!info.isFile() || info.size() > GroessteNamensdatei || !datei.open(QIODevice::ReadOnly))
        throw DateiFehler::NichtGeoeffnet(pfad);
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw DateiFehler::NichtGeoeffnet(pfad);
    std::optional<QStringList> namen = DekodiereSendernamen(bytes);
    if (!namen)
        throw DateiFehler::NichtGeoeffnet(pfad);
    return std::move(*namen);
}

} // namespace senvio
