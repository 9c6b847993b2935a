#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace senvio {

// The station picker: a list of station names from a text file, shown beside the
// main window so that one name after another can be inserted. It also carries the
// five placeholder pictures, hidden; the main window gives them their pixels.
class TTextlistenForm : public QWidget {
    Q_OBJECT
public:
    explicit TTextlistenForm(QWidget* eltern = nullptr);
    QListWidget* TntListBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* OhneImage[5] = {};
};

} // namespace senvio
