// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How a whole file is written: atomically, the old file staying whole until the new one is
// complete. Functions that write files take one, so that a test can pass one that fails.
using FileWriter = std::function<bool(const QString &path, const QByteArray &bytes)>;

// Writes `bytes` to `path` with QSaveFile: true once the new file has replaced the old one;
// on failure any old file is untouched.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);
