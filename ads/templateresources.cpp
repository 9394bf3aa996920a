// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/templateresources.h"

#include "engines/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString templateResourcePath(const QUrl &name, const QString &engineFolder)
{
    const QString scheme = name.scheme().toLower();
    if (scheme == u"qrc")
        return QLatin1Char(':') + name.path();
    if (scheme == u"file")
        return name.toLocalFile();
    if (!scheme.isEmpty())
        return QString();
    const QString path = name.path();
    if (path.isEmpty())
        return QString();
    if (path.startsWith(u":/") || QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    // The engine's own folder first, then the working directory, as QTextBrowser looks.
    const QString inFolder = QDir::cleanPath(engineFolder + QLatin1Char('/') + path);
    if (engineFolder.isEmpty() || !QFileInfo::exists(inFolder)) {
        const QString inWorkingDirectory = QDir::current().absoluteFilePath(path);
        if (QFileInfo::exists(inWorkingDirectory))
            return QDir::cleanPath(inWorkingDirectory);
    }
    return inFolder;
}

std::optional<QByteArray> readTemplateResource(const QString &path, qint64 cap)
{
    if (path.isEmpty())
        return std::nullopt;
    // The program's own icons are no files on disk.
    if (path.startsWith(u':')) {
        QFile file(path);
        if (file.size() > cap || !file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    RegularFileBytes read = readRegularFile(path, cap);
    if (read.outcome != FileRead::Read)
        return std::nullopt;
    return std::move(read.bytes);
}
