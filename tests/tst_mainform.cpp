// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainform.h"

#include "testsupport.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include <QtTest>

#include <memory>

namespace {
const QString &preamble = TestSupport::richTextPreamble;
const QString &paragraph = TestSupport::labelParagraph;

QString caption(const char *text)
{
    return preamble + paragraph + QLatin1String(text) + QLatin1String("</p></body></html>");
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}
} // namespace

class tst_MainForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void widgetTree_data();
    void widgetTree();
    void layouts_data();
    void layouts();
    void initialState();
    void maxLength_data();
    void maxLength();
    void buddies_data();
    void buddies();
    void tabOrder();
    void texts_data();
    void texts();

private:
    std::unique_ptr<MainForm> m_form;
};

void tst_MainForm::init()
{
    m_form = std::make_unique<MainForm>(nullptr);
}

void tst_MainForm::cleanup()
{
    m_form.reset();
}

void tst_MainForm::widgetTree_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<int>("row"); // the index in hboxLayout
    QTest::addColumn<int>("column");

    auto add = [](const char *name, const char *cls, const char *layout, int row, int column) {
        const char *parent = qstrcmp(layout, "gridLayout1") == 0 ? "groupBoxAd" : "MainForm";
        QTest::addRow("%s", name) << cls << parent << layout << row << column;
    };
    add("groupBoxAd", "QGroupBox", "gridLayout", 0, 0);
    add("textBrowserPreview", "QTextBrowser", "gridLayout", 1, 0);
    const char *const inGroup[3][3] = {{"label_2_2", "lineEditTitle", "labelTitle"},
                                       {"label_5", "lineEditText", "labelText"},
                                       {"label_3_3", "lineEditURL", "labelURL"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            add(inGroup[row][column],
                column == 1 ? "QLineEdit" : "QLabel",
                "gridLayout1",
                row,
                column);
    }
    add("checkBoxPreview", "QCheckBox", "hboxLayout", 0, 0);
    add("label_3_2_2", "QLabel", "hboxLayout", 2, 0); // the spacer sits at 1
    add("comboBoxEngine", "QComboBox", "hboxLayout", 3, 0);
    add("pushButtonPreview", "QPushButton", "hboxLayout", 4, 0);
}

void tst_MainForm::widgetTree()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QString, layoutName);
    QFETCH(int, row);
    QFETCH(int, column);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    MainForm *f = m_form.get();
    QWidget *widget = f->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->parentWidget()->objectName(), parentName);

    auto layout = f->findChild<QLayout *>(layoutName);
    QVERIFY(layout);
    const int index = layout->indexOf(widget);
    QVERIFY(index >= 0);
    if (auto grid = qobject_cast<QGridLayout *>(layout)) {
        int r, c, rowSpan, columnSpan;
        grid->getItemPosition(index, &r, &c, &rowSpan, &columnSpan);
        QCOMPARE(QPoint(c, r), QPoint(column, row));
        QCOMPARE(QSize(columnSpan, rowSpan), QSize(1, 1));
    } else {
        QCOMPARE(index, row);
    }
}

void tst_MainForm::layouts_data()
{
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("margin");
    QTest::addColumn<int>("count");
    QTest::addRow("gridLayout") << 6 << 9 << 3;
    QTest::addRow("gridLayout1") << 6 << 8 << 10; // three fields of three, and labelChecks
    QTest::addRow("hboxLayout") << 6 << 0 << 5;
}

void tst_MainForm::layouts()
{
    QFETCH(int, spacing);
    QFETCH(int, margin);
    QFETCH(int, count);
    auto layout = m_form->findChild<QLayout *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(layout);
    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
    QCOMPARE(layout->count(), count);
}

void tst_MainForm::initialState()
{
    MainForm *f = m_form.get();
    QCOMPARE(f->objectName(), QStringLiteral("MainForm"));
    QCOMPARE(f->layout(), f->gridLayout);
    QCOMPARE(f->groupBoxAd->layout(), f->gridLayout1);
    int row, column, rowSpan, columnSpan;
    f->gridLayout->getItemPosition(
        f->gridLayout->indexOf(f->hboxLayout), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QPoint(column, row), QPoint(0, 2));
    QCOMPARE(f->gridLayout->columnCount(), 1);

    QSpacerItem *spacer = f->hboxLayout->itemAt(1)->spacerItem();
    QVERIFY(spacer);
    QCOMPARE(spacer->sizeHint(), QSize(117, 31));
    QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
    QCOMPARE(f->groupBoxAd->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(f->groupBoxAd->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);

    QCOMPARE(f->size(), QSize(756, 693).expandedTo(f->minimumSizeHint()));
    QVERIFY(!f->windowIcon().isNull());
    QVERIFY(!f->pushButtonPreview->icon().isNull());
    QCOMPARE(iconImage(f->windowIcon()), iconImage(QIcon(":/img/logo.png")));
    QCOMPARE(iconImage(f->pushButtonPreview->icon()), iconImage(QIcon(":/img/preview.png")));
    QVERIFY(f->checkBoxPreview->isChecked());
    QCOMPARE(f->comboBoxEngine->count(), 0);
    for (QLineEdit *field : {f->lineEditTitle, f->lineEditText, f->lineEditURL})
        QVERIFY(field->text().isEmpty());
    for (QLabel *counter : {f->labelTitle, f->labelText, f->labelURL}) {
        QVERIFY(counter->text().isEmpty());
        QCOMPARE(counter->frameShape(), QFrame::Panel);
        QCOMPARE(counter->frameShadow(), QFrame::Sunken);
        QCOMPARE(counter->alignment(), Qt::Alignment(Qt::AlignLeft));
    }
}

void tst_MainForm::maxLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("expected");
    QTest::addRow("text at its limit") << "lineEditText" << 2300 << 2300;
    QTest::addRow("text below its limit") << "lineEditText" << 2299 << 2300;
    QTest::addRow("title") << "lineEditTitle" << 2999 << 3000;
    QTest::addRow("url") << "lineEditURL" << 2999 << 3000;
}

void tst_MainForm::maxLength()
{
    QFETCH(QString, name);
    QFETCH(int, filled);
    QFETCH(int, expected);
    auto field = m_form->findChild<QLineEdit *>(name);
    QVERIFY(field);
    field->setText(QString(filled, QLatin1Char('a')));
    QTest::keyClicks(field, QStringLiteral("b"));
    QCOMPARE(field->text().size(), expected);
}

void tst_MainForm::buddies_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("buddy");
    auto add = [](const char *label, const char *buddy) {
        QTest::addRow("%s", label) << QString::fromLatin1(label) << QString::fromLatin1(buddy);
    };
    add("label_2_2", "lineEditTitle");
    add("label_5", "lineEditText");
    add("label_3_3", "lineEditURL");
    add("labelTitle", "lineEditTitle");
    add("labelText", "lineEditText");
    add("labelURL", "lineEditText");
    add("label_3_2_2", "comboBoxEngine");
}

void tst_MainForm::buddies()
{
    QFETCH(QString, label);
    QFETCH(QString, buddy);
    auto widget = m_form->findChild<QLabel *>(label);
    QVERIFY(widget);
    QVERIFY(widget->buddy());
    QCOMPARE(widget->buddy()->objectName(), buddy);
}

void tst_MainForm::tabOrder()
{
    MainForm *f = m_form.get();
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    f->lineEditTitle->setFocus();
    QTRY_VERIFY(f->lineEditTitle->hasFocus());
    const QList<QWidget *> order{f->lineEditText, f->lineEditURL, f->textBrowserPreview};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), next);
    }
}

void tst_MainForm::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    auto add = [](const char *name, const QString &text) {
        QTest::addRow("%s", name) << QString::fromLatin1(name) << text;
    };
    add("MainForm", QStringLiteral("Advertisment Preview"));
    add("checkBoxPreview", QStringLiteral("Direct Preview (slow)"));
    add("label_3_2_2", caption("Select a Engine"));
    add("pushButtonPreview", QStringLiteral("&Preview"));
    add("groupBoxAd", QStringLiteral("Advertisment"));
    add("label_2_2", caption("Title"));
    add("label_5", caption("Text"));
    add("label_3_3", caption("URL"));
}

void tst_MainForm::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget *widget
        = name == m_form->objectName() ? m_form.get() : m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QString shown;
    if (auto label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto group = qobject_cast<QGroupBox *>(widget))
        shown = group->title();
    else
        shown = widget->windowTitle();
    QCOMPARE(shown, text);
}

QTEST_MAIN(tst_MainForm)
#include "tst_mainform.moc"
