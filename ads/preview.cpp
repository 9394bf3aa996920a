// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/preview.h"

#include "ads/adcheck.h"
#include "ads/templatelayout.h"

const QString exampleTitle = QStringLiteral("My Title here");
const QString exampleText = QStringLiteral("My Advertisment Here");
const QString exampleURL = QStringLiteral("www.example.com");

namespace {
const QString ellipsis = QStringLiteral("...");
const QString lineBreak = QStringLiteral("<BR>");
} // namespace

// The plain rules' path: each code unit weighs 1.
QString prepareField(const QString &text, int limit, const QString &emptyValue)
{
    QList<ShownPiece> pieces;
    return prepareField(Rules::Plain, AdField::Title, text, limit, emptyValue, &pieces);
}

QStringList breakIntoLines(const QString &text, int width)
{
    return breakIntoLines(
        text, measureFieldPieces(Rules::Plain, AdField::Text, text).pieces, width);
}

namespace {
// In Placeholder's order. None is a prefix of another.
const QString placeholders[placeholderCount] = {QStringLiteral("%URL%"),
                                                QStringLiteral("%TITLE%"),
                                                QStringLiteral("%TEXT%"),
                                                QStringLiteral("%TITLE2%"),
                                                QStringLiteral("%TITLE3%"),
                                                QStringLiteral("%TEXT2%")};

// Calls `replace(at, which)` for each placeholder in `templateText`, in one pass from the start.
template<typename Replace>
void forEachPlaceholder(const QString &templateText, Replace replace)
{
    qsizetype at = templateText.indexOf(QLatin1Char('%'));
    while (at >= 0) {
        qsizetype next = at + 1;
        for (int i = 0; i < placeholderCount; ++i) {
            if (QStringView(templateText).mid(at).startsWith(placeholders[i])) {
                replace(at, i);
                next = at + placeholders[i].size();
                break;
            }
        }
        at = templateText.indexOf(QLatin1Char('%'), next);
    }
}
} // namespace

QString substitutePlaceholders(const QString &templateText,
                               const QString &url,
                               const QString &title,
                               const QString &text)
{
    return substitutePlaceholders(templateText, {url, title, text});
}

QString substitutePlaceholders(const QString &templateText, const QStringList &values)
{
    qsizetype size = templateText.size();
    for (const QString &value : values)
        size += value.size();
    QString document;
    document.reserve(size);
    qsizetype copied = 0;
    forEachPlaceholder(templateText, [&](qsizetype at, int which) {
        document.append(QStringView(templateText).mid(copied, at - copied));
        if (which < values.size())
            document.append(values.at(which));
        copied = at + placeholders[which].size();
    });
    document.append(QStringView(templateText).mid(copied));
    return document;
}

bool showsMoreAssets(const QString &templateText)
{
    bool more = false;
    forEachPlaceholder(templateText, [&](qsizetype, int which) {
        more = more || which >= int(Placeholder::Title2);
    });
    return more;
}

bool isPreviewWithinLayoutBounds(const QString &templateText, const QString &document)
{
    // The template's own verdict stands for every preview of it when each placeholder stands
    // in text outside any tag and table: escaped fields and the "<BR>" breaks between lines
    // then change neither the nesting nor the table work.
    QList<qsizetype> offsets;
    forEachPlaceholder(templateText, [&](qsizetype at, int) { offsets.append(at); });
    bool fixed = false;
    const bool within = isWithinLayoutBounds(measureTemplateLayout(templateText, offsets, &fixed));
    return fixed ? within : isWithinLayoutBounds(measureTemplateLayout(document));
}

QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak)
{
    return renderPreview(
        templateText, fields, limitTitle, limitText, limitURL, textLineBreak, Rules::Plain);
}

namespace {
// Each code point of `text` as a piece of its own, weighed by `rules`.
void appendLiteral(Rules rules, const QString &text, QString *shown, QList<ShownPiece> *pieces)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length
            = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                  ? 2
                  : 1;
        const QString character = text.mid(i, length);
        shown->append(character);
        pieces->append({shown->size(), weightOf(rules, character)});
        i += length;
    }
}
} // namespace

QString prepareField(Rules rules,
                     AdField field,
                     const QString &text,
                     int limit,
                     const QString &emptyValue,
                     QList<ShownPiece> *pieces,
                     int index)
{
    pieces->clear();
    QString shown;
    if (text.isEmpty()) {
        appendLiteral(rules, emptyValue, &shown, pieces);
        return shown;
    }
    const FieldMeasure m = measureFieldPieces(rules, field, text, index);
    if (m.count <= limit) {
        *pieces = m.pieces;
        return m.shown;
    }
    int count = 0;
    qsizetype end = 0;
    for (const ShownPiece &piece : m.pieces) {
        if (count + piece.weight > limit)
            break;
        count += piece.weight;
        end = piece.end;
        pieces->append(piece);
    }
    shown = m.shown.left(end);
    appendLiteral(rules, ellipsis, &shown, pieces);
    return shown;
}

QStringList breakIntoLines(const QString &text, const QList<ShownPiece> &pieces, int width)
{
    int total = 0;
    for (const ShownPiece &piece : pieces)
        total += piece.weight;
    if (width <= 5 || total <= width)
        return {text};
    QStringList lines;
    qsizetype start = 0;
    qsizetype pieceStart = 0;
    int line = 0;
    for (const ShownPiece &piece : pieces) {
        if (line > 0 && line + piece.weight > width) {
            lines.append(text.mid(start, pieceStart - start));
            start = pieceStart;
            line = 0;
        }
        line += piece.weight;
        pieceStart = piece.end;
    }
    lines.append(text.mid(start));
    return lines;
}

namespace {
// The document of combination `shown`; the template's placeholders beyond %TITLE% and %TEXT%
// stay empty unless it showsMoreAssets. `limitOf(field, index)` gives each asset's limit.
template<typename LimitOf>
QString render(const QString &templateText,
               const AdFields &fields,
               const LimitOf &limitOf,
               int textLineBreak,
               Rules rules,
               Combination shown)
{
    // A field is measured once when it is shown whole; the pieces are worked out only for one
    // that is cut or broken into lines. Returns the field as HTML.
    const auto prepared = [&](AdField field, int index, int width, const QString &emptyValue) {
        const QString &value = fields.at(field, index);
        const int limit = limitOf(field, index);
        if (!value.isEmpty()) {
            const FieldMeasure m = measureFieldUnexplained(rules, field, value, index);
            if (m.count <= limit && (width <= 5 || m.count <= width))
                return m.shown.toHtmlEscaped();
        }
        QList<ShownPiece> pieces;
        const QString text = prepareField(rules, field, value, limit, emptyValue, &pieces, index);
        QStringList lines = breakIntoLines(text, pieces, width);
        for (QString &line : lines)
            line = line.toHtmlEscaped();
        return lines.join(lineBreak);
    };
    const bool more = showsMoreAssets(templateText);
    if (shown.titles.isEmpty() || !more)
        shown.titles = {0};
    if (shown.texts.isEmpty() || !more)
        shown.texts = {0};
    const AssetFormat &format = assetFormat(rules);
    QStringList values(placeholderCount);
    values[int(Placeholder::URL)] = prepared(AdField::URL, 0, 0, exampleURL);
    const Placeholder titles[] = {Placeholder::Title, Placeholder::Title2, Placeholder::Title3};
    for (qsizetype i = 0; i < std::min<qsizetype>(shown.titles.size(), 3); ++i) {
        values[int(titles[i])] = (i > 0 ? format.titleJoin.toHtmlEscaped() : QString())
                                 + prepared(AdField::Title, shown.titles.at(i), 0, exampleTitle);
    }
    const Placeholder texts[] = {Placeholder::Text, Placeholder::Text2};
    for (qsizetype i = 0; i < std::min<qsizetype>(shown.texts.size(), 2); ++i) {
        values[int(texts[i])]
            = (i > 0 ? format.textJoin.toHtmlEscaped() : QString())
              + prepared(AdField::Text, shown.texts.at(i), textLineBreak, exampleText);
    }
    return substitutePlaceholders(templateText, values);
}
} // namespace

QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak,
                      Rules rules)
{
    const auto limitOf = [&](AdField field, int) {
        return field == AdField::Title ? limitTitle : field == AdField::Text ? limitText : limitURL;
    };
    return render(templateText, fields, limitOf, textLineBreak, rules, {{0}, {0}});
}

QString renderPreview(const EngineProfile &engine, const AdFields &fields, const Combination &shown)
{
    const Rules rules = rulesNamed(engine.rules);
    const auto limitOf
        = [&](AdField field, int index) { return assetLimit(engine, rules, field, index); };
    return render(engine.templateText, fields, limitOf, engine.textLineBreak, rules, shown);
}
