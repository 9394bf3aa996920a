// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

using namespace DialogDriver;

class tst_Editing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void portableNames_data();
    void portableNames();
    void newEngineGoesLast();
    void renameKeepsRow_data();
    void renameKeepsRow();
    void saveUnderSameName();
    void saveReplacesLoadedEngineAfterKeyboardMove();
    void blankNameIsSaved();
    void limitsAreClamped_data();
    void limitsAreClamped();
    void refusedNames_data();
    void refusedNames();
    void replaceQuestion_data();
    void replaceQuestion();
    void deleteRenumbersFollowingRows_data();
    void deleteRenumbersFollowingRows();
    void declinedDeleteKeepsEverything();
    void deleteNeedsHighlightedEngine();
    void reopeningResetsDialog();

    void saveFailureKeepsFiles_data();
    void saveFailureKeepsFiles();
    void oldFileThatStaysIsReported();
    void renumberingFailureIsReported();
    void removalFailureStopsDelete();

private:
    const QString m_awayFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/away");
};

void tst_Editing::initTestCase()
{
    TestSupport::isolate();
}

void tst_Editing::init()
{
    QDir(m_awayFolder).removeRecursively();
    TestSupport::resetEnginesFolder();
}

void tst_Editing::cleanup()
{
    QDir(m_awayFolder).removeRecursively();
}

void tst_Editing::portableNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("portable");
    QTest::addRow("plain") << "Google" << true;
    QTest::addRow("blanks only") << "   " << true;
    QTest::addRow("dots inside") << "a.b...c" << true;
    QTest::addRow("non-ASCII") << QStringLiteral("Müller–Süß") << true;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("dot") << "." << false;
    QTest::addRow("dot dot") << ".." << false;
    QTest::addRow("slash") << "a/b" << false;
    QTest::addRow("backslash") << "a\\b" << false;
    QTest::addRow("tab") << "a\tb" << false;
    QTest::addRow("colon") << "a:b" << false;
    QTest::addRow("star") << "a*" << false;
    QTest::addRow("question mark") << "?" << false;
    QTest::addRow("quote") << "say \"hi\"" << false;
    QTest::addRow("less") << "<a" << false;
    QTest::addRow("greater") << "a>" << false;
    QTest::addRow("bar") << "a|b" << false;
}

void tst_Editing::portableNames()
{
    QFETCH(QString, name);
    QFETCH(bool, portable);
    QCOMPARE(isPortableEngineName(name), portable);
}

void tst_Editing::newEngineGoesLast()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    showEngineInMainForm(window, 2);

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        form->pushButtonNew->click();
        QVERIFY(editorsLocked(form, false));
        QVERIFY(form->pushButtonSave->isEnabled());
        QVERIFY(!form->pushButtonDelete->isEnabled());
        QCOMPARE(form->listWidgetEngine->currentRow(), -1);
        QVERIFY(form->lineEditName->text().isEmpty());
        QVERIFY(form->textEditTemplate->toPlainText().isEmpty());
        // The limits stay as the dialog last showed them.
        QCOMPARE(form->spinBoxTitleLimit->value(), 11);

        QTest::keyClicks(form->lineEditName, QStringLiteral("Fresh"));
        retype(form->spinBoxURLLimit, QStringLiteral("70"));
        QTest::keyClicks(form->textEditTemplate, QStringLiteral("<b>%TITLE%</b>"));
        form->pushButtonSave->click();

        QCOMPARE(storedPosition(QStringLiteral("Fresh")), 3);
        const EngineProfile saved = readEngineValues(QStringLiteral("Fresh"));
        QCOMPARE(saved.limitTitle, 11);
        QCOMPARE(saved.limitURL, 70);
        QCOMPARE(saved.templateText, QStringLiteral("<b>%TITLE%</b>"));
        const QStringList expected{"E0", "E1", "E2", "Fresh"};
        QCOMPARE(listRows(form), expected);
        QCOMPARE(comboRows(window), expected);
        QVERIFY(mainFormShowsFirstEngine(window));
        QVERIFY(editorsLocked(form, true));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("Fresh"));
        QVERIFY(!form->pushButtonSave->isEnabled());
        QVERIFY(!form->pushButtonDelete->isEnabled());
    });
}

void tst_Editing::renameKeepsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addRow("first") << 0;
    QTest::addRow("middle") << 1;
    QTest::addRow("last") << 2;
}

void tst_Editing::renameKeepsRow()
{
    QFETCH(int, row);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    const QString old = engineName(row);
    EngineProfile oldValues = readEngineValues(old);
    oldValues.name = QStringLiteral("Renamed");
    showEngineInMainForm(window, 2 - row);

    runDialog(window, [&] {
        QVERIFY(clickRow(form, old));
        QVERIFY(rowIsChosen(form, old));
        QCOMPARE(form->lineEditName->text(), old);
        retype(form->lineEditName, QStringLiteral("Renamed"));
        form->pushButtonSave->click();

        QVERIFY(!QFile::exists(engineFilePath(old)));
        QCOMPARE(storedPosition(QStringLiteral("Renamed")), row);
        QVERIFY(readEngineValues(QStringLiteral("Renamed")) == oldValues);
        QCOMPARE(listRows(form).at(row), QStringLiteral("Renamed"));
        QMap<QString, QByteArray> after = engineFiles();
        after.remove(QStringLiteral("Renamed.xml"));
        QMap<QString, QByteArray> others = before;
        others.remove(old + QStringLiteral(".xml"));
        QCOMPARE(after, others);
        QVERIFY(mainFormShowsFirstEngine(window));
    });
}

void tst_Editing::saveUnderSameName()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->spinBoxTextLimit, QStringLiteral("55"));
        form->pushButtonSave->click();

        const EngineProfile saved = readEngineValues(QStringLiteral("E1"));
        QCOMPARE(saved.limitText, 55);
        QCOMPARE(saved.limitTitle, 11);
        QCOMPARE(storedPosition(QStringLiteral("E1")), 1);
        QMap<QString, QByteArray> after = engineFiles();
        QCOMPARE(after.keys(), before.keys());
        QCOMPARE(after.value("E0.xml"), before.value("E0.xml"));
        QCOMPARE(after.value("E2.xml"), before.value("E2.xml"));
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "E2"}));
    });
}

// A keyboard move loads the engine it reaches; Save then replaces that engine, the one the
// editors show, and leaves the engine left behind as it was.
void tst_Editing::saveReplacesLoadedEngineAfterKeyboardMove()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QByteArray e1 = engineFiles().value("E1.xml");

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        form->listWidgetEngine->setFocus();
        QTest::keyClick(form->listWidgetEngine, Qt::Key_Down);
        QVERIFY(rowIsChosen(form, QStringLiteral("E2")));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("E2"));
        retype(form->lineEditName, QStringLiteral("Renamed"));
        form->pushButtonSave->click();

        QCOMPARE(engineFiles().value("E1.xml"), e1);
        QVERIFY(!QFile::exists(engineFilePath(QStringLiteral("E2"))));
        QCOMPARE(storedPosition(QStringLiteral("Renamed")), 2);
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "Renamed"}));
    });
}

void tst_Editing::blankNameIsSaved()
{
    QVERIFY(seedEngines(2));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        form->pushButtonNew->click();
        QTest::keyClicks(form->lineEditName, QStringLiteral("   "));
        form->pushButtonSave->click();
        QVERIFY(QFile::exists(enginesFolder() + QStringLiteral("/   .xml")));
        QCOMPARE(storedPosition(QStringLiteral("   ")), 2);
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "   "}));
    });
}

void tst_Editing::limitsAreClamped_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addRow("zero limits, wide line break")
        << QByteArray("<Engine>\n<Name value=\"Odd\"/>\n<limitTitle value=\"0\"/>\n"
                      "<limitText value=\"0\"/>\n<limitURL value=\"0\"/>\n"
                      "<listPosition value=\"0\"/>\n<textLineBreak value=\"150\"/>\n</Engine>\n");
    QTest::addRow("limits missing, line break wide")
        << QByteArray("<Engine>\n<Name value=\"Odd\"/>\n<textLineBreak value=\"150\"/>\n"
                      "</Engine>\n");
}

void tst_Editing::limitsAreClamped()
{
    QFETCH(QByteArray, file);
    TestSupport::writeRawFile(QStringLiteral("Odd.xml"), file);
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("Odd")));
        QCOMPARE(form->spinBoxTitleLimit->value(), 1);
        QCOMPARE(form->spinBoxTextLimit->value(), 1);
        QCOMPARE(form->spinBoxURLLimit->value(), 1);
        QCOMPARE(form->spinBoxTextLineBreak->value(), 99);
        form->pushButtonSave->click();

        const EngineProfile saved = readEngineValues(QStringLiteral("Odd"));
        QCOMPARE(saved.limitTitle, 1);
        QCOMPARE(saved.limitText, 1);
        QCOMPARE(saved.limitURL, 1);
        QCOMPARE(saved.textLineBreak, 99);
    });
}

void tst_Editing::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString refused = QStringLiteral(
        "The name \"%1\" cannot be used for an engine file: it must not be \".\" or \"..\" "
        "nor contain / \\ : * ? \" < > | or control characters.");
    QTest::addRow("empty") << ""
                           << "Please enter a name..";
    const QList<std::pair<const char *, QString>> names{{"dot dot", ".."},
                                                        {"slash", "a/b"},
                                                        {"backslash", "a\\b"},
                                                        {"colon", "c:"},
                                                        {"star", "x*"},
                                                        {"question mark", "why?"},
                                                        {"quotes", "\"q\""},
                                                        {"angle brackets", "<p>"},
                                                        {"bar", "a|b"},
                                                        {"tab", "t\tb"}};
    for (const auto &[row, name] : names)
        QTest::addRow("%s", row) << name << refused.arg(name);
    // The engine lists leave out hidden files.
    QTest::addRow("leading dot")
        << ".Foo"
        << "The name \".Foo\" cannot be used for an engine: a name that starts with \".\" names "
           "a hidden file, which the engine lists do not show.\nNo engine file has been changed.";
}

void tst_Editing::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QVERIFY(seedEngines(2));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        // Pasted rather than typed: a tab would move the focus.
        form->lineEditName->setText(name);
        auto answers = answerBoxes({"OK"});
        form->pushButtonSave->click();

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Warning"));
        QCOMPARE(answers->boxes.first().text, message);
        QCOMPARE(engineFiles(), before);
        QVERIFY(editorsLocked(form, false));
        QVERIFY(form->pushButtonSave->isEnabled());
        QCOMPARE(form->lineEditName->text(), name);
        QCOMPARE(listRows(form), QStringList({"E0", "E1"}));
        // The refused name is still unsaved when the dialog closes.
        answerBoxes({standardButtonText(QMessageBox::Discard)});
    });
}

void tst_Editing::replaceQuestion_data()
{
    QTest::addColumn<bool>("rename");
    QTest::addColumn<QString>("answer");
    QTest::addRow("new engine, yes") << false << "&Yes";
    QTest::addRow("new engine, no") << false << "&No";
    QTest::addRow("rename, yes") << true << "&Yes";
    QTest::addRow("rename, no") << true << "&No";
}

void tst_Editing::replaceQuestion()
{
    QFETCH(bool, rename);
    QFETCH(QString, answer);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        if (rename)
            QVERIFY(clickRow(form, QStringLiteral("E0")));
        else
            form->pushButtonNew->click();
        retype(form->lineEditName, QStringLiteral("E2"));
        retype(form->spinBoxTitleLimit, QStringLiteral("77"));
        auto answers = answerBoxes({answer});
        form->pushButtonSave->click();

        QCOMPARE(answers->boxes.size(), 1);
        const Box &box = answers->boxes.first();
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QCOMPARE(box.text, QStringLiteral("An engine named \"E2\" already exists.\nReplace it?"));
        QCOMPARE(box.defaultButton, QStringLiteral("&No"));
        QCOMPARE(box.escapeButton, QStringLiteral("&No"));

        if (answer == QLatin1String("&No")) {
            QCOMPARE(engineFiles(), before);
            QVERIFY(editorsLocked(form, false));
            QVERIFY(form->pushButtonSave->isEnabled());
            QCOMPARE(form->lineEditName->text(), QStringLiteral("E2"));
            QCOMPARE(listRows(form), QStringList({"E0", "E1", "E2"}));
            answerBoxes({standardButtonText(QMessageBox::Discard)});
            return;
        }
        QCOMPARE(readEngineValues(QStringLiteral("E2")).limitTitle, 77);
        QCOMPARE(engineFiles().value("E1.xml"), before.value("E1.xml"));
        if (rename) {
            QVERIFY(!QFile::exists(engineFilePath(QStringLiteral("E0"))));
            QCOMPARE(storedPosition(QStringLiteral("E2")), 0);
            QCOMPARE(readEngineValues(QStringLiteral("E2")).limitText, 20);
            QCOMPARE(listRows(form), QStringList({"E2", "E1"}));
        } else {
            QCOMPARE(storedPosition(QStringLiteral("E2")), 3);
            QCOMPARE(engineFiles().value("E0.xml"), before.value("E0.xml"));
            QCOMPARE(listRows(form), QStringList({"E0", "E1", "E2"}));
        }
    });
}

void tst_Editing::deleteRenumbersFollowingRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addRow("first") << 0;
    QTest::addRow("middle") << 2;
    QTest::addRow("last, nothing renumbered") << 3;
}

void tst_Editing::deleteRenumbersFollowingRows()
{
    QFETCH(int, row);
    const int count = 4;
    QVERIFY(seedEngines(count));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    QList<EngineProfile> values;
    for (int i = 0; i < count; ++i)
        values.append(readEngineValues(engineName(i)));
    // Each engine after the removed one moves up one place.
    for (int i = row + 1; i < count; ++i)
        --values[i].listPosition;
    const QString doomed = engineName(row);
    showEngineInMainForm(window, row == 0 ? 1 : 0);

    runDialog(window, [&] {
        QVERIFY(clickRow(form, doomed));
        auto answers = answerBoxes({"&Yes"});
        form->pushButtonDelete->click();

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().text,
                 QStringLiteral("Are you sure?\nRemove Engine: ") + doomed);
        const QMap<QString, QByteArray> after = engineFiles();
        QCOMPARE(after.size(), count - 1);
        QVERIFY(!after.contains(doomed + QStringLiteral(".xml")));
        QStringList expectedRows;
        for (int i = 0; i < count; ++i) {
            if (i == row)
                continue;
            const QString name = engineName(i);
            expectedRows.append(name);
            if (i < row) {
                QCOMPARE(after.value(name + QStringLiteral(".xml")),
                         before.value(name + QStringLiteral(".xml")));
            } else {
                QCOMPARE(storedPosition(name), i - 1);
                QVERIFY(readEngineValues(name) == values.at(i));
            }
        }
        QCOMPARE(listRows(form), expectedRows);
        QCOMPARE(comboRows(window), expectedRows);
        QVERIFY(mainFormShowsFirstEngine(window));
        QVERIFY(form->lineEditName->text().isEmpty());
        QVERIFY(form->lineEditSymbol->text().isEmpty());
        QVERIFY(form->textEditTemplate->toPlainText().isEmpty());
        QCOMPARE(form->spinBoxTitleLimit->value(), 10 + row);
        QVERIFY(editorsLocked(form, true));
        QVERIFY(!form->pushButtonSave->isEnabled());
        QVERIFY(!form->pushButtonDelete->isEnabled());
    });
}

void tst_Editing::declinedDeleteKeepsEverything()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        auto answers = answerBoxes({"&No"});
        form->pushButtonDelete->click();

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(engineFiles(), before);
        QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
        QVERIFY(editorsLocked(form, false));
        QVERIFY(form->pushButtonDelete->isEnabled());
        QCOMPARE(form->lineEditName->text(), QStringLiteral("E1"));
    });
}

// Opening the dialog loads nothing and leaves no row current, and Delete is disabled; the
// slot itself still refuses to remove an engine that the editors do not show.
void tst_Editing::deleteNeedsHighlightedEngine()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] { QVERIFY(clickRow(form, QStringLiteral("E1"))); });
    runDialog(window, [&] {
        QCOMPARE(form->listWidgetEngine->currentRow(), -1);
        QVERIFY(form->listWidgetEngine->selectedItems().isEmpty());
        QVERIFY(!form->pushButtonDelete->isEnabled());
        auto answers = answerBoxes({"OK"});
        window.pushButtonDelete_clicked();

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Information"));
        QCOMPARE(answers->boxes.first().text, QStringLiteral("Please select a item first.."));
        QCOMPARE(engineFiles(), before);

        // Once loaded, the engine is highlighted, and Delete removes that one.
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
        answers = answerBoxes({"&Yes"});
        form->pushButtonDelete->click();
        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(listRows(form), QStringList({"E0", "E2"}));
    });
}

void tst_Editing::reopeningResetsDialog()
{
    QVERIFY(seedEngines(2));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->lineEditName, QStringLiteral("Unsaved"));
        answerBoxes({standardButtonText(QMessageBox::Discard)});
    });
    runDialog(window, [&] {
        QVERIFY(form->lineEditName->text().isEmpty());
        QVERIFY(form->lineEditSymbol->text().isEmpty());
        QVERIFY(form->textEditTemplate->toPlainText().isEmpty());
        QVERIFY(editorsLocked(form, true));
        QVERIFY(!form->pushButtonSave->isEnabled());
        QVERIFY(!form->pushButtonDelete->isEnabled());
        QCOMPARE(form->spinBoxTitleLimit->value(), 11);
        QVERIFY(!QFile::exists(engineFilePath(QStringLiteral("Unsaved"))));
    });
}

// Each way a save can fail leaves every engine file as it was, says which engine failed, and
// keeps the user's values ready for another try, which then succeeds.
void tst_Editing::saveFailureKeepsFiles_data()
{
    QTest::addColumn<QString>("loaded"); // empty: a new engine
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fault");
    QTest::addRow("same name, write fails") << "E1"
                                            << "E1"
                                            << "injected";
    QTest::addRow("rename, write fails") << "E1"
                                         << "Neu"
                                         << "injected";
    QTest::addRow("new engine, write fails") << ""
                                             << "Neu"
                                             << "injected";
    QTest::addRow("rename, directory in the way") << "E1"
                                                  << "Neu"
                                                  << "directory";
    QTest::addRow("new engine, directory in the way") << ""
                                                      << "Neu"
                                                      << "directory";
    QTest::addRow("same name, engines folder gone") << "E1"
                                                    << "E1"
                                                    << "no folder";
    QTest::addRow("rename, engines folder gone") << "E1"
                                                 << "Neu"
                                                 << "no folder";
}

void tst_Editing::saveFailureKeepsFiles()
{
    QFETCH(QString, loaded);
    QFETCH(QString, name);
    QFETCH(QString, fault);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    const QString blocker = enginesFolder() + QLatin1Char('/') + name + QStringLiteral(".xml");

    runDialog(window, [&] {
        if (loaded.isEmpty()) {
            form->pushButtonNew->click();
            QTest::keyClicks(form->lineEditName, name);
        } else {
            QVERIFY(clickRow(form, loaded));
            if (name != loaded)
                retype(form->lineEditName, name);
        }
        retype(form->spinBoxTitleLimit, QStringLiteral("77"));

        if (fault == QLatin1String("injected"))
            window.setFileWriter(TestSupport::failingWriter(
                [name](const QString &engine) { return engine == name; }));
        else if (fault == QLatin1String("directory"))
            QVERIFY(QDir().mkpath(blocker + QStringLiteral("/inside")));
        else
            QVERIFY(QDir().rename(enginesFolder(), m_awayFolder));
        auto answers = answerBoxes({"OK"});
        form->pushButtonSave->click();

        window.setFileWriter(writeFileAtomically);
        if (fault == QLatin1String("directory"))
            QVERIFY(QDir(blocker).removeRecursively());
        else if (fault == QLatin1String("no folder"))
            QVERIFY(QDir().rename(m_awayFolder, enginesFolder()));
        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Warning"));
        QVERIFY2(answers->boxes.first().text.contains(QLatin1Char('"') + name + QLatin1Char('"')),
                 qPrintable(answers->boxes.first().text));
        QCOMPARE(engineFiles(), before);
        QVERIFY(editorsLocked(form, false));
        QVERIFY(form->pushButtonSave->isEnabled());
        QCOMPARE(form->lineEditName->text(), name);
        QCOMPARE(form->spinBoxTitleLimit->value(), 77);

        form->pushButtonSave->click();
        QCOMPARE(readEngineValues(name).limitTitle, 77);
        QCOMPARE(storedPosition(name), loaded.isEmpty() ? 3 : 1);
        QCOMPARE(QFile::exists(engineFilePath(QStringLiteral("E1"))),
                 loaded.isEmpty() || name == loaded);
        QVERIFY(editorsLocked(form, true));
    });
}

// The renamed engine is written, but its old file cannot be removed: the user is told, and
// both files stay.
void tst_Editing::oldFileThatStaysIsReported()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QString oldPath = engineFilePath(QStringLiteral("E1"));

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->lineEditName, QStringLiteral("Neu"));
        // A directory cannot be removed as a file, not even by root.
        QVERIFY(QFile::remove(oldPath));
        QVERIFY(QDir().mkpath(oldPath + QStringLiteral("/inside")));
        auto answers = answerBoxes({"OK"});
        form->pushButtonSave->click();

        QCOMPARE(answers->boxes.size(), 1);
        QVERIFY(answers->boxes.first().text.startsWith(
            QStringLiteral("The engine \"E1\" could not be removed")));
        QCOMPARE(storedPosition(QStringLiteral("Neu")), 1);
        QVERIFY(QFileInfo(oldPath).isDir());
        QVERIFY(mainFormShowsFirstEngine(window));
    });
}

void tst_Editing::renumberingFailureIsReported()
{
    QVERIFY(seedEngines(5));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        window.setFileWriter(TestSupport::failingWriter(
            [](const QString &engine) { return engine == QLatin1String("E3"); }));
        auto answers = answerBoxes({"&Yes", "OK"});
        form->pushButtonDelete->click();

        QCOMPARE(answers->boxes.size(), 2);
        QCOMPARE(answers->boxes.at(1).title, QStringLiteral("Warning"));
        QVERIFY2(answers->boxes.at(1).text.contains(QStringLiteral("\"E3\"")),
                 qPrintable(answers->boxes.at(1).text));
        const QMap<QString, QByteArray> after = engineFiles();
        QVERIFY(!after.contains("E1.xml"));
        QCOMPARE(after.value("E0.xml"), before.value("E0.xml"));
        QCOMPARE(after.value("E3.xml"), before.value("E3.xml"));
        QCOMPARE(storedPosition(QStringLiteral("E2")), 1);
        QCOMPARE(storedPosition(QStringLiteral("E4")), 3);
        QVERIFY(editorsLocked(form, true));
    });
}

void tst_Editing::removalFailureStopsDelete()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QString path = engineFilePath(QStringLiteral("E1"));

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
        const QMap<QString, QByteArray> before = engineFiles();
        auto answers = answerBoxes({"&Yes", "OK"});
        form->pushButtonDelete->click();

        QCOMPARE(answers->boxes.size(), 2);
        QVERIFY(answers->boxes.at(1).text.contains(QStringLiteral("\"E1\"")));
        QCOMPARE(engineFiles(), before);
        QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
        QVERIFY(form->pushButtonDelete->isEnabled());
    });
}

QTEST_MAIN(tst_Editing)
#include "tst_editing.moc"
