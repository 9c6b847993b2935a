#include "import/Sonyliste.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>

// Two layouts. Android sets: <SdbRoot><SdbXml> with one element per list (sdbT antenna, sdbC
// cable, sdbGs and sdbPs satellite), each holding tables as columns: a column element's text
// has one value per line, row i of every column being service i. Newer sets (MediaTek):
// <service_list_transfer> with <service_list_info> lists of <service_info> elements.
namespace senvio {

using namespace Qt::StringLiterals;

namespace {

constexpr int Favoritenlisten = 8;

// The values of a column: its text without the line ends that belong to the tags, one per line.
QStringList Werte(const QString& text) {
    QStringView werte = text;
    if (werte.startsWith(u"\r\n"))
        werte = werte.sliced(2);
    else if (werte.startsWith(u'\n'))
        werte = werte.sliced(1);
    if (werte.endsWith(u'\n'))
        werte.chop(1);
    if (werte.endsWith(u'\r'))
        werte.chop(1);
    if (werte.isEmpty())
        return {};
    QStringList zeilen = werte.toString().split(u'\n');
    for (QString& zeile : zeilen)
        if (zeile.endsWith(u'\r'))
            zeile.chop(1);
    return zeilen;
}

// A list of the TV as read, declared once all are known (TV and radio may share one numbering).
struct Liste {
    QString name;
    int rang = 0; // the place among the lists offered
    QList<Fernsehkanal> kanaele;
    QList<QList<qint64>> favoriten; // per channel: its place in favourites list 1 … 8, 0 none
};

ImportFund Fund(QList<Liste> listen) {
    std::stable_sort(listen.begin(), listen.end(), [](const Liste& a, const Liste& b) { return a.rang < b.rang; });
    Fernsehfund fund;
    struct Favorit {
        qint64 platz;
        Fernsehkanal kanal;
    };
    QList<Favorit> favoriten[Favoritenlisten];
    for (const Liste& liste : std::as_const(listen)) {
        const int index = fund.Liste(liste.name, RadioZaehltAbEins(liste.kanaele));
        for (qsizetype i = 0; i < liste.kanaele.size(); ++i) {
            const Fernsehkanal& kanal = liste.kanaele[i];
            fund.NimmAuf(index, kanal);
            for (int f = 0; f < Favoritenlisten && i < liste.favoriten.size(); ++f)
                if (liste.favoriten[i].value(f) > 0 && !kanal.geloescht && kanal.art != Dienstart::Daten)
                    favoriten[f].append({liste.favoriten[i][f], kanal});
        }
    }
    // A favourites list numbers its channels by their places in it.
    for (int f = 0; f < Favoritenlisten; ++f) {
        if (favoriten[f].isEmpty())
            continue;
        std::stable_sort(favoriten[f].begin(), favoriten[f].end(),
                         [](const Favorit& a, const Favorit& b) { return a.platz < b.platz; });
        const int index = fund.Liste(QStringLiteral("Favoriten %1").arg(f + 1), false);
        for (int platz = 0; platz < favoriten[f].size(); ++platz) {
            Fernsehkanal kanal = favoriten[f][platz].kanal;
            kanal.nummer = platz + 1;
            fund.NimmAuf(index, kanal);
        }
    }
    return std::move(fund).Fund();
}

// The columns of one list element of SdbXml, by their path below it ("Service/No").
using Spalten = QHash<QString, QStringList>;

const QStringList& Spalte(const Spalten& spalten, const QString& pfad) {
    static const QStringList leer;
    const auto it = spalten.constFind(pfad);
    return it == spalten.constEnd() ? leer : *it;
}

// A list of the Android layout: No >> 18 the number, No & 7 the kind (1 TV, 2 radio, 3 data).
Liste AndroidListe(const QString& element, const Spalten& s) {
    Liste liste;
    // sdbT antenna, sdbC cable, sdbGs the general and sdbPs the preferred satellite list.
    static const QHash<QString, QPair<QString, int>> namen = {{u"sdbC"_s, {u"Kabel"_s, 0}},
                                                              {u"sdbGs"_s, {u"Satellit"_s, 1}},
                                                              {u"sdbPs"_s, {u"Satellit (bevorzugt)"_s, 2}},
                                                              {u"sdbT"_s, {u"Antenne"_s, 3}}};
    const auto name = namen.value(element, {element, 4});
    liste.name = name.first;
    liste.rang = name.second;
    // MuxID → row of Multiplex → TS_Descr's ONID and TSID and the satellite of the multiplex.
    QHash<QString, qsizetype> multiplex;
    const QStringList& muxIds = Spalte(s, u"Multiplex/MuxID"_s);
    for (qsizetype i = 0; i < muxIds.size(); ++i)
        multiplex.insert(muxIds[i].trimmed(), i);
    QHash<QString, int> positionen; // satellite record → position in tenths of a degree
    const QStringList& satIds = Spalte(s, u"SATL_REC/ui2_satl_rec_id"_s);
    for (qsizetype i = 0; i < satIds.size(); ++i) {
        const qint64 position = TextZahl(Spalte(s, u"SATL_REC/i2_orb_pos"_s).value(i), 10000);
        if (position >= -1800 && position <= 1800)
            positionen.insert(satIds[i].trimmed(), int(position));
    }
    const bool satellit =
        element.startsWith(u"sdbGs") || element.startsWith(u"sdbPs") || s.contains(u"Multiplex/ui2_satl_rec_id"_s);
    const QString quelle = element == u"sdbC" ? u"C"_s : element == u"sdbT" ? u"T"_s : QString();
    const QStringList& nummern = Spalte(s, u"Service/No"_s);
    for (qsizetype i = 0; i < nummern.size(); ++i) {
        auto wert = [&](const QString& pfad) { return Spalte(s, pfad).value(i); };
        Fernsehkanal k;
        const qint64 no = TextZahl(nummern[i]);
        k.nummer = no < 0 ? 0 : int(std::min<qint64>(no >> 18, 1 << 30));
        k.art = (no & 7) == 1 ? Dienstart::Fernsehen : (no & 7) == 2 ? Dienstart::Radio : Dienstart::Daten;
        const qint64 dienst = TextZahl(wert(u"Service/dvb_info/ui1_sdt_service_type"_s));
        if (dienst >= 0 && DvbDienstart(dienst) == Dienstart::Daten)
            k.art = Dienstart::Daten;
        k.name = wert(u"Service/Name"_s);
        // Deleted: the mask without 0x200, or b_deleted_by_user 0 (sic).
        const qint64 maske = TextZahl(wert(u"Service/ui4_nw_mask"_s));
        k.geloescht = (maske >= 0 && !(maske & 0x200)) || TextZahl(wert(u"Service/b_deleted_by_user"_s)) == 0;
        const qsizetype mux = multiplex.value(wert(u"Service/MuxID"_s).trimmed(), -1);
        k.onid = mux < 0 ? -1 : TextZahl(Spalte(s, u"TS_Descr/Onid"_s).value(mux));
        k.tsid = mux < 0 ? -1 : TextZahl(Spalte(s, u"TS_Descr/Tsid"_s).value(mux));
        k.sid = TextZahl(wert(u"Service/ui2_prog_id"_s));
        k.quelle = quelle;
        if (satellit) {
            const QString satId = mux < 0 ? QString() : Spalte(s, u"Multiplex/ui2_satl_rec_id"_s).value(mux).trimmed();
            const auto position = positionen.constFind(satId);
            k.quelle = position == positionen.constEnd() ? u"S"_s : Satellitenquelle(*position);
        }
        // aui1_custom_data: the places in favourites lists 1 … 8.
        QList<qint64> favoriten;
        for (const QString& platz : wert(u"Service/aui1_custom_data"_s).split(u' ', Qt::SkipEmptyParts))
            if (favoriten.size() < Favoritenlisten)
                favoriten.append(TextZahl(platz, 0));
        liste.kanaele.append(std::move(k));
        liste.favoriten.append(favoriten);
    }
    return liste;
}

// A list of the MediaTek layout, named after its service_list_type.
Liste MediatekListe(QStringView typ) {
    Liste liste;
    const QString t = typ.toString().toUpper();
    liste.name = t.contains(u"CABLE"_s)                              ? u"Kabel"_s
                 : t.contains(u"SAT"_s)                              ? u"Satellit"_s
                 : t.contains(u"TERR"_s) || t.contains(u"ANTENNA"_s) ? u"Antenne"_s
                 : t.contains(u"ANALOG"_s)                           ? u"Analog"_s
                 : typ.isEmpty()                                     ? u"Liste"_s
                                                                     : typ.toString();
    liste.rang = liste.name == u"Kabel" ? 0 : liste.name == u"Satellit" ? 1 : liste.name == u"Antenne" ? 3 : 4;
    return liste;
}

// A service_info: its fields as attributes or as child elements. record_id is the reference.
Fernsehkanal MediatekKanal(const QHash<QString, QString>& felder) {
    Fernsehkanal k;
    k.nummer = int(std::clamp<qint64>(TextZahl(felder.value(u"major_channel_number"_s)), 0, 1 << 30));
    const qint64 dienst = TextZahl(felder.value(u"sdt_service_type"_s));
    k.art = dienst < 0 ? Dienstart::Fernsehen : DvbDienstart(dienst);
    k.name = felder.value(u"service_name"_s);
    k.referenz = felder.value(u"record_id"_s).trimmed();
    return k;
}

} // namespace

bool IstSonyListe(QByteArrayView anfang) {
    QXmlStreamReader xml(anfang.toByteArray());
    while (!xml.atEnd() && !xml.hasError())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == u"SdbRoot" || xml.name() == u"service_list_transfer";
    return false;
}

ImportFund LeseSonyListe(const QByteArray& bytes, const QString& datei) {
    static const QSet<QString> gebraucht = {u"Service/No"_s,
                                            u"Service/Name"_s,
                                            u"Service/MuxID"_s,
                                            u"Service/ui2_prog_id"_s,
                                            u"Service/ui4_nw_mask"_s,
                                            u"Service/b_deleted_by_user"_s,
                                            u"Service/aui1_custom_data"_s,
                                            u"Service/dvb_info/ui1_sdt_service_type"_s,
                                            u"Multiplex/MuxID"_s,
                                            u"Multiplex/ui2_satl_rec_id"_s,
                                            u"TS_Descr/Onid"_s,
                                            u"TS_Descr/Tsid"_s,
                                            u"SATL_REC/ui2_satl_rec_id"_s,
                                            u"SATL_REC/i2_orb_pos"_s};
    QXmlStreamReader xml(bytes);
    QStringList pfad; // the open elements
    QString text;
    bool android = false;
    QList<Liste> listen;
    Spalten spalten;                // of the open Android list
    QHash<QString, QString> felder; // of the open service_info
    qsizetype dienstTiefe = 0;      // depth of the open service_info; 0: none
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType art = xml.readNext();
        if (art == QXmlStreamReader::StartElement) {
            if (pfad.isEmpty()) {
                android = xml.name() == u"SdbRoot";
                if (!android && xml.name() != u"service_list_transfer")
                    throw UnlesbareFernsehliste(datei, u"das XML beginnt weder mit „SdbRoot“ noch mit "
                                                       u"„service_list_transfer“"_s);
            }
            pfad.append(xml.name().toString());
            PruefeXmlTiefe(int(pfad.size()), datei);
            text.clear();
            const qsizetype n = pfad.size();
            if (android && n == 3 && pfad[1] == u"SdbXml" && pfad[2].startsWith(u"sdb")) {
                spalten.clear();
            } else if (!android && pfad[n - 1] == u"service_list_info") {
                listen.append(MediatekListe(xml.attributes().value(u"service_list_type"_s)));
            } else if (!android && dienstTiefe == 0 && pfad[n - 1] == u"service_info" && !listen.isEmpty()) {
                dienstTiefe = n;
                felder.clear();
                for (const QXmlStreamAttribute& a : xml.attributes())
                    felder.insert(a.name().toString(), a.value().toString());
            }
        } else if (art == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (art == QXmlStreamReader::EndElement && !pfad.isEmpty()) {
            const qsizetype n = pfad.size();
            if (android && n > 3 && pfad[1] == u"SdbXml" && pfad[2].startsWith(u"sdb")) {
                const QString spalte = pfad.mid(3).join(u'/');
                if (gebraucht.contains(spalte))
                    spalten.insert(spalte, Werte(text));
            } else if (android && n == 3 && pfad[1] == u"SdbXml" && pfad[2].startsWith(u"sdb")) {
                if (spalten.contains(u"Service/No"_s))
                    listen.append(AndroidListe(pfad[2], spalten));
                spalten.clear();
            } else if (dienstTiefe > 0 && n == dienstTiefe + 1) {
                felder.insert(pfad[n - 1], text);
            } else if (dienstTiefe > 0 && n == dienstTiefe) {
                listen.last().kanaele.append(MediatekKanal(felder));
                dienstTiefe = 0;
            }
            pfad.removeLast();
            text.clear();
        }
    }
    PruefeXml(xml, datei);
    return Fund(listen);
}

} // namespace senvio
