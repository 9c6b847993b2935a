#include "list/Sendernamen.h"

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

QString Text(const QByteArray& bytes) {
    const QByteArrayView alle(bytes);
    if (bytes.startsWith("\xFF\xFE"))
        return Utf16(alle.sliced(2), true);
    if (bytes.startsWith("\xFE\xFF"))
        return Utf16(alle.sliced(2), false);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(alle.sliced(3));
    return IstGueltigesUtf8(alle) ? QString::fromUtf8(alle) : VonWindows1252(bytes);
}

} // namespace

QStringList DekodiereSendernamen(const QByteArray& bytes) {
    const QString text = Text(bytes);
    QStringList namen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        namen.append(text.mid(anfang, i - anfang));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        namen.append(text.mid(anfang));
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
    return DekodiereSendernamen(bytes);
}

} // namespace senvio
