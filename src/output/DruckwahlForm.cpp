#include "output/DruckwahlForm.h"

#include "platform/Knopfzeile.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace senvio {

namespace {

constexpr Ausgabeart Arten[4] = {Ausgabeart::ObenGeheftet, Ausgabeart::LinksGeheftet, Ausgabeart::Doppelhuellen,
                                 Ausgabeart::Grossdruck};

// "Nur geänderte Karten drucken (Karten 2, 5)", "(Karte 3)" for one.
QString NurGeaenderteText(const QList<int>& karten) {
    QStringList nummern;
    for (const int karte : karten)
        nummern << QString::number(karte);
    return QStringLiteral("Nur geänderte Karten drucken (%1 %2)")
        .arg(karten.size() == 1 ? QStringLiteral("Karte") : QStringLiteral("Karten"),
             nummern.join(QStringLiteral(", ")));
}

} // namespace

TDruckwahlForm::TDruckwahlForm(const Blattwahl& start, QWidget* eltern, const QList<int>& geaenderteKarten,
                               std::function<void()> rueckseiteBearbeiten)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Drucken"));
    auto* spalte = new QVBoxLayout(this);
    const QString texte[4] = {QStringLiteral("für DIN A6 Klarsicht Einfachhülle oben geheftet"),
                              QStringLiteral("für DIN A6 Klarsicht Einfachhülle links geheftet"),
                              QStringLiteral("für DIN A6 Klarsicht Doppelhüllen"),
                              QStringLiteral("Großdruck (10 Sender je Karte)")};
    const char* namen[4] = {"ObenGeheftet", "LinksGeheftet", "Doppelhuellen", "Grossdruck"};
    for (int i = 0; i < 4; ++i) {
        m_art[i] = new QRadioButton(texte[i], this);
        m_art[i]->setObjectName(QLatin1String(namen[i]));
        m_art[i]->setChecked(Arten[i] == start.art);
        spalte->addWidget(m_art[i]);
    }
    // The back side belongs to the large print: offered with it only.
    auto* rueckseite = new QHBoxLayout;
    m_rueckseite = new QCheckBox(QStringLiteral("Rückseite drucken"), this);
    m_rueckseite->setObjectName(QStringLiteral("Rueckseite"));
    m_rueckseite->setChecked(start.rueckseite);
    rueckseite->addSpacing(20);
    rueckseite->addWidget(m_rueckseite);
    auto* bearbeiten = new QPushButton(QStringLiteral("Rückseite..."), this);
    bearbeiten->setObjectName(QStringLiteral("RueckseiteBearbeiten"));
    bearbeiten->setVisible(bool(rueckseiteBearbeiten));
    connect(bearbeiten, &QPushButton::clicked, this, [rueckseiteBearbeiten] { rueckseiteBearbeiten(); });
    rueckseite->addWidget(bearbeiten);
    rueckseite->addStretch();
    spalte->addLayout(rueckseite);
    const auto folge = [this, bearbeiten] {
        m_rueckseite->setEnabled(m_art[3]->isChecked());
        bearbeiten->setEnabled(m_art[3]->isChecked());
    };
    connect(m_art[3], &QRadioButton::toggled, this, folge);
    folge();
    auto* felder = new QFormLayout;
    m_startKarte = new QSpinBox(this);
    m_startKarte->setObjectName(QStringLiteral("StartKarte"));
    m_startKarte->setRange(1, 4);
    m_startKarte->setValue(start.startKarte);
    felder->addRow(QStringLiteral("Beginnen bei Karte"), m_startKarte);
    spalte->addLayout(felder);
    m_schnittlinien = new QCheckBox(QStringLiteral("Schnittlinien drucken"), this);
    m_schnittlinien->setObjectName(QStringLiteral("Schnittlinien"));
    m_schnittlinien->setChecked(start.schnittlinien);
    spalte->addWidget(m_schnittlinien);
    if (!geaenderteKarten.isEmpty()) {
        m_nurGeaenderte = new QCheckBox(NurGeaenderteText(geaenderteKarten), this);
        m_nurGeaenderte->setObjectName(QStringLiteral("NurGeaenderte"));
        m_nurGeaenderte->setChecked(true);
        spalte->addWidget(m_nurGeaenderte);
    }
    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);
}

Blattwahl TDruckwahlForm::Wahl() const {
    Blattwahl wahl;
    for (int i = 0; i < 4; ++i)
        if (m_art[i]->isChecked())
            wahl.art = Arten[i];
    // Kept as ticked; only the large print reads it.
    wahl.rueckseite = m_rueckseite->isChecked();
    wahl.startKarte = m_startKarte->value();
    wahl.schnittlinien = m_schnittlinien->isChecked();
    return wahl;
}

bool TDruckwahlForm::NurGeaenderte() const {
    return m_nurGeaenderte && m_nurGeaenderte->isChecked();
}

bool TDruckwahlForm::NurGeaenderteAbgewaehlt() const {
    return m_nurGeaenderte && !m_nurGeaenderte->isChecked();
}

void RichteDruckerEin(QPrinter& drucker) {
    RichteA4Ein(drucker);
    drucker.setFullPage(true);
}

} // namespace senvio
