// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// What the editorial checks ask of a UTF-16 unit, one bit each: the answers of QChar's own
// tests (isLetter, isUpper, isLetterOrNumber, isDigit, isSpace, isPunct or isSymbol), from one
// category lookup per unit instead of one per test.
enum CharClass : quint8 {
    Letter = 1,
    Upper = 2,
    LetterOrNumber = 4,
    Digit = 8,
    Space = 16,
    PunctOrSymbol = 32,
    Currency = 64, // QChar::Symbol_Currency
    Hyphen = 128,  // "-" alone, which Yandex's words may hold
};

// The classes of one unit.
quint8 charClass(char16_t unit);

// The classes of each unit of `text`, into `out`, which holds text.size() of them.
void classifyUnits(QStringView text, quint8 *out);

// Unicode East Asian Width W or F: characters that double-width scripts count twice.
bool isWideCodePoint(char32_t c);

// Emoji shown as emoji by default (Emoji_Presentation).
bool isEmojiPresentationCodePoint(char32_t c);
