// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/plans.h"

#include <QCoreApplication>

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

bool hasUnsavedChanges(const EngineProfile &loaded, const EngineProfile &shown, bool isNew)
{
    if (!isNew)
        return shown != loaded;
    return shown.name != loaded.name || shown.symbol != loaded.symbol
           || shown.templateText != loaded.templateText;
}

QString unreadableReason(const EngineFile &file)
{
    if (file.isReadable() || file.problem == EngineFileProblem::Missing)
        return QString();
    return QCoreApplication::translate("MainWindow", "its file cannot be read: %1")
        .arg(engineFileProblemText(file));
}

QList<EngineLeftAlone> applyRenumbering(const QList<EnginePosition> &plan, const FileWriter &write)
{
    QList<EngineLeftAlone> leftAlone;
    for (const EnginePosition &entry : plan) {
        const EngineFile file = readEngineFile(entry.name);
        if (file.problem == EngineFileProblem::Missing)
            continue;
        if (const QString reason = unreadableReason(file); !reason.isEmpty()) {
            leftAlone.append({entry.name, reason});
            continue;
        }
        if (!writeEngineValues(entry.name, file.profile, entry.position, write)) {
            leftAlone.append(
                {entry.name,
                 QCoreApplication::translate("MainWindow", "its file could not be written")});
        }
    }
    return leftAlone;
}

namespace {
QString leftAloneLines(const QList<EngineLeftAlone> &engines)
{
    QStringList lines;
    for (const EngineLeftAlone &engine : engines)
        lines.append(QStringLiteral("\"%1\": %2").arg(engine.name, engine.reason));
    return lines.join(QLatin1Char('\n'));
}
} // namespace

QString leftAloneText(const QList<EngineLeftAlone> &engines)
{
    if (engines.isEmpty())
        return QString();
    return QCoreApplication::translate("MainWindow",
                                       "These engines were left as they were and keep their "
                                       "old positions:\n%1")
        .arg(leftAloneLines(engines));
}

QString moveRefusedText(const QString &moved, const QList<EngineLeftAlone> &engines)
{
    return QCoreApplication::translate("MainWindow",
                                       "The engine \"%1\" was not moved: the move would have to "
                                       "rewrite these engines, which were left as they were:\n%2")
        .arg(moved, leftAloneLines(engines));
}
