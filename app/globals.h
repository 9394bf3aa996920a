// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The process-wide strings that name the program and locate its files.
namespace App {
extern const QString organizationName;
extern const QString applicationName; // "VELM": names the settings store
extern const QString versionString;
extern const QString identityString; // the window title
// The directory of the executable; empty until the main window has read its settings.
extern QString applicationDirectory;

// Records `directory` as the application directory and its "files" folder as the engines
// folder.
void setApplicationDirectory(const QString &directory);
} // namespace App
