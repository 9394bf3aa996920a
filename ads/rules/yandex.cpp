// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Yandex Direct: narrow punctuation marks are free in the text up to a number; "#phrase#" is a
// template shown without its signs; the display link is written as Yandex writes it.
#include "ads/rules/checkkit.h"
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;
using namespace rulekit;

namespace {
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

// A title, a text or the display link once written: a phrase between two "#" is shown without
// them, and they are not counted.
void measureTemplates(QStringView text, Measurer &measurer)
{
    FieldMeasure &m = measurer.measure();
    qsizetype hashes = text.count(u'#');
    m.unpairedHash = hashes % 2 == 1;
    qsizetype paired = hashes - hashes % 2;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'#' && paired > 0) {
            const qsizetype close = text.indexOf(u'#', i + 1);
            const QStringView phrase = text.mid(i + 1, close - i - 1);
            measurer.addPiece(phrase, measurer.weigh(phrase));
            m.codes.append({text.mid(i, close - i + 1).toString(), DynamicKind::Template});
            m.templateSigns += 2;
            paired -= 2;
            i = close + 1;
            continue;
        }
        qsizetype length;
        measurer.addChar(text, i, &length);
        i += length;
    }
}

class YandexRules : public RuleSet
{
public:
    int weight(AdField field, QChar unit, char32_t, FieldMeasure &m) const override
    {
        if (field == AdField::URL || !isNarrowMark(unit))
            return 1;
        ++m.narrowMarks;
        // Title 2 leaves its narrow marks out as the text does.
        const bool free = field == AdField::Text || m.index > 0;
        if (free && m.narrowFree < freeNarrowMarks) {
            ++m.narrowFree;
            return 0;
        }
        return 1;
    }

    const AssetFormat &format() const override
    {
        // Title 1 and an optional title 2 of 30, shown after it; one text.
        static const AssetFormat titles{
            1, 2, 1, 1, 2, 1, 0, 0, 30, QStringLiteral(" — "), QStringLiteral(" "), true};
        return titles;
    }

    // Title 2 repeating title 1 wastes the room, but Yandex takes it.
    void checkWhole(const AdFields &ad,
                    const AdMeasure &measured,
                    bool errorsOnly,
                    Findings &out) const override
    {
        RuleSet::checkWhole(ad, measured, errorsOnly, out);
        if (!errorsOnly)
            repeatedAssets(ad, measured, Severity::Warning, out);
    }

    void measure(AdField field, QStringView text, Measurer &measurer) const override
    {
        if (field != AdField::URL) {
            measureTemplates(text, measurer);
            return;
        }
        const QString link = yandexLink(text);
        FieldMeasure &m = measurer.measure();
        m.linkDropped = int(text.size() - link.size());
        measureTemplates(link, measurer);
        // A link that only lost its # signs has not been changed by Yandex.
        if (m.linkDropped == 0 && link != text)
            m.linkDropped = 1;
    }

    void explain(AdField field, const FieldMeasure &m, QStringList &lines) const override
    {
        if (m.linkDropped > 0)
            lines << QCoreApplication::translate("MainWindow",
                                                 "Counted as the display link will show it: %1")
                         .arg(m.shown);
        if (field == AdField::Title && m.index == 0 && m.narrowMarks > 0)
            lines << QCoreApplication::translate(
                         "MainWindow",
                         "Yandex's API counts %1, leaving out narrow punctuation marks")
                         .arg(m.count - m.narrowMarks);
    }

    Findings check(AdField field,
                   const QString &text,
                   const FieldMeasure &m,
                   bool errorsOnly,
                   const UserWords *allowed) const override
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
};
} // namespace

const RuleSet &yandexRules()
{
    return theRuleSet<YandexRules>();
}
