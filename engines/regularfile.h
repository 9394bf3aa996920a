// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// How reading a file from disk went.
enum class FileRead {
    Read,
    Missing,        // no such file
    NotRegularFile, // a folder, device or pipe
    Unopenable,     // no permission, or another error of the system
    TooLarge,       // over the cap
};

struct RegularFileBytes
{
    FileRead outcome = FileRead::Missing;
    QByteArray bytes; // what was read, when `outcome` is Read
};

// Reads the regular file at `path` (links followed), at most `cap` bytes. Only regular files
// are read: opening a pipe would wait for a writer forever. The file is opened without
// blocking and checked on the open descriptor, so a pipe put in its place after any check by
// name can neither stall the open nor get read. A file that grows while it is read past `cap`
// is TooLarge. `listedAsRegular` says a listing of the folder has just shown the name as a
// regular file: it is then opened without a lookup first, in as few calls into the system as
// can be (the catalogue reads every engine file at each rebuild).
RegularFileBytes readRegularFile(const QString &path, qint64 cap, bool listedAsRegular = false);
