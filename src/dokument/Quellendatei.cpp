#include "dokument/Quellendatei.h"

#include "dokument/Folgefinder.h"
#include "list/Listendatei.h"
#include "list/Zeilenformat.h"
#include "platform/AtomareDatei.h"
#include "platform/Fehler.h"
#include "platform/Zeichensatz.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <libdeflate.h>

#include <algorithm>
#include <bit>
#include <optional>

#include <cstdio>

namespace senvio {

namespace {

const QString Kopf = QStringLiteral("Senvio-Quellen 1");
// The first field of the lines of the choice.
const QString QuelleWort = QStringLiteral("Quelle");
const QString GruppeWort = QStringLiteral("Gruppe");
const QString BouquetsWort = QStringLiteral("Bouquets");
const QString ReceiverWort = QStringLiteral("Receiver");
const QString ReceiverbenutzerWort = QStringLiteral("Receiverbenutzer");
const QString ReceiverwegWort = QStringLiteral("Receiverweg");
// The first field of the line of an entry's short name, right after the entry's line.
const QString Kurznamenfeld = QStringLiteral("Kurzname");
// Lines of fewer than four fields, which older versions pass over: the size and line count
// of the list the file was written with, and a check sum of each of its lines.
const QString Abdruckkopf = QStringLiteral("Zur Liste");
// Older files checked with another sum under "Zeilenpruefung": their lines are found by name.
const QString Pruefkopf = QStringLiteral("Zeilenpruefung CRC-32");
// The sources file of a list whose rename has not happened yet.
const QString Wartend = QStringLiteral(".neu");
constexpr qint64 GroessteQuellendatei = qint64(64) * 1024 * 1024;

// Writes a field as UTF-8, a tab before it unless it is the line's first: a field holds no
// tab and no line end, they separate fields and lines. Written straight into the file's
// bytes, so that the file of a list costs little more than the list.
char* SchreibeFeld(char* ziel, QStringEncoder& utf8, QStringView feld, bool erstes = false) {
    if (!erstes)
        *ziel++ = '\t';
    // Nearly every field is printable ASCII, copied as it is; the encoder takes the rest.
    const qsizetype i = KopiereDruckbaresAscii(feld, ziel);
    if (i == feld.size())
        return ziel + i;
    char* const ende = utf8.appendToBuffer(ziel + i, feld.sliced(i));
    // In UTF-8 these bytes stand only for themselves, never inside another character.
    std::replace_if(
        ziel + i, ende, [](char b) { return b == '\t' || b == '\r' || b == '\n'; }, ' ');
    return ende;
}

// The same into a text, for the few lines of the choice.
void HaengeFeldAn(QString& text, QStringView feld, bool erstes = false) {
    if (!erstes)
        text += u'\t';
    for (const QChar z : feld)
        text += z == u'\t' || z == u'\r' || z == u'\n' ? QChar(u' ') : z;
}

// A list line's name, as ZerlegeZeile gives it, and all after its number, without copying.
struct Zeilensicht {
    QStringView name;
    QStringView nachNummer;
};

Zeilensicht SichtAuf(const QString& zeile) {
    const qsizetype anfang = PraefixLaenge(zeile);
    // A separator that started before the name would have left the line without a prefix.
    const qsizetype von = anfang > 0 ? anfang - 1 : 0;
    const qsizetype trenner = FindeTrenner(QStringView(zeile).sliced(von));
    const qsizetype ende = trenner >= 0 ? von + trenner : zeile.size();
    return {QStringView(zeile).sliced(anfang, ende - anfang), QStringView(zeile).sliced(anfang)};
}

// The CRC-32 over the line after its number, its characters as UTF-16 little-endian: renumbering
// does not change it, another logo does.
quint32 Zeilenpruefsumme(QStringView nachNummer) {
    QString gewendet;
    if constexpr (std::endian::native == std::endian::big) {
        gewendet = nachNummer.toString();
        for (QChar& z : gewendet)
            z = QChar(char16_t(z.unicode() << 8 | z.unicode() >> 8));
        nachNummer = gewendet;
    }
    return libdeflate_crc32(0, nachNummer.utf16(), size_t(nachNummer.size()) * 2);
}

// The list a sources file was written with: its size in bytes, its line count and the CRC-32
// of its bytes. Size and count decide whether the file is used; the sum whether a file a
// kill left waiting belongs to this very list.
QString Abdruck(QByteArrayView bytes, qsizetype anzahl) {
    const quint32 summe = libdeflate_crc32(0, bytes.data(), size_t(bytes.size()));
    return QStringLiteral("%1 %2 %3").arg(bytes.size()).arg(anzahl).arg(summe, 0, 16);
}

QString OhneSumme(const QString& abdruck) {
    return abdruck.section(u' ', 0, 1);
}

bool KenntEtwas(const QList<Eintragsherkunft>& herkunft, const Quellenwahl& wahl) {
    return wahl != Quellenwahl() || std::any_of(herkunft.begin(), herkunft.end(),
                                                [](const Eintragsherkunft& h) { return h != Eintragsherkunft(); });
}

// Appends the hexadecimal digits of a check sum.
char* SchreibeHex(char* ziel, quint32 zahl) {
    char ziffern[8];
    int n = 0;
    do {
        ziffern[n++] = "0123456789abcdef"[zahl & 15];
        zahl >>= 4;
    } while (zahl);
    while (n)
        *ziel++ = ziffern[--n];
    return ziel;
}

// Hands the file's bytes to its device a piece at a time: the file of a large list needs no
// copy of itself in memory, whose fresh pages would cost more than the writing.
class Stueckweise {
public:
    explicit Stueckweise(QIODevice& geraet) : m_geraet(geraet), m_puffer(256 * 1024, Qt::Uninitialized) {}
    // Where at least `bytes` more bytes may be written; Bis says where they end.
    char* Platz(qsizetype bytes) {
        if (m_fuellung + bytes > m_puffer.size()) {
            Leere();
            if (bytes > m_puffer.size())
                m_puffer.resize(bytes);
        }
        return m_puffer.data() + m_fuellung;
    }
    void Bis(const char* ende) { m_fuellung = ende - m_puffer.constData(); }
    void Schreibe(QByteArrayView bytes) { Bis(std::copy(bytes.begin(), bytes.end(), Platz(bytes.size()))); }
    // False when any write failed.
    bool Leere() {
        if (m_fuellung > 0 && m_geraet.write(m_puffer.constData(), m_fuellung) != m_fuellung)
            m_fehler = true;
        m_fuellung = 0;
        return !m_fehler;
    }

private:
    QIODevice& m_geraet;
    QByteArray m_puffer;
    qsizetype m_fuellung = 0;
    bool m_fehler = false;
};

// The file's text as UTF-8: its head, with the list's bytes the lines that check it, the
// choice of the import, then a line for each entry (and one for its short name). Written
// straight from the fields, so that the file of a list costs little more than the list.
// False when the device took not all of it.
bool SchreibeQuellentext(QIODevice& geraet, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                         const Quellenwahl& wahl, const QByteArray* liste) {
    Stueckweise aus(geraet);
    QString kopf = Kopf + u'\n';
    if (liste)
        kopf += Abdruckkopf + u'\t' + Abdruck(*liste, zeilen.size()) + u'\n';
    aus.Schreibe(kopf.toUtf8());
    if (!KenntEtwas(herkunft, wahl)) // the file only says so, and is removed once its list is in place
        return aus.Leere();
    QList<Zeilensicht> sichten(zeilen.size());
    std::transform(zeilen.begin(), zeilen.end(), sichten.begin(), SichtAuf);
    if (liste) {
        aus.Schreibe((Pruefkopf + u'\t').toUtf8());
        for (qsizetype i = 0; i < zeilen.size(); ++i) {
            char* ziel = aus.Platz(9);
            if (i)
                *ziel++ = ' ';
            aus.Bis(SchreibeHex(ziel, Zeilenpruefsumme(sichten[i].nachNummer)));
        }
        aus.Schreibe("\n");
    }
    aus.Schreibe(QuellenwahlZeilen(wahl).toUtf8());
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const Eintragsherkunft keine;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Eintragsherkunft& h = i < herkunft.size() ? herkunft[i] : keine;
        // A UTF-16 unit gives at most three bytes; a tab before each field, a line end after.
        qsizetype zeichen =
            sichten[i].name.size() + h.referenz.size() + h.quellname.size() + h.kurzname.size() + Kurznamenfeld.size();
        for (const QString& schluessel : h.logoSchluessel)
            zeichen += schluessel.size() + 1;
        char* ziel = aus.Platz(3 * zeichen + 16);
        ziel = SchreibeFeld(ziel, utf8, sichten[i].name, true);
        ziel = std::copy_n(h.radio ? "\tRadio" : "\tTV", h.radio ? 6 : 3, ziel);
        ziel = SchreibeFeld(ziel, utf8, h.referenz);
        ziel = SchreibeFeld(ziel, utf8, h.quellname);
        for (const QString& schluessel : h.logoSchluessel)
            ziel = SchreibeFeld(ziel, utf8, schluessel);
        *ziel++ = '\n';
        if (!h.kurzname.isEmpty()) {
            ziel = SchreibeFeld(ziel, utf8, Kurznamenfeld, true);
            ziel = SchreibeFeld(ziel, utf8, h.kurzname);
            *ziel++ = '\n';
        }
        aus.Bis(ziel);
    }
    return aus.Leere();
}

// The lines of a file of ours, without its head; nothing when it is not one.
std::optional<QStringList> LiesQuellenzeilen(const QString& datei) {
    QFile f(datei);
    if (!QFileInfo(datei).isFile() || f.size() > GroessteQuellendatei || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(f.readAll());
    QStringList zeilen = text.split(u'\n');
    if (utf8.hasError() || f.error() != QFileDevice::NoError || zeilen.value(0) != Kopf)
        return std::nullopt;
    zeilen.removeFirst();
    return zeilen;
}

QString AbdruckIn(const QStringList& zeilen) {
    for (const QString& zeile : zeilen)
        if (zeile.startsWith(Abdruckkopf + u'\t'))
            return zeile.mid(Abdruckkopf.size() + 1);
    return {};
}

// Puts a waiting sources file in place: renamed over the old one, or when it knows nothing,
// both removed. Whether it knows anything is read from it unless the writer says so.
void VollendeQuellen(const QString& datei, std::optional<bool> mitWissen = std::nullopt) {
    const QString wartend = datei + Wartend;
    if (!mitWissen) {
        const std::optional<QStringList> zeilen = LiesQuellenzeilen(wartend);
        mitWissen = zeilen && std::any_of(zeilen->begin(), zeilen->end(), [](const QString& z) {
                        return !z.isEmpty() && !z.startsWith(Abdruckkopf + u'\t');
                    });
    }
    if (*mitWissen) {
        ::rename(QFile::encodeName(wartend).constData(), QFile::encodeName(datei).constData());
        return;
    }
    QFile::remove(datei);
    QFile::remove(wartend);
}

} // namespace

QString QuellendateiZu(const QString& listendatei) {
    const bool lis = listendatei.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive);
    return (lis ? listendatei.chopped(4) : listendatei) + QStringLiteral(".quellen");
}

QString QuellenwahlZeilen(const Quellenwahl& wahl) {
    QString text;
    for (const QString& quelle : wahl.quellen) {
        HaengeFeldAn(text, QuelleWort, true);
        HaengeFeldAn(text, quelle);
        text += u'\n';
    }
    for (const GemerkteGruppe& gruppe : wahl.gruppen) {
        HaengeFeldAn(text, GruppeWort, true);
        HaengeFeldAn(text, gruppe.radio ? u"Radio" : u"TV");
        HaengeFeldAn(text, gruppe.name);
        text += u'\n';
    }
    if (wahl.bouquetAbEins)
        text += BouquetsWort + QStringLiteral("\tab 1\n");
    if (!wahl.receiver.adresse.isEmpty()) {
        HaengeFeldAn(text, ReceiverWort, true);
        HaengeFeldAn(text, wahl.receiver.art);
        HaengeFeldAn(text, wahl.receiver.adresse);
        text += u'\n';
        if (!wahl.receiver.benutzer.isEmpty()) {
            HaengeFeldAn(text, ReceiverbenutzerWort, true);
            HaengeFeldAn(text, wahl.receiver.benutzer);
            text += u'\n';
        }
        if (!wahl.receiver.weg.isEmpty()) {
            HaengeFeldAn(text, ReceiverwegWort, true);
            HaengeFeldAn(text, wahl.receiver.weg);
            text += u'\n';
        }
    }
    return text;
}

bool LeseQuellenwahlZeile(const QStringList& felder, Quellenwahl& wahl) {
    if (felder.size() == 2 && felder[0] == QuelleWort)
        wahl.quellen.append(felder[1]);
    else if (felder.size() == 3 && felder[0] == GruppeWort)
        wahl.gruppen.append({felder[2], felder[1] == u"Radio"});
    else if (felder.size() == 2 && felder[0] == BouquetsWort)
        wahl.bouquetAbEins = felder[1] == u"ab 1";
    else if (felder.size() == 3 && felder[0] == ReceiverWort) {
        wahl.receiver.art = felder[1];
        wahl.receiver.adresse = felder[2];
    } else if (felder.size() == 2 && felder[0] == ReceiverbenutzerWort)
        wahl.receiver.benutzer = felder[1];
    else if (felder.size() == 2 && felder[0] == ReceiverwegWort)
        wahl.receiver.weg = felder[1];
    else
        return false;
    return true;
}

void SchreibeQuellen(const QString& datei, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                     const Quellenwahl& wahl, const QByteArray* listenbytes) {
    if (!KenntEtwas(herkunft, wahl)) {
        QFile::remove(datei);
        return;
    }
    AtomareDatei neu(datei);
    if (!neu.Oeffne() || !SchreibeQuellentext(neu.Geraet(), zeilen, herkunft, wahl, listenbytes) || !neu.Uebernimm())
        throw DateiFehler::NichtErstellt(datei);
}

bool SchreibeListeMitQuellen(const QString& listendatei, const SenderListe& liste,
                             const QList<Eintragsherkunft>& herkunft, const Quellenwahl& wahl) {
    const bool unicode = BrauchtUnicode(liste);
    const QByteArray bytes = KodiereListe(liste.Zeilen(), unicode);
    const QString quellen = QuellendateiZu(listendatei);
    const QString wartend = quellen + Wartend;
    RaeumeSchreibresteAuf(QFileInfo(listendatei).absolutePath());
    // Left by a kill before its list was renamed: the list it was written for never came.
    QFile::remove(wartend);
    AtomareDatei neueListe(listendatei);
    if (!neueListe.Oeffne() || neueListe.Geraet().write(bytes) != bytes.size() || !neueListe.Sichere())
        throw DateiFehler::NichtErstellt(listendatei);
    if (KenntEtwas(herkunft, wahl) || QFileInfo(quellen).exists() || QFileInfo(quellen).isSymLink()) {
        AtomareDatei seite(wartend);
        if (!seite.Oeffne() || !SchreibeQuellentext(seite.Geraet(), liste.Zeilen(), herkunft, wahl, &bytes) ||
            !seite.Uebernimm())
            throw DateiFehler::NichtErstellt(quellen);
    }
    if (!neueListe.Uebernimm()) {
        const int fehlernummer = errno;
        QFile::remove(wartend);
        throw DateiFehler::NichtErstellt(listendatei, fehlernummer);
    }
    if (QFileInfo::exists(wartend))
        VollendeQuellen(quellen, KenntEtwas(herkunft, wahl));
    return unicode;
}

GeleseneQuellen LeseQuellen(const QString& datei, const QStringList& zeilen, const QByteArray* listenbytes) {
    GeleseneQuellen gelesen{QList<Eintragsherkunft>(zeilen.size()), {}, {}};
    // A file a kill left waiting is taken in once its list is the one it was written for.
    if (const auto wartend = LiesQuellenzeilen(datei + Wartend);
        wartend && listenbytes && AbdruckIn(*wartend) == Abdruck(*listenbytes, zeilen.size()))
        VollendeQuellen(datei);
    if (!QFile::exists(datei))
        return gelesen;
    std::optional<QStringList> dateizeilen = LiesQuellenzeilen(datei);
    const QString abdruck = dateizeilen ? AbdruckIn(*dateizeilen) : QString();
    if (!dateizeilen ||
        (!abdruck.isEmpty() && listenbytes && OhneSumme(abdruck) != OhneSumme(Abdruck(*listenbytes, zeilen.size())))) {
        gelesen.hinweis =
            QStringLiteral("Die Datei %1 passt nicht zu Senvio; die Herkunft der Einträge wird nicht verwendet.")
                .arg(datei);
        return gelesen;
    }
    // The file's entries by name and by name and check sum, in order; each is taken once.
    Folgefinder nachName;
    Folgefinder nachInhalt;
    QList<QStringList> eintraege;
    QStringList pruefsummen;
    QStringList kurznamen;
    for (const QString& zeile : *dateizeilen) {
        QStringList felder = zeile.split(u'\t');
        if (felder.size() == 2 && felder[0] == Kurznamenfeld && !eintraege.isEmpty())
            kurznamen.last() = felder[1];
        if (felder.size() < 4) {
            if (felder[0] == Pruefkopf)
                pruefsummen = felder.value(1).split(u' ');
            else
                LeseQuellenwahlZeile(felder, gelesen.wahl);
            continue;
        }
        kurznamen.append(QString());
        nachName.Lege(felder[0], eintraege.size());
        eintraege.append(std::move(felder));
    }
    const bool mitPruefsummen = pruefsummen.size() == eintraege.size();
    const auto inhalt = [](const QString& name, const QString& summe) { return name + u'\t' + summe; };
    if (mitPruefsummen)
        for (qsizetype k = 0; k < eintraege.size(); ++k)
            nachInhalt.Lege(inhalt(eintraege[k][0], pruefsummen[k]), k);
    QList<bool> genommen(eintraege.size(), false);
    QList<qsizetype> gefunden(zeilen.size(), -1);
    const auto nimm = [&](qsizetype i, bool nachSumme) {
        const Zeilensicht sicht = SichtAuf(zeilen[i]);
        const QString name = sicht.name.toString();
        const QString summe = nachSumme ? QString::number(Zeilenpruefsumme(sicht.nachNummer), 16) : QString();
        if (i < eintraege.size() && !genommen[i] && eintraege[i][0] == name &&
            (!nachSumme || pruefsummen[i] == summe)) {
            genommen[i] = true;
            gefunden[i] = i;
        } else {
            gefunden[i] = nachSumme ? nachInhalt.Nimm(inhalt(name, summe), genommen) : nachName.Nimm(name, genommen);
        }
    };
    // Lines as they were written first, so two of one name that another program swapped
    // keep their own; then lines whose text changed, by their name.
    for (qsizetype i = 0; mitPruefsummen && i < zeilen.size(); ++i)
        nimm(i, true);
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (gefunden[i] < 0)
            nimm(i, false);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (gefunden[i] < 0)
            continue;
        const QStringList& felder = eintraege[gefunden[i]];
        gelesen.herkunft[i] = {felder[2], felder.mid(4), felder[3], felder[1] == u"Radio", kurznamen[gefunden[i]]};
    }
    return gelesen;
}

} // namespace senvio
