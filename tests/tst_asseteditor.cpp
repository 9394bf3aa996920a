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
    void pinByKeyboard();
    void plainEngineKeepsTheKeys();

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
    QStringList titles() const; // as the form and the rows show them

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

QStringList tst_AssetEditor::titles() const
{
    QStringList shown;
    for (int i = 0; i < editor()->rows(AdField::Title); ++i)
        shown.append(editor()->edit(AdField::Title, i)->text());
    return shown;
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
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("focusAfter");

    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    const int alt = Qt::AltModifier;
    QTest::addRow("Alt+Up on title 2 swaps it with the form's title")
        << abc << 1 << int(Qt::Key_Up) << alt << QStringList{u"B"_s, u"A"_s, u"C"_s} << 0;
    QTest::addRow("Alt+Down on the form's title")
        << abc << 0 << int(Qt::Key_Down) << alt << QStringList{u"B"_s, u"A"_s, u"C"_s} << 1;
    QTest::addRow("Alt+Up on title 1 changes nothing")
        << abc << 0 << int(Qt::Key_Up) << alt << abc << 0;
    QTest::addRow("Alt+Down on the last changes nothing")
        << abc << 2 << int(Qt::Key_Down) << alt << abc << 2;
    QTest::addRow("Alt+Delete on title 2")
        << abc << 1 << int(Qt::Key_Delete) << alt << QStringList{u"A"_s, u"C"_s, QString()} << 1;
    QTest::addRow("Alt+Delete on the form's title: title 2 takes its place")
        << abc << 0 << int(Qt::Key_Delete) << alt << QStringList{u"B"_s, u"C"_s, QString()} << 0;
    QTest::addRow("Ctrl+T adds title 4 and goes there")
        << abc << 0 << int(Qt::Key_T) << int(Qt::ControlModifier)
        << QStringList{u"A"_s, u"B"_s, u"C"_s, QString()} << 3;
    QTest::addRow("a plain Up is the field's own")
        << abc << 1 << int(Qt::Key_Up) << int(Qt::NoModifier) << abc << 1;
}

void tst_AssetEditor::keyboardEdits()
{
    QFETCH(QStringList, before);
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, after);
    QFETCH(int, focusAfter);

    choose(Google);
    for (qsizetype i = 0; i < before.size(); ++i)
        editor()->edit(AdField::Title, int(i))->setText(before.at(i));
    // The form's title is title 1.
    QCOMPARE(m_window->mainForm->lineEditTitle, editor()->edit(AdField::Title, 0));
    QLineEdit *field = editor()->edit(AdField::Title, focus);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // A button's shortcut clicks it a moment later.
    QTRY_COMPARE(titles(), after);
    QTRY_COMPARE(QApplication::focusWidget(), editor()->edit(AdField::Title, focusAfter));
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), after.at(0));
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
    QCOMPARE(editor()->ad(), ad);
    auto *view = child<QTableView>(u"tableViewSheet"_s);
    const int rows = view->model()->rowCount();
    child<QPushButton>(u"pushButtonKeep"_s)->click();
    editor()->setAd(AdFields());
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), QString());
    QTRY_COMPARE(view->model()->rowCount(), rows + 1);
    m_window->tableViewSheet_doubleClicked(view->model()->index(rows, 0));
    QCOMPARE(editor()->ad(), ad);
    QCOMPARE(child<QLineEdit>(u"lineEditTitle15"_s)->text(), u"Title 15"_s);
    QCOMPARE(child<QComboBox>(u"comboBoxPinTitle3"_s)->currentIndex(), 3);
}

void tst_AssetEditor::engineSwitchKeepsAssets()
{
    choose(Google);
    AdFields ad(u"One"_s, u"Text"_s, u"example.com"_s);
    for (int i = 1; i < 5; ++i)
        ad.set(AdField::Title, i, u"T%1"_s.arg(i + 1));
    ad.titlePins = {0, 2};
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
    QCOMPARE(child<QComboBox>(u"comboBoxPinTitle2"_s)->currentIndex(), 2);
}

void tst_AssetEditor::stepsThroughCombinations()
{
    choose(Google);
    m_window->mainForm->checkBoxPreview->setChecked(true);
    AdFields ad(u"A"_s, u"x"_s, QString());
    ad.set(AdField::Title, 1, u"B"_s);
    ad.set(AdField::Title, 2, u"C"_s);
    editor()->setAd(ad);
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
    editor()->setAd(AdFields(u"A"_s, u"x"_s, QString()));
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

void tst_AssetEditor::pinByKeyboard()
{
    choose(Google);
    QLineEdit *title2 = child<QLineEdit>(u"lineEditTitle2"_s);
    title2->setText(u"B"_s);
    title2->setFocus();
    QTRY_VERIFY(title2->hasFocus());
    QTest::keyClick(title2, Qt::Key_Tab);
    auto *pin = child<QComboBox>(u"comboBoxPinTitle2"_s);
    QTRY_COMPARE(QApplication::focusWidget(), pin);
    QTest::keyClick(pin, Qt::Key_Down);
    QTest::keyClick(pin, Qt::Key_Down);
    QCOMPARE(pin->currentIndex(), 2);
    QCOMPARE(editor()->ad().titlePins, (QList<int>{0, 2}));
    // The pin goes with its title when the title moves.
    title2->setFocus();
    QTest::keyClick(title2, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(child<QComboBox>(u"comboBoxPinTitle1"_s)->currentIndex(), 2);
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), u"B"_s);
}

void tst_AssetEditor::plainEngineKeepsTheKeys()
{
    choose(Plain);
    QLineEdit *title = m_window->mainForm->lineEditTitle;
    title->setText(u"Only"_s);
    title->setFocus();
    QTRY_VERIFY(title->hasFocus());
    QTest::keyClick(title, Qt::Key_Delete, Qt::AltModifier);
    QCOMPARE(title->text(), u"Only"_s);
}

QTEST_MAIN(tst_AssetEditor)
#include "tst_asseteditor.moc"
