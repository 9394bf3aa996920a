// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"
#include "engines/catalogue.h"
#include "engines/enginefile.h"
#include "testsupport.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

namespace {
const QRgb fallbackColour = qRgb(0, 0, 255);
const QRgb symbolColour = qRgb(255, 0, 0);

// One engine file per entry "<file name>:<listPosition>". The position "none" leaves the field
// out, "broken" writes a file that does not parse, "dir" makes a folder of that name.
void writeEngines(const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString file = entry.section(QLatin1Char(':'), 0, 0);
        const QString position = entry.section(QLatin1Char(':'), 1);
        const QString name = file.chopped(4);
        if (position == QLatin1String("dir")) {
            QVERIFY(QDir(App::applicationDirectory + "/files").mkpath(file + "/inner"));
        } else if (position == QLatin1String("broken")) {
            TestSupport::writeRawFile(file,
                                      "<Engine><listPosition value=\"7\"/>"
                                      "<Symbol value=\"pictures/red.png\"/><Name value=");
        } else if (position == QLatin1String("none")) {
            TestSupport::writeRawFile(file,
                                      "<Engine><Name value=\"" + name.toUtf8() + "\"/></Engine>");
        } else {
            TestSupport::writeRawFile(file,
                                      "<Engine>\n<Name value=\"" + name.toUtf8()
                                          + "\"/>\n<listPosition value=\"" + position.toUtf8()
                                          + "\"/>\n</Engine>\n");
        }
    }
}

QStringList comboNames(const QComboBox *combo)
{
    QStringList names;
    for (int i = 0; i < combo->count(); ++i)
        names << combo->itemText(i);
    return names;
}

QStringList listNames(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QRgb iconColour(const QIcon &icon)
{
    const QImage image = icon.pixmap(16, 16).toImage();
    return image.isNull() ? qRgba(0, 0, 0, 0) : image.pixel(8, 8);
}

bool writeImage(const QString &path, QRgb colour)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}
} // namespace

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void order_data();
    void order();
    void iconPath_data();
    void iconPath();
    void bothListsWithIcons();
    void firstEngineChosenAfterRebuild();
    void noEngines_data();
    void noEngines();
    void linksAreFollowed();

private:
    MainWindow *window = nullptr;
    QString symbolImage;
};

void tst_Catalogue::initTestCase()
{
    TestSupport::isolate();
    // The fallback image beside the executable and a symbol image outside the engines folder,
    // in two colours so that a row's icon tells which one it came from.
    QVERIFY(writeImage(App::applicationDirectory + "/img/unknown.png", fallbackColour));
    symbolImage = App::applicationDirectory + "/pictures/red.png";
    QVERIFY(writeImage(symbolImage, symbolColour));
    window = new MainWindow;
    QCOMPARE(QDir::currentPath(), App::applicationDirectory);
}

void tst_Catalogue::init()
{
    TestSupport::resetEnginesFolder();
}

void tst_Catalogue::cleanupTestCase()
{
    delete window;
}

void tst_Catalogue::order_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("by position") << QStringList{"A.xml:5", "B.xml:2", "C.xml:9"}
                                 << QStringList{"B", "A", "C"};
    QTest::addRow("negative first") << QStringList{"A.xml:0", "B.xml:-1"} << QStringList{"B", "A"};
    QTest::addRow("ties all listed, names without case")
        << QStringList{"gamma.xml:3", "Delta.xml:3", "alpha.xml:3", "Beta.xml:3", "z.xml:1"}
        << QStringList{"z", "alpha", "Beta", "Delta", "gamma"};
    QTest::addRow("missing or letters count as 0")
        << QStringList{"a.xml:none",
                       "B.xml:abc",
                       "c.xml:0",
                       "D.xml:-2",
                       "e.xml:1",
                       "f.xml:",
                       "G.xml:3x"}
        << QStringList{"D", "a", "B", "c", "f", "G", "e"};
    QTest::addRow("only the final .xml goes")
        << QStringList{"Sitexml.xml:0", "Site.xml.xml:1"} << QStringList{"Sitexml", "Site.xml"};
    QTest::addRow("upper-case extension not listed")
        << QStringList{"Foo.XML:0", "Baz.Xml:0", "Bar.xml:1"} << QStringList{"Bar"};
    QTest::addRow("sub-directory not listed")
        << QStringList{"x.xml:dir", "y.xml:0"} << QStringList{"y"};
    QTest::addRow("hidden file not listed")
        << QStringList{".hidden.xml:0", "v.xml:0"} << QStringList{"v"};
    QTest::addRow("other files not listed")
        << QStringList{"a.xml.bak:0", "b.txt:0", "c.xml:0"} << QStringList{"c"};
    QTest::addRow("malformed at 0")
        << QStringList{"bad.xml:broken", "a.xml:1", "c.xml:-1"} << QStringList{"c", "bad", "a"};
    QTest::addRow("empty folder") << QStringList() << QStringList();
}

void tst_Catalogue::order()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    writeEngines(files);
    QCOMPARE(orderedEngineNames(), expected);
    window->refreshEngineLists();
    QCOMPARE(comboNames(window->mainForm->comboBoxEngine), expected);
    QCOMPARE(listNames(window->engineForm->listWidgetEngine), expected);
    // A file nobody can parse still shows, with the fallback image.
    if (expected.contains(QStringLiteral("bad"))) {
        QCOMPARE(engineIconPath(QStringLiteral("bad")), QStringLiteral("img/unknown.png"));
        const int row = int(expected.indexOf(QStringLiteral("bad")));
        QCOMPARE(iconColour(window->engineForm->listWidgetEngine->item(row)->icon()),
                 fallbackColour);
    }
}

void tst_Catalogue::iconPath_data()
{
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("expected"); // "=" stands for the symbol itself
    QTest::addRow("empty") << QString() << "img/unknown.png";
    QTest::addRow("missing file") << (App::applicationDirectory + "/pictures/gone.png")
                                  << "img/unknown.png";
    QTest::addRow("a folder") << (App::applicationDirectory + "/pictures") << "img/unknown.png";
    QTest::addRow("existing image") << symbolImage << "=";
    QTest::addRow("relative to the program")
        << "pictures/red.png" << (App::applicationDirectory + "/pictures/red.png");
}

void tst_Catalogue::iconPath()
{
    QFETCH(QString, symbol);
    QFETCH(QString, expected);
    QVERIFY(writeEngineFile(QStringLiteral("Engine"), symbol, 1, 1, 1, 0, 0, QString()));
    QCOMPARE(engineIconPath(QStringLiteral("Engine")),
             expected == QLatin1String("=") ? symbol : expected);
}

void tst_Catalogue::bothListsWithIcons()
{
    QVERIFY(writeEngineFile("Red", symbolImage, 1, 1, 1, 1, 0, QString()));
    QVERIFY(writeEngineFile("Plain", QString(), 1, 1, 1, 0, 0, QString()));
    QVERIFY(writeEngineFile("Gone", symbolImage + ".old", 1, 1, 1, 2, 0, QString()));
    window->refreshEngineLists();
    const QStringList expected{"Plain", "Red", "Gone"};
    QCOMPARE(comboNames(window->mainForm->comboBoxEngine), expected);
    QCOMPARE(listNames(window->engineForm->listWidgetEngine), expected);
    const QList<QRgb> colours{fallbackColour, symbolColour, fallbackColour};
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(iconColour(window->mainForm->comboBoxEngine->itemIcon(row)), colours[row]);
        QCOMPARE(iconColour(window->engineForm->listWidgetEngine->item(row)->icon()), colours[row]);
    }
}

void tst_Catalogue::firstEngineChosenAfterRebuild()
{
    QVERIFY(writeEngineFile("First", QString(), 10, 20, 30, 0, 0, QString()));
    QVERIFY(writeEngineFile("Second", QString(), 11, 21, 31, 1, 8, QString()));
    QVERIFY(writeEngineFile("Third", QString(), 12, 22, 32, 2, 9, QString()));
    QComboBox *combo = window->mainForm->comboBoxEngine;
    QListWidget *list = window->engineForm->listWidgetEngine;
    for (int round = 0; round < 2; ++round) {
        window->refreshEngineLists();
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(window->mainForm->labelTitle->text().contains(">0</span> of 10 chars"));
        QVERIFY(window->mainForm->labelText->text().contains(">0</span> of 20 chars"));
        QVERIFY(window->mainForm->labelText->text().contains("(Newline disabled)"));
        QVERIFY(window->mainForm->labelURL->text().contains(">0</span> of 30 chars"));
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());

        // The user picks the third engine and, in the dialog, the second.
        combo->setCurrentIndex(2);
        window->comboBoxEngine_activated(2);
        QVERIFY(window->mainForm->labelTitle->text().contains(">0</span> of 12 chars"));
        QVERIFY(window->mainForm->labelText->text().contains("(Newline after: 9 chars)"));
        list->setCurrentRow(1);
    }
}

void tst_Catalogue::noEngines_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::addRow("empty folder") << true;
    QTest::addRow("missing folder") << false;
}

void tst_Catalogue::noEngines()
{
    QFETCH(bool, folderExists);
    QVERIFY(writeEngineFile("Only", symbolImage, 40, 50, 60, 0, 20, QString()));
    window->refreshEngineLists();
    QCOMPARE(window->mainForm->comboBoxEngine->count(), 1);

    TestSupport::resetEnginesFolder();
    if (!folderExists)
        QVERIFY(QDir(App::applicationDirectory + "/files").removeRecursively());
    window->refreshEngineLists();
    QCOMPARE(window->mainForm->comboBoxEngine->count(), 0);
    QCOMPARE(window->engineForm->listWidgetEngine->count(), 0);
    QVERIFY(window->mainForm->labelTitle->text().contains(">0</span> of 0 chars"));
    QVERIFY(window->mainForm->labelText->text().contains(">0</span> of 0 chars"));
    QVERIFY(window->mainForm->labelText->text().contains("(Newline disabled)"));
    QVERIFY(window->mainForm->labelURL->text().contains(">0</span> of 0 chars"));
}

// A link to a profile is listed under its own name and read through; a link to nowhere or to a
// folder is not listed at all.
void tst_Catalogue::linksAreFollowed()
{
    const QString files = App::applicationDirectory + "/files";
    const QString elsewhere = App::applicationDirectory + "/elsewhere";
    QVERIFY(QDir(elsewhere).removeRecursively());
    QVERIFY(QDir().mkpath(elsewhere + "/folder.xml"));
    writeEngines({"b.xml:2", "d.xml:0"});
    QVERIFY(QFile::rename(files + "/b.xml", elsewhere + "/b.xml"));
    QVERIFY(QFile::link(elsewhere + "/b.xml", files + "/Linked.xml"));
    QVERIFY(QFile::link(elsewhere + "/gone.xml", files + "/Dangling.xml"));
    QVERIFY(QFile::link(elsewhere + "/folder.xml", files + "/Folder.xml"));

    QCOMPARE(listEngineFiles(), QStringList({"d.xml", "Linked.xml"}));
    const QList<CatalogueEntry> catalogue = readCatalogue();
    QCOMPARE(catalogue.size(), 2);
    QCOMPARE(catalogue.at(0).profile.name, QStringLiteral("d"));
    QCOMPARE(catalogue.at(1).profile.name, QStringLiteral("Linked"));
    QVERIFY(catalogue.at(1).isReadable());
    QCOMPARE(catalogue.at(1).nameField, QStringLiteral("b"));
    QCOMPARE(catalogue.at(1).profile.listPosition, 2);
}

QTEST_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
