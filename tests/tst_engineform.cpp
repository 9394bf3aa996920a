// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextEdit>
#include <QtTest>

namespace {
const QString &preamble = TestSupport::richTextPreamble;
const QString &paragraph = TestSupport::labelParagraph;

// What the user finds in the dialog at the moment it is shown.
struct OpenedState
{
    bool opened = false;
    QStringList texts;    // name, symbol, template
    QList<bool> readOnly; // the seven engine editors
    QList<int> limits;    // title, line break, text, URL
    QList<bool> enabled;  // Save, Delete, Edit, New
    int selected = -1, currentRow = -2;
};

// The seven widgets that show one engine; the last four are the limits' spin boxes.
QList<QWidget *> engineEditors(const EngineForm *form)
{
    return {form->lineEditName,
            form->lineEditSymbol,
            form->textEditTemplate,
            form->spinBoxTitleLimit,
            form->spinBoxTextLineBreak,
            form->spinBoxTextLimit,
            form->spinBoxURLLimit};
}

OpenedState capture(EngineForm *form)
{
    OpenedState s;
    s.opened = form->isVisible();
    s.texts = {form->lineEditName->text(),
               form->lineEditSymbol->text(),
               form->textEditTemplate->toPlainText()};
    const QList<QWidget *> editors = engineEditors(form);
    for (QWidget *editor : editors)
        s.readOnly << editor->property("readOnly").toBool();
    for (int i = 3; i < 7; ++i)
        s.limits << static_cast<QSpinBox *>(editors[i])->value();
    for (QPushButton *button :
         {form->pushButtonSave, form->pushButtonDelete, form->pushButtonEdit, form->pushButtonNew})
        s.enabled << button->isEnabled();
    s.selected = int(form->listWidgetEngine->selectedItems().size());
    s.currentRow = form->listWidgetEngine->currentRow();
    return s;
}

// Opens the dialog through `open`, records what it shows and closes it again.
OpenedState openAndCapture(MainWindow &window, const std::function<void()> &open)
{
    OpenedState state;
    TestSupport::onNextModal([&](QWidget *modal) {
        if (modal == window.engineForm)
            state = capture(window.engineForm);
        modal->close();
    });
    open();
    return state;
}
} // namespace

class tst_EngineForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void widgetTree_data();
    void widgetTree();
    void gridPositions_data();
    void gridPositions();
    void boxLayouts_data();
    void boxLayouts();
    void spinBoxes_data();
    void spinBoxes();
    void clamping_data();
    void clamping();
    void buttons_data();
    void buttons();
    void captions_data();
    void captions();
    void freshDialog();
    void closeAccepts();
    void newClearsEditors();
    void clickOnRowPressesEdit();
    void optionOpensInBrowsingState();
    void ctrlOOpensDialog();

private:
    EngineForm *form = nullptr;
};

void tst_EngineForm::initTestCase()
{
    TestSupport::isolate();
}

void tst_EngineForm::init()
{
    TestSupport::resetEnginesFolder();
    form = new EngineForm(nullptr);
}

void tst_EngineForm::cleanup()
{
    delete form;
    form = nullptr;
    // Every dialog a test armed an answer for has opened.
    QCOMPARE(TestSupport::cancelPendingAnswers(), 0);
}

void tst_EngineForm::widgetTree_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    const auto add = [](const char *name, const char *cls, const char *parent) {
        QTest::addRow("%s", name) << QString::fromLatin1(cls) << QString::fromLatin1(parent);
    };
    add("groupBoxOption", "QGroupBox", "EngineForm");
    add("label_4", "QLabel", "groupBoxOption");
    add("listWidgetEngine", "QListWidget", "groupBoxOption");
    add("label_5_3_2_2_2_3", "QLabel", "groupBoxOption");
    add("pushButtonUp", "QPushButton", "groupBoxOption");
    add("pushButtonDown", "QPushButton", "groupBoxOption");
    add("line_2", "QFrame", "groupBoxOption");
    add("label_2_3", "QLabel", "groupBoxOption");
    add("textEditTemplate", "QTextEdit", "groupBoxOption");
    add("lineEditSymbol", "QLineEdit", "EngineForm");
    add("label_2_3_2", "QLabel", "EngineForm");
    add("label_7_2", "QLabel", "EngineForm");
    add("pushButtonSymbol", "QPushButton", "EngineForm");
    add("lineEditName", "QLineEdit", "EngineForm");
    add("groupBox_3_3_2", "QGroupBox", "EngineForm");
    add("spinBoxURLLimit", "QSpinBox", "groupBox_3_3_2");
    add("label", "QLabel", "groupBox_3_3_2");
    add("label_3_3_3_2", "QLabel", "groupBox_3_3_2");
    add("label_4_3_3_2", "QLabel", "groupBox_3_3_2");
    add("label_2", "QLabel", "groupBox_3_3_2");
    add("spinBoxTextLimit", "QSpinBox", "groupBox_3_3_2");
    add("spinBoxTitleLimit", "QSpinBox", "groupBox_3_3_2");
    add("spinBoxTextLineBreak", "QSpinBox", "groupBox_3_3_2");
    add("pushButtonEdit", "QPushButton", "EngineForm");
    add("pushButtonSave", "QPushButton", "EngineForm");
    add("pushButtonDelete", "QPushButton", "EngineForm");
    add("pushButtonNew", "QPushButton", "EngineForm");
    add("okButton", "QPushButton", "EngineForm");
    add("line", "QFrame", "EngineForm");
    add("gridLayout", "QGridLayout", "EngineForm");
    add("gridLayout1", "QGridLayout", "groupBoxOption");
    add("gridLayout3", "QGridLayout", "groupBox_3_3_2");
}

void tst_EngineForm::widgetTree()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const auto found = form->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QVERIFY(found.first()->parent());
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

void tst_EngineForm::gridPositions_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<int>>("position"); // row, column, row span, column span
    const auto add = [](const char *layout, const char *item, QList<int> position) {
        QTest::addRow("%s in %s", item, layout)
            << QString::fromLatin1(layout) << QString::fromLatin1(item) << position;
    };
    add("gridLayout", "groupBoxOption", {0, 0, 1, 1});
    add("gridLayout", "vboxLayout2", {0, 1, 1, 1});
    add("gridLayout", "gridLayout2", {1, 0, 1, 2});
    add("gridLayout", "line", {2, 0, 1, 2});
    add("gridLayout", "hboxLayout1", {3, 0, 1, 2});
    add("gridLayout1", "vboxLayout", {0, 0, 1, 1});
    add("gridLayout1", "line_2", {0, 1, 1, 1});
    add("gridLayout1", "vboxLayout1", {0, 2, 1, 1});
    add("gridLayout2", "label_2_3_2", {0, 0, 1, 1});
    add("gridLayout2", "lineEditName", {0, 1, 1, 2});
    add("gridLayout2", "label_7_2", {1, 0, 1, 1});
    add("gridLayout2", "lineEditSymbol", {1, 1, 1, 1});
    add("gridLayout2", "pushButtonSymbol", {1, 2, 1, 1});
    // Top to bottom: title limit, line break, text limit, URL limit.
    const char *limits[] = {"label_3_3_3_2",
                            "spinBoxTitleLimit",
                            "label_2",
                            "spinBoxTextLineBreak",
                            "label_4_3_3_2",
                            "spinBoxTextLimit",
                            "label",
                            "spinBoxURLLimit"};
    for (int row = 0; row < 8; ++row)
        add("gridLayout3", limits[row], {row, 0, 1, 1});
}

void tst_EngineForm::gridPositions()
{
    QFETCH(QString, layout);
    QFETCH(QString, item);
    QFETCH(QList<int>, position);
    auto grid = form->findChild<QGridLayout *>(layout);
    QVERIFY(grid);
    auto object = form->findChild<QObject *>(item);
    QVERIFY(object);
    int index = -1;
    if (auto widget = qobject_cast<QWidget *>(object))
        index = grid->indexOf(widget);
    else
        index = grid->indexOf(static_cast<QLayoutItem *>(qobject_cast<QLayout *>(object)));
    QVERIFY(index >= 0);
    QList<int> actual(4);
    grid->getItemPosition(index, &actual[0], &actual[1], &actual[2], &actual[3]);
    QCOMPARE(actual, position);
}

void tst_EngineForm::boxLayouts_data()
{
    QTest::addColumn<int>("margin");
    QTest::addColumn<QStringList>("items"); // box layouts only, in order; "-" is a spacer
    QTest::addRow("gridLayout") << 8 << QStringList();
    QTest::addRow("gridLayout1") << 8 << QStringList();
    QTest::addRow("gridLayout2") << 0 << QStringList();
    QTest::addRow("gridLayout3") << 8 << QStringList();
    QTest::addRow("vboxLayout") << 0 << QStringList{"label_4", "listWidgetEngine", "hboxLayout"};
    QTest::addRow("hboxLayout") << 0
                                << QStringList{
                                       "-", "label_5_3_2_2_2_3", "pushButtonUp", "pushButtonDown"};
    QTest::addRow("vboxLayout1") << 0 << QStringList{"label_2_3", "textEditTemplate"};
    QTest::addRow("vboxLayout2") << 0
                                 << QStringList{"groupBox_3_3_2",
                                                "pushButtonEdit",
                                                "pushButtonSave",
                                                "pushButtonDelete",
                                                "pushButtonNew"};
    QTest::addRow("hboxLayout1") << 0 << QStringList{"-", "okButton"};
}

void tst_EngineForm::boxLayouts()
{
    QFETCH(int, margin);
    QFETCH(QStringList, items);
    auto layout = form->findChild<QLayout *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), 6);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
    if (items.isEmpty())
        return;
    QStringList actual;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->spacerItem())
            actual << QStringLiteral("-");
        else if (item->widget())
            actual << item->widget()->objectName();
        else
            actual << item->layout()->objectName();
    }
    QCOMPARE(actual, items);
}

void tst_EngineForm::spinBoxes_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("readOnly");
    QTest::addRow("spinBoxTitleLimit") << 1 << 999 << 23 << QString() << true;
    QTest::addRow("spinBoxTextLineBreak") << 0 << 99 << 0 << QStringLiteral("at ") << true;
    QTest::addRow("spinBoxTextLimit") << 1 << 999 << 23 << QString() << true;
    QTest::addRow("spinBoxURLLimit") << 1 << 999 << 23 << QString() << false;
}

void tst_EngineForm::spinBoxes()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, prefix);
    QFETCH(bool, readOnly);
    auto box = form->findChild<QSpinBox *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(box);
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->value(), value);
    QCOMPARE(box->singleStep(), 1);
    QCOMPARE(box->prefix(), prefix);
    QCOMPARE(box->suffix(), QStringLiteral(" Chars"));
    QCOMPARE(box->isReadOnly(), readOnly);
    QVERIFY(box->isEnabled());
    QCOMPARE(box->text(), prefix + QString::number(value) + QStringLiteral(" Chars"));
}

void tst_EngineForm::clamping_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("shown");
    QTest::addRow("line break 150") << "spinBoxTextLineBreak" << 150 << 99 << "at 99 Chars";
    QTest::addRow("line break -1") << "spinBoxTextLineBreak" << -1 << 0 << "at 0 Chars";
    QTest::addRow("title 0") << "spinBoxTitleLimit" << 0 << 1 << "1 Chars";
    QTest::addRow("title 1500") << "spinBoxTitleLimit" << 1500 << 999 << "999 Chars";
    QTest::addRow("text 0") << "spinBoxTextLimit" << 0 << 1 << "1 Chars";
    QTest::addRow("text 1500") << "spinBoxTextLimit" << 1500 << 999 << "999 Chars";
    QTest::addRow("URL 0") << "spinBoxURLLimit" << 0 << 1 << "1 Chars";
    QTest::addRow("URL 1500") << "spinBoxURLLimit" << 1500 << 999 << "999 Chars";
}

void tst_EngineForm::clamping()
{
    QFETCH(QString, box);
    QFETCH(int, given);
    QFETCH(int, kept);
    QFETCH(QString, shown);
    auto spinBox = form->findChild<QSpinBox *>(box);
    QVERIFY(spinBox);
    spinBox->setValue(given);
    QCOMPARE(spinBox->value(), kept);
    QCOMPARE(spinBox->text(), shown);
}

void tst_EngineForm::buttons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("icon"); // empty: a null icon
    QTest::addColumn<QSize>("maximumSize");
    const QSize unlimited(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    QTest::addRow("pushButtonUp") << QString() << true << ":/img/up.png" << QSize(26, 26);
    QTest::addRow("pushButtonDown") << QString() << true << ":/img/down.png" << QSize(26, 26);
    QTest::addRow("pushButtonSymbol") << QString() << true << ":/img/fileopen.png" << QSize(24, 24);
    QTest::addRow("pushButtonEdit") << "&Edit" << true << ":/img/editpaste.png" << unlimited;
    QTest::addRow("pushButtonSave") << "&Save" << false << ":/img/filesave.png" << unlimited;
    QTest::addRow("pushButtonDelete") << "&Delete" << false << ":/img/editdelete.png" << unlimited;
    QTest::addRow("pushButtonNew") << "&New" << true << ":/img/filenew.png" << unlimited;
    QTest::addRow("okButton") << "&Close" << true << QString() << unlimited;
}

void tst_EngineForm::buttons()
{
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(QString, icon);
    QFETCH(QSize, maximumSize);
    auto button = form->findChild<QPushButton *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(button);
    QCOMPARE(button->text(), text);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->maximumSize(), maximumSize);
    if (icon.isEmpty()) {
        QVERIFY(button->icon().isNull());
        return;
    }
    QVERIFY(!button->icon().isNull());
    const QImage expected = QIcon(icon).pixmap(16, 16).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(button->icon().pixmap(16, 16).toImage(), expected);
}

void tst_EngineForm::captions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("black");
    QTest::addColumn<QString>("buddy"); // empty: none
    QTest::addRow("label_4") << "Engines" << true << "listWidgetEngine";
    QTest::addRow("label_5_3_2_2_2_3") << "Position" << false << "pushButtonUp";
    QTest::addRow("label_2_3") << "Template" << true << "textEditTemplate";
    QTest::addRow("label_2_3_2") << "Name" << true << "lineEditName";
    QTest::addRow("label_7_2") << "Symbol" << false << "lineEditSymbol";
    QTest::addRow("label") << "URL Limit" << false << QString();
    QTest::addRow("label_3_3_3_2") << "Title Limit" << false << "spinBoxTitleLimit";
    QTest::addRow("label_4_3_3_2") << "Text Limit" << false << "spinBoxTextLimit";
    QTest::addRow("label_2") << "Line Break" << false << QString();
}

void tst_EngineForm::captions()
{
    QFETCH(QString, caption);
    QFETCH(bool, black);
    QFETCH(QString, buddy);
    auto label = form->findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label);
    const QString body
        = black ? QStringLiteral("<span style=\" color:#000000;\">%1</span>").arg(caption)
                : caption;
    QCOMPARE(label->text(), preamble + paragraph + body + QStringLiteral("</p></body></html>"));
    QCOMPARE(label->buddy() ? label->buddy()->objectName() : QString(), buddy);
}

void tst_EngineForm::freshDialog()
{
    QCOMPARE(form->objectName(), QStringLiteral("EngineForm"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Engine Dialog"));
    QCOMPARE(form->groupBoxOption->title(), QStringLiteral("Options"));
    QCOMPARE(form->groupBox_3_3_2->title(), QStringLiteral("Key Limit"));
    QVERIFY(form->width() >= 656 && form->height() >= 497);
    QCOMPARE(form->listWidgetEngine->count(), 0);
    QCOMPARE(form->listWidgetEngine->currentRow(), -1);
    QCOMPARE(form->listWidgetEngine->iconSize(), QSize(16, 16));
    QCOMPARE(form->listWidgetEngine->contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(form->lineEditName->text().isEmpty());
    QVERIFY(form->lineEditSymbol->text().isEmpty());
    QVERIFY(form->textEditTemplate->toPlainText().isEmpty());
    QVERIFY(form->lineEditName->isReadOnly());
    QVERIFY(form->lineEditSymbol->isReadOnly());
    QVERIFY(form->textEditTemplate->isReadOnly());
}

void tst_EngineForm::closeAccepts()
{
    QSignalSpy accepted(form, &QDialog::accepted);
    form->show();
    form->okButton->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(!form->isVisible());
}

void tst_EngineForm::newClearsEditors()
{
    form->listWidgetEngine->addItems({"Alpha", "Beta"});
    form->listWidgetEngine->setCurrentRow(1);
    QCOMPARE(form->listWidgetEngine->selectedItems().size(), 1);
    form->lineEditName->setText(QStringLiteral("Beta"));
    form->lineEditSymbol->setText(QStringLiteral("/tmp/beta.png"));
    form->textEditTemplate->setPlainText(QStringLiteral("<b>%TITLE%</b>"));

    form->pushButtonNew->click();
    QVERIFY(form->lineEditName->text().isEmpty());
    QVERIFY(form->lineEditSymbol->text().isEmpty());
    QVERIFY(form->textEditTemplate->toPlainText().isEmpty());
    QVERIFY(form->listWidgetEngine->selectedItems().isEmpty());
}

void tst_EngineForm::clickOnRowPressesEdit()
{
    QListWidget *list = form->listWidgetEngine;
    list->addItems({"Alpha", "Beta", "Gamma"});
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QSignalSpy edit(form->pushButtonEdit, &QPushButton::clicked);

    // The keyboard moves the current row and loads nothing.
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    // A press of Edit shows the button down until it ends in clicked(); none is under way.
    QVERIFY(!form->pushButtonEdit->isDown());
    QCOMPARE(edit.count(), 0);

    // A mouse click animates a press of Edit, which ends in clicked() a moment later.
    QTest::mouseClick(
        list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(edit.count(), 0);
    QVERIFY(form->pushButtonEdit->isDown());
    QTRY_COMPARE(edit.count(), 1);
    // The press is over, and no second one follows it.
    QVERIFY(!form->pushButtonEdit->isDown());
    QCOMPARE(edit.count(), 1);
}

void tst_EngineForm::optionOpensInBrowsingState()
{
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        QVERIFY(writeEngineFile(QString::fromLatin1(name), QString(), 30, 40, 50, 0, 10, "x"));
    MainWindow window;
    EngineForm *dialog = window.engineForm;
    QCOMPARE(dialog->parent(), &window);
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->listWidgetEngine->count(), 3);
    const auto option = [&] { QVERIFY(QMetaObject::invokeMethod(&window, "option")); };

    const OpenedState first = openAndCapture(window, option);
    QVERIFY(first.opened);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(first.limits, QList<int>({23, 0, 23, 23}));

    // A previous use that left an engine loaded for editing.
    dialog->listWidgetEngine->setCurrentRow(1);
    dialog->lineEditName->setText(QStringLiteral("Beta"));
    dialog->lineEditSymbol->setText(QStringLiteral("/tmp/beta.png"));
    dialog->textEditTemplate->setPlainText(QStringLiteral("<i>%TEXT%</i>"));
    const QList<QWidget *> editors = engineEditors(dialog);
    for (QWidget *editor : editors)
        editor->setProperty("readOnly", false);
    const QList<int> used{31, 12, 41, 51};
    for (int i = 0; i < 4; ++i)
        static_cast<QSpinBox *>(editors[3 + i])->setValue(used[i]);
    dialog->pushButtonSave->setEnabled(true);
    dialog->pushButtonDelete->setEnabled(true);
    QCOMPARE(dialog->listWidgetEngine->selectedItems().size(), 1);

    const OpenedState second = openAndCapture(window, option);
    QVERIFY(second.opened);
    QCOMPARE(second.limits, used);
    // No row stays current: the current row is always the engine the editors show.
    QCOMPARE(second.currentRow, -1);

    for (const OpenedState &state : {first, second}) {
        QCOMPARE(state.texts, QStringList({"", "", ""}));
        QCOMPARE(state.readOnly, QList<bool>(7, true));
        QCOMPARE(state.selected, 0);
        QCOMPARE(state.enabled, QList<bool>({false, false, true, true}));
    }
}

void tst_EngineForm::ctrlOOpensDialog()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const OpenedState state
        = openAndCapture(window, [&] { QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier); });
    QVERIFY(state.opened);
    QVERIFY(!window.engineForm->isVisible());
}

QTEST_MAIN(tst_EngineForm)
#include "tst_engineform.moc"
