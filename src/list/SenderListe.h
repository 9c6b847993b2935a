#pragma once

#include <QString>
#include <QStringList>

namespace senvio {

// The open channel list: one Unicode line per entry, line i is entry i + 1, and the
// Unicode flag that decides how the list file is written (UTF-16 or 8-bit).
class SenderListe {
public:
    qsizetype Anzahl() const { return m_zeilen.size(); }
    const QString& Zeile(qsizetype i) const { return m_zeilen.at(i); }
    const QStringList& Zeilen() const { return m_zeilen; }

    void Ersetze(qsizetype i, const QString& zeile) { m_zeilen[i] = zeile; }
    void HaengeAn(const QString& zeile) { m_zeilen.append(zeile); }
    void Loesche(qsizetype i) { m_zeilen.removeAt(i); }
    // Takes line "von" out and puts it in at index "nach" of the shortened list.
    void Verschiebe(qsizetype von, qsizetype nach) { m_zeilen.move(von, nach); }
    // Empties the list; the Unicode flag stays as it is.
    void Leere() { m_zeilen.clear(); }
    void SetzeZeilen(QStringList zeilen) { m_zeilen = std::move(zeilen); }

    bool IstUnicode() const { return m_unicode; }
    void SetzeUnicode(bool unicode) { m_unicode = unicode; }

private:
    QStringList m_zeilen;
    bool m_unicode = false;
};

} // namespace senvio
