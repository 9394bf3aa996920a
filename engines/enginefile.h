// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// One engine profile is one XML file, "files/<name>.xml" below the application directory:
//   <Engine>
//   <Name value="..."/>  <Symbol/> <limitTitle/> <limitText/> <limitURL/> <listPosition/>
//   <textLineBreak/> <template/>       (each an empty element with one "value" attribute)
//   </Engine>
// Nothing is cached: every read opens and parses the file again.

// Profiles are about 1 KB; a file larger than this reads as empty (and is not written).
constexpr qint64 maxEngineFileSize = 32 * 1024;

// The path of an engine's file: applicationDirectory + "/files/" + name + ".xml".
QString engineFilePath(const QString &name);

// Whether `name` can name an engine file inside the engines folder: not empty, not "." or
// "..", and free of "/", "\\" and control characters.
bool isAcceptableEngineName(const QString &name);

// The "value" attribute of the first direct child of the root whose tag is `field` (case
// sensitive). Empty text when the name is not acceptable, the file cannot be read or parsed,
// is larger than maxEngineFileSize, nests elements more than 256 deep or declares entities,
// or the element or attribute is missing. Files are UTF-8; a file that is not valid UTF-8
// is read as Latin-1, as older 8-bit builds wrote them.
QString readEngineValue(const QString &name, const QString &field);

// Writes the whole file of engine `name` in UTF-8, atomically: the old file stays whole until
// the new one is complete. Characters that XML 1.0 cannot hold are left out. Returns false,
// leaving any old file untouched, when the name is not acceptable, the file would be larger
// than maxEngineFileSize, or anything fails.
bool writeEngineFile(const QString &name,
                     const QString &symbol,
                     uint limitTitle,
                     uint limitText,
                     uint limitURL,
                     int listPosition,
                     int textLineBreak,
                     const QString &templateText);

// A number read from an engine file: base 10, 0 when empty or not a number.
int engineNumber(const QString &text);

// For tests: while set, writeEngineFile fails without touching any file for every engine name
// that `fails` accepts. An empty function ends the fault.
void setEngineWriteFault(std::function<bool(const QString &name)> fails);
