#include "logos/SuchForm.h"

#include "logos/Logosuche.h"
#include "platform/Schriftfarbe.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace senvio {

TSuchForm::TSuchForm(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Suchen"));
    setFixedSize(524, 394);
    TntEdit1 = new QLineEdit(this);
    TntEdit1->setObjectName(QStringLiteral("TntEdit1"));
    TntEdit1->setGeometry(14, 14, 225, 24);
    QFont feldSchrift = TntEdit1->font();
    feldSchrift.setPixelSize(13);
    TntEdit1->setFont(feldSchrift);
    TntEdit1->setToolTip(QStringLiteral("Geben Sie hier den Suchtext ein."));
    SuchButton = new QPushButton(QStringLiteral("Suche"), this);
    SuchButton->setObjectName(QStringLiteral("SuchButton"));
    SuchButton->setGeometry(252, 14, 75, 25);
    // Enter in the field searches through its own signal, not as the dialog's default.
    SuchButton->setAutoDefault(false);
    TntLabel1 =
        new QLabel(QStringLiteral("Suchergebnis (Doppelklick zeigt das Logo in der Liste rot markiert an):"), this);
    TntLabel1->setObjectName(QStringLiteral("TntLabel1"));
    TntLabel1->move(14, 50);
    TntListBox1 = new QListWidget(this);
    TntListBox1->setObjectName(QStringLiteral("TntListBox1"));
    TntListBox1->setGeometry(14, 70, 239, 309);
    TntListBox2 = new QListWidget(this);
    TntListBox2->setObjectName(QStringLiteral("TntListBox2"));
    TntListBox2->setGeometry(266, 70, 246, 309);
    for (QListWidget* liste : {TntListBox1, TntListBox2})
        liste->setToolTip(QStringLiteral("Doppelklicken Sie auf einen Eintrag"));

    connect(SuchButton, &QPushButton::clicked, this, &TSuchForm::SuchBtnClick);
    connect(TntEdit1, &QLineEdit::returnPressed, this, &TSuchForm::SuchBtnClick);
    connect(TntListBox1, &QListWidget::itemDoubleClicked, this, &TSuchForm::ListBox1DblClick);
    connect(TntListBox2, &QListWidget::itemDoubleClicked, this, &TSuchForm::ListBox2DblClick);
}

void TSuchForm::FuelleNamen(const QStringList& logoDateien) {
    if (TntListBox1->count() > 0)
        return;
    for (const QString& pfad : logoDateien)
        TntListBox1->addItem(QFileInfo(pfad).fileName());
}

void TSuchForm::SetzeListenschrift(const QFont& schrift, const QColor& farbe) {
    for (QWidget* feld :
         {static_cast<QWidget*>(TntEdit1), static_cast<QWidget*>(TntListBox1), static_cast<QWidget*>(TntListBox2)})
        SetzeSchriftUndFarbe(*feld, schrift, farbe);
    SetzeSchriftUndFarbe(*TntLabel1, schrift, QColor(0, 0, 255));
}

void TSuchForm::Leere() {
    TntEdit1->clear();
    TntListBox1->clear();
    TntListBox2->clear();
}

void TSuchForm::SuchBtnClick() {
    TntListBox2->clear();
    QStringList namen;
    for (int i = 0; i < TntListBox1->count(); ++i)
        namen << TntListBox1->item(i)->text();
    for (const int i : SucheLogos(namen, TntEdit1->text())) {
        TntListBox1->setCurrentRow(i);
        // Each result remembers its row in the name list, where the double click goes.
        auto* treffer = new QListWidgetItem(namen[i], TntListBox2);
        treffer->setData(Qt::UserRole, i);
    }
}

void TSuchForm::ListBox2DblClick() {
    const QListWidgetItem* treffer = TntListBox2->currentItem();
    if (!treffer)
        return;
    const int zeile = treffer->data(Qt::UserRole).toInt();
    if (zeile < 0 || zeile >= TntListBox1->count())
        return;
    TntListBox1->setCurrentRow(zeile);
    ListBox1DblClick();
}

void TSuchForm::ListBox1DblClick() {
    const int i = TntListBox1->currentRow();
    if (i < 0 || !m_raster.leiste || !m_raster.positionen)
        return;
    m_raster.leiste->setValue(ScrollZiel(i, TntListBox1->count()));
    // The point follows where the scroll bar really stands: a target outside its
    // range would otherwise send the click to another tile.
    const int ziel = m_raster.leiste->value();
    if (i < m_raster.positionen->size()) {
        const QStringList teile = m_raster.positionen->at(i).split(QLatin1Char('x'));
        if (teile.size() >= 2)
            m_klickpunkt = QPoint(teile[0].toInt(), teile[1].toInt() - ziel);
    }
    if (m_raster.starteKlick)
        m_raster.starteKlick(m_klickpunkt);
    accept();
}

void TSuchForm::paintEvent(QPaintEvent* ereignis) {
    TntEdit1->setFocus();
    QDialog::paintEvent(ereignis);
}

} // namespace senvio
