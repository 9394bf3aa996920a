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
QList<AdProblem> checkAdText(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);

// Whether `rules` find an error (not a mere warning) in `ad`; cheaper than checkAdText.
bool hasEditorialError(Rules rules, const AdFields &ad, const UserWords *allowed = nullptr);

// The problems as rich text for the main form, one line each naming its field, errors in red
// and warnings in orange; empty when there is none.
QString problemsText(const QList<AdProblem> &problems);
