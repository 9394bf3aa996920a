// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"

// Changes to the order and number of an ad's titles or texts, as the asset editor makes them.
// An asset's pin goes with it. Other fields and out-of-range indexes are left alone.

// Moves title or text `from` to `to` (both from 0), the ones between shifting by one; moving
// title 2 to 0 makes it title 1 and title 1 title 2.
void moveAsset(AdFields &ad, AdField field, int from, int to);

// Removes title or text `index`; later ones move up. Removing title 1 or text 1 when it is the
// only one empties it instead.
void removeAsset(AdFields &ad, AdField field, int index);

// The ad without empty, unpinned titles and texts at the end of the lists and without pins of 0
// at the end of the pin lists: the form of an ad that an editor with blank rows left holds.
AdFields withoutTrailingBlanks(AdFields ad);
