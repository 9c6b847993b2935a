#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

// SQLite databases of TV sets' exports, opened from a copy in memory, read-only: nothing is
// written beside the user's file, no journal, no lock.
namespace senvio {

// Larger databases are refused: no TV's list comes near this.
inline constexpr qint64 GroessteDatenbank = qint64(256) << 20;

// True for the start of a SQLite database file ("SQLite format 3" and a NUL).
bool IstSqlite(QByteArrayView anfang);

// One row of a query's result.
class Sqlitezeile {
public:
    explicit Sqlitezeile(sqlite3_stmt* abfrage) : m_abfrage(abfrage) {}
    bool IstLeer(int spalte) const;     // NULL
    qint64 Zahl(int spalte) const;      // as SQLite converts the value to an integer
    QByteArray Bytes(int spalte) const; // a blob's or a text's bytes as stored
    QString Text(int spalte) const;     // a text as UTF-8 (invalid bytes become U+FFFD)

private:
    sqlite3_stmt* m_abfrage;
};

class Sqlitebild {
public:
    // The database of these bytes (a database in write-ahead mode is read as one without).
    // Throws Fehler with a German message naming `datei` when the bytes are no database or
    // more than GroessteDatenbank.
    Sqlitebild(QByteArrayView bytes, const QString& datei);
    ~Sqlitebild();
    Sqlitebild(const Sqlitebild&) = delete;
    Sqlitebild& operator=(const Sqlitebild&) = delete;

    const QString& Datei() const { return m_datei; }
    // The tables, in the order of the schema.
    QStringList Tabellen() const;
    bool HatTabelle(const QString& tabelle) const;
    // True when the table exists and has every column (compared without regard to case).
    bool HatSpalten(const QString& tabelle, const QStringList& spalten) const;
    // Throws Fehler "Die Datei … ist keine lesbare Senderliste: der Tabelle „T“ fehlt die
    // Spalte „S“." for the first column the table lacks (or "fehlt die Tabelle „T“").
    void PruefeSpalten(const QString& tabelle, const QStringList& spalten) const;
    // Runs the query and hands each row to `zeile`. Throws Fehler naming the file when
    // SQLite cannot run it (a damaged database).
    void Frage(const QString& sql, const std::function<void(const Sqlitezeile&)>& zeile) const;

private:
    QString m_datei;
    QByteArray m_bytes; // the image SQLite reads; it must outlive the connection
    sqlite3* m_db = nullptr;
};

} // namespace senvio
