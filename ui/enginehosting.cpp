// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's hosting of the engine dialog: its creation, its wiring and opening it.
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
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
}

// Opens the dialog in its browsing state: nothing loaded, every engine editor locked.
void MainWindow::option()
{
    if (QListWidgetItem *item = engineForm->listWidgetEngine->currentItem())
        item->setSelected(false);
    resetEngineEditors();
    engineForm->exec();
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
