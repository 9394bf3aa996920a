// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/verdicts.h"

#include "ads/checks.h"
#include "ads/spelling.h"

#include <QCoreApplication>

#include <array>

FitSummary
summariseFit(const QList<CatalogueEntry> &engines, const AdFields &ad, const UserWords *allowed)
{
    // What each rule set makes of the ad, worked out the first time an engine needs it.
    struct Measured
    {
        bool done = false;
        bool error = false;
        int title = 0;
        int text = 0;
        int url = 0;
    };
    std::array<Measured, 5> byRules;
    FitSummary summary;
    for (const CatalogueEntry &entry : engines) {
        if (!entry.isReadable())
            continue;
        const EngineProfile &engine = entry.profile;
        const Rules rules = rulesNamed(engine.rules);
        Measured &m = byRules[std::size_t(rules)];
        if (!m.done) {
            const AdMeasure measured = measureAd(rules, ad);
            m.title = measured.title.count;
            m.text = measured.text.count;
            m.url = measured.url.count;
            m.error = hasEditorialError(rules, ad, measured, allowed);
            m.done = true;
        }
        ++summary.engines;
        if (!m.error && m.title <= engine.limitTitle && m.text <= engine.limitText
            && m.url <= engine.limitURL)
            ++summary.fitting;
    }
    return summary;
}

QString fitSummaryText(const FitSummary &summary)
{
    return QCoreApplication::translate("MainWindow", "Fits %1 of %2 engines")
        .arg(summary.fitting)
        .arg(summary.engines);
}

QString verdictReason(const AdCheck &check)
{
    const AdField fields[] = {AdField::Title, AdField::Text, AdField::URL};
    for (const AdField field : fields) {
        const FieldCount &c = check.count(field);
        if (c.count > c.limit)
            return QCoreApplication::translate("MainWindow", "%1 over its limit (%2 of %3)")
                .arg(fieldName(field))
                .arg(c.count)
                .arg(c.limit);
    }
    for (const Severity severity : {Severity::Error, Severity::Warning}) {
        for (const Finding &p : check.problems) {
            if (p.severity == severity)
                return QCoreApplication::translate("MainWindow", "%1: %2")
                    .arg(fieldName(p.field), p.message);
        }
    }
    return QString();
}

QString engineVerdictsText(const QList<CatalogueEntry> &catalogue,
                           const AdFields &ad,
                           const Spelling *spelling)
{
    QStringList lines;
    for (const CatalogueEntry &entry : catalogue) {
        if (!entry.isReadable()) {
            lines.append(QCoreApplication::translate("MainWindow", "%1: cannot be read")
                             .arg(entry.profile.name));
            continue;
        }
        const AdCheck check = checkAd(entry.profile, ad, spelling);
        switch (check.verdict) {
        case Verdict::Fits:
            lines.append(
                QCoreApplication::translate("MainWindow", "%1: fits").arg(entry.profile.name));
            break;
        case Verdict::Warnings:
            lines.append(QCoreApplication::translate("MainWindow", "%1: fits, with warnings: %2")
                             .arg(entry.profile.name, verdictReason(check)));
            break;
        case Verdict::DoesNotFit:
            lines.append(QCoreApplication::translate("MainWindow", "%1: does not fit: %2")
                             .arg(entry.profile.name, verdictReason(check)));
            break;
        }
    }
    return lines.join(u'\n');
}
