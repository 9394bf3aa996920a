// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"

#include <QList>
#include <QString>

// The counter label of the title and URL fields: "<length> of <limit> chars", the length in
// the counter's colour (see counterColour).
QString counterMessage(int length, int limit);

// The counter label of the text field, with the line-break hint under it.
QString textCounterMessage(int length, int limit, const QString &hint);

// The findings as rich text for the main form, one line each naming its field, errors in red
// and warnings in orange; empty when there is none.
QString problemsText(const QList<Finding> &problems);
