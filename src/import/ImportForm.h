#pragma once

#include "import/Importquelle.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace senvio {

// Shows what was found in the chosen files: every group in the source's order with its
// channel count, TV and radio apart, each with a tick box (all ticked at first), the
// total of the channels chosen, whether the numbers the receiver leaves free are kept,
// whether later copies of a station are left out, the readers' notes, and whether the
// channels make a new list or are appended to the current one.
class ImportForm : public QDialog {
    Q_OBJECT
public:
    // The find must outlive the dialog.
    explicit ImportForm(const ImportFund& fund, QWidget* eltern = nullptr);

    // One flag per group of the find.
    QList<bool> GruppenWahl() const;
    void WaehleGruppe(int gruppe, bool gewaehlt);
    // Whether the numbers the receiver leaves free become "(frei)" entries.
    bool NummernDesEmpfaengers() const;
    // Whether the second and later copies of a station are left out.
    bool DoppelteWeglassen() const;
    bool Anhaengen() const;
    void SetzeAnhaengen(bool anhaengen);

private:
    QTreeWidget* Gruppen = nullptr;
    QLabel* Summe = nullptr;
    QCheckBox* NummernBehalten = nullptr; // shown only when the receiver leaves numbers free
    QCheckBox* OhneDoppelte = nullptr;    // shown only when the choice holds a station twice
    QRadioButton* NeueListe = nullptr;
    QRadioButton* AnListeAnhaengen = nullptr;
    QPushButton* OkKnopf = nullptr;
    void ZeigeSumme();

    const ImportFund& m_fund;
    QList<QTreeWidgetItem*> m_gruppen; // one row per group of the find
    bool m_summeFaellig = false;
};

} // namespace senvio
