#include "view/Namenseinpassung.h"

#include "list/Zeilenformat.h"

#include <QFontMetrics>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <vector>

namespace senvio {

int TabAbstand(const QFont& schrift) {
    return 5 * QFontMetrics(schrift).averageCharWidth();
}

int Zeilenbreite(const QFont& schrift, const QString& text) {
    return QFontMetrics(schrift).size(Qt::TextSingleLine | Qt::TextExpandTabs, text, TabAbstand(schrift)).width();
}

namespace {

const QString Auslassung = QStringLiteral("…");

// Measures many texts in one font.
class Messer {
public:
    explicit Messer(const QFont& schrift) : m_masse(schrift), m_tab(TabAbstand(schrift)) {}
    int Breite(const QString& text) const {
        return m_masse.size(Qt::TextSingleLine | Qt::TextExpandTabs, text, m_tab).width();
    }

private:
    QFontMetrics m_masse;
    int m_tab;
};

// The stretch at which the font is drawn as it is: a condensed face has its own (DejaVu Sans
// Condensed 87), and QFont::setStretch counts from the normal width, not from the face's.
int EigeneDehnung(const QFont& schrift) {
    if (schrift.stretch() > 0)
        return schrift.stretch();
    thread_local QHash<QString, int> bekannt;
    const QString schluessel = schrift.key();
    if (const auto it = bekannt.constFind(schluessel); it != bekannt.cend())
        return *it;
    const QString probe = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QFont normal = schrift;
    normal.setStretch(100);
    const int breit = QFontMetrics(normal).horizontalAdvance(probe);
    const int dehnung =
        breit > 0 ? std::clamp(qRound(100.0 * QFontMetrics(schrift).horizontalAdvance(probe) / breit), 1, 4000) : 100;
    bekannt.insert(schluessel, dehnung);
    return dehnung;
}

QFont Gedehnt(const QFont& schrift, int dehnung) {
    QFont schmal = schrift;
    schmal.setStretch(dehnung);
    return schmal;
}

bool IstTrenner(QChar z) {
    return z == u' ' || z == u'\t' || z == u'_' || z == u'|' || z == u'/';
}

// Where the words of a name begin.
std::vector<qsizetype> Wortanfaenge(const QString& name) {
    std::vector<qsizetype> anfaenge;
    for (qsizetype i = 0; i < name.size(); ++i)
        if (!IstTrenner(name[i]) && (i == 0 || IstTrenner(name[i - 1])))
            anfaenge.push_back(i);
    return anfaenge;
}

// A number ("3", "+1", "4K") or a picture quality: what tells "Sky Sport Bundesliga 3 HD"
// from its eight neighbours.
bool IstKennwort(QStringView wort) {
    while (!wort.isEmpty() && !wort.front().isLetterOrNumber())
        wort = wort.mid(1);
    while (!wort.isEmpty() && !wort.back().isLetterOrNumber())
        wort.chop(1);
    if (wort.isEmpty())
        return false;
    if (std::any_of(wort.begin(), wort.end(), [](QChar z) { return z.isDigit(); }))
        return true;
    static const QStringList qualitaet{QStringLiteral("HD"),  QStringLiteral("UHD"), QStringLiteral("SD"),
                                       QStringLiteral("FHD"), QStringLiteral("QHD"), QStringLiteral("HDR"),
                                       QStringLiteral("HEVC")};
    return qualitaet.contains(wort.toString(), Qt::CaseInsensitive);
}

// The index into `anfaenge` of the first word of the distinguishing end; never the first word.
size_t ErstesEndwort(const QString& name, const std::vector<qsizetype>& anfaenge, int mehr) {
    size_t erstes = anfaenge.size() - 1;
    const auto wort = [&](size_t i) {
        const qsizetype ende = i + 1 < anfaenge.size() ? anfaenge[i + 1] : name.size();
        return QStringView(name).mid(anfaenge[i], ende - anfaenge[i]).trimmed();
    };
    size_t k = anfaenge.size();
    while (k > 1 && IstKennwort(wort(k - 1)))
        --k;
    if (k < anfaenge.size())
        erstes = k;
    return size_t(std::max<qsizetype>(1, qsizetype(erstes) - mehr));
}

// A cut that leaves a combining mark or half a surrogate pair on its own moves left.
qsizetype SchnittVor(const QString& name, qsizetype stelle) {
    while (stelle > 1 && stelle < name.size() && (name[stelle].isMark() || name[stelle].isLowSurrogate()))
        --stelle;
    return stelle;
}

// Start, "…" and end of the name: the start without trailing blanks and separators, the end
// with the separator before it.
QString Form(const QString& name, qsizetype kopf, qsizetype ende) {
    QString anfang = name.left(SchnittVor(name, kopf));
    while (anfang.size() > 1 && (IstTrenner(anfang.back()) || anfang.back() == u'-' || anfang.back() == u'(' ||
                                 anfang.back() == u',' || anfang.back() == u':'))
        anfang.chop(1);
    if (ende > 0 && ende < name.size() && IstTrenner(name[ende - 1]))
        --ende;
    return anfang + Auslassung + name.mid(ende);
}

// The name shortened at the narrowest type: first the end that fits beside the shortest
// start, then the longest start that fits beside that end.
QString Kuerze(const QString& name, const Messer& messer, int breite, const Einpassvorgabe& vorgabe) {
    const auto passt = [&](qsizetype kopf, qsizetype ende) {
        return messer.Breite(vorgabe.vorsatz + Form(name, kopf, ende) + vorgabe.nachsatz) <= breite;
    };
    const std::vector<qsizetype> anfaenge = Wortanfaenge(name);
    qsizetype ersterTrenner = 0;
    while (ersterTrenner < name.size() && (ersterTrenner == 0 || !IstTrenner(name[ersterTrenner])))
        ++ersterTrenner;
    const qsizetype mindestKopf =
        std::max(vorgabe.kopfBis, std::clamp<qsizetype>(ersterTrenner, std::min<qsizetype>(3, name.size()), 12));

    // The ends to try, longest first: word by word, then letter by letter within the last word.
    std::vector<qsizetype> enden;
    if (anfaenge.size() > 1) {
        for (size_t i = ErstesEndwort(name, anfaenge, vorgabe.mehrEndwoerter); i < anfaenge.size(); ++i)
            enden.push_back(anfaenge[i]);
    } else {
        // One long word: its last quarter is its end.
        enden.push_back(std::max(mindestKopf, name.size() - std::max<qsizetype>(3, name.size() / 4)));
    }
    for (qsizetype i = enden.back() + 1; i < name.size(); ++i)
        if (!name[i].isMark() && !name[i].isLowSurrogate())
            enden.push_back(i);
    enden.push_back(name.size());

    qsizetype ende = name.size();
    for (const qsizetype e : enden)
        if (e > mindestKopf && passt(mindestKopf, e)) {
            ende = e;
            break;
        }
    // The longest start that fits: at least one letter, at most up to the end kept.
    qsizetype unten = 1, oben = std::max<qsizetype>(1, std::min(ende - 1, name.size() - 1));
    if (!passt(unten, ende))
        return Form(name, 1, ende);
    while (unten < oben) {
        const qsizetype mitte = (unten + oben + 1) / 2;
        if (passt(mitte, ende))
            unten = mitte;
        else
            oben = mitte - 1;
    }
    return Form(name, unten, ende);
}

} // namespace

EingepassterName PasseNamenEin(const QString& name, const QFont& schrift, int breite, const Einpassvorgabe& vorgabe) {
    const QString ganz = vorgabe.vorsatz + name + vorgabe.nachsatz;
    const int voll = Zeilenbreite(schrift, ganz);
    if (voll <= breite)
        return {ganz, name, schrift, false};
    // Narrowed as little as needed: the linear guess, then one step at a time.
    const int eigen = EigeneDehnung(schrift);
    const int schmalste = (eigen * std::clamp(vorgabe.mindestBreiteProzent, 1, 100) + 99) / 100;
    int dehnung = std::clamp(eigen * breite / std::max(1, voll) + 1, schmalste, std::max(schmalste, eigen - 1));
    for (;; --dehnung) {
        const QFont schmal = Gedehnt(schrift, dehnung);
        if (Zeilenbreite(schmal, ganz) <= breite)
            return {ganz, name, schmal, false};
        if (dehnung <= schmalste)
            break;
    }
    const QFont schmal = Gedehnt(schrift, schmalste);
    const QString kurz = Kuerze(name, Messer(schmal), breite, vorgabe);
    return {vorgabe.vorsatz + kurz + vorgabe.nachsatz, kurz, schmal, true};
}

namespace {

// What keeps a shortened name apart from the names it came out alike with.
struct Namensvorgabe {
    int mehrEndwoerter = 0;
    qsizetype kopfBis = 0;
};

Einpassvorgabe VorgabeFuer(const ZeilenTeile& teile, const Namensvorgabe& vorgabe) {
    return {teile.praefix, teile.kopf.mid(teile.praefix.size() + teile.name.size()), vorgabe.mehrEndwoerter,
            vorgabe.kopfBis};
}

// Says from the font's advances, without laying the text out, that a head surely fits. The
// advances of the Latin letters are looked up once; texts with tabs or other letters are
// left to the measuring.
class Schaetzung {
public:
    Schaetzung(const QFont& schrift, int breite) : m_breite(breite) {
        m_vorschub.fill(-1);
        const QRawFont roh = QRawFont::fromFont(schrift);
        if (!roh.isValid())
            return;
        QString zeichen;
        for (char16_t z = u' '; z < Bereich; ++z)
            zeichen.append(QChar(z));
        const QList<quint32> glyphen = roh.glyphIndexesForString(zeichen);
        const QList<QPointF> vorschuebe = roh.advancesForGlyphIndexes(glyphen);
        for (qsizetype i = 0; i < glyphen.size() && i < vorschuebe.size(); ++i)
            if (glyphen[i] != 0)
                m_vorschub[size_t(u' ' + i)] = float(vorschuebe[i].x());
    }
    // The sum of the advances; -1 when a letter is not looked up.
    double Breite(QStringView text) const {
        double summe = 0;
        for (const QChar z : text) {
            if (z.unicode() >= Bereich || m_vorschub[z.unicode()] < 0)
                return -1;
            summe += m_vorschub[z.unicode()];
        }
        return summe;
    }
    bool PasstSicher(QStringView text) const {
        // Laid out, a text differs from its advances by rounding and kerning, which mostly
        // narrows it: a quarter pixel a letter covers that.
        const double summe = Breite(text);
        return summe >= 0 && summe + 2 + double(text.size()) / 4 <= m_breite;
    }

private:
    static constexpr char16_t Bereich = 0x250;
    std::array<float, Bereich> m_vorschub;
    int m_breite;
};

// The end of the word in which `name` first differs from the nearest of `andere`.
qsizetype EndeDesUnterschieds(const QString& name, const QSet<QString>& andere) {
    qsizetype gleich = 0;
    for (const QString& anderer : andere) {
        qsizetype i = 0;
        while (i < name.size() && i < anderer.size() && name[i] == anderer[i])
            ++i;
        if (anderer != name)
            gleich = std::max(gleich, i);
    }
    while (gleich < name.size() && !IstTrenner(name[gleich]))
        ++gleich;
    return gleich;
}

// A name fitted after a prefix as wide as one fitted before comes out the same: the lines of
// a name that stands several times, and every line after renumbering (digits are equally
// wide), are fitted once.
EingepassterName PasseGemerktEin(const ZeilenTeile& teile, const Namensvorgabe& wie, const QFont& schrift, int breite,
                                 const Schaetzung& schaetzung, QHash<QString, EingepassterName>& gemerkt) {
    const Einpassvorgabe vorgabe = VorgabeFuer(teile, wie);
    const double vorsatz = schaetzung.Breite(vorgabe.vorsatz);
    const QChar trenner(u'\x1f');
    const QString schluessel = (vorsatz >= 0 ? QString::number(vorsatz) : vorgabe.vorsatz) + trenner + teile.name +
                               trenner + vorgabe.nachsatz + trenner + QString::number(wie.mehrEndwoerter) + trenner +
                               QString::number(wie.kopfBis);
    auto it = gemerkt.find(schluessel);
    if (it == gemerkt.end())
        it = gemerkt.insert(schluessel, PasseNamenEin(teile.name, schrift, breite, vorgabe));
    EingepassterName kopf = *it;
    kopf.text = vorgabe.vorsatz + kopf.name + vorgabe.nachsatz;
    return kopf;
}

} // namespace

Namenswahl::Namenswahl(const QStringList& zeilen, const QFont& schrift, int breite, const Namenswahl* vorige)
    : m_zeilen(zeilen), m_schrift(schrift), m_breite(breite) {
    // What the choice before this one fitted, unless it grew far beyond the list.
    if (vorige && vorige->FuerSchrift(schrift, breite) &&
        vorige->m_gemerkt.size() < 4 * std::max<qsizetype>(zeilen.size(), 1000))
        m_gemerkt = vorige->m_gemerkt;
    const Schaetzung schaetzung(schrift, breite);
    // The lines of every shortened name.
    struct Gekuerzt {
        QString zeile;
        ZeilenTeile teile;
    };
    QHash<QString, QList<Gekuerzt>> gekuerzt;
    for (const QString& zeile : zeilen) {
        const qsizetype trenner = zeile.indexOf(Trenner);
        if (schaetzung.PasstSicher(trenner < 0 ? QStringView(zeile) : QStringView(zeile).first(trenner + 1)) ||
            m_koepfe.contains(zeile))
            continue;
        ZeilenTeile teile = ZerlegeZeile(zeile);
        EingepassterName kopf = PasseGemerktEin(teile, {}, schrift, breite, schaetzung, m_gemerkt);
        if (!kopf.gekuerzt && kopf.schrift == schrift)
            continue;
        if (kopf.gekuerzt)
            gekuerzt[teile.name].append({zeile, teile});
        m_koepfe.insert(zeile, std::move(kopf));
    }
    // Names that came out alike keep more of themselves, a few rounds at most. A shortened
    // name may also equal another entry's whole name.
    QHash<QString, Namensvorgabe> vorgaben;
    for (int runde = 0; runde < 8 && !gekuerzt.isEmpty(); ++runde) {
        QHash<QString, QSet<QString>> namenJeForm;
        for (auto it = gekuerzt.cbegin(); it != gekuerzt.cend(); ++it)
            for (const Gekuerzt& g : *it)
                namenJeForm[m_koepfe.value(g.zeile).name].insert(it.key());
        for (const QString& zeile : zeilen)
            if (zeile.contains(Auslassung))
                if (const QString name = ZerlegeZeile(zeile).name; namenJeForm.contains(name))
                    namenJeForm[name].insert(name);
        bool geaendert = false;
        for (const QSet<QString>& gleiche : std::as_const(namenJeForm)) {
            if (gleiche.size() < 2)
                continue;
            for (const QString& name : gleiche) {
                const auto lang = gekuerzt.constFind(name);
                if (lang == gekuerzt.cend())
                    continue;
                const ZeilenTeile& erste = lang->front().teile;
                const QString bisher = m_koepfe.value(lang->front().zeile).name;
                // A word more of the end; where that changes nothing, the start up to the difference.
                Namensvorgabe versuch = vorgaben.value(name);
                ++versuch.mehrEndwoerter;
                if (PasseGemerktEin(erste, versuch, schrift, breite, schaetzung, m_gemerkt).name == bisher) {
                    versuch = vorgaben.value(name);
                    versuch.kopfBis = EndeDesUnterschieds(name, gleiche);
                    if (PasseGemerktEin(erste, versuch, schrift, breite, schaetzung, m_gemerkt).name == bisher)
                        continue;
                }
                vorgaben.insert(name, versuch);
                for (const Gekuerzt& g : *lang)
                    m_koepfe.insert(g.zeile, PasseGemerktEin(g.teile, versuch, schrift, breite, schaetzung, m_gemerkt));
                geaendert = true;
            }
        }
        if (!geaendert)
            break;
    }
}

bool Namenswahl::FuerSchrift(const QFont& schrift, int breite) const {
    return breite == m_breite && schrift == m_schrift;
}

bool Namenswahl::GiltFuer(const QStringList& zeilen, const QFont& schrift, int breite) const {
    if (!FuerSchrift(schrift, breite))
        return false;
    if (zeilen == m_zeilen)
        return true;
    if (zeilen.size() >= m_zeilen.size())
        return false;
    if (m_menge.isEmpty())
        m_menge = QSet<QString>(m_zeilen.cbegin(), m_zeilen.cend());
    return std::all_of(zeilen.cbegin(), zeilen.cend(), [this](const QString& z) { return m_menge.contains(z); });
}

const EingepassterName* Namenswahl::Kopf(const QString& zeile) const {
    const auto it = m_koepfe.constFind(zeile);
    return it == m_koepfe.cend() ? nullptr : &*it;
}

EingepassterName PasseKopfEin(const QString& zeile, const QFont& schrift, int breite, const Namenswahl* wahl) {
    if (wahl && wahl->FuerSchrift(schrift, breite))
        if (const EingepassterName* kopf = wahl->Kopf(zeile))
            return *kopf;
    const ZeilenTeile teile = ZerlegeZeile(zeile);
    return PasseNamenEin(teile.name, schrift, breite, VorgabeFuer(teile, {}));
}

} // namespace senvio
