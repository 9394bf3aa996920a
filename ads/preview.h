// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"

#include <QString>
#include <QStringList>

// Values shown for a field the user left empty.
extern const QString exampleTitle; // "My Title here"
extern const QString exampleText;  // "My Advertisment Here"
extern const QString exampleURL;

// A field as the preview shows it: `emptyValue` when the field is empty (never shortened),
// else the field cut to `limit` characters with "..." appended when it is longer. A cut never
// splits a surrogate pair: it then falls before the pair.
QString prepareField(const QString &text, int limit, const QString &emptyValue);

// The prepared text broken every `width` characters wherever more text follows. Widths of 5
// or less break nothing. A break never splits a surrogate pair.
QStringList breakIntoLines(const QString &text, int width);

// Replaces "%URL%", "%TITLE%" and "%TEXT%" in one pass over `templateText` (case sensitive),
// so a value that itself contains a placeholder is shown as typed.
QString substitutePlaceholders(const QString &templateText,
                               const QString &url,
                               const QString &title,
                               const QString &text);

// The preview document: the template with the prepared fields, HTML-escaped, and "<BR>"
// between the lines of the text.
QString renderPreview(const QString &templateText,
                      const AdFields &fields,
                      int limitTitle,
                      int limitText,
                      int limitURL,
                      int textLineBreak);
