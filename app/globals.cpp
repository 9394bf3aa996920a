// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"

#include "engines/enginesfolder.h"

namespace App {
const QString organizationName = QStringLiteral("Vellumo");
const QString applicationName = QStringLiteral("VELM");
const QString versionString = QStringLiteral("0.1-RC1");
const QString identityString
    = QStringLiteral("Vellumo - Copyright (C) 2026 The Vellumo developers");
QString applicationDirectory;

void setApplicationDirectory(const QString &directory)
{
    applicationDirectory = directory;
    setEnginesFolder(directory.isEmpty() ? QString() : directory + QStringLiteral("/files"));
}
} // namespace App
