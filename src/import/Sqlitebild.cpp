#include "import/Sqlitebild.h"

#include "import/Fernsehliste.h"
#include "platform/Fehler.h"

#include <sqlite3.h>

#include <memory>

namespace senvio {

namespace {

Fehler KeineListe(const QString& datei, const QString& grund) {
    return UnlesbareFernsehliste(datei, grund);
}

QString AlsText(const char* utf8) {
    return QString::fromUtf8(utf8 ? utf8 : "");
}

} // namespace

bool IstSqlite(QByteArrayView anfang) {
    return anfang.startsWith(QByteArrayView("SQLite format 3\0", 16));
}

bool Sqlitezeile::IstLeer(int spalte) const {
    return sqlite3_column_type(m_abfrage, spalte) == SQLITE_NULL;
}

qint64 Sqlitezeile::Zahl(int spalte) const {
    return sqlite3_column_int64(m_abfrage, spalte);
}

QByteArray Sqlitezeile::Bytes(int spalte) const {
    // Asked for as a blob, a text keeps the bytes it is stored with.
    const void* daten = sqlite3_column_blob(m_abfrage, spalte);
    const int groesse = sqlite3_column_bytes(m_abfrage, spalte);
    return daten && groesse > 0 ? QByteArray(static_cast<const char*>(daten), groesse) : QByteArray();
}

QString Sqlitezeile::Text(int spalte) const {
    const unsigned char* text = sqlite3_column_text(m_abfrage, spalte);
    const int groesse = sqlite3_column_bytes(m_abfrage, spalte);
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text), groesse) : QString();
}

Sqlitebild::Sqlitebild(QByteArrayView bytes, const QString& datei) : m_datei(datei) {
    if (bytes.size() > GroessteDatenbank)
        throw Fehler(QStringLiteral("Die Datenbank %1 ist größer als 256 MiB und wird nicht eingelesen.").arg(datei));
    if (!IstSqlite(bytes) || bytes.size() < 512)
        throw KeineListe(datei, QStringLiteral("sie ist keine SQLite-Datenbank"));
    m_bytes = bytes.toByteArray();
    // An image in write-ahead mode cannot be opened from memory; read as a rollback
    // journal database it is the same (the export holds no separate log).
    if (quint8(m_bytes[18]) == 2 && quint8(m_bytes[19]) == 2)
        m_bytes[18] = m_bytes[19] = 1;
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_PRIVATECACHE, nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw KeineListe(datei, QStringLiteral("SQLite kann sie nicht öffnen"));
    }
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, nullptr);
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, nullptr);
    sqlite3_limit(m_db, SQLITE_LIMIT_LENGTH, 16 << 20);
    const int ergebnis = sqlite3_deserialize(m_db, "main", reinterpret_cast<unsigned char*>(m_bytes.data()),
                                             m_bytes.size(), m_bytes.size(), SQLITE_DESERIALIZE_READONLY);
    if (ergebnis != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw KeineListe(datei, QStringLiteral("sie ist keine SQLite-Datenbank"));
    }
    // A damaged schema shows on the first look at it.
    try {
        Tabellen();
    } catch (...) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw;
    }
}

Sqlitebild::~Sqlitebild() {
    sqlite3_close(m_db);
}

QStringList Sqlitebild::Tabellen() const {
    QStringList tabellen;
    Frage(QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY rowid"),
          [&](const Sqlitezeile& z) { tabellen.append(z.Text(0)); });
    return tabellen;
}

bool Sqlitebild::HatTabelle(const QString& tabelle) const {
    return Tabellen().contains(tabelle, Qt::CaseInsensitive);
}

namespace {

QStringList SpaltenDer(const Sqlitebild& db, const QString& tabelle) {
    QStringList spalten;
    db.Frage(QStringLiteral("SELECT name FROM pragma_table_info(%1)")
                 .arg(u'\'' + QString(tabelle).replace(u'\'', QStringLiteral("''")) + u'\''),
             [&](const Sqlitezeile& z) { spalten.append(z.Text(0)); });
    return spalten;
}

} // namespace

bool Sqlitebild::HatSpalten(const QString& tabelle, const QStringList& spalten) const {
    if (!HatTabelle(tabelle))
        return false;
    const QStringList vorhanden = SpaltenDer(*this, tabelle);
    for (const QString& spalte : spalten)
        if (!vorhanden.contains(spalte, Qt::CaseInsensitive))
            return false;
    return true;
}

void Sqlitebild::PruefeSpalten(const QString& tabelle, const QStringList& spalten) const {
    if (!HatTabelle(tabelle))
        throw KeineListe(m_datei, QStringLiteral("es fehlt die Tabelle „%1“").arg(tabelle));
    const QStringList vorhanden = SpaltenDer(*this, tabelle);
    for (const QString& spalte : spalten)
        if (!vorhanden.contains(spalte, Qt::CaseInsensitive))
            throw KeineListe(m_datei, QStringLiteral("der Tabelle „%1“ fehlt die Spalte „%2“").arg(tabelle, spalte));
}

void Sqlitebild::Frage(const QString& sql, const std::function<void(const Sqlitezeile&)>& zeile) const {
    sqlite3_stmt* roh = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    int ergebnis = sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &roh, nullptr);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> abfrage(roh, sqlite3_finalize);
    while (ergebnis == SQLITE_OK && (ergebnis = sqlite3_step(abfrage.get())) == SQLITE_ROW) {
        ergebnis = SQLITE_OK;
        zeile(Sqlitezeile(abfrage.get()));
    }
    const QString grund = AlsText(sqlite3_errmsg(m_db));
    if (ergebnis != SQLITE_DONE)
        throw KeineListe(m_datei, QStringLiteral("die Datenbank ist beschädigt (SQLite: %1)").arg(grund));
}

} // namespace senvio
