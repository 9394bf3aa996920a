// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The bare names of the engine files in the engines folder: regular, visible files whose name
// ends in ".xml" (any case), sorted without regard to case. Empty when the folder is missing.
QStringList listEngineFiles();

// The engine name of an engine file: the name less its final lower-case ".xml".
QString engineNameOfFile(const QString &fileName);

// The engines in catalogue order: every engine whose file its own name reaches, ordered by
// listPosition (0 when missing or not a number); equal positions keep scan order.
QStringList orderedEngineNames();

// The image file to draw as the engine's icon: its Symbol, or "img/unknown.png" when the
// Symbol is empty or names no existing file.
QString engineIconPath(const QString &name);
