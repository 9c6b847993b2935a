#include "import/Wiedergabeliste.h"

#include <QFileInfo>

// An entry is "#EXTINF:<duration>[ key=value]*,<display name>", then other "#" lines,
// then the stream address that ends it. Lines are parsed as views: a playlist of an
// IPTV provider has a hundred thousand entries.
namespace senvio {

namespace {

struct Eintrag {
    ImportSender sender;
    QString tvgName;
    QString tvgId;
    QStringList gruppen; // from "group-title", else "#EXTGRP:"
    bool radio = false;
};

bool IstSchluessel(QStringView schluessel, const char* name) {
    return schluessel.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

void FuegeGruppenHinzu(QStringList& gruppen, QStringView liste) {
    for (const QStringView teil : liste.split(u';')) {
        const QString name = ImportName(teil);
        if (!name.isEmpty() && !gruppen.contains(name))
            gruppen.append(name);
    }
}

void SetzeAttribut(Eintrag& e, QStringView schluessel, QStringView wert) {
    if (IstSchluessel(schluessel, "tvg-name"))
        e.tvgName = ImportName(wert);
    else if (IstSchluessel(schluessel, "tvg-id"))
        e.tvgId = wert.trimmed().toString();
    else if (IstSchluessel(schluessel, "tvg-logo"))
        e.sender.logo = wert.trimmed().toString();
    else if (IstSchluessel(schluessel, "tvg-chno"))
        e.sender.nummer = PositiveZahl(wert.trimmed());
    else if (IstSchluessel(schluessel, "group-title"))
        FuegeGruppenHinzu(e.gruppen, wert);
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
            e.sender.name = ImportName(z.sliced(i + 1));
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
            const qsizetype ende = z.indexOf(u'"', i + 1);
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
    if (e.sender.name.isEmpty())
        e.sender.name = e.tvgName;
    return e;
}

QList<Eintrag> LeseEintraege(const QStringList& zeilen) {
    QList<Eintrag> eintraege;
    bool offen = false;
    const auto schliesse = [&](QStringView adresse) {
        Eintrag& e = eintraege.last();
        e.sender.referenz = e.tvgId.isEmpty() ? adresse.toString() : e.tvgId;
        offen = false;
    };
    for (const QString& zeile : zeilen) {
        const QStringView z = QStringView(zeile).trimmed();
        if (z.isEmpty())
            continue;
        if (z.startsWith(u"#EXTINF:", Qt::CaseInsensitive)) {
            if (offen)
                schliesse({});
            eintraege.append(LeseExtinf(z.sliced(8)));
            offen = true;
        } else if (z.startsWith(u'#')) {
            if (offen && eintraege.last().gruppen.isEmpty() && z.startsWith(u"#EXTGRP:", Qt::CaseInsensitive)) {
                const QString gruppe = ImportName(z.sliced(8));
                if (!gruppe.isEmpty())
                    eintraege.last().gruppen.append(gruppe);
            }
        } else if (offen) {
            schliesse(z);
        }
    }
    if (offen)
        schliesse({});
    return eintraege;
}

} // namespace

bool IstWiedergabeliste(QByteArrayView anfang) {
    const QList<QByteArrayView> zeilen = AnfangsZeilen(anfang, 1);
    return !zeilen.isEmpty() && (zeilen[0].startsWith("#EXTM3U") || zeilen[0].startsWith("#EXTINF:"));
}

ImportFund LeseWiedergabeliste(const QByteArray& bytes, const QString& dateiname) {
    QList<Eintrag> eintraege = LeseEintraege(ImportZeilen(ImportText(bytes)));

    // Entries without a group belong to one named after the file; a cable router's
    // "radio.m3u" holds radio, and so does a group whose entries all say so.
    const QString datei = QFileInfo(dateiname).fileName();
    bool alleRadio = true;
    for (const Eintrag& e : eintraege) {
        if (e.gruppen.isEmpty())
            alleRadio = alleRadio && e.radio;
    }
    const bool dateiRadio = datei.startsWith(QLatin1String("radio"), Qt::CaseInsensitive) || alleRadio;

    ImportFund fund;
    ImportGruppen gruppen(fund);
    fund.sender.reserve(eintraege.size());
    for (Eintrag& e : eintraege) {
        if (e.gruppen.isEmpty())
            e.sender.gruppen.append(gruppen.Index(datei, dateiRadio));
        for (const QString& name : std::as_const(e.gruppen))
            e.sender.gruppen.append(gruppen.Index(name, e.radio));
        NimmAuf(fund, std::move(e.sender));
    }
    return fund;
}

} // namespace senvio
