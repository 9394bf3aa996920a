// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/adcheck.h"

#include "ads/checks.h"
#include "ads/rules.h"

AdCheck checkAd(const EngineValues &engine, const AdFields &ad)
{
    const Rules rules = rulesNamed(engine.rules);
    const auto count = [&](AdField field, int limit) {
        const FieldMeasure m = measureField(rules, field, ad[field]);
        return FieldCount{m.count, limit, m.explanation};
    };
    AdCheck check;
    check.title = count(AdField::Title, engine.limitTitle);
    check.text = count(AdField::Text, engine.limitText);
    check.url = count(AdField::URL, engine.limitURL);
    check.problems = checkAdText(rules, ad);

    const bool over = check.title.count > check.title.limit || check.text.count > check.text.limit
                      || check.url.count > check.url.limit;
    bool error = false;
    for (const AdProblem &problem : std::as_const(check.problems))
        error = error || problem.severity == Severity::Error;
    if (over || error)
        check.verdict = Verdict::DoesNotFit;
    else
        check.verdict = check.problems.isEmpty() ? Verdict::Fits : Verdict::Warnings;
    return check;
}
