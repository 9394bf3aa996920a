// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The test support's answers to modal boxes belong to the test that armed them.
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {
// Set by an answer armed in one test when it answers anything at all.
bool staleAnswerRan = false;

// Shows a message box with "&Yes" and "&No" for up to `ms` milliseconds; which button closed it,
// or an empty text when nobody answered and it timed out.
QString showBox(int ms)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Box"), QStringLiteral("Question?"));
    box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QTimer::singleShot(ms, &box, [&box] { box.done(-1); });
    box.exec();
    return box.clickedButton() ? box.clickedButton()->text() : QString();
}
} // namespace

class tst_ModalAnswers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void answersTheBoxOfItsTest();
    void armedForABoxThatNeverCame();
    void laterTestsBoxIsLeftAlone();
    void cancelCountsTheWaitingAnswers();
};

void tst_ModalAnswers::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_ModalAnswers::answersTheBoxOfItsTest()
{
    QString text;
    TestSupport::answerNextMessageBox(QStringLiteral("&No"), &text);
    QCOMPARE(showBox(5000), QStringLiteral("&No"));
    QCOMPARE(text, QStringLiteral("Question?"));
    QCOMPARE(TestSupport::cancelPendingAnswers(), 0);
}

void tst_ModalAnswers::armedForABoxThatNeverCame()
{
    // No box follows: this answer must not outlive the test.
    TestSupport::onNextModal([](QWidget *modal) {
        staleAnswerRan = true;
        modal->close();
    });
}

void tst_ModalAnswers::laterTestsBoxIsLeftAlone()
{
    QTest::ignoreMessage(QtWarningMsg,
                         "an answer to a modal widget armed in armedForABoxThatNeverCame/ was "
                         "never used");
    // The box stays up long enough for any stale answer to poll many times.
    QCOMPARE(showBox(300), QString());
    QVERIFY(!staleAnswerRan);
}

void tst_ModalAnswers::cancelCountsTheWaitingAnswers()
{
    TestSupport::answerNextMessageBox(QStringLiteral("&Yes"));
    TestSupport::onNextModal([](QWidget *modal) { modal->close(); });
    QCOMPARE(TestSupport::cancelPendingAnswers(), 2);
    QCOMPARE(TestSupport::cancelPendingAnswers(), 0);
    // Cancelled answers leave the next box alone.
    QCOMPARE(showBox(200), QString());
}

QTEST_MAIN(tst_ModalAnswers)
#include "tst_modalanswers.moc"
