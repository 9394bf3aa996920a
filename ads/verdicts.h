// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/rules.h"
#include "engines/catalogue.h"

#include <QList>
#include <QString>

class UserWords;

struct FitSummary
{
    int fitting = 0; // engines with no field over its limit and no error
    int engines = 0; // readable engines
};

// For how many engines of the catalogue `ad` fits; an unreadable engine has no verdict and is
// not counted. Each rule set in use measures and checks the ad once, whatever the number of
// engines. The capitals checks allow the words of `allowed`.
FitSummary summariseFit(const QList<CatalogueEntry> &engines,
                        const AdFields &ad,
                        const UserWords *allowed = nullptr);

// "Fits 2 of 3 engines", translated.
QString fitSummaryText(const FitSummary &summary);

// Why an ad gets its verdict, translated: the first field over its limit, else the first
// error, else the first warning; empty when it fits.
QString verdictReason(const AdCheck &check);

// One line per engine of the catalogue with its verdict and the reason, translated; checked
// with `spelling` when given (see checkAd).
QString engineVerdictsText(const QList<CatalogueEntry> &catalogue,
                           const AdFields &ad,
                           const Spelling *spelling = nullptr);
