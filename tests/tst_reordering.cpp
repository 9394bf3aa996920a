// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

using namespace DialogDriver;

class tst_Reordering : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void moveSwapsNeighbours_data();
    void moveSwapsNeighbours();
    void repeatedMovesKeepMovingTheEngine();
    void movedEngineIsFoundByName();
    void nothingBeyondTheEnds_data();
    void nothingBeyondTheEnds();
    void moveNeedsCurrentEngine_data();
    void moveNeedsCurrentEngine();
    void moveWithoutLoadedEngineKeepsItsValues_data();
    void moveWithoutLoadedEngineKeepsItsValues();
    void moveCarriesUnsavedValues();
    void failedMoveKeepsFiles_data();
    void failedMoveKeepsFiles();

private:
    const QString m_awayFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/away");
};

void tst_Reordering::initTestCase()
{
    TestSupport::isolate();
}

void tst_Reordering::init()
{
    QDir(m_awayFolder).removeRecursively();
    TestSupport::resetEnginesFolder();
}

void tst_Reordering::cleanup()
{
    QDir(m_awayFolder).removeRecursively();
}

void tst_Reordering::moveSwapsNeighbours_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("step");
    QTest::addRow("up from the second row") << 1 << -1;
    QTest::addRow("up from the last row") << 3 << -1;
    QTest::addRow("down from the first row") << 0 << 1;
    QTest::addRow("down from the third row") << 2 << 1;
}

void tst_Reordering::moveSwapsNeighbours()
{
    QFETCH(int, row);
    QFETCH(int, step);
    const int count = 4;
    QVERIFY(seedEngines(count));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    const QString moved = engineName(row);
    const QString neighbour = engineName(row + step);
    EngineProfile movedValues = readEngineValues(moved);
    EngineProfile neighbourValues = readEngineValues(neighbour);
    std::swap(movedValues.listPosition, neighbourValues.listPosition);
    showEngineInMainForm(window, 2);

    runDialog(window, [&] {
        QVERIFY(clickRow(form, moved));
        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();

        QCOMPARE(storedPosition(moved), row + step);
        QCOMPARE(storedPosition(neighbour), row);
        QVERIFY(readEngineValues(moved) == movedValues);
        QVERIFY(readEngineValues(neighbour) == neighbourValues);
        const QMap<QString, QByteArray> after = engineFiles();
        QCOMPARE(after.keys(), before.keys());
        for (int i = 0; i < count; ++i) {
            const QString file = engineName(i) + QStringLiteral(".xml");
            if (i != row && i != row + step)
                QCOMPARE(after.value(file), before.value(file));
        }
        QStringList expected{"E0", "E1", "E2", "E3"};
        expected.swapItemsAt(row, row + step);
        QCOMPARE(listRows(form), expected);
        QCOMPARE(comboRows(window), expected);
        QVERIFY(rowIsChosen(form, moved));
        QCOMPARE(form->lineEditName->text(), moved);
        QCOMPARE(form->spinBoxTitleLimit->value(), movedValues.limitTitle);
        QVERIFY(editorsLocked(form, false));
        QVERIFY(form->pushButtonSave->isEnabled());
        QVERIFY(form->pushButtonDelete->isEnabled());
        QVERIFY(mainFormShowsFirstEngine(window));
    });
}

void tst_Reordering::repeatedMovesKeepMovingTheEngine()
{
    QVERIFY(seedEngines(4));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E0")));
        for (int i = 0; i < 3; ++i)
            form->pushButtonDown->click();
        QCOMPARE(listRows(form), QStringList({"E1", "E2", "E3", "E0"}));
        QCOMPARE(storedPosition(QStringLiteral("E0")), 3);
        QCOMPARE(storedPosition(QStringLiteral("E3")), 2);
        QVERIFY(rowIsChosen(form, QStringLiteral("E0")));
    });
}

// Engines that share a position are listed in name order; after a move the moved engine's
// stored position no longer tells its row, so it is found by its name.
void tst_Reordering::movedEngineIsFoundByName()
{
    for (const char *name : {"A", "B", "C"})
        QVERIFY(writeEngineFile(QString::fromLatin1(name), {}, 10, 20, 30, 0, 0, {}));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("A")));
        form->pushButtonDown->click();
        QCOMPARE(listRows(form), QStringList({"B", "C", "A"}));
        QVERIFY(rowIsChosen(form, QStringLiteral("A")));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("A"));
    });
}

void tst_Reordering::nothingBeyondTheEnds_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("step");
    QTest::addRow("up on the first row") << 0 << -1;
    QTest::addRow("down on the last row") << 2 << 1;
}

void tst_Reordering::nothingBeyondTheEnds()
{
    QFETCH(int, row);
    QFETCH(int, step);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    // runDialog fails the test if any message box shows up.
    runDialog(window, [&] {
        QVERIFY(clickRow(form, engineName(row)));
        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();
        QCOMPARE(engineFiles(), before);
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "E2"}));
        QVERIFY(rowIsChosen(form, engineName(row)));
    });
}

void tst_Reordering::moveNeedsCurrentEngine_data()
{
    QTest::addColumn<bool>("afterNew"); // else after Save
    QTest::addColumn<int>("step");
    QTest::addRow("up after New") << true << -1;
    QTest::addRow("down after New") << true << 1;
    QTest::addRow("up after Save") << false << -1;
    QTest::addRow("down after Save") << false << 1;
}

void tst_Reordering::moveNeedsCurrentEngine()
{
    QFETCH(bool, afterNew);
    QFETCH(int, step);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        if (afterNew)
            form->pushButtonNew->click();
        else
            form->pushButtonSave->click();
        QCOMPARE(form->listWidgetEngine->currentRow(), -1);
        const QMap<QString, QByteArray> before = engineFiles();
        auto answers = answerBoxes({"OK"});
        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();

        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Information"));
        QCOMPARE(answers->boxes.first().text, QStringLiteral("Please select a engine.."));
        QCOMPARE(engineFiles(), before);
    });
}

// A move acts on the engine the editors show: a keyboard move loads the engine it reaches,
// which then moves with its own values; a dialog opened afresh shows none, and nothing moves.
void tst_Reordering::moveWithoutLoadedEngineKeepsItsValues_data()
{
    QTest::addColumn<bool>("keyboard");
    QTest::addRow("row reached with the keyboard") << true;
    QTest::addRow("dialog opened afresh") << false;
}

void tst_Reordering::moveWithoutLoadedEngineKeepsItsValues()
{
    QFETCH(bool, keyboard);
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    EngineProfile e1 = readEngineValues(QStringLiteral("E1"));
    EngineProfile e2 = readEngineValues(QStringLiteral("E2"));
    std::swap(e1.listPosition, e2.listPosition);

    if (!keyboard) {
        runDialog(window, [&] { QVERIFY(clickRow(form, QStringLiteral("E1"))); });
        runDialog(window, [&] {
            QVERIFY(form->lineEditSymbol->text().isEmpty());
            auto answers = answerBoxes({"OK"});
            form->pushButtonDown->click();
            QCOMPARE(answers->boxes.size(), 1);
            QCOMPARE(answers->boxes.first().text, QStringLiteral("Please select a engine.."));
        });
        QCOMPARE(engineFiles(), before);
        return;
    }

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E0")));
        form->listWidgetEngine->setFocus();
        QTest::keyClick(form->listWidgetEngine, Qt::Key_Down);
        QCOMPARE(form->listWidgetEngine->currentRow(), 1);
        QCOMPARE(form->lineEditName->text(), QStringLiteral("E1"));
        form->pushButtonDown->click();
    });
    if (QTest::currentTestFailed())
        return;

    QVERIFY(readEngineValues(QStringLiteral("E1")) == e1);
    QVERIFY(readEngineValues(QStringLiteral("E2")) == e2);
    QCOMPARE(storedPosition(QStringLiteral("E1")), 2);
    QCOMPARE(storedPosition(QStringLiteral("E2")), 1);
    QCOMPARE(engineFiles().value("E0.xml"), before.value("E0.xml"));
    QCOMPARE(form->lineEditName->text(), QStringLiteral("E1"));
    QCOMPARE(form->lineEditSymbol->text(), e1.symbol);
}

// A limit or template changed in the loaded engine's editors travels with the move; a name
// typed there does not, but stays in its editor, still unsaved.
void tst_Reordering::moveCarriesUnsavedValues()
{
    QVERIFY(seedEngines(3));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        retype(form->spinBoxTitleLimit, QStringLiteral("66"));
        form->textEditTemplate->selectAll();
        QTest::keyClicks(form->textEditTemplate, QStringLiteral("<i>new</i>"));
        retype(form->lineEditName, QStringLiteral("Typed"));
        form->pushButtonUp->click();

        const EngineProfile moved = readEngineValues(QStringLiteral("E1"));
        QCOMPARE(moved.limitTitle, 66);
        QCOMPARE(moved.templateText, QStringLiteral("<i>new</i>"));
        QCOMPARE(storedPosition(QStringLiteral("E1")), 0);
        QVERIFY(!QFile::exists(engineFilePath(QStringLiteral("Typed"))));
        QCOMPARE(form->lineEditName->text(), QStringLiteral("Typed"));
        QCOMPARE(form->spinBoxTitleLimit->value(), 66);
        QVERIFY(rowIsChosen(form, QStringLiteral("E1")));
        auto answers = answerBoxes({standardButtonText(QMessageBox::Discard)});
        form->okButton->click();
        QCOMPARE(answers->boxes.size(), 1);
        QVERIFY(answers->boxes.first().text.contains(QStringLiteral("\"E1\"")));
    });
}

// A move whose writes fail leaves both files as they were, names the engine, keeps the unsaved
// values in the editors, and succeeds when tried again.
void tst_Reordering::failedMoveKeepsFiles_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("failing"); // the engine whose write fails; empty: no folder
    QTest::addRow("up, neighbour fails") << -1 << "E1";
    QTest::addRow("up, moved engine fails") << -1 << "E2";
    QTest::addRow("down, neighbour fails") << 1 << "E3";
    QTest::addRow("down, moved engine fails") << 1 << "E2";
    QTest::addRow("up, engines folder gone") << -1 << "";
}

void tst_Reordering::failedMoveKeepsFiles()
{
    QFETCH(int, step);
    QFETCH(QString, failing);
    QVERIFY(seedEngines(4));
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();
    const QString moved = QStringLiteral("E2");
    const QString neighbour = engineName(2 + step);

    runDialog(window, [&] {
        QVERIFY(clickRow(form, moved));
        retype(form->spinBoxURLLimit, QStringLiteral("88"));
        if (failing.isEmpty())
            QVERIFY(QDir().rename(enginesFolder(), m_awayFolder));
        else
            window.setFileWriter(TestSupport::failingWriter(
                [failing](const QString &name) { return name == failing; }));
        auto answers = answerBoxes({"OK"});
        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();

        window.setFileWriter(writeFileAtomically);
        if (failing.isEmpty())
            QVERIFY(QDir().rename(m_awayFolder, enginesFolder()));
        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Warning"));
        const QString text = answers->boxes.first().text;
        QVERIFY2(text.contains(QLatin1Char('"') + moved + QLatin1Char('"')), qPrintable(text));
        if (!failing.isEmpty())
            QVERIFY2(text.contains(QLatin1Char('"') + failing + QLatin1Char('"')),
                     qPrintable(text));
        QCOMPARE(engineFiles(), before);
        QCOMPARE(listRows(form), QStringList({"E0", "E1", "E2", "E3"}));
        QVERIFY(rowIsChosen(form, moved));
        QCOMPARE(form->spinBoxURLLimit->value(), 88);

        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();
        QCOMPARE(storedPosition(moved), 2 + step);
        QCOMPARE(storedPosition(neighbour), 2);
        QCOMPARE(readEngineValues(moved).limitURL, 88);
    });
}

QTEST_MAIN(tst_Reordering)
#include "tst_reordering.moc"
