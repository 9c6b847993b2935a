#pragma once

#include "empfang/Empfaenger.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace senvio {

// "Vom Receiver holen": the box's address (host name or IP, optional port), its kind, and
// user name and password for a box that asks for them.
class TReceiverForm : public QDialog {
    Q_OBJECT
public:
    explicit TReceiverForm(QWidget* eltern = nullptr);

    Empfangsziel Ziel() const;
    // The fields as given; the password field is always left empty.
    void SetzeZiel(const Empfangsziel& ziel);
    // A note above the fields: why the dialog is shown again (the box wants a login).
    void ZeigeHinweis(const QString& text);

private:
    QLineEdit* Adresse = nullptr;
    QComboBox* Art = nullptr;
    QLineEdit* Benutzer = nullptr;
    QLineEdit* Passwort = nullptr;
    QLabel* Hinweis = nullptr;
    QPushButton* OkKnopf = nullptr;
};

// The dialog, started with the address and kind of the last fetch (senvio.ini; never the
// password), then the list fetched with a progress dialog that appears after a second and
// can be cancelled. A box that asks for a login, or refuses the one given, brings the
// dialog back with its message; any other fault is shown. Nothing when cancelled or failed.
// With a `bekannt` box (the one a list came from) the dialog starts with it, and is skipped
// when the box needs no login.
std::optional<Receiverabruf> HoleVomReceiver(QWidget* eltern, const QString& einstellungen,
                                             const std::optional<Empfangsziel>& bekannt = std::nullopt);

// The box's logos of these services, with the same progress dialog; nothing when the user
// cancelled. A fault is shown, and the import goes on without them.
std::optional<QHash<QString, QByteArray>> HoleReceiverlogos(QWidget* eltern, const Receiverabruf& abruf,
                                                            const QStringList& referenzen);

} // namespace senvio
