#include "logos/Anhangkopf.h"

#include "logos/Logoanhang.h"
#include "platform/Benannt.h"
#include "platform/Schriftfarbe.h"
#include "view/Eintrag.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QPushButton>

namespace senvio {

namespace {

// The attach button's picture: a green triangle pointing down, 50 × 11, transparent ground.
QPixmap GruenesDreieck() {
    QPixmap bild(50, 11);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(0, 160, 0));
    maler.drawPolygon(QPolygon({QPoint(0, 0), QPoint(50, 0), QPoint(25, 11)}));
    return bild;
}

} // namespace

Anhangkopf::Anhangkopf(QWidget* eltern) : QWidget(eltern) {
    setGeometry(0, 0, 509, 47);
    AbbruchBtn = Benannt(new QPushButton(QStringLiteral("Abbruch einf."), this), "AbbruchBtn");
    AbbruchBtn->setGeometry(14, 9, 70, 29);
    AbbruchBtn->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 11));

    TntLabel1 = Benannt(new QLabel(QStringLiteral("Name: "), this), "TntLabel1");
    TntLabel1->move(99, 14);
    TntLabel1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 13));

    EinfuegenBtn = Benannt(new QPushButton(this), "EinfuegenBtn");
    EinfuegenBtn->setGeometry(352, 9, 56, 29);
    EinfuegenBtn->setIcon(GruenesDreieck());
    EinfuegenBtn->setIconSize(QSize(50, 11));
    EinfuegenBtn->setToolTip(QStringLiteral("Logo an ausgewählten Eintrag anfügen"));

    Image324 = Benannt(new QLabel(this), "Image324");
    Image324->setGeometry(430, 2, LogoBreite, LogoHoehe);

    // Never shown: the picked logo's name.
    TntEdit1 = Benannt(new QLineEdit(this), "TntEdit1");
    TntEdit1->setToolTip(QStringLiteral("Den Namen können Sie hier ändern."));
    Verberge();

    connect(EinfuegenBtn, &QPushButton::clicked, this, &Anhangkopf::Einfuegen);
    connect(TntEdit1, &QLineEdit::returnPressed, this, &Anhangkopf::Einfuegen);
    connect(AbbruchBtn, &QPushButton::clicked, this, &Anhangkopf::Verberge);
    connect(TntEdit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const QString kurz = KuerzeNamen(text, TntEdit1->font()); kurz != text)
            TntEdit1->setText(kurz);
    });
}

void Anhangkopf::Zeige(const QString& pfad, const QImage& eintragslogo) {
    m_pfad = pfad;
    const QString datei = QFileInfo(pfad).fileName();
    Image324->setPixmap(QPixmap::fromImage(eintragslogo));
    TntLabel1->setText(datei);
    TntLabel1->adjustSize();
    TntEdit1->setText(Namensfeldtext(datei));
    for (QWidget* teil : {static_cast<QWidget*>(EinfuegenBtn), static_cast<QWidget*>(Image324),
                          static_cast<QWidget*>(AbbruchBtn), static_cast<QWidget*>(TntLabel1)})
        teil->show();
}

void Anhangkopf::Verberge() {
    for (QWidget* teil :
         {static_cast<QWidget*>(EinfuegenBtn), static_cast<QWidget*>(Image324), static_cast<QWidget*>(TntEdit1),
          static_cast<QWidget*>(AbbruchBtn), static_cast<QWidget*>(TntLabel1)})
        teil->hide();
}

void Anhangkopf::VerbergeAnhang() {
    EinfuegenBtn->hide();
    Image324->hide();
}

void Anhangkopf::RueckeVorschau(bool mitLeiste) {
    Image324->move(mitLeiste ? 412 : 430, 2);
}

void Anhangkopf::SetzeListenschrift(const Listenschrift& liste, bool auchNamensfeld) {
    if (auchNamensfeld)
        SetzeSchriftUndFarbe(*TntEdit1, liste.schrift, liste.farbe);
    // The file-name label keeps its own style.
    QFont etikett = TntLabel1->font();
    etikett.setFamily(liste.schrift.family());
    etikett.setPointSize(10);
    SetzeSchriftUndFarbe(*TntLabel1, etikett, liste.farbe);
}

} // namespace senvio
