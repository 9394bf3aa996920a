// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's engine editing in the engine dialog: New, Edit, Save and Delete.
#include "ads/rules.h"
#include "engines/enginefile.h"
#include "engines/plans.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

void MainWindow::pushButtonNew_clicked()
{
    engineForm->lineEditName->clear();
    engineForm->lineEditSymbol->clear();
    engineForm->textEditTemplate->clear();
    engineForm->comboBoxRules->setCurrentIndex(0);
    if (QListWidgetItem *item = engineForm->listWidgetEngine->currentItem())
        item->setSelected(false);
    engineForm->listWidgetEngine->setCurrentRow(-1);
    m_loadedEngine.clear();
    setEngineEditorsLocked(false);
    engineForm->pushButtonSave->setEnabled(true);
    engineForm->lineEditName->setFocus(Qt::OtherFocusReason);
    engineForm->pushButtonDelete->setEnabled(false);
}

void MainWindow::pushButtonEdit_clicked()
{
    QListWidgetItem *item = engineForm->listWidgetEngine->currentItem();
    if (!item)
        return;
    // Highlighted as well as current, so that Delete acts on the engine the editors show.
    engineForm->listWidgetEngine->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);

    const QString name = item->text();
    const EngineValues values = readEngineValues(name);
    engineForm->lineEditName->setText(readEngineValue(name, QStringLiteral("Name")));
    engineForm->lineEditSymbol->setText(values.symbol);
    engineForm->spinBoxTextLineBreak->setValue(values.textLineBreak);
    engineForm->spinBoxTitleLimit->setValue(values.limitTitle);
    engineForm->spinBoxTextLimit->setValue(values.limitText);
    engineForm->spinBoxURLLimit->setValue(values.limitURL);
    engineForm->textEditTemplate->setPlainText(values.templateText);
    // Missing, empty and unknown rules all count as plain, and show so.
    const Rules rules = rulesNamed(values.rules);
    engineForm->comboBoxRules->setCurrentIndex(
        rules == Rules::Plain ? 0 : engineForm->comboBoxRules->findData(rulesIdentifier(rules)));
    m_loadedEngine = name;

    setEngineEditorsLocked(false);
    engineForm->pushButtonSave->setEnabled(true);
    engineForm->pushButtonDelete->setEnabled(true);
}

void MainWindow::pushButtonSave_clicked()
{
    const QString name = engineForm->lineEditName->text();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("Warning"), tr("Please enter a name.."));
        return;
    }
    if (!isPortableEngineName(name)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The name \"%1\" cannot be used for an engine file: it must not "
                                "be \".\" or \"..\" nor contain / \\ : * ? \" < > | or control "
                                "characters.")
                                 .arg(name));
        return;
    }

    // The engine the editors show keeps its row, even when the keyboard has since moved the
    // list's current row elsewhere; a new engine goes after all others.
    const QString oldName = m_loadedEngine;
    int position = oldName.isEmpty() ? -1 : engineRow(oldName);
    if (position < 0)
        position = engineForm->listWidgetEngine->count();

    if (name != oldName && QFileInfo(engineFilePath(name)).isFile()
        && !askYesNo(tr("An engine named \"%1\" already exists.\nReplace it?").arg(name), false))
        return;

    // Write first, remove the old name's file second: a failure at either step loses no engine.
    if (!writeEngineValues(name, editorValues(), position)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The engine \"%1\" could not be saved: its file could not be "
                                "written.\nNo engine file has been changed.")
                                 .arg(name));
        return;
    }
    if (!oldName.isEmpty() && name != oldName)
        removeEngineFile(oldName); // says so itself if the old file stays

    refreshEngineLists();
    m_loadedEngine.clear();
    setEngineEditorsLocked(true);
    engineForm->pushButtonSave->setEnabled(false);
    engineForm->pushButtonDelete->setEnabled(false);
}

void MainWindow::pushButtonDelete_clicked()
{
    QListWidget *list = engineForm->listWidgetEngine;
    const QListWidgetItem *item = list->currentItem();
    if (!item || !item->isSelected()) {
        QMessageBox::information(this, tr("Information"), tr("Please select a item first.."));
        return;
    }

    // The rows as they stand before the removal. The removed engine's row, unlike a position
    // stored in its file, can never point before it and so write the removed engine anew.
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());
    const int removedRow = list->row(item);

    // Declined, or the file stayed on disk (deleteFile has said so): nothing to renumber.
    if (!deleteFile(0))
        return;

    const QList<EnginePosition> plan = renumberingAfterRemoval(rows, removedRow);
    for (const EnginePosition &entry : plan) {
        // An engine whose file has gone meanwhile is not made anew.
        if (!QFileInfo(engineFilePath(entry.name)).isFile())
            continue;
        if (!writeEngineValues(entry.name, readEngineValues(entry.name), entry.position)) {
            QMessageBox::warning(this,
                                 tr("Warning"),
                                 tr("The engine \"%1\" could not be given its new position; its "
                                    "file was left as it was.")
                                     .arg(entry.name));
        }
    }

    refreshEngineLists();
    resetEngineEditors();
}

// The engine as the editors show it, apart from its name.
EngineValues MainWindow::editorValues() const
{
    EngineValues values;
    values.symbol = engineForm->lineEditSymbol->text();
    values.limitTitle = engineForm->spinBoxTitleLimit->value();
    values.limitText = engineForm->spinBoxTextLimit->value();
    values.limitURL = engineForm->spinBoxURLLimit->value();
    values.textLineBreak = engineForm->spinBoxTextLineBreak->value();
    values.templateText = engineForm->textEditTemplate->toPlainText();
    values.rules = engineForm->comboBoxRules->currentData().toString();
    return values;
}

// The row of engine `name` in the dialog's list, -1 when it is not listed.
int MainWindow::engineRow(const QString &name) const
{
    const QListWidget *list = engineForm->listWidgetEngine;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->text() == name)
            return row;
    }
    return -1;
}
