#include "logos/Logowahl.h"

#include "logos/GrossImageForm.h"
#include "logos/Kachelbild.h"
#include "logos/Kachelgeometrie.h"
#include "logos/Kachellogos.h"
#include "logos/Logodateien.h"
#include "logos/Logogruppen.h"
#include "logos/Logoraster.h"
#include "logos/SuchForm.h"
#include "platform/Benannt.h"
#include "platform/Dialoge.h"
#include "platform/Fehlerbox.h"
#include "platform/Sanduhr.h"
#include "platform/Schriftfarbe.h"
#include "view/Eintrag.h"
#include "view/PngBild.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace senvio {

Logowahl::Logowahl(const QString& logoWurzel, TGrossImageForm& grossBild, TSuchForm& suche, QProgressBar& fortschritt,
                   QWidget* eltern)
    : QWidget(eltern), m_logoWurzel(logoWurzel), m_grossBild(grossBild), m_suche(suche), m_fortschritt(fortschritt) {
    setGeometry(QRect(QPoint(0, 0), Standardgroesse));
    ComboBox1 = Benannt(new QComboBox(this), "ComboBox1");
    ComboBox1->setGeometry(84, 4, 414, 29);
    ComboBox1->setFont(Schrift(QStringLiteral("Arial Unicode MS"), 16, true));
    ComboBox1->setToolTip(QStringLiteral("Gruppe der Senderlogos auswählen"));

    ZurueckButton = Benannt(new QPushButton(QStringLiteral("<-----"), this), "ZurueckButton");
    ZurueckButton->setGeometry(14, 4, 43, 25);
    ZurueckButton->setToolTip(QStringLiteral("Zurück"));

    Panel1 = Benannt(new QFrame(this), "Panel1");
    Panel1->setGeometry(30, 37, 466, 552);
    ScrollBox1 = Benannt(new QScrollArea(Panel1), "ScrollBox1");
    ScrollBox1->setGeometry(0, 0, 466, 552);
    ScrollBox1->setToolTip(QStringLiteral("Klicken Sie auf das passende Logo"));
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_raster = new Logoraster;
    ScrollBox1->setWidget(m_raster);
    Timer1 = Benannt(new QTimer(this), "Timer1");
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    hide();

    connect(ComboBox1, &QComboBox::activated, this, [this] { FuehreAus([this] { GruppeGewechselt(); }); });
    connect(ZurueckButton, &QPushButton::clicked, this, &Logowahl::Zurueck);
    connect(m_raster, &Logoraster::MausGedrueckt, this,
            [this](int tag, Qt::MouseButton taste) { FuehreAus([=, this] { KachelMausDruck(tag, taste); }); });
    connect(m_raster, &Logoraster::MausBewegt, this, [this](int tag) {
        if (tag >= 0 && tag < m_dateien.size())
            emit Meldung(QString(5, QLatin1Char(' ')) + QFileInfo(m_dateien[tag]).fileName());
    });
    // The grid comes back where it was left, however it was scrolled: bar, wheel, keys or search.
    connect(ScrollBox1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int wert) {
        if (!isHidden())
            m_position = wert;
    });
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        if (!isHidden())
            emit KlickGewuenscht(ScrollBox1->viewport()->mapToGlobal(m_klickpunkt) + QPoint(40, 40));
    });
}

void Logowahl::LeseGruppen() {
    ComboBox1->addItems(LeseLogogruppen(m_logoWurzel));
}

void Logowahl::WaehleGruppe(std::optional<int> gespeichert) {
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    if (gespeichert)
        ComboBox1->setCurrentIndex(*gespeichert >= 0 && *gespeichert < ComboBox1->count() ? *gespeichert : -1);
    NimmGruppenordner();
}

int Logowahl::Gruppe() const {
    return ComboBox1->currentIndex();
}

void Logowahl::NimmGruppenordner() {
    m_ordner = m_logoWurzel + (ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString());
}

QString Logowahl::Status() const {
    return QString(6, QLatin1Char(' ')) + QString::number(m_dateien.size()) + QStringLiteral(" Logos im Ordner: ") +
           ComboBox1->currentText();
}

void Logowahl::Oeffne() {
    const int gemerkt = m_position;
    if (m_dateien.isEmpty())
        LadeDieBilder();
    show();
    ZurueckButton->setGeometry(Panel1->x(), ZurueckButton->y(), ZurueckButton->width(), ComboBox1->height());
    ScrollBox1->verticalScrollBar()->setValue(gemerkt);
}

void Logowahl::resizeEvent(QResizeEvent* ereignis) {
    QWidget::resizeEvent(ereignis);
    // The grid takes what the window has beyond its standard size.
    const QSize mehr = size().expandedTo(Standardgroesse) - Standardgroesse;
    Panel1->resize(QSize(466, 552) + mehr);
    ScrollBox1->resize(Panel1->size());
    OrdneKachelnAn();
}

// The tiles fill the grid's width row by row; the search finds them at their new places.
void Logowahl::OrdneKachelnAn() {
    const QList<Logokachel*>& kacheln = m_raster->Kacheln();
    const int anzahl = int(kacheln.size());
    if (anzahl == 0 || anzahl != m_positionen.size())
        return;
    const int spalten = KachelSpalten(ScrollBox1->contentsRect().width(), anzahl);
    for (Logokachel* kachel : kacheln) {
        const QPoint position = KachelPosition(kachel->Tag(), spalten);
        kachel->move(position);
        m_positionen[kachel->Tag()] = PositionsText(position);
    }
    m_raster->resize(ScrollBox1->contentsRect().width(), RasterHoehe(anzahl, spalten));
}

int Logowahl::RasterHoehe(int anzahl, int spalten) const {
    // The old rule leaves a wider grid's last row out; whole rows are the least.
    return std::max(KachelScrollBereich(anzahl, ScrollBox1->width()),
                    (anzahl + std::max(1, spalten) - 1) / std::max(1, spalten) * KachelAbstand);
}

void Logowahl::GruppeGewechselt() {
    m_suche.Leere();
    const QString gruppe = ComboBox1->currentText();
    emit Meldung(QString(56, QLatin1Char(' ')) + QStringLiteral("Sender Logos werden aus Ordner „..\\") + gruppe +
                     QStringLiteral("“ geladen."),
                 true);
    m_ordner = m_logoWurzel + gruppe;
    LadeDieBilder();
    m_position = 0;
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void Logowahl::LadeDieBilder() {
    m_positionen.clear();
    if (m_ordner.trimmed().isEmpty())
        return;
    ScrollBox1->verticalScrollBar()->setValue(0);
    const Sanduhr sanduhr;
    m_raster->GibKachelnFrei();
    const GeleseneLogodateien gelesen = LeseLogodateien(m_ordner, QStringLiteral(".png"));
    for (const QString& meldung : gelesen.meldungen)
        Dialoge::Warnung(window(), meldung);
    m_dateien = gelesen.dateien;
    EntferneOhneLogodateien(m_dateien);
    BaueKachelnAuf();
    const int anzahl = int(m_dateien.size());
    m_raster->resize(ScrollBox1->contentsRect().width(),
                     RasterHoehe(anzahl, KachelSpalten(ScrollBox1->contentsRect().width(), anzahl)));
    m_fortschritt.hide();
    emit Meldung(Status());
}

void Logowahl::BaueKachelnAuf() {
    const int anzahl = int(m_dateien.size());
    if (anzahl == 0)
        return;
    m_fortschritt.setRange(0, anzahl);
    m_fortschritt.setValue(0);
    m_fortschritt.show();
    const int spalten = KachelSpalten(ScrollBox1->contentsRect().width(), anzahl);
    ErstelleKachellogos(m_dateien, [&](int i, const QImage& kachellogo) {
        const QPoint position = KachelPosition(i, spalten);
        m_raster->FuegeKachelHinzu(position, ErstelleKachelbild(kachellogo));
        m_positionen << PositionsText(position);
        m_fortschritt.setValue(i + 1);
    });
    m_fortschritt.setValue(0);
}

void Logowahl::KachelMausDruck(int tag, Qt::MouseButton taste) {
    if (tag < 0 || tag >= m_dateien.size())
        return;
    if (taste == Qt::RightButton)
        m_grossBild.ZeigeLogo(m_dateien[tag]);
    else if (taste == Qt::LeftButton)
        WaehleLogo(tag);
}

void Logowahl::WaehleLogo(int tag) {
    const QString pfad = m_dateien[tag];
    const QImage eintragslogo = EintragslogoDerDatei(pfad);
    // Refused before anything changes: the grid stays and the last pick holds.
    if (eintragslogo.isNull()) {
        Dialoge::Information(window(),
                             QStringLiteral("Das Logo \"") + QFileInfo(pfad).fileName() +
                                 QStringLiteral("\" kann nicht gelesen werden. Bitte wählen Sie ein anderes."));
        return;
    }
    emit Gewaehlt(pfad, eintragslogo);
}

void Logowahl::Scrolle(int taste) {
    ScrollBox1->setFocus();
    QScrollBar* leiste = ScrollBox1->verticalScrollBar();
    switch (taste) {
    case Qt::Key_Up:
        leiste->setValue(leiste->value() - 108);
        break;
    case Qt::Key_Down:
        leiste->setValue(leiste->value() + 108);
        break;
    case Qt::Key_PageUp:
        leiste->setValue(leiste->value() - 540);
        break;
    case Qt::Key_PageDown:
        leiste->setValue(leiste->value() + 540);
        break;
    case Qt::Key_Home:
        leiste->setValue(0);
        break;
    case Qt::Key_End:
        leiste->setValue(leiste->maximum());
        break;
    default:
        break;
    }
}

void Logowahl::Rad(int winkel) {
    // Whole notches only: a fine-grained wheel adds up to one before the grid moves.
    const int rasten = m_rad.Zaehle(winkel);
    if (rasten == 0)
        return;
    QScrollBar* leiste = ScrollBox1->verticalScrollBar();
    leiste->setValue(leiste->value() - 136 * rasten);
    window()->update();
}

void Logowahl::Suche() {
    if (m_dateien.isEmpty())
        return;
    m_suche.FuelleNamen(m_dateien);
    m_suche.SetzeRaster({ScrollBox1->verticalScrollBar(), &m_positionen, [this](QPoint punkt) {
                             m_klickpunkt = punkt;
                             Timer1->start();
                         }});
    Dialoge::ZeigeModal(m_suche);
}

} // namespace senvio
