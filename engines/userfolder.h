// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Where the engine profiles live. The "files" folder beside the executable stays the engines
// folder while the user may write there (a build folder, a per-user install, a portable
// folder). An install the user cannot write to (a system package) keeps the shipped profiles
// only as a source: the engines folder is then "files" in the user's data folder, filled with
// copies of the shipped profiles and their own folders (symbol, template images).
//
// Each shipped profile is offered to the user's folder once: a profile that a newer version
// adds is copied in at a later start, but one the user has changed, renamed or deleted is
// never brought back or overwritten. The names already offered are kept in the list file
// offeredProfilesFileName beside the user's engines folder.

// The list of shipped profiles already offered, one engine name a line.
inline constexpr char offeredProfilesFileName[] = "shipped-profiles.txt";

// Whether the program may write into `folder`: an existing, writable folder, or a missing
// one whose parent is an existing, writable folder (so that the program's own folder keeps
// working as before the engines folder exists in it).
bool isWritableFolder(const QString &folder);

// The outcome of choosing the engines folder at start.
struct EnginesFolderChoice
{
    QString folder;            // the engines folder to use
    bool inUserFolder = false; // the install folder is not writable: the user's folder serves
    QStringList copied;        // shipped profiles copied into the user's folder at this start
    QString problem;           // why the user's folder could not be prepared; empty when fine
};

// Tells whether the program may write into a folder; isWritableFolder in the program, another
// in tests (which run as root, who may write anywhere).
using FolderProbe = std::function<bool(const QString &folder)>;

// Chooses the engines folder for the program in `applicationDirectory`, with `userFolder` as
// the user's data folder (App::userDataFolder() in the program), brings the user's folder up to
// date with the shipped profiles when it serves, and makes the choice the engines folder.
// `isWritable` tells whether the install's engines folder may be written.
EnginesFolderChoice chooseEnginesFolder(const QString &applicationDirectory,
                                        const QString &userFolder,
                                        const FolderProbe &isWritable = isWritableFolder);

// Copies the shipped profiles of `shippedFolder` that were never offered to `userEngines`
// (offered names are kept in `offeredListFile`) with their own folders. A name the user
// already has is recorded as offered and left alone. A profile added to a folder that already
// holds engines goes to the end of the list. Returns the names copied; sets *problem (when
// given) when a copy or the list file cannot be written. Uses and leaves the engines folder
// set to `userEngines`.
QStringList offerShippedProfiles(const QString &shippedFolder,
                                 const QString &userEngines,
                                 const QString &offeredListFile,
                                 QString *problem = nullptr);
