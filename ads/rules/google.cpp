// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Google Ads: double-width characters count two; dynamic text counts as its default; the
// display URL counts its paths only.
#include "ads/rules/checkkit.h"
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace rulekit;

namespace {
class GoogleRules : public RuleSet
{
public:
    int weight(AdField, QChar, char32_t c, FieldMeasure &m) const override
    {
        return doubledWeight(c, false, m);
    }

    void measure(AdField field, QStringView text, Measurer &measurer) const override
    {
        if (field == AdField::URL)
            measurer.measureDisplayURL(text);
        else
            measurer.measureDynamicField(text);
    }

    void explain(AdField field, const FieldMeasure &m, QStringList &lines) const override
    {
        explainDomain(field, m, lines);
    }

    Findings check(AdField field,
                   const QString &,
                   const FieldMeasure &m,
                   bool errorsOnly,
                   const UserWords *allowed) const override
    {
        Findings out;
        if (field == AdField::URL) {
            displayPaths(*this, m, out);
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

    const AssetFormat &format() const override { return responsiveSearchAd(); }

    // An older rule: more than one "!" in title 1 and text 1 as shown.
    void checkWhole(const AdFields &ad,
                    const AdMeasure &measured,
                    bool errorsOnly,
                    Findings &out) const override
    {
        RuleSet::checkWhole(ad, measured, errorsOnly, out);
        if (errorsOnly)
            return;
        const qsizetype title = measured.title.shown.count(u'!');
        const qsizetype text = measured.text.shown.count(u'!');
        if (title + text > 1)
            out.append({text > 0 ? AdField::Text : AdField::Title,
                        Severity::Warning,
                        message(Kind::ManyExclamations)});
    }
};
} // namespace

const RuleSet &googleRules()
{
    return theRuleSet<GoogleRules>();
}
