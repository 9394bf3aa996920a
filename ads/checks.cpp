// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/checks.h"

#include "ads/rules/checkkit.h"
#include "ads/rules/measurer.h"
#include "ads/spelling.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <unicode/uchar.h>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace rulekit {
void add(Findings &out, Kind kind, Severity severity, const QString &subject, int number)
{
    const QString said = message(kind, subject, number);
    for (const Finding &f : std::as_const(out)) {
        if (f.message == said)
            return; // each word or mark once
    }
    out.append({AdField::Title, severity, said});
}

void addAt(Findings &out,
           AdField field,
           int index,
           Kind kind,
           Severity severity,
           const QString &subject,
           int number)
{
    out.append({field, severity, message(kind, subject, number), index});
}

namespace {
// What differs between the checks of titles and of texts.
struct AssetSide
{
    AdField field;
    int minimum;
    int maximum;
    int positions; // pin positions the engine has
    int shown;
    Kind few, many, emptyFirst, unfillable;
};

void assetSide(const AssetSide &side, const AdFields &ad, Findings &out)
{
    constexpr int maxPositions = 3;
    bool pinnedTo[maxPositions + 1] = {};
    bool pinned = false;
    int assets = 0;
    int unpinned = 0;
    for (int i = 0; i < ad.count(side.field); ++i) {
        if (isBlank(ad.at(side.field, i)))
            continue;
        ++assets;
        const int pin = ad.pin(side.field, i);
        if (pin == 0)
            ++unpinned;
        else if (pin < 0 || pin > qMin(side.positions, maxPositions))
            addAt(out, side.field, i, Kind::PinNotOffered, Severity::Error, {}, pin);
        else
            pinned = pinnedTo[pin] = true;
    }
    const bool emptyFirst = isBlank(ad.at(side.field, 0));
    if (emptyFirst)
        addAt(out, side.field, 0, side.emptyFirst, Severity::Error);
    // Writing the empty first one is the first of the missing ones.
    const int missing = side.minimum - assets - (emptyFirst ? 1 : 0);
    if (missing > 0)
        addAt(out, AdField::Ad, 0, side.few, Severity::Error, {}, missing);
    if (assets > side.maximum)
        addAt(
            out, AdField::Ad, 0, side.many, Severity::Error, QString::number(assets), side.maximum);
    if (!pinned || missing > 0)
        return;
    // The last position shown may be left out; every one before it needs an asset, pinned
    // there or free to go anywhere.
    const int always = qMin(qMax(1, side.shown - 1), qMin(side.positions, maxPositions));
    int open = 0;
    for (int position = 1; position <= always; ++position) {
        if (!pinnedTo[position] && ++open > unpinned)
            addAt(out, AdField::Ad, 0, side.unfillable, Severity::Error, {}, position);
    }
}
} // namespace

void assetSet(const AssetFormat &format, const AdFields &ad, bool errorsOnly, Findings &out)
{
    assetSide({AdField::Title,
               format.minTitles,
               format.maxTitles,
               format.titlePins,
               format.shownTitles,
               Kind::FewTitles,
               Kind::ManyTitles,
               Kind::EmptyFirstTitle,
               Kind::UnfillableTitlePosition},
              ad,
              out);
    assetSide({AdField::Text,
               format.minTexts,
               format.maxTexts,
               format.textPins,
               format.shownTexts,
               Kind::FewTexts,
               Kind::ManyTexts,
               Kind::EmptyFirstText,
               Kind::UnfillableTextPosition},
              ad,
              out);
    if (format.wantsFinalURL && !errorsOnly && isBlank(ad.finalUrl))
        addAt(out, AdField::FinalURL, 0, Kind::NoFinalURL, Severity::Warning);
}

const AssetFormat &responsiveSearchAd()
{
    static const AssetFormat rsa{
        3, 15, 2, 4, 3, 2, 3, 2, 0, QStringLiteral(" | "), QStringLiteral(" "), true};
    return rsa;
}

void repeatedAssets(const AdFields &ad, const AdMeasure &measured, Severity severity, Findings &out)
{
    for (const AdField field : {AdField::Title, AdField::Text}) {
        // Each asset as shown, trimmed once; a blank one is no asset and repeats nothing.
        QVarLengthArray<QStringView, maxAdTitles> shown;
        for (int i = 0; i < measured.assets(field); ++i)
            shown.append(isBlank(ad.at(field, i))
                             ? QStringView()
                             : QStringView(measured.at(field, i).shown).trimmed());
        for (qsizetype i = 1; i < shown.size(); ++i) {
            if (shown[i].isNull())
                continue;
            for (qsizetype j = 0; j < i; ++j) {
                if (!shown[j].isNull() && shown[i].compare(shown[j], Qt::CaseInsensitive) == 0) {
                    addAt(out,
                          field,
                          int(i),
                          field == AdField::Title ? Kind::SameTitle : Kind::SameText,
                          severity,
                          {},
                          int(j + 1));
                    break;
                }
            }
        }
    }
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

namespace {
// The count of `text` under `set`, as one piece of a title.
int weighed(const RuleSet &set, QStringView text)
{
    FieldMeasure scratch;
    return Measurer(set, AdField::Title, scratch).weigh(text);
}
} // namespace

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

void displayPaths(const RuleSet &set, const FieldMeasure &m, Findings &out)
{
    if (m.dynamicInURL)
        add(out, Kind::DynamicInURL, Severity::Error);
    for (qsizetype i = 0; i < qMin<qsizetype>(m.paths.size(), 2); ++i) {
        if (weighed(set, m.paths[i]) > 15)
            add(out, Kind::LongPath, Severity::Error, m.paths[i]);
    }
    if (m.paths.size() > 1 && m.paths[0].isEmpty() && !m.paths[1].isEmpty())
        add(out, Kind::SecondPathAlone, Severity::Error);
    if (m.paths.size() > 2)
        add(out, Kind::ThirdPath, Severity::Error, m.paths.mid(2).join(u'/'));
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
    case Kind::FewTitles:
        return number == 1
                   ? QCoreApplication::translate("MainWindow", "Needs 1 more title.")
                   : QCoreApplication::translate("MainWindow", "Needs %1 more titles.").arg(number);
    case Kind::FewTexts:
        return number == 1
                   ? QCoreApplication::translate("MainWindow", "Needs 1 more text.")
                   : QCoreApplication::translate("MainWindow", "Needs %1 more texts.").arg(number);
    case Kind::ManyTitles:
        return QCoreApplication::translate("MainWindow",
                                           "Has %1 titles; the engine takes %2 at most.")
            .arg(subject)
            .arg(number);
    case Kind::ManyTexts:
        return QCoreApplication::translate("MainWindow",
                                           "Has %1 texts; the engine takes %2 at most.")
            .arg(subject)
            .arg(number);
    case Kind::SameTitle:
        return QCoreApplication::translate("MainWindow", "The same as title %1.").arg(number);
    case Kind::SameText:
        return QCoreApplication::translate("MainWindow", "The same as text %1.").arg(number);
    case Kind::EmptyFirstTitle:
        return QCoreApplication::translate("MainWindow", "The first title is empty.");
    case Kind::EmptyFirstText:
        return QCoreApplication::translate("MainWindow", "The first text is empty.");
    case Kind::PinNotOffered:
        return QCoreApplication::translate("MainWindow",
                                           "Pinned to position %1, which the engine does not have.")
            .arg(number);
    case Kind::UnfillableTitlePosition:
        return QCoreApplication::translate(
                   "MainWindow",
                   "No title can show in position %1: pin one there or leave one unpinned.")
            .arg(number);
    case Kind::UnfillableTextPosition:
        return QCoreApplication::translate(
                   "MainWindow",
                   "No text can show in position %1: pin one there or leave one unpinned.")
            .arg(number);
    case Kind::SecondPathAlone:
        return QCoreApplication::translate("MainWindow", "There is a path 2 but no path 1.");
    case Kind::NoFinalURL:
        return QCoreApplication::translate(
            "MainWindow", "No final URL yet: the engine needs the page the ad leads to.");
    }
    return QString();
}

} // namespace rulekit

using namespace rulekit;

// The rules that check nothing.
Findings
RuleSet::check(AdField, const QString &, const FieldMeasure &, bool, const UserWords *) const
{
    return {};
}

void RuleSet::checkWhole(const AdFields &ad,
                         const AdMeasure &measured,
                         bool errorsOnly,
                         Findings &out) const
{
    const AssetFormat &assets = format();
    assetSet(assets, ad, errorsOnly, out);
    // An engine that picks its combinations from more titles than it shows gets nothing new
    // from one of them twice.
    if (assets.maxTitles > assets.shownTitles)
        repeatedAssets(ad, measured, Severity::Error, out);
}

namespace {
// Calls `visit(field, index, text)` for each title, text and the URL with something typed,
// among those `measured` when given: spaces alone are no title or text.
template<typename Visit>
void forEachTyped(const AdFields &ad, Visit visit, const AdMeasure *measured = nullptr)
{
    for (const AdField field : {AdField::Title, AdField::Text, AdField::URL}) {
        const int count = measured ? measured->assets(field) : ad.count(field);
        for (int i = 0; i < count; ++i) {
            const QString &text = ad.at(field, i);
            if (!isBlank(text))
                visit(field, i, text);
        }
    }
}

// An ad with nothing typed has no findings: a new form is not greeted with errors.
bool nothingTyped(const AdFields &ad)
{
    bool typed = !isBlank(ad.finalUrl);
    forEachTyped(ad, [&](AdField, int, const QString &) { typed = true; });
    return !typed;
}
} // namespace

void sortFindings(QList<Finding> &findings)
{
    const auto before = [](const Finding &a, const Finding &b) {
        return std::pair(a.field, a.index) < std::pair(b.field, b.index);
    };
    if (!std::is_sorted(findings.cbegin(), findings.cend(), before))
        std::stable_sort(findings.begin(), findings.end(), before);
}

QList<Finding> checkAdText(Rules rules, const AdFields &ad, const UserWords *allowed)
{
    return checkAdText(rules, ad, measureAd(rules, ad), allowed);
}

QList<Finding>
checkAdText(Rules rules, const AdFields &ad, const AdMeasure &measured, const UserWords *allowed)
{
    if (nothingTyped(ad))
        return {};
    const RuleSet &set = ruleSet(rules);
    QList<Finding> problems;
    forEachTyped(
        ad,
        [&](AdField field, int index, const QString &text) {
            for (Finding &f : set.check(field, text, measured.at(field, index), false, allowed)) {
                f.field = field;
                f.index = index;
                problems.append(std::move(f));
            }
        },
        &measured);
    set.checkWhole(ad, measured, false, problems);
    sortFindings(problems);
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
    if (nothingTyped(ad))
        return false;
    const RuleSet &set = ruleSet(rules);
    const auto anyError = [](const Findings &findings) {
        return std::any_of(findings.cbegin(), findings.cend(), [](const Finding &f) {
            return f.severity == Severity::Error;
        });
    };
    bool error = false;
    forEachTyped(
        ad,
        [&](AdField field, int index, const QString &text) {
            error = error
                    || anyError(set.check(field, text, measured.at(field, index), true, allowed));
        },
        &measured);
    if (error)
        return true;
    Findings whole;
    set.checkWhole(ad, measured, true, whole);
    return anyError(whole);
}
