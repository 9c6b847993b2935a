#include "list/BearbeitenForm.h"

#include "platform/Schriftfarbe.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

namespace senvio {

TbearbeitenForm::TbearbeitenForm(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Eintrag bearbeiten"));
    setFixedSize(337, 132);
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
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(148, 94, 82, 28);
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setGeometry(243, 94, 82, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

void TbearbeitenForm::SetzeName(const QString& name) {
    TntEdit1->setText(name);
}

QString TbearbeitenForm::Name() const {
    return TntEdit1->text();
}

bool TbearbeitenForm::LogoEntfernen() const {
    return LogoEntfernenCheckBox->isChecked();
}

void TbearbeitenForm::SetzeListenschrift(const QFont& schrift, const QColor& farbe) {
    SetzeSchriftUndFarbe(*TntEdit1, schrift, farbe);
    SetzeSchriftUndFarbe(*LogoEntfernenCheckBox, schrift, farbe);
}

} // namespace senvio
