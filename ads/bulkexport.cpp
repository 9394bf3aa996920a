// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/bulkexport.h"

#include "ads/copydeck.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

namespace {
const QByteArray byteOrderMark = "\xEF\xBB\xBF";

// One column of a layout: its header, its cell of an ad, and the headers of the ads' other
// columns it writes, which therefore are not repeated after the layout's own.
struct Column
{
    QString header;
    std::function<QString(const AdFields &)> cell;
    QStringList takes = {};
};

// The cell of the first of the ad's other columns named one of `headers`, or `fallback`.
QString otherCellOf(const AdFields &ad, const QStringList &headers, const QString &fallback = {})
{
    for (const QString &header : headers) {
        const QString cell = otherCell(ad, {header, 0});
        if (!cell.isEmpty())
            return cell;
    }
    return fallback;
}

// A column filled from the ads' other columns named `headers` (the first is its own header).
Column fromOthers(const QStringList &headers, const QString &fallback = {})
{
    return {headers.constFirst(),
            [headers, fallback](const AdFields &ad) { return otherCellOf(ad, headers, fallback); },
            headers};
}

// The file of `ads` in `columns`, the ads' other columns after them. `first` are records
// before the ads', by header (Microsoft's format version).
QByteArray layoutBytes(const QList<AdFields> &ads,
                       const QList<Column> &columns,
                       char separator,
                       const QByteArray &start,
                       const QList<QHash<QString, QString>> &first = {})
{
    QStringList header;
    QStringList written;
    for (const Column &column : columns) {
        header << column.header;
        written << column.header << column.takes;
    }
    const QList<OtherColumn> others = otherColumnsOf(ads, written);
    for (const OtherColumn &column : others)
        header << column.header;

    QByteArray bytes = start + copyDeckRecord(header, separator);
    for (const QHash<QString, QString> &record : first) {
        QStringList cells;
        for (const QString &name : std::as_const(header))
            cells << record.value(name);
        bytes += copyDeckRecord(cells, separator);
    }
    for (const AdFields &ad : ads) {
        QStringList cells;
        for (const Column &column : columns)
            cells << column.cell(ad);
        for (const OtherColumn &column : others)
            cells << otherCell(ad, column);
        bytes += copyDeckRecord(cells, separator);
    }
    return bytes;
}

QString pinCell(const AdFields &ad, AdField field, int index)
{
    const int position = ad.pin(field, index);
    return position == 0 ? QString() : QString::number(position);
}

// Title or text `index` and its position, for Google's one column per asset.
void addAssetColumns(QList<Column> &columns, AdField field, int assets, const QString &name)
{
    for (int i = 0; i < assets; ++i) {
        const QString header = QStringLiteral("%1 %2").arg(name).arg(i + 1);
        columns.append({header, [field, i](const AdFields &ad) { return ad.at(field, i); }});
        columns.append({header + QStringLiteral(" position"),
                        [field, i](const AdFields &ad) { return pinCell(ad, field, i); }});
    }
}

// Microsoft's list of titles or texts: the ones not empty, each with its pin as
// "Headline1" or "Description2".
QString assetList(const AdFields &ad, AdField field, const QString &pinName)
{
    QJsonArray list;
    for (int i = 0; i < ad.count(field); ++i) {
        const QString &text = ad.at(field, i);
        if (text.isEmpty())
            continue;
        QJsonObject asset{{QStringLiteral("text"), text}};
        if (const int position = ad.pin(field, i))
            asset.insert(QStringLiteral("pinnedField"), pinName + QString::number(position));
        list.append(asset);
    }
    return list.isEmpty() ? QString()
                          : QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

// The display paths of a URL: "example.com/shoes/red" gives "shoes" and "red"; anything after
// a second path stays in the second, so that nothing is lost.
std::pair<QString, QString> displayPaths(const QString &url)
{
    QString rest = url.trimmed();
    const qsizetype scheme = rest.indexOf(QLatin1String("://"));
    if (scheme >= 0)
        rest = rest.mid(scheme + 3);
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {};
    rest = rest.mid(slash + 1);
    if (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    const qsizetype second = rest.indexOf(QLatin1Char('/'));
    if (second < 0)
        return {rest, QString()};
    return {rest.left(second), rest.mid(second + 1)};
}

QList<Column> pathColumns(const QString &finalUrlHeader)
{
    return {
        {QStringLiteral("Path 1"), [](const AdFields &ad) { return displayPaths(ad.url).first; }},
        {QStringLiteral("Path 2"), [](const AdFields &ad) { return displayPaths(ad.url).second; }},
        {finalUrlHeader, [](const AdFields &ad) { return ad.finalUrl; }}};
}
} // namespace

QString exportExtension(ExportFormat format)
{
    return format == ExportFormat::YandexCommander ? QStringLiteral("tsv") : QStringLiteral("csv");
}

QString withExportExtension(const QString &path, ExportFormat format)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // "ads." has an empty suffix too: the dot stays single.
    return path + (path.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral("."))
           + exportExtension(format);
}

int assetsLeftOut(ExportFormat format, const QList<AdFields> &ads)
{
    if (format != ExportFormat::YandexCommander)
        return 0;
    int left = 0;
    for (const AdFields &ad : ads) {
        for (int i = 2; i < ad.count(AdField::Title); ++i)
            left += ad.at(AdField::Title, i).isEmpty() ? 0 : 1;
        for (int i = 1; i < ad.count(AdField::Text); ++i)
            left += ad.at(AdField::Text, i).isEmpty() ? 0 : 1;
    }
    return left;
}

bool writeAds(ExportFormat format,
              const QString &path,
              const QList<AdFields> &ads,
              const QList<EngineProfile> &engines,
              const FileWriter &write)
{
    switch (format) {
    case ExportFormat::CopyDeck:
        return writeCopyDeck(path, ads, engines, write);
    case ExportFormat::GoogleAdsEditor:
        return writeGoogleAdsEditorFile(path, ads, write);
    case ExportFormat::YandexCommander:
        return writeCommanderFile(path, ads, write);
    case ExportFormat::MicrosoftBulk:
        return writeMicrosoftBulkFile(path, ads, write);
    }
    return false;
}

bool writeGoogleAdsEditorFile(const QString &path,
                              const QList<AdFields> &ads,
                              const FileWriter &write)
{
    QList<Column> columns{
        fromOthers({QStringLiteral("Campaign"), QStringLiteral("Campaign name")}),
        fromOthers({QStringLiteral("Ad group"), QStringLiteral("Ad group name")}),
        fromOthers({QStringLiteral("Ad type")}, QStringLiteral("Responsive search ad"))};
    addAssetColumns(columns, AdField::Title, maxAdTitles, QStringLiteral("Headline"));
    addAssetColumns(columns, AdField::Text, maxAdTexts, QStringLiteral("Description"));
    columns << pathColumns(QStringLiteral("Final URL"));
    return write(path, layoutBytes(ads, columns, ',', byteOrderMark));
}

bool writeCommanderFile(const QString &path, const QList<AdFields> &ads, const FileWriter &write)
{
    const QList<Column> columns{
        {QStringLiteral("Заголовок 1"), [](const AdFields &ad) { return ad.title; }},
        {QStringLiteral("Заголовок 2"),
         [](const AdFields &ad) { return ad.at(AdField::Title, 1); }},
        {QStringLiteral("Текст"), [](const AdFields &ad) { return ad.text; }},
        {QStringLiteral("Ссылка"), [](const AdFields &ad) { return ad.finalUrl; }},
        {QStringLiteral("Отображаемая ссылка"), [](const AdFields &ad) { return ad.url; }}};
    return write(path, layoutBytes(ads, columns, '\t', QByteArray()));
}

bool writeMicrosoftBulkFile(const QString &path,
                            const QList<AdFields> &ads,
                            const FileWriter &write)
{
    const QString type = QStringLiteral("Type");
    const QString name = QStringLiteral("Name");
    QList<Column> columns{
        {type, [](const AdFields &) { return QStringLiteral("Responsive Search Ad"); }},
        fromOthers({QStringLiteral("Status")}),
        fromOthers({QStringLiteral("Id")}),
        fromOthers({QStringLiteral("Parent Id")}),
        fromOthers({QStringLiteral("Campaign")}),
        fromOthers({QStringLiteral("Ad Group")}),
        fromOthers({name}),
        {QStringLiteral("Headline"),
         [](const AdFields &ad) {
             return assetList(ad, AdField::Title, QStringLiteral("Headline"));
         }},
        {QStringLiteral("Description"), [](const AdFields &ad) {
             return assetList(ad, AdField::Text, QStringLiteral("Description"));
         }}};
    columns << pathColumns(QStringLiteral("Final Url"));
    const QHash<QString, QString> version{{type, QStringLiteral("Format Version")},
                                          {name, QStringLiteral("6.0")}};
    return write(path, layoutBytes(ads, columns, ',', byteOrderMark, {version}));
}
