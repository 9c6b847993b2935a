#pragma once

#include "output/Rueckseite.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

// "Rückseite...": the lines of the large print's back side, each a key label and what it
// does, started from a preset by the TV's brand.
namespace senvio {

class TRueckseiteForm : public QDialog {
    Q_OBJECT
public:
    TRueckseiteForm(const QList<Rueckseitenzeile>& zeilen, QWidget* eltern);
    QList<Rueckseitenzeile> Zeilen() const;
    void SetzeZeilen(const QList<Rueckseitenzeile>& zeilen);

private:
    QComboBox* m_vorlage;
    QLineEdit* m_taste[RueckseiteZeilenHoechstens];
    QLineEdit* m_wirkung[RueckseiteZeilenHoechstens];
};

// The back side of the list in `listendatei`: read, edited in the dialog, written on "OK".
// Throws DateiFehler when it cannot be written.
void BearbeiteRueckseite(QWidget* eltern, const QString& listendatei);

} // namespace senvio
