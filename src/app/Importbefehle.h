#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

class QProgressBar;

namespace senvio {

class Dateibefehle;
class Druckbefehle;
class Hauptfenster;
class Listendokument;
class Logobefehle;
struct ImportFund;
struct Importlisten;
struct ProgrammOrdner;
struct Quellenwahl;
struct Receiverabruf;

// "Senderliste importieren..." and "Liste aktualisieren..." of the menu "Datei": a receiver's
// channel list read, its groups chosen, and the channels made a new list, appended, or
// matched with the open list and reviewed.
class Importbefehle {
public:
    Importbefehle(Hauptfenster& fenster, Listendokument& dokument, const ProgrammOrdner& ordner,
                  QProgressBar& fortschritt, Dateibefehle& datei, Logobefehle& logos, Druckbefehle& druck);

    void SenderlisteImportierenClick();
    // The sources chosen as for an import, but without the choice of new list or appending,
    // starting from the folder and the groups the list remembers: their channels are matched
    // with the open list, and what the review leaves is one step, asked again when it would
    // take away more than half of the list or add more than it holds. A list fetched from a box
    // offers the box as its source: its channels of the remembered groups go straight into the
    // review.
    void ListeAktualisierenClick();
    // "Vom Receiver holen...": the channel list fetched from the box, then the import dialog
    // as for files; the box's logos of the imported services attached to them.
    void VomReceiverHolenClick();

private:
    // The logos of the chosen entries by the reference of their service; nothing when the
    // user cancelled, which leaves every list as it was.
    using Logoholer = std::function<std::optional<QHash<QString, QByteArray>>(const Importlisten& listen)>;
    // The import dialog for the find, and the chosen channels a new list or appended.
    void ImportiereFund(const ImportFund& fund, const Logoholer& holeLogos, const Receiverabruf* abruf = nullptr);
    // The review of the matched channels and the update it leaves, remembering `quellen`.
    // `abruf`: the box the channels came from, whose logos the new entries get.
    void PruefeUndAktualisiere(const Importlisten& listen, const Quellenwahl& quellen,
                               const Receiverabruf* abruf = nullptr);
    // The update from the box the list was fetched from.
    void AktualisiereVomReceiver(const Quellenwahl& gemerkt);

    Hauptfenster& m_fenster;
    Listendokument& m_dokument;
    const ProgrammOrdner& m_ordner;
    QProgressBar& m_fortschritt;
    Dateibefehle& m_datei;
    Logobefehle& m_logos;
    Druckbefehle& m_druck;
};

} // namespace senvio
