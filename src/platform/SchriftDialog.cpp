#include "platform/SchriftDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace senvio {

SchriftDialog::SchriftDialog(const Schriftwahl& start, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Schriftart"));
    Schriftart = new QComboBox(this);
    Schriftart->setEditable(true);
    Schriftart->setInsertPolicy(QComboBox::NoInsert);
    Schriftart->addItems(QFontDatabase::families());
    Schriftart->setEditText(start.schrift.family());
    Groesse = new QSpinBox(this);
    Groesse->setRange(1, 999);
    // A font given in pixels shows the points it comes to on this screen.
    Groesse->setValue(start.schrift.pointSize() > 0 ? start.schrift.pointSize()
                                                    : qRound(QFontInfo(start.schrift).pointSizeF()));
    Fett = new QCheckBox(QStringLiteral("Fett"), this);
    Kursiv = new QCheckBox(QStringLiteral("Kursiv"), this);
    Unterstrichen = new QCheckBox(QStringLiteral("Unterstrichen"), this);
    Durchgestrichen = new QCheckBox(QStringLiteral("Durchgestrichen"), this);
    Fett->setChecked(start.schrift.bold());
    Kursiv->setChecked(start.schrift.italic());
    Unterstrichen->setChecked(start.schrift.underline());
    Durchgestrichen->setChecked(start.schrift.strikeOut());
    Farbe = new QPushButton(QStringLiteral("Farbe..."), this);
    Beispiel = new QLabel(QStringLiteral("Das Erste  ZDF  arte"), this);
    Beispiel->setMinimumSize(300, 60);
    Beispiel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("Schriftart:"), Schriftart);
    formular->addRow(QStringLiteral("Schriftgrad:"), Groesse);
    formular->addRow(QStringLiteral("Schriftschnitt:"), Fett);
    formular->addRow(QString(), Kursiv);
    formular->addRow(QStringLiteral("Effekte:"), Unterstrichen);
    formular->addRow(QString(), Durchgestrichen);
    formular->addRow(QStringLiteral("Farbe:"), Farbe);
    auto* knoepfe = new QDialogButtonBox(this);
    knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(formular);
    spalte->addWidget(Beispiel);
    spalte->addWidget(knoepfe);

    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Farbe, &QPushButton::clicked, this, &SchriftDialog::WaehleFarbe);
    connect(Schriftart, &QComboBox::currentTextChanged, this, &SchriftDialog::ZeigeBeispiel);
    connect(Groesse, &QSpinBox::valueChanged, this, &SchriftDialog::ZeigeBeispiel);
    for (QCheckBox* feld : {Fett, Kursiv, Unterstrichen, Durchgestrichen})
        connect(feld, &QCheckBox::toggled, this, &SchriftDialog::ZeigeBeispiel);
    SetzeFarbe(start.farbe);
}

Schriftwahl SchriftDialog::Auswahl() const {
    QFont schrift(Schriftart->currentText().trimmed());
    schrift.setPointSize(Groesse->value());
    schrift.setBold(Fett->isChecked());
    schrift.setItalic(Kursiv->isChecked());
    schrift.setUnderline(Unterstrichen->isChecked());
    schrift.setStrikeOut(Durchgestrichen->isChecked());
    return {schrift, m_farbe};
}

void SchriftDialog::SetzeFarbe(const QColor& farbe) {
    m_farbe = farbe;
    QPixmap muster(16, 16);
    muster.fill(farbe);
    Farbe->setIcon(muster);
    ZeigeBeispiel();
}

void SchriftDialog::WaehleFarbe() {
    const QColor farbe = QColorDialog::getColor(m_farbe, this, QStringLiteral("Farbe"));
    if (farbe.isValid())
        SetzeFarbe(farbe);
}

void SchriftDialog::ZeigeBeispiel() {
    const Schriftwahl wahl = Auswahl();
    Beispiel->setFont(wahl.schrift);
    QPalette farben = Beispiel->palette();
    farben.setColor(QPalette::WindowText, wahl.farbe);
    Beispiel->setPalette(farben);
}

} // namespace senvio
