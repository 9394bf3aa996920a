// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine catalogue: scanning the engines folder, ordering it, and MainWindow's rebuild of
// both engine lists.
#include "engines/catalogue.h"

#include "app/globals.h"
#include "app/mainwindow.h"
#include "compose/mainform.h"
#include "dialog/engineform.h"
#include "engines/enginefile.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QIcon>
#include <QListWidget>

#include <algorithm>

namespace {
const QString xmlSuffix = QStringLiteral(".xml");
}

QStringList listEngineFiles()
{
    // The same match as the name filter "*.xml" (case ignored), without the regular
    // expression that a name filter compiles on every scan.
    const QDir folder(App::applicationDirectory + QStringLiteral("/files/"));
    QStringList names = folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    names.removeIf(
        [](const QString &name) { return !name.endsWith(xmlSuffix, Qt::CaseInsensitive); });
    return names;
}

QString engineNameOfFile(const QString &fileName)
{
    return fileName.endsWith(xmlSuffix) ? fileName.chopped(xmlSuffix.size()) : fileName;
}

QStringList orderedEngineNames()
{
    struct Entry
    {
        int position;
        QString name;
    };
    std::vector<Entry> entries;
    const QStringList files = listEngineFiles();
    entries.reserve(files.size());
    for (const QString &file : files) {
        // Only files that the engine's own name leads back to ("Foo.XML" does not).
        if (!file.endsWith(xmlSuffix))
            continue;
        const QString name = engineNameOfFile(file);
        if (!isAcceptableEngineName(name))
            continue;
        entries.push_back(
            {engineNumber(readEngineValue(name, QStringLiteral("listPosition"))), name});
    }
    // Engines that share a position all stay listed, in scan order.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return a.position < b.position;
    });
    QStringList names;
    names.reserve(qsizetype(entries.size()));
    for (const Entry &entry : entries)
        names.append(entry.name);
    return names;
}

QString engineIconPath(const QString &name)
{
    const QString symbol = readEngineValue(name, QStringLiteral("Symbol"));
    if (symbol.isEmpty() || !QFileInfo(symbol).isFile())
        return QStringLiteral("img/unknown.png");
    return symbol;
}

void MainWindow::refreshEngineLists()
{
    mainForm->comboBoxEngine->clear();
    engineForm->listWidgetEngine->clear();
    // Engines that show the same image share one icon (most often the fallback image).
    QHash<QString, QIcon> icons;
    const QStringList names = orderedEngineNames();
    for (const QString &name : names) {
        const QString path = engineIconPath(name);
        auto icon = icons.find(path);
        if (icon == icons.end()) {
            icon = icons.insert(path, QIcon());
            icon->addFile(path, QSize(16, 16));
        }
        mainForm->comboBoxEngine->addItem(*icon, name);
        engineForm->listWidgetEngine->addItem(new QListWidgetItem(*icon, name));
    }
    comboBoxEngine_activated(0);
}
