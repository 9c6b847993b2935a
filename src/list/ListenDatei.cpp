#include "ListenDatei.h"

#include "platform/Fehler.h"
#include "platform/Zeichensatz.h"

#include <QFile>
#include <QSaveFile>

namespace senvio {

namespace {

// Larger files are refused rather than read into memory whole.
constexpr qint64 GroessteListendatei = qint64(512) * 1024 * 1024;

bool IstZeilenende(char16_t z) {
    return z == u'\r' || z == u'\n' || z == 11 || z == 12 || z == 0x2028 || z == 0x2029;
}

QString Utf16Text(const QByteArray& bytes, bool kleinerEndian) {
    const qsizetype einheiten = (bytes.size() - 2) / 2; // an odd last byte is ignored
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData()) + 2;
    QString text(einheiten, Qt::Uninitialized);
    char16_t* ziel = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0; i < einheiten; ++i) {
        const char16_t z =
            kleinerEndian ? char16_t(b[2 * i] | b[2 * i + 1] << 8) : char16_t(b[2 * i] << 8 | b[2 * i + 1]);
        if (z == 0) {
            text.truncate(i);
            break;
        }
        ziel[i] = z;
    }
    return text;
}

QStringList TeileInZeilen(const QString& text) {
    QStringList zeilen;
    const char16_t* z = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!IstZeilenende(z[i])) {
            continue;
        }
        zeilen.append(text.mid(anfang, i - anfang));
        if (z[i] == u'\r' && i + 1 < n && z[i + 1] == u'\n') {
            ++i;
        }
        anfang = i + 1;
    }
    if (anfang < n) {
        zeilen.append(text.mid(anfang));
    }
    return zeilen;
}

} // namespace

GeleseneListe DekodiereListe(const QByteArray& bytes) {
    GeleseneListe gelesen;
    const auto b0 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[0]) : 0;
    const auto b1 = bytes.size() >= 2 ? static_cast<unsigned char>(bytes[1]) : 0;
    QString text;
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
        gelesen.unicode = true;
        text = Utf16Text(bytes, b0 == 0xFF);
    } else {
        const qsizetype null = bytes.indexOf('\0');
        text = VonWindows1252(bytes.constData(), null < 0 ? bytes.size() : null);
    }
    gelesen.zeilen = TeileInZeilen(text);
    return gelesen;
}

QByteArray KodiereListe(const QStringList& zeilen, bool unicode) {
    qsizetype zeichen = 0;
    for (const QString& z : zeilen) {
        zeichen += z.size() + 2;
    }
    QByteArray bytes;
    if (!unicode) {
        bytes.reserve(zeichen);
        for (const QString& z : zeilen) {
            bytes.append(NachWindows1252(z));
            bytes.append("\r\n", 2);
        }
        return bytes;
    }
    bytes.resize(2 + 2 * zeichen);
    auto* ziel = reinterpret_cast<unsigned char*>(bytes.data());
    *ziel++ = 0xFF;
    *ziel++ = 0xFE;
    auto schreibe = [&ziel](char16_t e) {
        *ziel++ = static_cast<unsigned char>(e & 0xFF);
        *ziel++ = static_cast<unsigned char>(e >> 8);
    };
    for (const QString& z : zeilen) {
        for (const QChar c : z) {
            schreibe(c.unicode());
        }
        schreibe(u'\r');
        schreibe(u'\n');
    }
    return bytes;
}

bool BrauchtUnicode(const SenderListe& liste) {
    if (liste.IstUnicode()) {
        return true;
    }
    for (const QString& z : liste.Zeilen()) {
        if (!PasstInWindows1252(z)) {
            return true;
        }
    }
    return false;
}

void LeseListendatei(const QString& pfad, SenderListe& liste) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly) || datei.size() > GroessteListendatei) {
        throw DateiFehler::NichtGeoeffnet(pfad);
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        throw DateiFehler::NichtGeoeffnet(pfad);
    }
    GeleseneListe gelesen = DekodiereListe(bytes);
    liste.SetzeZeilen(std::move(gelesen.zeilen));
    liste.SetzeUnicode(gelesen.unicode);
}

bool SchreibeListe(QIODevice& ziel, const SenderListe& liste) {
    const QByteArray bytes = KodiereListe(liste.Zeilen(), BrauchtUnicode(liste));
    return ziel.write(bytes) == bytes.size();
}

void SchreibeListendatei(const QString& pfad, SenderListe& liste) {
    const bool unicode = BrauchtUnicode(liste);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || !SchreibeListe(datei, liste) || !datei.commit()) {
        throw DateiFehler::NichtErstellt(pfad);
    }
    liste.SetzeUnicode(unicode);
}

} // namespace senvio
