// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/verdicts.h"

#include "ads/checks.h"
#include "ads/spelling.h"

#include <QCoreApplication>

#include <array>

namespace {
constexpr AdField countedFields[] = {AdField::Title, AdField::Text, AdField::URL};
} // namespace

FitSummary
summariseFit(const QList<CatalogueEntry> &engines, const AdFields &ad, const UserWords *allowed)
{
    // What each rule set makes of the ad, worked out the first time an engine needs it: of each
    // field the count of the first asset and the largest of the later ones, which share a
    // limit (see assetLimit).
    struct Measured
    {
        bool done = false;
        bool error = false;
        std::array<int, std::size(countedFields)> first{};
        std::array<int, std::size(countedFields)> later{}; // -1: no later asset
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
            for (std::size_t f = 0; f < std::size(countedFields); ++f) {
                m.first[f] = measured.at(countedFields[f], 0).count;
                m.later[f] = -1;
                for (int i = 1; i < ad.count(countedFields[f]); ++i)
                    m.later[f] = qMax(m.later[f], measured.at(countedFields[f], i).count);
            }
            m.error = hasEditorialError(rules, ad, measured, allowed);
            m.done = true;
        }
        ++summary.engines;
        bool fits = !m.error;
        for (std::size_t f = 0; f < std::size(countedFields); ++f) {
            fits = fits && m.first[f] <= assetLimit(engine, rules, countedFields[f], 0)
                   && (m.later[f] < 0
                       || m.later[f] <= assetLimit(engine, rules, countedFields[f], 1));
        }
        if (fits)
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

QStringList verdictReasons(const AdCheck &check)
{
    QStringList reasons;
    for (const AdField field : countedFields) {
        for (int i = 0; i < check.assets(field); ++i) {
            const FieldCount &c = check.count(field, i);
            if (c.count > c.limit)
                reasons.append(
                    QCoreApplication::translate("MainWindow", "%1 over its limit (%2 of %3)")
                        .arg(fieldName(field, i))
                        .arg(c.count)
                        .arg(c.limit));
        }
    }
    for (const Severity severity : {Severity::Error, Severity::Warning}) {
        for (const Finding &p : check.problems) {
            if (p.severity == severity)
                reasons.append(QCoreApplication::translate("MainWindow", "%1: %2")
                                   .arg(fieldName(p.field, p.index), p.message));
        }
    }
    return reasons;
}

QString verdictReason(const AdCheck &check)
{
    return verdictReasons(check).value(0);
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
        if (check.verdict == Verdict::Fits) {
            lines.append(
                QCoreApplication::translate("MainWindow", "%1: fits").arg(entry.profile.name));
            continue;
        }
        // The engine's line, then every reason on a line of its own below it.
        const QStringList reasons = verdictReasons(check);
        lines.append((check.verdict == Verdict::Warnings
                          ? QCoreApplication::translate("MainWindow", "%1: fits, with warnings:")
                          : QCoreApplication::translate("MainWindow", "%1: does not fit:"))
                         .arg(entry.profile.name));
        for (const QString &reason : reasons)
            lines.append(QStringLiteral("    ") + reason);
    }
    return lines.join(u'\n');
}
