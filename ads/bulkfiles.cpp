// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/bulkfiles.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <array>

namespace {

// The layout a column name belongs to; Any names are our own deck's too.
enum class Hint { Any, Google, Microsoft, Yandex };

// A column name; "%1" stands for the numbers first..last, which give the index (number - 1).
struct Name
{
    const char *spelling;
    DeckColumn::Kind kind;
    int first;
    int last;
    Hint hint;
};

using K = DeckColumn;
// In the order the accepted names are listed.
constexpr std::array names{
    Name{"Title", K::Title, 1, 1, Hint::Any},
    Name{"Title %1", K::Title, 1, maxAdTitles, Hint::Any},
    Name{"Headline %1", K::Title, 1, maxAdTitles, Hint::Google},
    Name{"Headline", K::TitleList, 1, 1, Hint::Google},
    Name{"Title Part %1", K::Title, 1, 3, Hint::Microsoft},
    Name{"Заголовок %1", K::Title, 1, 2, Hint::Yandex},
    Name{"Text", K::Text, 1, 1, Hint::Any},
    Name{"Text %1", K::Text, 1, maxAdTexts, Hint::Any},
    Name{"Description %1", K::Text, 1, maxAdTexts, Hint::Google},
    Name{"Description", K::TextList, 1, 1, Hint::Google},
    Name{"Description Line %1", K::Text, 1, 2, Hint::Google},
    Name{"Text Part %1", K::Text, 2, 2, Hint::Microsoft},
    Name{"Текст", K::Text, 1, 1, Hint::Yandex},
    Name{"Title pin", K::TitlePin, 1, 1, Hint::Any},
    Name{"Title %1 pin", K::TitlePin, 1, maxAdTitles, Hint::Any},
    Name{"Headline %1 position", K::TitlePin, 1, maxAdTitles, Hint::Google},
    Name{"Text pin", K::TextPin, 1, 1, Hint::Any},
    Name{"Text %1 pin", K::TextPin, 1, maxAdTexts, Hint::Any},
    Name{"Description %1 position", K::TextPin, 1, maxAdTexts, Hint::Google},
    Name{"URL", K::Url, 1, 1, Hint::Any},
    Name{"Path", K::Url, 1, 1, Hint::Any},
    Name{"Display URL", K::Url, 1, 1, Hint::Google},
    Name{"Отображаемая ссылка", K::Url, 1, 1, Hint::Yandex},
    Name{"Path %1", K::Path, 1, 2, Hint::Google},
    Name{"Final URL", K::FinalUrl, 1, 1, Hint::Any},
    Name{"Destination URL", K::FinalUrl, 1, 1, Hint::Google},
    Name{"Ссылка", K::FinalUrl, 1, 1, Hint::Yandex},
    Name{"Ad type", K::Type, 1, 1, Hint::Google},
    Name{"Row Type", K::Type, 1, 1, Hint::Google},
    Name{"Type", K::Type, 1, 1, Hint::Microsoft},
    Name{"Тип объявления", K::Type, 1, 1, Hint::Yandex},
};

QString normalised(QStringView cell)
{
    QString normal;
    normal.reserve(cell.size());
    for (const QChar c : cell) {
        if (!c.isSpace() && c != QChar(0xFEFF))
            normal += c.toCaseFolded();
    }
    return normal;
}

struct Found
{
    DeckColumn column;
    const Name *name = nullptr;
};

const QHash<QString, Found> &nameTable()
{
    static const QHash<QString, Found> table = [] {
        QHash<QString, Found> hash;
        for (const Name &name : names) {
            const QString spelling = QString::fromUtf8(name.spelling);
            for (int n = name.first; n <= name.last; ++n) {
                const QString written
                    = spelling.contains(QLatin1StringView("%1")) ? spelling.arg(n) : spelling;
                hash.insert(normalised(written), {{name.kind, quint8(n - 1)}, &name});
            }
        }
        return hash;
    }();
    return table;
}

bool isHeadlineN(const Name *name)
{
    return qstrcmp(name->spelling, "Headline %1") == 0;
}

bool isDescriptionLine(const Name *name)
{
    return qstrcmp(name->spelling, "Description Line %1") == 0;
}

bool namesAdField(DeckColumn::Kind kind)
{
    switch (kind) {
    case K::Title:
    case K::Text:
    case K::TitleList:
    case K::TextList:
    case K::Url:
    case K::FinalUrl:
    case K::Path:
        return true;
    default:
        return false;
    }
}

// Engines' editors write these for an empty cell.
bool readsEmpty(const QString &cell)
{
    const QStringView trimmed = QStringView(cell).trimmed();
    return trimmed.isEmpty() || trimmed == u"-" || trimmed == u"[]";
}

// Whether a row type names a text ad of some kind (responsive, expanded, standard; Yandex's
// text-and-image ad and its mobile variant).
bool isAdType(const QString &cell)
{
    const QString type = normalised(cell);
    return type == u"responsivesearchad" || type == u"expandedtextad" || type == u"textad"
           || type == u"ad" || type.startsWith(u"текстов") || type == u"мобильное";
}

// The pin position in a cell: 1 to `most`, or 0.
int pinIn(const QString &cell, int most)
{
    bool ok = false;
    const int position = QStringView(cell).trimmed().toInt(&ok);
    return ok && position >= 1 && position <= most ? position : 0;
}

// Microsoft's list of {"text", "pinnedField"} objects into the ad's titles or texts. A cell
// that is no JSON list is one plain title or text (older layouts name the column alike).
void readList(const QString &cell, AdField field, AdFields &ad)
{
    const QStringView trimmed = QStringView(cell).trimmed();
    QJsonParseError error;
    const QJsonDocument document = trimmed.startsWith(u'[')
                                       ? QJsonDocument::fromJson(cell.toUtf8(), &error)
                                       : QJsonDocument();
    if (!document.isArray()) {
        ad.set(field, 0, cell);
        return;
    }
    const QString pinPrefix
        = field == AdField::Title ? QStringLiteral("Headline") : QStringLiteral("Description");
    const int most = field == AdField::Title ? 3 : 2;
    const QJsonArray list = document.array();
    int index = 0;
    for (const QJsonValue &item : list) {
        const QJsonObject asset = item.toObject();
        const QString text = item.isString() ? item.toString() : asset.value(u"text").toString();
        ad.set(field, index, readsEmpty(text) ? QString() : text);
        const QString pinned = asset.value(u"pinnedField").toString();
        if (pinned.startsWith(pinPrefix, Qt::CaseInsensitive))
            ad.setPin(field, index, pinIn(pinned.mid(pinPrefix.size()), most));
        ++index;
    }
}

// The display URL Google and Microsoft show: the final URL's host without scheme, user,
// port or "www.", then the paths; path 2 without path 1 keeps its empty place.
QString displayUrl(const QString &finalUrl, const QString &path1, const QString &path2)
{
    QStringView host = QStringView(finalUrl).trimmed();
    const qsizetype scheme = host.indexOf(u"://");
    if (scheme >= 0)
        host = host.sliced(scheme + 3);
    for (const QChar end : {u'/', u'?', u'#'}) {
        const qsizetype at = host.indexOf(end);
        if (at >= 0)
            host.truncate(at);
    }
    if (const qsizetype at = host.lastIndexOf(u'@'); at >= 0)
        host = host.sliced(at + 1);
    if (const qsizetype at = host.indexOf(u':'); at >= 0)
        host.truncate(at);
    if (host.startsWith(u"www.", Qt::CaseInsensitive))
        host = host.sliced(4);
    QString url = host.toString();
    if (!path1.isEmpty() || !path2.isEmpty())
        url += u'/' + path1;
    if (!path2.isEmpty())
        url += u'/' + path2;
    return url;
}

} // namespace

QString headerKey(const QString &header)
{
    return normalised(header);
}

QString deckLayoutName(DeckLayout layout)
{
    switch (layout) {
    case DeckLayout::CopyDeck:
        return QCoreApplication::translate("MainWindow", "copy deck");
    case DeckLayout::GoogleAds:
        return QCoreApplication::translate("MainWindow", "Google Ads Editor file");
    case DeckLayout::Microsoft:
        return QCoreApplication::translate("MainWindow", "Microsoft Advertising bulk file");
    case DeckLayout::Yandex:
        return QCoreApplication::translate("MainWindow", "Yandex Direct file");
    }
    return QString();
}

DeckColumns deckColumns(const QStringList &header, const QString &keyColumn)
{
    DeckColumns deck;
    deck.header = header;
    deck.columns.reserve(header.size());
    const QString key = normalised(keyColumn);
    QList<const Name *> from;
    from.reserve(header.size());
    QSet<QString> taken;
    bool headlines = false;
    bool hint[4] = {false, false, false, false};
    for (const QString &cell : header) {
        const QString name = normalised(cell);
        const auto found = nameTable().constFind(name);
        DeckColumn column;
        const Name *source = nullptr;
        if (!key.isEmpty() && name == key) {
            column.kind = K::Key;
        } else if (found != nameTable().cend()) {
            if (!taken.contains(name)) {
                taken.insert(name);
                column = found->column;
                source = found->name;
                headlines = headlines || isHeadlineN(source);
                hint[int(source->hint)] = true;
            }
        }
        deck.columns.append(column);
        from.append(source);
    }
    for (qsizetype i = 0; i < deck.columns.size(); ++i) {
        DeckColumn &column = deck.columns[i];
        if (headlines && from.at(i) && isDescriptionLine(from.at(i)))
            column = DeckColumn();
        deck.adColumns += namesAdField(column.kind) ? 1 : 0;
        deck.hasTitle = deck.hasTitle || column.kind == K::Title || column.kind == K::TitleList;
        deck.hasType = deck.hasType || column.kind == K::Type;
    }
    deck.layout = hint[int(Hint::Microsoft)] ? DeckLayout::Microsoft
                  : hint[int(Hint::Yandex)]  ? DeckLayout::Yandex
                  : hint[int(Hint::Google)]  ? DeckLayout::GoogleAds
                                             : DeckLayout::CopyDeck;
    return deck;
}

DeckRow readDeckRow(const DeckColumns &deck, const QStringList &cells, AdFields &ad, QString *key)
{
    ad = AdFields();
    bool blank = true;
    bool hasField = false;
    bool typeSaysAd = true;
    QString paths[2];
    const qsizetype count = std::min(cells.size(), deck.columns.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString &cell = cells.at(i);
        if (cell.isEmpty())
            continue;
        blank = false;
        const DeckColumn column = deck.columns.at(i);
        if (column.kind == K::Other)
            continue;
        if (column.kind == K::Key) {
            if (key)
                *key = cell;
            continue;
        }
        if (column.kind == K::Type) {
            typeSaysAd = typeSaysAd && isAdType(cell);
            continue;
        }
        if (readsEmpty(cell))
            continue;
        hasField = hasField || namesAdField(column.kind);
        switch (column.kind) {
        case K::Title:
            ad.set(AdField::Title, column.index, cell);
            break;
        case K::Text:
            ad.set(AdField::Text, column.index, cell);
            break;
        case K::TitleList:
            readList(cell, AdField::Title, ad);
            break;
        case K::TextList:
            readList(cell, AdField::Text, ad);
            break;
        case K::TitlePin:
            ad.setPin(AdField::Title, column.index, pinIn(cell, 3));
            break;
        case K::TextPin:
            ad.setPin(AdField::Text, column.index, pinIn(cell, 2));
            break;
        case K::Url:
            ad.url = cell;
            break;
        case K::FinalUrl:
            ad.finalUrl = cell;
            break;
        case K::Path:
            paths[column.index & 1] = cell;
            break;
        default:
            break;
        }
    }
    if (blank)
        return DeckRow::Blank;
    if (!hasField || !typeSaysAd)
        return DeckRow::NotAd;
    const bool composed
        = deck.layout == DeckLayout::GoogleAds || deck.layout == DeckLayout::Microsoft;
    if (composed && ad.url.isEmpty())
        ad.url = displayUrl(ad.finalUrl, paths[0], paths[1]);
    for (qsizetype i = 0; i < deck.columns.size(); ++i) {
        if (deck.columns.at(i).kind == K::Other)
            ad.otherColumns.append({deck.header.at(i), cells.value(i)});
    }
    return DeckRow::Ad;
}

QString acceptedColumnsText()
{
    const auto label = [](DeckColumn::Kind kind) {
        switch (kind) {
        case K::Title:
        case K::TitleList:
            return QCoreApplication::translate("MainWindow", "Titles");
        case K::Text:
        case K::TextList:
            return QCoreApplication::translate("MainWindow", "Texts");
        case K::TitlePin:
        case K::TextPin:
            return QCoreApplication::translate("MainWindow", "Pins (1 to 3, 1 to 2)");
        case K::Url:
            return QCoreApplication::translate("MainWindow", "URL");
        case K::Path:
            return QCoreApplication::translate("MainWindow", "Paths after the final URL's domain");
        case K::FinalUrl:
            return QCoreApplication::translate("MainWindow", "Final URL");
        case K::Type:
            return QCoreApplication::translate("MainWindow", "Kind of row");
        default:
            return QString();
        }
    };
    QStringList lines;
    QString current;
    QStringList spellings;
    const auto flush = [&] {
        if (!spellings.isEmpty())
            lines << QStringLiteral("%1: %2").arg(current, spellings.join(QStringLiteral(", ")));
        spellings.clear();
    };
    for (const Name &name : names) {
        if (label(name.kind) != current) {
            flush();
            current = label(name.kind);
        }
        const QString spelling = QString::fromUtf8(name.spelling);
        if (!spelling.contains(QLatin1StringView("%1")))
            spellings << spelling;
        else if (name.first == name.last)
            spellings << spelling.arg(name.first);
        else if (name.last == name.first + 1)
            spellings << spelling.arg(name.first) << spelling.arg(name.last);
        else
            spellings << QStringLiteral("%1 … %2").arg(spelling.arg(name.first),
                                                       spelling.arg(name.last));
    }
    flush();
    return lines.join(u'\n');
}
