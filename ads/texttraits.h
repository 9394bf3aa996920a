// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What one pass over a text tells every rule set: the numbers the engines count with and, for
// each editorial check, whether the text can hold what the check looks for. A copy deck is
// checked against several engines, and each reads the same fields; they read them once.
struct TextTraits
{
    int codePoints = 0;  // a lone surrogate counts one
    int wide = 0;        // code points of East Asian Width W or F
    int wideOrEmoji = 0; // those, and emoji shown as emoji by default
    int narrowMarks = 0; // . , ! : ; "
    int exclamations = 0;
    char16_t highestUnit = 0;

    // Whether a check can find anything: when these say no, it need not look.
    int longestCapitalRun = 0; // capitals in a row
    int lettersAlone = 0;      // letters with a space or an edge on either side
    int digits = 0;            // decimal digits
    int longestWordRun = 0;    // letters, digits and "-" in a row
    bool repeatedMark = false; // a punctuation mark or symbol twice in a row
    bool letterOrNumber = false;
    bool currencyInWord = false; // a currency sign between two letters
    bool tripleWord = false;     // a word three times in a row, in any case
    bool clickHere = false;      // "click here" in any case, perhaps inside a longer word
    quint8 marks = 0;            // which of TextMark the text holds
};

// Characters that make a rule set or a check look closer.
enum TextMark : quint8 {
    Brace = 1, // "{", which may open dynamic text
    Hash = 2,  // "#", which may open a Yandex template
    Star = 4,
    Angle = 8, // "<"
    At = 16,
};

// The traits of `text`. The last few texts' traits are kept: every engine asks for the same.
TextTraits textTraits(const QString &text);

// Unicode East Asian Width W or F: characters that double-width scripts count twice.
bool isWideCodePoint(char32_t c);

// Emoji shown as emoji by default (Emoji_Presentation).
bool isEmojiPresentationCodePoint(char32_t c);
