// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's removal of the dialog's current engine.
#include "engines/enginefile.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QFile>
#include <QListWidget>
#include <QMessageBox>

// Removes the file of the dialog list's current engine, asking first when `confirm` is 0.
// False when there is no current engine, the user declines, or the file stays on disk.
bool MainWindow::deleteFile(int confirm)
{
    const QListWidgetItem *item = engineForm->listWidgetEngine->currentItem();
    if (!item)
        return false;
    const QString name = item->text();

    if (confirm == 0 && !askYesNo(tr("Are you sure?\nRemove Engine: %1").arg(name), true))
        return false;

    return removeEngineFile(name);
}

// Removes engine `name`'s file if there is one; a file that stays on disk is reported.
bool MainWindow::removeEngineFile(const QString &name)
{
    QFile file(engineFilePath(name));
    if (isAcceptableEngineName(name) && file.exists() && !file.remove()) {
        QMessageBox::warning(
            this,
            tr("Warning"),
            tr("The engine \"%1\" could not be removed:\n%2").arg(name, file.errorString()));
        return false;
    }
    return true;
}
