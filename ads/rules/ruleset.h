// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One engine's rules behind one interface: how they count, show and check each field of an ad.
// Each rule set is a file of its own beside this one, named in ads/rules/list.h.

#include "ads/adcheck.h"
#include "ads/rules.h"

#include <QList>
#include <QStringList>
#include <QStringView>

class UserWords;

namespace rulekit {
class Measurer;

// The findings of one field; checkAdText fills in their field.
using Findings = QList<Finding>;
} // namespace rulekit

class RuleSet
{
public:
    virtual ~RuleSet() = default;

    // What the code point `c`, starting with `unit`, adds to the count of `field`; what went
    // into the count is noted in `m` (double-width characters, narrow marks).
    virtual int weight(AdField field, QChar unit, char32_t c, FieldMeasure &m) const = 0;

    // Counts and shows `text` in `field` through `measurer`, which has room for as many units
    // as `text` holds.
    virtual void measure(AdField field, QStringView text, rulekit::Measurer &measurer) const = 0;

    // Appends the lines of a count's explanation that only these rules give.
    virtual void explain(AdField field, const FieldMeasure &m, QStringList &lines) const;

    // The findings in `text`, a non-empty `field` measured as `m`; with `errorsOnly`, the
    // checks that can only warn may be left out.
    virtual rulekit::Findings check(AdField field,
                                    const QString &text,
                                    const FieldMeasure &m,
                                    bool errorsOnly,
                                    const UserWords *allowed) const;

    // How many titles and texts an ad takes and how they are shown; one of each by default.
    virtual const AssetFormat &format() const;

    // The findings about the ad as a whole, after those of its fields: its titles and texts
    // against format() (counts, an empty first one, pins, the same one twice where the engine
    // shows combinations) and a missing final URL, each naming its field and index. With
    // `errorsOnly`, warnings may be left out. `ad` has something typed.
    virtual void checkWhole(const AdFields &ad,
                            const AdMeasure &measured,
                            bool errorsOnly,
                            rulekit::Findings &out) const;
};

// The one instance of a rule set's class, for its file's <identifier>Rules().
template<typename Set>
const RuleSet &theRuleSet()
{
    static const Set set;
    return set;
}

// The rule set of `rules`.
const RuleSet &ruleSet(Rules rules);
