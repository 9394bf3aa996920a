// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/templateresources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    QFile file;
#ifdef Q_OS_UNIX
    if (!path.startsWith(u':')) {
        // Opened without blocking and checked on the open descriptor: a pipe put in the file's
        // place after a check by name can neither stall the open nor get read.
        const int fd
            = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return std::nullopt;
        struct stat status;
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > cap
            || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return std::nullopt;
        }
    }
#endif
    if (!file.isOpen()) {
        const QFileInfo info(path);
        if (!info.isFile() || info.size() > cap)
            return std::nullopt;
        file.setFileName(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
    }
    // A file that grows while it is read still stops at the cap.
    QByteArray bytes = file.read(cap + 1);
    if (bytes.size() > cap)
        return std::nullopt;
    return bytes;
}
