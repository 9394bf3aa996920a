// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

#include "ads/copydeck.h"
#include "ads/counters.h"
#include "ads/sheet.h"
#include "ui/markup.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QSettings>
#include <QTableView>

using namespace Qt::StringLiterals;

// The window follows files that change on disk: engine profiles and the ad sheet.
class tst_FileWatching : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void profileRewrittenOnDisk_data();
    void profileRewrittenOnDisk();
    void dialogKeepsEditsAndWarns();
};

namespace {
// Rewrites engine `name` with title limit `limitTitle`: atomically as the program and sync
// tools do, or in place as an editor may.
bool rewriteEngine(const QString &name, int limitTitle, bool inPlace)
{
    if (!inPlace)
        return writeEngineFile(name, QString(), limitTitle, 200, 100, 1, 0, QString());
    if (!writeEngineFile(u"Scratch"_s, QString(), limitTitle, 200, 100, 1, 0, QString()))
        return false;
    const QString folder = DialogDriver::enginesFolder();
    QFile scratch(folder + u"/Scratch.xml"_s);
    if (!scratch.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = scratch.readAll();
    scratch.remove();
    QFile file(folder + u'/' + name + u".xml"_s);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) > 0;
}
} // namespace

void tst_FileWatching::initTestCase()
{
    TestSupport::isolate();
}

void tst_FileWatching::init()
{
    TestSupport::resetEnginesFolder();
    QVERIFY(writeEngineFile(u"Narrow"_s, QString(), 5, 10, 8, 0, 0, QString()));
    QVERIFY(writeEngineFile(u"Wide"_s, QString(), 100, 200, 100, 1, 0, QString()));
    QSettings(App::organizationName, App::applicationName).clear();
    QDir(QFileInfo(sheetFilePath()).absolutePath()).removeRecursively();
}

void tst_FileWatching::profileRewrittenOnDisk_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::addRow("replaced") << false;
    QTest::addRow("written in place") << true;
}

// With no user action, the counter, the engine chosen and the sheet's verdicts follow a
// profile rewritten on disk.
void tst_FileWatching::profileRewrittenOnDisk()
{
    QFETCH(bool, inPlace);
    MainWindow window;
    window.show();
    DialogDriver::showEngineInMainForm(window, 1);
    window.mainForm->lineEditTitle->setText(u"Sourdough"_s);
    window.findChild<QPushButton *>(u"pushButtonKeep"_s)->click();
    QCOMPARE(window.mainForm->labelTitle->text(), counterMessage(9, 100));
    const QAbstractItemModel *sheet = window.findChild<QTableView *>(u"tableViewSheet"_s)->model();
    QCOMPARE(sheet->index(0, 4).data().toString(), verdictText(Verdict::Fits));

    QVERIFY(rewriteEngine(u"Wide"_s, 7, inPlace));
    QTRY_COMPARE_WITH_TIMEOUT(window.mainForm->labelTitle->text(), counterMessage(9, 7), 3000);
    QCOMPARE(window.mainForm->comboBoxEngine->currentText(), u"Wide"_s);
    QCOMPARE(sheet->index(0, 4).data().toString(), verdictText(Verdict::DoesNotFit));
}

// The engine dialog keeps what the user types while the engine's file changes on disk, and
// says so.
void tst_FileWatching::dialogKeepsEditsAndWarns()
{
    MainWindow window;
    window.show();
    DialogDriver::runDialog(window, [&] {
        EngineForm *form = window.engineForm;
        QVERIFY(DialogDriver::clickRow(form, u"Wide"_s));
        DialogDriver::retype(form->spinBoxTitleLimit, u"42"_s);
        QVERIFY(rewriteEngine(u"Wide"_s, 7, false));
        QMessageBox *box = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(
            (box = window.engineForm->findChild<QMessageBox *>(u"messageBoxEngineChanged"_s)),
            3000);
        QVERIFY(box->text().contains(u"\"Wide\""_s));
        box->close();
        QCOMPARE(form->spinBoxTitleLimit->value(), 42);
        QVERIFY(DialogDriver::rowIsChosen(form, u"Wide"_s));
        QCOMPARE(window.mainForm->labelTitle->text(), counterMessage(0, 5));
        // Closing the dialog asks about the edit, as ever.
        DialogDriver::answerBoxes({DialogDriver::standardButtonText(QMessageBox::Discard)});
    });
}

QTEST_MAIN(tst_FileWatching)
#include "tst_filewatching.moc"
