// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/enginefile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The bare names of the engine files in the engines folder: regular, visible files whose name
// ends in ".xml" (any case), sorted without regard to case. Empty when the folder is missing
// or not set.
QStringList listEngineFiles();

// The engine name of an engine file: the name less its final lower-case ".xml".
QString engineNameOfFile(const QString &fileName);

// One listed engine with everything its file holds; its profile's name is the listed name.
using CatalogueEntry = EngineFile;

// The engines in catalogue order, each file read once: every engine whose file its own name
// reaches, ordered by listPosition (0 when missing, not a number or unreadable); equal
// positions keep scan order. Unreadable files are listed too, with their problem.
QList<CatalogueEntry> readCatalogue();

// The names of readCatalogue(), in its order.
QStringList orderedEngineNames();

// The image file to draw for an engine whose Symbol is `symbol`: the symbol (a relative one
// resolved as resolveSymbolPath does), or "img/unknown.png" when it is empty or names no
// existing file.
QString symbolIconPath(const QString &symbol);

// symbolIconPath of engine `name`'s stored Symbol.
QString engineIconPath(const QString &name);
