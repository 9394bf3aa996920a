// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the engine dialog as a user would in the dialog's tests: opening it through the main
// window, clicking rows, answering message boxes and the file dialog, and reading the engine
// files back.

#include "testsupport.h"

#include "ads/enginestate.h"
#include "app/globals.h"
#include "engines/enginefile.h"
#include "engines/plans.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace DialogDriver {

inline QString enginesFolder()
{
    return App::applicationDirectory + QStringLiteral("/files");
}

inline QString engineName(int index)
{
    return QStringLiteral("E%1").arg(index);
}

// Writes engines E0..E<count-1> at positions 0..count-1, each with values of its own.
inline bool seedEngines(int count)
{
    for (int i = 0; i < count; ++i) {
        if (!writeEngineFile(engineName(i),
                             QStringLiteral("symbols/%1.png").arg(i),
                             uint(10 + i),
                             uint(20 + i),
                             uint(30 + i),
                             i,
                             5 + i,
                             QStringLiteral("<p>%TITLE% of engine %1</p>").arg(i)))
            return false;
    }
    return true;
}

// Every file in the engines folder, by file name, byte for byte.
inline QMap<QString, QByteArray> engineFiles()
{
    QMap<QString, QByteArray> files;
    const QDir folder(enginesFolder());
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.insert(name, file.readAll());
    }
    return files;
}

inline int storedPosition(const QString &name)
{
    return engineNumber(readEngineValue(name, QStringLiteral("listPosition")));
}

inline QStringList listRows(const EngineForm *form)
{
    QStringList rows;
    for (int row = 0; row < form->listWidgetEngine->count(); ++row)
        rows.append(form->listWidgetEngine->item(row)->text());
    return rows;
}

inline QStringList comboRows(const MainWindow &window)
{
    QStringList rows;
    for (int row = 0; row < window.mainForm->comboBoxEngine->count(); ++row)
        rows.append(window.mainForm->comboBoxEngine->itemText(row));
    return rows;
}

// Chooses the engine in `row` of the main form's engine chooser.
inline void showEngineInMainForm(MainWindow &window, int row)
{
    window.mainForm->comboBoxEngine->setCurrentIndex(row);
    window.comboBoxEngine_activated(row);
}

// Whether the main form has the catalogue's first engine chosen and loaded.
inline bool mainFormShowsFirstEngine(const MainWindow &window)
{
    const QComboBox *combo = window.mainForm->comboBoxEngine;
    if (combo->count() == 0 || combo->currentIndex() != 0)
        return false;
    const QString first = combo->itemText(0);
    const EngineProfile values = readEngineValues(first);
    return currentEngine.limitTitle == values.limitTitle
           && currentEngine.limitText == values.limitText
           && currentEngine.limitURL == values.limitURL;
}

// Whether all seven engine editors are read-only (`locked`) or all writable.
inline bool editorsLocked(const EngineForm *form, bool locked)
{
    return form->lineEditName->isReadOnly() == locked
           && form->lineEditSymbol->isReadOnly() == locked
           && form->textEditTemplate->isReadOnly() == locked
           && form->spinBoxTitleLimit->isReadOnly() == locked
           && form->spinBoxTextLimit->isReadOnly() == locked
           && form->spinBoxURLLimit->isReadOnly() == locked
           && form->spinBoxTextLineBreak->isReadOnly() == locked;
}

// Types `text` over the whole contents of a line edit or spin box.
inline void retype(QWidget *editor, const QString &text)
{
    if (auto line = qobject_cast<QLineEdit *>(editor))
        line->selectAll();
    else if (auto spin = qobject_cast<QAbstractSpinBox *>(editor))
        spin->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
}

// Clicks the list row that shows `name` with the mouse and waits for the Edit it presses.
inline bool clickRow(EngineForm *form, const QString &name)
{
    QListWidget *list = form->listWidgetEngine;
    const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
    if (items.size() != 1) {
        qWarning("no single row shows %s", qPrintable(name));
        return false;
    }
    QSignalSpy edits(form->pushButtonEdit, &QAbstractButton::clicked);
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    return QTest::qWaitFor([&edits] { return edits.count() == 1; }, 2000);
}

// Whether the row showing `name` is the list's current row and its only highlighted one.
inline bool rowIsChosen(const EngineForm *form, const QString &name)
{
    const QListWidget *list = form->listWidgetEngine;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return list->currentItem() && list->currentItem()->text() == name && selected.size() == 1
           && selected.first() == list->currentItem();
}

// A message box as it was shown.
struct Box
{
    QString title;
    QString text;
    QString defaultButton;
    QString escapeButton;
};

struct Answers
{
    QList<Box> boxes;
};

namespace Detail {
// Counts the dialog sessions; an answer still waiting when its session ends is dropped, so it
// cannot answer a box of a later test.
inline int &session()
{
    static int count = 0;
    return count;
}

// Waits up to about two seconds for a modal widget of type T other than the engine dialog.
template<typename T>
void whenShown(std::function<void(T *)> answer, int triesLeft = 200, int session = -1)
{
    if (session < 0)
        session = Detail::session();
    TestSupport::onNextModal([answer, triesLeft, session](QWidget *modal) {
        if (session != Detail::session())
            return;
        if (auto widget = qobject_cast<T *>(modal))
            answer(widget);
        else if (triesLeft > 0)
            whenShown<T>(answer, triesLeft - 1, session);
    });
}

inline void answerFrom(const std::shared_ptr<Answers> &answers, QStringList buttons)
{
    if (buttons.isEmpty())
        return;
    whenShown<QMessageBox>([answers, buttons](QMessageBox *box) mutable {
        const QString wanted = buttons.takeFirst();
        answers->boxes.append({box->windowTitle(),
                               box->text(),
                               box->defaultButton() ? box->defaultButton()->text() : QString(),
                               box->escapeButton() ? box->escapeButton()->text() : QString()});
        answerFrom(answers, buttons);
        const QList<QAbstractButton *> choices = box->buttons();
        for (QAbstractButton *button : choices) {
            if (button->text() == wanted) {
                button->click();
                return;
            }
        }
        qWarning("no button %s in the message box", qPrintable(wanted));
        box->done(0);
    });
}
} // namespace Detail

// Answers the next message boxes, one after the other, with the buttons of these texts, and
// notes what each box said.
inline std::shared_ptr<Answers> answerBoxes(const QStringList &buttons)
{
    auto answers = std::make_shared<Answers>();
    Detail::answerFrom(answers, buttons);
    return answers;
}

// The text of a standard button as the message boxes show it in this run's language.
inline QString standardButtonText(QMessageBox::StandardButton which)
{
    QMessageBox box;
    box.setStandardButtons(which);
    return box.button(which)->text();
}

struct FileDialogSeen
{
    bool shown = false;
    QString caption;
    QString directory;
    QStringList nameFilters;
};

// Answers the next file dialog with `path`, or cancels it when `path` is empty.
inline std::shared_ptr<FileDialogSeen> answerFileDialog(const QString &path)
{
    auto seen = std::make_shared<FileDialogSeen>();
    Detail::whenShown<QFileDialog>([seen, path](QFileDialog *dialog) {
        seen->shown = true;
        seen->caption = dialog->windowTitle();
        seen->directory = dialog->directory().absolutePath();
        seen->nameFilters = dialog->nameFilters();
        if (path.isEmpty()) {
            dialog->reject();
        } else {
            // Typed into the file name field, as selectFile() leaves that field alone while it
            // has the focus; then the dialog's Open button (accept() is protected there).
            auto nameField = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (nameField)
                nameField->setText(path);
            else
                dialog->selectFile(path);
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    return seen;
}

// Opens the engine dialog through the main window's own "option" slot and runs `steps` as the
// user's session while it is open, then closes it. A message box or file dialog that nobody
// answers is noted and closed after three seconds, so that an unexpected one fails the test
// rather than hanging it. Reports that as a failure; false when the test has failed.
inline bool runDialog(MainWindow &window, const std::function<void()> &steps)
{
    QStringList unanswered;
    QPointer<QWidget> waiting;
    int ticks = 0;
    QTimer guard;
    guard.setInterval(100);
    QObject::connect(&guard, &QTimer::timeout, &guard, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == window.engineForm) {
            waiting = nullptr;
            return;
        }
        if (modal != waiting) {
            waiting = modal;
            ticks = 0;
            return;
        }
        if (++ticks < 30)
            return;
        auto box = qobject_cast<QMessageBox *>(modal);
        unanswered.append(box ? box->text()
                              : QString::fromLatin1(modal->metaObject()->className()));
        // A question about unsaved changes is answered with Discard: Cancel would keep the
        // engine dialog open, and the test would hang.
        if (QAbstractButton *discard = box ? box->button(QMessageBox::Discard) : nullptr)
            discard->click();
        else if (auto dialog = qobject_cast<QDialog *>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->close();
    });
    guard.start();

    bool ran = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        ran = modal == window.engineForm;
        if (ran)
            steps();
        if (auto dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    });
    QMetaObject::invokeMethod(&window, "option");
    guard.stop();
    ++Detail::session();

    if (!QTest::currentTestFailed()) {
        if (!ran)
            QTest::qFail("the engine dialog did not open", __FILE__, __LINE__);
        else if (!unanswered.isEmpty())
            QTest::qFail(qPrintable(QStringLiteral("unexpected boxes: ")
                                    + unanswered.join(QStringLiteral(" | "))),
                         __FILE__,
                         __LINE__);
    }
    return !QTest::currentTestFailed();
}

} // namespace DialogDriver
