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

QTEST_MAIN(tst_Symbol)
#include "tst_symbol.moc"
