// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog/workflow.h"

#include "engines/enginefile.h"

#include <algorithm>

bool isPortableEngineName(const QString &name)
{
    static const QString forbidden = QStringLiteral(":*?\"<>|");
    return isAcceptableEngineName(name) && std::none_of(name.cbegin(), name.cend(), [](QChar c) {
               return forbidden.contains(c);
           });
}

EngineValues readEngineValues(const QString &name)
{
    const auto number = [&name](const char *field) {
        return engineNumber(readEngineValue(name, QString::fromLatin1(field)));
    };
    EngineValues values;
    values.symbol = readEngineValue(name, QStringLiteral("Symbol"));
    values.limitTitle = number("limitTitle");
    values.limitText = number("limitText");
    values.limitURL = number("limitURL");
    values.textLineBreak = number("textLineBreak");
    values.templateText = readEngineValue(name, QStringLiteral("template"));
    return values;
}

bool writeEngineValues(const QString &name, const EngineValues &values, int position)
{
    // A limit is stored without a sign; a negative one would wrap round to a huge number.
    const auto limit = [](int value) { return uint(std::max(value, 0)); };
    return writeEngineFile(name,
                           values.symbol,
                           limit(values.limitTitle),
                           limit(values.limitText),
                           limit(values.limitURL),
                           position,
                           values.textLineBreak,
                           values.templateText);
}

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
