// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/adcheck.h"

#include "ads/checks.h"
#include "ads/rules.h"
#include "ads/spelling.h"

#include <QCoreApplication>

#include <algorithm>

QString fieldName(AdField field, FieldNaming naming)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("MainWindow", "Title"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Text"),
                                        QT_TRANSLATE_NOOP("MainWindow", "URL")};
    const char *name = names[int(field)];
    return naming == FieldNaming::Translated ? QCoreApplication::translate("MainWindow", name)
                                             : QString::fromLatin1(name);
}

AdCheck checkAd(const EngineProfile &engine,
                const AdFields &ad,
                const Spelling *spelling,
                const WordInProgress *typing)
{
    const Rules rules = rulesNamed(engine.rules);
    const AdMeasure measured = measureAd(rules, ad);
    // Only a field over its limit is explained: the explanation is translated text, and a
    // sheet or a copy deck asks for many fields that fit.
    const auto count = [&](AdField field, int limit) {
        FieldCount counted{measured[field].count, limit, {}};
        if (counted.count > limit)
            counted.explanation = explanationOf(rules, field, measured[field]);
        return counted;
    };
    AdCheck check;
    check.title = count(AdField::Title, engine.limitTitle);
    check.text = count(AdField::Text, engine.limitText);
    check.url = count(AdField::URL, engine.limitURL);
    check.problems = checkAdText(rules, ad, measured, spelling ? &spelling->userWords() : nullptr);
    if (spelling && spelling->isOn()) {
        check.problems.append(spelling->problems(rules, ad, typing));
        std::stable_sort(check.problems.begin(),
                         check.problems.end(),
                         [](const Finding &a, const Finding &b) { return a.field < b.field; });
    }

    const bool over = check.title.count > check.title.limit || check.text.count > check.text.limit
                      || check.url.count > check.url.limit;
    bool error = false;
    for (const Finding &problem : std::as_const(check.problems))
        error = error || problem.severity == Severity::Error;
    if (over || error)
        check.verdict = Verdict::DoesNotFit;
    else
        check.verdict = check.problems.isEmpty() ? Verdict::Fits : Verdict::Warnings;
    return check;
}
