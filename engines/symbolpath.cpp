// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/symbolpath.h"

#include "engines/enginesfolder.h"

#include <QDir>
#include <QFileInfo>

QString engineBaseFolder()
{
    const QString folder = enginesFolder();
    if (folder.isEmpty())
        return QString();
    return QFileInfo(folder).absolutePath();
}

QString resolveSymbolPath(const QString &symbol)
{
    if (symbol.isEmpty() || QDir::isAbsolutePath(symbol) || symbol.startsWith(QLatin1Char(':')))
        return symbol;
    const QString base = engineBaseFolder();
    return base.isEmpty() ? symbol : QDir(base).filePath(symbol);
}

QString storableSymbolPath(const QString &path)
{
    const QString base = engineBaseFolder();
    if (base.isEmpty() || path.isEmpty())
        return path;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString relative = QDir(base).relativeFilePath(absolute);
    if (relative.startsWith(QLatin1String("../")) || relative == QLatin1String("..")
        || QDir::isAbsolutePath(relative))
        return absolute;
    return relative;
}
