#include "list/TextlistenForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

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
    connect(Button1, &QPushButton::clicked, this, &TTextlistenForm::Einfuegen);
    connect(TntListBox1, &QListWidget::itemDoubleClicked, this, &TTextlistenForm::Einfuegen);
    if (const QScreen* schirm = QGuiApplication::primaryScreen())
        move(schirm->availableGeometry().center() - rect().center());
    // Cancelling only minimises: the names stay for the next use of the command.
    connect(Button2, &QPushButton::clicked, this, &QWidget::showMinimized);
}

void TTextlistenForm::LadeNamen(const QStringList& namen) {
    TntListBox1->clear();
    TntListBox1->addItems(namen);
    TntListBox1->setCurrentRow(-1);
}

std::optional<QString> TTextlistenForm::GewaehlterName() const {
    const QList<QListWidgetItem*> gewaehlt = TntListBox1->selectedItems();
    if (gewaehlt.isEmpty())
        return std::nullopt;
    return gewaehlt.first()->text();
}

// A plain window has no default or cancel button of its own: Enter and Esc act as they would.
void TTextlistenForm::keyPressEvent(QKeyEvent* ereignis) {
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Einfuegen();
        break;
    case Qt::Key_Escape:
        showMinimized();
        break;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

} // namespace senvio
