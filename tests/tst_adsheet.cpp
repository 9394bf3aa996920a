// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "app/globals.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/filechooser.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

class tst_AdSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dockAndViewAction();
    void keepRemoveAndLoad();
    void survivesARestart();
    void verdictColumns();
    void engineColumnsFitTheirNames();
    void failedSaveLosesNothing();
    void unreadableSheetIsKeptAside();
    void importAndExport_data();
    void importAndExport();
    void importMessages_data();
    void importMessages();
    void removeAllAndUndo();
    void keepUpdatesTheRowLoaded();
    void sortingLeavesTheFileOrder();
    void selectedRowKeepsItsVerdictColour();
    void checkLinesDoNotGrowTheWindow();

private:
    MainWindow *newWindow();
    void type(const QString &title, const QString &text, const QString &url);
    QTableView *view() const { return m_window->findChild<QTableView *>(u"tableViewSheet"_s); }
    QAbstractItemModel *model() const { return view()->model(); }
    QPushButton *button(const char *name) const
    {
        return m_window->findChild<QPushButton *>(QLatin1String(name));
    }
    QAction *fileAction(const QString &text) const;
    // Imports `path` in a new window; `message` gets what the window says of it.
    void importDeck(const QString &path, QString *message);
    Sheet sheetOnDisk() const
    {
        return TestSupport::withoutOtherColumns(readCopyDeck(sheetFilePath()).ads);
    }
    QStringList shownTitles() const;
    QAction *viewAction(const QString &text) const;
    void keepTitles(const QStringList &titles);
    void tableViewSheet_doubleClick(int row);

    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_dir;
};

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void tst_AdSheet::initTestCase()
{
    TestSupport::isolate();
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_dir.isValid());
    // The sheet lives under the test's own data folder.
    QVERIFY(!qgetenv("XDG_DATA_HOME").isEmpty());
}

void tst_AdSheet::init()
{
    TestSupport::resetEnginesFolder();
    // Plain engines: counts are lengths.
    QVERIFY(writeEngineFile(u"Narrow"_s, QString(), 5, 10, 8, 0, 0, QString()));
    QVERIFY(writeEngineFile(u"Wide"_s, QString(), 100, 200, 100, 1, 0, QString()));
    QSettings(App::organizationName, App::applicationName).clear();
    // A fresh data folder: no sheet, nothing kept aside by an earlier run.
    QDir(QFileInfo(sheetFilePath()).absolutePath()).removeRecursively();
}

void tst_AdSheet::cleanup()
{
    m_window.reset();
}

MainWindow *tst_AdSheet::newWindow()
{
    m_window = std::make_unique<MainWindow>();
    return m_window.get();
}

void tst_AdSheet::type(const QString &title, const QString &text, const QString &url)
{
    m_window->mainForm->lineEditTitle->setText(title);
    m_window->mainForm->lineEditText->setText(text);
    m_window->mainForm->lineEditURL->setText(url);
}

QAction *tst_AdSheet::fileAction(const QString &text) const
{
    const auto menus = m_window->menuBar()->actions();
    for (const QAction *menu : menus) {
        if (menu->text() != u"&File"_s)
            continue;
        const auto actions = menu->menu()->actions();
        for (QAction *action : actions) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void tst_AdSheet::dockAndViewAction()
{
    MainWindow *w = newWindow();
    w->show();
    auto dock = w->findChild<QDockWidget *>(u"dockWidgetSheet"_s);
    QVERIFY(dock);
    // Closed at first start, so that the small first window shows nothing cut off.
    QVERIFY(!dock->isVisible());
    QAction *toggle = dock->toggleViewAction();
    QCOMPARE(toggle->text(), u"&Ad Sheet"_s);
    QVERIFY(!toggle->icon().isNull());
    QCOMPARE(
        toggle->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
        QIcon(u":/img/dock.png"_s).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32));
    toggle->trigger();
    QVERIFY(dock->isVisible());
    // Nothing of the table and its buttons is cut off: the window made room.
    QVERIFY(view()->height() >= view()->minimumHeight());
    QVERIFY(button("pushButtonKeep")->height() >= button("pushButtonKeep")->sizeHint().height());
    toggle->trigger();
    QVERIFY(!dock->isVisible());
    toggle->trigger();
    QVERIFY(dock->isVisible());
    // Open or closed, the dock is as the window was closed.
    w->close();
    newWindow()->show();
    dock = m_window->findChild<QDockWidget *>(u"dockWidgetSheet"_s);
    QVERIFY(dock->isVisible());
    dock->toggleViewAction()->trigger();
    m_window->close();
    newWindow()->show();
    dock = m_window->findChild<QDockWidget *>(u"dockWidgetSheet"_s);
    QVERIFY(!dock->isVisible());
    QCOMPARE(model()->columnCount(), 5);
    QCOMPARE(model()->headerData(3, Qt::Horizontal).toString(), u"Narrow"_s);
    QCOMPARE(model()->headerData(4, Qt::Horizontal).toString(), u"Wide"_s);
}

void tst_AdSheet::keepRemoveAndLoad()
{
    newWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    type(u"First"_s, u"one"_s, u"a.org"_s);
    button("pushButtonKeep")->click();
    type(u"Second"_s, u"two"_s, u"b.org"_s);
    button("pushButtonKeep")->click();
    type(u"Third"_s, u"three"_s, u"c.org"_s);
    button("pushButtonKeep")->click();
    QCOMPARE(model()->rowCount(), 3);
    QCOMPARE(sheetOnDisk().size(), 3);

    // A double-click loads the row into the form.
    type(QString(), QString(), QString());
    const QModelIndex second = model()->index(1, 0);
    view()->scrollTo(second);
    QVERIFY(view()->visualRect(second).isValid());
    const QPoint at = view()->visualRect(second).center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), u"Second"_s);
    QCOMPARE(m_window->mainForm->lineEditText->text(), u"two"_s);
    QCOMPARE(m_window->mainForm->lineEditURL->text(), u"b.org"_s);

    // Remove takes the selected row, on screen and on disk.
    view()->selectRow(1);
    button("pushButtonRemove")->click();
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(model()->index(1, 0).data().toString(), u"Third"_s);
    const Sheet disk = sheetOnDisk();
    QCOMPARE(disk.size(), 2);
    QCOMPARE(disk.at(0).title, u"First"_s);
    QCOMPARE(disk.at(1).title, u"Third"_s);
}

void tst_AdSheet::survivesARestart()
{
    MainWindow *w = newWindow();
    type(u"Kept, \"quoted\""_s, u"line\nbreak"_s, u"x.org"_s);
    button("pushButtonKeep")->click();
    type(u"Being written"_s, u"not kept yet"_s, u"y.org"_s);
    w->close();
    m_window.reset();

    newWindow();
    QCOMPARE(model()->rowCount(), 1);
    QCOMPARE(model()->index(0, 0).data().toString(), u"Kept, \"quoted\""_s);
    QCOMPARE(model()->index(0, 1).data().toString(), u"line\nbreak"_s);
    QCOMPARE(m_window->mainForm->lineEditTitle->text(), u"Being written"_s);
    QCOMPARE(m_window->mainForm->lineEditText->text(), u"not kept yet"_s);
    QCOMPARE(m_window->mainForm->lineEditURL->text(), u"y.org"_s);
}

void tst_AdSheet::verdictColumns()
{
    newWindow();
    type(u"Sourdough"_s, u"Fresh"_s, u"x.org"_s); // nine characters: over Narrow's five
    button("pushButtonKeep")->click();
    const AdFields ad{u"Sourdough"_s, u"Fresh"_s, u"x.org"_s};
    for (int engine = 0; engine < 2; ++engine) {
        const EngineProfile values = readEngineValues(engine == 0 ? u"Narrow"_s : u"Wide"_s);
        const AdCheck check = checkAd(values, ad);
        const QModelIndex cell = model()->index(0, 3 + engine);
        QCOMPARE(cell.data().toString(), verdictText(check.verdict));
        QVERIFY(cell.data(Qt::BackgroundRole).canConvert<QBrush>());
        const QString tip = cell.data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains(QString::number(check.title.count)), qPrintable(tip));
    }
    const QModelIndex narrow = model()->index(0, 3);
    const QModelIndex wide = model()->index(0, 4);
    QCOMPARE(narrow.data().toString(), u"does not fit"_s);
    QVERIFY(narrow.data(Qt::ToolTipRole).toString().contains(u"Title: counts 9 of 5"_s));
    QVERIFY(narrow.data(Qt::BackgroundRole).value<QBrush>().color()
            != wide.data(Qt::BackgroundRole).value<QBrush>().color());
}

// The ad's own columns at least 110 pixels wide, each engine's as wide as its name needs, and never
// narrower than 90; an engine whose file cannot be read has no column.
void tst_AdSheet::engineColumnsFitTheirNames()
{
    const QString longName = u"Microsoft Advertising Network Search Partners"_s;
    QVERIFY(writeEngineFile(longName, QString(), 30, 90, 30, 3, 0, QString()));
    // Between Narrow and Wide: unreadable, so at position 0, after Narrow by name.
    TestSupport::writeRawFile(u"Overflow.xml"_s, "<Engine><listPosition value=\"2\"/>");
    MainWindow *w = newWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->findChild<QDockWidget *>(u"dockWidgetSheet"_s)->show();

    QHeaderView *header = view()->horizontalHeader();
    QVERIFY(header->isVisible());
    QCOMPARE(header->height(), header->sizeHint().height());
    const QFontMetrics metrics = header->fontMetrics();
    const auto widthFor = [&metrics](const QString &name) {
        return std::max(90, metrics.horizontalAdvance(name) + 24);
    };
    const auto checkColumns = [&](const QStringList &engines) {
        QCOMPARE(model()->columnCount(), 3 + engines.size());
        // The ad's own columns take what the engines leave, at least 110 each.
        for (int column = 0; column < 3; ++column)
            QVERIFY(view()->columnWidth(column) >= 110);
        for (int engine = 0; engine < engines.size(); ++engine) {
            const int column = 3 + engine;
            QCOMPARE(model()->headerData(column, Qt::Horizontal).toString(), engines.at(engine));
            QCOMPARE(view()->columnWidth(column), widthFor(engines.at(engine)));
        }
    };
    checkColumns({u"Narrow"_s, u"Wide"_s, longName});
    QVERIFY(view()->columnWidth(5) > 90);

    // Each verdict is the one of its column's engine, past the engine without a column.
    type(u"Sourdough"_s, u"Fresh"_s, u"x.org"_s);
    button("pushButtonKeep")->click();
    QVERIFY(model()->index(0, 4).data(Qt::ToolTipRole).toString().startsWith(u"Wide: "_s));
    QVERIFY(model()->index(0, 5).data(Qt::ToolTipRole).toString().startsWith(longName + u": "_s));

    // A rebuild with the sheet on screen sizes the columns the same way.
    const QString another = u"Another engine with a long name"_s;
    QVERIFY(writeEngineFile(another, QString(), 30, 90, 30, 4, 0, QString()));
    w->refreshEngineLists();
    checkColumns({u"Narrow"_s, u"Wide"_s, longName, another});
    QVERIFY(header->isVisible());
    QTRY_COMPARE(header->height(), header->sizeHint().height());

    // So does one while the sheet is closed, and the header is back when it is opened.
    auto *dock = w->findChild<QDockWidget *>(u"dockWidgetSheet"_s);
    dock->hide();
    const QString last = u"The last engine, also with a long name"_s;
    QVERIFY(writeEngineFile(last, QString(), 30, 90, 30, 5, 0, QString()));
    w->refreshEngineLists();
    dock->show();
    QVERIFY(header->isVisible());
    checkColumns({u"Narrow"_s, u"Wide"_s, longName, another, last});
    QTRY_COMPARE(header->height(), header->sizeHint().height());
}

void tst_AdSheet::failedSaveLosesNothing()
{
    newWindow();
    type(u"Saved"_s, u"t"_s, u"u"_s);
    button("pushButtonKeep")->click();
    const QByteArray before = fileBytes(sheetFilePath());
    QVERIFY(!before.isEmpty());

    m_window->setFileWriter(TestSupport::failingWriter([](const QString &) { return true; }));
    QString message;
    TestSupport::answerNextMessageBox(u"OK"_s, &message);
    type(u"Unsaved"_s, u"t"_s, u"u"_s);
    button("pushButtonKeep")->click();
    QVERIFY(message.contains(u"could not be saved"_s));
    QCOMPARE(fileBytes(sheetFilePath()), before);
    QCOMPARE(model()->rowCount(), 2);
    // A second failure says so in the status bar only, without another box.
    type(u"Also unsaved"_s, u"t"_s, u"u"_s);
    button("pushButtonKeep")->click();
    QCOMPARE(fileBytes(sheetFilePath()), before);

    m_window->setFileWriter(writeFileAtomically);
    view()->selectRow(2);
    button("pushButtonRemove")->click();
    const Sheet disk = sheetOnDisk();
    QCOMPARE(disk.size(), 2);
    QCOMPARE(disk.at(1).title, u"Unsaved"_s);
}

void tst_AdSheet::unreadableSheetIsKeptAside()
{
    const QByteArray broken = "Title,Text,URL\ngood,t,u\n\"bad\"x,t,u\n"_ba;
    QVERIFY(QDir().mkpath(QFileInfo(sheetFilePath()).absolutePath()));
    {
        QFile file(sheetFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(broken);
    }
    QString message;
    TestSupport::answerNextMessageBox(u"OK"_s, &message);
    newWindow();
    QTRY_VERIFY(!message.isEmpty());
    QVERIFY(message.contains(u"row 3"_s));
    QCOMPARE(model()->rowCount(), 1);
    const QStringList kept = QDir(QFileInfo(sheetFilePath()).absolutePath())
                                 .entryList({u"sheet.unreadable-*.csv"_s}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(fileBytes(QFileInfo(sheetFilePath()).absolutePath() + u'/' + kept.constFirst()),
             broken);
    QVERIFY(message.contains(kept.constFirst()));
    // The next change writes a fresh sheet; the kept file stays. An empty form keeps nothing.
    button("pushButtonKeep")->click();
    QCOMPARE(model()->rowCount(), 1);
    type(u"new"_s, QString(), QString());
    button("pushButtonKeep")->click();
    QCOMPARE(sheetOnDisk().size(), 2);
    QVERIFY(QFile::remove(QFileInfo(sheetFilePath()).absolutePath() + u'/' + kept.constFirst()));
}

void tst_AdSheet::importAndExport_data()
{
    QTest::addColumn<QString>("typed");   // the name given in the export dialog
    QTest::addColumn<QString>("filter");  // a piece of the filter chosen
    QTest::addColumn<QString>("written"); // the file that must hold the ads
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QString>("replace"); // the answer to "replace?", empty when not asked
    QTest::addRow("copy deck") << u"out.csv"_s << u"Copy deck"_s << u"out.csv"_s
                               << "\xEF\xBB\xBFTitle,Text,URL,Narrow: Title"_ba << QString();
    QTest::addRow("Commander") << u"out.tsv"_s << u"Commander"_s << u"out.tsv"_s
                               << u"Заголовок 1\tЗаголовок 2\t"_s.toUtf8() << QString();
    QTest::addRow("a name ending in .tsv under the copy deck's filter")
        << u"typed.tsv"_s << u"Copy deck"_s << u"typed.tsv"_s
        << u"Заголовок 1\tЗаголовок 2\t"_s.toUtf8() << QString();
    QTest::addRow("Google Ads Editor, typed without an extension")
        << u"google"_s << u"Google"_s << u"google.csv"_s
        << "\xEF\xBB\xBF"
           "Campaign,Ad group,Ad type,Headline 1,Headline 1 position,"_ba
        << QString();
    QTest::addRow("Microsoft bulk, typed without an extension, replacing the file there")
        << u"bulk"_s << u"Microsoft"_s << u"bulk.csv"_s << "\xEF\xBB\xBFType,"_ba << u"&Yes"_s;
    QTest::addRow("Commander, not replacing the file there")
        << u"kept"_s << u"Commander"_s << u"kept.tsv"_s << "old"_ba << u"&No"_s;
}

void tst_AdSheet::importAndExport()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, start);
    QFETCH(QString, replace);
    const QString deck = m_dir.filePath(u"deck.csv"_s);
    {
        QFile file(deck);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFHeadline;Description;Display URL\r\n"
                   "Bread;\"Fresh; warm\";x.org\r\n"
                   "b\"ad;t;u\r\n"
                   "Rolls;Warm;y.org\r\n");
    }
    QString message;
    importDeck(deck, &message);
    QVERIFY(!message.isEmpty());
    QVERIFY2(message.contains(u"row 3"_s), qPrintable(message));
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(sheetOnDisk().size(), 2);

    const QString out = m_dir.filePath(written);
    QFile::remove(out);
    if (!replace.isEmpty()) {
        TestSupport::writeFile(out, "old"_ba);
        TestSupport::answerNextMessageBox(replace);
    }
    // The export dialog starts where the import found its file.
    QString shownFolder;
    FileChooser::setNextAnswer(m_dir.filePath(typed), filter, &shownFolder);
    fileAction(u"&Export Ads..."_s)->trigger();
    QCOMPARE(shownFolder, m_dir.path());
    const QByteArray bytes = fileBytes(out);
    QVERIFY2(bytes.startsWith(start), bytes.left(80).constData());
    if (typed != written)
        QVERIFY(!QFile::exists(m_dir.filePath(typed)));
    QCOMPARE(bytes.contains("Rolls"), replace != u"&No"_s);
    if (!written.endsWith(u"out.csv"_s) && !written.endsWith(u"out.tsv"_s))
        return;
    const CopyDeck exported = readCopyDeck(out);
    QCOMPARE(TestSupport::withoutOtherColumns(exported.ads), sheetOnDisk());
    QCOMPARE(exported.ads.at(0).text, u"Fresh; warm"_s);
    if (written.endsWith(u".csv"_s))
        QVERIFY(bytes.contains("Wide: verdict"));
}

void tst_AdSheet::importDeck(const QString &path, QString *message)
{
    newWindow();
    FileChooser::setNextAnswer(path);
    TestSupport::answerNextMessageBox(u"OK"_s, message);
    fileAction(u"&Import Ads..."_s)->trigger();
    QTRY_VERIFY(!message->isEmpty());
}

void tst_AdSheet::importMessages_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("imported");
    QTest::addColumn<QString>("said");
    QTest::addRow("no ads: refused, with the columns found")
        << "Campaign,Ad type,Headline 1\nShoes,,\n"_ba << 0 << u"\"Ad type\""_s;
    QTest::addRow("no title column: said, ads imported")
        << "Text,URL\nFresh,x.org\n"_ba << 1 << u"names a title"_s;
    QTest::addRow("rows that are no ads: counted")
        << "Ad type,Headline 1\nKeyword,run\nText ad,Run\nCampaign,\n"_ba << 1
        << u"2 row(s) of the Google Ads Editor file are not ads"_s;
}

void tst_AdSheet::importMessages()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, imported);
    QFETCH(QString, said);
    const QString deck = m_dir.filePath(u"messages.csv"_s);
    TestSupport::writeFile(deck, bytes);
    QString message;
    importDeck(deck, &message);
    QVERIFY(!message.isEmpty());
    QVERIFY2(message.contains(said), qPrintable(message));
    QCOMPARE(model()->rowCount(), imported);
}

QStringList tst_AdSheet::shownTitles() const
{
    QStringList titles;
    for (int row = 0; row < model()->rowCount(); ++row)
        titles << model()->index(row, 0).data().toString();
    return titles;
}

QAction *tst_AdSheet::viewAction(const QString &text) const
{
    const auto actions = view()->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void tst_AdSheet::tableViewSheet_doubleClick(int row)
{
    const QModelIndex index = model()->index(row, 0);
    view()->scrollTo(index);
    const QPoint at = view()->visualRect(index).center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
}

void tst_AdSheet::keepTitles(const QStringList &titles)
{
    for (const QString &title : titles) {
        type(title, u"t"_s, u"u"_s);
        button("pushButtonKeep")->click();
    }
}

// Import, remove all with the Delete key, undo in the status bar: every row is back, in the
// window and in the file, with the identities it had; the keys undo and redo the import.
void tst_AdSheet::removeAllAndUndo()
{
    const QString deck = m_dir.filePath(u"many.csv"_s);
    {
        QFile file(deck);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Title,Text,URL\n");
        for (int i = 0; i < 40; ++i)
            file.write(u"ad %1,text %1,x.org\n"_s.arg(i).toUtf8());
    }
    MainWindow *w = newWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    FileChooser::setNextAnswer(deck);
    fileAction(u"&Import Ads..."_s)->trigger();
    QCOMPARE(model()->rowCount(), 40);
    const SheetRows imported = loadSheet(sheetFilePath()).rows;
    QCOMPARE(imported.size(), 40);

    view()->setFocus();
    view()->selectAll();
    QTest::keyClick(view(), Qt::Key_Delete);
    QCOMPARE(model()->rowCount(), 0);
    QVERIFY(sheetOnDisk().isEmpty());
    QCOMPARE(w->statusBar()->currentMessage(), u"40 ad(s) removed."_s);
    auto *undo = w->findChild<QPushButton *>(u"pushButtonUndoRemove"_s);
    QVERIFY(undo && undo->isVisible());
    undo->click();
    QCOMPARE(model()->rowCount(), 40);
    QCOMPARE(loadSheet(sheetFilePath()).rows, imported);
    QVERIFY(!undo->isVisible());

    QTest::keySequence(view(), QKeySequence::Undo);
    QCOMPARE(model()->rowCount(), 0);
    QVERIFY(sheetOnDisk().isEmpty());
    QTest::keySequence(view(), QKeySequence::Redo);
    QCOMPARE(loadSheet(sheetFilePath()).rows, imported);
    // In an ad field the keys are the field's own.
    m_window->mainForm->lineEditTitle->setFocus();
    QTest::keySequence(m_window->mainForm->lineEditTitle, QKeySequence::Undo);
    QCOMPARE(model()->rowCount(), 40);
}

// A row loaded into the form is marked, and Keep updates it (the default) or adds a new row.
void tst_AdSheet::keepUpdatesTheRowLoaded()
{
    newWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    keepTitles({u"First"_s, u"Second"_s});
    tableViewSheet_doubleClick(1);
    QVERIFY(!model()->headerData(1, Qt::Vertical, Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(model()->headerData(0, Qt::Vertical, Qt::ToolTipRole).toString().isEmpty());

    m_window->mainForm->lineEditTitle->setText(u"Second, better"_s);
    QString question;
    TestSupport::onNextModal([&question](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        question = box->text();
        box->defaultButton()->click();
    });
    button("pushButtonKeep")->click();
    QVERIFY(question.contains(u"row 2"_s));
    QCOMPARE(shownTitles(), (QStringList{u"First"_s, u"Second, better"_s}));
    QCOMPARE(sheetOnDisk().at(1).title, u"Second, better"_s);

    m_window->mainForm->lineEditTitle->setText(u"Third"_s);
    TestSupport::answerNextMessageBox(u"&Add New Row"_s);
    button("pushButtonKeep")->click();
    QCOMPARE(shownTitles(), (QStringList{u"First"_s, u"Second, better"_s, u"Third"_s}));
    QCOMPARE(sheetOnDisk().size(), 3);
}

// A header click sorts the view only; moving rows makes the order shown the file's.
void tst_AdSheet::sortingLeavesTheFileOrder()
{
    newWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    keepTitles({u"Cherry"_s, u"Apple"_s, u"Banana"_s});
    QHeaderView *header = view()->horizontalHeader();
    QTest::mouseClick(header->viewport(),
                      Qt::LeftButton,
                      {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QCOMPARE(shownTitles(), (QStringList{u"Apple"_s, u"Banana"_s, u"Cherry"_s}));
    QCOMPARE(sheetOnDisk().at(0).title, u"Cherry"_s);

    view()->selectRow(0);
    viewAction(u"Move &Down"_s)->trigger();
    const QStringList moved{u"Banana"_s, u"Apple"_s, u"Cherry"_s};
    QCOMPARE(shownTitles(), moved);
    QStringList disk;
    for (const AdFields &ad : sheetOnDisk())
        disk << ad.title;
    QCOMPARE(disk, moved);
    QTest::keySequence(view(), QKeySequence::Undo);
    QCOMPARE(sheetOnDisk().at(0).title, u"Cherry"_s);
}

void tst_AdSheet::selectedRowKeepsItsVerdictColour()
{
    newWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    keepTitles({u"Sourdough"_s});
    view()->selectionModel()->select(
        model()->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QModelIndex verdict = model()->index(0, 4); // "fits": the cell's right is free of text
    view()->scrollTo(verdict);
    const QRect cell = view()->visualRect(verdict);
    const QImage shown = view()->viewport()->grab().toImage();
    const QColor colour = verdict.data(Qt::BackgroundRole).value<QBrush>().color();
    QCOMPARE(shown.pixelColor(cell.right() - 3, cell.center().y()), colour);
    // Marked as selected all the same.
    QVERIFY(shown.pixelColor(cell.right() - 3, cell.top()) != colour);
}

// Lines of checks come and go under the fields without the window's size asking for more.
void tst_AdSheet::checkLinesDoNotGrowTheWindow()
{
    MainWindow *w = newWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QSize before = w->minimumSizeHint();
    const QSize size = w->size();
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << u"Title: a problem of the ad, number %1"_s.arg(i);
    w->mainForm->labelChecks->setText(lines.join(u"<br>"_s));
    QCoreApplication::processEvents();
    QCOMPARE(w->minimumSizeHint(), before);
    QCOMPARE(w->size(), size);
}

QTEST_MAIN(tst_AdSheet)
#include "tst_adsheet.moc"
