// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The steps of the engine dialog's workflows that need no widget.

// Whether `name` may name an engine file on every system the profiles travel to: acceptable
// to isAcceptableEngineName and free of : * ? " < > | as well.
bool isPortableEngineName(const QString &name);

// An engine's values apart from its name and position.
struct EngineValues
{
    QString symbol;
    int limitTitle = 0;
    int limitText = 0;
    int limitURL = 0;
    int textLineBreak = 0;
    QString templateText;
};

// The values stored in engine `name`'s file; numbers are 0 where missing or not numbers.
EngineValues readEngineValues(const QString &name);

// Writes engine `name` whole with `values` at `position` through writeEngineFile (atomic: on
// failure the old file stays as it was). A negative limit is written as 0. True on success.
bool writeEngineValues(const QString &name, const EngineValues &values, int position);

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
