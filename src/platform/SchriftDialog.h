#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace senvio {

// A font with its colour, as the font dialog hands it back.
struct Schriftwahl {
    QFont schrift;
    QColor farbe;
};

// The font dialog: face, size, bold, italic, underline, strike-out and a colour.
// Qt's own font dialog has no colour, hence this one. A face the system lacks is
// kept by name.
class SchriftDialog : public QDialog {
    Q_OBJECT
public:
    explicit SchriftDialog(const Schriftwahl& start, QWidget* eltern = nullptr);
    Schriftwahl Auswahl() const;
    void SetzeFarbe(const QColor& farbe);

    QComboBox* Schriftart = nullptr;
    QSpinBox* Groesse = nullptr;
    QCheckBox* Fett = nullptr;
    QCheckBox* Kursiv = nullptr;
    QCheckBox* Unterstrichen = nullptr;
    QCheckBox* Durchgestrichen = nullptr;
    QPushButton* Farbe = nullptr;
    QLabel* Beispiel = nullptr;

private:
    void WaehleFarbe();
    void ZeigeBeispiel();
    QColor m_farbe;
};

} // namespace senvio
