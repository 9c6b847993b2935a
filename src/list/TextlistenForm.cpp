#include "list/TextlistenForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace senvio {

TTextlistenForm::TTextlistenForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setWindowTitle(QStringLiteral("Wählen Sie einen Sender zum Einfügen aus:"));
    setFixedSize(323, 496);
    TntListBox1 = new QListWidget(this);
    TntListBox1->setGeometry(14, 12, 295, 435);
    Button1 = new QPushButton(QStringLiteral("Einfügen"), this);
    Button1->setGeometry(14, 458, 140, 28);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Button2->setGeometry(169, 458, 140, 28);
    for (int k = 0; k < 5; ++k) {
        OhneImage[k] = new QLabel(this);
        OhneImage[k]->setObjectName(QStringLiteral("OhneImage%1").arg(k));
        OhneImage[k]->hide();
    }
}

} // namespace senvio
