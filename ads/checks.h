// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/rules.h"

#include <QList>
#include <QString>

class UserWords;

// The editorial problems `rules` find in `ad`, field by field in the order title, text, URL,
// with translated messages. Plain rules find none. The capitals checks allow the words of
// `allowed` (the user's dictionary), when given.
QList<Finding> checkAdText(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);

// checkAdText for an ad already measured: `measured` is measureAd(rules, ad).
QList<Finding> checkAdText(Rules rules,
                           const AdFields &ad,
                           const AdMeasure &measured,
                           const UserWords *allowed = nullptr);

// Whether `rules` find an error (not a mere warning) in `ad`, measured as `measured`; cheaper
// than checkAdText.
bool hasEditorialError(Rules rules,
                       const AdFields &ad,
                       const AdMeasure &measured,
                       const UserWords *allowed = nullptr);

// hasEditorialError for an ad not measured yet.
bool hasEditorialError(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);
