// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Symbol paths as profiles store them. A relative path ("files/Acme/logo.png") is relative
// to the folder that holds the engines folder, so that a profile and its own folder travel
// together; an absolute path stays as it is.

// The folder that holds the engines folder; empty while the engines folder is not set.
QString engineBaseFolder();

// The file that the stored symbol `symbol` names: relative paths resolved against
// engineBaseFolder(), absolute ones unchanged, empty text unchanged.
QString resolveSymbolPath(const QString &symbol);

// How to store the chosen image file `path`: relative to engineBaseFolder() when it lies
// inside it, else absolute.
QString storableSymbolPath(const QString &path);
