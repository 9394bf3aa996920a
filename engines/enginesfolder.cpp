// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginesfolder.h"

#include <QtGlobal>

namespace {
QString folder;
}

QString enginesFolder()
{
    return folder;
}

void setEnginesFolder(const QString &path)
{
    folder = path;
}

bool enginesFolderIsSet(const char *what)
{
    if (!folder.isEmpty())
        return true;
#ifndef QT_NO_DEBUG
    // An empty folder would make every path relative to the root or the working directory.
    qWarning("%s before the engines folder is set: nothing read or written", what);
#else
    Q_UNUSED(what);
#endif
    return false;
}
