// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {
const QStringList iconNames{"dock.png",
                            "down.png",
                            "editcopy.png",
                            "editcut.png",
                            "editdelete.png",
                            "editpaste.png",
                            "exit.png",
                            "filenew.png",
                            "fileopen.png",
                            "filesave.png",
                            "gear.png",
                            "logo.png",
                            "preview.png",
                            "unknown.png",
                            "up.png"};
}

// The icons come with the library by its static registration; nothing here registers them.
class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void icon_data();
    void icon();
    void collectionHoldsExactlyTheIcons();
    void pathWithoutLeadingSlash();
    void fallbackSymbolBesideProgram();
};

void tst_Resources::icon_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &name : iconNames)
        QTest::addRow("%s", qPrintable(name)) << QStringLiteral(":/img/") + name;
}

void tst_Resources::icon()
{
    QFETCH(QString, path);
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(16, 16));
    QVERIFY(image.hasAlphaChannel());
}

void tst_Resources::collectionHoldsExactlyTheIcons()
{
    QCOMPARE(QDir(QStringLiteral(":/img")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             iconNames);
}

void tst_Resources::pathWithoutLeadingSlash()
{
    const QImage withSlash(QStringLiteral(":/img/logo.png"));
    QVERIFY(!withSlash.isNull());
    QCOMPARE(QImage(QStringLiteral(":img/logo.png")), withSlash);
}

void tst_Resources::fallbackSymbolBesideProgram()
{
    // Engines without a usable symbol are drawn with this file, read from disk.
    const QImage onDisk(QStringLiteral(VELLUMO_BUILD_DIR "/img/unknown.png"));
    QVERIFY(!onDisk.isNull());
    QCOMPARE(onDisk, QImage(QStringLiteral(":/img/unknown.png")));
}

QTEST_GUILESS_MAIN(tst_Resources)
#include "tst_resources.moc"
