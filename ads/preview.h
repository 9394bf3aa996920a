// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules.h"

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
// so a value that itself contains a placeholder is shown as typed.
QString substitutePlaceholders(const QString &templateText,
                               const QString &url,
                               const QString &title,
                               const QString &text);

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
QString prepareField(Rules rules,
                     AdField field,
                     const QString &text,
                     int limit,
                     const QString &emptyValue,
                     QList<ShownPiece> *pieces);

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
