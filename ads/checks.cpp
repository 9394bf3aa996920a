// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/checks.h"

#include "ads/charclass.h"
#include "ads/spelling.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QVarLengthArray>

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
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
};

QString message(Kind kind, const QString &subject, int number);

// The findings of one field; their field is filled in by checkAdText.
using Findings = QList<Finding>;

void add(Findings &out, Kind kind, Severity severity, const QString &subject = {}, int number = 0)
{
    const QString said = message(kind, subject, number);
    for (const Finding &f : std::as_const(out)) {
        if (f.message == said)
            return; // each word or mark once
    }
    out.append({AdField::Title, severity, said});
}

// Emoji shown as emoji by default, and the pictographs of the emoji planes that a variation
// selector usually turns into one (such as the couch and lamp).
bool isEmoji(char32_t c)
{
    if (c < 0x231A)
        return false;
    return u_hasBinaryProperty(UChar32(c), UCHAR_EMOJI_PRESENTATION)
           || (c >= 0x1F000 && u_hasBinaryProperty(UChar32(c), UCHAR_EXTENDED_PICTOGRAPHIC));
}

bool isDecorative(char32_t c)
{
    return c == 0x2022 || c == 0x2023 || c == 0x2043 || c == 0x2219 || (c >= 0x25A0 && c <= 0x25FF)
           || (c >= 0x2600 && c <= 0x27BF);
}

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
    bool any(quint8 classes) const
    {
        return std::any_of(
            m_classes.cbegin(), m_classes.cend(), [&](quint8 c) { return (c & classes) != 0; });
    }

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
QList<QStringView> capitalWords(const Classified &text, int minimum, const UserWords *allowed)
{
    QList<QStringView> result;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size;) {
        if (!text.is(i, Letter)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        bool capitals = true;
        for (; i < size && text.is(i, Letter); ++i)
            capitals = capitals && text.is(i, Upper);
        const QStringView word = text.text().mid(start, i - start);
        if (capitals && word.size() >= minimum && !(allowed && allowed->contains(word)))
            result.append(word);
    }
    return result;
}

void repeatedMarks(const Classified &text, bool exceptEllipsis, Severity severity, Findings &out)
{
    const QStringView units = text.text();
    for (qsizetype i = 0; i < units.size();) {
        const QChar c = units[i];
        qsizetype end = i + 1;
        while (end < units.size() && units[end] == c)
            ++end;
        const qsizetype run = end - i;
        if (run >= 2 && text.is(i, PunctOrSymbol) && !(exceptEllipsis && c == u'.' && run == 3))
            add(out, Kind::RepeatedMark, severity, units.mid(i, run).toString());
        i = end;
    }
}

void spacedLetters(const Classified &text, Findings &out)
{
    int run = 0;
    const QChar *first = nullptr;
    const QChar *last = nullptr;
    const auto endRun = [&] {
        if (run >= 3)
            add(out, Kind::SpacedLetters, Severity::Error, QStringView(first, last + 1).toString());
        run = 0;
    };
    const QChar *units = text.text().data();
    forEachWord(
        text,
        [&](qsizetype i) { return !text.is(i, Space); },
        [&](QStringView part) {
            if (part.size() != 1 || !text.is(part.data() - units, Letter)) {
                endRun();
                return;
            }
            if (run++ == 0)
                first = part.data();
            last = part.data();
        });
    endRun();
}

void clickHere(QStringView text, Findings &out)
{
    constexpr qsizetype length = 10; // "click here"
    for (qsizetype at = 0; at + length <= text.size(); ++at) {
        if ((text[at].unicode() | 0x20) != u'c'
            || text.mid(at, length).compare("click here"_L1, Qt::CaseInsensitive) != 0)
            continue;
        const bool startsWord = at == 0 || !text[at - 1].isLetterOrNumber();
        const bool endsWord = at + length == text.size() || !text[at + length].isLetterOrNumber();
        if (startsWord && endsWord)
            add(out, Kind::ClickHere, Severity::Error, text.mid(at, length).toString());
    }
}

// Seven or more digits joined by spaces, "-" or brackets; thousands written "1 000 000" are a
// number, not a phone.
void phoneNumbers(const Classified &classified, Severity severity, Findings &out)
{
    int digits = 0;
    for (qsizetype i = 0; i < classified.size() && digits < 7; ++i)
        digits += classified.is(i, Digit) ? 1 : 0;
    if (digits < 7)
        return;
    const QString text = classified.text().toString();
    static const QRegularExpression phone(u"\\+?\\(?\\d[\\d \\-()]*\\d"_s);
    static const QRegularExpression thousands(u"^\\d{1,3}( \\d{3})+$"_s);
    auto match = phone.globalMatch(text);
    while (match.hasNext()) {
        const QString found = match.next().captured();
        int digits = 0;
        for (const QChar c : found)
            digits += c.isDigit() ? 1 : 0;
        if (digits >= 7 && !thousands.match(found).hasMatch())
            add(out, Kind::Phone, severity, found);
    }
}

void starredWords(const QString &text, Findings &out)
{
    if (!text.contains(u'*'))
        return;
    static const QRegularExpression starred(u"\\*[\\w]+\\*"_s);
    auto match = starred.globalMatch(text);
    while (match.hasNext())
        add(out, Kind::StarredWord, Severity::Error, match.next().captured());
}

void emailAddresses(const QString &text, Findings &out)
{
    if (!text.contains(u'@'))
        return;
    static const QRegularExpression email(
        u"[A-Za-z0-9._%+\\-]+@[A-Za-z0-9\\-]+(\\.[A-Za-z0-9\\-]+)+"_s);
    auto match = email.globalMatch(text);
    while (match.hasNext())
        add(out, Kind::Email, Severity::Error, match.next().captured());
}

void repeatedWords(const Classified &text, Findings &out)
{
    QStringView before, previous;
    forEachWordOf(text, LetterOrNumber, [&](QStringView word) {
        if (word.size() == previous.size() && word.size() == before.size()
            && word.compare(previous, Qt::CaseInsensitive) == 0
            && word.compare(before, Qt::CaseInsensitive) == 0)
            add(out, Kind::RepeatedWord, Severity::Error, word.toString());
        before = previous;
        previous = word;
    });
}

void emojis(QStringView text, Findings &out)
{
    forEachCodePoint(text, [&](char32_t c, qsizetype start, qsizetype length) {
        if (isEmoji(c))
            add(out, Kind::Emoji, Severity::Error, text.mid(start, length).toString());
    });
}

void dynamicText(const FieldMeasure &m, Findings &out)
{
    for (const DynamicCode &code : m.codes) {
        if (!code.hasDefault)
            add(out, Kind::NoDefault, Severity::Error, code.code);
    }
    if (m.unclosedBrace)
        add(out, Kind::UnclosedBrace, Severity::Error);
}

void displayPaths(Rules rules, const FieldMeasure &m, Findings &out)
{
    if (m.dynamicInURL)
        add(out, Kind::DynamicInURL, Severity::Error);
    for (qsizetype i = 0; i < qMin<qsizetype>(m.paths.size(), 2); ++i) {
        if (weightOf(rules, m.paths[i]) > 15)
            add(out, Kind::LongPath, Severity::Error, m.paths[i]);
    }
    if (m.paths.size() > 2)
        add(out, Kind::ThirdPath, Severity::Error, m.paths.mid(2).join(u'/'));
}

Findings
googleFindings(AdField field, const FieldMeasure &m, bool errorsOnly, const UserWords *allowed)
{
    Findings out;
    if (field == AdField::URL) {
        displayPaths(Rules::Google, m, out);
        return out;
    }
    const QString &shown = m.shown;
    const Classified classified(shown);
    repeatedMarks(classified, true, Severity::Error, out);
    forEachCodePoint(shown, [&](char32_t c, qsizetype start, qsizetype length) {
        if (c < 0x2022)
            return;
        if (isEmoji(c))
            add(out, Kind::Emoji, Severity::Error, shown.mid(start, length));
        else if (c >= 0xFF61 && c <= 0xFF9F)
            add(out, Kind::HalfWidthKatakana, Severity::Error, shown.mid(start, length));
        else if (isDecorative(c))
            add(out, Kind::DecorativeSymbol, Severity::Error, shown.mid(start, length));
    });
    starredWords(shown, out);
    spacedLetters(classified, out);
    clickHere(shown, out);
    dynamicText(m, out);
    if (errorsOnly)
        return out;
    for (const QStringView word : capitalWords(classified, 4, allowed))
        add(out, Kind::Capitals, Severity::Warning, word.toString());
    if (field == AdField::Title) {
        if (shown.contains(u'!'))
            add(out, Kind::ExclamationInTitle, Severity::Warning);
        phoneNumbers(classified, Severity::Warning, out);
    }
    return out;
}

Findings microsoftFindings(AdField field,
                           const QString &text,
                           const FieldMeasure &m,
                           const UserWords *allowed)
{
    Findings out;
    if (field == AdField::URL) {
        displayPaths(Rules::Microsoft, m, out);
        const int whole = weightOf(Rules::Microsoft, m.shown);
        if (whole > 67)
            add(out, Kind::LongURL, Severity::Error, {}, whole);
        return out;
    }
    const QString &shown = m.shown;
    const Classified classified(shown);
    const QList<QStringView> capitals = capitalWords(classified, 2, allowed);
    if (capitals.size() > 1) {
        QStringList quoted;
        for (const QStringView word : capitals)
            quoted.append(u'"' + word.toString() + u'"');
        quoted.removeDuplicates();
        add(out, Kind::ManyCapitals, Severity::Error, quoted.join(", "_L1));
    }
    repeatedMarks(classified, false, Severity::Error, out);
    repeatedWords(classified, out);
    for (qsizetype i = 1; i + 1 < shown.size(); ++i) {
        if (classified.is(i, Currency) && classified.is(i - 1, Letter)
            && classified.is(i + 1, Letter)) {
            forEachWordOf(classified, Letter | Currency, [&](QStringView word) {
                if (word.data() <= shown.constData() + i
                    && word.data() + word.size() > shown.constData() + i)
                    add(out, Kind::CurrencyInWord, Severity::Error, word.toString());
            });
        }
    }
    phoneNumbers(classified, Severity::Error, out);
    clickHere(shown, out);
    // The first "<...>" with no "<" or ">" inside.
    for (qsizetype open = shown.indexOf(u'<'); open >= 0; open = shown.indexOf(u'<', open + 1)) {
        qsizetype close = open + 1;
        while (close < shown.size() && shown[close] != u'<' && shown[close] != u'>')
            ++close;
        if (close < shown.size() && shown[close] == u'>') {
            add(out, Kind::Markup, Severity::Error, shown.mid(open, close - open + 1));
            break;
        }
    }
    // As typed, not as shown.
    if (!text.isEmpty() && !Classified(text).any(LetterOrNumber))
        add(out, Kind::NoLetterOrDigit, Severity::Error);
    dynamicText(m, out);
    return out;
}

Findings yandexFindings(AdField field,
                        const QString &text,
                        const FieldMeasure &m,
                        bool errorsOnly,
                        const UserWords *allowed)
{
    Findings out;
    if (m.unpairedHash)
        add(out, Kind::UnpairedHash, Severity::Error);
    if (field == AdField::URL) {
        if (m.linkDropped > 0 && !errorsOnly)
            add(out, Kind::LinkChanged, Severity::Warning, m.shown);
        return out;
    }
    const Classified classified(text);
    if (!errorsOnly) {
        for (const QStringView word : capitalWords(classified, 4, allowed))
            add(out, Kind::Capitals, Severity::Warning, word.toString());
    }
    spacedLetters(classified, out);
    repeatedWords(classified, out);
    phoneNumbers(classified, Severity::Error, out);
    emailAddresses(text, out);
    emojis(text, out);
    const int longest = field == AdField::Title ? 22 : 23;
    forEachWordOf(classified, LetterOrNumber | Hyphen, [&](QStringView word) {
        if (word.size() > longest)
            add(out, Kind::LongWord, Severity::Error, word.toString(), longest);
    });
    const qsizetype bang = errorsOnly ? -1 : text.indexOf("!!"_L1);
    if (bang >= 0) {
        qsizetype end = bang + 2;
        while (end < text.size() && text[end] == u'!')
            ++end;
        add(out, Kind::RepeatedExclamation, Severity::Warning, text.mid(bang, end - bang));
    }
    return out;
}

// The findings of `rules` in one field; with `errorsOnly`, the checks that can only warn are
// left out.
// `exclamations` receives the "!" that Google shows in a title or text.
Findings fieldFindings(Rules rules,
                       AdField field,
                       const QString &text,
                       const FieldMeasure &m,
                       bool errorsOnly,
                       const UserWords *allowed,
                       int *exclamations = nullptr)
{
    if (rules == Rules::Plain || rules == Rules::Baidu || text.isEmpty())
        return {};
    switch (rules) {
    case Rules::Google:
        if (exclamations && field != AdField::URL)
            *exclamations = int(m.shown.count(u'!'));
        return googleFindings(field, m, errorsOnly, allowed);
    case Rules::Microsoft:
        return microsoftFindings(field, text, m, allowed);
    case Rules::Yandex:
        return yandexFindings(field, text, m, errorsOnly, allowed);
    case Rules::Plain:
    case Rules::Baidu:
        break;
    }
    return {};
}

QString message(Kind kind, const QString &subject, int number)
{
    switch (kind) {
    case Kind::RepeatedMark:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\" repeats a punctuation mark or symbol.")
            .arg(subject);
    case Kind::Emoji:
        return QCoreApplication::translate("MainWindow", "\"%1\" is an emoji.").arg(subject);
    case Kind::HalfWidthKatakana:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\" is a half-width katakana character.")
            .arg(subject);
    case Kind::DecorativeSymbol:
        return QCoreApplication::translate("MainWindow", "\"%1\" is a bullet or decorative symbol.")
            .arg(subject);
    case Kind::StarredWord:
        return QCoreApplication::translate("MainWindow", "\"%1\" is decorated with asterisks.")
            .arg(subject);
    case Kind::SpacedLetters:
        return QCoreApplication::translate("MainWindow", "\"%1\" spaces out single letters.")
            .arg(subject);
    case Kind::ClickHere:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\" says nothing about the offer; say what it is.")
            .arg(subject);
    case Kind::Capitals:
        return QCoreApplication::translate("MainWindow", "\"%1\" is written in capitals.")
            .arg(subject);
    case Kind::ManyCapitals:
        return QCoreApplication::translate("MainWindow",
                                           "More than one word is written in capitals: %1.")
            .arg(subject);
    case Kind::ExclamationInTitle:
        return QCoreApplication::translate("MainWindow",
                                           "An exclamation mark in the title (an older rule).");
    case Kind::ManyExclamations:
        return QCoreApplication::translate(
            "MainWindow", "More than one exclamation mark in the ad (an older rule).");
    case Kind::Phone:
        return QCoreApplication::translate("MainWindow", "\"%1\" looks like a phone number.")
            .arg(subject);
    case Kind::Email:
        return QCoreApplication::translate("MainWindow", "\"%1\" looks like an e-mail address.")
            .arg(subject);
    case Kind::NoDefault:
        return QCoreApplication::translate("MainWindow", "\"%1\" has no default text.")
            .arg(subject);
    case Kind::UnclosedBrace:
        return QCoreApplication::translate("MainWindow", "A \"{\" is not closed by \"}\".");
    case Kind::LongPath:
        return QCoreApplication::translate("MainWindow",
                                           "The path \"%1\" is longer than 15 characters.")
            .arg(subject);
    case Kind::ThirdPath:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\" is a third path; a URL has two at most.")
            .arg(subject);
    case Kind::DynamicInURL:
        return QCoreApplication::translate("MainWindow", "Dynamic text cannot be used here.");
    case Kind::RepeatedWord:
        return QCoreApplication::translate("MainWindow", "\"%1\" stands three times in a row.")
            .arg(subject);
    case Kind::CurrencyInWord:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\" has a currency sign inside a word.")
            .arg(subject);
    case Kind::Markup:
        return QCoreApplication::translate("MainWindow", "\"%1\" looks like markup.").arg(subject);
    case Kind::NoLetterOrDigit:
        return QCoreApplication::translate("MainWindow", "There is no letter or digit.");
    case Kind::LongURL:
        return QCoreApplication::translate("MainWindow",
                                           "Domain and paths come to %1 characters, more than 67.")
            .arg(number);
    case Kind::LongWord:
        return QCoreApplication::translate("MainWindow", "\"%1\" is longer than %2 characters.")
            .arg(subject)
            .arg(number);
    case Kind::RepeatedExclamation:
        return QCoreApplication::translate("MainWindow",
                                           "\"%1\": more than one exclamation mark in a row.")
            .arg(subject);
    case Kind::LinkChanged:
        return QCoreApplication::translate("MainWindow", "The display link will show \"%1\".")
            .arg(subject);
    case Kind::UnpairedHash:
        return QCoreApplication::translate("MainWindow",
                                           "A \"#\" has no partner to close the template.");
    }
    return QString();
}

constexpr AdField fields[] = {AdField::Title, AdField::Text, AdField::URL};
} // namespace

QList<Finding> checkAdText(Rules rules, const AdFields &ad, const UserWords *allowed)
{
    return checkAdText(rules, ad, measureAd(rules, ad), allowed);
}

QList<Finding>
checkAdText(Rules rules, const AdFields &ad, const AdMeasure &measured, const UserWords *allowed)
{
    QList<Finding> problems;
    AdField lastExclaimed = AdField::Title;
    int exclamations = 0;
    for (const AdField field : fields) {
        int shown = 0;
        for (Finding &f :
             fieldFindings(rules, field, ad[field], measured[field], false, allowed, &shown)) {
            f.field = field;
            problems.append(std::move(f));
        }
        exclamations += shown;
        if (shown > 0)
            lastExclaimed = field;
    }
    if (rules == Rules::Google && exclamations > 1)
        problems.append({lastExclaimed, Severity::Warning, message(Kind::ManyExclamations, {}, 0)});
    return problems;
}

bool hasEditorialError(Rules rules, const AdFields &ad, const UserWords *allowed)
{
    return hasEditorialError(rules, ad, measureAd(rules, ad), allowed);
}

bool hasEditorialError(Rules rules,
                       const AdFields &ad,
                       const AdMeasure &measured,
                       const UserWords *allowed)
{
    for (const AdField field : fields) {
        for (const Finding &f :
             fieldFindings(rules, field, ad[field], measured[field], true, allowed)) {
            if (f.severity == Severity::Error)
                return true;
        }
    }
    return false;
}
