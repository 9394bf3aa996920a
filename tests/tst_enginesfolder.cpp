// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Engine files before the engines folder is set: every read and write fails and touches nothing,
// neither at the filesystem root nor in the working directory.
#include "app/globals.h"
#include "engines/catalogue.h"
#include "engines/enginefile.h"
#include "engines/enginesfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
enum class Operation {
    ReadFile,
    ReadValue,
    ReadValues,
    WriteFile,
    WriteValues,
    FilePath,
    ListFiles,
    Catalogue,
};

const QString present = QStringLiteral("Present");
const QString written = QStringLiteral("Vellumo unset folder probe");

// Runs `operation` and says whether it found or wrote anything.
bool perform(Operation operation)
{
    EngineProfile values;
    values.limitTitle = 25;
    values.templateText = QStringLiteral("<b>%TITLE%</b>");
    switch (operation) {
    case Operation::ReadFile: {
        const EngineFile file = readEngineFile(present);
        // Unset reads as no file at all, not as a damaged one.
        return file.problem != EngineFileProblem::Missing || file.isReadable();
    }
    case Operation::ReadValue:
        return !readEngineValue(present, QStringLiteral("Name")).isEmpty();
    case Operation::ReadValues: {
        EngineProfile empty;
        empty.name = present;
        return readEngineValues(present) != empty;
    }
    case Operation::WriteFile:
        return writeEngineFile(written, QString(), 25, 35, 35, 3, 0, QStringLiteral("x"));
    case Operation::WriteValues:
        return writeEngineValues(written, values, 3);
    case Operation::FilePath:
        return !engineFilePath(present).isEmpty();
    case Operation::ListFiles:
        return !listEngineFiles().isEmpty();
    case Operation::Catalogue:
        return !readCatalogue().isEmpty() || !orderedEngineNames().isEmpty();
    }
    return false;
}

// Every entry below `folder` with its bytes, so that a test sees any file that appears or
// changes.
QMap<QString, QByteArray> treeBelow(const QString &folder)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(folder,
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        tree.insert(path, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return tree;
}

QByteArray engineBytes(const char *name)
{
    return QByteArray("<Engine>\n<Name value=\"") + name
           + "\"/>\n<limitTitle value=\"25\"/>\n<listPosition value=\"0\"/>\n</Engine>\n";
}

bool place(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_EnginesFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void unsetFolderTouchesNothing_data();
    void unsetFolderTouchesNothing();

private:
    QScopedPointer<QTemporaryDir> m_scratch;
    QString m_startDir;
};

void tst_EnginesFolder::init()
{
    m_startDir = QDir::currentPath();
    m_scratch.reset(new QTemporaryDir);
    QVERIFY(m_scratch->isValid());
    // Engines where a path made from an empty folder could reach them: in the working directory
    // and in its "files" folder. The application directory holds one too, for the set case.
    const QString cwd = m_scratch->filePath(QStringLiteral("cwd"));
    QVERIFY(place(cwd + QStringLiteral("/Present.xml"), engineBytes("in the working directory")));
    QVERIFY(place(cwd + QStringLiteral("/files/Present.xml"), engineBytes("in cwd/files")));
    QVERIFY(place(m_scratch->filePath(QStringLiteral("app/files/Present.xml")),
                  engineBytes("Present")));
    QVERIFY(QDir::setCurrent(cwd));
}

void tst_EnginesFolder::cleanup()
{
    App::setApplicationDirectory(QString());
    QDir::setCurrent(m_startDir);
    m_scratch.reset();
}

void tst_EnginesFolder::unsetFolderTouchesNothing_data()
{
    QTest::addColumn<Operation>("operation");

    QTest::addRow("readEngineFile") << Operation::ReadFile;
    QTest::addRow("readEngineValue") << Operation::ReadValue;
    QTest::addRow("readEngineValues") << Operation::ReadValues;
    QTest::addRow("writeEngineFile") << Operation::WriteFile;
    QTest::addRow("writeEngineValues") << Operation::WriteValues;
    QTest::addRow("engineFilePath") << Operation::FilePath;
    QTest::addRow("listEngineFiles") << Operation::ListFiles;
    QTest::addRow("readCatalogue") << Operation::Catalogue;
}

void tst_EnginesFolder::unsetFolderTouchesNothing()
{
    QFETCH(Operation, operation);

    QVERIFY(enginesFolder().isEmpty());
    QVERIFY(App::applicationDirectory.isEmpty());
    const QMap<QString, QByteArray> before = treeBelow(m_scratch->path());
    const QStringList rootBefore = QDir::root().entryList(QDir::AllEntries | QDir::Hidden);
#ifndef QT_NO_DEBUG
    // A debug build says what was tried too early.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("before the engines folder is set"));
#endif

    QVERIFY(!perform(operation));

    QCOMPARE(treeBelow(m_scratch->path()), before);
    QCOMPARE(QDir::root().entryList(QDir::AllEntries | QDir::Hidden), rootBefore);
    QVERIFY(!QFileInfo::exists(QStringLiteral("/files/") + written + QStringLiteral(".xml")));
    QVERIFY(!QFileInfo::exists(QLatin1Char('/') + written + QStringLiteral(".xml")));

    // The same call works once the folder is set, so the failure above was the unset folder's.
    App::setApplicationDirectory(m_scratch->filePath(QStringLiteral("app")));
    QCOMPARE(enginesFolder(), m_scratch->filePath(QStringLiteral("app/files")));
    QVERIFY(perform(operation));
    QCOMPARE(readEngineValue(present, QStringLiteral("Name")), QStringLiteral("Present"));
}

QTEST_GUILESS_MAIN(tst_EnginesFolder)
#include "tst_enginesfolder.moc"
