// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

#include <QTableView>

using namespace DialogDriver;

// Engine files that cannot be read are never written over behind the user's back: Delete's
// renumbering and the moves leave them byte for byte and say so.
class tst_Unreadable : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void renumberingPlan_data();
    void renumberingPlan();
    void unreadableIsGreyed_data();
    void unreadableIsGreyed();
    void deleteAboveLeavesUnreadable_data();
    void deleteAboveLeavesUnreadable();
    void moveNextToUnreadableIsRefused_data();
    void moveNextToUnreadableIsRefused();
    void editOfUnreadableWarns();
};

namespace {
// A profile with markup left unescaped in its template: not well-formed.
const QByteArray damaged("<Engine>\n<Name value=\"Broken\"/>\n<listPosition value=\"1\"/>\n"
                         "<template value=\"<b>%TITLE%</b>\"/>\n</Engine>\n");

// A well-formed profile over the size the program reads.
QByteArray oversized()
{
    QByteArray bytes("<Engine>\n<Name value=\"Broken\"/>\n<listPosition value=\"1\"/>\n"
                     "<template value=\"");
    bytes.append(QByteArray(maxEngineFileSize, 'x'));
    bytes.append("\"/>\n</Engine>\n");
    return bytes;
}

// Rows A (0), Broken (unreadable, so position 0, after A by name), C (2) and D (3).
void seedAroundBroken(const QByteArray &broken)
{
    QVERIFY(writeEngineFile(QStringLiteral("A"), {}, 10, 20, 30, 0, 0, QStringLiteral("a")));
    QVERIFY(writeEngineFile(QStringLiteral("C"), {}, 12, 22, 32, 2, 0, QStringLiteral("c")));
    QVERIFY(writeEngineFile(QStringLiteral("D"), {}, 13, 23, 33, 3, 0, QStringLiteral("d")));
    TestSupport::writeRawFile(QStringLiteral("Broken.xml"), broken);
}

QString reasonFor(const QString &kind)
{
    return kind == QLatin1String("damaged") ? QStringLiteral("not well-formed XML")
                                            : QStringLiteral("larger than 32 KiB");
}
} // namespace

void tst_Unreadable::initTestCase()
{
    TestSupport::isolate();
}

void tst_Unreadable::init()
{
    TestSupport::resetEnginesFolder();
}

void tst_Unreadable::renumberingPlan_data()
{
    QTest::addColumn<QByteArray>("broken");
    QTest::addColumn<QString>("reason");
    QTest::addRow("damaged") << damaged << reasonFor(QStringLiteral("damaged"));
    QTest::addRow("oversized") << oversized() << reasonFor(QStringLiteral("oversized"));
}

// Each readable engine is renumbered; the unreadable one and one whose write fails are
// reported with their reasons, and a missing one is not made anew.
void tst_Unreadable::renumberingPlan()
{
    QFETCH(QByteArray, broken);
    QFETCH(QString, reason);
    seedAroundBroken(broken);
    const QMap<QString, QByteArray> before = engineFiles();

    const QList<EngineLeftAlone> leftAlone = applyRenumbering(
        {{"Broken", 0}, {"Gone", 1}, {"C", 1}, {"D", 2}},
        TestSupport::failingWriter([](const QString &name) { return name == QLatin1String("D"); }));

    QCOMPARE(leftAlone.size(), 2);
    QCOMPARE(leftAlone.at(0).name, QStringLiteral("Broken"));
    QVERIFY2(leftAlone.at(0).reason.contains(reason), qPrintable(leftAlone.at(0).reason));
    QCOMPARE(leftAlone.at(1).name, QStringLiteral("D"));
    QCOMPARE(leftAlone.at(1).reason, QStringLiteral("its file could not be written"));
    const QMap<QString, QByteArray> after = engineFiles();
    QCOMPARE(after.value("Broken.xml"), broken);
    QCOMPARE(after.value("D.xml"), before.value("D.xml"));
    QVERIFY(!after.contains("Gone.xml"));
    QCOMPARE(storedPosition(QStringLiteral("C")), 1);
    QCOMPARE(readEngineValues(QStringLiteral("C")).templateText, QStringLiteral("c"));

    const QString text = leftAloneText(leftAlone);
    QVERIFY(text.contains(QStringLiteral("\"Broken\": its file cannot be read: ")));
    QVERIFY(text.contains(QStringLiteral("\"D\": its file could not be written")));
    QVERIFY(leftAloneText({}).isEmpty());
}

void tst_Unreadable::unreadableIsGreyed_data()
{
    renumberingPlan_data();
}

void tst_Unreadable::unreadableIsGreyed()
{
    QFETCH(QByteArray, broken);
    QFETCH(QString, reason);
    seedAroundBroken(broken);
    MainWindow window;
    const QListWidget *list = window.engineForm->listWidgetEngine;
    QCOMPARE(listRows(window.engineForm), QStringList({"A", "Broken", "C", "D"}));
    const QListWidgetItem *item = list->item(1);
    QVERIFY2(item->toolTip().contains(reason), qPrintable(item->toolTip()));
    QVERIFY(item->toolTip().contains(QStringLiteral("\"Broken\"")));
    QCOMPARE(item->foreground().color(),
             window.engineForm->palette().color(QPalette::Disabled, QPalette::Text));
    QVERIFY(list->item(0)->toolTip().isEmpty());

    // The chooser lists it too, with the same reason, and an icon like every other engine.
    const QComboBox *combo = window.mainForm->comboBoxEngine;
    QCOMPARE(combo->count(), 4);
    QCOMPARE(combo->itemText(1), QStringLiteral("Broken"));
    QCOMPARE(combo->itemData(1, Qt::ToolTipRole).toString(), item->toolTip());
    QVERIFY(!combo->itemData(0, Qt::ToolTipRole).isValid());
    QVERIFY(!combo->itemData(2, Qt::ToolTipRole).isValid());
    for (int row = 0; row < combo->count(); ++row)
        QVERIFY(!combo->itemIcon(row).isNull());

    // The ad sheet has no verdict column for it; the columns after it belong to the engines
    // that follow.
    const auto *sheet = window.findChild<QTableView *>(QStringLiteral("tableViewSheet"));
    QVERIFY(sheet);
    const QAbstractItemModel *model = sheet->model();
    QStringList columns;
    for (int column = 3; column < model->columnCount(); ++column)
        columns << model->headerData(column, Qt::Horizontal).toString();
    QCOMPARE(columns, QStringList({"A", "C", "D"}));
}

void tst_Unreadable::deleteAboveLeavesUnreadable_data()
{
    renumberingPlan_data();
}

void tst_Unreadable::deleteAboveLeavesUnreadable()
{
    QFETCH(QByteArray, broken);
    QFETCH(QString, reason);
    seedAroundBroken(broken);
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("A")));
        auto answers = answerBoxes({"&Yes", "OK"});
        form->pushButtonDelete->click();

        QCOMPARE(answers->boxes.size(), 2);
        const Box &box = answers->boxes.at(1);
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QVERIFY2(box.text.contains(QStringLiteral("\"Broken\"")), qPrintable(box.text));
        QVERIFY2(box.text.contains(reason), qPrintable(box.text));
        QVERIFY(!box.text.contains(QStringLiteral("\"C\"")));
        const QMap<QString, QByteArray> after = engineFiles();
        QVERIFY(!after.contains("A.xml"));
        QCOMPARE(after.value("Broken.xml"), broken);
        QCOMPARE(storedPosition(QStringLiteral("C")), 1);
        QCOMPARE(storedPosition(QStringLiteral("D")), 2);
        QCOMPARE(readEngineValues(QStringLiteral("D")).templateText, QStringLiteral("d"));
        QCOMPARE(listRows(form), QStringList({"Broken", "C", "D"}));
    });
}

void tst_Unreadable::moveNextToUnreadableIsRefused_data()
{
    QTest::addColumn<QByteArray>("broken");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("moved");
    QTest::addColumn<int>("step");
    for (const char *kind : {"damaged", "oversized"}) {
        const QByteArray bytes = QByteArray(kind) == "damaged" ? damaged : oversized();
        const QString reason = reasonFor(QString::fromLatin1(kind));
        QTest::addRow("%s, below moves up", kind) << bytes << reason << "C" << -1;
        QTest::addRow("%s, above moves down", kind) << bytes << reason << "A" << 1;
        QTest::addRow("%s, itself moves up", kind) << bytes << reason << "Broken" << -1;
        QTest::addRow("%s, itself moves down", kind) << bytes << reason << "Broken" << 1;
    }
}

void tst_Unreadable::moveNextToUnreadableIsRefused()
{
    QFETCH(QByteArray, broken);
    QFETCH(QString, reason);
    QFETCH(QString, moved);
    QFETCH(int, step);
    seedAroundBroken(broken);
    MainWindow window;
    EngineForm *form = window.engineForm;
    const QMap<QString, QByteArray> before = engineFiles();

    runDialog(window, [&] {
        // Loading the unreadable engine itself warns first (see editOfUnreadableWarns).
        QStringList buttons{"OK"};
        if (moved == QLatin1String("Broken"))
            buttons.prepend("OK");
        auto answers = answerBoxes(buttons);
        QVERIFY(clickRow(form, moved));
        (step < 0 ? form->pushButtonUp : form->pushButtonDown)->click();

        QCOMPARE(answers->boxes.size(), buttons.size());
        const Box &box = answers->boxes.last();
        QCOMPARE(box.title, QStringLiteral("Warning"));
        QVERIFY2(box.text.startsWith(QLatin1String("The engine \"") + moved
                                     + QLatin1String("\" was not moved")),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(QStringLiteral("\"Broken\": its file cannot be read: ")),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(reason), qPrintable(box.text));
        QCOMPARE(engineFiles(), before);
        QCOMPARE(listRows(form), QStringList({"A", "Broken", "C", "D"}));
        QVERIFY(rowIsChosen(form, moved));
    });
}

// Edit of an unreadable engine says why before its blank editors could be saved; saving them
// then is the user's informed choice.
void tst_Unreadable::editOfUnreadableWarns()
{
    seedAroundBroken(damaged);
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        auto answers = answerBoxes({"OK"});
        QVERIFY(clickRow(form, QStringLiteral("Broken")));
        QTRY_COMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Warning"));
        QVERIFY2(answers->boxes.first().text.startsWith(QStringLiteral(
                     "The file of the engine \"Broken\" cannot be read: it is not well-formed")),
                 qPrintable(answers->boxes.first().text));
        QVERIFY(form->lineEditName->text().isEmpty());
        QVERIFY(form->textEditTemplate->toPlainText().isEmpty());

        // Pressing Edit again reloads without saying it twice (runDialog fails on any box).
        form->pushButtonEdit->click();
        QCOMPARE(engineFiles().value("Broken.xml"), damaged);
    });
}

QTEST_MAIN(tst_Unreadable)
#include "tst_unreadable.moc"
