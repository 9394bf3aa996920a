// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"

#include "engines/enginesfolder.h"

#include <QStandardPaths>

namespace App {
const QString organizationName = QStringLiteral("Vellumo");
const QString applicationName = QStringLiteral("VELM");
const QString versionString = QStringLiteral("0.1-RC1");
const QString identityString
    = QStringLiteral("Vellumo - Copyright (C) 2026 The Vellumo developers");
QString applicationDirectory;

EnginesFolderChoice setApplicationDirectory(const QString &directory, const FolderProbe &isWritable)
{
    applicationDirectory = directory;
    if (directory.isEmpty()) {
        setEnginesFolder(QString());
        return {};
    }
    return chooseEnginesFolder(directory, userDataFolder(), isWritable);
}

QString userDataFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return QString();
    return data + QLatin1Char('/') + organizationName + QLatin1Char('/') + applicationName;
}
} // namespace App
