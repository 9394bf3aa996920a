// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's reordering of the engine dialog's list: Up and Down.
#include "engines/enginefile.h"
#include "engines/plans.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>

#include <utility>

void MainWindow::pushButtonUp_clicked()
{
    moveEngine(-1);
}

void MainWindow::pushButtonDown_clicked()
{
    moveEngine(1);
}

// Swaps the engine the editors show with its neighbour `step` rows away, by rewriting both
// files with each other's row as position, then leaves the moved engine highlighted and
// loaded.
void MainWindow::moveEngine(int step)
{
    QListWidget *list = engineForm->listWidgetEngine;
    const int row = m_loadedEngine.isEmpty() ? -1 : engineRow(m_loadedEngine);
    if (row < 0) {
        QMessageBox::information(this, tr("Information"), tr("Please select a engine.."));
        return;
    }
    const int otherRow = neighbourRow(row, list->count(), step);
    if (otherRow < 0)
        return;
    const QString moved = m_loadedEngine;
    const QString neighbour = list->item(otherRow)->text();

    // A file that cannot be read is never rewritten: its blank values would replace what the
    // user wrote. The move is refused instead, and both files stay as they are.
    const EngineFile movedFile = readEngineFile(moved);
    const EngineFile neighbourFile = readEngineFile(neighbour);
    QList<EngineLeftAlone> unreadable;
    for (const auto &[name, file] : {std::pair{moved, movedFile}, {neighbour, neighbourFile}}) {
        if (const QString reason = unreadableReason(file); !reason.isEmpty())
            unreadable.append({name, reason});
    }
    if (!unreadable.isEmpty()) {
        QMessageBox::warning(this, tr("Warning"), moveRefusedText(moved, unreadable));
        return;
    }

    // The editors show the moved engine, and its unsaved values travel with it; a name typed
    // there is not applied by a move but stays in its editor, still unsaved.
    const EngineProfile movedValues = editorValues();
    const EngineProfile neighbourValues = neighbourFile.profile;
    const int neighbourPosition = neighbourFile.profile.listPosition;
    const QString typedName = engineForm->lineEditName->text();
    const bool nameTyped = typedName != m_loadedDraft.name;

    // Both files are rewritten in place, each write atomic, the neighbour first. When the moved
    // engine then cannot be written, the neighbour is written back at its old position, so the
    // two files are as they were rather than swapped halfway. The list and the editors stay as
    // they are, and the user can try again.
    if (!writeEngineValues(neighbour, neighbourValues, row, m_seams.writeFile)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The engine \"%1\" could not be moved: the file of \"%2\" could "
                                "not be written.\nThe engine files were left as they were.")
                                 .arg(moved, neighbour));
        return;
    }
    if (!writeEngineValues(moved, movedValues, otherRow, m_seams.writeFile)) {
        if (writeEngineValues(neighbour, neighbourValues, neighbourPosition, m_seams.writeFile)) {
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
    loadEngine(moved);
    if (nameTyped)
        engineForm->lineEditName->setText(typedName);
}
