// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The editorial checks that rule sets share, each run by the rule sets that have it.

#include "ads/charclass.h"
#include "ads/rules/ruleset.h"

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>

namespace rulekit {
// What a check found, for its message.
enum class Kind {
    RepeatedMark,
    Emoji,
    HalfWidthKatakana,
    DecorativeSymbol,
    StarredWord,
    SpacedLetters,
    ClickHere,
    Capitals,
    ManyCapitals,
    ExclamationInTitle,
    ManyExclamations,
    Phone,
    Email,
    NoDefault,
    UnclosedBrace,
    LongPath,
    ThirdPath,
    DynamicInURL,
    RepeatedWord,
    CurrencyInWord,
    Markup,
    NoLetterOrDigit,
    LongURL,
    LongWord,
    RepeatedExclamation,
    LinkChanged,
    UnpairedHash,
    FewTitles,
    FewTexts,
    ManyTitles,
    ManyTexts,
    SameTitle,
    SameText,
    EmptyFirstTitle,
    EmptyFirstText,
    PinNotOffered,
    UnfillableTitlePosition,
    UnfillableTextPosition,
    SecondPathAlone,
    NoFinalURL,
};

// The translated message of a finding of `kind` about `subject`.
QString message(Kind kind, const QString &subject = {}, int number = 0);

// Adds a finding of `kind` to `out`, each word or mark once.
void add(Findings &out, Kind kind, Severity severity, const QString &subject = {}, int number = 0);

// Adds a finding of `kind` about title or text `index` (or another field, or the ad) to `out`.
void addAt(Findings &out,
           AdField field,
           int index,
           Kind kind,
           Severity severity,
           const QString &subject = {},
           int number = 0);

// The format of a responsive search ad, Google's and Microsoft's alike: 3 to 15 titles and 2 to 4
// texts, up to 3 titles (joined by " | ") and 2 texts shown at once, pins to titles 1 to 3 and
// texts 1 to 2.
const AssetFormat &responsiveSearchAd();

// Whether `text` holds nothing but spaces: such a title or text is no asset.
inline bool isBlank(QStringView text)
{
    // Asked of every title for every check of the ad: it stops at the first letter.
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// The ad's titles and texts against `format`: too few or too many (blank ones do not count), a
// blank title 1 or text 1, pins to positions the engine does not have or that leave a position
// always shown without an asset; with `errorsOnly` false, a missing final URL where `format`
// wants one.
void assetSet(const AssetFormat &format, const AdFields &ad, bool errorsOnly, Findings &out);

// The same title or text twice, compared as shown without regard to case; the later one is
// named.
void repeatedAssets(const AdFields &ad,
                    const AdMeasure &measured,
                    Severity severity,
                    Findings &out);

// Emoji shown as emoji by default, and the pictographs of the emoji planes that a variation
// selector usually turns into one (such as the couch and lamp).
bool isEmoji(char32_t c);

// Bullets and decorative symbols.
bool isDecorative(char32_t c);

// Calls `visit(c, start, length)` for each code point of `text`.
template<typename Visit>
void forEachCodePoint(QStringView text, Visit visit)
{
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        char32_t c = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text[i], text[i + 1]);
            length = 2;
        }
        visit(c, i, length);
        i += length;
    }
}

// A field's text with the class of each of its units.
class Classified
{
public:
    explicit Classified(QStringView text)
        : m_text(text)
        , m_classes(text.size())
    {
        classifyUnits(text, m_classes.data());
    }

    QStringView text() const { return m_text; }
    qsizetype size() const { return m_text.size(); }
    bool is(qsizetype i, quint8 classes) const { return (m_classes[i] & classes) != 0; }

private:
    QStringView m_text;
    QVarLengthArray<quint8, 256> m_classes;
};

// Calls `visit(word)` for each run of units at whose index `inWord` holds. The runs' bounds
// are found first, without a branch per unit: a branch at every word's edge is mispredicted
// as often as not, and costs more than the rest of a check.
template<typename InWord, typename Visit>
void forEachWord(const Classified &text, InWord inWord, Visit visit)
{
    const qsizetype size = text.size();
    QVarLengthArray<qsizetype, 256> bounds(size + 2);
    qsizetype count = 0;
    bool previous = false;
    for (qsizetype i = 0; i < size; ++i) {
        const bool in = inWord(i);
        bounds[count] = i;
        count += in != previous ? 1 : 0;
        previous = in;
    }
    bounds[count] = size;
    count += previous ? 1 : 0;
    for (qsizetype k = 0; k + 1 < count; k += 2)
        visit(text.text().mid(bounds[k], bounds[k + 1] - bounds[k]));
}

// Calls `visit(word)` for each run of units of one of `classes`.
template<typename Visit>
void forEachWordOf(const Classified &text, quint8 classes, Visit visit)
{
    forEachWord(
        text, [&](qsizetype i) { return text.is(i, classes); }, visit);
}

// Words of letters only, each of at least `minimum` units and all of them capitals; brands and
// abbreviations among the user's words are allowed.
QList<QStringView> capitalWords(const Classified &text, int minimum, const UserWords *allowed);

// Runs of one punctuation mark or symbol; with `exceptEllipsis`, "..." passes.
void repeatedMarks(const Classified &text, bool exceptEllipsis, Severity severity, Findings &out);

// Three or more single letters spaced out.
void spacedLetters(const Classified &text, Findings &out);

// "click here" standing as words of their own, in any case.
void clickHere(QStringView text, Findings &out);

// Seven or more digits joined by spaces, "-" or brackets; thousands written "1 000 000" are a
// number, not a phone.
void phoneNumbers(const Classified &classified, Severity severity, Findings &out);

// A word decorated with asterisks.
void starredWords(const QString &text, Findings &out);

void emailAddresses(const QString &text, Findings &out);

// A word three times in a row, in any case.
void repeatedWords(const Classified &text, Findings &out);

void emojis(QStringView text, Findings &out);

// Dynamic codes without a default text, and a "{" not closed.
void dynamicText(const FieldMeasure &m, Findings &out);

// A display URL's paths: dynamic text, a path over 15 characters as `set` counts them, path 2
// without path 1, a third path.
void displayPaths(const RuleSet &set, const FieldMeasure &m, Findings &out);
} // namespace rulekit
