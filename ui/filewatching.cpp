// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's following of files that change on disk: the ad sheet (another window's
// changes) and the engines folder (another window, an editor or a sync tool). Files are still
// read afresh where they are needed; following only adds updates.
#include "engines/catalogue.h"
#include "engines/enginesfolder.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QListWidget>
#include <QMessageBox>
#include <QSet>
#include <QTimer>

namespace {
// Events come in bursts (a save writes a temporary file and renames it); one update follows
// each burst.
constexpr int settleMs = 250;

QString fileStamp(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? QStringLiteral("%1 %2 %3")
                               .arg(info.lastModified().toMSecsSinceEpoch())
                               .arg(info.size())
                               .arg(info.metadataChangeTime().toMSecsSinceEpoch())
                         : QString();
}
} // namespace

void MainWindow::createFileWatching()
{
    m_fileWatcher = new QFileSystemWatcher(this);
    m_sheetFollowTimer = new QTimer(this);
    m_sheetFollowTimer->setSingleShot(true);
    m_sheetFollowTimer->setInterval(settleMs);
    m_engineFollowTimer = new QTimer(this);
    m_engineFollowTimer->setSingleShot(true);
    m_engineFollowTimer->setInterval(settleMs);
    connect(m_sheetFollowTimer, &QTimer::timeout, this, &MainWindow::followSheetFile);
    connect(m_engineFollowTimer, &QTimer::timeout, this, &MainWindow::followEngineFiles);
    const auto changed = [this](const QString &path) {
        const bool sheet = path == m_sheetPath || path == QFileInfo(m_sheetPath).absolutePath();
        (sheet ? m_sheetFollowTimer : m_engineFollowTimer)->start();
    };
    connect(m_fileWatcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_fileWatcher, &QFileSystemWatcher::directoryChanged, this, changed);
    m_sheetStamp = fileStamp(m_sheetPath);
    // The sheet's folder is watched for a sheet that another window creates.
    if (!m_sheetPath.isEmpty())
        QDir().mkpath(QFileInfo(m_sheetPath).absolutePath());
    // A profile replaced by a rename shows in its folder at once. Watching each file as well,
    // for editors that write in place, costs a call into the system per engine: it waits until
    // the window is up.
    watchFiles(false);
    QTimer::singleShot(settleMs, this, [this] { watchFiles(); });
}

// Watches the sheet, its folder (for a sheet that appears), the engines folder and, with
// `engineFiles`, each engine file. A file replaced by a rename is watched anew.
void MainWindow::watchFiles(bool engineFiles)
{
    QStringList paths;
    if (!m_sheetPath.isEmpty()) {
        paths << QFileInfo(m_sheetPath).absolutePath() << m_sheetPath;
    }
    const QString engines = enginesFolder();
    if (!engines.isEmpty()) {
        paths << engines;
        const QStringList files
            = !engineFiles ? QStringList()
                           : QDir(engines).entryList({QStringLiteral("*.xml")}, QDir::Files);
        for (const QString &file : files)
            paths << engines + QLatin1Char('/') + file;
    }
    const QStringList watchedList = m_fileWatcher->files() + m_fileWatcher->directories();
    const QSet<QString> watched(watchedList.cbegin(), watchedList.cend());
    QStringList missing;
    for (const QString &path : std::as_const(paths)) {
        if (!watched.contains(path) && QFileInfo::exists(path))
            missing << path;
    }
    if (!missing.isEmpty())
        m_fileWatcher->addPaths(missing);
}

void MainWindow::followSheetFile()
{
    watchFiles();
    // The lock and the temporary file of a save touch the folder too; only a new file counts.
    const QString stamp = fileStamp(m_sheetPath);
    if (stamp == m_sheetStamp)
        return;
    m_sheetStamp = stamp;
    syncSheetFile();
}

void MainWindow::followEngineFiles()
{
    watchFiles();
    const QList<CatalogueEntry> now = readCatalogue();
    if (now == m_catalogue)
        return;
    const QString loaded = m_loadedEngine;
    const CatalogueEntry *before = nullptr;
    for (const CatalogueEntry &entry : std::as_const(m_catalogue)) {
        if (entry.profile.name == loaded)
            before = &entry;
    }
    const CatalogueEntry *after = nullptr;
    for (const CatalogueEntry &entry : now) {
        if (entry.profile.name == loaded)
            after = &entry;
    }
    const bool loadedChanged = !loaded.isEmpty() && before && (!after || !(*after == *before));
    const QString chosen = mainForm->comboBoxEngine->currentText();
    refreshEngineLists();
    const int index = mainForm->comboBoxEngine->findText(chosen);
    if (index > 0) {
        mainForm->comboBoxEngine->setCurrentIndex(index);
        comboBoxEngine_activated(index);
    }
    // The dialog keeps what the user is editing, and its row.
    if (!loaded.isEmpty()) {
        setCurrentRowQuietly(engineRow(loaded));
    }
    if (loadedChanged && engineForm->isVisible())
        warnLoadedEngineChanged(after);
}

void MainWindow::warnLoadedEngineChanged(const CatalogueEntry *now)
{
    const QString text
        = now ? tr("The engine \"%1\" was changed on disk, by another window or program. The "
                   "dialog keeps what you are editing; Save writes it over the file.")
                    .arg(m_loadedEngine)
              : tr("The file of the engine \"%1\" was removed on disk, by another window or "
                   "program. The dialog keeps what you are editing; Save writes it again.")
                    .arg(m_loadedEngine);
    auto *box
        = new QMessageBox(QMessageBox::Warning, tr("Warning"), text, QMessageBox::Ok, engineForm);
    box->setObjectName(QStringLiteral("messageBoxEngineChanged"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
