// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An engine's rules in the window: edited in the dialog, counted beside the fields, checked under
// them, shown in the preview, and every engine's verdict in the status bar.
#include "dialogdriver.h"

#include "ads/counters.h"
#include "ui/markup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextDocument>

using namespace DialogDriver;
using namespace Qt::StringLiterals;

class tst_EngineRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogRoundTrip_data();
    void dialogRoundTrip();
    void rulesAreAnEngineEditor();
    void movesKeepRules();
    void countersCountAsTheEngine();
    void checksFollowTypingWithoutPreview();
    void previewShowsWhatTheEngineShows();
    void enginesAtAGlance();
    void shippedProfilesNameTheirRules();

private:
    std::unique_ptr<MainWindow> m_window;
};

namespace {
bool writeEngine(const QString &name, int position, const QString &rules)
{
    return writeEngineFile(
        name, QString(), 30, 81, 20, position, 0, u"%TITLE%|%TEXT%|%URL%"_s, rules);
}

QLabel *fitLabel(MainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>(u"labelEnginesFit"_s);
}
} // namespace

void tst_EngineRules::initTestCase()
{
    TestSupport::isolate();
}

void tst_EngineRules::init()
{
    TestSupport::resetEnginesFolder();
}

void tst_EngineRules::cleanup()
{
    m_window.reset();
}

void tst_EngineRules::dialogRoundTrip_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<int>("chosenIndex");
    QTest::addColumn<QString>("saved");
    QTest::addRow("kept") << u"yandex"_s << 3 << -1 << u"yandex"_s;
    QTest::addRow("changed") << u"yandex"_s << 3 << 1 << u"google"_s;
    QTest::addRow("old file stays without rules") << QString() << 0 << -1 << QString();
    QTest::addRow("unknown shows as plain") << u"bing"_s << 0 << -1 << QString();
    QTest::addRow("made plain") << u"baidu"_s << 4 << 0 << QString();
    QTest::addRow("plain made microsoft") << QString() << 0 << 2 << u"microsoft"_s;
}

void tst_EngineRules::dialogRoundTrip()
{
    QFETCH(QString, stored);
    QFETCH(int, shownIndex);
    QFETCH(int, chosenIndex);
    QFETCH(QString, saved);
    QVERIFY(writeEngine(u"E0"_s, 0, stored));
    const QMap<QString, QByteArray> before = engineFiles();
    MainWindow window;
    EngineForm *form = window.engineForm;
    runDialog(window, [&] {
        QVERIFY(clickRow(form, u"E0"_s));
        QCOMPARE(form->comboBoxRules->currentIndex(), shownIndex);
        if (chosenIndex >= 0)
            form->comboBoxRules->setCurrentIndex(chosenIndex);
        form->pushButtonSave->click();
    });
    QCOMPARE(readEngineValue(u"E0"_s, u"rules"_s), saved);
    // Saved unchanged, an engine without rules is written as it was read.
    if (chosenIndex < 0 && stored.isEmpty())
        QCOMPARE(engineFiles(), before);
}

void tst_EngineRules::rulesAreAnEngineEditor()
{
    QVERIFY(writeEngine(u"E0"_s, 0, u"google"_s));
    MainWindow window;
    EngineForm *form = window.engineForm;
    runDialog(window, [&] {
        QVERIFY(!form->comboBoxRules->isEnabled());
        QVERIFY(clickRow(form, u"E0"_s));
        QVERIFY(form->comboBoxRules->isEnabled());
        QCOMPARE(form->comboBoxRules->currentData().toString(), u"google"_s);
        form->pushButtonNew->click();
        QCOMPARE(form->comboBoxRules->currentIndex(), 0);
        QVERIFY(form->comboBoxRules->isEnabled());
        form->comboBoxRules->setCurrentIndex(3);
        QTest::keyClicks(form->lineEditName, u"Fresh"_s);
        form->pushButtonSave->click();
        QVERIFY(!form->comboBoxRules->isEnabled());
    });
    QCOMPARE(readEngineValue(u"Fresh"_s, u"rules"_s), u"yandex"_s);
    // Every item shows a name, and the items store the identifiers the files name.
    QStringList stored;
    for (int i = 0; i < form->comboBoxRules->count(); ++i) {
        QVERIFY(!form->comboBoxRules->itemText(i).isEmpty());
        stored.append(form->comboBoxRules->itemData(i).toString());
    }
    QCOMPARE(stored,
             (QStringList{QString(), u"google"_s, u"microsoft"_s, u"yandex"_s, u"baidu"_s}));
}

// The moved engine takes the rules shown in the editors with it; the neighbour keeps its own.
void tst_EngineRules::movesKeepRules()
{
    QVERIFY(writeEngine(u"E0"_s, 0, u"google"_s));
    QVERIFY(writeEngine(u"E1"_s, 1, u"yandex"_s));
    QVERIFY(writeEngine(u"E2"_s, 2, QString()));
    MainWindow window;
    EngineForm *form = window.engineForm;
    runDialog(window, [&] {
        QVERIFY(clickRow(form, u"E1"_s));
        form->comboBoxRules->setCurrentIndex(2);
        form->pushButtonUp->click();
        QCOMPARE(form->comboBoxRules->currentData().toString(), u"microsoft"_s);
        form->pushButtonDown->click();
    });
    QCOMPARE(readEngineValue(u"E0"_s, u"rules"_s), u"google"_s);
    QCOMPARE(readEngineValue(u"E1"_s, u"rules"_s), u"microsoft"_s);
    QCOMPARE(storedPosition(u"E1"_s), 1);
    // Renumbering after a removal keeps the rules of the engines that follow.
    runDialog(window, [&] {
        QVERIFY(clickRow(form, u"E0"_s));
        TestSupport::answerNextMessageBox(u"&Yes"_s);
        form->pushButtonDelete->click();
    });
    QCOMPARE(storedPosition(u"E1"_s), 0);
    QCOMPARE(readEngineValue(u"E1"_s, u"rules"_s), u"microsoft"_s);
    QCOMPARE(readEngineValue(u"E2"_s, u"rules"_s), QString());
}

void tst_EngineRules::countersCountAsTheEngine()
{
    QVERIFY(writeEngine(u"Yandex"_s, 0, u"yandex"_s));
    MainWindow window;
    MainForm *form = window.mainForm;
    // Seven narrow marks in 88 characters: Yandex counts 81, at its limit.
    form->lineEditText->setText(u"abcdefghi "_s.repeated(7) + u"wxyza.b,c!d:e;f\"g."_s);
    QCOMPARE(form->labelText->text(), textCounterMessage(81, 81, lineBreakHint(81, 0)));
    QCOMPARE(form->labelText->toolTip(), u"Punctuation marks not counted: 7"_s);
    form->lineEditText->setText(u"Roses"_s);
    QCOMPARE(form->labelText->toolTip(), QString());
    form->lineEditURL->setText(u"red sofas!"_s);
    QCOMPARE(form->labelURL->text(), counterMessage(9, 20));
}

void tst_EngineRules::checksFollowTypingWithoutPreview()
{
    QVERIFY(writeEngine(u"Google"_s, 0, u"google"_s));
    MainWindow window;
    MainForm *form = window.mainForm;
    form->checkBoxPreview->setChecked(false);
    QCOMPARE(form->labelChecks->text(), QString());
    QTest::keyClicks(form->lineEditTitle, u"FREE Shipping!!"_s);
    const QString checks = form->labelChecks->text();
    QVERIFY(checks.contains(u"color:red;\">Title: &quot;!!&quot; repeats"_s));
    QVERIFY(checks.contains(u"color:orange;\">Title: &quot;FREE&quot; is written in capitals."_s));
    form->lineEditText->setText(u"Fresh flowers."_s);
    form->lineEditTitle->setText(u"Free shipping"_s);
    // Mended, only the ad as a whole is left: the form holds one title and one text.
    QCOMPARE(form->labelChecks->text(),
             u"<span style=\" color:orange;\">Final URL: No final URL yet: the engine needs the "
             "page the ad leads to.</span><br><span style=\" color:red;\">Ad: Needs 2 more "
             "titles.</span><br><span style=\" color:red;\">Ad: Needs 1 more text.</span>"_s);
    // Emptied, the form says nothing.
    form->lineEditText->clear();
    form->lineEditTitle->clear();
    QCOMPARE(form->labelChecks->text(), QString());
    // Under the fields, across the form, in an area that scrolls.
    auto *area = form->findChild<QScrollArea *>(u"scrollAreaChecks"_s);
    QVERIFY(area);
    QCOMPARE(area->widget(), form->labelChecks);
    int row, column, rowSpan, columnSpan;
    form->gridLayout1->getItemPosition(
        form->gridLayout1->indexOf(area), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QRect(column, row, columnSpan, rowSpan), QRect(0, 3, 3, 1));
}

void tst_EngineRules::previewShowsWhatTheEngineShows()
{
    QVERIFY(writeEngine(u"Google"_s, 0, u"google"_s));
    MainWindow window;
    MainForm *form = window.mainForm;
    form->checkBoxPreview->setChecked(true);
    form->lineEditTitle->setText(u"Buy {KeyWord:Chocolate}"_s);
    form->lineEditText->setText(u"東京"_s.repeated(30));
    QCOMPARE(form->labelTitle->text(), counterMessage(13, 30));
    const QString shown = form->textBrowserPreview->toPlainText();
    QVERIFY2(shown.startsWith(u"Buy Chocolate|"_s + u"東京"_s.repeated(20) + u"..."_s),
             qPrintable(shown));
}

void tst_EngineRules::enginesAtAGlance()
{
    QVERIFY(writeEngine(u"Google"_s, 0, u"google"_s));
    QVERIFY(writeEngine(u"Yandex"_s, 1, u"yandex"_s));
    QVERIFY(writeEngine(u"Old"_s, 2, QString()));
    TestSupport::writeRawFile(u"Broken.xml"_s, "<Engine><limitTitle");
    MainWindow window;
    QLabel *label = fitLabel(window);
    QVERIFY(label);
    QCOMPARE(label->text(), u"Fits 3 of 3 engines"_s);
    // 16 Japanese characters: 32 for Google.
    window.mainForm->lineEditTitle->setText(u"東京で人気の花屋さん新鮮な花束を"_s);
    window.mainForm->lineEditText->setText(u"Fresh flowers."_s);
    QCOMPARE(label->text(), u"Fits 2 of 3 engines"_s);

    // Every reason of each engine, a line each.
    QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), label->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(label, &help);
    QTextDocument shown;
    shown.setHtml(label->toolTip());
    const QString noFinalURL
        = u"Final URL: No final URL yet: the engine needs the page the ad leads to."_s;
    QCOMPARE(shown.toPlainText(),
             u"Broken: cannot be read\nGoogle: does not fit:\n"
             "    Title over its limit (32 of 30)\n"
             "    Ad: Needs 2 more titles.\n"
             "    Ad: Needs 1 more text.\n"
             "    %1\n"
             "Yandex: fits, with warnings:\n"
             "    %1\n"
             "Old: fits"_s.arg(noFinalURL));
    // A finding that quotes the ad's words never makes them markup.
    window.mainForm->lineEditURL->setText(u"example.com/<b>abcdefghijklmno"_s);
    QCoreApplication::sendEvent(label, &help);
    shown.setHtml(label->toolTip());
    QVERIFY2(shown.toPlainText().contains(
                 u"\n    URL: The path \"<b>abcdefghijklmno\" is longer than 15 characters.\n"_s),
             qPrintable(shown.toPlainText()));
}

void tst_EngineRules::shippedProfilesNameTheirRules()
{
    const QMap<QString, QString> expected{{u"Google Ads"_s, u"google"_s},
                                          {u"Microsoft Advertising"_s, u"microsoft"_s},
                                          {u"Yandex Direct"_s, u"yandex"_s}};
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QFile file(QStringLiteral(VELLUMO_SOURCE_DIR "/files/") + it.key() + u".xml"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.contains(u"<rules value=\"%1\"/>"_s.arg(it.value()).toUtf8()),
                 qPrintable(it.key()));
    }
}

QTEST_MAIN(tst_EngineRules)
#include "tst_enginerules.moc"
