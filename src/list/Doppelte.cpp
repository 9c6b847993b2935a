#include "list/Doppelte.h"

#include "list/Logoschluessel.h"
#include "list/Zeilenformat.h"

#include <QHash>

#include <algorithm>

namespace senvio {

namespace {

// Letters, digits and the marks of a decomposed umlaut make up the words of a name.
bool IstWortzeichen(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}

QString SchluesselDerZeile(const QString& zeile) {
    return Senderschluessel(ZerlegeZeile(zeile).name);
}

} // namespace

QString Senderschluessel(QStringView name) {
    const QStringView ohneRand = name.trimmed();
    if (ohneRand == FreierEintrag || ohneRand == EintragOhneName)
        return QString();
    QString schluessel = DeutscherSchluessel(ohneRand);
    qsizetype ende = ohneRand.size();
    while (ende > 0 && !IstWortzeichen(ohneRand[ende - 1]))
        --ende;
    qsizetype anfang = ende;
    while (anfang > 0 && IstWortzeichen(ohneRand[anfang - 1]))
        --anfang;
    // Only a word of its own is a quality word ("3satHD" keeps its letters), and never the
    // name's only word.
    const QString letztes = DeutscherSchluessel(ohneRand.sliced(anfang, ende - anfang));
    if (IstQualitaetsendung(letztes) && schluessel.size() > letztes.size() && schluessel.endsWith(letztes))
        schluessel.chop(letztes.size());
    return schluessel;
}

std::optional<qsizetype> FindeGleichenSender(const QStringList& zeilen, QStringView name) {
    const QString gesucht = Senderschluessel(name);
    if (gesucht.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (SchluesselDerZeile(zeilen[i]) == gesucht)
            return i;
    return std::nullopt;
}

std::optional<Doppel> NaechstesDoppel(const QStringList& zeilen, qsizetype aktuell) {
    const qsizetype n = zeilen.size();
    QStringList schluessel;
    schluessel.reserve(n);
    QHash<QString, qsizetype> erster;
    QHash<QString, qsizetype> zweiter;
    for (qsizetype i = 0; i < n; ++i) {
        schluessel.append(SchluesselDerZeile(zeilen[i]));
        if (schluessel[i].isEmpty())
            continue;
        if (!erster.contains(schluessel[i]))
            erster.insert(schluessel[i], i);
        else if (!zweiter.contains(schluessel[i]))
            zweiter.insert(schluessel[i], i);
    }
    for (qsizetype schritt = 1; schritt <= n; ++schritt) {
        const qsizetype i = ((aktuell < 0 ? -1 : aktuell) + schritt) % n;
        const auto zweite = zweiter.constFind(schluessel[i]);
        if (zweite == zweiter.cend())
            continue;
        const qsizetype eins = erster.value(schluessel[i]);
        return Doppel{i, i == eins ? *zweite : eins};
    }
    return std::nullopt;
}

namespace {

// The name with letter case and blanks not counted.
QString Namensform(const QString& name) {
    QString form;
    for (const QChar c : name.normalized(QString::NormalizationForm_C).toCaseFolded())
        if (!c.isSpace())
            form += c;
    return form;
}

// The first entry of the same service or the same name, -1 for none. An entry of unknown
// kind may be the same as one of either kind; a radio station named as a television
// station is not the same.
qsizetype ErsterGleicher(const QHash<QString, qsizetype>& erster, const QString& dienst, const QString& form,
                         QChar art) {
    if (const auto gleich = erster.constFind(dienst); !dienst.isEmpty() && gleich != erster.cend())
        return *gleich;
    qsizetype gefunden = -1;
    for (const QChar andere : {QChar(u'T'), QChar(u'R'), QChar(u'?')})
        if (art == u'?' || andere == art || andere == u'?')
            if (const auto gleich = erster.constFind(andere + form); gleich != erster.cend())
                gefunden = gefunden < 0 ? *gleich : std::min(gefunden, *gleich);
    return gefunden;
}

} // namespace

QList<Kopie> SpaetereKopien(const QStringList& zeilen, const QList<Dienstkennung>& dienste) {
    // Services ("D" + kind + reference) and names (kind + form) with the first entry of
    // their station, and station keys with the first entry that bore them.
    QHash<QString, qsizetype> erster;
    QHash<QString, qsizetype> ersterSchluessel;
    QList<Kopie> kopien;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString name = ZerlegeZeile(zeilen[i]).name.trimmed();
        const QString schluessel = Senderschluessel(name);
        if (schluessel.isEmpty())
            continue;
        const Dienstkennung kennung = dienste.value(i);
        const QChar art = !kennung.bekannt ? u'?' : kennung.radio ? u'R' : u'T';
        const QString dienst = kennung.referenz.isEmpty() ? QString() : QStringLiteral("D") + art + kennung.referenz;
        const QString form = Namensform(name);
        const QStringList schluesselDesEintrags{schluessel, Senderschluessel(kennung.quellname)};
        Kopie kopie{i, ErsterGleicher(erster, dienst, form, art), true};
        if (kopie.erster < 0) {
            kopie.sicher = false;
            for (const QString& s : schluesselDesEintrags)
                if (const qsizetype j = ersterSchluessel.value(s, -1); !s.isEmpty() && j >= 0)
                    kopie.erster = kopie.erster < 0 ? j : std::min(kopie.erster, j);
        }
        if (kopie.erster >= 0)
            kopien.append(kopie);
        const qsizetype station = kopie.sicher ? kopie.erster : i;
        if (!dienst.isEmpty())
            erster.insert(dienst, erster.value(dienst, station));
        erster.insert(art + form, erster.value(art + form, station));
        for (const QString& s : schluesselDesEintrags)
            if (!s.isEmpty())
                ersterSchluessel.insert(s, ersterSchluessel.value(s, station));
    }
    return kopien;
}

} // namespace senvio
