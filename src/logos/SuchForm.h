#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace senvio {

// The search among the logo file names of the current group.
class TSuchForm : public QDialog {
    Q_OBJECT
public:
    explicit TSuchForm(QWidget* eltern = nullptr);
    QLineEdit* TntEdit1 = nullptr;
    QPushButton* SuchButton = nullptr;
    QLabel* TntLabel1 = nullptr;
    QListWidget* TntListBox1 = nullptr;
    QListWidget* TntListBox2 = nullptr;
};

} // namespace senvio
