// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/sheet.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

// Two windows of the program, each its own process, on one data folder and one settings file.
class tst_SheetTwoProcesses : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void twoProcessesKeepInTurn_data();
    void twoProcessesKeepInTurn();
    void twoProcessesRemoveWhileAdding();
    void twoProcessesKilledLockHolder();

private:
    QProcess *start();
    QString sheetPath() const { return m_dir->filePath(u"data/sheet_driver/sheet.csv"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<QProcess *> m_processes;
};

namespace {
// The next line the driver answers, waiting at most `ms`.
QString reply(QProcess *process, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!process->canReadLine() && timer.elapsed() < ms)
        process->waitForReadyRead(50);
    return QString::fromUtf8(process->readLine()).trimmed();
}

QString ask(QProcess *process, const QString &command)
{
    process->write(command.toUtf8() + '\n');
    return reply(process);
}

QStringList titlesOnDisk(const QString &path, bool sorted = true)
{
    QStringList titles;
    for (const AdFields &ad : loadSheet(path).ads)
        titles << ad.title;
    if (sorted)
        titles.sort();
    return titles;
}
} // namespace

void tst_SheetTwoProcesses::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SheetTwoProcesses::cleanup()
{
    for (QProcess *process : std::as_const(m_processes)) {
        process->kill();
        process->waitForFinished(2000);
        delete process;
    }
    m_processes.clear();
}

QProcess *tst_SheetTwoProcesses::start()
{
    auto *process = new QProcess;
    m_processes.append(process);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_DATA_HOME"_s, m_dir->filePath(u"data"_s));
    env.insert(u"XDG_CONFIG_HOME"_s, m_dir->filePath(u"config"_s));
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(SHEET_DRIVER), {});
    return process;
}

void tst_SheetTwoProcesses::twoProcessesKeepInTurn_data()
{
    QTest::addColumn<bool>("firstClosesFirst");
    QTest::addRow("first closes first") << true;
    QTest::addRow("second closes first") << false;
}

// Ads kept in turn by two windows are all in the file, each once, and each window shows the
// other's. The settings hold the whole ad of the window closed last.
void tst_SheetTwoProcesses::twoProcessesKeepInTurn()
{
    QFETCH(bool, firstClosesFirst);
    QProcess *first = start();
    QProcess *second = start();
    QCOMPARE(reply(first), u"ready"_s);
    QCOMPARE(reply(second), u"ready"_s);
    QStringList kept;
    for (int i = 0; i < 50; ++i) {
        QCOMPARE(ask(first, u"keep first %1"_s.arg(i)), u"ok"_s);
        QCOMPARE(ask(second, u"keep second %1"_s.arg(i)), u"ok"_s);
        kept << u"first %1"_s.arg(i) << u"second %1"_s.arg(i);
    }
    QCOMPARE(ask(first, u"count 100"_s), u"100"_s);
    QCOMPARE(ask(second, u"count 100"_s), u"100"_s);

    QCOMPARE(ask(first, u"type written in first"_s), u"ok"_s);
    QCOMPARE(ask(second, u"type written in second"_s), u"ok"_s);
    QProcess *closesLast = firstClosesFirst ? second : first;
    for (QProcess *process : {firstClosesFirst ? first : second, closesLast}) {
        QCOMPARE(ask(process, u"close"_s), u"closed"_s);
        QVERIFY(process->waitForFinished(5000));
    }

    kept.sort();
    QCOMPARE(titlesOnDisk(sheetPath()), kept);
    const QString last = closesLast == first ? u"written in first"_s : u"written in second"_s;
    QSettings settings(m_dir->filePath(u"config/Vellumo/VELM.conf"_s), QSettings::IniFormat);
    QCOMPARE(settings.status(), QSettings::NoError);
    QCOMPARE(settings.value(u"adTitle"_s).toString(), last);
    QCOMPARE(settings.value(u"adText"_s).toString(), u"text of "_s + last);
    QCOMPARE(settings.value(u"adURL"_s).toString(), u"url of "_s + last);
}

// One window removes rows while the other adds: the rows removed are gone, every row added is
// there once.
void tst_SheetTwoProcesses::twoProcessesRemoveWhileAdding()
{
    SheetRows seeded;
    for (int i = 0; i < 25; ++i)
        seeded.append({newSheetRowId(), {u"seeded %1"_s.arg(i), u"t"_s, u"u"_s}});
    QVERIFY(saveSheet(sheetPath(), seeded));
    QProcess *remover = start();
    QProcess *adder = start();
    QCOMPARE(reply(remover), u"ready"_s);
    QCOMPARE(reply(adder), u"ready"_s);
    QStringList added;
    QByteArray removes, adds;
    for (int i = 0; i < 25; ++i) {
        removes += u"remove seeded %1\n"_s.arg(i).toUtf8();
        adds += u"keep added %1\n"_s.arg(i).toUtf8();
        added << u"added %1"_s.arg(i);
    }
    // Sent at once: both windows work through them at the same time.
    remover->write(removes);
    adder->write(adds);
    for (int i = 0; i < 25; ++i) {
        QCOMPARE(reply(remover), u"ok"_s);
        QCOMPARE(reply(adder), u"ok"_s);
    }
    added.sort();
    QCOMPARE(titlesOnDisk(sheetPath()), added);
    QCOMPARE(ask(remover, u"count 25"_s), u"25"_s);
}

// A window killed while it holds the lock holds up the other no longer than the stale time,
// and what was saved before stays.
void tst_SheetTwoProcesses::twoProcessesKilledLockHolder()
{
    QProcess *holder = start();
    QProcess *other = start();
    QCOMPARE(reply(holder), u"ready"_s);
    QCOMPARE(reply(other), u"ready"_s);
    QCOMPARE(ask(holder, u"keep saved before"_s), u"ok"_s);
    QCOMPARE(ask(holder, u"hold"_s), u"holding"_s);
    other->write("keep kept after\n");
    QTest::qWait(300);
    QVERIFY(!other->canReadLine()); // waiting for the lock
    QElapsedTimer timer;
    timer.start();
    holder->kill();
    QVERIFY(holder->waitForFinished(2000));
    QCOMPARE(reply(other, sheetStaleLockMs + 1000), u"ok"_s);
    QVERIFY2(timer.elapsed() < sheetStaleLockMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(titlesOnDisk(sheetPath(), false), (QStringList{u"saved before"_s, u"kept after"_s}));
}

QTEST_GUILESS_MAIN(tst_SheetTwoProcesses)
#include "tst_sheet_two_processes.moc"
