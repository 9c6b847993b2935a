#pragma once

// Helpers of the tests of TV sets' SQLite and CSV exports: a database made from SQL, and the
// lists of a find in short.
#include "import/Importquelle.h"

#include <QByteArray>
#include <QStringList>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace senvio::test {

// The bytes of the file of a database the statements make (in memory, nothing on disk).
inline QByteArray Datenbank(const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    char* fehler = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &fehler) != SQLITE_OK)
        ADD_FAILURE() << fehler;
    sqlite3_free(fehler);
    sqlite3_int64 groesse = 0;
    unsigned char* bild = sqlite3_serialize(db, "main", &groesse, 0);
    const QByteArray bytes(reinterpret_cast<const char*>(bild), qsizetype(groesse));
    sqlite3_free(bild);
    sqlite3_close(db);
    return bytes;
}

// The lists as "Name TV/Radio", "*" before the ticked one.
inline QStringList Listen(const ImportFund& fund) {
    QStringList listen;
    for (qsizetype g = 0; g < fund.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : fund.sender)
            (s.radio ? radio : tv) += s.gruppen.contains(int(g)) ? 1 : 0;
        listen << (fund.gruppen[g].vorgewaehlt ? QStringLiteral("*") : QString()) + fund.gruppen[g].name +
                      QStringLiteral(" %1/%2").arg(tv).arg(radio);
    }
    return listen;
}

// The channel of a list by number as "Name Referenz" ("?" when there is none).
inline QString Kanal(const ImportFund& fund, const QString& liste, int nummer, bool radio = false) {
    for (const ImportSender& s : fund.sender)
        if (s.nummer == nummer && s.radio == radio && fund.gruppen.value(s.gruppen.value(0)).name == liste)
            return (s.name + u' ' + s.referenz).trimmed();
    return QStringLiteral("?");
}

} // namespace senvio::test
