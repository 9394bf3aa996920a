// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/plans.h"

QList<EnginePosition> renumberingAfterRemoval(const QStringList &rows, int removedRow)
{
    QList<EnginePosition> plan;
    if (removedRow < 0)
        return plan;
    for (int row = removedRow + 1; row < rows.size(); ++row)
        plan.append({rows.at(row), row - 1});
    return plan;
}

int neighbourRow(int row, int count, int step)
{
    if (row < 0 || row >= count)
        return -1;
    const int neighbour = row + step;
    return neighbour >= 0 && neighbour < count ? neighbour : -1;
}
