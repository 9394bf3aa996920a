// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/texttraits.h"

#include "ads/charclass.h"
#include "ads/textcache.h"

#include <QVarLengthArray>

#include <unicode/uchar.h>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {
// What a unit below 128 adds to the marks, with Yandex's narrow marks and "!" in bits of their
// own above them.
constexpr quint8 NarrowMark = 64;
constexpr quint8 Exclamation = 128;

constexpr std::array<quint8, 128> asciiMarks = [] {
    std::array<quint8, 128> table{};
    for (const char narrow : {'.', ',', '!', ':', ';', '"'})
        table[std::size_t(narrow)] |= NarrowMark;
    table['!'] |= Exclamation;
    table['{'] |= Brace;
    table['#'] |= Hash;
    table['*'] |= Star;
    table['<'] |= Angle;
    table['@'] |= At;
    return table;
}();

// Code points, and those counted twice, for text that reaches the double-width scripts.
void countCodePoints(QStringView text, TextTraits &t)
{
    t.codePoints = 0;
    for (qsizetype i = 0; i < text.size(); ++t.codePoints) {
        char32_t c = text[i].unicode();
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        const bool wide = isWideCodePoint(c);
        t.wide += wide ? 1 : 0;
        t.wideOrEmoji += wide || isEmojiPresentationCodePoint(c) ? 1 : 0;
        i += length;
    }
}

// A word three times in a row, compared in any case; `bounds` holds each word's start and end.
bool hasTripleWord(QStringView text, const qsizetype *bounds, qsizetype count)
{
    for (qsizetype k = 4; k + 1 < count; k += 2) {
        const QStringView third = text.mid(bounds[k], bounds[k + 1] - bounds[k]);
        const QStringView second = text.mid(bounds[k - 2], bounds[k - 1] - bounds[k - 2]);
        const QStringView first = text.mid(bounds[k - 4], bounds[k - 3] - bounds[k - 4]);
        if (third.size() == second.size() && third.size() == first.size()
            && third.compare(second, Qt::CaseInsensitive) == 0
            && third.compare(first, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

TextTraits computeTraits(QStringView text)
{
    TextTraits t;
    const qsizetype size = text.size();
    QVarLengthArray<quint8, 256> classes(size + 1);
    classifyUnits(text, classes.data());
    classes[size] = Space; // the end stands alone like a space

    // Locals, not members of `t`, keep the loop in registers.
    int capitalRun = 0, longestCapitalRun = 0, wordRun = 0, longestWordRun = 0;
    int lettersAlone = 0, digits = 0, narrowMarks = 0, exclamations = 0;
    quint8 any = 0; // every class seen
    quint8 marks = 0;
    bool repeatedMark = false, currencyInWord = false, clickHere = false;
    char16_t highest = 0;
    quint8 before = Space; // the start stands alone like a space
    // The bounds of the words (runs of letters and digits), gathered without a branch per unit.
    QVarLengthArray<qsizetype, 256> bounds(size + 2);
    qsizetype boundCount = 0;
    const char16_t *units = reinterpret_cast<const char16_t *>(text.utf16());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = units[i];
        const quint8 c = classes[i];
        const quint8 next = classes[i + 1];
        capitalRun = (c & Upper) ? capitalRun + 1 : 0;
        longestCapitalRun = std::max(longestCapitalRun, capitalRun);
        wordRun = (c & (LetterOrNumber | Hyphen)) ? wordRun + 1 : 0;
        longestWordRun = std::max(longestWordRun, wordRun);
        lettersAlone += (c & Letter) & (before >> 4) & (next >> 4); // Letter is 1, Space 16
        repeatedMark |= (c & PunctOrSymbol) && i + 1 < size && units[i + 1] == u;
        currencyInWord |= (c & Currency) && (before & Letter) && (next & Letter);
        digits += (c & Digit) >> 3;
        any |= c;
        bounds[boundCount] = i;
        boundCount += ((c ^ before) & LetterOrNumber) ? 1 : 0;
        const quint8 mark = u < 128 ? asciiMarks[u] : 0;
        narrowMarks += (mark & NarrowMark) ? 1 : 0;
        exclamations += mark >> 7;
        marks |= mark;
        highest = std::max(highest, u);
        clickHere |= (u | 0x20) == u'c'
                     && text.mid(i, 10).compare("click here"_L1, Qt::CaseInsensitive) == 0;
        before = c;
    }
    t.longestCapitalRun = longestCapitalRun;
    t.longestWordRun = longestWordRun;
    t.lettersAlone = lettersAlone;
    t.repeatedMark = repeatedMark;
    t.currencyInWord = currencyInWord;
    t.digits = digits;
    t.letterOrNumber = (any & LetterOrNumber) != 0;
    t.narrowMarks = narrowMarks;
    t.exclamations = exclamations;
    t.marks = marks & (Brace | Hash | Star | Angle | At);
    t.highestUnit = highest;
    t.clickHere = clickHere;
    t.codePoints = int(size);
    if (t.highestUnit >= 0x1100) // below, nothing is double-width, an emoji or a surrogate
        countCodePoints(text, t);
    bounds[boundCount] = size;
    boundCount += (before & LetterOrNumber) ? 1 : 0;
    t.tripleWord = hasTripleWord(text, bounds.data(), boundCount);
    return t;
}

} // namespace

TextTraits textTraits(const QString &text)
{
    // A title, a text, a URL and the fields as an engine shows them: every engine of an ad
    // asks for the same few.
    thread_local TextCache<TextTraits, 16> kept;
    return kept.get(text, [](const QString &typed) { return computeTraits(typed); });
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
