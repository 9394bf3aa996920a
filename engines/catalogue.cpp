// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/catalogue.h"

#include "engines/enginesfolder.h"
#include "engines/symbolpath.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString xmlSuffix = QStringLiteral(".xml");

struct ListedFile
{
    QString name;
    QString sortKey; // the name in lower case, compared once per pair rather than folded each time
    bool regular = false; // a regular file itself, not a link to one
};

// The files of listEngineFiles, each with what the listing told of it. QDir::entryList keeps
// a QFileInfo of every entry until all are sorted, and compiles a regular expression for a
// name filter; the names and one flag each are all that is needed.
QList<ListedFile> listFiles()
{
    if (!enginesFolderIsSet("Listing the engine files"))
        return {};
    QList<ListedFile> files;
    QDirIterator entries(enginesFolder(), QDir::Files);
    while (entries.hasNext()) {
        const QFileInfo info = entries.nextFileInfo();
        QString name = info.fileName();
        if (name.endsWith(xmlSuffix, Qt::CaseInsensitive)) {
            QString sortKey = name.toLower();
            files.append({std::move(name), std::move(sortKey), !info.isSymbolicLink()});
        }
    }
    // Names equal but for case keep the order of the listing, as QDir keeps them.
    std::stable_sort(files.begin(), files.end(), [](const ListedFile &a, const ListedFile &b) {
        return a.sortKey < b.sortKey;
    });
    return files;
}

} // namespace

QStringList listEngineFiles()
{
    QStringList names;
    const QList<ListedFile> files = listFiles();
    names.reserve(files.size());
    for (const ListedFile &file : files)
        names.append(file.name);
    return names;
}

QString engineNameOfFile(const QString &fileName)
{
    return fileName.endsWith(xmlSuffix) ? fileName.chopped(xmlSuffix.size()) : fileName;
}

QList<CatalogueEntry> readCatalogue()
{
    QList<CatalogueEntry> entries;
    const QList<ListedFile> files = listFiles();
    entries.reserve(files.size());
    for (const ListedFile &file : files) {
        // Only files that the engine's own name leads back to ("Foo.XML" does not).
        if (!file.name.endsWith(xmlSuffix))
            continue;
        const QString name = engineNameOfFile(file.name);
        if (!isAcceptableEngineName(name))
            continue;
        entries.append(file.regular ? readListedEngineFile(name) : readEngineFile(name));
    }
    // Engines that share a position all stay listed, in scan order.
    std::stable_sort(
        entries.begin(), entries.end(), [](const CatalogueEntry &a, const CatalogueEntry &b) {
            return a.profile.listPosition < b.profile.listPosition;
        });
    return entries;
}

QStringList orderedEngineNames()
{
    QStringList names;
    const QList<CatalogueEntry> entries = readCatalogue();
    names.reserve(entries.size());
    for (const CatalogueEntry &entry : entries)
        names.append(entry.profile.name);
    return names;
}

QString symbolIconPath(const QString &symbol)
{
    const QString path = resolveSymbolPath(symbol);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QStringLiteral("img/unknown.png");
    return path;
}

QString engineIconPath(const QString &name)
{
    return symbolIconPath(readEngineValue(name, QStringLiteral("Symbol")));
}
