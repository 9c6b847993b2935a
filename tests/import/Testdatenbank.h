#pragma once

// SQLite databases written by hand for the tests of TV readers: made by SQLite in a
// temporary folder and read back as bytes.
#include "import/Importquelle.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace senvio::test {

// The database that `sql` (statements separated by ";") makes; empty when SQLite refuses it.
inline QByteArray Testdatenbank(const QString& sql) {
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("test.db"));
    sqlite3* db = nullptr;
    char* fehler = nullptr;
    const bool gut = sqlite3_open(QFile::encodeName(pfad).constData(), &db) == SQLITE_OK &&
                     sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &fehler) == SQLITE_OK;
    EXPECT_TRUE(gut) << (fehler ? fehler : "");
    sqlite3_free(fehler);
    sqlite3_close(db);
    QFile datei(pfad);
    return gut && datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// A SQL blob literal of the text in UTF-16BE: x'00410042'.
inline QString Utf16beLiteral(const QString& text) {
    QStringEncoder utf16be(QStringEncoder::Utf16BE);
    return QStringLiteral("x'%1'").arg(QString::fromLatin1(QByteArray(utf16be.encode(text)).toHex()));
}

// Per group of a TV's find: "TV/radio" counts ("Kabel" → "65/75").
inline QMap<QString, QString> Gruppenzahlen(const ImportFund& fund) {
    QMap<QString, QString> zahlen;
    for (qsizetype g = 0; g < fund.gruppen.size(); ++g) {
        int tv = 0, radio = 0;
        for (const ImportSender& s : fund.sender)
            if (s.gruppen.contains(int(g)))
                (s.radio ? radio : tv) += 1;
        zahlen.insert(fund.gruppen[g].name, QStringLiteral("%1/%2").arg(tv).arg(radio));
    }
    return zahlen;
}

// The channels of a group in the find's order as "number name" or, with `referenz`,
// "number name referenz" ("3 WDR Köln HD C-41985-111-11155"); radio marked "R".
inline QStringList Kanaele(const ImportFund& fund, const QString& gruppe, bool referenz = false) {
    QStringList kanaele;
    const int g = int(std::find_if(fund.gruppen.begin(), fund.gruppen.end(),
                                   [&](const ImportGruppe& x) { return x.name == gruppe; }) -
                      fund.gruppen.begin());
    for (const ImportSender& s : fund.sender)
        if (s.gruppen.contains(g))
            kanaele.append(QStringLiteral("%1%2 %3%4")
                               .arg(s.radio ? QStringLiteral("R") : QString())
                               .arg(s.nummer)
                               .arg(s.name, referenz ? u' ' + s.referenz : QString()));
    return kanaele;
}

// Each group's channels as Kanaele gives them with references.
inline QMap<QString, QStringList> AlleKanaele(const ImportFund& fund) {
    QMap<QString, QStringList> kanaele;
    for (const ImportGruppe& g : fund.gruppen)
        kanaele.insert(g.name, Kanaele(fund, g.name, true));
    return kanaele;
}

} // namespace senvio::test
