#include "empfang/ReceiverForm.h"

#include "platform/Dialoge.h"
#include "platform/Einstellungen.h"
#include "platform/Knopfzeile.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace senvio {

namespace {

const QString AdressSchluessel = QStringLiteral("ReceiverAdresse");
const QString ArtSchluessel = QStringLiteral("ReceiverArt");
constexpr Empfaengerart Arten[] = {Empfaengerart::Automatisch, Empfaengerart::Enigma2, Empfaengerart::Router,
                                   Empfaengerart::Tvheadend};

// A fetch with the progress dialog: shown after a second, "Abbrechen" ends the fetch.
template <typename Tu> auto MitFortschritt(QWidget* eltern, const QString& text, Tu&& tu) {
    const std::function<bool(int)> fortschritt = Dialoge::Fortschritt(eltern, text, 0, 1000);
    return tu([&](qint64, qint64) { return fortschritt(1); });
}

} // namespace

TReceiverForm::TReceiverForm(QWidget* eltern) : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Vom Receiver holen"));
    Hinweis = new QLabel(this);
    Hinweis->setWordWrap(true);
    Hinweis->setVisible(false);
    Adresse = new QLineEdit(this);
    Adresse->setPlaceholderText(QStringLiteral("z. B. 192.168.178.20 oder vuplus:8080"));
    // Room for an address with port and the placeholder without cutting it.
    Adresse->setMinimumWidth(Adresse->fontMetrics().horizontalAdvance(Adresse->placeholderText()) + 24);
    Art = new QComboBox(this);
    for (const Empfaengerart art : Arten)
        Art->addItem(Artname(art));
    Benutzer = new QLineEdit(this);
    Passwort = new QLineEdit(this);
    Passwort->setEchoMode(QLineEdit::Password);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Adresse:"), Adresse);
    felder->addRow(QStringLiteral("Art des Geräts:"), Art);
    felder->addRow(QStringLiteral("Benutzername:"), Benutzer);
    felder->addRow(QStringLiteral("Passwort:"), Passwort);
    auto* erklaerung =
        new QLabel(QStringLiteral("Benutzername und Passwort nur, wenn der Receiver sie verlangt. Das Passwort "
                                  "wird nirgends gespeichert."),
                   this);
    erklaerung->setWordWrap(true);
    const Knopfzeile knoepfe = BaueKnopfzeile(*this);
    OkKnopf = knoepfe.ok;
    connect(OkKnopf, &QPushButton::clicked, this, &QDialog::accept);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(Hinweis);
    aufbau->addLayout(felder);
    aufbau->addWidget(erklaerung);
    aufbau->addLayout(knoepfe.zeile);
    connect(Adresse, &QLineEdit::textChanged, this,
            [this](const QString& text) { OkKnopf->setEnabled(!text.trimmed().isEmpty()); });
    OkKnopf->setEnabled(false);
    for (auto [teil, name] : std::initializer_list<std::pair<QObject*, const char*>>{{Adresse, "Adresse"},
                                                                                     {Art, "Art"},
                                                                                     {Benutzer, "Benutzer"},
                                                                                     {Passwort, "Passwort"},
                                                                                     {Hinweis, "Hinweis"},
                                                                                     {OkKnopf, "OkKnopf"}})
        teil->setObjectName(QString::fromLatin1(name));
}

Empfangsziel TReceiverForm::Ziel() const {
    Empfangsziel ziel;
    ziel.adresse = Adresse->text().trimmed();
    ziel.art = Arten[std::max(0, Art->currentIndex())];
    ziel.benutzer = Benutzer->text();
    ziel.passwort = Passwort->text();
    return ziel;
}

void TReceiverForm::SetzeZiel(const Empfangsziel& ziel) {
    Adresse->setText(ziel.adresse);
    Art->setCurrentIndex(int(std::find(std::begin(Arten), std::end(Arten), ziel.art) - std::begin(Arten)));
    Benutzer->setText(ziel.benutzer);
    Passwort->clear();
}

void TReceiverForm::ZeigeHinweis(const QString& text) {
    Hinweis->setText(text);
    Hinweis->setVisible(!text.isEmpty());
    (Benutzer->text().isEmpty() ? Benutzer : Passwort)->setFocus();
}

std::optional<Receiverabruf> HoleVomReceiver(QWidget* eltern, const QString& einstellungen,
                                             const std::optional<Empfangsziel>& bekannt) {
    TReceiverForm dialog(eltern);
    Empfangsziel start;
    start.adresse = LeseIniWert(einstellungen, EinstellungsAbschnitt, AdressSchluessel);
    const QString art = LeseIniWert(einstellungen, EinstellungsAbschnitt, ArtSchluessel);
    start.art = LeseEmpfaengerart(art).value_or(Empfaengerart::Automatisch);
    dialog.SetzeZiel(bekannt.value_or(start));
    // A known box without a login is asked at once; one with a user name needs the password.
    bool direkt = bekannt && bekannt->benutzer.isEmpty();
    if (bekannt && !direkt)
        dialog.ZeigeHinweis(
            QStringLiteral("Bitte geben Sie das Passwort für %1 am Receiver ein.").arg(bekannt->benutzer));
    for (;;) {
        if (!std::exchange(direkt, false) && Dialoge::ZeigeModal(dialog) != QDialog::Accepted)
            return std::nullopt;
        Empfangsziel ziel = dialog.Ziel();
        // The box a list came from is asked the way it answered then.
        if (bekannt && ziel.adresse == bekannt->adresse)
            ziel.weg = bekannt->weg;
        SchreibeIniWert(einstellungen, EinstellungsAbschnitt, AdressSchluessel, ziel.adresse);
        SchreibeIniWert(einstellungen, EinstellungsAbschnitt, ArtSchluessel, Artkennung(ziel.art));
        try {
            return MitFortschritt(eltern, QStringLiteral("Die Senderliste wird vom Receiver geholt..."),
                                  [&](const Abruffortschritt& fortschritt) {
                                      return Receiverabruf{ziel, HoleSenderliste(ziel, fortschritt)};
                                  });
        } catch (const Abruffehler& fehler) {
            if (fehler.grund() == Abrufgrund::Abgebrochen)
                return std::nullopt;
            if (fehler.grund() != Abrufgrund::AnmeldungNoetig && fehler.grund() != Abrufgrund::AnmeldungFalsch) {
                Dialoge::Warnung(eltern, fehler.meldung());
                return std::nullopt;
            }
            // The box is there and wants a login: asked for in the same dialog.
            dialog.SetzeZiel(ziel);
            dialog.ZeigeHinweis(fehler.meldung());
        }
    }
}

std::optional<QHash<QString, QByteArray>> HoleReceiverlogos(QWidget* eltern, const Receiverabruf& abruf,
                                                            const QStringList& referenzen) {
    try {
        return MitFortschritt(eltern, QStringLiteral("Die Logos werden vom Receiver geholt..."),
                              [&](const Abruffortschritt& fortschritt) {
                                  return HoleLogos(abruf.ziel, abruf.fund, referenzen, fortschritt);
                              });
    } catch (const Abruffehler& fehler) {
        if (fehler.grund() == Abrufgrund::Abgebrochen)
            return std::nullopt;
        Dialoge::Warnung(eltern, QStringLiteral("Die Logos des Receivers konnten nicht geholt werden; die Sender "
                                                "werden ohne sie übernommen.\n%1")
                                     .arg(fehler.meldung()));
        return QHash<QString, QByteArray>();
    }
}

} // namespace senvio
