// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/rules.h"

#include "ads/rules/list.h"
#include "ads/rules/measurer.h"
#include "ads/rules/ruleset.h"

#include <QCoreApplication>

#include <array>

using namespace Qt::StringLiterals;
using namespace rulekit;

#define VELLUMO_DECLARE_RULES(name, identifier) const RuleSet &identifier##Rules();
VELLUMO_RULE_SETS(VELLUMO_DECLARE_RULES)
#undef VELLUMO_DECLARE_RULES

namespace {
#define VELLUMO_IDENTIFIER(name, identifier) QStringLiteral(#identifier),
const QString identifiers[] = {VELLUMO_RULE_SETS(VELLUMO_IDENTIFIER)};
#undef VELLUMO_IDENTIFIER

QString explain(Rules rules, AdField field, const FieldMeasure &m)
{
    QStringList lines;
    if (m.narrowFree > 0)
        lines << QCoreApplication::translate("MainWindow", "Punctuation marks not counted: %1")
                     .arg(m.narrowFree);
    if (m.doubleWidth > 0)
        lines << QCoreApplication::translate("MainWindow",
                                             "Double-width characters, counted twice: %1")
                     .arg(m.doubleWidth);
    if (m.dynamicCodes > 0)
        lines << QCoreApplication::translate(
                     "MainWindow", "Dynamic text counted by what it shows, not as typed: %1")
                     .arg(m.dynamicCodes);
    if (m.templateSigns > 0)
        lines << QCoreApplication::translate("MainWindow", "Template # signs not counted: %1")
                     .arg(m.templateSigns);
    ruleSet(rules).explain(field, m, lines);
    return lines.join(u'\n');
}

// With `withPieces` false the pieces are left out.
FieldMeasure
computeMeasure(Rules rules, AdField field, const QString &text, bool withPieces, int index = 0)
{
    FieldMeasure m;
    m.index = index;
    m.plainLength = int(text.size());
    if (withPieces)
        m.pieces.reserve(text.size());
    Measurer measurer(ruleSet(rules), field, m, withPieces ? Record::Pieces : Record::Shown);
    measurer.beginShown(text.size());
    ruleSet(rules).measure(field, text, measurer);
    measurer.endShown();
    return m;
}
} // namespace

void rulekit::explainDomain(AdField field, const FieldMeasure &m, QStringList &lines)
{
    if (field == AdField::URL && m.count != m.plainLength)
        lines << QCoreApplication::translate("MainWindow",
                                             "Not counted: the domain \"%1\" and the slashes")
                     .arg(m.domain);
}

const RuleSet &ruleSet(Rules rules)
{
#define VELLUMO_RULES(name, identifier) &identifier##Rules(),
    static const RuleSet *const all[] = {VELLUMO_RULE_SETS(VELLUMO_RULES)};
#undef VELLUMO_RULES
    return *all[std::size_t(rules)];
}

void RuleSet::explain(AdField, const FieldMeasure &, QStringList &) const {}

Rules rulesNamed(const QString &name)
{
    for (std::size_t i = 1; i < std::size(identifiers); ++i) {
        if (name == identifiers[i])
            return Rules(i);
    }
    return Rules::Plain;
}

QString rulesIdentifier(Rules rules)
{
    return identifiers[std::size_t(rules)];
}

QList<Rules> allRules()
{
    QList<Rules> all;
    for (std::size_t i = 0; i < std::size(identifiers); ++i)
        all.append(Rules(i));
    return all;
}

FieldMeasure measureField(Rules rules, AdField field, const QString &text, int index)
{
    FieldMeasure m = computeMeasure(rules, field, text, false, index);
    m.explanation = explanationOf(rules, field, m);
    return m;
}

QString explanationOf(Rules rules, AdField field, const FieldMeasure &m)
{
    if (m.count != m.plainLength || m.narrowMarks > 0 || m.templateSigns > 0)
        return explain(rules, field, m);
    return QString();
}

AdMeasure measureAd(Rules rules, const AdFields &ad)
{
    AdMeasure measured{computeMeasure(rules, AdField::Title, ad.title, false),
                       computeMeasure(rules, AdField::Text, ad.text, false),
                       computeMeasure(rules, AdField::URL, ad.url, false),
                       {},
                       {}};
    const AssetFormat &format = assetFormat(rules);
    const int titles = qMin(int(ad.moreTitles.size()), format.maxTitles - 1);
    measured.moreTitles.reserve(titles);
    for (int i = 0; i < titles; ++i)
        measured.moreTitles.append(
            computeMeasure(rules, AdField::Title, ad.moreTitles.at(i), false, i + 1));
    const int texts = qMin(int(ad.moreTexts.size()), format.maxTexts - 1);
    measured.moreTexts.reserve(texts);
    for (int i = 0; i < texts; ++i)
        measured.moreTexts.append(
            computeMeasure(rules, AdField::Text, ad.moreTexts.at(i), false, i + 1));
    return measured;
}

const FieldMeasure &AdMeasure::at(AdField field, int index) const
{
    static const FieldMeasure none;
    return assetAt(field, index, title, moreTitles, text, moreTexts, url, none);
}

const AssetFormat &assetFormat(Rules rules)
{
    return ruleSet(rules).format();
}

const AssetFormat &RuleSet::format() const
{
    static const AssetFormat single;
    return single;
}

FieldMeasure measureFieldPieces(Rules rules, AdField field, const QString &text, int index)
{
    return computeMeasure(rules, field, text, true, index);
}

FieldMeasure measureFieldUnexplained(Rules rules, AdField field, const QString &text, int index)
{
    return computeMeasure(rules, field, text, false, index);
}

int countField(Rules rules, AdField field, const QString &text, int index)
{
    return computeMeasure(rules, field, text, false, index).count;
}

int weightOf(Rules rules, const QString &text)
{
    FieldMeasure scratch;
    return Measurer(ruleSet(rules), AdField::Title, scratch).weigh(text);
}
