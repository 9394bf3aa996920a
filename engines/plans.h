// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The engine dialog's plans that need no widget: which files a removal renumbers, and which
// engine a move swaps places with.

struct EnginePosition
{
    QString name;
    int position;
};

// The engines to rewrite when the one in `removedRow` of `rows` goes: each later row moves up
// one place. Empty for the last row or a row outside the list.
QList<EnginePosition> renumberingAfterRemoval(const QStringList &rows, int removedRow);

// The row that the engine in `row` changes places with when it moves `step` rows (-1 up,
// +1 down) among `count` rows; -1 at either end or when `row` is outside the list.
int neighbourRow(int row, int count, int step);
