// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/rules.h"
#include "engines/catalogue.h"

#include <QList>
#include <QString>
#include <QStringList>

class UserWords;

struct FitSummary
{
    int fitting = 0; // engines with no field over its limit and no error
    int engines = 0; // readable engines
};

// For how many engines of the catalogue `ad` fits: every title, text and the URL within the
// engine's limit of each, and no error, as checkAd judges; an unreadable engine has no verdict
// and is not counted. Each rule set in use measures and checks the ad once, whatever the number of
// engines. The capitals checks allow the words of `allowed`.
FitSummary summariseFit(const QList<CatalogueEntry> &engines,
                        const AdFields &ad,
                        const UserWords *allowed = nullptr);

// "Fits 2 of 3 engines", translated.
QString fitSummaryText(const FitSummary &summary);

// Every reason for an ad's verdict, translated, each naming its title, text or other field:
// the counts over their limits ("Title 7 over its limit (32 of 30)"), then the errors, then the
// warnings; empty when it fits.
QStringList verdictReasons(const AdCheck &check);

// The first of verdictReasons, or empty.
QString verdictReason(const AdCheck &check);

// One line per engine of the catalogue with its verdict, translated, each reason of an engine
// that does not simply fit on an indented line below it; checked with `spelling` when given
// (see checkAd).
QString engineVerdictsText(const QList<CatalogueEntry> &catalogue,
                           const AdFields &ad,
                           const Spelling *spelling = nullptr);
