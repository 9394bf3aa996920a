// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/enginefile.h"

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

// Whether the editors hold changes that would be lost: `shown` (the profile the editors show)
// differs from `loaded`, in any of its fields (every editor counts, whatever EngineProfile
// holds). For a new engine (`isNew`) only the name, symbol and template count, since its
// limits merely carry over from the engine shown before.
bool hasUnsavedChanges(const EngineProfile &loaded, const EngineProfile &shown, bool isNew);

// An engine that a workflow left as it was, and why.
struct EngineLeftAlone
{
    QString name;
    QString reason;
};

// The reason why `file` must not be rewritten: it exists but cannot be read, so rewriting it
// would write blank values over what the user wrote. Empty when it may be rewritten.
QString unreadableReason(const EngineFile &file);

// Rewrites each engine of `plan` at its new position with the values of its own file. A file
// that cannot be read stays byte for byte, and so does one whose write fails; both are
// reported, and the others are rewritten all the same. A missing file is not made anew.
QList<EngineLeftAlone> applyRenumbering(const QList<EnginePosition> &plan,
                                        const FileWriter &write = writeFileAtomically);

// The message naming each engine left alone and why; empty when there is none.
QString leftAloneText(const QList<EngineLeftAlone> &engines);

// The message for a move of `moved` refused because it would rewrite the files of `engines`.
QString moveRefusedText(const QString &moved, const QList<EngineLeftAlone> &engines);
