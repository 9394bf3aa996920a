// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's hosting of the engine dialog: its creation, its wiring and opening it.
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QTextEdit>

void MainWindow::createEngineDialog()
{
    engineForm = new EngineForm(this);
    engineForm->setModal(true);
}

void MainWindow::connectEngineDialog()
{
    connect(
        engineForm->pushButtonNew, &QPushButton::clicked, this, &MainWindow::pushButtonNew_clicked);
    connect(engineForm->pushButtonEdit,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonEdit_clicked);
    connect(engineForm->pushButtonDelete,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonDelete_clicked);
    connect(engineForm->pushButtonSave,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonSave_clicked);
    connect(engineForm->pushButtonSymbol,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonSymbol_clicked);
    connect(
        engineForm->pushButtonUp, &QPushButton::clicked, this, &MainWindow::pushButtonUp_clicked);
    connect(engineForm->pushButtonDown,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonDown_clicked);

    // The editors are never left with unsaved changes without a question. The dialog's own
    // wiring would clear them on New, and press Edit on a click, before the main window could
    // ask; the main window does both itself.
    QListWidget *list = engineForm->listWidgetEngine;
    disconnect(engineForm->pushButtonNew, &QPushButton::clicked, engineForm->lineEditName, nullptr);
    disconnect(
        engineForm->pushButtonNew, &QPushButton::clicked, engineForm->lineEditSymbol, nullptr);
    disconnect(
        engineForm->pushButtonNew, &QPushButton::clicked, engineForm->textEditTemplate, nullptr);
    disconnect(engineForm->pushButtonNew, &QPushButton::clicked, list, nullptr);
    disconnect(list, &QListWidget::itemClicked, engineForm->pushButtonEdit, nullptr);
    connect(list, &QListWidget::itemClicked, this, &MainWindow::listWidgetEngine_itemClicked);
    connect(list,
            &QListWidget::currentRowChanged,
            this,
            &MainWindow::listWidgetEngine_currentRowChanged);
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    engineForm->setCloseGuard([this] { return settleUnsavedChanges(); });
}

// Opens the dialog in its browsing state: nothing loaded, every engine editor locked.
// No row is current either: the list's current row is always the engine the editors show.
void MainWindow::option()
{
    engineForm->listWidgetEngine->clearSelection();
    setCurrentRowQuietly(-1);
    resetEngineEditors();
    engineForm->exec();
}

// The user moved the list's current row with the keyboard (arrows, Home, End, the page keys,
// typing a name's first letters): that engine is loaded, as a click loads it.
void MainWindow::listWidgetEngine_currentRowChanged(int row)
{
    // Keys are handled once the list is done with them (see eventFilter).
    if (m_quietRowChange || m_listKeyHandled || !engineForm->isVisible())
        return;
    const QListWidgetItem *item = engineForm->listWidgetEngine->item(row);
    if (!item)
        return;
    // The view makes a row current by itself when it gains the focus, without highlighting
    // it; that row was not chosen, so the current row goes back to the engine shown.
    if (!item->isSelected()) {
        setCurrentRowQuietly(m_loadedEngine.isEmpty() ? -1 : engineRow(m_loadedEngine));
        return;
    }
    chooseEngineRow(row);
}

// A click on the engine shown presses Edit, as the dialog wires it, unless the reload would
// drop unsaved changes: clicking the engine being edited is not leaving it. Clicks on other
// engines are handled at the press (see eventFilter).
void MainWindow::listWidgetEngine_itemClicked(QListWidgetItem *item)
{
    if (item != engineForm->listWidgetEngine->currentItem() || editorsHoldUnsavedChanges())
        return;
    engineForm->pushButtonEdit->animateClick();
}

// The user chose the engine in `row` of the list: asks about unsaved changes first, then
// loads it; on Cancel the current row goes back to the engine shown.
void MainWindow::chooseEngineRow(int row)
{
    QString name = engineForm->listWidgetEngine->item(row)->text();
    if (name == m_loadedEngine)
        return;
    if (!settleUnsavedChanges(&name)) {
        setCurrentRowQuietly(m_loadedEngine.isEmpty() ? -1 : engineRow(m_loadedEngine));
        return;
    }
    loadEngine(name);
}

// The user's input on the engine list. A key press goes to the list first, and the engine
// its new current row shows is loaded afterwards. A mouse press on another engine's row is
// handled here, before the list makes that row current: the question about unsaved changes
// comes first, and on Cancel the list stays as it was. The press's release and any drag are
// swallowed with it, so the highlight never wanders from the engine shown.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    QListWidget *list = engineForm ? engineForm->listWidgetEngine : nullptr;
    if (list && watched == list && event->type() == QEvent::KeyPress && !m_listKeyHandled) {
        // The list moves its current row first; the engine it reaches is loaded afterwards,
        // when a Cancel can put the row back without the list overriding it.
        {
            QScopedValueRollback<bool> handling(m_listKeyHandled, true);
            QCoreApplication::sendEvent(list, event);
        }
        event->accept();
        const QListWidgetItem *current = list->currentItem();
        if (engineForm->isVisible() && current && current->text() != m_loadedEngine) {
            if (current->isSelected())
                chooseEngineRow(list->row(current));
            else
                setCurrentRowQuietly(m_loadedEngine.isEmpty() ? -1 : engineRow(m_loadedEngine));
        }
        return true;
    }
    if (!list || watched != list->viewport())
        return QMainWindow::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        QListWidgetItem *item = list->itemAt(mouse->position().toPoint());
        if (!item || (item->text() == m_loadedEngine && item == list->currentItem()))
            return false;
        m_listPressHandled = true;
        list->setFocus(Qt::MouseFocusReason);
        const QString name = item->text();
        chooseEngineRow(list->row(item));
        // As the dialog wires a click: Edit is pressed, and reloads the engine just loaded.
        if (m_loadedEngine == name && mouse->button() == Qt::LeftButton)
            engineForm->pushButtonEdit->animateClick();
        return true;
    }
    case QEvent::MouseMove:
        return m_listPressHandled || static_cast<QMouseEvent *>(event)->buttons() != Qt::NoButton;
    case QEvent::MouseButtonRelease: {
        const bool handled = m_listPressHandled;
        m_listPressHandled = false;
        return handled;
    }
    default:
        return false;
    }
}

// Makes `row` the current and only highlighted row (-1: none) without loading anything.
void MainWindow::setCurrentRowQuietly(int row)
{
    QScopedValueRollback<bool> quiet(m_quietRowChange, true);
    QListWidget *list = engineForm->listWidgetEngine;
    if (row < 0) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
}

// Back to browsing: no engine loaded, the text editors empty and every editor locked, nothing
// to save or delete.
void MainWindow::resetEngineEditors()
{
    engineForm->lineEditName->clear();
    engineForm->lineEditSymbol->clear();
    engineForm->textEditTemplate->clear();
    engineForm->comboBoxRules->setCurrentIndex(0);
    m_loadedEngine.clear();
    m_creatingEngine = false;
    setEngineEditorsLocked(true);
    engineForm->pushButtonSave->setEnabled(false);
    engineForm->pushButtonDelete->setEnabled(false);
}

// The eight widgets that show one engine are locked (read-only) and unlocked together.
void MainWindow::setEngineEditorsLocked(bool locked)
{
    engineForm->lineEditName->setReadOnly(locked);
    engineForm->textEditTemplate->setReadOnly(locked);
    engineForm->lineEditSymbol->setReadOnly(locked);
    engineForm->spinBoxTitleLimit->setReadOnly(locked);
    engineForm->spinBoxTextLimit->setReadOnly(locked);
    engineForm->spinBoxURLLimit->setReadOnly(locked);
    engineForm->spinBoxTextLineBreak->setReadOnly(locked);
    engineForm->comboBoxRules->setEnabled(!locked); // a combo box has no read-only state
}

// A question titled "Warning" with the buttons "&Yes" and "&No"; Escape and closing the box
// answer "&No". True only for "&Yes".
bool MainWindow::askYesNo(const QString &question, bool yesByDefault)
{
    QMessageBox box(QMessageBox::Question, tr("Warning"), question, QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(tr("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(tr("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
