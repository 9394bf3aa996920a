// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/userfolder.h"

#include <QString>

// The process-wide strings that name the program and locate its files.
namespace App {
extern const QString organizationName;
extern const QString applicationName; // "VELM": names the settings store
extern const QString versionString;
extern const QString identityString; // the window title
// The directory of the executable; empty until the main window has read its settings.
extern QString applicationDirectory;

// Records `directory` as the application directory and chooses the engines folder: its "files"
// folder when the user may write there, else "files" in userDataFolder(), brought up to date
// with the shipped profiles (see chooseEnginesFolder; `isWritable` tells whether the user may).
EnginesFolderChoice setApplicationDirectory(const QString &directory,
                                            const FolderProbe &isWritable = isWritableFolder);

// The user's data folder of the program: QStandardPaths' AppDataLocation for the organisation
// and application names above, whatever the running executable is called.
QString userDataFolder();
} // namespace App
