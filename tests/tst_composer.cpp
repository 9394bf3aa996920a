// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/counters.h"
#include "ads/preview.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

namespace {
// Images that a template names are looked up in the engine's own folder beside its file.
QString engineFolder(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/files/") + name;
}
} // namespace

using namespace Qt::StringLiterals;

class tst_Composer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void choosingLoadsTheEngine_data();
    void choosingLoadsTheEngine();
    void choosingInTheComboBox();
    void choosingRereadsTheFile();
    void emptyCatalogue();
    void countersFollowTyping_data();
    void countersFollowTyping();
    void previewWaitsForTheButtonWhenLiveIsOff();
    void previewFollowsTypingWhenLiveIsOn();

private:
    MainForm *form() const { return m_window->mainForm; }
    // The preview's visible lines, without the empty ones.
    QStringList previewLines() const;

    std::unique_ptr<MainWindow> m_window;
};

namespace {
const QString alphaTemplate = u"<p>T:%TITLE%</p><p>X:%TEXT%</p><p>U:%URL%</p>"_s;
}

void tst_Composer::initTestCase()
{
    TestSupport::isolate();
}

void tst_Composer::init()
{
    TestSupport::resetEnginesFolder();
    QVERIFY(writeEngineFile(u"Alpha"_s, QString(), 30, 90, 25, 0, 10, alphaTemplate));
    QVERIFY(writeEngineFile(u"Beta"_s, QString(), 5, 6, 7, 1, 0, QString()));
    // Written by hand: no template at all, and a limit that is not a number.
    TestSupport::writeRawFile(u"Gamma.xml"_s,
                              "<Engine>\n<Name value=\"Gamma\"/>\n<limitTitle value=\"abc\"/>\n"
                              "<limitText value=\"12\"/>\n<limitURL value=\"\"/>\n"
                              "<listPosition value=\"2\"/>\n<textLineBreak value=\"7\"/>\n"
                              "</Engine>\n");
    // Built after the files exist: the window reads the catalogue and chooses its first engine.
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_Composer::cleanup()
{
    m_window.reset();
}

QStringList tst_Composer::previewLines() const
{
    static const QRegularExpression lineEnd(u"[\\n\\x{2028}\\x{2029}]"_s);
    return form()->textBrowserPreview->toPlainText().split(lineEnd, Qt::SkipEmptyParts);
}

void tst_Composer::choosingLoadsTheEngine_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("limits"); // title, text, URL, line-break width
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("own template") << 0 << u"Alpha"_s << QList<int>{30, 90, 25, 10}
                                  << QStringList{u"T:My Title here"_s,
                                                 u"X:My Adverti"_s,
                                                 u"sment Here"_s,
                                                 u"U:"_s + exampleURL};
    QTest::addRow("empty template")
        << 1 << u"Beta"_s << QList<int>{5, 6, 7, 0}
        << QStringList{
               u"Advertisment"_s, u"My Title here"_s, u"My Advertisment Here"_s, exampleURL};
    QTest::addRow("no template, non-numeric limit") << 2 << u"Gamma"_s << QList<int>{0, 12, 0, 7}
                                                    << QStringList{u"Advertisment"_s,
                                                                   u"My Title here"_s,
                                                                   u"My Adve"_s,
                                                                   u"rtismen"_s,
                                                                   u"t Here"_s,
                                                                   exampleURL};
}

void tst_Composer::choosingLoadsTheEngine()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QList<int>, limits);
    QFETCH(QStringList, lines);

    QCOMPARE(form()->comboBoxEngine->itemText(index), name);
    if (index != 0)
        m_window->comboBoxEngine_activated(index);

    QCOMPARE(form()->labelTitle->text(), counterMessage(0, limits[0]));
    QCOMPARE(form()->labelText->text(),
             textCounterMessage(0, limits[1], lineBreakHint(0, limits[3])));
    QCOMPARE(form()->labelURL->text(), counterMessage(0, limits[2]));
    QCOMPARE(previewLines(), lines);
    QCOMPARE(form()->textBrowserPreview->searchPaths(), QStringList(engineFolder(name)));
}

void tst_Composer::choosingInTheComboBox()
{
    form()->checkBoxPreview->setChecked(false);
    QTest::keyClicks(form()->lineEditTitle, u"Hello world"_s);
    QVERIFY(!previewLines().join(u'|').contains(u"Hello"_s));

    // Choosing renders the preview whether or not it follows typing.
    QTest::keyClick(form()->comboBoxEngine, Qt::Key_Down);
    QCOMPARE(form()->comboBoxEngine->currentText(), u"Beta"_s);
    QCOMPARE(form()->labelTitle->text(), counterMessage(11, 5));
    QCOMPARE(form()->labelURL->text(), counterMessage(0, 7));
    QCOMPARE(form()->textBrowserPreview->searchPaths(), QStringList(engineFolder(u"Beta"_s)));
    QVERIFY(previewLines().contains(u"Hello..."_s));
}

void tst_Composer::choosingRereadsTheFile()
{
    QVERIFY(writeEngineFile(u"Alpha"_s, QString(), 40, 50, 60, 0, 0, u"<p>new %TITLE%</p>"_s));
    m_window->comboBoxEngine_activated(0);
    QCOMPARE(form()->labelTitle->text(), counterMessage(0, 40));
    QCOMPARE(form()->labelText->text(), textCounterMessage(0, 50, u"(Newline disabled)"_s));
    QCOMPARE(previewLines(), QStringList(u"new My Title here"_s));
}

void tst_Composer::emptyCatalogue()
{
    m_window.reset();
    TestSupport::resetEnginesFolder();
    m_window = std::make_unique<MainWindow>();

    QCOMPARE(form()->comboBoxEngine->count(), 0);
    QCOMPARE(form()->labelTitle->text(), counterMessage(0, 0));
    QCOMPARE(form()->labelText->text(), textCounterMessage(0, 0, u"(Newline disabled)"_s));
    QCOMPARE(form()->textBrowserPreview->searchPaths(), QStringList(engineFolder(QString())));
    QVERIFY(previewLines().contains(u"Advertisment"_s));
}

void tst_Composer::countersFollowTyping_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");

    QTest::addRow("title below") << u"lineEditTitle"_s << u"labelTitle"_s << 29
                                 << counterMessage(29, 30);
    QTest::addRow("title at") << u"lineEditTitle"_s << u"labelTitle"_s << 30
                              << counterMessage(30, 30);
    QTest::addRow("URL above") << u"lineEditURL"_s << u"labelURL"_s << 26 << counterMessage(26, 25);
    QTest::addRow("text below") << u"lineEditText"_s << u"labelText"_s << 29
                                << textCounterMessage(29, 90, u"(Newline after: 1 chars)"_s);
    QTest::addRow("text above") << u"lineEditText"_s << u"labelText"_s << 91
                                << textCounterMessage(91, 90, u"(Newline after: 9 chars)"_s);
}

void tst_Composer::countersFollowTyping()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    QFETCH(int, length);
    QFETCH(QString, expected);

    auto lineEdit = form()->findChild<QLineEdit *>(field);
    QVERIFY(lineEdit);
    QTest::keyClicks(lineEdit, QString(length, u'x'));
    QCOMPARE(form()->findChild<QLabel *>(label)->text(), expected);
}

void tst_Composer::previewWaitsForTheButtonWhenLiveIsOff()
{
    form()->checkBoxPreview->setChecked(false);
    const QStringList before = previewLines();
    QTest::keyClicks(form()->lineEditTitle, u"Hello"_s);
    QTest::keyClicks(form()->lineEditURL, u"a.com"_s);
    QCOMPARE(form()->labelTitle->text(), counterMessage(5, 30));
    QCOMPARE(previewLines(), before);

    QTest::mouseClick(form()->pushButtonPreview, Qt::LeftButton);
    QCOMPARE(previewLines(),
             QStringList({u"T:Hello"_s, u"X:My Adverti"_s, u"sment Here"_s, u"U:a.com"_s}));
}

void tst_Composer::previewFollowsTypingWhenLiveIsOn()
{
    form()->checkBoxPreview->setChecked(true);
    QTest::keyClicks(form()->lineEditText, u"<to"_s);
    QCOMPARE(previewLines().at(1), u"X:<to"_s);
    QTest::keyClicks(form()->lineEditText, u"day> & more"_s);
    QCOMPARE(previewLines().mid(1, 2), QStringList({u"X:<today> & "_s, u"more"_s}));

    // Typed markup and placeholders show as typed.
    QTest::keyClicks(form()->lineEditTitle, u"<b>%URL%</b>"_s);
    QCOMPARE(previewLines().first(), u"T:<b>%URL%</b>"_s);
    QTest::keyClick(form()->lineEditTitle, Qt::Key_Backspace);
    QCOMPARE(previewLines().first(), u"T:<b>%URL%</b"_s);
}

QTEST_MAIN(tst_Composer)
#include "tst_composer.moc"
