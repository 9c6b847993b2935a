#include "list/Logoschluessel.h"

#include <algorithm>

namespace senvio {

namespace {

// The composed form with every umlaut and "ß" (capital too) replaced as the table says;
// a character whose replacement is empty is dropped.
QString ErsetzeUmlaute(QStringView name, const QString& ae, const QString& oe, const QString& ue, const QString& ss) {
    const QString zusammengesetzt = name.toString().normalized(QString::NormalizationForm_C);
    QString ergebnis;
    ergebnis.reserve(zusammengesetzt.size() + 8);
    for (const QChar c : zusammengesetzt) {
        switch (c.unicode()) {
        case u'ä':
        case u'Ä':
            ergebnis += ae;
            break;
        case u'ö':
        case u'Ö':
            ergebnis += oe;
            break;
        case u'ü':
        case u'Ü':
            ergebnis += ue;
            break;
        case u'ß':
        case u'ẞ':
            ergebnis += ss;
            break;
        default:
            ergebnis += c;
        }
    }
    return ergebnis;
}

void FuegeHinzu(QStringList& liste, const QString& schluessel, const Namensschluessel& bisher) {
    if (schluessel.isEmpty() || liste.contains(schluessel))
        return;
    for (const QStringList& frueher : bisher.regel)
        if (&frueher != &liste && frueher.contains(schluessel))
            return;
    liste << schluessel;
}

} // namespace

QString KlassischerSchluessel(QStringView name) {
    const QString zerlegt = name.toString().normalized(QString::NormalizationForm_KD);
    QString schluessel;
    schluessel.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        const char16_t z = c.unicode();
        if (z >= u'a' && z <= u'z')
            schluessel += c;
        else if (z >= u'A' && z <= u'Z')
            schluessel += QChar(z - u'A' + u'a');
        else if (z >= u'0' && z <= u'9')
            schluessel += c;
        else if (z == u'&')
            schluessel += QLatin1String("and");
        else if (z == u'+')
            schluessel += QLatin1String("plus");
        else if (z == u'*')
            schluessel += QLatin1String("star");
    }
    return schluessel;
}

QString DeutscherSchluessel(QStringView name) {
    static const QString ae = QStringLiteral("ae"), oe = QStringLiteral("oe"), ue = QStringLiteral("ue"),
                         ss = QStringLiteral("ss");
    return KlassischerSchluessel(ErsetzeUmlaute(name, ae, oe, ue, ss));
}

QString SchluesselOhneUmlaute(QStringView name) {
    const QString nichts;
    return KlassischerSchluessel(ErsetzeUmlaute(name, nichts, nichts, nichts, nichts));
}

// The endings as names carry them, the common one first.
const QLatin1String Qualitaetsendungen[] = {QLatin1String("hd"), QLatin1String("uhd"), QLatin1String("fhd"),
                                            QLatin1String("sd"), QLatin1String("4k")};

QStringList OhneQualitaetsendungen(const QString& schluessel) {
    QStringList ohne;
    for (const QLatin1String endung : Qualitaetsendungen)
        if (schluessel.size() > endung.size() && schluessel.endsWith(endung))
            ohne << schluessel.chopped(endung.size());
    return ohne;
}

bool IstQualitaetsendung(QStringView schluessel) {
    return std::any_of(std::begin(Qualitaetsendungen), std::end(Qualitaetsendungen),
                       [&](QLatin1String endung) { return schluessel == endung; });
}

Namensschluessel SchluesselDesNamens(QStringView name) {
    Namensschluessel s;
    FuegeHinzu(s.regel[0], KlassischerSchluessel(name), s);
    FuegeHinzu(s.regel[1], DeutscherSchluessel(name), s);
    FuegeHinzu(s.regel[1], SchluesselOhneUmlaute(name), s);
    for (int r = 0; r < 2; ++r)
        for (const QString& schluessel : QStringList(s.regel[r]))
            for (const QString& ohne : OhneQualitaetsendungen(schluessel))
                FuegeHinzu(s.regel[2], ohne, s);
    return s;
}

QString Vergleichsform(QStringView text) {
    return text.toString().normalized(QString::NormalizationForm_C).toCaseFolded();
}

} // namespace senvio
