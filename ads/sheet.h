// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "engines/filewriter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The ad sheet: the ads the user keeps, in order. It lives in one copy deck file in the
// user's data folder, shared by every window: each window saves its changes, not its copy.
using Sheet = QList<AdFields>;

// One row of the sheet: the ad and an identity that stays with it across saves, reloads and
// windows. The file keeps it in a last column, "ID", that imports and older versions ignore.
struct SheetRow
{
    QString id;
    AdFields ad;

    friend bool operator==(const SheetRow &, const SheetRow &) = default;
};
using SheetRows = QList<SheetRow>;

// A new identity, unique among every window's rows.
QString newSheetRowId();

// The ads of `rows`, in order.
Sheet sheetAds(const SheetRows &rows);

// "<AppDataLocation>/sheet.csv"; empty when the system names no data folder.
QString sheetFilePath();

// The sheet as found at start.
struct SheetLoad
{
    SheetRows rows;       // every ad that could be read
    Sheet ads;            // the same ads
    QString problem;      // translated; empty when the whole file was read
    QString keptAs;       // where an unreadable file was moved; empty when not moved
    bool writable = true; // false when an unreadable file could not be moved aside
};

// Reads the sheet at `path`. A missing file is an empty sheet. A file that cannot be read
// whole (unopenable, no header, or a row that does not read) is never overwritten: its good
// rows are loaded and it is renamed aside, to "sheet.unreadable-<date>-<time>.csv" beside
// it; when even that fails, `writable` is false and the sheet must not be saved. Rows of a
// file without identities (written by older versions) are named by their place in the file,
// so that every window that reads the same file names them alike.
SheetLoad loadSheet(const QString &path);

// Writes `rows` to `path` atomically (see writeCopyDeck), every title, text, pin, final URL
// and other column of each ad with it; the old file stays whole when any step fails. Creates
// the folder when missing. True on success; false for an empty path.
bool saveSheet(const QString &path,
               const SheetRows &rows,
               const FileWriter &write = writeFileAtomically);

// Whether `a` and `b` are the same ad once in the sheet file, which does not tell apart titles
// and texts left empty at the end, pins of 0 at the end, and other columns without a cell.
bool sameSheetAd(const AdFields &a, const AdFields &b);

// One change a window made to its sheet, by row identity, with what the window knew of the
// row: changes are applied to the file as another window may have left it.
struct SheetChange
{
    enum Kind { Add, Remove, Edit, Move };
    Kind kind = Add;
    QString id;                // Add, Remove, Edit: the row
    AdFields before;           // Remove, Edit: the row as this window had it
    AdFields after;            // Add, Edit: the row as it is to be
    QString afterId;           // Add, Remove, Edit: the row before it in this window (empty: first)
    QStringList order;         // Move: this window's rows in their new order
    QStringList previousOrder; // Move: the same rows in the order before
    bool atEnd = false;        // Add: last in the file, after rows other windows added

    friend bool operator==(const SheetChange &, const SheetChange &) = default;
};
using SheetChanges = QList<SheetChange>;

// The changes that take `changes` back: each undone, in the same order, so that rows put back
// follow the rows put back before them.
SheetChanges invertSheetChanges(const SheetChanges &changes);

// What merging found besides the rows.
struct SheetMerge
{
    SheetRows rows;
    int editedTwice = 0; // rows changed here and elsewhere: the other version kept as a new row
    int keptEdited = 0;  // rows removed here that were changed elsewhere: kept
    int restored = 0;    // rows changed here that were removed elsewhere: back

    bool hadConflicts() const { return editedTwice + keptEdited + restored > 0; }
};

// Applies `changes` to `rows` (the file as it is now), never losing an ad:
// - an added row goes after its predecessor, or at the end when that is gone or it is to be
//   last;
// - a removed row goes only when it is still as this window had it;
// - an edited row is replaced where it stands; when it was changed elsewhere too, this
//   (later) version takes its place and the other follows it as a new row; when it was
//   removed elsewhere, it comes back;
// - a move puts the rows this window knows in its order, in the places they hold; rows only
//   the file knows stay where they are.
SheetMerge applySheetChanges(SheetRows rows, const SheetChanges &changes);

// What saving changes found.
struct SheetSave
{
    bool locked = false; // the lock was had
    bool saved = false;  // the merged sheet is on disk
    SheetLoad read;      // the file as found under the lock (rows before the changes)
    SheetMerge merge;    // the sheet as it is now: the file with the changes applied
};

// How long a lock may be held before another window takes it: a save holds it for the time
// of one read and one write.
constexpr int sheetStaleLockMs = 5000;

// Applies `changes` to the sheet file at `path` as it is on disk, under a lock file beside it
// ("<path>.lock"), and writes the result with `write` (see saveSheet). A lock whose holder is gone
// is taken at once; a lock file older than `staleLockMs` that no live process holds is taken as
// stale. Waits for the lock no longer than the stale time and a second. Nothing is written without
// the lock; an unreadable file is moved aside as loadSheet does, never overwritten.
SheetSave saveSheetChanges(const QString &path,
                           const SheetChanges &changes,
                           int staleLockMs = sheetStaleLockMs,
                           const FileWriter &write = writeFileAtomically);
