// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/userfolder.h"

#include "engines/catalogue.h"
#include "engines/enginefile.h"
#include "engines/enginesfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const QFileDevice::Permissions userFilePermissions
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
      | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

QStringList readOfferedList(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A list is a few names; anything far larger is not ours.
    const QString text = QString::fromUtf8(file.read(64 * 1024));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool writeOfferedList(const QString &path, const QStringList &names)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(names.join(QLatin1Char('\n')).toUtf8() + '\n');
    return file.commit();
}

// Copies every file below `from` that `to` does not have yet; the user's files stay as they
// are. Symbolic links are not followed: a shipped folder holds plain files.
bool copyMissingFiles(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isDir())
        return true;
    bool ok = QDir().mkpath(to);
    const QDir source(from);
    QDirIterator it(from,
                    QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot
                        | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(info.filePath());
        if (info.isDir()) {
            ok = QDir().mkpath(target) && ok;
        } else if (!QFileInfo::exists(target)) {
            ok = QFile::copy(info.filePath(), target) && ok;
            QFile::setPermissions(target, userFilePermissions);
        }
    }
    return ok;
}
} // namespace

bool isWritableFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.exists())
        return info.isDir() && info.isWritable();
    if (info.isSymLink()) // a link to nowhere
        return false;
    const QFileInfo parent(info.absolutePath());
    return parent.isDir() && parent.isWritable();
}

QStringList offerShippedProfiles(const QString &shippedFolder,
                                 const QString &userEngines,
                                 const QString &offeredListFile,
                                 QString *problem)
{
    const auto fail = [problem](const QString &text) {
        if (problem && problem->isEmpty())
            *problem = text;
    };
    QStringList offered = readOfferedList(offeredListFile);
    // The shipped profiles in their own order, so that new ones arrive in that order.
    QStringList shipped;
    if (QFileInfo(shippedFolder).isDir()) {
        setEnginesFolder(shippedFolder);
        shipped = orderedEngineNames();
    }
    setEnginesFolder(userEngines);

    QStringList copied;
    bool listChanged = false;
    // After the user's last engine; read when first needed. An empty folder takes the shipped
    // profiles with their own positions.
    bool positionRead = false;
    bool placeAtEnd = false;
    int nextPosition = 0;
    for (const QString &name : std::as_const(shipped)) {
        if (offered.contains(name))
            continue;
        const QString target = userEngines + QLatin1Char('/') + name + QStringLiteral(".xml");
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
            // The user has an engine of this name already: it stays theirs.
            offered.append(name);
            listChanged = true;
            continue;
        }
        if (!positionRead) {
            const QList<CatalogueEntry> mine = readCatalogue();
            positionRead = true;
            placeAtEnd = !mine.isEmpty();
            if (placeAtEnd)
                nextPosition = mine.last().profile.listPosition + 1;
        }
        const QString source = shippedFolder + QLatin1Char('/') + name + QStringLiteral(".xml");
        if (!QFile::copy(source, target)) {
            if (QFileInfo::exists(target)) { // another instance, starting at the same time
                offered.append(name);
                listChanged = true;
                continue;
            }
            fail(QCoreApplication::translate("MainWindow",
                                             "The engine profile %1 cannot be copied into %2.")
                     .arg(name, QDir::toNativeSeparators(userEngines)));
            continue; // offered again at the next start
        }
        QFile::setPermissions(target, userFilePermissions);
        // Into a folder with engines of the user's own, a new profile goes to the end of the
        // list rather than between or onto theirs.
        if (placeAtEnd) {
            const EngineFile file = readEngineFile(name);
            if (file.isReadable() && writeEngineValues(name, file.profile, nextPosition))
                ++nextPosition;
        }
        if (!copyMissingFiles(shippedFolder + QLatin1Char('/') + name,
                              userEngines + QLatin1Char('/') + name))
            fail(QCoreApplication::translate("MainWindow",
                                             "The engine profile %1 cannot be copied into %2.")
                     .arg(name, QDir::toNativeSeparators(userEngines)));
        offered.append(name);
        listChanged = true;
        copied.append(name);
    }
    if (listChanged && !writeOfferedList(offeredListFile, offered))
        fail(QCoreApplication::translate(
                 "MainWindow",
                 "The list of the engine profiles offered so far cannot be written "
                 "to %1: removed profiles may come back at the next start.")
                 .arg(QDir::toNativeSeparators(offeredListFile)));
    return copied;
}

EnginesFolderChoice chooseEnginesFolder(const QString &applicationDirectory,
                                        const QString &userFolder,
                                        const FolderProbe &isWritable)
{
    EnginesFolderChoice choice;
    const QString installEngines = applicationDirectory + QStringLiteral("/files");
    const bool writable = isWritable(installEngines);
    if (writable || userFolder.isEmpty()) {
        choice.folder = installEngines;
        setEnginesFolder(installEngines);
        return choice;
    }
    choice.inUserFolder = true;
    choice.folder = userFolder + QStringLiteral("/files");
    if (!QDir().mkpath(choice.folder)) {
        choice.problem = QCoreApplication::translate(
                             "MainWindow",
                             "The folder %1 for your engine profiles cannot be created: no "
                             "engine can be saved.")
                             .arg(QDir::toNativeSeparators(choice.folder));
        setEnginesFolder(choice.folder);
        return choice;
    }
    choice.copied = offerShippedProfiles(installEngines,
                                         choice.folder,
                                         userFolder + QLatin1Char('/')
                                             + QLatin1String(offeredProfilesFileName),
                                         &choice.problem);
    setEnginesFolder(choice.folder);
    return choice;
}
