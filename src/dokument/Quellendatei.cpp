#include "dokument/Quellendatei.h"

#include "dokument/Folgefinder.h"
#include "list/Zeilenformat.h"
#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace senvio {

namespace {

const QString Kopf = QStringLiteral("Senvio-Quellen 1");
// The first field of the lines of the choice.
const QString QuelleWort = QStringLiteral("Quelle");
const QString GruppeWort = QStringLiteral("Gruppe");
const QString BouquetsWort = QStringLiteral("Bouquets");
// The first field of the line of an entry's short name, right after the entry's line.
const QString Kurznamenfeld = QStringLiteral("Kurzname");
constexpr qint64 GroessteQuellendatei = qint64(64) * 1024 * 1024;

// Writes a field as UTF-8, a tab before it unless it is the line's first: a field holds no
// tab and no line end, they separate fields and lines. Written straight into the file's
// bytes, so that the file of a list costs little more than the list.
char* SchreibeFeld(char* ziel, QStringEncoder& utf8, QStringView feld, bool erstes = false) {
    if (!erstes)
        *ziel++ = '\t';
    char* const ende = utf8.appendToBuffer(ziel, feld);
    // In UTF-8 these bytes stand only for themselves, never inside another character.
    std::replace_if(
        ziel, ende, [](char b) { return b == '\t' || b == '\r' || b == '\n'; }, ' ');
    return ende;
}

// The same into a text, for the few lines of the choice.
void HaengeFeldAn(QString& text, QStringView feld, bool erstes = false) {
    if (!erstes)
        text += u'\t';
    for (const QChar z : feld)
        text += z == u'\t' || z == u'\r' || z == u'\n' ? QChar(u' ') : z;
}

// The name of a list line, as ZerlegeZeile gives it, without copying it.
QStringView NameDer(const QString& zeile) {
    const qsizetype trenner = FindeTrenner(zeile);
    const qsizetype anfang = PraefixLaenge(zeile);
    return QStringView(zeile).mid(anfang, (trenner >= 0 ? trenner : zeile.size()) - anfang);
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
    return text;
}

bool LeseQuellenwahlZeile(const QStringList& felder, Quellenwahl& wahl) {
    if (felder.size() == 2 && felder[0] == QuelleWort)
        wahl.quellen.append(felder[1]);
    else if (felder.size() == 3 && felder[0] == GruppeWort)
        wahl.gruppen.append({felder[2], felder[1] == u"Radio"});
    else if (felder.size() == 2 && felder[0] == BouquetsWort)
        wahl.bouquetAbEins = felder[1] == u"ab 1";
    else
        return false;
    return true;
}

void SchreibeQuellen(const QString& datei, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft,
                     const Quellenwahl& wahl) {
    if (wahl == Quellenwahl() && std::all_of(herkunft.begin(), herkunft.end(),
                                             [](const Eintragsherkunft& h) { return h == Eintragsherkunft(); })) {
        QFile::remove(datei);
        return;
    }
    const QByteArray kopf = (Kopf + u'\n' + QuellenwahlZeilen(wahl)).toUtf8();
    // A UTF-16 unit gives at most three bytes; every line has four separators and its end.
    const Eintragsherkunft keine;
    qsizetype hoechstens = kopf.size();
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Eintragsherkunft& h = i < herkunft.size() ? herkunft[i] : keine;
        hoechstens += zeilen[i].size() + 5 + h.referenz.size() + h.quellname.size() + 5;
        for (const QString& schluessel : h.logoSchluessel)
            hoechstens += schluessel.size() + 1;
        hoechstens += Kurznamenfeld.size() + h.kurzname.size() + 2;
    }
    QByteArray bytes(3 * hoechstens, Qt::Uninitialized);
    QStringEncoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    char* ziel = std::copy(kopf.begin(), kopf.end(), bytes.data());
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Eintragsherkunft& h = i < herkunft.size() ? herkunft[i] : keine;
        ziel = SchreibeFeld(ziel, utf8, NameDer(zeilen[i]), true);
        ziel = SchreibeFeld(ziel, utf8, h.radio ? u"Radio" : u"TV");
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
    }
    bytes.truncate(ziel - bytes.constData());
    if (!SchreibeGanzeDatei(datei, bytes))
        throw DateiFehler::NichtErstellt(datei);
}

GeleseneQuellen LeseQuellen(const QString& datei, const QStringList& zeilen) {
    GeleseneQuellen gelesen{QList<Eintragsherkunft>(zeilen.size()), {}, {}};
    QFile f(datei);
    if (!f.exists())
        return gelesen;
    const QString unbrauchbar =
        QStringLiteral("Die Datei %1 passt nicht zu Senvio; die Herkunft der Einträge wird nicht verwendet.")
            .arg(datei);
    if (!QFileInfo(datei).isFile() || f.size() > GroessteQuellendatei || !f.open(QIODevice::ReadOnly)) {
        gelesen.hinweis = unbrauchbar;
        return gelesen;
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(f.readAll());
    QStringList dateizeilen = text.split(u'\n');
    if (utf8.hasError() || dateizeilen.value(0) != Kopf) {
        gelesen.hinweis = unbrauchbar;
        return gelesen;
    }
    dateizeilen.removeFirst();
    // The file's entries by name, in order; each is taken once.
    Folgefinder nachName;
    QList<QStringList> eintraege;
    QStringList kurznamen;
    for (const QString& zeile : dateizeilen) {
        QStringList felder = zeile.split(u'\t');
        if (felder.size() == 2 && felder[0] == Kurznamenfeld && !eintraege.isEmpty())
            kurznamen.last() = felder[1];
        if (felder.size() < 4) {
            LeseQuellenwahlZeile(felder, gelesen.wahl);
            continue;
        }
        kurznamen.append(QString());
        nachName.Lege(felder[0], eintraege.size());
        eintraege.append(std::move(felder));
    }
    QList<bool> genommen(eintraege.size(), false);
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString name = NameDer(zeilen[i]).toString();
        qsizetype k = -1;
        if (i < eintraege.size() && eintraege[i][0] == name && !genommen[i])
            k = i;
        else
            k = nachName.Nimm(name, genommen);
        if (k < 0)
            continue;
        genommen[k] = true;
        const QStringList& felder = eintraege[k];
        gelesen.herkunft[i] = {felder[2], felder.mid(4), felder[3], felder[1] == u"Radio", kurznamen[k]};
    }
    return gelesen;
}

} // namespace senvio
