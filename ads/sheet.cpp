// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/sheet.h"

#include "ads/copydeck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    const CopyDeck deck = readCopyDeck(path);
    load.ads = deck.ads;
    if (!deck.report.isReadable()) {
        load.problem = copyDeckProblemText(deck.report.problem);
    } else if (!deck.report.unreadable.isEmpty()) {
        const UnreadableRow &first = deck.report.unreadable.constFirst();
        load.problem = QCoreApplication::translate("MainWindow",
                                                   "%n row(s) cannot be read, the first, row "
                                                   "%1, because %2",
                                                   nullptr,
                                                   int(deck.report.unreadable.size()))
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

bool saveSheet(const QString &path, const Sheet &ads)
{
    if (path.isEmpty())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeCopyDeck(path, ads);
}
