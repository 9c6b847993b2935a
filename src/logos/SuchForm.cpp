#include "logos/SuchForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace senvio {

TSuchForm::TSuchForm(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Suchen"));
    setFixedSize(524, 394);
    TntEdit1 = new QLineEdit(this);
    TntEdit1->setGeometry(14, 14, 225, 24);
    QFont feldSchrift = TntEdit1->font();
    feldSchrift.setPixelSize(13);
    TntEdit1->setFont(feldSchrift);
    TntEdit1->setToolTip(QStringLiteral("Geben Sie hier den Suchtext ein."));
    SuchButton = new QPushButton(QStringLiteral("Suche"), this);
    SuchButton->setGeometry(252, 14, 75, 25);
    TntLabel1 =
        new QLabel(QStringLiteral("Suchergebnis (Doppelklick zeigt das Logo in der Liste rot markiert an):"), this);
    TntLabel1->move(14, 50);
    TntListBox1 = new QListWidget(this);
    TntListBox1->setGeometry(14, 70, 239, 309);
    TntListBox2 = new QListWidget(this);
    TntListBox2->setGeometry(266, 70, 246, 309);
    for (QListWidget* liste : {TntListBox1, TntListBox2})
        liste->setToolTip(QStringLiteral("Doppelklicken Sie auf einen Eintrag"));
}

} // namespace senvio
