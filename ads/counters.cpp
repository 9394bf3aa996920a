// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/counters.h"

#include <QCoreApplication>

CounterColour counterColour(int length, int limit)
{
    if (length < limit)
        return CounterColour::Green;
    return length == limit ? CounterColour::Orange : CounterColour::Red;
}

QString lineBreakHint(int length, int width)
{
    // The preview breaks nothing for widths of 5 or less; the hint must not promise a break.
    if (width <= 5)
        return QCoreApplication::translate("MainWindow", "(Newline disabled)");
    const int remaining = width * (length / width + 1) - length;
    // The number goes in by replacement, never through printf: a translation is data.
    return QCoreApplication::translate("MainWindow", "(Newline after: %i chars)")
        .replace(QLatin1String("%i"), QString::number(remaining));
}
