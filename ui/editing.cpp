// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's engine editing in the engine dialog: New, Edit, Save and Delete.
#include "ads/rules.h"
#include "ads/templatelayout.h"
#include "engines/enginefile.h"
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
    if (!settleUnsavedChanges())
        return;
    engineForm->lineEditName->clear();
    engineForm->lineEditSymbol->clear();
    engineForm->textEditTemplate->clear();
    engineForm->comboBoxRules->setCurrentIndex(0);
    engineForm->listWidgetEngine->clearSelection();
    setCurrentRowQuietly(-1);
    m_loadedEngine.clear();
    setEngineEditorsLocked(false);
    engineForm->pushButtonSave->setEnabled(true);
    engineForm->lineEditName->setFocus(Qt::OtherFocusReason);
    engineForm->pushButtonDelete->setEnabled(false);
    markEditorsLoaded(true);
}

void MainWindow::pushButtonEdit_clicked()
{
    const QListWidgetItem *item = engineForm->listWidgetEngine->currentItem();
    if (!item)
        return;
    QString name = item->text();
    // Edit again of the engine shown reloads it from its file, so it asks first as well; a
    // save under a new name then reloads the engine under that name.
    if (!settleUnsavedChanges(&name))
        return;
    loadEngine(name);
}

void MainWindow::pushButtonSave_clicked()
{
    saveEngine();
}

// Writes the engine the editors show; true when it was written. Back to browsing then, with
// the saved values still shown.
bool MainWindow::saveEngine()
{
    const QString name = engineForm->lineEditName->text();
    if (name.isEmpty()) {
        QMessageBox::warning(this, tr("Warning"), tr("Please enter a name.."));
        return false;
    }
    if (!isPortableEngineName(name)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The name \"%1\" cannot be used for an engine file: it must not "
                                "be \".\" or \"..\" nor contain / \\ : * ? \" < > | or control "
                                "characters.")
                                 .arg(name));
        return false;
    }
    // The engine lists leave out hidden files: saved under such a name, the engine would vanish
    // from both lists, and a renamed one would lose its old file as well.
    if (!isListableEngineName(name)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The name \"%1\" cannot be used for an engine: a name that starts "
                                "with \".\" names a hidden file, which the engine lists do not "
                                "show.\nNo engine file has been changed.")
                                 .arg(name));
        return false;
    }

    // A template that the preview will not lay out is saved only when the user insists.
    if (!isWithinLayoutBounds(measureTemplateLayout(engineForm->textEditTemplate->toPlainText()))
        && !askYesNo(tr("The template of \"%1\" nests tables or other elements too deeply, or "
                        "holds too many table cells: the preview will not show it.\nSave it "
                        "anyway?")
                         .arg(name),
                     false))
        return false;

    // The engine the editors show keeps its row; a new engine goes after all others.
    const QString oldName = m_loadedEngine;
    int position = oldName.isEmpty() ? -1 : engineRow(oldName);
    if (position < 0)
        position = engineForm->listWidgetEngine->count();

    if (name != oldName && QFileInfo(engineFilePath(name)).isFile()
        && !askYesNo(tr("An engine named \"%1\" already exists.\nReplace it?").arg(name), false))
        return false;

    // Write first, remove the old name's file second: a failure at either step loses no engine.
    if (!writeEngineValues(name, editorValues(), position, m_seams.writeFile)) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The engine \"%1\" could not be saved: its file could not be "
                                "written.\nNo engine file has been changed.")
                                 .arg(name));
        return false;
    }
    if (!oldName.isEmpty() && name != oldName)
        removeEngineFile(oldName); // says so itself if the old file stays

    refreshEngineLists();
    m_loadedEngine.clear();
    m_creatingEngine = false;
    setEngineEditorsLocked(true);
    engineForm->pushButtonSave->setEnabled(false);
    engineForm->pushButtonDelete->setEnabled(false);
    return true;
}

void MainWindow::pushButtonDelete_clicked()
{
    // Delete removes the engine the editors show, whatever the list highlights.
    QListWidget *list = engineForm->listWidgetEngine;
    const int removedRow = m_loadedEngine.isEmpty() ? -1 : engineRow(m_loadedEngine);
    if (removedRow < 0) {
        QMessageBox::information(this, tr("Information"), tr("Please select a item first.."));
        return;
    }
    setCurrentRowQuietly(removedRow);

    // The rows as they stand before the removal. The removed engine's row, unlike a position
    // stored in its file, can never point before it and so write the removed engine anew.
    QStringList rows;
    for (int row = 0; row < list->count(); ++row)
        rows.append(list->item(row)->text());

    // Declined, or the file stayed on disk (deleteFile has said so): nothing to renumber.
    if (!deleteFile(0))
        return;

    // Files that cannot be read keep their bytes: renumbering them would write blanks over
    // them.
    const QList<EngineLeftAlone> leftAlone
        = applyRenumbering(renumberingAfterRemoval(rows, removedRow), m_seams.writeFile);

    refreshEngineLists();
    resetEngineEditors();
    if (!leftAlone.isEmpty())
        QMessageBox::warning(this, tr("Warning"), leftAloneText(leftAlone));
}

// Fills the editors from engine `name`'s file, makes its row the current and highlighted one,
// and unlocks the editors. A file that cannot be read is said so at once, before its blank
// editors could be saved over it.
void MainWindow::loadEngine(const QString &name)
{
    const int row = engineRow(name);
    if (row < 0)
        return;
    setCurrentRowQuietly(row);
    const bool reloaded = name == m_loadedEngine;

    const EngineFile file = readEngineFile(name);
    engineForm->lineEditName->setText(file.nameField);
    engineForm->lineEditSymbol->setText(file.profile.symbol);
    engineForm->spinBoxTextLineBreak->setValue(file.profile.textLineBreak);
    engineForm->spinBoxTitleLimit->setValue(file.profile.limitTitle);
    engineForm->spinBoxTextLimit->setValue(file.profile.limitText);
    engineForm->spinBoxURLLimit->setValue(file.profile.limitURL);
    engineForm->textEditTemplate->setPlainText(file.profile.templateText);
    // Missing, empty and unknown rules all count as plain, and show so.
    const Rules rules = rulesNamed(file.profile.rules);
    engineForm->comboBoxRules->setCurrentIndex(
        rules == Rules::Plain ? 0 : engineForm->comboBoxRules->findData(rulesIdentifier(rules)));
    m_loadedEngine = name;

    setEngineEditorsLocked(false);
    engineForm->pushButtonSave->setEnabled(true);
    engineForm->pushButtonDelete->setEnabled(true);
    markEditorsLoaded(false);

    if (!reloaded && !unreadableReason(file).isEmpty()) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             unreadableEngineText(file) + QLatin1Char('\n')
                                 + tr("Its editors show blank values; saving them would replace "
                                      "the file."));
    }
}

// The engine as the editors show it, name included.
EngineProfile MainWindow::shownDraft() const
{
    EngineProfile shown = editorValues();
    shown.name = engineForm->lineEditName->text();
    return shown;
}

// From now on, changes are measured against what the editors show now.
void MainWindow::markEditorsLoaded(bool creating)
{
    m_creatingEngine = creating;
    m_loadedDraft = shownDraft();
}

// Whether leaving the editors now would lose anything the user typed or chose. Every editor
// counts: whatever editorValues() reads is compared.
bool MainWindow::editorsHoldUnsavedChanges() const
{
    if (!m_creatingEngine && m_loadedEngine.isEmpty())
        return false;
    return hasUnsavedChanges(m_loadedDraft, shownDraft(), m_creatingEngine);
}

// Before the editors are left: when they hold unsaved changes, asks whether to save them.
// True when the caller may go on (nothing changed, saved, or discarded); false when the user
// cancels or the save fails, and the editors stay as they are. When `follow` names the engine
// shown and the save renames it, it is set to the new name.
bool MainWindow::settleUnsavedChanges(QString *follow)
{
    if (!editorsHoldUnsavedChanges())
        return true;
    const QString question
        = m_creatingEngine
              ? tr("The new engine has not been saved.\nSave it?")
              : tr("The engine \"%1\" has changes that have not been saved.\nSave them?")
                    .arg(m_loadedEngine);
    QMessageBox box(QMessageBox::Warning,
                    tr("Warning"),
                    question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    this);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;

    const QString oldName = m_loadedEngine;
    const QString savedName = engineForm->lineEditName->text();
    if (!saveEngine())
        return false;
    if (follow && !oldName.isEmpty() && *follow == oldName)
        *follow = savedName;
    return true;
}

// The engine as the editors show it, apart from its name (empty) and position (0).
EngineProfile MainWindow::editorValues() const
{
    EngineProfile values;
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
