#pragma once

#include "dokument/Quellendatei.h"
#include "list/Listensperre.h"
#include "list/SenderListe.h"
#include "platform/Ordner.h"
#include "view/Eintrag.h"
#include "view/Listenmodell.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <optional>

// The open list: its lines (through the model the views read), its name and file, the
// placeholder counter, the history of its changes and what an import knew of each entry.
// The window, senvio-import and senvio-druck work on it; every change goes through
// Aendere, so that none forgets its step of the history, its renumbering or its save.
namespace senvio {

// The list a start without a list name begins with: a list without name would live in
// the hidden files ".lis" and ".pdf".
inline const QString StandardListenname = QStringLiteral("Meine Senderliste");

enum class Speichern {
    Sofort,  // the list file is written with the change
    Spaeter, // the next save or the end of the program writes it
};

// A command's change of the list: the step's name in the history ("Rückgängig: <name>"),
// whether the file is written at once, whether the lines are renumbered afterwards, whether
// it is a step of the history at all.
struct Schritt {
    QString name;
    Speichern speichern = Speichern::Spaeter;
    bool nummerieren = true;
    // False where there is nothing to go back to (an import into an empty list): the step
    // would only keep every line once more.
    bool imVerlauf = true;
};

// How the document reaches the selection of the view that shows it; without a view the
// selection is a plain number.
struct Auswahlbindung {
    std::function<int()> lies;
    std::function<void(int)> setze;
};

class Listendokument;
struct Zeilenwechsel;

// What a print or picture run of the document is for: a print on paper ends the waiting of
// the cards an update changed; a print into a file, a picture and a preview do not.
enum class Ausgabezweck { Bild, Druck, Druckdatei, Vorschau };

// What a change may do to the list; each operation keeps the entries' import knowledge
// with the entries.
class Listenaenderung {
public:
    const SenderListe& Liste() const;
    int& Platzhalterzaehler();
    void Ersetze(int zeile, const QString& neu);
    void HaengeAn(const QString& zeile);
    void Loesche(int zeile);
    void Verschiebe(int von, int nach);
    // A change on the lines as a whole: unchanged lines keep their knowledge, and within
    // the changed stretch the first lines keep theirs by place; lines added get none.
    void AendereZeilen(const std::function<void(SenderListe&)>& aenderung);
    void SetzeHerkunft(int zeile, Eintragsherkunft herkunft);
    // The row selected once the change is done.
    void Waehle(int zeile);
    // The lines as they were before this change are what the printed cards show, unless an
    // earlier stand still waits to be printed (GeaenderteKarten compares with it). The next
    // save keeps that stand beside the list (Druckstand.h).
    void MerkeGedrucktenStand();
    // Where the list came from as a whole (GemerkteQuellen); taken back with the step.
    void MerkeQuellen(Quellenwahl wahl);

private:
    friend class Listendokument;
    Listenaenderung(Listendokument& dokument, const QStringList& vorher) : m_dokument(dokument), m_vorher(vorher) {}
    Listendokument& m_dokument;
    const QStringList& m_vorher;
    bool m_geaendert = false;
};

class Listendokument : public QObject {
    Q_OBJECT
public:
    explicit Listendokument(const ProgrammOrdner& ordner, QObject* eltern = nullptr);
    ~Listendokument() override;

    const ProgrammOrdner& Ordner() const { return m_ordner; }
    const SenderListe& Liste() const { return m_modell.Liste(); }
    // The program folder and the placeholder counter; they change only through the document.
    const Eintragsumgebung& Umgebung() const { return m_umgebung; }
    // For the one view that shows the list: the rows, and the drawing state, whose placeholder
    // counter advances as entries are drawn. The view changes nothing else through them.
    struct Anzeige {
        QAbstractItemModel& modell;
        Eintragsumgebung& umgebung;
    };
    Anzeige FuerAnsicht() { return {m_modell, m_umgebung}; }
    const QString& Name() const { return m_name; }
    // The list's file: the one of the lists folder it was opened from, else by its name.
    QString Datei() const;
    // The list in memory is the whole list of its name; only then may the end save it.
    bool Vollstaendig() const { return m_vollstaendig; }
    const QUndoStack& Verlauf() const { return m_verlauf; }
    void VergissVerlauf();
    const Eintragsherkunft& Herkunft(qsizetype zeile) const;
    void SetzeAuswahlbindung(Auswahlbindung bindung);

    // The three ways a list becomes the open one, all through one switch: the name, the
    // file, the placeholder counter by the way's rule, a new history, no import knowledge.
    // A new list keeps the old list's Unicode flag.
    void BeginneNeu(const QString& name);
    // The list of this name from the settings, read whole; a file that does not exist
    // gives an empty list. Throws when the file cannot be read: nothing changes then.
    // Without a name: the standard list, which takes in the nameless list file of
    // earlier versions when it has none of its own yet. No list keeps an empty name.
    void LadeLetzte(const QString& name);
    // The start of the window: the placeholder counter from 0, the last list (LadeLetzte), the
    // lines renumbered; renumbered also when reading failed, whose error follows.
    void Starte(const QString& name);
    // A list file read as at start-up (senvio-druck); throws when it cannot be read.
    void Lade(const QString& datei, const QString& name);
    // A chosen file; `eigeneDatei` is the file to save to, empty: found by the name.
    // Throws when the file cannot be read: nothing changes then.
    void Oeffne(const QString& gewaehlt, const QString& name, const QString& eigeneDatei);

    // The one change routine: runs the change, records it as a step of the history
    // (nothing when the lines stayed as they were), writes the file when the step says
    // so and something changed, and renumbers. A change that ends in an error (the save
    // failed) has happened in memory and is recorded too.
    void Aendere(const Schritt& schritt, const std::function<void(Listenaenderung&)>& aenderung);
    // The lines renumbered; views learn of it by Nummeriert.
    void NummeriereNeu();
    // Writes the list file under its lock. When another program has changed the file since
    // this document read or wrote it, the question (set by the window) decides; without one
    // the file is written, as a tool holds the lock from reading on.
    void Speichere();
    // The save before another list becomes the open one: an empty list that has no file yet
    // leaves none behind.
    void SpeichereVorDemWechsel();
    void SetzeUeberschreibfrage(std::function<bool(const QString& name)> frage);
    // The lines changed since the list file was last read or written.
    bool Ungespeichert() const { return m_ungespeichert; }
    // Writes the lines beside the list file as "NAME.lis.fenster", for an end that could not
    // write them into it; returns that file. Throws DateiFehler.
    QString SichereFensterstand();
    // Why the import knowledge beside the list was not used when it was read; empty when it was.
    const QString& Quellenhinweis() const { return m_quellenhinweis; }
    // Where the list came from as a whole; written with the list's next save.
    const Quellenwahl& GemerkteQuellen() const { return m_quellenwahl; }
    // The list and its import knowledge as they are now, kept as "NAME.lis.vorher" and
    // "NAME.quellen.vorher" beside the list file (one generation; no knowledge removes the
    // older copy of it). Throws DateiFehler when they cannot be written.
    void SichereVorigenStand();
    // The cards (numbered from 1, in list order) whose entries differ from the printed ones
    // (Listenaenderung::MerkeGedrucktenStand); empty when none do or none waits to be printed.
    QList<int> GeaenderteKarten() const;
    // No card waits to be printed any more: the user said so, or they went to a printer by
    // another way than ZeichneAusgabe. The stand kept beside the list goes.
    void BeendeWarten();
    // A print or picture run: `zeichne` draws `linien` with the drawing state, whose placeholder
    // counter advances as the entries are drawn. `linien` is the list, or with `nurGeaenderte`
    // only the lines of the cards an update changed (all when none waits), and drawing such a
    // part leaves the counter as it was. A print on paper that `zeichne` reports whole ends the
    // waiting.
    bool ZeichneAusgabe(Ausgabezweck zweck, bool nurGeaenderte,
                        const std::function<bool(const SenderListe& linien, Eintragsumgebung& umgebung)>& zeichne);
    // A copy under another file; the list's name and file stay.
    void SpeichereUnter(const QString& pfad);
    // Takes the last step back or makes it again, renumbers and saves; false when there
    // was none.
    bool Rueckgaengig();
    bool Wiederhole();

signals:
    // The lines were renumbered: after every command that renumbers, also when no number changed.
    void Nummeriert();
    // Another list is open.
    void Gewechselt();

private:
    friend class Listenaenderung;
    friend class Listenschritt;
    enum class Wechselart { Neu, Start, Geoeffnet };
    void Wechsle(Wechselart art, QString name, QString datei, SenderListe liste, Dateistand stand,
                 GeleseneQuellen quellen = {}, std::optional<QStringList> gedruckt = std::nullopt);
    void NimmSchrittAuf(const QString& name, const QStringList& vorher, const QList<Eintragsherkunft>& herkunftVorher,
                        int auswahlVorher, const Quellenwahl& quellenVorher);
    void WendeSchrittAn(const Zeilenwechsel& wechsel, bool vorwaerts, const QList<Eintragsherkunft>& herkunft,
                        int auswahl, const Quellenwahl& quellen);
    int Auswahl() const;
    bool Schreite(bool vorwaerts);

    ProgrammOrdner m_ordner;
    Listenmodell m_modell;
    Eintragsumgebung m_umgebung;
    // Index for index with the lines.
    QList<Eintragsherkunft> m_herkunft;
    QString m_quellenhinweis;
    Quellenwahl m_quellenwahl;
    std::optional<QStringList> m_gedruckt;
    QString m_name;
    QString m_datei;
    // The file as this document last saw it: read, written or found missing.
    Dateistand m_stand;
    std::function<bool(const QString&)> m_ueberschreibfrage;
    bool m_vollstaendig = false;
    bool m_ungespeichert = false;
    QUndoStack m_verlauf;
    Auswahlbindung m_auswahl;
    int m_eigeneAuswahl = -1;
};

} // namespace senvio
