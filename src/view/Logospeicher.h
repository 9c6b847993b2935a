#pragma once

#include "platform/Dateistand.h"
#include "zwischenspeicher/Logozwischenspeicher.h"

#include <QHash>
#include <QImage>
#include <QString>

// The item logos of the rows the list view has drawn, kept in memory, so that scrolling
// and repainting draw without reading a file.
namespace senvio {

class Logospeicher {
public:
    explicit Logospeicher(int hoechstens = 2000) : m_hoechstens(hoechstens) {}

    // EintragslogoDerDatei of the file, from memory while the file's size and time are
    // those it was made from and the cache has not been emptied since.
    QImage Hole(const QString& datei);
    void Leere() { m_bilder.clear(); }
    int Anzahl() const { return int(m_bilder.size()); }

private:
    struct Bild {
        QImage bild;
        Dateistand stand;
        quint64 zwischenspeicherstand = 0;
    };
    int m_hoechstens;
    QHash<QString, Bild> m_bilder;
};

} // namespace senvio
