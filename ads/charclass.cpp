// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/charclass.h"

#include <QChar>

#include <unicode/uchar.h>

#include <array>

namespace {
quint8 classFromCategory(QChar::Category category)
{
    switch (category) {
    case QChar::Letter_Uppercase:
        return Letter | Upper | LetterOrNumber;
    case QChar::Letter_Lowercase:
    case QChar::Letter_Titlecase:
    case QChar::Letter_Modifier:
    case QChar::Letter_Other:
        return Letter | LetterOrNumber;
    case QChar::Number_DecimalDigit:
        return LetterOrNumber | Digit;
    case QChar::Number_Letter:
    case QChar::Number_Other:
        return LetterOrNumber;
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return Space;
    case QChar::Symbol_Currency:
        return PunctOrSymbol | Currency;
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
        return PunctOrSymbol;
    default:
        return 0;
    }
}
} // namespace

quint8 charClass(char16_t unit)
{
    // Besides their category, QChar counts the controls from tab to carriage return, NEL and
    // the no-break space as spaces.
    const bool extraSpace = (unit >= 0x09 && unit <= 0x0D) || unit == 0x85 || unit == 0xA0;
    return quint8(classFromCategory(QChar::category(char32_t(unit))) | (extraSpace ? Space : 0)
                  | (unit == u'-' ? Hyphen : 0));
}

void classifyUnits(QStringView text, quint8 *out)
{
    static const std::array<quint8, 128> ascii = [] {
        std::array<quint8, 128> table{};
        for (char16_t unit = 0; unit < 128; ++unit)
            table[unit] = charClass(unit);
        return table;
    }();
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        *out++ = unit < 128 ? ascii[unit] : charClass(unit);
    }
}

bool isWideCodePoint(char32_t c)
{
    if (c < 0x1100)
        return false;
    const int width = u_getIntPropertyValue(UChar32(c), UCHAR_EAST_ASIAN_WIDTH);
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH;
}

bool isEmojiPresentationCodePoint(char32_t c)
{
    return c >= 0x231A && u_hasBinaryProperty(UChar32(c), UCHAR_EMOJI_PRESENTATION);
}
