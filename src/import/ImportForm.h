#pragma once

#include "import/Import.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace senvio {

// Shows what was found in the chosen files: every group in the source's order with its
// channel count, TV and radio apart, each with a tick box (ticked as the find says), the
// total of the channels chosen and of the entries they give, whether the numbers the receiver leaves free are kept,
// whether later channels of one service are left out (and which), whether radio gets a
// list of its own, the readers' notes, and whether the channels make a new list or are
// appended to the current one.
class TImportForm : public QDialog {
    Q_OBJECT
public:
    // Updating brings the current list up to date: the channels go into no other list, so
    // the choice of new list or appending is not offered.
    enum class Zweck { Importieren, Aktualisieren };
    // The find must outlive the dialog. `aktuelleListe` names the list appended to.
    TImportForm(const ImportFund& fund, QString aktuelleListe, QWidget* eltern = nullptr,
                Zweck zweck = Zweck::Importieren);

    // One flag per group of the find.
    QList<bool> GruppenWahl() const;
    void WaehleGruppe(int gruppe, bool gewaehlt);
    // The options as ticked.
    ImportOptionen Optionen() const;
    bool Anhaengen() const;
    void SetzeAnhaengen(bool anhaengen);
    // "Jedes Bouquet beginnt bei 1", as a list remembers it from its import.
    void SetzeBouquetAbEins(bool abEins);

private:
    QTreeWidget* Gruppen = nullptr;
    QLabel* Summe = nullptr;
    QCheckBox* NummernBehalten = nullptr;  // shown only when the receiver leaves numbers free
    QLabel* Luecken = nullptr;             // shown only when its gaps are too large to keep
    QCheckBox* OhneDoppelte = nullptr;     // shown only when the choice holds a service twice
    QLabel* Weggelassen = nullptr;         // the copies left out
    QCheckBox* RadioEigeneListe = nullptr; // shown only when the receiver numbers the chosen radio on its own
    QCheckBox* BouquetAbEins = nullptr;    // shown only for a receiver's bouquets
    QRadioButton* NeueListe = nullptr;
    QRadioButton* AnListeAnhaengen = nullptr;
    QPushButton* OkKnopf = nullptr;
    void ZeigeSumme();
    // A list of a TV ticked unticks the TV's other lists: each counts from 1.
    void WaehleNurEineListe(QTreeWidgetItem* zeile);
    bool RadiolisteBenannt() const;

    const ImportFund& m_fund;
    const QString m_aktuelleListe;
    QList<QTreeWidgetItem*> m_gruppen; // one row per group of the find
    bool m_summeFaellig = false;
};

// The import's choice of files: the file dialog, starting in the folder of the last
// import (settings key "ImportOrdner") or in `startordner` when it is given and there, and
// the chosen files read with the progress bar running; nothing when the dialog was cancelled.
std::optional<ImportFund> WaehleImportquellen(QWidget* eltern, const QString& einstellungen, QProgressBar& fortschritt,
                                              const QString& startordner = {});

} // namespace senvio
