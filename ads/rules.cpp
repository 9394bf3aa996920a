// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/rules.h"

#include "ads/charclass.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {
const std::array<QString, 5> identifiers
    = {u"plain"_s, u"google"_s, u"microsoft"_s, u"yandex"_s, u"baidu"_s};

int charWeight(Rules rules, char32_t c)
{
    switch (rules) {
    case Rules::Google:
    case Rules::Baidu:
        return isWideCodePoint(c) ? 2 : 1;
    case Rules::Microsoft:
        return isWideCodePoint(c) || isEmojiPresentationCodePoint(c) ? 2 : 1;
    case Rules::Plain:
    case Rules::Yandex:
        break;
    }
    return 1;
}

// The code point at `i` and its length in code units; a lone surrogate is a character of its
// own.
char32_t codePointAt(QStringView text, qsizetype i, qsizetype *length)
{
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *length = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    *length = 1;
    return c.unicode();
}

// Yandex's narrow marks, which the text leaves out of its count up to a number.
bool isNarrowMark(QChar c)
{
    switch (c.unicode()) {
    case '.':
    case ',':
    case '!':
    case ':':
    case ';':
    case '"':
        return true;
    default:
        return false;
    }
}
constexpr int freeNarrowMarks = 15;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isIdentifierChar(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'_';
}

// Identifiers joined by dots, each an ASCII letter then letters, digits or "_".
bool isIdentifierChain(QStringView text)
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
qsizetype closingBrace(QStringView text, qsizetype open)
{
    for (qsizetype i = open + 1; i < text.size(); ++i) {
        if (text[i] == u'}')
            return i;
        if (text[i] == u'{')
            return -1;
    }
    return -1;
}

const QString countdownShown = u"5 days"_s;
constexpr int countdownWeight = 8;

// What a measure writes besides the count and what went into it.
enum class Record {
    Nothing, // `shown` and `pieces` stay empty
    Shown,   // `shown`, which is never longer than the text it is measured from
    Pieces,  // `shown` and its pieces, as the preview cuts them
};

class Measurer
{
public:
    Measurer(Rules rules, AdField field, FieldMeasure &measure, Record record = Record::Nothing)
        : m_rules(rules)
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

    // One typed character, shown as it is.
    void addChar(QStringView text, qsizetype i, qsizetype *length)
    {
        const char32_t c = codePointAt(text, i, length);
        addPiece(text.mid(i, *length), narrowOrWidth(text[i], c));
    }

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

    void measureDisplayURL(QStringView text)
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
            else if (c == u' ' && m_rules == Rules::Microsoft)
                addPiece(u"_", 1);
            else
                addPiece(text.mid(i, length), narrowOrWidth(text[i], c));
            i += length;
        }
    }

    void measureBaidu(QStringView text)
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == u'{') {
                const qsizetype close = closingBrace(text, i);
                if (close > i) {
                    const QStringView shown = text.mid(i + 1, close - i - 1);
                    addPiece(shown, weigh(shown));
                    m_m.codes.append({text.mid(i, close - i + 1).toString()});
                    ++m_m.dynamicCodes;
                    i = close + 1;
                    continue;
                }
                m_m.unclosedBrace = true;
            }
            qsizetype length;
            addChar(text, i, &length);
            i += length;
        }
    }

    // Yandex title and text, or the display link once normalised: a phrase between two "#" is
    // shown without them, and they are not counted.
    void measureYandex(QStringView text)
    {
        qsizetype hashes = text.count(u'#');
        m_m.unpairedHash = hashes % 2 == 1;
        qsizetype paired = hashes - hashes % 2;
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == u'#' && paired > 0) {
                const qsizetype close = text.indexOf(u'#', i + 1);
                const QStringView phrase = text.mid(i + 1, close - i - 1);
                addPiece(phrase, weigh(phrase));
                m_m.codes.append({text.mid(i, close - i + 1).toString(), DynamicKind::Template});
                m_m.templateSigns += 2;
                paired -= 2;
                i = close + 1;
                continue;
            }
            qsizetype length;
            addChar(text, i, &length);
            i += length;
        }
    }

private:
    int narrowOrWidth(QChar unit, char32_t c)
    {
        if (m_rules == Rules::Yandex) {
            if (m_field == AdField::URL || !isNarrowMark(unit))
                return 1;
            ++m_m.narrowMarks;
            if (m_field == AdField::Text && m_m.narrowFree < freeNarrowMarks) {
                ++m_m.narrowFree;
                return 0;
            }
            return 1;
        }
        if (c < 0x1100) // nothing below is double-width, nor an emoji that counts 2
            return 1;
        const int weight = charWeight(m_rules, c);
        if (weight == 2)
            ++m_m.doubleWidth;
        return weight;
    }

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
            Measurer other(m_rules, m_field, scratch);
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

    Rules m_rules;
    AdField m_field;
    FieldMeasure &m_m;
    Record m_record;
    QChar *m_begin = nullptr;
    QChar *m_out = nullptr;
};

// The Yandex display link as Yandex writes it: letters, digits and "- № / % #" stay, a space or
// "_" becomes "-", every other character goes, and a run of one of "- № / %" becomes one.
QString yandexLink(QStringView text)
{
    QString link;
    link.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length;
        const char32_t c = codePointAt(text, i, &length);
        QStringView kept;
        if (c == u' ' || c == u'_')
            kept = u"-";
        else if (QChar::isLetterOrNumber(c) || c == u'-' || c == u'/' || c == u'%' || c == u'#'
                 || c == u'№')
            kept = text.mid(i, length);
        i += length;
        if (kept.isEmpty())
            continue;
        const QChar first = kept.front();
        const bool collapses = first == u'-' || first == u'/' || first == u'%' || first == u'№';
        if (collapses && !link.isEmpty() && link.back() == first)
            continue;
        link.append(kept);
    }
    return link;
}

QString explain(Rules rules, AdField field, const FieldMeasure &m)
{
    QStringList lines;
    if (m.narrowFree > 0)
        lines << QCoreApplication::translate("MainWindow", "Punctuation marks not counted: %1")
                     .arg(m.narrowFree);
    if (m.doubleWidth > 0)
        lines << QCoreApplication::translate("MainWindow",
                                             "Double-width characters, counted twice: %1")
                     .arg(m.doubleWidth);
    if (m.dynamicCodes > 0)
        lines << QCoreApplication::translate(
                     "MainWindow", "Dynamic text counted by what it shows, not as typed: %1")
                     .arg(m.dynamicCodes);
    if (m.templateSigns > 0)
        lines << QCoreApplication::translate("MainWindow", "Template # signs not counted: %1")
                     .arg(m.templateSigns);
    if (field == AdField::URL && (rules == Rules::Google || rules == Rules::Microsoft)
        && m.count != m.plainLength)
        lines << QCoreApplication::translate("MainWindow",
                                             "Not counted: the domain \"%1\" and the slashes")
                     .arg(m.domain);
    if (rules == Rules::Microsoft && field == AdField::URL && m.shown.contains(u'_'))
        lines << QCoreApplication::translate("MainWindow", "Spaces in a path are shown as \"_\"");
    if (m.linkDropped > 0)
        lines << QCoreApplication::translate("MainWindow",
                                             "Counted as the display link will show it: %1")
                     .arg(m.shown);
    if (rules == Rules::Yandex && field == AdField::Title && m.narrowMarks > 0)
        lines << QCoreApplication::translate(
                     "MainWindow", "Yandex's API counts %1, leaving out narrow punctuation marks")
                     .arg(m.count - m.narrowMarks);
    return lines.join(u'\n');
}

// With `withPieces` false the pieces are left out.
FieldMeasure computeMeasure(Rules rules, AdField field, const QString &text, bool withPieces)
{
    FieldMeasure m;
    m.plainLength = int(text.size());
    if (rules == Rules::Plain) {
        m.count = m.plainLength;
        m.shown = text;
        return m;
    }
    if (withPieces)
        m.pieces.reserve(text.size());
    Measurer measurer(rules, field, m, withPieces ? Record::Pieces : Record::Shown);
    switch (rules) {
    case Rules::Google:
    case Rules::Microsoft:
        measurer.beginShown(text.size());
        if (field == AdField::URL)
            measurer.measureDisplayURL(text);
        else
            measurer.measureDynamicField(text);
        measurer.endShown();
        break;
    case Rules::Yandex:
        if (field == AdField::URL) {
            const QString link = yandexLink(text);
            m.linkDropped = int(text.size() - link.size());
            measurer.beginShown(link.size());
            measurer.measureYandex(link);
            measurer.endShown();
            // A link that only lost its # signs has not been changed by Yandex.
            if (m.linkDropped == 0 && link != text)
                m.linkDropped = 1;
        } else {
            measurer.beginShown(text.size());
            measurer.measureYandex(text);
            measurer.endShown();
        }
        break;
    case Rules::Baidu:
        measurer.beginShown(text.size());
        measurer.measureBaidu(text);
        measurer.endShown();
        break;
    case Rules::Plain:
        break;
    }
    return m;
}

} // namespace

Rules rulesNamed(const QString &name)
{
    for (std::size_t i = 1; i < identifiers.size(); ++i) {
        if (name == identifiers[i])
            return Rules(i);
    }
    return Rules::Plain;
}

QString rulesIdentifier(Rules rules)
{
    return identifiers[std::size_t(rules)];
}

QList<Rules> allRules()
{
    return {Rules::Plain, Rules::Google, Rules::Microsoft, Rules::Yandex, Rules::Baidu};
}

FieldMeasure measureField(Rules rules, AdField field, const QString &text)
{
    FieldMeasure m = computeMeasure(rules, field, text, false);
    m.explanation = explanationOf(rules, field, m);
    return m;
}

QString explanationOf(Rules rules, AdField field, const FieldMeasure &m)
{
    if (m.count != m.plainLength || m.narrowMarks > 0 || m.templateSigns > 0)
        return explain(rules, field, m);
    return QString();
}

AdMeasure measureAd(Rules rules, const AdFields &ad)
{
    return {computeMeasure(rules, AdField::Title, ad.title, false),
            computeMeasure(rules, AdField::Text, ad.text, false),
            computeMeasure(rules, AdField::URL, ad.url, false)};
}

FieldMeasure measureFieldPieces(Rules rules, AdField field, const QString &text)
{
    return computeMeasure(rules, field, text, true);
}

FieldMeasure measureFieldUnexplained(Rules rules, AdField field, const QString &text)
{
    return computeMeasure(rules, field, text, false);
}

int countField(Rules rules, AdField field, const QString &text)
{
    return computeMeasure(rules, field, text, false).count;
}

int weightOf(Rules rules, const QString &text)
{
    FieldMeasure scratch;
    return rules == Rules::Plain ? int(text.size())
                                 : Measurer(rules, AdField::Title, scratch).weigh(text);
}
