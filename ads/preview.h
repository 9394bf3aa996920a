// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/combinations.h"
#include "ads/rules.h"
#include "engines/enginefile.h"

#include <QString>
#include <QStringList>

// Values shown for a field the user left empty.
extern const QString exampleTitle; // "My Title here"
extern const QString exampleText;  // "My Advertisment Here"
extern const QString exampleURL;

// A field as the preview shows it under plain rules: `emptyValue` when the field is empty
// (never shortened), else the field cut to `limit` characters with "..." appended when it is
// longer. A cut never splits a surrogate pair: it then falls before the pair.
QString prepareField(const QString &text, int limit, const QString &emptyValue);

// The prepared text broken every `width` characters wherever more text follows, under plain
// rules. Widths of 5 or less break nothing. A break never splits a surrogate pair.
QStringList breakIntoLines(const QString &text, int width);

// Replaces "%URL%", "%TITLE%" and "%TEXT%" in one pass over `templateText` (case sensitive),
// so a value that itself contains a placeholder is shown as typed. "%TITLE2%", "%TITLE3%" and
// "%TEXT2%" show nothing.
QString substitutePlaceholders(const QString &templateText,
                               const QString &url,
                               const QString &title,
                               const QString &text);

// The placeholders of a template, in the order substitutePlaceholders takes their values.
enum class Placeholder { URL, Title, Text, Title2, Title3, Text2 };
constexpr int placeholderCount = 6;

// Replaces every placeholder by its value in `values` (indexed by Placeholder; missing values
// are empty), in one pass as above.
QString substitutePlaceholders(const QString &templateText, const QStringList &values);

// Whether `templateText` shows more than title 1 and text 1: it holds "%TITLE2%", "%TITLE3%"
// or "%TEXT2%". An older template shows title 1 and text 1 whatever the combination.
bool showsMoreAssets(const QString &templateText);

// Whether Qt lays out `document`, a preview of `templateText`, in bounded time. A template
// whose placeholders all stand in text outside tags and tables is judged by itself, not by
// the document made from it.
bool isPreviewWithinLayoutBounds(const QString &templateText, const QString &document);

// The preview document under plain rules: the template with the prepared fields, HTML-escaped,
// and "<BR>" between the lines of the text.
QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak);

// A field as the preview shows it under `rules`: `emptyValue` when the field is empty (never
// shortened), else the field as the engine shows it (measureField's `shown`), cut where the
// engine's count passes `limit`, with "..." appended. A cut falls between pieces, so never
// inside a surrogate pair or a dynamic code. `pieces` receives the pieces of the result.
// `index` is the title or text's, from 0, as measureField takes it.
QString prepareField(Rules rules,
                     AdField field,
                     const QString &text,
                     int limit,
                     const QString &emptyValue,
                     QList<ShownPiece> *pieces,
                     int index = 0);

// `text` broken into lines of at most `width` by the engine's count, given its pieces; a piece
// wider than `width` gets a line of its own. Widths of 5 or less break nothing.
QStringList breakIntoLines(const QString &text, const QList<ShownPiece> &pieces, int width);

// The preview document under `rules`.
QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak,
                      Rules rules);

// The preview document of combination `shown` of `fields` under `engine` (its template, limits,
// line-break width and rules): "%TITLE%" the first shown title, "%TITLE2%" and "%TITLE3%" the
// engine's title join and the second and third, "%TEXT2%" the text join and the second text,
// empty when the combination shows no such asset. Each asset is prepared against its own limit
// and broken as the first. A template that does not showsMoreAssets shows title 1 and text 1.
QString
renderPreview(const EngineProfile &engine, const AdFields &fields, const Combination &shown);
