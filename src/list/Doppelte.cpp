#include "list/Doppelte.h"

#include "list/Logoschluessel.h"
#include "list/Zeilenformat.h"

#include <QHash>

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

QList<Doppel> SpaetereKopien(const QStringList& zeilen) {
    QHash<QString, qsizetype> erster;
    QList<Doppel> kopien;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const QString schluessel = SchluesselDerZeile(zeilen[i]);
        if (schluessel.isEmpty())
            continue;
        if (const auto stelle = erster.constFind(schluessel); stelle != erster.cend())
            kopien.append({i, *stelle});
        else
            erster.insert(schluessel, i);
    }
    return kopien;
}

} // namespace senvio
