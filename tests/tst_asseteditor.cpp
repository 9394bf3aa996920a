// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/asseteditor.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_AssetEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void followsTheEngine_data();
    void followsTheEngine();
    void keyboardEdits_data();
    void keyboardEdits();
    void counterOfTitle15_data();
    void counterOfTitle15();
    void keepAndLoadEveryAsset();
    void engineSwitchKeepsAssets();
    void stepsThroughCombinations();
    void survivesARestart();

private:
    AssetEditor *editor() const { return m_window->findChild<AssetEditor *>(u"assetEditor"_s); }
    template<typename T>
    T *child(const QString &name) const
    {
        T *widget = m_window->findChild<T *>(name);
        if (!widget)
            qWarning("no %s", qPrintable(name));
        return widget;
    }
    void choose(int engine);
    QString titles() const; // as the form and the rows show them, in the rows' notation

    std::unique_ptr<MainWindow> m_window;
};

namespace {
enum Engine { Google, Plain, Yandex };
const QString allPlaceholders = u"<p>%TITLE%%TITLE2%%TITLE3%</p><p>%TEXT%%TEXT2%</p>"_s;

AdFields fullAd()
{
    AdFields ad(u"Title one"_s, u"Text one"_s, u"example.com/shop"_s);
    for (int i = 1; i < maxAdTitles; ++i)
        ad.set(AdField::Title, i, u"Title %1"_s.arg(i + 1));
    for (int i = 1; i < maxAdTexts; ++i)
        ad.set(AdField::Text, i, u"Text %1"_s.arg(i + 1));
    ad.titlePins = {1, 0, 3, 0, 2};
    ad.textPins = {0, 2};
    ad.finalUrl = u"https://example.com/shop?src=ads"_s;
    return ad;
}

// Titles written "A B:2 _": text and pin of each, "_" for an empty one.
AdFields titlesAd(const QString &titles)
{
    AdFields ad;
    const QStringList words = titles.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringList parts = words.at(i).split(u':');
        ad.set(AdField::Title, int(i), parts.at(0) == "_"_L1 ? QString() : parts.at(0));
        ad.setPin(AdField::Title, int(i), parts.value(1).toInt());
    }
    return ad;
}
} // namespace

void tst_AssetEditor::initTestCase()
{
    TestSupport::isolate();
}

void tst_AssetEditor::init()
{
    TestSupport::resetEnginesFolder();
    QVERIFY(writeEngineFile(
        u"Google"_s, QString(), 30, 90, 30, Google, 0, allPlaceholders, u"google"_s));
    QVERIFY(writeEngineFile(u"Plain"_s, QString(), 30, 90, 30, Plain, 0, QString(), QString()));
    QVERIFY(writeEngineFile(
        u"Yandex"_s, QString(), 56, 81, 20, Yandex, 0, allPlaceholders, u"yandex"_s));
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_AssetEditor::cleanup()
{
    m_window.reset();
}

void tst_AssetEditor::choose(int engine)
{
    m_window->mainForm->comboBoxEngine->setCurrentIndex(engine);
    m_window->comboBoxEngine_activated(engine);
}

QString tst_AssetEditor::titles() const
{
    QStringList shown;
    for (int i = 0; i < editor()->rows(AdField::Title); ++i) {
        const QString text = editor()->edit(AdField::Title, i)->text();
        const int pin = child<QComboBox>(u"comboBoxPinTitle%1"_s.arg(i + 1))->currentIndex();
        shown.append((text.isEmpty() ? u"_"_s : text) + (pin ? u":%1"_s.arg(pin) : QString()));
    }
    return shown.join(u' ');
}

void tst_AssetEditor::followsTheEngine_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<bool>("dock");
    QTest::addColumn<int>("titleRows");
    QTest::addColumn<int>("textRows");
    QTest::addColumn<bool>("pins");
    QTest::addColumn<QString>("title2Limit");

    QTest::addRow("google: three titles, two texts, pins")
        << int(Google) << true << 3 << 2 << true << u"of 30 chars"_s;
    QTest::addRow("yandex: title 2 of 30, no pins")
        << int(Yandex) << true << 2 << 1 << false << u"of 30 chars"_s;
    QTest::addRow("plain: the form alone") << int(Plain) << false << 1 << 1 << false << QString();
}

void tst_AssetEditor::followsTheEngine()
{
    QFETCH(int, engine);
    QFETCH(bool, dock);
    QFETCH(int, titleRows);
    QFETCH(int, textRows);
    QFETCH(bool, pins);
    QFETCH(QString, title2Limit);

    choose(engine);
    QCOMPARE(child<QDockWidget>(u"dockWidgetAssets"_s)->isVisible(), dock);
    QCOMPARE(editor()->rows(AdField::Title), titleRows);
    QCOMPARE(editor()->rows(AdField::Text), textRows);
    if (!dock)
        return;
    QCOMPARE(child<QLineEdit>(u"lineEditTitle2"_s)->isVisible(), titleRows >= 2);
    QCOMPARE(child<QLineEdit>(u"lineEditTitle4"_s)->isVisible(), false);
    QCOMPARE(child<QComboBox>(u"comboBoxPinTitle1"_s)->isVisible(), pins);
    QCOMPARE(child<QComboBox>(u"comboBoxPinText2"_s)->isVisible(), pins && textRows >= 2);
    QVERIFY(child<QLineEdit>(u"lineEditFinalURL"_s)->isVisible());
    QVERIFY(child<QLabel>(u"labelTitle2"_s)->text().contains(title2Limit));
}

void tst_AssetEditor::keyboardEdits_data()
{
    QTest::addColumn<int>("engine");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("focus"); // the title typed in
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("focusAfter"); // -1: not a title

    QTest::addRow("Alt+Up on title 2 swaps it with the form's title")
        << int(Google) << u"A B C"_s << 1 << u"Alt+Up"_s << u"B A C"_s << 0;
    QTest::addRow("Alt+Down on the form's title")
        << int(Google) << u"A B C"_s << 0 << u"Alt+Down"_s << u"B A C"_s << 1;
    QTest::addRow("Alt+Up on title 1 changes nothing")
        << int(Google) << u"A B C"_s << 0 << u"Alt+Up"_s << u"A B C"_s << 0;
    QTest::addRow("Alt+Down on the last changes nothing")
        << int(Google) << u"A B C"_s << 2 << u"Alt+Down"_s << u"A B C"_s << 2;
    QTest::addRow("Alt+Delete on title 2")
        << int(Google) << u"A B C"_s << 1 << u"Alt+Del"_s << u"A C _"_s << 1;
    QTest::addRow("Alt+Delete on the form's title: title 2 takes its place")
        << int(Google) << u"A B C"_s << 0 << u"Alt+Del"_s << u"B C _"_s << 0;
    QTest::addRow("Ctrl+T adds title 4 and goes there")
        << int(Google) << u"A B C"_s << 0 << u"Ctrl+T"_s << u"A B C _"_s << 3;
    QTest::addRow("a plain Up is the field's own")
        << int(Google) << u"A B C"_s << 1 << u"Up"_s << u"A B C"_s << 1;
    QTest::addRow("Tab to the pin, Down twice: position 2")
        << int(Google) << u"A B C"_s << 1 << u"Tab, Down, Down"_s << u"A B:2 C"_s << -1;
    QTest::addRow("the pin moves with its title")
        << int(Google) << u"A B:2 C"_s << 1 << u"Alt+Up"_s << u"B:2 A C"_s << 0;
    QTest::addRow("plain: Alt+Delete is the field's own")
        << int(Plain) << u"Only"_s << 0 << u"Alt+Del"_s << u"Only"_s << 0;
}

void tst_AssetEditor::keyboardEdits()
{
    QFETCH(int, engine);
    QFETCH(QString, before);
    QFETCH(int, focus);
    QFETCH(QString, keys);
    QFETCH(QString, after);
    QFETCH(int, focusAfter);

    choose(engine);
    editor()->setAd(titlesAd(before));
    // The form's title is title 1.
    QCOMPARE(m_window->mainForm->lineEditTitle, editor()->edit(AdField::Title, 0));
    QLineEdit *field = editor()->edit(AdField::Title, focus);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    const QKeySequence sequence(keys);
    for (int i = 0; i < sequence.count(); ++i) {
        QTest::keyClick(
            QApplication::focusWidget(), sequence[i].key(), sequence[i].keyboardModifiers());
    }
    // A button's shortcut clicks it a moment later.
    QTRY_COMPARE(titles(), after);
    if (focusAfter >= 0)
        QTRY_COMPARE(QApplication::focusWidget(), editor()->edit(AdField::Title, focusAfter));
}

void tst_AssetEditor::counterOfTitle15_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("colour");
    QTest::addRow("below") << 29 << u"green"_s;
    QTest::addRow("at") << 30 << u"orange"_s;
    QTest::addRow("above") << 31 << u"red"_s;
}

void tst_AssetEditor::counterOfTitle15()
{
    QFETCH(int, length);
    QFETCH(QString, colour);

    choose(Google);
    editor()->setAd(fullAd());
    QLineEdit *title15 = child<QLineEdit>(u"lineEditTitle15"_s);
    QVERIFY(title15->isVisible());
    title15->clear();
    QTest::keyClicks(title15, QString(length, u'x'));
    const QString counter = child<QLabel>(u"labelTitle15"_s)->text();
    QVERIFY2(counter.contains(u"color:%1;\">%2</span> of 30 chars"_s.arg(colour).arg(length)),
             qPrintable(counter));
    // Typing in title 15 leaves the other counters as they were.
    QVERIFY(child<QLabel>(u"labelTitle14"_s)->text().contains(u">8</span> of 30"_s));
}

void tst_AssetEditor::keepAndLoadEveryAsset()
{
    choose(Google);
    const AdFields ad = fullAd();
    editor()->setAd(ad);
    auto *view = child<QTableView>(u"tableViewSheet"_s);
    const int rows = view->model()->rowCount();
    child<QPushButton>(u"pushButtonKeep"_s)->click();
    editor()->setAd(AdFields());
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), QString());
    QTRY_COMPARE(view->model()->rowCount(), rows + 1);
    m_window->tableViewSheet_doubleClicked(view->model()->index(rows, 0));
    QCOMPARE(editor()->ad(), ad);
}

void tst_AssetEditor::engineSwitchKeepsAssets()
{
    choose(Google);
    const AdFields ad = titlesAd(u"One T2:2 T3 T4 T5"_s);
    editor()->setAd(ad);
    choose(Yandex);
    QCOMPARE(editor()->ad(), ad);
    QVERIFY(child<QLabel>(u"labelCaptionTitle3"_s)->text().contains(u"not used"_s));
    QVERIFY(!child<QLabel>(u"labelCaptionTitle2"_s)->text().contains(u"not used"_s));
    // Plain takes one title: the editor stays while the ad holds more.
    choose(Plain);
    QVERIFY(child<QDockWidget>(u"dockWidgetAssets"_s)->isVisible());
    QVERIFY(child<QLabel>(u"labelCaptionTitle2"_s)->text().contains(u"not used"_s));
    choose(Google);
    QCOMPARE(editor()->ad(), ad);
}

void tst_AssetEditor::stepsThroughCombinations()
{
    choose(Google);
    m_window->mainForm->checkBoxPreview->setChecked(true);
    editor()->setAd(titlesAd(u"A B C"_s));
    auto *label = child<QLabel>(u"labelCombination"_s);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), u"Combination 1 of 6"_s);
    QVERIFY(m_window->mainForm->textBrowserPreview->toPlainText().contains(u"A | B | C"_s));
    QTest::keyClick(m_window.get(), Qt::Key_PageDown, Qt::AltModifier);
    QTRY_COMPARE(label->text(), u"Combination 2 of 6"_s);
    QVERIFY(m_window->mainForm->textBrowserPreview->toPlainText().contains(u"A | C | B"_s));
    QTest::keyClick(m_window.get(), Qt::Key_PageUp, Qt::AltModifier);
    QTRY_COMPARE(label->text(), u"Combination 1 of 6"_s);
    QTest::keyClick(m_window.get(), Qt::Key_PageUp, Qt::AltModifier);
    QTRY_COMPARE(label->text(), u"Combination 6 of 6"_s);
    // One title left: nothing to step through.
    editor()->setAd(titlesAd(u"A"_s));
    QVERIFY(!label->isVisible());
}

void tst_AssetEditor::survivesARestart()
{
    choose(Google);
    editor()->setAd(fullAd());
    m_window->close();
    m_window = std::make_unique<MainWindow>();
    QCOMPARE(editor()->ad(), fullAd());
    editor()->setAd(AdFields());
    m_window->close();
}

QTEST_MAIN(tst_AssetEditor)
#include "tst_asseteditor.moc"
