#include "import/Bouquets.h"

#include "import/Piconname.h"
#include "list/Zeilenformat.h"
#include "platform/Zeichensatz.h"

#include <QHash>
#include <QSet>

#include <array>
#include <cstdio>

namespace senvio {

namespace {

// Nested sub-bouquets deeper than this are skipped: the files a set names are visited
// once each anyway, the bound keeps the recursion short.
constexpr int MaxTiefe = 8;

// Flags of a service reference (decimal, like its type).
constexpr qulonglong Verzeichnis = 1;
constexpr qulonglong Markierung = 64;
constexpr qulonglong NummerierteMarkierung = 256;
constexpr qulonglong Alternativen = 128;

// SID, namespace, TSID and ONID of a service, packed for the hash of the database.
struct Dienstschluessel {
    quint64 sidUndNamensraum = 0;
    quint64 tsidUndOnid = 0;
    bool operator==(const Dienstschluessel&) const = default;
};

size_t qHash(const Dienstschluessel& s, size_t seed = 0) noexcept {
    return qHashMulti(seed, s.sidUndNamensraum, s.tsidUndOnid);
}

std::optional<quint32> Hexzahl(QStringView feld) {
    if (feld.isEmpty() || feld.size() > 8)
        return std::nullopt;
    bool ok = false;
    const uint wert = feld.toUInt(&ok, 16);
    return ok ? std::optional<quint32>(wert) : std::nullopt;
}

std::optional<Dienstschluessel> Schluessel(QStringView sid, QStringView ns, QStringView tsid, QStringView onid) {
    const auto s = Hexzahl(sid), n = Hexzahl(ns), t = Hexzahl(tsid), o = Hexzahl(onid);
    if (!s || !n || !t || !o)
        return std::nullopt;
    return Dienstschluessel{quint64(*s) << 32 | *n, quint64(*t) << 32 | *o};
}

// The first fields of a colon-separated text, how many there are, and the last one.
struct Felder {
    std::array<QStringView, 11> erste;
    qsizetype anzahl = 0;
    QStringView letztes;
};

Felder Zerlege(QStringView text) {
    Felder f;
    qsizetype anfang = 0;
    for (;;) {
        const qsizetype ende = text.indexOf(u':', anfang);
        f.letztes = text.sliced(anfang, (ende < 0 ? text.size() : ende) - anfang);
        if (f.anzahl < qsizetype(f.erste.size()))
            f.erste[f.anzahl] = f.letztes;
        ++f.anzahl;
        if (ende < 0)
            return f;
        anfang = ende + 1;
    }
}

// SID, TSID, ONID and namespace all 0 (a stream's or an alternatives list's reference)
// name no service that a picon could be named after.
bool NenntDienst(const Felder& f) {
    if (f.anzahl < 7)
        return false;
    for (qsizetype i = 3; i < 7; ++i)
        if (Hexzahl(f.erste[i]).value_or(0) != 0)
            return true;
    return false;
}

// "sid:ns:tsid:onid:…" of a database record.
std::optional<Dienstschluessel> SchluesselDerDatenbank(QStringView zeile) {
    const Felder f = Zerlege(zeile);
    return f.anzahl < 4 ? std::nullopt : Schluessel(f.erste[0], f.erste[1], f.erste[2], f.erste[3]);
}

// The rest of a line "#WORT text" or "#WORT:text"; nothing for any other line.
std::optional<QStringView> NachSchluesselwort(QStringView zeile, QLatin1StringView wort) {
    if (!zeile.startsWith(wort, Qt::CaseInsensitive))
        return std::nullopt;
    const QStringView rest = zeile.sliced(wort.size());
    if (rest.isEmpty())
        return rest;
    if (rest[0] == u':')
        return rest.sliced(1).trimmed();
    if (rest[0] == u' ' || rest[0] == u'\t')
        return rest.trimmed();
    return std::nullopt;
}

int Hexziffer(QChar z) {
    const char16_t c = z.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The name field of a reference: "%XX" stands for one byte; a run of such bytes is
// UTF-8 when valid, else Windows-1252. A "%" without two hex digits stays.
QString OhneProzentkodierung(QStringView text) {
    QString ergebnis;
    ergebnis.reserve(text.size());
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int hoch = i + 2 < text.size() && text[i] == u'%' ? Hexziffer(text[i + 1]) : -1;
        const int tief = hoch >= 0 ? Hexziffer(text[i + 2]) : -1;
        if (tief >= 0) {
            bytes.append(char(hoch << 4 | tief));
            i += 2;
            continue;
        }
        if (!bytes.isEmpty()) {
            ergebnis += IstGueltigesUtf8(bytes) ? QString::fromUtf8(bytes) : VonWindows1252(bytes);
            bytes.clear();
        }
        ergebnis.append(text[i]);
    }
    if (!bytes.isEmpty())
        ergebnis += IstGueltigesUtf8(bytes) ? QString::fromUtf8(bytes) : VonWindows1252(bytes);
    return ergebnis;
}

// What makes two references one service: type, SID, TSID, ONID and namespace, the hex
// without leading zeros, for a broadcast service; else (a stream, alternatives) the
// reference without its name field, its path decoded.
QString Dienstkennung(const Felder& f, QStringView referenz) {
    if (NenntDienst(f)) {
        // Written at once: a set of many thousand services would spend its time allocating.
        char kennung[64];
        const int laenge = std::snprintf(kennung, sizeof kennung, "%llu:%X:%X:%X:%X", f.erste[0].toULongLong(),
                                         Hexzahl(f.erste[3]).value_or(0), Hexzahl(f.erste[4]).value_or(0),
                                         Hexzahl(f.erste[5]).value_or(0), Hexzahl(f.erste[6]).value_or(0));
        return QString::fromLatin1(kennung, laenge);
    }
    if (f.anzahl < 12)
        return referenz.toString();
    return OhneProzentkodierung(referenz.first(referenz.size() - f.letztes.size() - 1));
}

// The file a reference names by `FROM BOUQUET "datei"`; nothing when it names none.
std::optional<QString> GenannteDatei(QStringView referenz) {
    constexpr QStringView von = u"FROM BOUQUET \"";
    const qsizetype i = referenz.contains(u'"') ? referenz.indexOf(von, 0, Qt::CaseInsensitive) : -1;
    if (i < 0)
        return std::nullopt;
    const QStringView rest = referenz.sliced(i + von.size());
    return rest.first(std::max<qsizetype>(rest.indexOf(u'"'), 0)).toString();
}

// Only a bare file name is read: a set cannot reach outside its folder.
bool IstDateiname(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

// The lines of a text as views: a database of many thousand lines needs no string of
// its own per line.
QList<QStringView> Zeilen(QStringView text) {
    QList<QStringView> zeilen;
    FuerJedeZeile(text, [&zeilen](QStringView zeile) { zeilen.append(zeile); });
    return zeilen;
}

// One bouquet file: its "#NAME" and its "#SERVICE" lines, each with the
// "#DESCRIPTION" that follows it. The views point into `text`.
struct Bouquetdatei {
    QString text;
    QStringView name;
    struct Eintrag {
        QStringView referenz;
        std::optional<QStringView> beschreibung;
    };
    QList<Eintrag> eintraege;
};

Bouquetdatei ZerlegeBouquet(const QByteArray& bytes, const QString& datei, QStringList& hinweise) {
    Bouquetdatei d;
    d.text = ImportText(bytes, datei, &hinweise);
    bool hatName = false;
    for (const QStringView zeile : Zeilen(d.text)) {
        const QStringView z = zeile.trimmed();
        if (const auto referenz = NachSchluesselwort(z, QLatin1StringView("#SERVICE"))) {
            d.eintraege.append({*referenz, std::nullopt});
        } else if (const auto text = NachSchluesselwort(z, QLatin1StringView("#DESCRIPTION"))) {
            if (!d.eintraege.isEmpty() && !d.eintraege.back().beschreibung)
                d.eintraege.back().beschreibung = *text;
        } else if (const auto name = NachSchluesselwort(z, QLatin1StringView("#NAME")); name && !hatName) {
            d.name = *name;
            hatName = true;
        }
    }
    return d;
}

QString Hinweis(const char* text, const QString& datei) {
    return QString::fromUtf8(text).arg(MacheEinzeilig(datei));
}

// Why a file that is there was not read, and what is skipped for it.
QString Hinweis(const QString& grund, const QString& folge) {
    return MacheEinzeilig(folge.isEmpty() ? grund : grund + u' ' + folge);
}

class BouquetLeser {
public:
    explicit BouquetLeser(const BouquetDateizugriff& lies) : m_lies(lies) {}

    void LiesOberdatei(const QString& datei, bool radio) {
        m_besucht.insert(datei);
        const Bouquetinhalt inhalt = m_lies(datei);
        if (!inhalt.bytes) {
            m_fund.hinweise.append(
                !inhalt.grund.isEmpty()
                    ? Hinweis(inhalt.grund, radio ? QStringLiteral("Die Radiobouquets werden übersprungen.")
                                                  : QStringLiteral("Die Fernsehbouquets werden übersprungen."))
                    : Hinweis(radio ? "Die Datei „%1“ fehlt, die Radiobouquets werden übersprungen."
                                    : "Die Datei „%1“ fehlt, die Fernsehbouquets werden übersprungen.",
                              datei));
            return;
        }
        const Bouquetdatei d = ZerlegeBouquet(*inhalt.bytes, datei, m_fund.hinweise);
        m_nummer = 0; // TV and radio are numbered each from 1
        for (const Bouquetdatei::Eintrag& e : d.eintraege)
            if (const std::optional<QString> unter = GenannteDatei(e.referenz))
                m_oben.insert(*unter);
        for (const Bouquetdatei::Eintrag& e : d.eintraege) {
            const std::optional<QString> unter = GenannteDatei(e.referenz);
            const std::optional<Bouquetdatei> bouquet = unter ? Besuche(*unter, 1) : std::nullopt;
            if (!bouquet)
                continue;
            const QString name = ImportName(bouquet->name);
            m_fund.gruppen.append({name.isEmpty() ? ImportName(*unter) : name, radio, 0, *unter, true});
            m_nummerImBouquet = 0;
            NimmEintraege(*bouquet, int(m_fund.gruppen.size() - 1), 1);
        }
    }

    ImportFund Fund() { return std::move(m_fund); }

private:
    // A sub-bouquet file once per import; nothing (and a note) when it is missing,
    // already read or too deep.
    std::optional<Bouquetdatei> Besuche(const QString& datei, int tiefe) {
        if (m_besucht.contains(datei)) {
            if (!m_gemeldet.contains(datei))
                m_fund.hinweise.append(
                    Hinweis("Das Bouquet „%1“ ist mehrfach genannt und wird nur einmal gelesen.", datei));
            m_gemeldet.insert(datei);
            return std::nullopt;
        }
        // Too deep here, the bouquet is not taken as read: bouquets.tv may still name it itself.
        if (tiefe > MaxTiefe) {
            if (!m_oben.contains(datei) && !m_zuTief.contains(datei))
                m_fund.hinweise.append(
                    Hinweis("Das Bouquet „%1“ ist zu tief verschachtelt und wird übersprungen.", datei));
            m_zuTief.insert(datei);
            return std::nullopt;
        }
        m_besucht.insert(datei);
        if (!datei.isEmpty() && !IstDateiname(datei)) {
            m_fund.hinweise.append(
                Hinweis("Das Bouquet „%1“ zeigt aus dem Ordner hinaus und wird übersprungen.", datei));
            return std::nullopt;
        }
        const Bouquetinhalt inhalt = IstDateiname(datei) ? m_lies(datei) : Bouquetinhalt();
        if (!inhalt.bytes) {
            m_fund.hinweise.append(inhalt.grund.isEmpty()
                                       ? Hinweis("Das Bouquet „%1“ fehlt und wird übersprungen.", datei)
                                       : Hinweis(inhalt.grund, Hinweis("Das Bouquet „%1“ wird übersprungen.", datei)));
            return std::nullopt;
        }
        return ZerlegeBouquet(*inhalt.bytes, datei, m_fund.hinweise);
    }

    void NimmEintraege(const Bouquetdatei& d, int gruppe, int tiefe) {
        for (const Bouquetdatei::Eintrag& e : d.eintraege) {
            const Felder f = Zerlege(e.referenz);
            bool ok = false;
            const qulonglong typ = f.erste[0].toULongLong(&ok);
            if (!ok)
                continue; // no service reference at all
            const qulonglong flags = f.anzahl > 1 ? f.erste[1].toULongLong() : 0;
            const std::optional<QString> genannt = GenannteDatei(e.referenz);
            if (genannt && !(flags & Alternativen)) {
                if (const std::optional<Bouquetdatei> innen = Besuche(*genannt, tiefe + 1))
                    NimmEintraege(*innen, gruppe, tiefe + 1);
                continue;
            }
            ImportSender s;
            s.referenz = Dienstkennung(f, e.referenz);
            s.gruppen = {gruppe};
            if (flags & Markierung) {
                if (!(flags & NummerierteMarkierung))
                    continue; // a section marker: no channel, no number
                s.platzhalter = true;
            } else if (flags & Verzeichnis && !genannt) {
                continue; // a query of the receiver ("all services"), no channel
            } else {
                s.name = Name(e, f, typ, genannt);
                if (NenntDienst(f))
                    s.logoSchluessel = PiconNamen(e.referenz);
            }
            // The receiver counts every channel and numbered marker by its place.
            s.nummer = ++m_nummer;
            s.nummerImBouquet = ++m_nummerImBouquet;
            NimmAuf(m_fund, std::move(s));
        }
    }

    // The "#DESCRIPTION" (up to "•", where the provider follows), else the name field
    // of the reference, else the alternatives' "#NAME" or the database's name.
    QString Name(const Bouquetdatei::Eintrag& e, const Felder& f, qulonglong typ,
                 const std::optional<QString>& alternativen) {
        if (e.beschreibung) {
            const qsizetype punkt = e.beschreibung->indexOf(QChar(0x2022));
            const QString name = ImportName(punkt < 0 ? *e.beschreibung : e.beschreibung->first(punkt));
            if (!name.isEmpty())
                return name;
        }
        if (alternativen)
            return AlternativenName(*alternativen);
        if (f.anzahl >= 12) {
            const QString name = ImportName(OhneProzentkodierung(f.letztes));
            if (!name.isEmpty())
                return name;
        }
        if (typ == 4097 || typ == 5001 || typ == 5002 || f.anzahl < 7)
            return {};
        const auto schluessel = Schluessel(f.erste[3], f.erste[6], f.erste[4], f.erste[5]);
        return schluessel ? ImportName(Datenbank().value(*schluessel)) : QString();
    }

    QString AlternativenName(const QString& datei) {
        const auto gefunden = m_alternativen.constFind(datei);
        if (gefunden != m_alternativen.cend())
            return *gefunden;
        const Bouquetinhalt inhalt = IstDateiname(datei) ? m_lies(datei) : Bouquetinhalt();
        if (!inhalt.grund.isEmpty())
            m_fund.hinweise.append(Hinweis(inhalt.grund, QString()));
        const QString name =
            inhalt.bytes ? ImportName(ZerlegeBouquet(*inhalt.bytes, datei, m_fund.hinweise).name) : QString();
        m_alternativen.insert(datei, name);
        return name;
    }

    // The service names of "lamedb", or of "lamedb5" when "lamedb" holds none; read
    // when the first name is needed.
    const QHash<Dienstschluessel, QStringView>& Datenbank() {
        if (m_datenbankGelesen)
            return m_datenbank;
        m_datenbankGelesen = true;
        if (const std::optional<QByteArray> bytes = Datenbankdatei(QStringLiteral("lamedb"))) {
            m_datenbankText = ImportText(*bytes, QStringLiteral("lamedb"), &m_fund.hinweise);
            LiesLamedb(Zeilen(m_datenbankText));
        }
        if (m_datenbank.isEmpty())
            if (const std::optional<QByteArray> bytes = Datenbankdatei(QStringLiteral("lamedb5"))) {
                m_datenbankText = ImportText(*bytes, QStringLiteral("lamedb5"), &m_fund.hinweise);
                LiesLamedb5(Zeilen(m_datenbankText));
            }
        return m_datenbank;
    }

    // A database that is missing goes without a note: the names come from the bouquets.
    std::optional<QByteArray> Datenbankdatei(const QString& datei) {
        Bouquetinhalt inhalt = m_lies(datei);
        if (!inhalt.grund.isEmpty())
            m_fund.hinweise.append(Hinweis(inhalt.grund, QString()));
        return std::move(inhalt.bytes);
    }

    // After "services": "sid:ns:tsid:onid:stype:snum", the name, "p:provider,…"; up to "end".
    void LiesLamedb(const QList<QStringView>& zeilen) {
        qsizetype i = zeilen.indexOf(u"services");
        if (i < 0)
            return;
        for (++i; i < zeilen.size() && zeilen[i] != u"end"; ++i) {
            const std::optional<Dienstschluessel> schluessel = SchluesselDerDatenbank(zeilen[i]);
            if (!schluessel || i + 1 >= zeilen.size())
                continue;
            m_datenbank.insert(*schluessel, zeilen[++i]);
            if (i + 1 < zeilen.size() && zeilen[i + 1].startsWith(u"p:"))
                ++i;
        }
    }

    // `s:sid:ns:tsid:onid:stype:snum:src,"name"[,p:provider]…`: quotes in the name are
    // not escaped, so it ends at the first quote that the line's end or a field such as
    // ",p:" follows.
    void LiesLamedb5(const QList<QStringView>& zeilen) {
        for (const QStringView zeile : zeilen) {
            const qsizetype komma = zeile.startsWith(u"s:") ? zeile.indexOf(u",\"") : -1;
            if (komma < 0)
                continue;
            const auto schluessel = SchluesselDerDatenbank(zeile.sliced(2, komma - 2));
            if (!schluessel)
                continue;
            const QStringView rest = zeile.sliced(komma + 2);
            qsizetype ende = rest.indexOf(u'"');
            while (ende >= 0 && !NameEndetHier(rest, ende))
                ende = rest.indexOf(u'"', ende + 1);
            m_datenbank.insert(*schluessel, rest.first(ende < 0 ? rest.size() : ende));
        }
    }

    static bool NameEndetHier(QStringView rest, qsizetype quote) {
        const QStringView danach = rest.sliced(quote + 1);
        return danach.isEmpty() || danach == u"," ||
               (danach.size() >= 3 && danach[0] == u',' && danach[1].isLetter() && danach[2] == u':');
    }

    const BouquetDateizugriff& m_lies;
    ImportFund m_fund;
    int m_nummer = 0;          // of the last channel taken
    int m_nummerImBouquet = 0; // the same, counted from the start of its bouquet
    QSet<QString> m_besucht;
    QSet<QString> m_gemeldet;
    // The bouquets the top file names (read at that depth), and those met too deep.
    QSet<QString> m_oben;
    QSet<QString> m_zuTief;
    QHash<QString, QString> m_alternativen;
    QString m_datenbankText; // the views below point into it
    QHash<Dienstschluessel, QStringView> m_datenbank;
    bool m_datenbankGelesen = false;
};

} // namespace

bool IstBouquetDatei(QByteArrayView anfang) {
    if (anfang.startsWith("\xEF\xBB\xBF"))
        anfang = anfang.sliced(3);
    if (anfang.startsWith("eDVB services /4/") || anfang.startsWith("eDVB services /5/"))
        return true;
    const QString text = QString::fromLatin1(anfang.first(std::min<qsizetype>(anfang.size(), 4096)));
    for (const QStringView zeile : Zeilen(text)) {
        const QStringView z = zeile.trimmed();
        if (!z.isEmpty())
            return NachSchluesselwort(z, QLatin1StringView("#NAME")) ||
                   NachSchluesselwort(z, QLatin1StringView("#SERVICE"));
    }
    return false;
}

bool IstEinzelnesBouquet(const QString& dateiname) {
    for (const char* ganzerSatz : {"bouquets.tv", "bouquets.radio", "lamedb", "lamedb5"})
        if (dateiname.compare(QLatin1String(ganzerSatz), Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

BouquetWahl BouquetWahlDerDatei(const QString& dateiname) {
    const QString name = dateiname.section(u'/', -1);
    if (name.endsWith(u".radio", Qt::CaseInsensitive))
        return BouquetWahl::Radio;
    if (name.endsWith(u".tv", Qt::CaseInsensitive))
        return BouquetWahl::Fernsehen;
    return BouquetWahl::Beide;
}

ImportFund LeseBouquets(BouquetWahl wahl, const BouquetDateizugriff& lies) {
    BouquetLeser leser(lies);
    if (wahl != BouquetWahl::Radio)
        leser.LiesOberdatei(QStringLiteral("bouquets.tv"), false);
    if (wahl != BouquetWahl::Fernsehen)
        leser.LiesOberdatei(QStringLiteral("bouquets.radio"), true);
    return leser.Fund();
}

} // namespace senvio
