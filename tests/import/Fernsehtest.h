#pragma once

// SQLite databases and tar files made by hand for the tests of TV readers, and the lists of a TV's find in
// forms to compare.
#include "import/Importquelle.h"

#include <QMap>
#include <QStringEncoder>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <sqlite3.h>

#include "TestDateien.h"

namespace senvio::test {

// The database that `sql` (statements separated by ";") makes, built in memory.
inline QByteArray Datenbank(const QString& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    EXPECT_EQ(sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_int64 groesse = 0;
    unsigned char* bild = sqlite3_serialize(db, "main", &groesse, 0);
    const QByteArray bytes(reinterpret_cast<const char*>(bild), qsizetype(groesse));
    sqlite3_free(bild);
    sqlite3_close(db);
    return bytes;
}

// A tar holding the bytes as one file, written by libarchive.
inline QByteArray Tar(const char* pfad, const QByteArray& inhalt) {
    QByteArray tar(inhalt.size() + 8192, '\0');
    size_t groesse = 0;
    archive* a = archive_write_new();
    archive_entry* e = archive_entry_new();
    archive_write_set_format_ustar(a);
    archive_write_open_memory(a, tar.data(), size_t(tar.size()), &groesse);
    archive_entry_copy_pathname(e, pfad);
    archive_entry_set_filetype(e, AE_IFREG);
    archive_entry_set_size(e, inhalt.size());
    archive_write_header(a, e);
    archive_write_data(a, inhalt.constData(), size_t(inhalt.size()));
    archive_entry_free(e);
    archive_write_free(a); // closes it
    return tar.first(qsizetype(groesse));
}

// A SQL blob literal of the text in UTF-16BE: x'00410042'.
inline QString Utf16beLiteral(const QString& text) {
    return QStringLiteral("x'%1'").arg(
        QString::fromLatin1(QByteArray(QStringEncoder(QStringEncoder::Utf16BE)(text)).toHex()));
}

// Each group's channels in the find's order as "number name reference", radio marked "R"
// ("R66 1LIVE C-41985-1101-28475").
inline QMap<QString, QStringList> KanaeleJeListe(const ImportFund& fund) {
    QMap<QString, QStringList> listen;
    for (const ImportSender& s : fund.sender)
        for (const int g : s.gruppen)
            listen[fund.gruppen.value(g).name].append(
                QStringLiteral("%1%2 %3 %4").arg(s.radio ? "R" : "").arg(s.nummer).arg(s.name, s.referenz));
    return listen;
}

// "TV/radio" counts of each list.
inline QMap<QString, QString> ZahlenJeListe(const QMap<QString, QStringList>& listen) {
    QMap<QString, QString> zahlen;
    for (auto it = listen.cbegin(); it != listen.cend(); ++it) {
        const auto radio = std::count_if(it->cbegin(), it->cend(), [](const QString& k) { return k.startsWith(u'R'); });
        zahlen.insert(it.key(), QStringLiteral("%1/%2").arg(it->size() - radio).arg(radio));
    }
    return zahlen;
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

// Each group as "Name TV/Radio", then each channel as "Gruppe[ R] Nummer Name <Referenz>".
inline QStringList Inhalt(const ImportFund& f) {
    QStringList inhalt;
    for (int g = 0; g < f.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : f.sender)
            if (s.gruppen.value(0) == g)
                ++(s.radio ? radio : tv);
        inhalt << QStringLiteral("%1 %2/%3").arg(f.gruppen[g].name).arg(tv).arg(radio);
    }
    for (const ImportSender& s : f.sender)
        inhalt << QStringLiteral("%1%2 %3 %4 <%5>")
                      .arg(f.gruppen[s.gruppen.value(0)].name, s.radio ? QStringLiteral(" R") : QString())
                      .arg(s.nummer)
                      .arg(s.name, s.referenz);
    return inhalt;
}

// "Name (TV/Radio)" per group, then "Gruppe:Nummer Name <Referenz>" per channel (" R" for radio).
inline QStringList Kurzinhalt(const ImportFund& f) {
    QStringList kurz;
    for (int g = 0; g < f.gruppen.size(); ++g) {
        int zahl[2] = {0, 0};
        for (const ImportSender& s : f.sender)
            zahl[s.radio] += s.gruppen == QList<int>{g};
        kurz << QStringLiteral("%1 (%2/%3)").arg(f.gruppen[g].name).arg(zahl[0]).arg(zahl[1]);
    }
    for (const ImportSender& s : f.sender)
        kurz << QStringLiteral("%1:%2 %3 <%4>%5")
                    .arg(s.gruppen.value(0))
                    .arg(s.nummer)
                    .arg(s.name, s.referenz, s.radio ? " R" : "");
    return kurz;
}

} // namespace senvio::test
