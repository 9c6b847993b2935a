#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace senvio {

// Edits the name of one entry and its short name for the large print, and can replace its
// logo by a placeholder.
class TbearbeitenForm : public QDialog {
    Q_OBJECT
public:
    explicit TbearbeitenForm(QWidget* eltern = nullptr);
    // The name field; the tick of "Logo entfernen" stays as the user left it.
    void SetzeName(const QString& name);
    QString Name() const;
    bool LogoEntfernen() const;
    // The short name the large print sets instead of a long name; empty: the name.
    void SetzeKurzname(const QString& kurzname);
    QString Kurzname() const;
    // The list font at 10 points, and its colour, for the field and the tick box.
    void SetzeListenschrift(const QFont& schrift, const QColor& farbe);

private:
    QLineEdit* TntEdit1 = nullptr;
    QCheckBox* LogoEntfernenCheckBox = nullptr;
    QLineEdit* KurznameEdit = nullptr;
};

} // namespace senvio
