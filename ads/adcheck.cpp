// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/adcheck.h"

#include "ads/checks.h"
#include "ads/rules.h"
#include "ads/spelling.h"

#include <QCoreApplication>

QString fieldName(AdField field, FieldNaming naming)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("MainWindow", "Title"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Text"),
                                        QT_TRANSLATE_NOOP("MainWindow", "URL"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Final URL"),
                                        QT_TRANSLATE_NOOP("MainWindow", "Ad")};
    const char *name = names[int(field)];
    return naming == FieldNaming::Translated ? QCoreApplication::translate("MainWindow", name)
                                             : QString::fromLatin1(name);
}

QString fieldName(AdField field, int index, FieldNaming naming)
{
    if (index == 0 || (field != AdField::Title && field != AdField::Text))
        return fieldName(field, naming);
    if (naming == FieldNaming::Untranslated)
        return QStringLiteral("%1 %2").arg(fieldName(field, naming)).arg(index + 1);
    return field == AdField::Title
               ? QCoreApplication::translate("MainWindow", "Title %1").arg(index + 1)
               : QCoreApplication::translate("MainWindow", "Text %1").arg(index + 1);
}

const FieldCount &AdCheck::count(AdField field, int index) const
{
    static const FieldCount none;
    return assetAt(field, index, title, moreTitles, text, moreTexts, url, none);
}

int assetLimit(const EngineProfile &engine, Rules rules, AdField field, int index)
{
    switch (field) {
    case AdField::Title: {
        const int own = index > 0 ? assetFormat(rules).moreTitlesLimit : 0;
        return own > 0 ? own : engine.limitTitle;
    }
    case AdField::Text:
        return engine.limitText;
    case AdField::URL:
        return engine.limitURL;
    default:
        return 0;
    }
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
    const auto count = [&](AdField field, int index) {
        const FieldMeasure &m = measured.at(field, index);
        FieldCount counted{m.count, assetLimit(engine, rules, field, index), {}};
        if (counted.count > counted.limit)
            counted.explanation = explanationOf(rules, field, m);
        return counted;
    };
    AdCheck check;
    check.title = count(AdField::Title, 0);
    check.text = count(AdField::Text, 0);
    check.url = count(AdField::URL, 0);
    bool over = check.title.count > check.title.limit || check.text.count > check.text.limit
                || check.url.count > check.url.limit;
    for (int i = 1; i < measured.assets(AdField::Title); ++i) {
        check.moreTitles.append(count(AdField::Title, i));
        over = over || check.moreTitles.last().count > check.moreTitles.last().limit;
    }
    for (int i = 1; i < measured.assets(AdField::Text); ++i) {
        check.moreTexts.append(count(AdField::Text, i));
        over = over || check.moreTexts.last().count > check.moreTexts.last().limit;
    }
    check.problems = checkAdText(rules, ad, measured, spelling ? &spelling->userWords() : nullptr);
    if (spelling && spelling->isOn()) {
        check.problems.append(spelling->problems(rules, ad, typing));
        sortFindings(check.problems);
    }

    bool error = false;
    for (const Finding &problem : std::as_const(check.problems))
        error = error || problem.severity == Severity::Error;
    if (over || error)
        check.verdict = Verdict::DoesNotFit;
    else
        check.verdict = check.problems.isEmpty() ? Verdict::Fits : Verdict::Warnings;
    return check;
}
