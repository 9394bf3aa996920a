// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules.h"

#include <QList>

// One way the engine may show an ad: the titles and texts it puts in its shown positions, in
// position order, by their index in the ad (from 0 for title 1). A position nothing can fill
// is left out, so the lists may be shorter than the positions.
struct Combination
{
    QList<int> titles;
    QList<int> texts;

    friend bool operator==(const Combination &, const Combination &) = default;
};

// How many combinations `format`'s engine can make of `ad`: every ordered choice of its typed
// titles (and texts) for its shown positions, a pinned one only in its position. An engine
// without pins shows its assets in their order: one combination. Assets past the engine's
// maximum are never shown; an ad with nothing typed shows title 1 and text 1. At least 1.
qint64 combinationCount(const AdFields &ad, const AssetFormat &format);

// Combination `n` (from 0) of combinationCount's, worked out alone without listing the others;
// combination 0 shows the unpinned assets in their order. `n` out of range gives combination 0.
Combination combinationAt(const AdFields &ad, const AssetFormat &format, qint64 n);
