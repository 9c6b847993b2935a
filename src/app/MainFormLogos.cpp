// The logo library in the main window: groups, the tile grid, picking, attaching,
// the search and the timed click that opens the large preview.
#include "app/MainForm.h"

#include "app/Fehlerbehandlung.h"
#include "app/KlickeMaus.h"
#include "app/MachPause.h"
#include "app/Sanduhr.h"
#include "list/ListenDatei.h"
#include "logos/GrossImageForm.h"
#include "logos/Kachelbild.h"
#include "logos/Kachelgeometrie.h"
#include "logos/Kachellogos.h"
#include "logos/LogoDateien.h"
#include "logos/LogoRaster.h"
#include "logos/Logoanhang.h"
#include "logos/SuchForm.h"
#include "platform/Dialoge.h"
#include "view/ListenAnsicht.h"
#include "view/PngBild.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

namespace senvio {

void TMainForm::VerbindeLogoBefehle() {
    m_logoRaster = new LogoRaster;
    ScrollBox1->setWidget(m_logoRaster);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    MachPause1 = new TMachPause(this);
    MachPause1->setObjectName(QStringLiteral("MachPause1"));

    const auto glue = [this](void (TMainForm::*befehl)()) {
        return [this, befehl] { FuehreAus([this, befehl] { (this->*befehl)(); }); };
    };
    connect(ComboBox1, &QComboBox::activated, this, glue(&TMainForm::ComboBox1Change));
    connect(ZurueckButton, &QPushButton::clicked, this, glue(&TMainForm::ZurueckButtonClick));
    connect(EinfuegenBtn, &QPushButton::clicked, this, glue(&TMainForm::EinfuegenBtnClick));
    connect(AbbruchBtn, &QPushButton::clicked, this, glue(&TMainForm::AbbruchBtnClick));
    connect(TntEdit1, &QLineEdit::returnPressed, this, glue(&TMainForm::EinfuegenBtnClick));
    connect(Timer1, &QTimer::timeout, this, glue(&TMainForm::Timer1Timer));
    connect(m_logoRaster, &LogoRaster::MausGedrueckt, this,
            [this](int tag, Qt::MouseButton taste) { FuehreAus([=, this] { KachelMausDruck(tag, taste); }); });
    connect(m_logoRaster, &LogoRaster::MausBewegt, this, &TMainForm::KachelMausBewegung);
    connect(TntEdit1, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const QString kurz = KuerzeNamen(text, TntEdit1->font()); kurz != text)
            TntEdit1->setText(kurz);
    });
    // The grid comes back where it was left, however it was scrolled: bar, wheel, keys or search.
    connect(ScrollBox1->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int wert) {
        if (IstLogoModus())
            m_logoPosition = wert;
    });
}

void TMainForm::SenderlogoanaktuellenEintrageinfuegen1Click() {
    Suchen1->setEnabled(true);
    m_statusText->setText(QString(6, QLatin1Char(' ')));
    m_logoOrdner = m_ordner.logoWurzel + (ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString());
    if (IstLogoModus()) {
        ZeigeListenmodus();
        return;
    }
    const int gemerkt = m_logoPosition;
    if (m_logoDateien.isEmpty())
        LadeDieBilder();
    ZeigeLogomodus();
    ScrollBox1->verticalScrollBar()->setValue(gemerkt);
}

void TMainForm::ZurueckButtonClick() {
    ZurueckButton->hide();
    SenderlogoanaktuellenEintrageinfuegen1Click();
    Suchen1->setEnabled(false);
}

void TMainForm::ComboBox1Change() {
    if (m_fenster.suche)
        m_fenster.suche->Leere();
    const QString gruppe = ComboBox1->currentText();
    m_statusText->setText(QString(56, QLatin1Char(' ')) + QStringLiteral("Sender Logos werden aus Ordner \"..\\") +
                          gruppe + QStringLiteral("\"geladen."));
    m_statusText->repaint();
    m_logoOrdner = m_ordner.logoWurzel + gruppe;
    LadeDieBilder();
    m_logoPosition = 0;
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TMainForm::LadeDieBilder() {
    m_logoPositionen.clear();
    if (m_logoOrdner.trimmed().isEmpty())
        return;
    ScrollBox1->verticalScrollBar()->setValue(0);
    const Sanduhr sanduhr;
    m_logoRaster->GibKachelnFrei();
    const GeleseneLogoDateien gelesen = LeseLogoDateien(m_logoOrdner, QStringLiteral(".png"));
    for (const QString& meldung : gelesen.meldungen)
        Dialoge::Warnung(this, meldung);
    m_logoDateien = gelesen.dateien;
    EntferneOhneLogoDateien(m_logoDateien);
    BaueKachelnAuf();
    m_logoRaster->resize(ScrollBox1->contentsRect().width(),
                         KachelScrollBereich(int(m_logoDateien.size()), ScrollBox1->width()));
    ProgressBar1->hide();
    ZeigeLogoStatus();
}

void TMainForm::BaueKachelnAuf() {
    const int anzahl = int(m_logoDateien.size());
    if (anzahl == 0)
        return;
    ProgressBar1->setRange(0, anzahl);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    const int spalten = KachelSpalten(ScrollBox1->contentsRect().width(), anzahl);
    ErstelleKachellogos(m_logoDateien, [&](int i, const QImage& kachellogo) {
        const QPoint position = KachelPosition(i, spalten);
        m_logoRaster->FuegeKachelHinzu(position, ErstelleKachelbild(kachellogo));
        m_logoPositionen << PositionsText(position);
        ProgressBar1->setValue(i + 1);
    });
    ProgressBar1->setValue(0);
}

void TMainForm::ZeigeLogoStatus() {
    m_statusText->setText(QString(6, QLatin1Char(' ')) + QString::number(m_logoDateien.size()) +
                          QStringLiteral(" Logos im Ordner: ") + ComboBox1->currentText());
}

void TMainForm::KachelMausBewegung(int tag) {
    if (tag >= 0 && tag < m_logoDateien.size())
        m_statusText->setText(QString(5, QLatin1Char(' ')) + QFileInfo(m_logoDateien[tag]).fileName());
}

void TMainForm::KachelMausDruck(int tag, Qt::MouseButton taste) {
    if (tag < 0 || tag >= m_logoDateien.size())
        return;
    if (taste == Qt::RightButton && m_fenster.grossBild)
        m_fenster.grossBild->ZeigeLogo(m_logoDateien[tag]);
    else if (taste == Qt::LeftButton)
        WaehleLogo(tag);
}

void TMainForm::WaehleLogo(int tag) {
    const QString pfad = m_logoDateien[tag];
    const DekodiertesLogo logo = LeseLogoDatei(pfad);
    // Refused before anything changes: the grid stays and the last pick holds.
    if (logo.bild.isNull()) {
        Dialoge::Information(this, QStringLiteral("Das Logo \"") + QFileInfo(pfad).fileName() +
                                       QStringLiteral("\" kann nicht gelesen werden. Bitte wählen Sie ein anderes."));
        return;
    }
    m_gewaehlterPfad = pfad;
    m_gewaehlteDatei = QFileInfo(pfad).fileName();
    Image324->setPixmap(QPixmap::fromImage(MacheEintragslogo(logo)));
    TntLabel1->setText(m_gewaehlteDatei);
    TntLabel1->adjustSize();
    TntEdit1->setText(Namensfeldtext(m_gewaehlteDatei));
    ZeigeAnhangmodus();
    NummeriereNeu();
}

void TMainForm::EinfuegenBtnClick() {
    const int zeile = Listbox1->AktuelleZeile();
    if (zeile < 0 || zeile >= m_liste.Anzahl() || m_gewaehlteDatei.isEmpty())
        return;
    HaengeLogosAn({{zeile, m_gewaehlterPfad}}, QStringLiteral("Senderlogo einfügen"));
    Listbox1->setFocus();
    NummeriereNeu();
    VerbergeKopf();
}

void TMainForm::HaengeLogosAn(const QList<Logozuweisung>& zuweisungen, const QString& schritt) {
    const Verlaufsschritt verlauf(*this, schritt);
    QList<Logozuweisung> eingeschrieben;
    m_modell.Aendere([&](SenderListe& liste) { eingeschrieben = SchreibeLogosEin(liste, zuweisungen); });
    if (eingeschrieben.isEmpty())
        return;
    m_modell.Speichere(AktuelleListendatei());
    const QStringList fehlschlaege = KopiereLogos(eingeschrieben, m_ordner.senderLogos);
    if (!fehlschlaege.isEmpty())
        Dialoge::Warnung(this, fehlschlaege.join(u'\n'));
}

void TMainForm::AbbruchBtnClick() {
    VerbergeKopf();
    ComboBox1->hide();
}

void TMainForm::FormMouseWheel(int winkel) {
    // Whole notches only: a fine-grained wheel adds up to one before the grid moves.
    const int rasten = m_logoRad.Zaehle(winkel);
    if (rasten == 0)
        return;
    QScrollBar* leiste = ScrollBox1->verticalScrollBar();
    leiste->setValue(leiste->value() - 136 * rasten);
    update();
}

void TMainForm::Suchen1Click() {
    // From the list the search first brings up the grid, so its click finds the tile.
    if (!IstLogoModus())
        SenderlogoanaktuellenEintrageinfuegen1Click();
    if (m_logoDateien.isEmpty() || !m_fenster.suche)
        return;
    TSuchForm& suche = *m_fenster.suche;
    suche.FuelleNamen(m_logoDateien);
    suche.SetzeRaster({ScrollBox1->verticalScrollBar(), &m_logoPositionen, [this](QPoint punkt) {
                           m_klickpunkt = punkt;
                           Timer1->start();
                       }});
    Dialoge::ZeigeModal(suche);
}

void TMainForm::Timer1Timer() {
    Timer1->stop();
    if (!IstLogoModus())
        return;
    m_klickpunkt = ScrollBox1->viewport()->mapToGlobal(m_klickpunkt);
    const QPoint ziel = m_klickpunkt + QPoint(40, 40);
    QCursor::setPos(ziel);
    KlickeMaus(ziel.x(), ziel.y(), Qt::RightButton, *MachPause1);
}

} // namespace senvio
