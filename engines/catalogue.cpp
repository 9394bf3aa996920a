// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/catalogue.h"

#include "engines/enginesfolder.h"
#include "engines/symbolpath.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
const QString xmlSuffix = QStringLiteral(".xml");
}

QStringList listEngineFiles()
{
    // The same match as the name filter "*.xml" (case ignored), without the regular
    // expression that a name filter compiles on every scan.
    if (!enginesFolderIsSet("Listing the engine files"))
        return {};
    const QDir folder(enginesFolder());
    QStringList names = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf(
        [](const QString &name) { return !name.endsWith(xmlSuffix, Qt::CaseInsensitive); });
    return names;
}

QString engineNameOfFile(const QString &fileName)
{
    return fileName.endsWith(xmlSuffix) ? fileName.chopped(xmlSuffix.size()) : fileName;
}

QList<CatalogueEntry> readCatalogue()
{
    QList<CatalogueEntry> entries;
    const QStringList files = listEngineFiles();
    entries.reserve(files.size());
    for (const QString &file : files) {
        // Only files that the engine's own name leads back to ("Foo.XML" does not).
        if (!file.endsWith(xmlSuffix))
            continue;
        const QString name = engineNameOfFile(file);
        if (!isAcceptableEngineName(name))
            continue;
        entries.append({name, readEngineFile(name)});
    }
    // Engines that share a position all stay listed, in scan order.
    std::stable_sort(
        entries.begin(), entries.end(), [](const CatalogueEntry &a, const CatalogueEntry &b) {
            return a.file.listPosition < b.file.listPosition;
        });
    return entries;
}

QStringList orderedEngineNames()
{
    const QList<CatalogueEntry> entries = readCatalogue();
    QStringList names;
    names.reserve(entries.size());
    for (const CatalogueEntry &entry : entries)
        names.append(entry.name);
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
