#include "view/Listenschrift.h"

#include "platform/Einstellungen.h"

#include <QFontInfo>

namespace senvio {

namespace {

QString NurAsciiGross(const QString& text) {
    QString gross = text;
    for (QChar& zeichen : gross)
        if (zeichen >= QLatin1Char('a') && zeichen <= QLatin1Char('z'))
            zeichen = QChar(zeichen.unicode() - 32);
    return gross;
}
} // namespace

Listenschrift StandardListenschrift(const QColor& fensterText) {
    QFont schrift(QStringLiteral("DejaVu Sans Condensed"));
    schrift.setPointSize(18);
    schrift.setBold(true);
    return {schrift, fensterText};
}

std::optional<Schriftstil> StilAusText(const QString& text) {
    const QString gross = NurAsciiGross(text);
    if (gross == QLatin1String("FSBOLD"))
        return Schriftstil{true, false, false, false};
    if (gross == QLatin1String("FSBOLD + FSITALIC"))
        return Schriftstil{true, true, false, false};
    if (gross == QLatin1String("FSITALIC"))
        return Schriftstil{false, true, false, false};
    if (gross == QLatin1String("FSUNDERLINE"))
        return Schriftstil{false, false, true, false};
    if (gross == QLatin1String("FSSTRIKEOUT"))
        return Schriftstil{false, false, false, true};
    return std::nullopt;
}

void WendeStilAn(const Schriftstil& stil, QFont& schrift) {
    schrift.setBold(stil.fett);
    schrift.setItalic(stil.kursiv);
    schrift.setUnderline(stil.unterstrichen);
    schrift.setStrikeOut(stil.durchgestrichen);
}

QString StilText(const QFont& schrift) {
    struct Eintrag {
        Schriftstil stil;
        const char* text;
    };
    static const Eintrag texte[] = {{{true, false, false, false}, "fsBold"},
                                    {{true, true, false, false}, "fsBold + fsItalic"},
                                    {{false, true, false, false}, "fsItalic"},
                                    {{false, false, true, false}, "fsUnderline"},
                                    {{false, false, false, true}, "fsStrikeout"}};
    const Schriftstil stil{schrift.bold(), schrift.italic(), schrift.underline(), schrift.strikeOut()};
    for (const Eintrag& e : texte)
        if (e.stil.fett == stil.fett && e.stil.kursiv == stil.kursiv && e.stil.unterstrichen == stil.unterstrichen &&
            e.stil.durchgestrichen == stil.durchgestrichen)
            return QString::fromLatin1(e.text);
    return {};
}

int ZahlAusFarbe(const QColor& farbe) {
    return farbe.red() | farbe.green() << 8 | farbe.blue() << 16;
}

QColor FarbeAusZahl(int bbggrr) {
    return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
}

Listenschrift LeseListenschrift(const QString& einstellungen, Listenschrift basis) {
    const auto wert = [&](const char* schluessel) {
        return LeseIniWert(einstellungen, EinstellungsAbschnitt, QString::fromLatin1(schluessel));
    };
    if (const QString name = wert("FontName"); !name.isEmpty())
        basis.schrift.setFamily(name);
    if (const std::optional<int> groesse = AlsGanzzahl(wert("FontSize")); groesse && *groesse > 0)
        basis.schrift.setPointSize(*groesse);
    if (const std::optional<int> farbe = AlsGanzzahl(wert("FontFarbe")))
        basis.farbe = FarbeAusZahl(*farbe);
    if (const std::optional<Schriftstil> stil = StilAusText(wert("FontStyle")))
        WendeStilAn(*stil, basis.schrift);
    return basis;
}

void SchreibeListenschrift(const QString& einstellungen, const Listenschrift& liste) {
    // A font given in pixels has no point size of its own; the screen's answer stands in.
    const int punkte = liste.schrift.pointSize() > 0 ? liste.schrift.pointSize() : QFontInfo(liste.schrift).pointSize();
    // Like every settings write of the program, a failed one goes unremarked.
    SchreibeIniWert(einstellungen, EinstellungsAbschnitt, QStringLiteral("FontName"), liste.schrift.family());
    SchreibeIniWert(einstellungen, EinstellungsAbschnitt, QStringLiteral("FontSize"), QString::number(punkte));
    SchreibeIniWert(einstellungen, EinstellungsAbschnitt, QStringLiteral("FontFarbe"),
                    QString::number(ZahlAusFarbe(liste.farbe)));
    SchreibeIniWert(einstellungen, EinstellungsAbschnitt, QStringLiteral("FontStyle"), StilText(liste.schrift));
}

} // namespace senvio
