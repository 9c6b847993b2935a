#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace senvio {

// Edits the name of one entry and can replace its logo by a placeholder.
class TbearbeitenForm : public QDialog {
    Q_OBJECT
public:
    explicit TbearbeitenForm(QWidget* eltern = nullptr);
    QLineEdit* TntEdit1 = nullptr;
    QCheckBox* LogoEntfernenCheckBox = nullptr;
};

} // namespace senvio
