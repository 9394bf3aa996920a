// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/filewriter.h"

#include <QString>

// One engine profile is one XML file, "<engines folder>/<name>.xml":
//   <Engine>
//   <Name value="..."/>  <Symbol/> <limitTitle/> <limitText/> <limitURL/> <listPosition/>
//   <textLineBreak/> <template/> <rules/>   (each an empty element with one "value" attribute)
//   </Engine>

// Profiles are about 1 KB; a file larger than this cannot be read (and is not written).
constexpr qint64 maxEngineFileSize = 32 * 1024;

// The path of an engine's file: the engines folder + "/" + name + ".xml"; empty while the
// engines folder is not set.
QString engineFilePath(const QString &name);

// Whether `name` can name an engine file inside the engines folder: not empty, not "." or
// "..", and free of "/", "\\" and control characters.
bool isAcceptableEngineName(const QString &name);

// Whether `name` may name an engine file on every system the profiles travel to: acceptable
// to isAcceptableEngineName and free of : * ? " < > | as well.
bool isPortableEngineName(const QString &name);

// Whether the engine lists would show an engine of this name: a name starting with "." names
// a hidden file, which the catalogue does not list.
bool isListableEngineName(const QString &name);

// One engine profile: every field its file holds. The file, the catalogue, the engine
// dialog, the chosen engine and the checker all work with this one type.
struct EngineProfile
{
    QString name; // the engine's (and its file's) name
    QString symbol;
    int limitTitle = 0;
    int limitText = 0;
    int limitURL = 0;
    int textLineBreak = 0;
    QString templateText;
    QString rules; // the name of the engine's counting and checking rules; empty means plain
    int listPosition = 0;

    friend bool operator==(const EngineProfile &, const EngineProfile &) = default;
};

// Why an engine file could not be read.
enum class EngineFileProblem {
    None,           // read; its fields may still be empty
    Missing,        // no file of that name, or the name is not acceptable
    NotRegularFile, // a folder, device or pipe
    Unopenable,     // no permission, or another error of the system
    TooLarge,       // over maxEngineFileSize
    NotWellFormed,  // not well-formed XML; line and column say where
    DeclaresEntities,
    NestedTooDeep,
};

// One engine file, read whole in one parse: the profile, and whether and why not it could
// be read.
struct EngineFile
{
    EngineFileProblem problem = EngineFileProblem::Missing;
    int errorLine = 0; // where a file that is not well-formed fails
    int errorColumn = 0;
    QString nameField; // the stored Name, which need not match the file's name
    EngineProfile profile;

    bool isReadable() const { return problem == EngineFileProblem::None; }

    friend bool operator==(const EngineFile &, const EngineFile &) = default;
};

// Reads every field of engine `name`'s file into a profile named `name`. A file that cannot
// be read gives empty values, and `problem` says why. Files are UTF-8; a file that is not valid
// UTF-8 is read as Latin-1, as older 8-bit builds wrote them. Only the first element of each name
// among the root's children counts.
EngineFile readEngineFile(const QString &name);

// readEngineFile of a name that a listing of the engines folder has just shown as a regular
// file, not a link: the file is opened without being looked up first. Whatever has taken its
// place since reads as readEngineFile would read it.
EngineFile readListedEngineFile(const QString &name);

// The translated reason why `file` could not be read, for example "it is not well-formed XML
// (line 3, column 7)"; empty when it was read.
QString engineFileProblemText(const EngineFile &file);

// The "value" attribute of the first direct child of the root whose tag is `field` (case
// sensitive). Empty text when the file cannot be read (see readEngineFile) or the element or
// attribute is missing.
QString readEngineValue(const QString &name, const QString &field);

// The profile stored in engine `name`'s file; numbers are 0 where missing or not numbers.
EngineProfile readEngineValues(const QString &name);

// Writes the whole file of engine `name` in UTF-8, atomically: the old file stays whole until
// the new one is complete. Characters that XML 1.0 cannot hold are left out. An empty `rules`
// writes no rules element, so such a file reads exactly as before rules existed. Returns
// false, leaving any old file untouched, when the name is not acceptable, the engines folder
// is not set, the file would be larger than maxEngineFileSize, or anything fails.
bool writeEngineFile(const QString &name,
                     const QString &symbol,
                     uint limitTitle,
                     uint limitText,
                     uint limitURL,
                     int listPosition,
                     int textLineBreak,
                     const QString &templateText,
                     const QString &rules = QString(),
                     const FileWriter &write = writeFileAtomically);

// Writes engine `name` whole with the fields of `values` at `position` (its own name and
// position do not count) through writeEngineFile (atomic: on failure the old file stays as it
// was). A negative limit is written as 0. True on success.
bool writeEngineValues(const QString &name,
                       const EngineProfile &values,
                       int position,
                       const FileWriter &write = writeFileAtomically);

// A number read from an engine file: base 10, 0 when empty or not a number.
int engineNumber(const QString &text);
