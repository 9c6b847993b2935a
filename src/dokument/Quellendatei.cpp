#include "dokument/Quellendatei.h"

#include "dokument/Folgefinder.h"
#include "list/Zeilenformat.h"
#include "platform/Fehler.h"
#include "platform/GanzeDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace senvio {

namespace {

const QString Kopf = QStringLiteral("Senvio-Quellen 1");
const QString Kurznamenfeld = QStringLiteral("Kurzname");
constexpr qint64 GroessteQuellendatei = qint64(64) * 1024 * 1024;

// Appends a field, a tab before it unless it is the line's first: a field holds no tab and
// no line end, they separate fields and lines. Written straight into the file's text, so
// that the file of a list costs little more than the list.
void HaengeFeldAn(QString& text, QStringView feld, bool erstes = false) {
    if (!erstes)
        text += u'\t';
    const auto trenner = [](QChar z) { return z == u'\t' || z == u'\r' || z == u'\n'; };
    if (std::none_of(feld.begin(), feld.end(), trenner)) {
        text += feld;
        return;
    }
    for (const QChar z : feld)
        text += trenner(z) ? QChar(u' ') : z;
}

// The name of a list line, as ZerlegeZeile gives it, without copying it.
QStringView NameDer(const QString& zeile) {
    const qsizetype trenner = zeile.indexOf(Trenner);
    const qsizetype anfang = PraefixLaenge(zeile);
    return QStringView(zeile).mid(anfang, (trenner >= 0 ? trenner : zeile.size()) - anfang);
}

} // namespace

QString QuellendateiZu(const QString& listendatei) {
    const bool lis = listendatei.endsWith(QStringLiteral(".lis"), Qt::CaseInsensitive);
    return (lis ? listendatei.chopped(4) : listendatei) + QStringLiteral(".quellen");
}

void SchreibeQuellen(const QString& datei, const QStringList& zeilen, const QList<Eintragsherkunft>& herkunft) {
    if (std::all_of(herkunft.begin(), herkunft.end(),
                    [](const Eintragsherkunft& h) { return h == Eintragsherkunft(); })) {
        QFile::remove(datei);
        return;
    }
    QString text = Kopf + u'\n';
    text.reserve(zeilen.size() * 80);
    const Eintragsherkunft keine;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const Eintragsherkunft& h = i < herkunft.size() ? herkunft[i] : keine;
        HaengeFeldAn(text, NameDer(zeilen[i]), true);
        HaengeFeldAn(text, h.radio ? u"Radio" : u"TV");
        HaengeFeldAn(text, h.referenz);
        HaengeFeldAn(text, h.quellname);
        for (const QString& schluessel : h.logoSchluessel)
            HaengeFeldAn(text, schluessel);
        text += u'\n';
        if (!h.kurzname.isEmpty()) {
            HaengeFeldAn(text, Kurznamenfeld, true);
            HaengeFeldAn(text, h.kurzname);
            text += u'\n';
        }
    }
    if (!SchreibeGanzeDatei(datei, text.toUtf8()))
        throw DateiFehler::NichtErstellt(datei);
}

GeleseneQuellen LeseQuellen(const QString& datei, const QStringList& zeilen) {
    GeleseneQuellen gelesen{QList<Eintragsherkunft>(zeilen.size()), {}};
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
        if (felder.size() < 4)
            continue;
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
