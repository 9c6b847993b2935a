#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace senvio {

// The button row at the foot of our dialogs: pushed to the right, the default button,
// then "Abbrechen", which rejects the dialog. The caller decides what the default does.
struct Knopfzeile {
    QHBoxLayout* zeile = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* abbrechen = nullptr;
};
Knopfzeile BaueKnopfzeile(QDialog& dialog, const QString& okText = QStringLiteral("OK"));

} // namespace senvio
