// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/rules.h"

#include <QList>
#include <QString>

class UserWords;

// The editorial problems `rules` find in `ad`, with translated messages, sorted by field and
// index (see sortFindings): those of each title, text and the URL, then those of the ad as a
// whole (its titles and texts against the engine's format, a missing final URL). An ad with
// nothing typed has none; plain rules find none. The capitals checks allow the words of
// `allowed` (the user's dictionary), when given.
QList<Finding> checkAdText(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);

// checkAdText for an ad already measured: `measured` is measureAd(rules, ad).
QList<Finding> checkAdText(Rules rules,
                           const AdFields &ad,
                           const AdMeasure &measured,
                           const UserWords *allowed = nullptr);

// Whether `rules` find an error (not a mere warning) in `ad`, measured as `measured`, in any
// of its fields or its assets as a whole; cheaper than checkAdText.
bool hasEditorialError(Rules rules,
                       const AdFields &ad,
                       const AdMeasure &measured,
                       const UserWords *allowed = nullptr);

// hasEditorialError for an ad not measured yet.
bool hasEditorialError(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);

// Sorts findings by field (title, text, URL, final URL, the ad) and then by title or text,
// keeping the order of those about the same one.
void sortFindings(QList<Finding> &findings);
