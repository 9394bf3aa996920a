// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The widget part of the test support: answers to the modal widgets a test expects.
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace TestSupport {

namespace {
// One armed answer: the test (function and data row) it belongs to, and whether it still waits.
struct Pending
{
    QByteArray test;
    bool waiting = true;
};

QList<std::shared_ptr<Pending>> &pendingAnswers()
{
    static QList<std::shared_ptr<Pending>> answers;
    return answers;
}

QByteArray currentTest()
{
    return QByteArray(QTest::currentTestFunction()) + '/' + QByteArray(QTest::currentDataTag());
}

void finish(const std::shared_ptr<Pending> &pending)
{
    pending->waiting = false;
    pendingAnswers().removeOne(pending);
}

void poll(const std::shared_ptr<Pending> &pending, const std::function<void(QWidget *)> &answer)
{
    QTimer::singleShot(10, qApp, [pending, answer] {
        if (!pending->waiting)
            return; // cancelled
        if (pending->test != currentTest()) {
            qWarning("an answer to a modal widget armed in %s was never used",
                     pending->test.constData());
            finish(pending);
            return;
        }
        if (QWidget *modal = QApplication::activeModalWidget()) {
            finish(pending);
            answer(modal);
        } else {
            poll(pending, answer);
        }
    });
}
} // namespace

void onNextModal(std::function<void(QWidget *)> answer)
{
    auto pending = std::make_shared<Pending>();
    pending->test = currentTest();
    pendingAnswers().append(pending);
    poll(pending, answer);
}

void answerNextMessageBox(const QString &buttonText, QString *text)
{
    onNextModal([buttonText, text](QWidget *modal) {
        auto box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            qWarning("expected a message box, found %s", modal->metaObject()->className());
            modal->close();
            return;
        }
        if (text)
            *text = box->text();
        const auto buttons = box->buttons();
        for (QAbstractButton *button : buttons) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        qWarning("no button %s in the message box", qPrintable(buttonText));
        box->reject();
    });
}

int cancelPendingAnswers()
{
    const QByteArray test = currentTest();
    int ownCount = 0;
    const QList<std::shared_ptr<Pending>> answers = pendingAnswers();
    for (const std::shared_ptr<Pending> &pending : answers) {
        if (pending->test == test)
            ++ownCount;
        pending->waiting = false;
    }
    pendingAnswers().clear();
    return ownCount;
}

} // namespace TestSupport
