#include "output/RueckseiteForm.h"

#include "platform/Dialoge.h"
#include "platform/Knopfzeile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace senvio {

namespace {
// A line of large print holds little more: longer text would only take two lines.
constexpr int TasteHoechstens = 40;
constexpr int WirkungHoechstens = 80;
} // namespace

TRueckseiteForm::TRueckseiteForm(const QList<Rueckseitenzeile>& zeilen, QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Rückseite „%1“").arg(RueckseiteTitel));
    auto* spalte = new QVBoxLayout(this);
    auto* vorlagen = new QHBoxLayout;
    vorlagen->addWidget(new QLabel(QStringLiteral("Vorlage für den Fernseher:"), this));
    m_vorlage = new QComboBox(this);
    m_vorlage->setObjectName(QStringLiteral("Vorlage"));
    m_vorlage->addItems(RueckseitenVorlagen());
    vorlagen->addWidget(m_vorlage, 1);
    auto* nimm = new QPushButton(QStringLiteral("Vorlage übernehmen"), this);
    nimm->setObjectName(QStringLiteral("VorlageUebernehmen"));
    connect(nimm, &QPushButton::clicked, this, [this] { SetzeZeilen(RueckseitenVorlage(m_vorlage->currentText())); });
    vorlagen->addWidget(nimm);
    spalte->addLayout(vorlagen);

    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(QStringLiteral("Taste oder Lage"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Was zu tun ist"), this), 0, 1);
    for (int i = 0; i < RueckseiteZeilenHoechstens; ++i) {
        m_taste[i] = new QLineEdit(this);
        m_taste[i]->setObjectName(QStringLiteral("Taste%1").arg(i + 1));
        m_taste[i]->setMaxLength(TasteHoechstens);
        m_wirkung[i] = new QLineEdit(this);
        m_wirkung[i]->setObjectName(QStringLiteral("Wirkung%1").arg(i + 1));
        m_wirkung[i]->setMaxLength(WirkungHoechstens);
        m_wirkung[i]->setMinimumWidth(360);
        raster->addWidget(m_taste[i], i + 1, 0);
        raster->addWidget(m_wirkung[i], i + 1, 1);
    }
    spalte->addLayout(raster);
    spalte->addWidget(new QLabel(
        QStringLiteral(
            "Die Rückseite gilt für jede Karte dieser Liste. Sie wird nur mit „Rückseite drucken“ gedruckt."),
        this));
    SetzeZeilen(zeilen);
    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    connect(knoepfe.ok, &QPushButton::clicked, this, &QDialog::accept);
    spalte->addLayout(knoepfe.zeile);
}

void TRueckseiteForm::SetzeZeilen(const QList<Rueckseitenzeile>& zeilen) {
    for (int i = 0; i < RueckseiteZeilenHoechstens; ++i) {
        m_taste[i]->setText(zeilen.value(i).taste);
        m_wirkung[i]->setText(zeilen.value(i).wirkung);
    }
}

QList<Rueckseitenzeile> TRueckseiteForm::Zeilen() const {
    QList<Rueckseitenzeile> zeilen;
    for (int i = 0; i < RueckseiteZeilenHoechstens; ++i)
        if (!m_taste[i]->text().trimmed().isEmpty() || !m_wirkung[i]->text().trimmed().isEmpty())
            zeilen.append({m_taste[i]->text().trimmed(), m_wirkung[i]->text().trimmed()});
    return zeilen;
}

void BearbeiteRueckseite(QWidget* eltern, const QString& listendatei) {
    const QString datei = RueckseitendateiZu(listendatei);
    TRueckseiteForm dialog(LeseRueckseite(datei), eltern);
    if (Dialoge::ZeigeModal(dialog) == QDialog::Accepted)
        SchreibeRueckseite(datei, dialog.Zeilen());
}

} // namespace senvio
