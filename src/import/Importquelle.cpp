#include "import/Importquelle.h"

#include "platform/Zeichensatz.h"

namespace senvio {

QString ImportText(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return IstGueltigesUtf8(bytes) ? QString::fromUtf8(bytes) : VonWindows1252(bytes.data(), bytes.size());
}

QStringList ImportZeilen(const QString& text) {
    QStringList zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        zeilen.append(text.mid(anfang, i - anfang));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.append(text.mid(anfang));
    return zeilen;
}

} // namespace senvio
