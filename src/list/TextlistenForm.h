#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QPixmap;
class QPushButton;

namespace senvio {

// The station picker: a list of station names from a text file, shown beside the
// main window so that one name after another can be inserted. It also carries the
// five placeholder pictures, hidden; the main window gives them their pixels.
class TTextlistenForm : public QWidget {
    Q_OBJECT
public:
    explicit TTextlistenForm(QWidget* eltern = nullptr);

    // Replaces the names; none is selected.
    void LadeNamen(const QStringList& namen);
    // The selected name, unchanged; nothing when none is selected.
    std::optional<QString> GewaehlterName() const;

    // The list font at 10 points, and its colour, for the names.
    void SetzeListenschrift(const QFont& schrift, const QColor& farbe);
    // The hidden placeholder picture k (0 to 4).
    void SetzePlatzhalterbild(int k, const QPixmap& bild);

signals:
    // "Einfügen", a double click on a name or Enter.
    void Einfuegen();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QListWidget* TntListBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* OhneImage[5] = {};
};

} // namespace senvio
