#include "empfang/Empfangsantwort.h"

#include "import/Piconname.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>

namespace senvio {

namespace {

std::optional<QJsonArray> Liste(const QByteArray& json, QLatin1StringView schluessel) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(json, &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        return std::nullopt;
    const QJsonValue wert = dokument.object().value(schluessel);
    if (!wert.isArray())
        return std::nullopt;
    return wert.toArray();
}

// One line of a bouquet file: no line break may end it early.
QByteArray Zeile(QString text) {
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text.toUtf8();
}

} // namespace

std::optional<QList<Enigma2Bouquet>> LeseEnigma2Bouquets(const QByteArray& json) {
    const std::optional<QJsonArray> liste = Liste(json, QLatin1StringView("bouquets"));
    if (!liste)
        return std::nullopt;
    QList<Enigma2Bouquet> bouquets;
    for (const QJsonValue& wert : *liste) {
        const QJsonArray paar = wert.toArray();
        if (paar.size() >= 2 && paar[0].isString() && !paar[0].toString().isEmpty())
            bouquets.append({paar[0].toString(), paar[1].toString()});
    }
    return bouquets;
}

QString Enigma2Bouquetdatei(const QString& referenz) {
    static const QRegularExpression datei(QStringLiteral("FROM BOUQUET \"([^\"/\\\\]+)\""),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer = datei.match(referenz);
    const QString name = treffer.hasMatch() ? treffer.captured(1) : QString();
    return name == QLatin1String(".") || name == QLatin1String("..") ? QString() : name;
}

std::optional<QByteArray> Enigma2Bouquettext(const QString& name, const QByteArray& json) {
    const std::optional<QJsonArray> liste = Liste(json, QLatin1StringView("services"));
    if (!liste)
        return std::nullopt;
    QByteArray text = "#NAME " + Zeile(name) + '\n';
    for (const QJsonValue& wert : *liste) {
        const QJsonObject dienst = wert.toObject();
        const QString referenz = dienst.value(QLatin1StringView("servicereference")).toString();
        if (referenz.isEmpty())
            continue;
        text += "#SERVICE " + Zeile(referenz) + '\n';
        const QString dienstname = dienst.value(QLatin1StringView("servicename")).toString();
        if (!dienstname.isEmpty())
            text += "#DESCRIPTION " + Zeile(dienstname) + '\n';
    }
    return text;
}

QByteArray Enigma2Obertext(const QString& name, const QStringList& dateien) {
    QByteArray text = "#NAME " + Zeile(name) + '\n';
    for (const QString& datei : dateien)
        text += "#SERVICE 1:7:1:0:0:0:0:0:0:0:FROM BOUQUET \"" + Zeile(datei) + "\" ORDER BY bouquet\n";
    return text;
}

std::optional<ImportFund> LeseTvheadendKanaele(const QByteArray& json) {
    const std::optional<QJsonArray> liste = Liste(json, QLatin1StringView("entries"));
    if (!liste)
        return std::nullopt;
    QList<ImportSender> kanaele;
    for (const QJsonValue& wert : *liste) {
        const QJsonObject kanal = wert.toObject();
        if (!kanal.value(QLatin1StringView("enabled")).toBool(true))
            continue;
        ImportSender s;
        s.name = ImportName(kanal.value(QLatin1StringView("name")).toString());
        const double nummer = kanal.value(QLatin1StringView("number")).toDouble();
        s.nummer = nummer >= 1 && nummer < 1e6 ? int(nummer) : 0;
        const QString uuid = kanal.value(QLatin1StringView("uuid")).toString();
        s.referenz = uuid.isEmpty() ? QString() : QStringLiteral("tvheadend:") + ImportName(uuid);
        s.logo = ImportName(kanal.value(QLatin1StringView("icon_public_url")).toString());
        if (const QString basis = LogoBasisname(s.logo); !basis.isEmpty())
            s.logoSchluessel = {basis};
        s.gruppen = {0};
        kanaele.append(std::move(s));
    }
    // Numbered channels in their order, the others behind them as the box lists them.
    std::stable_sort(kanaele.begin(), kanaele.end(), [](const ImportSender& a, const ImportSender& b) {
        return a.nummer != 0 && (b.nummer == 0 || a.nummer < b.nummer);
    });
    ImportFund fund;
    fund.gruppen.append({QStringLiteral("tvheadend"), false, 0, {}, false});
    for (ImportSender& s : kanaele)
        NimmAuf(fund, std::move(s));
    return fund;
}

} // namespace senvio
