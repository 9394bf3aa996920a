// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/globals.h"
#include "app/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void applicationDirectoryEmptyAtStart();
    void translationLookup_data();
    void translationLookup();
    void germanTextsReplaceEnglish();
    void englishWithoutTranslation();
    void usableWindowPosition_data();
    void usableWindowPosition();
    void usableWindowSize_data();
    void usableWindowSize();

private:
    // Copies the build's German translation to <folder>/<name>.
    void placeTranslation(const QString &folder, const QString &name);

    QString m_startDir;
    QString m_builtTranslation;
    QScopedPointer<QTemporaryDir> m_dir;
    QString m_cwd;
    QString m_appDir;
};

void tst_Startup::initTestCase()
{
    m_startDir = QDir::currentPath();
    m_builtTranslation = QStringLiteral(VELLUMO_BUILD_DIR "/velm_de.qm");
    QVERIFY2(QFile::exists(m_builtTranslation), qPrintable(m_builtTranslation));
}

void tst_Startup::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    m_cwd = m_dir->filePath(QStringLiteral("cwd"));
    m_appDir = m_dir->filePath(QStringLiteral("app"));
    QVERIFY(QDir().mkpath(m_cwd));
    QVERIFY(QDir().mkpath(m_appDir));
    QVERIFY(QDir::setCurrent(m_cwd));
}

void tst_Startup::cleanup()
{
    QDir::setCurrent(m_startDir);
    m_dir.reset();
}

void tst_Startup::placeTranslation(const QString &folder, const QString &name)
{
    QVERIFY(QFile::copy(m_builtTranslation, folder + QLatin1Char('/') + name));
}

void tst_Startup::applicationDirectoryEmptyAtStart()
{
    // Nothing may rely on it before the main window has read its settings.
    QVERIFY(App::applicationDirectory.isEmpty());
}

void tst_Startup::translationLookup_data()
{
    QTest::addColumn<QStringList>("inWorkingDir");
    QTest::addColumn<QStringList>("inAppDir");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected"); // "cwd/<file>", "app/<file>" or empty: none found

    const QStringList none;
    const QStringList de{QStringLiteral("velm_de.qm")};
    const QStringList deDE{QStringLiteral("velm_de_DE.qm")};
    const QStringList both = de + deDE;
    auto add = [](const char *tag,
                  QStringList cwd,
                  QStringList app,
                  const char *locale,
                  const char *expected) {
        QTest::addRow("%s", tag) << cwd << app << locale << expected;
    };
    add("language file in working dir", de, none, "de_DE", "cwd/velm_de.qm");
    add("country file preferred", both, none, "de_DE", "cwd/velm_de_DE.qm");
    add("exact name", de, none, "de", "cwd/velm_de.qm");
    add("no file anywhere", none, none, "de_DE", "");
    add("other language only", de, de, "fr_FR", "");
    add("only in app dir", none, de, "de_DE", "app/velm_de.qm");
    add("country file in app dir", none, both, "de_DE", "app/velm_de_DE.qm");
    add("working dir wins", de, de, "de_DE", "cwd/velm_de.qm");
    // The working directory is searched with all its fallbacks before the app dir.
    add("working dir fallback wins", de, deDE, "de_DE", "cwd/velm_de.qm");
    add("bare program name", {QStringLiteral("velm.qm")}, none, "de_DE", "cwd/velm.qm");
}

void tst_Startup::translationLookup()
{
    QFETCH(QStringList, inWorkingDir);
    QFETCH(QStringList, inAppDir);
    QFETCH(QString, locale);
    QFETCH(QString, expected);

    for (const QString &name : std::as_const(inWorkingDir))
        placeTranslation(m_cwd, name);
    for (const QString &name : std::as_const(inAppDir))
        placeTranslation(m_appDir, name);

    QTranslator translator;
    const bool found = loadTranslation(translator, locale, m_appDir);
    QCOMPARE(found, !expected.isEmpty());
    if (found) {
        const QString folder = expected.startsWith(QLatin1String("cwd")) ? m_cwd : m_appDir;
        QCOMPARE(QFileInfo(translator.filePath()).canonicalFilePath(),
                 QFileInfo(folder + expected.mid(3)).canonicalFilePath());
    } else {
        QVERIFY(translator.filePath().isEmpty());
    }
}

void tst_Startup::germanTextsReplaceEnglish()
{
    placeTranslation(m_cwd, QStringLiteral("velm_de.qm"));
    QTranslator translator;
    QVERIFY(loadTranslation(translator, QStringLiteral("de_DE"), QString()));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString file = QCoreApplication::translate("MainWindow", "&File");
    QCoreApplication::removeTranslator(&translator);
    // The catalogue is filled separately; an empty one can only be checked for being loaded.
    if (translator.isEmpty())
        QSKIP("the German translation has no messages yet");
    QVERIFY(!file.isEmpty());
    QVERIFY(file != QLatin1String("&File"));
}

void tst_Startup::englishWithoutTranslation()
{
    // The start-up installs the translator whether it found a file or not.
    QTranslator translator;
    QVERIFY(!loadTranslation(translator, QStringLiteral("de_DE"), m_appDir));
    QCoreApplication::installTranslator(&translator);
    const QString file = QCoreApplication::translate("MainWindow", "&File");
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(file, QStringLiteral("&File"));
}

void tst_Startup::usableWindowPosition_data()
{
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("kept");

    const QSize size(400, 400);
    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QList<QRect> leftOfPrimary{QRect(-1280, -200, 1280, 1024), QRect(0, 0, 1920, 1080)};

    QTest::addRow("on screen") << QPoint(200, 200) << size << one << true;
    QTest::addRow("top left corner") << QPoint(0, 0) << size << one << true;
    QTest::addRow("partly off to the left") << QPoint(-250, 100) << size << one << true;
    QTest::addRow("partly off to the right") << QPoint(1700, 100) << size << one << true;
    QTest::addRow("body below the screen") << QPoint(300, 1000) << size << one << true;
    QTest::addRow("off to the right") << QPoint(2500, 100) << size << one << false;
    QTest::addRow("off to the left") << QPoint(-900, 100) << size << one << false;
    QTest::addRow("below") << QPoint(300, 1500) << size << one << false;
    QTest::addRow("above") << QPoint(300, -900) << size << one << false;
    QTest::addRow("title bar above, body visible") << QPoint(300, -200) << size << one << false;
    QTest::addRow("on the second screen") << QPoint(2200, 300) << size << two << true;
    QTest::addRow("second screen gone") << QPoint(2200, 300) << size << one << false;
    QTest::addRow("below the shorter second screen") << QPoint(2200, 1050) << size << two << false;
    QTest::addRow("negative coordinates, screen there")
        << QPoint(-1000, -150) << size << leftOfPrimary << true;
    QTest::addRow("negative coordinates, no screen there")
        << QPoint(-1000, -150) << size << one << false;
}

void tst_Startup::usableWindowPosition()
{
    QFETCH(QPoint, stored);
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, kept);

    const QPoint fallback(200, 200);
    QCOMPARE(::usableWindowPosition(stored, size, screens, fallback), kept ? stored : fallback);
}

void tst_Startup::usableWindowSize_data()
{
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QSize>("expected");

    const QList<QRect> one{QRect(0, 0, 1920, 1080)};
    const QList<QRect> two{QRect(0, 0, 1280, 1024), QRect(1280, 0, 2560, 1400)};

    QTest::addRow("fits") << QSize(800, 600) << one << QSize(800, 600);
    QTest::addRow("the whole screen") << QSize(1920, 1080) << one << QSize(1920, 1080);
    QTest::addRow("60000 x 60000") << QSize(60000, 60000) << one << QSize(1920, 1080);
    QTest::addRow("too wide only") << QSize(5000, 500) << one << QSize(1920, 500);
    QTest::addRow("too tall only") << QSize(500, 5000) << one << QSize(500, 1080);
    QTest::addRow("largest of two screens") << QSize(60000, 60000) << two << QSize(2560, 1400);
    QTest::addRow("fits the larger screen") << QSize(2000, 1200) << two << QSize(2000, 1200);
    QTest::addRow("no size stored") << QSize() << one << QSize(400, 400);
    QTest::addRow("negative") << QSize(-5, 300) << one << QSize(400, 400);
    QTest::addRow("zero") << QSize(0, 0) << one << QSize(400, 400);
    QTest::addRow("no screens") << QSize(60000, 60000) << QList<QRect>() << QSize(400, 400);
    QTest::addRow("screen smaller than the default")
        << QSize() << QList<QRect>{QRect(0, 0, 320, 240)} << QSize(320, 240);
}

void tst_Startup::usableWindowSize()
{
    QFETCH(QSize, stored);
    QFETCH(QList<QRect>, screens);
    QFETCH(QSize, expected);

    QCOMPARE(::usableWindowSize(stored, screens, QSize(400, 400)), expected);
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
