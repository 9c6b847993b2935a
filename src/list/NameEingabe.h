#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace senvio {

enum class NamensPruefung {
    Leer,      // nothing but blanks and control characters
    Ungueltig, // holds "/" or a control character, or is "." or ".."
    Vorhanden, // a list of that name exists
    Neu,
};

// Checks the name typed for a new list. The name is used as entered: blanks at its
// ends stay part of the list's name and file name.
NamensPruefung PruefeListenNamen(const QString& name, const QString& listenOrdner);

// Asks for the name of a new list. "OK" closes it with Accepted only for a usable
// name (after asking whether an existing list may be overwritten).
class TNameEingabeForm : public QDialog {
    Q_OBJECT
public:
    explicit TNameEingabeForm(QString listenOrdner, QWidget* eltern = nullptr);
    QString Name() const;
    void SetzeName(const QString& name);

public slots:
    void BitBtn1Click();

private:
    QLineEdit* TntEdit1 = nullptr;
    QString m_listenOrdner;
};

} // namespace senvio
