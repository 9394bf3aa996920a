// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Measurer, with which every rule set counts and shows a field piece by piece, and the
// dynamic text that Google and Microsoft share.

#include "ads/charclass.h"
#include "ads/rules.h"
#include "ads/rules/ruleset.h"

#include <QString>
#include <QStringView>

namespace rulekit {
using namespace Qt::StringLiterals;

// The code point at `i` and its length in code units; a lone surrogate is a character of its
// own.
inline char32_t codePointAt(QStringView text, qsizetype i, qsizetype *length)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *length = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *length = 1;
    return c.unicode();
}

inline bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline bool isIdentifierChar(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'_';
}

// Identifiers joined by dots, each an ASCII letter then letters, digits or "_".
inline bool isIdentifierChain(QStringView text)
{
    if (text.isEmpty())
        return false;
    bool atStart = true;
    for (const QChar c : text) {
        if (atStart) {
            if (!isAsciiLetter(c))
                return false;
            atStart = false;
        } else if (c == u'.') {
            atStart = true;
        } else if (!isIdentifierChar(c)) {
            return false;
        }
    }
    return !atStart;
}

// The "}" that closes the "{" at `open`, or -1 when another "{" or the end comes first: codes
// do not nest. Looking no further than the next brace keeps a field full of braces linear.
inline qsizetype closingBrace(QStringView text, qsizetype open)
{
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] == u'}')
            return i;
        if (text[i] == u'{')
            return -1;
    }
    return -1;
}

inline const QString countdownShown = QStringLiteral("5 days");
constexpr int countdownWeight = 8;

// What a measure writes besides the count and what went into it.
enum class Record {
    Nothing, // `shown` and `pieces` stay empty
    Shown,   // `shown`, which is never longer than the text it is measured from
    Pieces,  // `shown` and its pieces, as the preview cuts them
};

// Counts and shows a field piece by piece, by the weights of a rule set.
class Measurer
{
public:
    Measurer(const RuleSet &set,
             AdField field,
             FieldMeasure &measure,
             Record record = Record::Nothing)
        : m_set(set)
        , m_field(field)
        , m_m(measure)
        , m_record(record)
    {}

    // Makes room for `shown`: the measure of `text` never shows more than `text`, so one
    // allocation serves, and the characters are written straight into it.
    void beginShown(qsizetype capacity)
    {
        m_m.shown.resize(capacity);
        m_begin = m_out = m_m.shown.data();
    }

    void endShown() { m_m.shown.truncate(m_out - m_begin); }

    // The weight of `text` shown as part of one piece, doubling as the rules double.
    int weigh(QStringView text)
    {
        int weight = 0;
        for (qsizetype i = 0; i < text.size();) {
            qsizetype length;
            const char32_t c = codePointAt(text, i, &length);
            weight += narrowOrWidth(text[i], c);
            i += length;
        }
        return weight;
    }

    void addPiece(QStringView shown, int weight)
    {
        m_m.count += weight;
        if (m_record == Record::Nothing)
            return;
        // Unit by unit: most pieces are one unit, too short for a call to copy them.
        for (const QChar unit : shown)
            *m_out++ = unit;
        if (m_record == Record::Pieces)
            m_m.pieces.append({m_out - m_begin, weight});
    }

    // The measure written into.
    FieldMeasure &measure() { return m_m; }

    // One typed character, shown as it is.
    void addChar(QStringView text, qsizetype i, qsizetype *length)
    {
        const char32_t c = codePointAt(text, i, length);
        addPiece(text.mid(i, *length), narrowOrWidth(text[i], c));
    }

    // Typed text, each character shown as it is.
    void addTyped(QStringView text)
    {
        for (qsizetype i = 0; i < text.size();) {
            qsizetype length;
            addChar(text, i, &length);
            i += length;
        }
    }

    // A title or text whose dynamic codes ("{...}") are shown as their default text.
    void measureDynamicField(QStringView text)
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == u'{') {
                const qsizetype end = dynamicCode(text, i);
                if (end > i) {
                    i = end;
                    continue;
                }
            }
            qsizetype length;
            addChar(text, i, &length);
            i += length;
        }
    }

    // A display URL: the domain and the slashes are shown but not counted; a space in a path
    // is shown as `spaceShown` when given.
    void measureDisplayURL(QStringView text, const char16_t *spaceShown = nullptr)
    {
        qsizetype start = 0;
        for (const QLatin1StringView scheme : {"https://"_L1, "http://"_L1}) {
            if (text.startsWith(scheme, Qt::CaseInsensitive)) {
                start = scheme.size();
                break;
            }
        }
        const qsizetype slash = text.indexOf(u'/', start);
        const qsizetype domainEnd = slash < 0 ? text.size() : slash;
        m_m.domain = text.mid(start, domainEnd - start).toString();
        const qsizetype open = text.indexOf(u'{');
        m_m.dynamicInURL = open >= 0 && text.indexOf(u'}', open) > open;
        if (slash >= 0)
            m_m.paths = text.mid(slash + 1).toString().split(u'/');
        for (qsizetype i = start; i < text.size();) {
            qsizetype length;
            const char32_t c = codePointAt(text, i, &length);
            if (i < domainEnd || c == u'/')
                addPiece(text.mid(i, length), 0);
            else if (c == u' ' && spaceShown)
                addPiece(spaceShown, 1);
            else
                addPiece(text.mid(i, length), narrowOrWidth(text[i], c));
            i += length;
        }
    }

private:
    int narrowOrWidth(QChar unit, char32_t c) { return m_set.weight(m_field, unit, c, m_m); }

    // A dynamic code starting at `open`: adds it as one piece and returns where it ends, or
    // returns `open` when no code starts there.
    qsizetype dynamicCode(QStringView text, qsizetype open)
    {
        const qsizetype close = closingBrace(text, open);
        if (close < 0) {
            m_m.unclosedBrace = true;
            return open;
        }
        const QStringView inner = text.mid(open + 1, close - open - 1);
        const QString code = text.mid(open, close - open + 1).toString();
        if (inner.startsWith(u'=')) {
            const qsizetype paren = inner.indexOf(u'(');
            if (paren < 0)
                return open;
            const QStringView name = inner.mid(1, paren - 1);
            if (name.compare("COUNTDOWN"_L1, Qt::CaseInsensitive) == 0
                || name.compare("GLOBAL_COUNTDOWN"_L1, Qt::CaseInsensitive) == 0) {
                addPiece(countdownShown, countdownWeight);
                m_m.codes.append({code, DynamicKind::Countdown});
                ++m_m.dynamicCodes;
                return close + 1;
            }
            if (name.compare("IF"_L1, Qt::CaseInsensitive) != 0)
                return open;
            const qsizetype end = inner.indexOf("):"_L1, paren);
            if (end < 0) {
                addPiece(code, weigh(code));
                m_m.codes.append({code, DynamicKind::If, false});
                return close + 1;
            }
            const QStringView arguments = inner.mid(paren + 1, end - paren - 1);
            const qsizetype comma = arguments.indexOf(u',');
            const QStringView shownText = comma < 0 ? QStringView() : arguments.mid(comma + 1);
            const QStringView defaultText = inner.mid(end + 2);
            // The engine may show either; the safe count is the longer.
            FieldMeasure scratch;
            Measurer other(m_set, m_field, scratch);
            const int textWeight = other.weigh(shownText);
            const int defaultWeight = weigh(defaultText);
            addPiece(defaultText, qMax(textWeight, defaultWeight));
            m_m.codes.append({code, DynamicKind::If});
            ++m_m.dynamicCodes;
            return close + 1;
        }
        const qsizetype colon = inner.indexOf(u':');
        QStringView name = colon < 0 ? inner : inner.left(colon);
        // A level in parentheses after the name: {LOCATION(City):default}.
        if (name.endsWith(u')')) {
            const qsizetype paren = name.indexOf(u'(');
            if (paren < 0 || !isIdentifierChain(name.mid(paren + 1, name.size() - paren - 2)))
                return open;
            name = name.left(paren);
        }
        if (!isIdentifierChain(name))
            return open;
        if (colon < 0) {
            addPiece(code, weigh(code));
            m_m.codes.append({code, DynamicKind::Default, false});
            return close + 1;
        }
        const QStringView defaultText = inner.mid(colon + 1);
        addPiece(defaultText, weigh(defaultText));
        m_m.codes.append({code, DynamicKind::Default});
        ++m_m.dynamicCodes;
        return close + 1;
    }

    const RuleSet &m_set;
    AdField m_field;
    FieldMeasure &m_m;
    Record m_record;
    QChar *m_begin = nullptr;
    QChar *m_out = nullptr;
};

// The weight of `c` where double-width characters, and with `emoji` the emoji shown as emoji,
// count two; `m` counts those.
inline int doubledWeight(char32_t c, bool emoji, FieldMeasure &m)
{
    if (!isWideCodePoint(c) && !(emoji && isEmojiPresentationCodePoint(c)))
        return 1;
    ++m.doubleWidth;
    return 2;
}

// The explanation's line for a display URL whose domain and slashes go uncounted (Google,
// Microsoft).
void explainDomain(AdField field, const FieldMeasure &m, QStringList &lines);
} // namespace rulekit
