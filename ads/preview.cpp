// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/preview.h"

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
const QString placeholders[]
    = {QStringLiteral("%URL%"), QStringLiteral("%TITLE%"), QStringLiteral("%TEXT%")};

// Calls `replace(at, which)` for each placeholder in `templateText`, in one pass from the start.
template<typename Replace>
void forEachPlaceholder(const QString &templateText, Replace replace)
{
    qsizetype at = templateText.indexOf(QLatin1Char('%'));
    while (at >= 0) {
        qsizetype next = at + 1;
        for (int i = 0; i < 3; ++i) {
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
    const QString *values[] = {&url, &title, &text};
    QString document;
    document.reserve(templateText.size() + url.size() + title.size() + text.size());
    qsizetype copied = 0;
    forEachPlaceholder(templateText, [&](qsizetype at, int which) {
        document.append(QStringView(templateText).mid(copied, at - copied));
        document.append(*values[which]);
        copied = at + placeholders[which].size();
    });
    document.append(QStringView(templateText).mid(copied));
    return document;
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
                     QList<ShownPiece> *pieces)
{
    pieces->clear();
    QString shown;
    if (text.isEmpty()) {
        appendLiteral(rules, emptyValue, &shown, pieces);
        return shown;
    }
    const FieldMeasure m = measureFieldPieces(rules, field, text);
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

QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak,
                      Rules rules)
{
    // The pieces are worked out only for a field that is cut or broken into lines.
    QList<ShownPiece> pieces;
    bool whole = false;
    const auto prepared =
        [&](AdField field, const QString &value, int limit, int width, const QString &emptyValue) {
            if (!value.isEmpty()) {
                const FieldMeasure m = measureFieldUnexplained(rules, field, value);
                whole = m.count <= limit && (width <= 5 || m.count <= width);
                if (whole)
                    return m.shown;
            }
            whole = false;
            return prepareField(rules, field, value, limit, emptyValue, &pieces);
        };
    const QString url = prepared(AdField::URL, fields.url, limitURL, 0, exampleURL).toHtmlEscaped();
    const QString title
        = prepared(AdField::Title, fields.title, limitTitle, 0, exampleTitle).toHtmlEscaped();
    const QString text
        = prepared(AdField::Text, fields.text, limitText, textLineBreak, exampleText);
    if (whole)
        return substitutePlaceholders(templateText, url, title, text.toHtmlEscaped());
    QStringList lines = breakIntoLines(text, pieces, textLineBreak);
    for (QString &line : lines)
        line = line.toHtmlEscaped();
    return substitutePlaceholders(templateText, url, title, lines.join(lineBreak));
}
