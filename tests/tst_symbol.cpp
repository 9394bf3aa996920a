// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogdriver.h"

#include <QImage>
#include <QTemporaryDir>

using namespace DialogDriver;

class tst_Symbol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void imagesAreAccepted_data();
    void imagesAreAccepted();
    void nonImageIsRefused_data();
    void nonImageIsRefused();
    void cancelChangesNothing();
    void startFolder_data();
    void startFolder();
    void ownFolderImageIsStoredRelative();

private:
    QTemporaryDir m_images;
};

void tst_Symbol::initTestCase()
{
    TestSupport::isolate();
    QVERIFY(m_images.isValid());
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(m_images.filePath(QStringLiteral("logo.png")), "PNG"));
    QVERIFY(image.save(m_images.filePath(QStringLiteral("photo.jpg")), "JPEG"));
    QVERIFY(image.save(m_images.filePath(QStringLiteral("icon.xpm")), "XPM"));
    // A PNG whose name says nothing about its format.
    QVERIFY(image.save(m_images.filePath(QStringLiteral("picture.dat")), "PNG"));

    const auto writeText = [this](const char *name) {
        QFile file(m_images.filePath(QString::fromLatin1(name)));
        return file.open(QIODevice::WriteOnly) && file.write("not an image\n") > 0;
    };
    QVERIFY(writeText("fake.png"));
    QVERIFY(writeText("notes.jpg"));
}

void tst_Symbol::init()
{
    TestSupport::resetEnginesFolder();
    QVERIFY(seedEngines(2));
}

void tst_Symbol::imagesAreAccepted_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("PNG") << "logo.png";
    QTest::addRow("JPEG") << "photo.jpg";
    QTest::addRow("XPM") << "icon.xpm";
    QTest::addRow("PNG with another suffix") << "picture.dat";
}

void tst_Symbol::imagesAreAccepted()
{
    QFETCH(QString, file);
    const QString path = m_images.filePath(file);
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        auto seen = answerFileDialog(path);
        form->pushButtonSymbol->click();

        QVERIFY(seen->shown);
        QCOMPARE(seen->caption, QStringLiteral("Choose a Symbol"));
        QCOMPARE(seen->directory, QDir(QDir::homePath()).absolutePath());
        QCOMPARE(seen->nameFilters, QStringList({"Images (*.png *.xpm *.jpg)"}));
        QCOMPARE(form->lineEditSymbol->text(), path);

        // The chosen image becomes the engine's icon once the engine is saved.
        form->pushButtonSave->click();
        QCOMPARE(readEngineValue(QStringLiteral("E1"), QStringLiteral("Symbol")), path);
        const QListWidgetItem *row = form->listWidgetEngine->item(1);
        QCOMPARE(row->text(), QStringLiteral("E1"));
        QVERIFY(!row->icon().isNull());
    });
}

void tst_Symbol::nonImageIsRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("text named .png") << "fake.png";
    QTest::addRow("text named .jpg") << "notes.jpg";
}

void tst_Symbol::nonImageIsRefused()
{
    QFETCH(QString, file);
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        const QString before = form->lineEditSymbol->text();
        QVERIFY(!before.isEmpty());
        auto seen = answerFileDialog(m_images.filePath(file));
        auto answers = answerBoxes({"OK"});
        form->pushButtonSymbol->click();

        QVERIFY(seen->shown);
        QCOMPARE(answers->boxes.size(), 1);
        QCOMPARE(answers->boxes.first().title, QStringLiteral("Information"));
        QCOMPARE(answers->boxes.first().text,
                 QStringLiteral("Wrong Image Format, please use a PNG."));
        QCOMPARE(form->lineEditSymbol->text(), before);
    });
}

// runDialog fails the test if any message box shows up.
void tst_Symbol::cancelChangesNothing()
{
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        const QString before = form->lineEditSymbol->text();
        auto seen = answerFileDialog(QString());
        form->pushButtonSymbol->click();

        QVERIFY(seen->shown);
        QCOMPARE(form->lineEditSymbol->text(), before);
        QVERIFY(editorsLocked(form, false));
    });
}

void tst_Symbol::startFolder_data()
{
    QTest::addColumn<QString>("loaded"); // empty: a new engine
    QTest::addColumn<bool>("ownFolder");
    QTest::addColumn<bool>("startsInOwnFolder");
    QTest::addRow("engine with its own folder") << "E1" << true << true;
    QTest::addRow("engine without one") << "E1" << false << false;
    QTest::addRow("new engine") << "" << true << false;
}

// The chooser opens in the loaded engine's own folder when it has one, else in the home folder.
void tst_Symbol::startFolder()
{
    QFETCH(QString, loaded);
    QFETCH(bool, ownFolder);
    QFETCH(bool, startsInOwnFolder);
    const QString own = enginesFolder() + QStringLiteral("/E1");
    if (ownFolder)
        QVERIFY(QDir().mkpath(own));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        if (loaded.isEmpty())
            form->pushButtonNew->click();
        else
            QVERIFY(clickRow(form, loaded));
        auto seen = answerFileDialog(QString());
        form->pushButtonSymbol->click();

        QVERIFY(seen->shown);
        QCOMPARE(seen->directory, QDir(startsInOwnFolder ? own : QDir::homePath()).absolutePath());
    });
}

// An image in the engine's own folder is stored relative to the application folder, and the
// saved engine's icon is drawn from it.
void tst_Symbol::ownFolderImageIsStoredRelative()
{
    QVERIFY(QDir().mkpath(enginesFolder() + QStringLiteral("/E1")));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkMagenta);
    QVERIFY(image.save(enginesFolder() + QStringLiteral("/E1/logo.png"), "PNG"));
    MainWindow window;
    EngineForm *form = window.engineForm;

    runDialog(window, [&] {
        QVERIFY(clickRow(form, QStringLiteral("E1")));
        auto seen = answerFileDialog(enginesFolder() + QStringLiteral("/E1/logo.png"));
        form->pushButtonSymbol->click();
        QVERIFY(seen->shown);
        QCOMPARE(form->lineEditSymbol->text(), QStringLiteral("files/E1/logo.png"));

        form->pushButtonSave->click();
        QCOMPARE(readEngineValue(QStringLiteral("E1"), QStringLiteral("Symbol")),
                 QStringLiteral("files/E1/logo.png"));
        const QIcon icon = form->listWidgetEngine->item(1)->icon();
        QCOMPARE(icon.pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::darkMagenta));
        const int chosen = window.mainForm->comboBoxEngine->findText(QStringLiteral("E1"));
        QCOMPARE(
            window.mainForm->comboBoxEngine->itemIcon(chosen).pixmap(16, 16).toImage().pixelColor(
                8, 8),
            QColor(Qt::darkMagenta));
    });
}

QTEST_MAIN(tst_Symbol)
#include "tst_symbol.moc"
