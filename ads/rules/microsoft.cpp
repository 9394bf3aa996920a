// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Microsoft Advertising: double-width characters and emoji count two; dynamic text counts as
// its default; the display URL counts its paths only, a space in them shown as "_".
#include "ads/rules/checkkit.h"
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace rulekit;

namespace {
class MicrosoftRules : public RuleSet
{
public:
    int weight(AdField, QChar, char32_t c, FieldMeasure &m) const override
    {
        return doubledWeight(c, true, m);
    }

    void measure(AdField field, QStringView text, Measurer &measurer) const override
    {
        if (field == AdField::URL)
            measurer.measureDisplayURL(text, u"_");
        else
            measurer.measureDynamicField(text);
    }

    void explain(AdField field, const FieldMeasure &m, QStringList &lines) const override
    {
        explainDomain(field, m, lines);
        if (field == AdField::URL && m.shown.contains(u'_'))
            lines << QCoreApplication::translate("MainWindow",
                                                 "Spaces in a path are shown as \"_\"");
    }

    const AssetFormat &format() const override { return responsiveSearchAd(); }

    Findings check(AdField field,
                   const QString &text,
                   const FieldMeasure &m,
                   bool,
                   const UserWords *allowed) const override
    {
        Findings out;
        if (field == AdField::URL) {
            displayPaths(*this, m, out);
            FieldMeasure scratch;
            const int whole = Measurer(*this, AdField::Title, scratch).weigh(m.shown);
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
        for (qsizetype open = shown.indexOf(u'<'); open >= 0;
             open = shown.indexOf(u'<', open + 1)) {
            qsizetype close = open + 1;
            while (close < shown.size() && shown[close] != u'<' && shown[close] != u'>')
                ++close;
            if (close < shown.size() && shown[close] == u'>') {
                add(out, Kind::Markup, Severity::Error, shown.mid(open, close - open + 1));
                break;
            }
        }
        // As typed, not as shown.
        const auto letterOrNumber = [](QChar c) { return charClass(c.unicode()) & LetterOrNumber; };
        if (!text.isEmpty() && std::none_of(text.cbegin(), text.cend(), letterOrNumber))
            add(out, Kind::NoLetterOrDigit, Severity::Error);
        dynamicText(m, out);
        return out;
    }
};
} // namespace

const RuleSet &microsoftRules()
{
    return theRuleSet<MicrosoftRules>();
}
