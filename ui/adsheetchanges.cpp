// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's changes to the ad sheet: each one undoable, saved as a change into the file as
// it is on disk, with the sheet shown as the file then holds it; moving rows; the dock's room
// and the window's stored state.
#include "app/globals.h"
#include "ui/adsheetmodel.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>

#include <functional>

namespace {
// One change set on the undo stack: done and undone through the window, into the file.
class SheetCommand : public QUndoCommand
{
public:
    SheetCommand(const QString &text,
                 const SheetChanges &changes,
                 std::function<void(const SheetChanges &)> commit)
        : QUndoCommand(text)
        , m_changes(changes)
        , m_commit(std::move(commit))
    {}

    void redo() override { m_commit(m_changes); }
    void undo() override { m_commit(invertSheetChanges(m_changes)); }

private:
    SheetChanges m_changes;
    std::function<void(const SheetChanges &)> m_commit;
};

const QString windowStateKey = QStringLiteral("windowState");
} // namespace

void MainWindow::createSheetUndo()
{
    m_sheetUndo = new QUndoStack(this);
    m_undoAction = m_sheetUndo->createUndoAction(this, tr("&Undo"));
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_redoAction = m_sheetUndo->createRedoAction(this, tr("&Redo"));
    m_redoAction->setShortcut(QKeySequence::Redo);
    // The keys undo in the sheet; in an ad field they stay the field's own.
    for (QAction *action : {m_undoAction, m_redoAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_sheetDock->addAction(action);
    }
    editMenu->addSeparator();
    editMenu->addAction(m_undoAction);
    editMenu->addAction(m_redoAction);

    m_undoRemoveButton = new QPushButton(tr("&Undo"), this);
    m_undoRemoveButton->setObjectName(QStringLiteral("pushButtonUndoRemove"));
    m_undoRemoveButton->setFlat(true);
    m_undoRemoveButton->hide();
    // Beside the verdicts, where the message beside it does not cover it.
    statusBar()->insertPermanentWidget(0, m_undoRemoveButton);
    connect(m_undoRemoveButton, &QPushButton::clicked, m_sheetUndo, &QUndoStack::undo);
    // The offer lasts as long as its message, and only while the removal is the last change.
    connect(statusBar(), &QStatusBar::messageChanged, m_undoRemoveButton, [this](const QString &m) {
        if (m.isEmpty())
            m_undoRemoveButton->hide();
    });
    connect(m_sheetUndo, &QUndoStack::indexChanged, m_undoRemoveButton, &QWidget::hide);
}

void MainWindow::offerUndoInStatusBar(const QString &message)
{
    statusBar()->showMessage(message, 15000);
    m_undoRemoveButton->show();
}

void MainWindow::pushSheetChanges(const QString &text, const SheetChanges &changes)
{
    if (changes.isEmpty())
        return;
    m_sheetUndo->push(new SheetCommand(
        text, changes, [this](const SheetChanges &done) { commitSheetChanges(done); }));
}

void MainWindow::commitSheetChanges(const SheetChanges &changes)
{
    SheetChanges all = m_pendingSheetChanges;
    all += changes;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const SheetSave save = saveSheetChanges(m_sheetPath, all, sheetStaleLockMs, m_seams.writeFile);
    QGuiApplication::restoreOverrideCursor();
    if (!save.saved) {
        // Shown here and kept for the next save; nothing of it is lost.
        m_pendingSheetChanges = all;
        showSheetRows(applySheetChanges(m_sheetModel->rows(), changes).rows);
        reportSheetSaveFailure(save);
        return;
    }
    m_pendingSheetChanges.clear();
    m_sheetSaveFailed = false;
    showSheetRows(save.merge.rows);
    tellSheetMerge(save);
    watchFiles();
}

// Reads the file under its lock, with the changes not yet saved put in again.
void MainWindow::syncSheetFile()
{
    const SheetSave save
        = saveSheetChanges(m_sheetPath, m_pendingSheetChanges, sheetStaleLockMs, m_seams.writeFile);
    if (!save.locked)
        return;
    if (save.saved)
        m_pendingSheetChanges.clear();
    showSheetRows(save.merge.rows);
    tellSheetMerge(save);
}

void MainWindow::showSheetRows(const SheetRows &rows)
{
    const QList<int> selected = selectedSheetRows();
    QStringList ids;
    for (const int row : selected)
        ids.append(m_sheetModel->rows().at(row).id);
    const QModelIndex current = m_sheetProxy->mapToSource(m_sheetView->currentIndex());
    const QString currentId
        = current.isValid() ? m_sheetModel->rows().at(current.row()).id : QString();
    if (rows == m_sheetModel->rows())
        return;
    m_sheetModel->setRows(rows);
    selectSheetIds(ids);
    const int now = m_sheetModel->rowOf(currentId);
    if (now >= 0) {
        m_sheetView->selectionModel()->setCurrentIndex(
            m_sheetProxy->mapFromSource(m_sheetModel->index(now, 0)),
            QItemSelectionModel::NoUpdate);
    }
}

void MainWindow::selectSheetIds(const QStringList &ids)
{
    QItemSelection selection;
    const int last = m_sheetModel->columnCount() - 1;
    for (const QString &id : ids) {
        const int row = m_sheetModel->rowOf(id);
        if (row >= 0)
            selection.select(m_sheetModel->index(row, 0), m_sheetModel->index(row, last));
    }
    m_sheetView->selectionModel()->select(m_sheetProxy->mapSelectionFromSource(selection),
                                          QItemSelectionModel::ClearAndSelect);
    if (ids.size() == 1 && !selection.isEmpty())
        m_sheetView->scrollTo(m_sheetProxy->mapFromSource(selection.first().topLeft()));
}

// The selected rows of the model (the file's order), ascending.
QList<int> MainWindow::selectedSheetRows() const
{
    QList<int> rows;
    const QModelIndexList selected = m_sheetView->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected)
        rows.append(m_sheetProxy->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QString MainWindow::sheetRowIdBefore(int row) const
{
    return row > 0 && row <= m_sheetModel->rows().size() ? m_sheetModel->rows().at(row - 1).id
                                                         : QString();
}

void MainWindow::tellSheetMerge(const SheetSave &save)
{
    if (!save.read.keptAs.isEmpty()) {
        statusBar()->showMessage(tr("The ad sheet could not be read whole and is kept as %1.")
                                     .arg(QDir::toNativeSeparators(save.read.keptAs)));
    }
    const SheetMerge &merge = save.merge;
    if (!merge.hadConflicts())
        return;
    QStringList said;
    if (merge.editedTwice > 0)
        said << tr("%n ad(s) changed here were also changed in another window: both versions "
                   "are kept, this one in place, the other as a new row.",
                   nullptr,
                   merge.editedTwice);
    if (merge.keptEdited > 0)
        said << tr("%n ad(s) removed here had been changed in another window and stay.",
                   nullptr,
                   merge.keptEdited);
    if (merge.restored > 0)
        said << tr("%n ad(s) changed here had been removed in another window and are back.",
                   nullptr,
                   merge.restored);
    // Told once, without holding up the window or the other windows' changes.
    auto *box = new QMessageBox(QMessageBox::Information,
                                tr("Information"),
                                said.join(QLatin1Char('\n')),
                                QMessageBox::Ok,
                                this);
    box->setObjectName(QStringLiteral("messageBoxSheetMerge"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// Moves the selected rows one place up (-1) or down (1). A sorted sheet first takes the order
// shown as its own: moving rows is the one step that changes the file's order.
void MainWindow::moveSheetRows(int step)
{
    QStringList shown;
    const int count = m_sheetProxy->rowCount();
    for (int row = 0; row < count; ++row)
        shown.append(m_sheetModel->rows()
                         .at(m_sheetProxy->mapToSource(m_sheetProxy->index(row, 0)).row())
                         .id);
    QList<int> selected;
    const QModelIndexList rows = m_sheetView->selectionModel()->selectedRows();
    for (const QModelIndex &index : rows)
        selected.append(index.row());
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    if (step > 0)
        std::reverse(selected.begin(), selected.end());
    QStringList order = shown;
    int limit = step < 0 ? 0 : count - 1; // a block at the edge stays
    QStringList moved;
    for (const int row : std::as_const(selected)) {
        moved.append(shown.at(row));
        if (row == limit) {
            limit -= step;
            continue;
        }
        order.swapItemsAt(row, row + step);
    }
    QStringList previous;
    for (const SheetRow &row : m_sheetModel->rows())
        previous.append(row.id);
    m_sheetView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_sheetProxy->sort(-1);
    if (order != previous) {
        pushSheetChanges(tr("Move Ads"), {{SheetChange::Move, {}, {}, {}, {}, order, previous}});
    }
    selectSheetIds(moved);
}

// A dock that cannot have room for its table and buttons in the window floats.
void MainWindow::fitSheetDock(bool visible)
{
    if (!visible || m_sheetDock->isFloating() || !screen())
        return;
    const QSize needed = minimumSizeHint().expandedTo(minimumSize());
    if (needed.height() > screen()->availableGeometry().height())
        m_sheetDock->setFloating(true);
}

void MainWindow::restoreWindowState()
{
    if (editToolBar->objectName().isEmpty())
        editToolBar->setObjectName(QStringLiteral("toolBarEdit"));
    QSettings settings(App::organizationName, App::applicationName);
    restoreState(settings.value(windowStateKey).toByteArray());
}
