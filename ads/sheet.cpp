// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/sheet.h"

#include "ads/copydeck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSet>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>

namespace {
const QString idColumn = QStringLiteral("ID");
const QString renamedSuffix = QStringLiteral(" (imported)");

// Whether `header`, less any number of renamedSuffix, names the ID column.
bool namesIdColumn(QString header)
{
    while (header.endsWith(renamedSuffix))
        header.chop(renamedSuffix.size());
    return sameHeader(header, idColumn);
}

// An imported column named like the sheet's own ID (a Microsoft "Id") is kept in the file under
// its name with one more renamedSuffix, which reading takes off again.
AdFields withIdColumnsRenamed(AdFields ad, bool forFile)
{
    for (auto &[header, cell] : ad.otherColumns) {
        if (!namesIdColumn(header))
            continue;
        if (forFile)
            header += renamedSuffix;
        else if (header.endsWith(renamedSuffix))
            header.chop(renamedSuffix.size());
    }
    return ad;
}

// The place of row `id`, looked for first at `hint` (where the caller's last step was).
qsizetype rowOf(const SheetRows &rows, const QString &id, qsizetype hint = -1)
{
    if (hint >= 0 && hint < rows.size() && rows.at(hint).id == id)
        return hint;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).id == id)
            return i;
    }
    return -1;
}

// Puts `row` after row `afterId` (first when empty, last when gone); returns its place.
qsizetype insertAfter(SheetRows &rows, const QString &afterId, const SheetRow &row, qsizetype hint)
{
    qsizetype at = 0;
    if (!afterId.isEmpty()) {
        const qsizetype before = rowOf(rows, afterId, hint);
        at = before >= 0 ? before + 1 : rows.size();
    }
    rows.insert(at, row);
    return at;
}

// `ad` as the sheet file gives it back (see sameSheetAd).
AdFields asReadBack(AdFields ad)
{
    const auto trim = [](QStringList &assets, QList<int> &pins) {
        while (!assets.isEmpty() && assets.constLast().isEmpty())
            assets.removeLast();
        while (!pins.isEmpty() && pins.constLast() == 0)
            pins.removeLast();
    };
    trim(ad.moreTitles, ad.titlePins);
    trim(ad.moreTexts, ad.textPins);
    ad.otherColumns.removeIf([](const auto &column) { return column.second.isEmpty(); });
    return ad;
}

// Removes, in one pass, each row of `gone` that is still as this window had it.
void removeRows(SheetRows &rows,
                QSet<QString> &present,
                const QHash<QString, AdFields> &gone,
                SheetMerge &merge)
{
    const auto end = std::remove_if(rows.begin(), rows.end(), [&](const SheetRow &row) {
        const auto it = gone.constFind(row.id);
        if (it == gone.cend())
            return false;
        if (sameSheetAd(*it, row.ad)) {
            present.remove(row.id);
            return true;
        }
        ++merge.keptEdited;
        return false;
    });
    rows.erase(end, rows.end());
}

// Row `at` becomes `ad`; a different version there that this window did not know follows it
// as a new row.
void replaceRow(SheetRows &rows,
                QSet<QString> &present,
                qsizetype at,
                const AdFields &known,
                const AdFields &ad,
                SheetMerge &merge)
{
    const AdFields there = rows.at(at).ad;
    rows[at].ad = ad;
    if (sameSheetAd(there, known) || sameSheetAd(there, ad))
        return;
    const QString id = newSheetRowId();
    rows.insert(at + 1, {id, there});
    present.insert(id);
    ++merge.editedTwice;
}

void moveRows(SheetRows &rows, const QStringList &order)
{
    QHash<QString, qsizetype> rank;
    rank.reserve(order.size());
    for (qsizetype i = 0; i < order.size(); ++i)
        rank.insert(order.at(i), i);
    QList<qsizetype> places;
    SheetRows known;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rank.contains(rows.at(i).id)) {
            places.append(i);
            known.append(rows.at(i));
        }
    }
    std::stable_sort(known.begin(), known.end(), [&rank](const SheetRow &a, const SheetRow &b) {
        return rank.value(a.id) < rank.value(b.id);
    });
    for (qsizetype k = 0; k < places.size(); ++k)
        rows[places.at(k)] = known.at(k);
}
} // namespace

QString newSheetRowId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool sameSheetAd(const AdFields &a, const AdFields &b)
{
    return a == b || asReadBack(a) == asReadBack(b);
}

Sheet sheetAds(const SheetRows &rows)
{
    Sheet ads;
    ads.reserve(rows.size());
    for (const SheetRow &row : rows)
        ads.append(row.ad);
    return ads;
}

QString sheetFilePath()
{
    // Without a home there is no data folder: no path, rather than one at the root.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/sheet.csv");
}

SheetLoad loadSheet(const QString &path)
{
    SheetLoad load;
    if (path.isEmpty() || !QFileInfo::exists(path))
        return load;
    QSet<QString> seen;
    const CopyDeckReport report = scanKeyedCopyDeckFile(
        path, idColumn, [&](int row, const AdFields &ad, const QString &key) {
            QString id = key.isEmpty() ? QStringLiteral("row-%1").arg(row) : key;
            // A file copied together by hand may name a row twice; each keeps its ad.
            if (seen.contains(id))
                id = newSheetRowId();
            seen.insert(id);
            load.rows.append({id, withIdColumnsRenamed(ad, false)});
        });
    load.ads = sheetAds(load.rows);
    if (!report.isReadable()) {
        load.problem = copyDeckProblemText(report.problem);
    } else if (!report.unreadable.isEmpty()) {
        const UnreadableRow &first = report.unreadable.constFirst();
        load.problem = QCoreApplication::translate("MainWindow",
                                                   "%n row(s) cannot be read, the first, row "
                                                   "%1, because %2",
                                                   nullptr,
                                                   int(report.unreadable.size()))
                           .arg(first.row)
                           .arg(rowProblemText(first.problem));
    } else {
        return load;
    }

    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int n = 1;; ++n) {
        aside = info.absolutePath() + QStringLiteral("/") + info.completeBaseName()
                + QStringLiteral(".unreadable-") + stamp
                + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) + QStringLiteral(".csv");
        if (!QFileInfo::exists(aside))
            break;
    }
    if (QFile::rename(path, aside))
        load.keptAs = aside;
    else
        load.writable = false;
    return load;
}

bool saveSheet(const QString &path, const SheetRows &rows, const FileWriter &write)
{
    if (path.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QStringList ids;
    Sheet ads;
    ids.reserve(rows.size());
    ads.reserve(rows.size());
    for (const SheetRow &row : rows) {
        ids.append(row.id);
        ads.append(withIdColumnsRenamed(row.ad, true));
    }
    return writeKeyedCopyDeck(path, ads, idColumn, ids, write);
}

SheetChanges invertSheetChanges(const SheetChanges &changes)
{
    SheetChanges inverse;
    inverse.reserve(changes.size());
    for (SheetChange change : changes) {
        switch (change.kind) {
        case SheetChange::Add:
            change.kind = SheetChange::Remove;
            change.before = change.after;
            change.after = AdFields();
            break;
        case SheetChange::Remove:
            change.kind = SheetChange::Add;
            change.atEnd = false;
            change.after = change.before;
            change.before = AdFields();
            break;
        case SheetChange::Edit:
            std::swap(change.before, change.after);
            break;
        case SheetChange::Move:
            std::swap(change.order, change.previousOrder);
            break;
        }
        inverse.append(change);
    }
    return inverse;
}

SheetMerge applySheetChanges(SheetRows rows, const SheetChanges &changes)
{
    SheetMerge merge;
    // Which rows are there, so that adding many rows does not look for each among them all.
    QSet<QString> present;
    present.reserve(rows.size());
    for (const SheetRow &row : std::as_const(rows))
        present.insert(row.id);
    qsizetype hint = -1;
    for (qsizetype c = 0; c < changes.size(); ++c) {
        const SheetChange &change = changes.at(c);
        switch (change.kind) {
        case SheetChange::Add:
            if (!present.contains(change.id)) {
                if (change.atEnd) {
                    rows.append({change.id, change.after});
                    hint = rows.size() - 1;
                } else {
                    hint = insertAfter(rows, change.afterId, {change.id, change.after}, hint);
                }
                present.insert(change.id);
            } else {
                replaceRow(
                    rows, present, rowOf(rows, change.id), change.after, change.after, merge);
            }
            break;
        case SheetChange::Remove: {
            // A run of removals is one pass over the rows.
            QHash<QString, AdFields> gone;
            for (; c < changes.size() && changes.at(c).kind == SheetChange::Remove; ++c)
                gone.insert(changes.at(c).id, changes.at(c).before);
            --c;
            removeRows(rows, present, gone, merge);
            hint = -1;
            break;
        }
        case SheetChange::Edit: {
            if (present.contains(change.id)) {
                replaceRow(
                    rows, present, rowOf(rows, change.id), change.before, change.after, merge);
            } else {
                insertAfter(rows, change.afterId, {change.id, change.after}, -1);
                present.insert(change.id);
                ++merge.restored;
            }
            break;
        }
        case SheetChange::Move:
            moveRows(rows, change.order);
            break;
        }
    }
    merge.rows = std::move(rows);
    return merge;
}

SheetSave saveSheetChanges(const QString &path,
                           const SheetChanges &changes,
                           int staleLockMs,
                           const FileWriter &write)
{
    SheetSave save;
    if (path.isEmpty())
        return save;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLockMs);
    if (!lock.tryLock(staleLockMs + 1000))
        return save;
    save.locked = true;
    save.read = loadSheet(path);
    save.merge = applySheetChanges(save.read.rows, changes);
    if (!save.read.writable)
        return save;
    // A file moved aside is written anew even when nothing changed.
    save.saved = (save.merge.rows == save.read.rows && save.read.keptAs.isEmpty())
                 || saveSheet(path, save.merge.rows, write);
    return save;
}
