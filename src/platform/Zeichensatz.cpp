#include "Zeichensatz.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace senvio {

namespace {

// Unicode for the bytes 80 to 9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> Oberhalb7F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Whether every character is ASCII: an OR over all of them, which the compiler vectorises.
// Nearly every line of a list is ASCII, and lists are encoded on every save.
bool IstAscii(QStringView text) {
    char16_t alle = 0;
    for (const QChar z : text)
        alle |= z.unicode();
    return alle < 0x80;
}

// The byte for a character, or -1 when the code page has none.
int ByteFuer(char16_t zeichen) {
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF)) {
        return zeichen;
    }
    for (int i = 0; i < 32; ++i) {
        if (Oberhalb7F[i] == zeichen) {
            return 0x80 + i;
        }
    }
    return -1;
}

} // namespace

QString VonWindows1252(const char* daten, qsizetype laenge) {
    QString text(laenge, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < laenge; ++i) {
        const auto b = static_cast<unsigned char>(daten[i]);
        ziel[i] = (b >= 0x80 && b < 0xA0) ? Oberhalb7F[b - 0x80] : char16_t(b);
    }
    return text;
}

qsizetype KodiereWindows1252(QStringView text, char* ziel) {
    if (IstAscii(text)) {
        std::transform(text.begin(), text.end(), ziel, [](QChar z) { return char(z.unicode()); });
        return text.size();
    }
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t z = text[i].unicode();
        int b = ByteFuer(z);
        if (b < 0) {
            if (z == 0x0308) {
                b = 0xA8;
            } else {
                if (QChar::isHighSurrogate(z) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                    ++i; // one character outside the BMP gives one "?"
                }
                b = '?';
            }
        }
        ziel[n++] = static_cast<char>(b);
    }
    return n;
}

QByteArray NachWindows1252(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.truncate(KodiereWindows1252(text, bytes.data()));
    return bytes;
}

bool PasstInWindows1252(const QString& text) {
    if (IstAscii(text))
        return true;
    for (const QChar z : text) {
        if (ByteFuer(z.unicode()) < 0) {
            return false;
        }
    }
    return true;
}

QString DurchWindows1252(const QString& text) {
    return VonWindows1252(NachWindows1252(text));
}

QString KleinInWindows1252(const QString& text) {
    return DurchWindows1252(text).toLower();
}

bool IstGueltigesUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(bytes); // decodes only when made a QString
    return !decoder.hasError();
}

} // namespace senvio
