// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {
// What a message box showed before the test answered it.
struct Shown
{
    int count = 0;
    QString title, text, defaultButton, escapeButton;
    QStringList buttons;
};

enum class Answer { Yes, No, Enter, Escape, Close };

// Answers the next message box and records what it showed; `next` then prepares for the box
// after it. Once `armed` is false the callback leaves any later box alone.
void answerBox(Answer answer,
               Shown *shown,
               std::shared_ptr<bool> armed = nullptr,
               std::function<void()> next = nullptr)
{
    TestSupport::onNextModal([=](QWidget *modal) {
        if (armed && !*armed)
            return;
        ++shown->count;
        if (next)
            next();
        auto box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        shown->title = box->windowTitle();
        shown->text = box->text();
        shown->defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        shown->escapeButton = box->escapeButton() ? box->escapeButton()->text() : QString();
        const auto buttons = box->buttons();
        for (QAbstractButton *button : buttons)
            shown->buttons << button->text();
        shown->buttons.sort();
        const auto click = [box](const QString &text) {
            const auto buttons = box->buttons();
            for (QAbstractButton *button : buttons) {
                if (button->text() == text)
                    return button->click();
            }
            box->close();
        };
        switch (answer) {
        case Answer::Yes:
            return click(QStringLiteral("&Yes"));
        case Answer::No:
            return click(QStringLiteral("&No"));
        case Answer::Enter:
            return QTest::keyClick(box, Qt::Key_Return);
        case Answer::Escape:
            return QTest::keyClick(box, Qt::Key_Escape);
        case Answer::Close:
            box->close();
            return;
        }
    });
}

QString enginePath(const QString &name)
{
    return App::applicationDirectory + "/files/" + name + ".xml";
}
} // namespace

class tst_Removal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void asks_data();
    void asks();
    void removesWithoutAsking_data();
    void removesWithoutAsking();
    void leavesImageAndFolder();
    void noCurrentRow();
    void fileAlreadyGone();
    void failedRemoval_data();
    void failedRemoval();

private:
    void selectEngine(const QString &name);
    MainWindow *window = nullptr;
};

void tst_Removal::initTestCase()
{
    TestSupport::isolate();
    window = new MainWindow;
}

void tst_Removal::cleanupTestCase()
{
    delete window;
}

void tst_Removal::init()
{
    TestSupport::resetEnginesFolder();
    QVERIFY(writeEngineFile("Alpha", QString(), 25, 35, 45, 0, 0, QString()));
    QVERIFY(writeEngineFile("Example", QString(), 25, 35, 45, 1, 0, QString()));
    window->refreshEngineLists();
    selectEngine(QStringLiteral("Example"));
}

void tst_Removal::selectEngine(const QString &name)
{
    QListWidget *list = window->engineForm->listWidgetEngine;
    const auto found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    list->setCurrentItem(found.first());
}

void tst_Removal::asks_data()
{
    QTest::addColumn<bool>("withArgument"); // deleteFile(0) or deleteFile()
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("removed");
    QTest::addRow("deleteFile() No") << false << Answer::No << false;
    QTest::addRow("deleteFile() Yes") << false << Answer::Yes << true;
    QTest::addRow("deleteFile(0) No") << true << Answer::No << false;
    QTest::addRow("deleteFile(0) Yes") << true << Answer::Yes << true;
    QTest::addRow("deleteFile(0) Escape") << true << Answer::Escape << false;
    QTest::addRow("deleteFile(0) Enter") << true << Answer::Enter << true;
    QTest::addRow("deleteFile(0) closed") << true << Answer::Close << false;
}

void tst_Removal::asks()
{
    QFETCH(bool, withArgument);
    QFETCH(Answer, answer);
    QFETCH(bool, removed);
    Shown shown;
    answerBox(answer, &shown);
    bool result = !removed;
    if (withArgument)
        result = window->deleteFile(0);
    else // the slot's second signature, as a connection without an argument reaches it
        QVERIFY(QMetaObject::invokeMethod(window, "deleteFile", Q_RETURN_ARG(bool, result)));

    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.title, QStringLiteral("Warning"));
    QCOMPARE(shown.text, QStringLiteral("Are you sure?\nRemove Engine: Example"));
    QCOMPARE(shown.buttons, QStringList({"&No", "&Yes"}));
    QCOMPARE(shown.defaultButton, QStringLiteral("&Yes"));
    QCOMPARE(shown.escapeButton, QStringLiteral("&No"));
    QCOMPARE(result, removed);
    QCOMPARE(QFile::exists(enginePath("Example")), !removed);
    QVERIFY(QFile::exists(enginePath("Alpha")));
}

void tst_Removal::removesWithoutAsking_data()
{
    QTest::addColumn<int>("confirm");
    QTest::addRow("1") << 1;
    QTest::addRow("-1") << -1;
}

void tst_Removal::removesWithoutAsking()
{
    QFETCH(int, confirm);
    Shown shown;
    auto armed = std::make_shared<bool>(true);
    answerBox(Answer::No, &shown, armed);
    const bool result = window->deleteFile(confirm);
    *armed = false;
    QCOMPARE(shown.count, 0);
    QVERIFY(result);
    QVERIFY(!QFile::exists(enginePath("Example")));
    QVERIFY(QFile::exists(enginePath("Alpha")));
}

void tst_Removal::leavesImageAndFolder()
{
    const QString files = App::applicationDirectory + "/files/";
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    QVERIFY(image.save(files + "Example.png", "PNG"));
    QVERIFY(QDir(files).mkpath("Example/images"));
    TestSupport::writeRawFile("Example/logo.gif", "GIF89a");
    QVERIFY(writeEngineFile("Example", files + "Example.png", 25, 35, 45, 1, 0, QString()));

    QVERIFY(window->deleteFile(1));
    QVERIFY(!QFile::exists(enginePath("Example")));
    QVERIFY(QFile::exists(files + "Example.png"));
    QVERIFY(QFile::exists(files + "Example/logo.gif"));
    QVERIFY(QDir(files + "Example/images").exists());
}

void tst_Removal::noCurrentRow()
{
    window->engineForm->listWidgetEngine->setCurrentItem(nullptr);
    Shown shown;
    auto armed = std::make_shared<bool>(true);
    answerBox(Answer::Yes, &shown, armed);
    const bool asked = window->deleteFile(0);
    const bool forced = window->deleteFile(1);
    *armed = false;
    QCOMPARE(shown.count, 0);
    QVERIFY(!asked);
    QVERIFY(!forced);
    QVERIFY(QFile::exists(enginePath("Example")));
    QVERIFY(QFile::exists(enginePath("Alpha")));
}

void tst_Removal::fileAlreadyGone()
{
    QVERIFY(QFile::remove(enginePath("Example")));
    Shown shown;
    answerBox(Answer::Yes, &shown);
    QVERIFY(window->deleteFile(0));
    QCOMPARE(shown.count, 1);
    QCOMPARE(shown.text, QStringLiteral("Are you sure?\nRemove Engine: Example"));
    QVERIFY(QFile::exists(enginePath("Alpha")));
}

void tst_Removal::failedRemoval_data()
{
    QTest::addColumn<int>("confirm");
    QTest::addRow("asked") << 0;
    QTest::addRow("unasked") << 1;
}

void tst_Removal::failedRemoval()
{
    QFETCH(int, confirm);
    // A non-empty folder where the engine's file should be: no file removal can take it away,
    // not even as root.
    QVERIFY(QFile::remove(enginePath("Example")));
    QVERIFY(QDir().mkpath(enginePath("Example")));
    TestSupport::writeRawFile("Example.xml/keep", "x");

    Shown question, warning;
    if (confirm == 0)
        answerBox(Answer::Yes, &question, nullptr, [&] { answerBox(Answer::Close, &warning); });
    else
        answerBox(Answer::Close, &warning);
    QVERIFY(!window->deleteFile(confirm));
    QCOMPARE(question.count, confirm == 0 ? 1 : 0);
    QCOMPARE(warning.count, 1);
    QCOMPARE(warning.title, QStringLiteral("Warning"));
    QVERIFY2(warning.text.contains(QLatin1String("Example")), qPrintable(warning.text));
    QVERIFY(QFile::exists(enginePath("Example") + "/keep"));
}

QTEST_MAIN(tst_Removal)
#include "tst_removal.moc"
