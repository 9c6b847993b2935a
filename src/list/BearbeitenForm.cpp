#include "list/BearbeitenForm.h"

#include "list/Zeilenformat.h"
#include "platform/Schriftfarbe.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace senvio {

TbearbeitenForm::TbearbeitenForm(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Eintrag bearbeiten"));
    setFixedSize(337, 186);
    TntEdit1 = new QLineEdit(this);
    TntEdit1->setObjectName(QStringLiteral("TntEdit1"));
    TntEdit1->setGeometry(12, 12, 313, 24);
    TntEdit1->setToolTip(QStringLiteral("Hier können Sie den Text ändern"));
    auto* rahmen = new QFrame(this);
    rahmen->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    rahmen->setGeometry(12, 46, 313, 34);
    LogoEntfernenCheckBox = new QCheckBox(QStringLiteral("Logo entfernen"), rahmen);
    LogoEntfernenCheckBox->setObjectName(QStringLiteral("LogoEntfernenCheckBox"));
    LogoEntfernenCheckBox->setGeometry(8, 6, 290, 22);
    LogoEntfernenCheckBox->setToolTip(QStringLiteral("Wenn markiert, dann wird das aktuelle Logo entfernt"));
    auto* kurz = new QLabel(QStringLiteral("Kurzname für den Großdruck:"), this);
    kurz->setGeometry(12, 90, 313, 20);
    KurznameEdit = new QLineEdit(this);
    KurznameEdit->setObjectName(QStringLiteral("KurznameEdit"));
    KurznameEdit->setGeometry(12, 112, 313, 24);
    KurznameEdit->setToolTip(QStringLiteral("Leer lassen, dann steht der Name auf der Karte"));
    kurz->setBuddy(KurznameEdit);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(148, 148, 82, 28);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setGeometry(243, 148, 82, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TbearbeitenForm::SetzeName(const QString& name) {
    TntEdit1->setText(name);
}

QString TbearbeitenForm::Name() const {
    return TntEdit1->text();
}

void TbearbeitenForm::SetzeKurzname(const QString& kurzname) {
    KurznameEdit->setText(kurzname);
}

QString TbearbeitenForm::Kurzname() const {
    return MacheEinzeilig(KurznameEdit->text());
}

bool TbearbeitenForm::LogoEntfernen() const {
    return LogoEntfernenCheckBox->isChecked();
}

void TbearbeitenForm::SetzeListenschrift(const QFont& schrift, const QColor& farbe) {
    SetzeSchriftUndFarbe(*TntEdit1, schrift, farbe);
    SetzeSchriftUndFarbe(*LogoEntfernenCheckBox, schrift, farbe);
}

} // namespace senvio
