// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {
QAction *findAction(const QWidget *window, const QString &text)
{
    const auto actions = window->findChildren<QAction *>();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// Pixmaps keep their pixels premultiplied: compare in that form.
QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage resourceImage(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void construction();
    void actions_data();
    void actions();
    void menusAndToolBar();
    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void storedPosition_data();
    void storedPosition();
    void editByFocus_data();
    void editByFocus();
    void aboutBox();
    void configureOpensEngineDialog();

private:
    MainWindow *newWindow();
    std::unique_ptr<MainWindow> m_window;
};

void tst_MainWindow::initTestCase()
{
    TestSupport::isolate();
    // Closing a window must not end the test's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_MainWindow::init()
{
    TestSupport::resetEnginesFolder();
    QSettings(App::organizationName, App::applicationName).clear();
}

void tst_MainWindow::cleanup()
{
    m_window.reset();
    // Every box a test armed an answer for has come.
    QCOMPARE(TestSupport::cancelPendingAnswers(), 0);
}

MainWindow *tst_MainWindow::newWindow()
{
    m_window = std::make_unique<MainWindow>();
    return m_window.get();
}

void tst_MainWindow::construction()
{
    // The window records the program's folder and works from there.
    App::applicationDirectory.clear();
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    MainWindow *w = newWindow();
    QCOMPARE(App::applicationDirectory, QCoreApplication::applicationDirPath());
    QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());

    // First start: nothing stored. The form starts checked; the missing setting unchecks it.
    QCOMPARE(w->pos(), QPoint(200, 200));
    QCOMPARE(w->size(), QSize(400, 400));
    QVERIFY(!w->mainForm->checkBoxPreview->isChecked());

    QCOMPARE(w->windowTitle(), App::identityString);
    QVERIFY(App::identityString.startsWith(QLatin1String("Vellumo - ")));
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(iconImage(w->windowIcon()), resourceImage(":/img/logo.png"));
    QCOMPARE(w->iconSize(), QSize(16, 16));
    QCOMPARE(w->centralWidget(), w->mainForm);
    QCOMPARE(w->statusBar()->currentMessage(), QStringLiteral("Ready"));
    QVERIFY(w->engineForm);
    QVERIFY(w->engineForm->isModal());
    QCOMPARE(w->engineForm->parentWidget(), w);

    for (QLabel *counter : {w->mainForm->labelTitle, w->mainForm->labelText, w->mainForm->labelURL})
        QCOMPARE(counter->alignment(), Qt::Alignment(Qt::AlignVCenter));
    QTextBrowser *preview = w->mainForm->textBrowserPreview;
    QVERIFY(!preview->isUndoRedoEnabled());
    QVERIFY(!preview->document()->isUndoRedoEnabled());
    QCOMPARE(preview->autoFormatting(), QTextEdit::AutoFormatting(QTextEdit::AutoNone));
}

void tst_MainWindow::actions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<QString>("icon");

    auto add = [](const char *text, const char *shortcut, const char *tip, const char *icon) {
        QTest::addRow("%s", text) << text << shortcut << tip << icon;
    };
    add("E&xit", "Ctrl+Q", "Exit the application", ":/img/exit.png");
    add("Cu&t",
        "Ctrl+X",
        "Cut the current selection's contents to the clipboard",
        ":/img/editcut.png");
    add("&Copy",
        "Ctrl+C",
        "Copy the current selection's contents to the clipboard",
        ":/img/editcopy.png");
    add("&Paste",
        "Ctrl+V",
        "Paste the clipboard's contents into the current selection",
        ":/img/editpaste.png");
    add("&About", "", "Show the application's About box", "");
    add("C&onfigure", "Ctrl+O", "Configure the Engine's here", ":/img/gear.png");
}

void tst_MainWindow::actions()
{
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, statusTip);
    QFETCH(QString, icon);

    QAction *action = findAction(newWindow(), text);
    QVERIFY(action);
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->statusTip(), statusTip);
    QCOMPARE(action->icon().isNull(), icon.isEmpty());
    if (!icon.isEmpty())
        QCOMPARE(iconImage(action->icon()), resourceImage(icon));
}

void tst_MainWindow::menusAndToolBar()
{
    MainWindow *w = newWindow();
    QStringList bar;
    QStringList entries;
    const auto menus = w->menuBar()->actions();
    for (const QAction *menuAction : menus) {
        bar << (menuAction->isSeparator() ? QStringLiteral("|") : menuAction->text());
        if (QMenu *menu = menuAction->menu()) {
            const auto inMenu = menu->actions();
            for (const QAction *action : inMenu)
                entries << menuAction->text() + QLatin1Char('>') + action->text();
        }
    }
    QCOMPARE(bar, QStringList({"&File", "&Edit", "&View", "&Options", "|", "&Help"}));
    QCOMPARE(entries,
             QStringList({"&File>&Import Ads...",
                          "&File>&Export Ads...",
                          "&File>E&xit",
                          "&Edit>Cu&t",
                          "&Edit>&Copy",
                          "&Edit>&Paste",
                          "&Edit>",
                          "&Edit>&Undo",
                          "&Edit>&Redo",
                          "&View>&Ad Sheet",
                          "&Options>C&onfigure",
                          "&Options>&Spelling",
                          "&Help>&About"}));

    const auto toolBars = w->findChildren<QToolBar *>();
    QCOMPARE(toolBars.size(), 1);
    QCOMPARE(toolBars.constFirst()->windowTitle(), QStringLiteral("Edit"));
    QStringList tools;
    const auto toolActions = toolBars.constFirst()->actions();
    for (const QAction *action : toolActions)
        tools << action->text();
    QCOMPARE(tools, QStringList({"Cu&t", "&Copy", "&Paste"}));
}

void tst_MainWindow::settingsRoundTrip_data()
{
    QTest::addColumn<bool>("throughExit");
    QTest::addColumn<bool>("preview");
    QTest::addRow("close, preview on") << false << true;
    QTest::addRow("exit action, preview on") << true << true;
    QTest::addRow("exit action, preview off") << true << false;
}

void tst_MainWindow::settingsRoundTrip()
{
    QFETCH(bool, throughExit);
    QFETCH(bool, preview);

    // Start from the opposite check state, so the stored value must come from the box.
    QSettings(App::organizationName, App::applicationName).setValue("preview", !preview);
    MainWindow *w = newWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->move(60, 70);
    w->resize(500, 420);
    w->mainForm->checkBoxPreview->setChecked(preview);
    if (throughExit)
        findAction(w, QStringLiteral("E&xit"))->trigger();
    else
        w->close();
    QVERIFY(!w->isVisible());

    QSettings settings(App::organizationName, App::applicationName);
    QCOMPARE(settings.value("pos").toPoint(), QPoint(60, 70));
    QCOMPARE(settings.value("size").toSize(), QSize(500, 420));
    QCOMPARE(settings.value("preview").toBool(), preview);

    MainWindow *again = newWindow();
    QCOMPARE(again->pos(), QPoint(60, 70));
    QCOMPARE(again->size(), QSize(500, 420));
    QCOMPARE(again->mainForm->checkBoxPreview->isChecked(), preview);
}

void tst_MainWindow::storedPosition_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("expected");
    QTest::addRow("on screen") << QPoint(30, 40) << QPoint(30, 40);
    QTest::addRow("far to the right") << QPoint(5000, 100) << QPoint(200, 200);
    QTest::addRow("far below") << QPoint(100, 5000) << QPoint(200, 200);
    QTest::addRow("far up left") << QPoint(-5000, -5000) << QPoint(200, 200);
}

void tst_MainWindow::storedPosition()
{
    QFETCH(QPoint, stored);
    QFETCH(QPoint, expected);
    QSettings(App::organizationName, App::applicationName).setValue("pos", stored);
    QCOMPARE(newWindow()->pos(), expected);
}

void tst_MainWindow::editByFocus_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("operation");
    const QStringList targets{
        "lineEditTitle", "lineEditText", "lineEditURL", "comboBoxEngine", "textBrowserPreview"};
    const QStringList operations{"Cu&t", "&Copy", "&Paste"};
    for (const QString &target : targets) {
        for (const QString &operation : operations)
            QTest::addRow("%s %s", qPrintable(operation), qPrintable(target))
                << target << operation;
    }
}

void tst_MainWindow::editByFocus()
{
    QFETCH(QString, focus);
    QFETCH(QString, operation);

    MainWindow *w = newWindow();
    QList<QLineEdit *> fields{
        w->mainForm->lineEditTitle, w->mainForm->lineEditText, w->mainForm->lineEditURL};
    QStringList before;
    for (QLineEdit *field : std::as_const(fields)) {
        field->setText(field->objectName().mid(8) + QStringLiteral(" words"));
        before << field->text();
    }
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QWidget *target = w->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    // Select after focusing: leaving a line edit drops its selection.
    for (QLineEdit *field : std::as_const(fields))
        field->selectAll();
    w->mainForm->textBrowserPreview->setPlainText(QStringLiteral("preview words"));
    w->mainForm->textBrowserPreview->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("clipboard"));

    findAction(w, operation)->trigger();

    QStringList after;
    for (QLineEdit *field : std::as_const(fields))
        after << field->text();
    QStringList expectedFields = before;
    QString expectedClipboard = QStringLiteral("clipboard");
    const int served = fields.indexOf(qobject_cast<QLineEdit *>(target));
    if (served >= 0) {
        if (operation == QLatin1String("&Paste"))
            expectedFields[served] = QStringLiteral("clipboard");
        else
            expectedClipboard = before.at(served);
        if (operation == QLatin1String("Cu&t"))
            expectedFields[served].clear();
    }
    QCOMPARE(after, expectedFields);
    QCOMPARE(QApplication::clipboard()->text(), expectedClipboard);
    QCOMPARE(w->mainForm->textBrowserPreview->toPlainText(), QStringLiteral("preview words"));
}

void tst_MainWindow::aboutBox()
{
    MainWindow *w = newWindow();
    QString title;
    QString text;
    QWidget *parent = nullptr;
    bool wasMessageBox = false;
    TestSupport::onNextModal([&](QWidget *modal) {
        auto box = qobject_cast<QMessageBox *>(modal);
        wasMessageBox = box != nullptr;
        title = modal->windowTitle();
        parent = modal->parentWidget();
        if (box)
            text = box->text();
        modal->close();
    });
    findAction(w, QStringLiteral("&About"))->trigger();

    QVERIFY(wasMessageBox);
    QCOMPARE(title, QStringLiteral("About ") + App::identityString);
    QCOMPARE(parent, w);
    const QStringList lines = text.split(QStringLiteral("<br><br>"));
    QCOMPARE(lines.constFirst(), QStringLiteral("Vellumo - 0.1-RC1"));
    QCOMPARE(lines.value(1), QStringLiteral("Design ads for your favorite search engine."));
    // The program has no web address of its own, so the box links nowhere.
    QCOMPARE(lines.value(2), QStringLiteral("Copyright (C) 2026 The Vellumo developers"));
    QVERIFY(!text.contains(QLatin1String("<a ")));
    QVERIFY(text.endsWith(QLatin1String("<br><br> ")));
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_MainWindow::configureOpensEngineDialog()
{
    MainWindow *w = newWindow();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QPointer<QWidget> opened;
    TestSupport::onNextModal([&](QWidget *modal) {
        opened = modal;
        modal->close();
    });
    QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(opened.data(), static_cast<QWidget *>(w->engineForm));
    QVERIFY(!w->engineForm->isVisible());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
