#include "import/Wiedergabeliste.h"

#include "import/Piconname.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

// An entry is "#EXTINF:<duration>[ key=value]*,<display name>", then other "#" lines,
// then the stream address that ends it. Lines are parsed as views: a playlist of an
// IPTV provider has a hundred thousand entries.
namespace senvio {

namespace {

// An entry as views into the text: the first pass makes no strings.
struct Eintrag {
    QStringView name;
    QStringView tvgName;
    QStringView logo;
    QStringView adresse;
    QStringView gruppenTitel; // "group-title"
    QStringView extgrp;       // "#EXTGRP:", used when "group-title" names none
    int nummer = 0;
    bool radio = false;
};

// An attribute's key in any case. The names are lower-case ASCII, so only ASCII letters are
// folded: four keys of every entry are compared, and Qt's full case folding costs ten times as much.
template <qsizetype N> bool IstSchluessel(QStringView schluessel, const char (&name)[N]) {
    if (schluessel.size() != N - 1)
        return false;
    for (qsizetype i = 0; i < N - 1; ++i) {
        const char16_t z = schluessel[i].unicode();
        if ((z >= u'A' && z <= u'Z' ? z + 32 : z) != char16_t(name[i]))
            return false;
    }
    return true;
}

// The names of a group-title ("A;B"), each once. Most entries name the groups of the
// entry before them: those names are shared, not made again.
class Gruppennamen {
public:
    const QStringList& operator()(QStringView titel) {
        if (m_gelesen && titel == m_titel)
            return m_namen;
        m_gelesen = true;
        m_titel = titel;
        m_namen.clear();
        QSet<QString> gesehen; // from the 16th name on: searching the list would take quadratic time
        while (!titel.isEmpty()) {
            const qsizetype ende = titel.indexOf(u';');
            const QString name = ImportName(titel.first(ende < 0 ? titel.size() : ende));
            titel = ende < 0 ? QStringView() : titel.sliced(ende + 1);
            if (name.isEmpty() || (m_namen.size() < 16 ? m_namen.contains(name) : gesehen.contains(name)))
                continue;
            m_namen.append(name);
            if (m_namen.size() == 16)
                gesehen = QSet<QString>(m_namen.cbegin(), m_namen.cend());
            else if (m_namen.size() > 16)
                gesehen.insert(name);
        }
        return m_namen;
    }

private:
    bool m_gelesen = false;
    QStringView m_titel;
    QStringList m_namen;
};

void SetzeAttribut(Eintrag& e, QStringView schluessel, QStringView wert) {
    if (IstSchluessel(schluessel, "tvg-name"))
        e.tvgName = wert;
    else if (IstSchluessel(schluessel, "tvg-logo"))
        e.logo = wert.trimmed();
    else if (IstSchluessel(schluessel, "tvg-chno"))
        e.nummer = PositiveZahl(wert.trimmed());
    else if (IstSchluessel(schluessel, "group-title"))
        e.gruppenTitel = wert;
    else if (IstSchluessel(schluessel, "radio"))
        e.radio = wert.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// The text after "#EXTINF:". The display name is everything after the comma that ends
// the duration and the attributes, so it may hold commas and quotes itself.
Eintrag LeseExtinf(QStringView z) {
    Eintrag e;
    const qsizetype n = z.size();
    qsizetype i = 0;
    while (i < n && z[i] != u',' && !z[i].isSpace())
        ++i;
    while (true) {
        while (i < n && z[i].isSpace())
            ++i;
        if (i >= n)
            break; // no comma: no display name
        if (z[i] == u',') {
            e.name = z.sliced(i + 1);
            break;
        }
        const qsizetype schluesselAnfang = i;
        while (i < n && z[i] != u'=' && z[i] != u',' && !z[i].isSpace())
            ++i;
        const QStringView schluessel = z.sliced(schluesselAnfang, i - schluesselAnfang);
        if (i >= n || z[i] != u'=')
            continue; // a word without value is passed over
        ++i;
        QStringView wert;
        if (i < n && z[i] == u'"') {
            const char16_t* const zeichen = z.utf16();
            const qsizetype gefunden = std::find(zeichen + i + 1, zeichen + n, u'"') - zeichen;
            const qsizetype ende = gefunden == n ? -1 : gefunden;
            wert = z.sliced(i + 1, (ende < 0 ? n : ende) - i - 1);
            i = ende < 0 ? n : ende + 1;
        } else {
            const qsizetype wertAnfang = i;
            while (i < n && z[i] != u',' && !z[i].isSpace())
                ++i;
            wert = z.sliced(wertAnfang, i - wertAnfang);
        }
        SetzeAttribut(e, schluessel, wert);
    }
    return e;
}

QList<Eintrag> LeseEintraege(QStringView text) {
    QList<Eintrag> eintraege;
    bool offen = false; // the last entry waits for its address
    FuerJedeZeile(text, [&](QStringView zeile) {
        const QStringView z = zeile.trimmed();
        if (z.isEmpty())
            return;
        if (z.size() >= 8 && z[0] == u'#' && IstSchluessel(z.first(8), "#extinf:")) {
            eintraege.append(LeseExtinf(z.sliced(8)));
            offen = true;
        } else if (z.startsWith(u'#')) {
            if (offen && eintraege.last().extgrp.isEmpty() && z.startsWith(u"#EXTGRP:", Qt::CaseInsensitive))
                eintraege.last().extgrp = z.sliced(8);
        } else if (offen) {
            eintraege.last().adresse = z;
            offen = false;
        }
    });
    return eintraege;
}

} // namespace

bool IstWiedergabeliste(QByteArrayView anfang) {
    const QList<QByteArrayView> zeilen = AnfangsZeilen(anfang, 1);
    return !zeilen.isEmpty() && (zeilen[0].startsWith("#EXTM3U") || zeilen[0].startsWith("#EXTINF:"));
}

ImportFund LeseWiedergabeliste(const QByteArray& bytes, const QString& dateiname) {
    ImportFund fund;
    const QString datei = QFileInfo(dateiname).fileName();
    const QString text = ImportText(bytes, datei, &fund.hinweise);
    const QList<Eintrag> eintraege = LeseEintraege(text);

    QList<QStringList> gruppenJeEintrag;
    gruppenJeEintrag.reserve(eintraege.size());
    Gruppennamen gruppennamen;
    bool alleRadio = true; // of the entries without a group
    for (const Eintrag& e : eintraege) {
        QStringList namen = gruppennamen(e.gruppenTitel);
        if (const QString gruppe = ImportName(e.extgrp); namen.isEmpty() && !gruppe.isEmpty())
            namen = QStringList{gruppe};
        alleRadio = alleRadio && (e.radio || !namen.isEmpty());
        gruppenJeEintrag.append(std::move(namen));
    }
    // Entries without a group belong to one named after the file; a cable router's
    // "radio.m3u" holds radio, and so does a group whose entries all say so.
    const bool dateiRadio = datei.startsWith(QLatin1String("radio"), Qt::CaseInsensitive) || alleRadio;

    ImportGruppen gruppen(fund);
    fund.sender.reserve(eintraege.size());
    QList<int> indizes; // of the entry before, shared when the next one has the same groups
    for (qsizetype i = 0; i < eintraege.size(); ++i) {
        const Eintrag& e = eintraege[i];
        const QStringList& namen = gruppenJeEintrag[i];
        if (i == 0 || namen != gruppenJeEintrag[i - 1] || e.radio != eintraege[i - 1].radio) {
            indizes.clear();
            if (namen.isEmpty())
                indizes.append(gruppen.Index(datei, dateiRadio));
            for (const QString& name : namen)
                indizes.append(gruppen.Index(name, e.radio));
        }
        ImportSender s;
        s.name = ImportName(e.name);
        if (s.name.isEmpty())
            s.name = ImportName(e.tvgName);
        s.nummer = e.nummer;
        s.referenz = e.adresse.toString();
        s.logo = e.logo.toString();
        if (QString basis = LogoBasisname(e.logo); !basis.isEmpty())
            s.logoSchluessel.append(std::move(basis));
        s.gruppen = indizes;
        NimmAuf(fund, std::move(s));
    }
    return fund;
}

} // namespace senvio
