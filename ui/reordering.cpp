// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's reordering of the engine dialog's list: Up and Down.
#include "engines/enginefile.h"
#include "engines/plans.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QListWidget>
#include <QMessageBox>

void MainWindow::pushButtonUp_clicked()
{
    moveEngine(-1);
}

void MainWindow::pushButtonDown_clicked()
{
    moveEngine(1);
}

// Swaps the list's current engine with its neighbour `step` rows away, by rewriting both files
// with each other's row as position, then leaves the moved engine highlighted and loaded.
void MainWindow::moveEngine(int step)
{
    QListWidget *list = engineForm->listWidgetEngine;
    const QListWidgetItem *item = list->currentItem();
    if (!item) {
        QMessageBox::information(this, tr("Information"), tr("Please select a engine.."));
        return;
    }
    const int row = list->row(item);
    const int otherRow = neighbourRow(row, list->count(), step);
    if (otherRow < 0)
        return;
    const QString moved = item->text();
    const QString neighbour = list->item(otherRow)->text();

    // The editors hold the moved engine's values, unsaved changes included, only when they show
    // that engine; after a keyboard selection or a fresh opening its own file supplies them.
    const EngineValues movedValues
        = m_loadedEngine == moved ? editorValues() : readEngineValues(moved);
    const EngineValues neighbourValues = readEngineValues(neighbour);
    const int neighbourPosition
        = engineNumber(readEngineValue(neighbour, QStringLiteral("listPosition")));

    // Both files are rewritten in place, each write atomic, the neighbour first. When the moved
    // engine then cannot be written, the neighbour is written back at its old position, so the
    // two files are as they were rather than swapped halfway. The list and the editors stay as
    // they are, and the user can try again.
    if (!writeEngineValues(neighbour, neighbourValues, row)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The engine \"%1\" could not be moved: the file of \"%2\" could "
                                "not be written.\nThe engine files were left as they were.")
                                 .arg(moved, neighbour));
        return;
    }
    if (!writeEngineValues(moved, movedValues, otherRow)) {
        if (writeEngineValues(neighbour, neighbourValues, neighbourPosition)) {
            QMessageBox::warning(this,
                                 tr("Warning"),
                                 tr("The engine \"%1\" could not be moved: its file could not be "
                                    "written.\nThe engine files were left as they were.")
                                     .arg(moved));
        } else {
            QMessageBox::warning(this,
                                 tr("Warning"),
                                 tr("The engine \"%1\" could not be moved: its file could not be "
                                    "written, and \"%2\" could not be put back.\nBoth engines "
                                    "are still there but now share one position.")
                                     .arg(moved, neighbour));
        }
        return;
    }

    refreshEngineLists();
    // Found by name: engines may share a position, so the stored one does not give the row.
    const int movedRow = engineRow(moved);
    if (movedRow >= 0)
        list->setCurrentRow(movedRow, QItemSelectionModel::ClearAndSelect);
    pushButtonEdit_clicked();
}
