// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The folder that holds the engine files. It is set once, as the program starts, from the
// application directory; until then it is empty, and every engine read or write fails
// without touching the filesystem (a debug build says so).
QString enginesFolder();

// Records `path` (no trailing slash) as the engines folder.
void setEnginesFolder(const QString &path);

// True once the engines folder is set; a debug build warns about `what` when it is not.
bool enginesFolderIsSet(const char *what);
