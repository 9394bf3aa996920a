// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

#include <QAbstractItemView>

using namespace DialogDriver;

// The engine dialog never drops what the user typed without asking, and its list and editors
// always show the same engine.
class tst_Unsaved : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void changeDetection_data();
    void changeDetection();
    void leavingChangedEditorsAsks_data();
    void leavingChangedEditorsAsks();
    void leavingUnchangedEditorsAsksNothing_data();
    void leavingUnchangedEditorsAsksNothing();
    void newEngineIsSavedFromTheQuestion();
    void failedSaveFromTheQuestionStays();
    void keyboardMovesLoad_data();
    void keyboardMovesLoad();
    void openingLoadsNothing();
    void chooserShowsWholeNames();
};

void tst_Unsaved::initTestCase()
{
    TestSupport::isolate();
}

void tst_Unsaved::init()
{
    TestSupport::resetEnginesFolder();
}

void tst_Unsaved::changeDetection_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("changed");
    const QList<std::pair<const char *, bool>> loadedRows{{"name", true},
                                                          {"symbol", true},
                                                          {"template", true},
                                                          {"title limit", true},
                                                          {"text limit", true},
                                                          {"URL limit", true},
                                                          {"line break", true},
                                                          {"rules", true},
                                                          {"nothing", false}};
    for (const auto &[field, changed] : loadedRows)
        QTest::addRow("loaded, %s", field) << QString::fromLatin1(field) << false << changed;
    // A new engine counts only what was typed into its name, symbol or template.
    const QList<std::pair<const char *, bool>> newRows{{"name", true},
                                                       {"symbol", true},
                                                       {"template", true},
                                                       {"title limit", false},
                                                       {"line break", false},
                                                       {"nothing", false}};
    for (const auto &[field, changed] : newRows)
        QTest::addRow("new, %s", field) << QString::fromLatin1(field) << true << changed;
}

void tst_Unsaved::changeDetection()
{
    QFETCH(QString, field);
    QFETCH(bool, isNew);
    QFETCH(bool, changed);
    const EngineProfile loaded{.name = QStringLiteral("Acme"),
                               .symbol = QStringLiteral("files/Acme/logo.png"),
                               .limitTitle = 25,
                               .limitText = 70,
                               .limitURL = 35,
                               .textLineBreak = 30,
                               .templateText = QStringLiteral("<b>%TITLE%</b>"),
                               .rules = QString()};
    EngineProfile shown = loaded;
    if (field == QLatin1String("name"))
        shown.name += QLatin1Char('s');
    else if (field == QLatin1String("symbol"))
        shown.symbol.clear();
    else if (field == QLatin1String("template"))
        shown.templateText += QLatin1Char(' ');
    else if (field == QLatin1String("title limit"))
        shown.limitTitle = 26;
    else if (field == QLatin1String("text limit"))
        shown.limitText = 1;
    else if (field == QLatin1String("URL limit"))
        shown.limitURL = 999;
    else if (field == QLatin1String("line break"))
        shown.textLineBreak = 0;
    else if (field == QLatin1String("rules"))
        shown.rules = QStringLiteral("google");
    QCOMPARE(hasUnsavedChanges(loaded, shown, isNew), changed);
}

namespace {
// The ways of leaving the editors; "click" and "keyboard" go to E2, the others stay on E1 or
// close the dialog.
const QStringList leavingWays{"click", "keyboard", "edit", "new", "close", "escape", "window"};

bool closesDialog(const QString &way)
{
    return way == QLatin1String("close") || way == QLatin1String("escape")
           || way == QLatin1String("window");
}

void leave(EngineForm *form, const QString &way)
{
    QListWidget *list = form->listWidgetEngine;
    if (way == QLatin1String("click")) {
        const QListWidgetItem *item
            = list->findItems(QStringLiteral("E2"), Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    } else if (way == QLatin1String("keyboard")) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
    } else if (way == QLatin1String("edit")) {
        form->pushButtonEdit->click();
    } else if (way == QLatin1String("new")) {
        form->pushButtonNew->click();
    } else if (way == QLatin1String("close")) {
        form->okButton->click();
    } else if (way == QLatin1String("escape")) {
        // Pressed in the list, which passes it on to the dialog.
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Escape);
    } else {
        form->close();
    }
}
} // namespace

void tst_Unsaved::leavingChangedEditorsAsks_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("answer");
    for (const QString &way : leavingWays) {
        for (const char *answer : {"save", "discard", "cancel"})
            QTest::addRow("%s, %s", qPrintable(way), answer) << way << QString::fromLatin1(answer);
    }
}

// E1 with a changed title limit and template is left in each way; each answer is checked on
// disk and in the dialog.
void tst_Unsaved::leavingChangedEditorsAsks()
{
    QFETCH(QString, way);
    QFETCH(QString, answer);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    const QMap<QString, QMessageBox::StandardButton> buttons{{"save", QMessageBox::Save},
                                                             {"discard", QMessageBox::Discard},
                                                             {"cancel", QMessageBox::Cancel}};

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->spinBoxTitleLimit, QStringLiteral("66"));
        QTest::keyClicks(form->textEditTemplate, QStringLiteral("<i>more</i>"));
        const QString changedTemplate = form->textEditTemplate->toPlainText();
        auto answers = answerBoxes({standardButtonText(buttons.value(answer))});
        leave(form, way);

        QCOMPARE(answers->boxes.size(), 1);
        const Box &box = answers->boxes.first();
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(
            box.text,
            QStringLiteral("The engine \"E1\" has changes that have not been saved.\nSave them?"));
        QCOMPARE(box.defaultButton, standardButtonText(QMessageBox::Save));
        QCOMPARE(box.escapeButton, standardButtonText(QMessageBox::Cancel));

        const EngineProfile e1 = readEngineValues(QStringLiteral("E1"));
        if (answer == QLatin1String("save")) {
            QCOMPARE(e1.limitTitle, 66);
            QCOMPARE(e1.templateText, changedTemplate);
            QCOMPARE(storedPosition(QStringLiteral("E1")), 1);
        } else {
            QCOMPARE(engineFiles(), before);
        }
        QCOMPARE(engineFiles().value("E0.xml"), before.value("E0.xml"));
        QCOMPARE(engineFiles().value("E2.xml"), before.value("E2.xml"));

        if (answer == QLatin1String("cancel")) {
            QVERIFY(form->isVisible());
            QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
            QCOMPARE(form->lineEditName->text(), QStringLiteral("E1"));
            QCOMPARE(form->spinBoxTitleLimit->value(), 66);
            QCOMPARE(form->textEditTemplate->toPlainText(), changedTemplate);
            QVERIFY(editorsLocked(form, false));
            QVERIFY(form->pushButtonDelete->isEnabled());
            // Still unsaved: the dialog asks again when it is closed.
            answerBoxes({standardButtonText(QMessageBox::Discard)});
            return;
        }
        if (closesDialog(way)) {
            QVERIFY(!form->isVisible());
        } else if (way == QLatin1String("new")) {
            QCOMPARE(form->listWidgetEngine->currentRow(), -1);
            QVERIFY(form->lineEditName->text().isEmpty());
            QVERIFY(editorsLocked(form, false));
            QVERIFY(!form->pushButtonDelete->isEnabled());
        } else {
            const QString shown
                = way == QLatin1String("edit") ? QStringLiteral("E1") : QStringLiteral("E2");
            QVERIFY(rowIsChosen(form, shown));
            QCOMPARE(form->lineEditName->text(), shown);
            QCOMPARE(form->spinBoxTitleLimit->value(), readEngineValues(shown).limitTitle);
            QVERIFY(editorsLocked(form, false));
            QVERIFY(form->pushButtonDelete->isEnabled());
        }
    });
}

void tst_Unsaved::leavingUnchangedEditorsAsksNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("afterNew");
    for (const QString &way : leavingWays)
        QTest::addRow("%s", qPrintable(way)) << way << false;
    // After New, limits alone carry over and are no change.
    for (const char *way : {"click", "new", "close"})
        QTest::addRow("after New, limit changed, %s", way) << QString::fromLatin1(way) << true;
}

// runDialog fails the test if any message box shows up.
void tst_Unsaved::leavingUnchangedEditorsAsksNothing()
{
    QFETCH(QString, way);
    QFETCH(bool, afterNew);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        if (afterNew) {
            form->pushButtonNew->click();
            retype(form->spinBoxTitleLimit, QStringLiteral("44"));
        } else {
            // Changed and changed back is no change.
            retype(form->spinBoxTitleLimit, QStringLiteral("44"));
            retype(form->spinBoxTitleLimit, QStringLiteral("11"));
        }
        leave(form, way);
        if (way == QLatin1String("click") || way == QLatin1String("keyboard"))
            QCOMPARE(form->lineEditName->text(), QStringLiteral("E2"));
        QCOMPARE(form->isVisible(), !closesDialog(way));
    });
    QCOMPARE(engineFiles(), before);
}

void tst_Unsaved::newEngineIsSavedFromTheQuestion()
{
    QVERIFY(seedEngines(2));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        form->pushButtonNew->click();
        QTest::keyClicks(form->lineEditName, QStringLiteral("Fresh"));
        retype(form->spinBoxURLLimit, QStringLiteral("70"));
        auto answers = answerBoxes({standardButtonText(QMessageBox::Save)});
        QVERIFY(clickRow(form, QStringLiteral("E0")));

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().text,
                 QStringLiteral("The new engine has not been saved.\nSave it?"));
        QCOMPARE(storedPosition(QStringLiteral("Fresh")), 2);
        QCOMPARE(readEngineValues(QStringLiteral("Fresh")).limitURL, 70);
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "Fresh"}));
        QVERIFY(rowIsChosen(form, QStringLiteral("E0")));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("E0"));
    });
}

// A save that the question starts and that fails keeps the user where they were.
void tst_Unsaved::failedSaveFromTheQuestionStays()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->spinBoxTextLimit, QStringLiteral("55"));
        window.setFileWriter(TestSupport::failingWriter(
            [](const QString &name) { return name == QLatin1String("E1"); }));
        auto answers = answerBoxes({standardButtonText(QMessageBox::Save), "OK"});
        QTest::mouseClick(
            form->listWidgetEngine->viewport(),
            Qt::LeftButton,
            {},
            form->listWidgetEngine->visualItemRect(form->listWidgetEngine->item(2)).center());
        window.setFileWriter(writeFileAtomically);

        QCOMPARE(answers->boxes.size(), 2);
        QVERIFY(answers->boxes.at(1).text.contains(QStringLiteral("could not be saved")));
        QCOMPARE(engineFiles(), before);
        QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
        QCOMPARE(form->spinBoxTextLimit->value(), 55);
        answerBoxes({standardButtonText(QMessageBox::Discard)});
    });
}

void tst_Unsaved::keyboardMovesLoad_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("typed"); // typed into the list after the keys
    QTest::addColumn<QString>("shown");
    QTest::addRow("down") << QList<int>{Qt::Key_Down} << ""
                          << "E3";
    QTest::addRow("up") << QList<int>{Qt::Key_Up} << ""
                        << "E1";
    QTest::addRow("home") << QList<int>{Qt::Key_Home} << ""
                          << "E0";
    QTest::addRow("end") << QList<int>{Qt::Key_End} << ""
                         << "E4";
    QTest::addRow("page down") << QList<int>{Qt::Key_PageDown} << ""
                               << "E4";
    QTest::addRow("page up") << QList<int>{Qt::Key_PageUp} << ""
                             << "E0";
    QTest::addRow("first letters") << QList<int>{} << "E4"
                                   << "E4";
}

// A keyboard move loads the engine it reaches, and Delete then names and removes that one.
void tst_Unsaved::keyboardMovesLoad()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QVERIFY(seedEngines(5));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E2")));
        QListWidget *list = form->listWidgetEngine;
        list->setFocus();
        for (int key : keys)
            QTest::keyClick(list, Qt::Key(key));
        if (!typed.isEmpty())
            QTest::keyClicks(list, typed);

        QVERIFY(rowIsChosen(form, shown));
        QCOMPARE(form->lineEditName->text(), shown);
        QCOMPARE(form->lineEditSymbol->text(), readEngineValues(shown).symbol);
        QCOMPARE(form->spinBoxTitleLimit->value(), readEngineValues(shown).limitTitle);
        QVERIFY(form->pushButtonDelete->isEnabled());

        auto answers = answerBoxes({"&Yes"});
        form->pushButtonDelete->click();
        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().text,
                 QStringLiteral("Are you sure?\nRemove Engine: ") + shown);
        QVERIFY(!QFile::exists(engineFilePath(shown)));
        QCOMPARE(engineFiles().size(), before.size() - 1);
        QVERIFY(!listRows(form).contains(shown));
    });
}

// Opening the dialog loads nothing, and no row is current, even once the list has the focus;
// the first key then loads an engine.
void tst_Unsaved::openingLoadsNothing()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] { QVERIFY(clickRow(form, QStringLiteral("E1"))); });
    runDialog(window, [&] {
        QListWidget *list = form->listWidgetEngine;
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        form->okButton->setFocus();
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(form->lineEditName->text().isEmpty());
        QVERIFY(editorsLocked(form, true));

        QTest::keyClick(list, Qt::Key_Down);
        QVERIFY(rowIsChosen(form, QStringLiteral("E0")));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("E0"));
        QVERIFY(editorsLocked(form, false));
    });
}

// The engine chooser's drop-down list is wide enough for the longest name, while the window
// keeps its default size.
void tst_Unsaved::chooserShowsWholeNames()
{
    const QString longName = QStringLiteral("Microsoft Advertising Network Search Partners");
    QVERIFY(writeEngineFile(QStringLiteral("Ace"), {}, 25, 70, 35, 0, 0, {}));
    QVERIFY(writeEngineFile(longName, {}, 25, 70, 35, 1, 0, {}));
    MainWindow window;
    QCOMPARE(window.size(), QSize(400, 400));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QComboBox *combo = window.mainForm->comboBoxEngine;
    QAbstractItemView *popup = combo->view();
    const int nameWidth = popup->fontMetrics().horizontalAdvance(longName);
    QVERIFY2(combo->width() < nameWidth, "the test needs a chooser narrower than the name");
    combo->showPopup();
    QTRY_VERIFY(popup->isVisible());
    const QRect row = popup->visualRect(combo->model()->index(1, 0));
    QVERIFY2(popup->viewport()->width() >= nameWidth + popup->iconSize().width(),
             qPrintable(QStringLiteral("%1 < %2").arg(popup->viewport()->width()).arg(nameWidth)));
    QVERIFY(row.width() >= nameWidth);
    combo->hidePopup();
}

QTEST_MAIN(tst_Unsaved)
#include "tst_unsaved.moc"
