// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"

#include <QList>
#include <QString>

// The ad sheet: the ads the user keeps, in order. It lives in one copy deck file in the
// user's data folder, written whole after every change.
using Sheet = QList<AdFields>;

// "<AppDataLocation>/sheet.csv"; empty when the system names no data folder.
QString sheetFilePath();

// The sheet as found at start.
struct SheetLoad
{
    Sheet ads;            // every ad that could be read
    QString problem;      // translated; empty when the whole file was read
    QString keptAs;       // where an unreadable file was moved; empty when not moved
    bool writable = true; // false when an unreadable file could not be moved aside
};

// Reads the sheet at `path`. A missing file is an empty sheet. A file that cannot be read
// whole (unopenable, no header, or a row that does not read) is never overwritten: its good
// rows are loaded and it is renamed aside, to "sheet.unreadable-<date>-<time>.csv" beside
// it; when even that fails, `writable` is false and the sheet must not be saved.
SheetLoad loadSheet(const QString &path);

// Writes `ads` to `path` atomically (see writeCopyDeck): the old file stays whole when any
// step fails. Creates the folder when missing. True on success; false for an empty path.
bool saveSheet(const QString &path, const Sheet &ads);
