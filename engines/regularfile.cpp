// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/regularfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
RegularFileBytes readRegularFile(const QString &path, qint64 cap, bool listedAsRegular)
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status;
    if (!listedAsRegular) {
        if (::stat(encoded.constData(), &status) != 0)
            return {};
        if (!S_ISREG(status.st_mode))
            return {FileRead::NotRegularFile, {}};
    }
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // Gone or locked since the listing: the lookup tells which.
        return listedAsRegular ? readRegularFile(path, cap, false)
                               : RegularFileBytes{FileRead::Unopenable, {}};
    }
    RegularFileBytes read;
    if (::fstat(fd, &status) != 0) {
        read.outcome = FileRead::Unopenable;
    } else if (!S_ISREG(status.st_mode)) {
        read.outcome = FileRead::NotRegularFile;
    } else if (status.st_size > cap) {
        read.outcome = FileRead::TooLarge;
    } else {
        // Read to the end: a file that grows while it is read still stops one byte past the
        // cap.
        read.outcome = FileRead::Read;
        read.bytes.resize(qMin(qint64(status.st_size), cap) + 1);
        qsizetype total = 0;
        for (;;) {
            if (total == read.bytes.size()) {
                if (total > cap)
                    break;
                read.bytes.resize(qMin(qint64(total) * 2, cap + 1));
            }
            const ssize_t count
                = ::read(fd, read.bytes.data() + total, size_t(read.bytes.size() - total));
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0) {
                read.outcome = FileRead::Unopenable;
                total = 0;
                break;
            }
            if (count == 0)
                break;
            total += count;
        }
        read.bytes.truncate(total);
        if (total > cap) {
            read.outcome = FileRead::TooLarge;
            read.bytes.clear();
        }
    }
    ::close(fd);
    return read;
}
#else
RegularFileBytes readRegularFile(const QString &path, qint64 cap, bool listedAsRegular)
{
    Q_UNUSED(listedAsRegular);
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (!info.isFile())
        return {FileRead::NotRegularFile, {}};
    if (info.size() > cap)
        return {FileRead::TooLarge, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileRead::Unopenable, {}};
    RegularFileBytes read{FileRead::Read, file.read(cap + 1)};
    if (read.bytes.size() > cap)
        return {FileRead::TooLarge, {}};
    return read;
}
#endif
