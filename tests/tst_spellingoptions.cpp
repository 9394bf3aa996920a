// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/sheet.h"
#include "ads/spelling.h"
#include "app/globals.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QtTest>

using namespace Qt::StringLiterals;

// Options > Spelling, the marks in the fields and their menu, as a user meets them.
class tst_SpellingOptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typingMarksAndLists();
    void addToDictionaryFromTheMenu();
    void dictionaryThatGoesAway();
    void sheetJudgesTheWordBeingTyped();

private:
    QString m_dictionaries;
    std::unique_ptr<MainWindow> m_window;
};

void tst_SpellingOptions::initTestCase()
{
    TestSupport::isolate();
    m_dictionaries = App::userDataFolder() + u"/dictionaries"_s;
}

void tst_SpellingOptions::init()
{
    QDir(m_dictionaries).removeRecursively();
    QFile::remove(userWordsFilePath());
    QVERIFY(QDir().mkpath(m_dictionaries));
    TestSupport::writeFile(m_dictionaries + u"/xx_XX.aff"_s,
                           "SET UTF-8\nTRY esianrtolcdugmphbyfvkwz\n");
    TestSupport::writeFile(m_dictionaries + u"/xx_XX.dic"_s, "3\nhello\nworld\nfresh\n");
    QSettings(App::organizationName, App::applicationName).clear();
    TestSupport::resetEnginesFolder();
    QVERIFY(writeEngineFile(u"Wide"_s, QString(), 100, 200, 100, 0, 0, QString()));
    QFile::remove(sheetFilePath());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QAction *choice = m_window->findChild<QAction *>(u"actionSpelling_xx_XX"_s);
    QVERIFY(choice);
    QVERIFY(!choice->isChecked()); // the C locale has no dictionary
    choice->setChecked(true);
    QCOMPARE(QSettings(App::organizationName, App::applicationName)
                 .value(u"spellingLanguages"_s)
                 .toStringList(),
             QStringList{u"xx_XX"_s});
}

void tst_SpellingOptions::cleanup()
{
    m_window.reset();
    QCOMPARE(TestSupport::cancelPendingAnswers(), 0);
}

void tst_SpellingOptions::typingMarksAndLists()
{
    QLineEdit *title = m_window->mainForm->lineEditTitle;
    QLabel *checks = m_window->mainForm->labelChecks;
    QTest::keyClicks(title, u"Helo world Wrl"_s);
    // The finished word at once; the word still being typed once typing pauses.
    QVERIFY2(checks->text().contains(u"Unknown word “Helo” (Hello?)"_s),
             qPrintable(checks->text()));
    QVERIFY(!checks->text().contains(u"Wrl"_s));
    QTRY_VERIFY_WITH_TIMEOUT(checks->text().contains(u"“Wrl”"_s), 3000);
    // The marks leave the text, the cursor and undo alone.
    QCOMPARE(title->text(), u"Helo world Wrl"_s);
    QCOMPARE(title->cursorPosition(), 14);
    title->undo();
    QVERIFY(title->text().size() < 14);
    QVERIFY(QString(u"Helo world Wrl"_s).startsWith(title->text()));

    // No spelling: no spelling warnings.
    m_window->findChild<QAction *>(u"actionSpellingNone"_s)->trigger();
    QVERIFY(!checks->text().contains(u"Unknown word"_s));
    QCOMPARE(QSettings(App::organizationName, App::applicationName)
                 .value(u"spellingLanguages"_s)
                 .toStringList(),
             QStringList());
}

void tst_SpellingOptions::addToDictionaryFromTheMenu()
{
    QLineEdit *text = m_window->mainForm->lineEditText;
    QLabel *checks = m_window->mainForm->labelChecks;
    QTest::keyClicks(text, u"Fresh Vellumo "_s);
    QVERIFY(checks->text().contains(u"“Vellumo”"_s));
    text->setCursorPosition(8);
    emit text->customContextMenuRequested(
        text->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
    QMenu *menu = nullptr;
    QTRY_VERIFY((menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())));
    QAction *add = menu->findChild<QAction *>(u"actionAddToDictionary"_s);
    QVERIFY(add);
    add->trigger();
    menu->close();
    QVERIFY(!checks->text().contains(u"Vellumo"_s));
    QFile words(userWordsFilePath());
    QVERIFY(words.open(QIODevice::ReadOnly));
    QCOMPARE(words.readAll(), "Vellumo\n"_ba);
}

void tst_SpellingOptions::dictionaryThatGoesAway()
{
    QLabel *checks = m_window->mainForm->labelChecks;
    QTest::keyClicks(m_window->mainForm->lineEditTitle, u"Helo "_s);
    QVERIFY(checks->text().contains(u"“Helo”"_s));
    QString told;
    TestSupport::answerNextMessageBox(u"OK"_s, &told);
    QVERIFY(QFile::remove(m_dictionaries + u"/xx_XX.dic"_s));
    QTRY_VERIFY_WITH_TIMEOUT(told.contains(u"xx_XX"_s), 5000);
    QVERIFY(!checks->text().contains(u"Helo"_s));
    QVERIFY(!m_window->findChild<QAction *>(u"actionSpelling_xx_XX"_s)->isChecked());
}

// The sheet checks a kept ad whole: the word still being typed in the form is misspelt there.
void tst_SpellingOptions::sheetJudgesTheWordBeingTyped()
{
    QTest::keyClicks(m_window->mainForm->lineEditTitle, u"Fresh Helo"_s);
    QVERIFY(!m_window->mainForm->labelChecks->text().contains(u"Helo"_s));
    m_window->findChild<QPushButton *>(u"pushButtonKeep"_s)->click();
    const QAbstractItemModel *sheet
        = m_window->findChild<QTableView *>(u"tableViewSheet"_s)->model();
    const int last = sheet->rowCount() - 1;
    QVERIFY(last >= 0);
    const QString tip = sheet->index(last, 3).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(u"Unknown word “Helo” (Hello?)"_s), qPrintable(tip));
}

QTEST_MAIN(tst_SpellingOptions)
#include "tst_spellingoptions.moc"
