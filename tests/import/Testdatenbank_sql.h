#pragma once

// Helpers of the tests of TV sets' SQLite and CSV exports.
#include "import/Importquelle.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace senvio::test {

// The file of a database the statements make, built in memory.
inline QByteArray Datenbank(const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
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
    for (int g = 0; g < fund.gruppen.size(); ++g) {
        int anzahl[2] = {0, 0};
        for (const ImportSender& s : fund.sender)
            anzahl[s.radio] += s.gruppen.contains(g) ? 1 : 0;
        listen << QStringLiteral("%1%2 %3/%4")
                      .arg(fund.gruppen[g].vorgewaehlt ? QStringLiteral("*") : QString(), fund.gruppen[g].name)
                      .arg(anzahl[0])
                      .arg(anzahl[1]);
    }
    return listen;
}

// A list's channel by number as "Name Referenz"; "?" for none.
inline QString Kanal(const ImportFund& fund, const QString& liste, int nummer, bool radio = false) {
    for (const ImportSender& s : fund.sender)
        if (s.nummer == nummer && s.radio == radio && fund.gruppen.value(s.gruppen.value(0)).name == liste)
            return (s.name + u' ' + s.referenz).trimmed();
    return QStringLiteral("?");
}

} // namespace senvio::test
