// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Plain rules: every UTF-16 code unit counts one, and the field is shown as typed.
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

using namespace rulekit;

namespace {
class PlainRules : public RuleSet
{
public:
    int weight(AdField, QChar, char32_t c, FieldMeasure &) const override
    {
        return c > 0xFFFF ? 2 : 1;
    }

    void measure(AdField, QStringView text, Measurer &measurer) const override
    {
        measurer.addTyped(text);
    }

    // Plain rules know no format to hold an ad to.
    void checkWhole(const AdFields &, const AdMeasure &, bool, Findings &) const override {}
};
} // namespace

const RuleSet &plainRules()
{
    return theRuleSet<PlainRules>();
}
