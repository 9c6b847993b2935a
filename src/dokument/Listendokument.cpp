#include "dokument/Listendokument.h"

#include "dokument/Druckstand.h"
#include "list/Listendatei.h"
#include "list/Platzhalterzaehler.h"
#include "list/Zeilenwechsel.h"
#include "output/Kartenbilder.h"

#include <QFileInfo>

#include <algorithm>
#include <optional>

namespace senvio {

namespace {
const Eintragsherkunft KeineHerkunft;
} // namespace

// A step holds only the stretch of entries that changed, their import knowledge with
// them, the selection and where the list came from before and after.
class Listenschritt : public QUndoCommand {
public:
    struct Stand {
        QList<Eintragsherkunft> herkunft; // of the changed stretch
        int auswahl;
        Quellenwahl quellen;
    };
    Listenschritt(Listendokument& dokument, const QString& name, Zeilenwechsel wechsel, Stand vorher, Stand nachher)
        : QUndoCommand(name), m_dokument(dokument), m_wechsel(std::move(wechsel)), m_vorher(std::move(vorher)),
          m_nachher(std::move(nachher)) {}

    void undo() override {
        m_dokument.WendeSchrittAn(m_wechsel, false, m_vorher.herkunft, m_vorher.auswahl, m_vorher.quellen);
    }
    void redo() override {
        // Pushed after the command made the change: the first call has nothing to do.
        if (m_schonGetan) {
            m_schonGetan = false;
            return;
        }
        m_dokument.WendeSchrittAn(m_wechsel, true, m_nachher.herkunft, m_nachher.auswahl, m_nachher.quellen);
    }

private:
    Listendokument& m_dokument;
    Zeilenwechsel m_wechsel;
    Stand m_vorher;
    Stand m_nachher;
    bool m_schonGetan = true;
};

const SenderListe& Listenaenderung::Liste() const {
    return m_dokument.Liste();
}

int& Listenaenderung::Platzhalterzaehler() {
    return m_dokument.m_umgebung.platzhalterzaehler;
}

void Listenaenderung::Ersetze(int zeile, const QString& neu) {
    m_dokument.m_modell.Ersetze(zeile, neu);
    m_geaendert = true;
}

void Listenaenderung::HaengeAn(const QString& zeile) {
    m_dokument.m_herkunft.append(Eintragsherkunft{});
    m_dokument.m_modell.HaengeAn(zeile);
    m_geaendert = true;
}

void Listenaenderung::Loesche(int zeile) {
    m_dokument.m_herkunft.removeAt(zeile);
    m_dokument.m_modell.Loesche(zeile);
    m_geaendert = true;
}

void Listenaenderung::Verschiebe(int von, int nach) {
    m_dokument.m_herkunft.move(von, nach);
    m_dokument.m_modell.Verschiebe(von, nach);
    m_geaendert = true;
}

void Listenaenderung::AendereZeilen(const std::function<void(SenderListe&)>& aenderung) {
    const Listenmodell::Wechsel wechsel = m_dokument.m_modell.SchreibeUm(aenderung);
    QList<Eintragsherkunft>& herkunft = m_dokument.m_herkunft;
    if (wechsel.hin > wechsel.weg)
        herkunft.insert(wechsel.ab + wechsel.weg, wechsel.hin - wechsel.weg, Eintragsherkunft{});
    else if (wechsel.weg > wechsel.hin)
        herkunft.remove(wechsel.ab + wechsel.hin, wechsel.weg - wechsel.hin);
    m_geaendert = m_geaendert || wechsel.weg > 0 || wechsel.hin > 0;
}

void Listenaenderung::SetzeHerkunft(int zeile, Eintragsherkunft herkunft) {
    // Knowledge the user gave (a short name) is saved like a change of the line.
    m_geaendert = m_geaendert || !(m_dokument.m_herkunft[zeile] == herkunft);
    m_dokument.m_herkunft[zeile] = std::move(herkunft);
}

void Listenaenderung::MerkeQuellen(Quellenwahl wahl) {
    m_geaendert = m_geaendert || wahl != m_dokument.m_quellenwahl;
    m_dokument.m_quellenwahl = std::move(wahl);
}

void Listenaenderung::Waehle(int zeile) {
    m_dokument.m_auswahl.setze(zeile);
}

void Listenaenderung::MerkeGedrucktenStand() {
    if (!m_dokument.m_gedruckt)
        m_dokument.m_gedruckt = m_vorher;
}

Listendokument::Listendokument(const ProgrammOrdner& ordner, QObject* eltern)
    : QObject(eltern), m_ordner(ordner), m_verlauf(this) {
    m_umgebung.programmOrdner = ordner.programm;
    SetzeAuswahlbindung({});
}

Listendokument::~Listendokument() {
    // The steps refer to the document: they go first.
    m_verlauf.clear();
}

QString Listendokument::Datei() const {
    return m_datei.isEmpty() ? FindeListendatei(m_ordner.listen, m_name) : m_datei;
}

const Eintragsherkunft& Listendokument::Herkunft(qsizetype zeile) const {
    return zeile >= 0 && zeile < m_herkunft.size() ? m_herkunft[zeile] : KeineHerkunft;
}

void Listendokument::SetzeAuswahlbindung(Auswahlbindung bindung) {
    if (!bindung.lies || !bindung.setze)
        bindung = {[this] { return m_eigeneAuswahl; }, [this](int zeile) { m_eigeneAuswahl = zeile; }};
    m_auswahl = std::move(bindung);
}

int Listendokument::Auswahl() const {
    return m_auswahl.lies();
}

void Listendokument::Wechsle(Wechselart art, QString name, QString datei, SenderListe liste, Dateistand stand,
                             GeleseneQuellen quellen, std::optional<QStringList> gedruckt) {
    if (name.isEmpty()) {
        name = StandardListenname;
        datei.clear();
    }
    int& zaehler = m_umgebung.platzhalterzaehler;
    switch (art) {
    case Wechselart::Neu:
        liste.SetzeUnicode(Liste().IstUnicode());
        break;
    case Wechselart::Start:
        zaehler = PlatzhalterzaehlerNachStart(liste.Zeilen(), zaehler);
        break;
    case Wechselart::Geoeffnet:
        zaehler = PlatzhalterzaehlerNachOeffnen(liste.Zeilen(), m_ordner.programm, zaehler);
        break;
    }
    m_verlauf.clear();
    m_herkunft = quellen.herkunft.size() == liste.Anzahl() ? std::move(quellen.herkunft)
                                                           : QList<Eintragsherkunft>(liste.Anzahl());
    m_quellenhinweis = quellen.hinweis;
    m_quellenwahl = std::move(quellen.wahl);
    m_gedruckt = std::move(gedruckt);
    m_modell.SetzeAlle(std::move(liste));
    m_name = name;
    m_datei = datei;
    m_stand = stand;
    m_vollstaendig = true;
    m_ungespeichert = false;
    emit Gewechselt();
}

// A new list replaces a file of its name only when the user has said so: the file as it is
// now is the one to replace.
void Listendokument::BeginneNeu(const QString& name) {
    Wechsle(Wechselart::Neu, name, {}, {}, LiesDateistand(FindeListendatei(m_ordner.listen, name)));
}

void Listendokument::LadeLetzte(const QString& name) {
    QString datei = FindeListendatei(m_ordner.listen, name.isEmpty() ? StandardListenname : name);
    if (const QString namenlos = m_ordner.listen + QStringLiteral(".lis");
        name.isEmpty() && !QFileInfo::exists(datei) && QFileInfo::exists(namenlos))
        datei = namenlos;
    if (QFileInfo::exists(datei))
        Lade(datei, name);
    else
        Wechsle(Wechselart::Start, name, datei, {}, {});
}

void Listendokument::Starte(const QString& name) {
    m_umgebung.platzhalterzaehler = 0;
    try {
        LadeLetzte(name);
    } catch (...) {
        NummeriereNeu();
        throw;
    }
    NummeriereNeu();
}

// The state is taken before reading: a change made while the file is read is then noticed.
void Listendokument::Lade(const QString& datei, const QString& name) {
    const Dateistand stand = LiesDateistand(datei);
    SenderListe gelesen;
    QByteArray bytes;
    LeseListendatei(datei, gelesen, &bytes);
    GeleseneQuellen quellen = LeseQuellen(QuellendateiZu(datei), gelesen.Zeilen(), &bytes);
    Wechsle(Wechselart::Start, name, datei, std::move(gelesen), stand, std::move(quellen),
            LeseDruckstand(DruckstandZu(datei)));
}

void Listendokument::Oeffne(const QString& gewaehlt, const QString& name, const QString& eigeneDatei) {
    const Dateistand stand =
        LiesDateistand(eigeneDatei.isEmpty() ? FindeListendatei(m_ordner.listen, name) : eigeneDatei);
    SenderListe gelesen;
    QByteArray bytes;
    LeseListendatei(gewaehlt, gelesen, &bytes);
    GeleseneQuellen quellen = LeseQuellen(QuellendateiZu(gewaehlt), gelesen.Zeilen(), &bytes);
    Wechsle(Wechselart::Geoeffnet, name, eigeneDatei, std::move(gelesen), stand, std::move(quellen),
            LeseDruckstand(DruckstandZu(gewaehlt)));
}

void Listendokument::Aendere(const Schritt& schritt, const std::function<void(Listenaenderung&)>& aenderung) {
    const QStringList vorher = Liste().Zeilen();
    const QList<Eintragsherkunft> herkunftVorher = m_herkunft;
    const int auswahlVorher = Auswahl();
    const Quellenwahl quellenVorher = m_quellenwahl;
    Listenaenderung aenderer(*this, vorher);
    try {
        aenderung(aenderer);
    } catch (...) {
        if (schritt.imVerlauf)
            NimmSchrittAuf(schritt.name, vorher, herkunftVorher, auswahlVorher, quellenVorher);
        throw;
    }
    if (schritt.imVerlauf)
        NimmSchrittAuf(schritt.name, vorher, herkunftVorher, auswahlVorher, quellenVorher);
    m_ungespeichert = m_ungespeichert || aenderer.m_geaendert;
    if (schritt.speichern == Speichern::Sofort && aenderer.m_geaendert)
        Speichere();
    if (schritt.nummerieren)
        NummeriereNeu();
}

void Listendokument::NimmSchrittAuf(const QString& name, const QStringList& vorher,
                                    const QList<Eintragsherkunft>& herkunftVorher, int auswahlVorher,
                                    const Quellenwahl& quellenVorher) {
    try {
        Zeilenwechsel wechsel = VergleicheZeilen(
            vorher, Liste().Zeilen(), [&](qsizetype i, qsizetype j) { return herkunftVorher[i] == m_herkunft[j]; });
        if (wechsel.IstLeer() && quellenVorher == m_quellenwahl)
            return;
        Listenschritt::Stand alt{herkunftVorher.mid(wechsel.ab, wechsel.vorher.size()), auswahlVorher, quellenVorher};
        Listenschritt::Stand neu{m_herkunft.mid(wechsel.ab, wechsel.nachher.size()), Auswahl(), m_quellenwahl};
        m_verlauf.push(new Listenschritt(*this, name, std::move(wechsel), std::move(alt), std::move(neu)));
    } catch (const std::exception&) {
        // Out of memory for the step: the change stands, it only cannot be taken back.
        m_verlauf.clear();
    }
}

void Listendokument::WendeSchrittAn(const Zeilenwechsel& wechsel, bool vorwaerts,
                                    const QList<Eintragsherkunft>& herkunft, int auswahl, const Quellenwahl& quellen) {
    bool passt = true;
    m_ungespeichert = true;
    m_quellenwahl = quellen;
    m_modell.SchreibeUm([&](SenderListe& liste) { passt = WendeAn(liste, wechsel, vorwaerts); });
    if (passt) {
        const qsizetype weg = (vorwaerts ? wechsel.vorher : wechsel.nachher).size();
        m_herkunft = m_herkunft.first(wechsel.ab) + herkunft + m_herkunft.sliced(wechsel.ab + weg);
    }
    NummeriereNeu();
    m_auswahl.setze(std::min(auswahl, int(Liste().Anzahl()) - 1));
    // Only a change that bypassed the history could make a step not fit: the history is
    // then no longer the list's.
    if (!passt)
        QMetaObject::invokeMethod(&m_verlauf, &QUndoStack::clear, Qt::QueuedConnection);
}

void Listendokument::NummeriereNeu() {
    m_modell.NummeriereNeu();
    emit Nummeriert();
}

void Listendokument::Speichere() {
    const QString datei = Datei();
    std::optional<Listensperre> sperre(std::in_place, datei);
    // A file that was removed is simply written again; what stands in its place and is no file
    // makes the save fail with its message.
    const Dateistand jetzt = LiesDateistand(datei);
    if (m_ueberschreibfrage && jetzt.normaleDatei && jetzt != m_stand) {
        // No program waits for the lock while the user thinks.
        sperre.reset();
        if (!m_ueberschreibfrage(m_name))
            return;
        sperre.emplace(datei);
    }
    m_modell.Speichere(
        [&](const SenderListe& liste) { return SchreibeListeMitQuellen(datei, liste, m_herkunft, m_quellenwahl); });
    m_stand = LiesDateistand(datei);
    m_ungespeichert = false;
    // Kept while cards wait; an update taken back leaves none waiting, but may be made again.
    SchreibeDruckstand(DruckstandZu(datei), GeaenderteKarten().isEmpty() ? std::nullopt : m_gedruckt);
}

void Listendokument::SpeichereVorDemWechsel() {
    if (Liste().Anzahl() == 0 && !QFileInfo::exists(Datei()))
        return;
    Speichere();
}

void Listendokument::SetzeUeberschreibfrage(std::function<bool(const QString&)> frage) {
    m_ueberschreibfrage = std::move(frage);
}

QString Listendokument::SichereFensterstand() {
    const QString daneben = Datei() + QStringLiteral(".fenster");
    SenderListe kopie = Liste();
    SchreibeListendatei(daneben, kopie);
    return daneben;
}

void Listendokument::SpeichereUnter(const QString& pfad) {
    m_modell.Speichere(
        [&](const SenderListe& liste) { return SchreibeListeMitQuellen(pfad, liste, m_herkunft, m_quellenwahl); });
    if (QFileInfo(pfad) == QFileInfo(Datei())) {
        m_stand = LiesDateistand(pfad);
        m_ungespeichert = false;
    }
}

void Listendokument::SichereVorigenStand() {
    const QString datei = Datei();
    const QString vorher = QStringLiteral(".vorher");
    SenderListe kopie = Liste();
    SchreibeListendatei(datei + vorher, kopie);
    // Tied to the copy of the list, so that the pair, renamed back, is taken as one.
    const QByteArray bytes = KodiereListe(kopie.Zeilen(), kopie.IstUnicode());
    SchreibeQuellen(QuellendateiZu(datei) + vorher, Liste().Zeilen(), m_herkunft, m_quellenwahl, &bytes);
}

void Listendokument::VergissVerlauf() {
    m_verlauf.clear();
}

QList<int> Listendokument::GeaenderteKarten() const {
    QList<int> karten;
    if (!m_gedruckt)
        return karten;
    const QStringList& jetzt = Liste().Zeilen();
    for (qsizetype ab = 0; ab < jetzt.size(); ab += EintraegeJeKarte)
        if (jetzt.mid(ab, EintraegeJeKarte) != m_gedruckt->mid(ab, EintraegeJeKarte))
            karten.append(int(ab / EintraegeJeKarte) + 1);
    return karten;
}

bool Listendokument::ZeichneAusgabe(
    Ausgabezweck zweck, bool nurGeaenderte,
    const std::function<bool(const SenderListe& linien, Eintragsumgebung& umgebung)>& zeichne) {
    const QList<int> karten = nurGeaenderte ? GeaenderteKarten() : QList<int>();
    // The lines keep their numbers, so each card comes out as it stands in the whole list.
    SenderListe teil;
    for (const int karte : karten)
        for (const QString& zeile : Liste().Zeilen().mid((karte - 1) * EintraegeJeKarte, EintraegeJeKarte))
            teil.HaengeAn(zeile);
    // Set back also when drawing ends in an error.
    struct Zaehlerstand {
        int& zaehler;
        const int vorher;
        const bool zuruecksetzen;
        ~Zaehlerstand() {
            if (zuruecksetzen)
                zaehler = vorher;
        }
    } stand{m_umgebung.platzhalterzaehler, m_umgebung.platzhalterzaehler, !karten.isEmpty()};
    const bool ganz = zeichne(karten.isEmpty() ? Liste() : teil, m_umgebung);
    // The cards are on paper now: none waits to be printed any more.
    if (ganz && zweck == Ausgabezweck::Druck)
        BeendeWarten();
    return ganz;
}

void Listendokument::BeendeWarten() {
    m_gedruckt.reset();
    SchreibeDruckstand(DruckstandZu(Datei()), std::nullopt);
}

bool Listendokument::Rueckgaengig() {
    return Schreite(false);
}

bool Listendokument::Wiederhole() {
    return Schreite(true);
}

bool Listendokument::Schreite(bool vorwaerts) {
    if (!(vorwaerts ? m_verlauf.canRedo() : m_verlauf.canUndo()))
        return false;
    vorwaerts ? m_verlauf.redo() : m_verlauf.undo();
    Speichere();
    return true;
}

} // namespace senvio
