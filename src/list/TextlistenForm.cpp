#include "list/TextlistenForm.h"

#include "platform/Schriftfarbe.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextOption>

#include <algorithm>

namespace senvio {

namespace {

// Names with tab-separated columns line up: a tab stop every 100 dialog units, and a
// dialog unit is a quarter of the font's average character width.
class Tabspalten : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static int Tababstand(const QFont& schrift) { return 25 * QFontMetrics(schrift).averageCharWidth(); }

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem feld = option;
        initStyleOption(&feld, index);
        const QString text = feld.text;
        feld.text.clear();
        const QStyle* stil = feld.widget ? feld.widget->style() : QApplication::style();
        // Ground, selection and focus as the style draws them; the text is ours.
        stil->drawControl(QStyle::CE_ItemViewItem, &feld, maler, feld.widget);
        const QRect textfeld = stil->subElementRect(QStyle::SE_ItemViewItemText, &feld, feld.widget);
        const bool gewaehlt = feld.state & QStyle::State_Selected;
        const QPalette::ColorGroup gruppe = !(feld.state & QStyle::State_Enabled) ? QPalette::Disabled
                                            : feld.state & QStyle::State_Active   ? QPalette::Active
                                                                                  : QPalette::Inactive;
        QTextOption satz(Qt::AlignLeft | Qt::AlignVCenter);
        satz.setWrapMode(QTextOption::NoWrap);
        satz.setTabStopDistance(Tababstand(feld.font));
        maler->save();
        maler->setClipRect(textfeld);
        maler->setFont(feld.font);
        maler->setPen(feld.palette.color(gruppe, gewaehlt ? QPalette::HighlightedText : QPalette::Text));
        maler->drawText(QRectF(textfeld), text, satz);
        maler->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize groesse = QStyledItemDelegate::sizeHint(option, index);
        const QFontMetrics masse(option.font);
        const QString text = index.data().toString();
        const int breite = masse.size(Qt::TextSingleLine | Qt::TextExpandTabs, text, Tababstand(option.font)).width();
        groesse.setWidth(std::max(groesse.width(), breite + 2 * masse.averageCharWidth()));
        return groesse;
    }
};

} // namespace

TTextlistenForm::TTextlistenForm(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setWindowTitle(QStringLiteral("Wählen Sie einen Sender zum Einfügen aus:"));
    setFixedSize(323, 496);
    TntListBox1 = new QListWidget(this);
    TntListBox1->setObjectName(QStringLiteral("TntListBox1"));
    TntListBox1->setGeometry(14, 12, 295, 435);
    TntListBox1->setItemDelegate(new Tabspalten(TntListBox1));
    Button1 = new QPushButton(QStringLiteral("Einfügen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(14, 458, 140, 28);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Abbrechen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
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

void TTextlistenForm::SetzeListenschrift(const QFont& schrift, const QColor& farbe) {
    SetzeSchriftUndFarbe(*TntListBox1, schrift, farbe);
}

void TTextlistenForm::SetzePlatzhalterbild(int k, const QPixmap& bild) {
    if (k >= 0 && k < 5)
        OhneImage[k]->setPixmap(bild);
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
