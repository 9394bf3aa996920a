// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Baidu: double-width characters count two; "{text}" is dynamic text shown as the text inside.
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

using namespace rulekit;

namespace {
class BaiduRules : public RuleSet
{
public:
    int weight(AdField, QChar, char32_t c, FieldMeasure &m) const override
    {
        return doubledWeight(c, false, m);
    }

    void measure(AdField, QStringView text, Measurer &measurer) const override
    {
        for (qsizetype i = 0; i < text.size();) {
            if (text[i] == u'{') {
                const qsizetype close = closingBrace(text, i);
                if (close > i) {
                    const QStringView shown = text.mid(i + 1, close - i - 1);
                    measurer.addPiece(shown, measurer.weigh(shown));
                    measurer.measure().codes.append({text.mid(i, close - i + 1).toString()});
                    ++measurer.measure().dynamicCodes;
                    i = close + 1;
                    continue;
                }
                measurer.measure().unclosedBrace = true;
            }
            qsizetype length;
            measurer.addChar(text, i, &length);
            i += length;
        }
    }
};
} // namespace

const RuleSet &baiduRules()
{
    return theRuleSet<BaiduRules>();
}
