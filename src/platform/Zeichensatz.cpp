#include "Zeichensatz.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace senvio {

namespace {

// Unicode for the bytes 80 to 9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> Oberhalb7F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the text's start of printable ASCII, copied as bytes where `ziel` is given.
// Nearly every line of a list and every name and address is such text, and a list of a
// hundred thousand entries is encoded on every save: sixteen characters at a time.
template <bool Kopieren> qsizetype DruckbaresAscii(QStringView text, char* ziel) {
    const char16_t* von = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    const __m128i unterBlank = _mm_set1_epi8(0x1F);
    const __m128i entf = _mm_set1_epi8(0x7F);
    for (; i + 16 <= n; i += 16) {
        const __m128i vorn = _mm_loadu_si128(reinterpret_cast<const __m128i*>(von + i));
        const __m128i hinten = _mm_loadu_si128(reinterpret_cast<const __m128i*>(von + i + 8));
        // Saturated to bytes, a character above 0xFF becomes 0xFF and one from 0x8000 on 0:
        // neither lies between blank and tilde, compared as signed bytes.
        const __m128i bytes = _mm_packus_epi16(vorn, hinten);
        const __m128i gut = _mm_and_si128(_mm_cmpgt_epi8(bytes, unterBlank), _mm_cmplt_epi8(bytes, entf));
        if (_mm_movemask_epi8(gut) != 0xFFFF)
            break;
        if constexpr (Kopieren)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(ziel + i), bytes);
    }
    // Most names and addresses are shorter than sixteen: their rest eight and four at a time.
    if (i + 8 <= n) {
        const __m128i acht = _mm_loadu_si128(reinterpret_cast<const __m128i*>(von + i));
        const __m128i bytes = _mm_packus_epi16(acht, acht);
        const __m128i gut = _mm_and_si128(_mm_cmpgt_epi8(bytes, unterBlank), _mm_cmplt_epi8(bytes, entf));
        if ((_mm_movemask_epi8(gut) & 0xFF) == 0xFF) {
            if constexpr (Kopieren)
                _mm_storel_epi64(reinterpret_cast<__m128i*>(ziel + i), bytes);
            i += 8;
        }
    }
    if (i + 4 <= n) {
        const __m128i vier = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(von + i));
        const __m128i bytes = _mm_packus_epi16(vier, vier);
        const __m128i gut = _mm_and_si128(_mm_cmpgt_epi8(bytes, unterBlank), _mm_cmplt_epi8(bytes, entf));
        if ((_mm_movemask_epi8(gut) & 0xF) == 0xF) {
            if constexpr (Kopieren) {
                const int vierBytes = _mm_cvtsi128_si32(bytes);
                std::memcpy(ziel + i, &vierBytes, 4);
            }
            i += 4;
        }
    }
#endif
    for (; i < n && von[i] >= 0x20 && von[i] < 0x7F; ++i)
        if constexpr (Kopieren)
            ziel[i] = char(von[i]);
    return i;
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

qsizetype FindeZeichen(QStringView text, char16_t zeichen, qsizetype von) {
    const char16_t* z = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = std::max<qsizetype>(von, 0);
#if defined(__SSE2__)
    const __m128i gesucht = _mm_set1_epi16(short(zeichen));
    for (; i + 8 <= n; i += 8) {
        const __m128i acht = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + i));
        if (const int treffer = _mm_movemask_epi8(_mm_cmpeq_epi16(acht, gesucht)))
            return i + std::countr_zero(unsigned(treffer)) / 2;
    }
#endif
    for (; i < n; ++i)
        if (z[i] == zeichen)
            return i;
    return -1;
}

bool IstDruckbaresAscii(QStringView text) {
    return DruckbaresAscii<false>(text, nullptr) == text.size();
}

qsizetype KopiereDruckbaresAscii(QStringView text, char* ziel) {
    return DruckbaresAscii<true>(text, ziel);
}

qsizetype KodiereWindows1252(QStringView text, char* ziel) {
    qsizetype n = KopiereDruckbaresAscii(text, ziel);
    for (qsizetype i = n; i < text.size(); ++i) {
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
    const QStringView rest = QStringView(text).sliced(DruckbaresAscii<false>(text, nullptr));
    return std::all_of(rest.begin(), rest.end(), [](QChar z) { return ByteFuer(z.unicode()) >= 0; });
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
