// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program started as a user starts it, offscreen, in a scratch application folder whose
// first engine is hostile, or with a damaged window size stored: it reaches its event loop
// within a second of CPU time and stays within a few hundred MB.
#include "app/globals.h"
#include "hostileprofiles.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Far above what the program needs (about 60 MB, more under the sanitizers), far below what a
// runaway read or decode takes.
constexpr qint64 peakLimitKb = 400 * 1024;
// A process that goes past this is killed before it can hurt the machine.
constexpr qint64 killLimitKb = 1024 * 1024;
// Blocked on a pipe or lost in layout: only a hang takes this long.
constexpr qint64 hangMs = 60000;

qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

struct Run
{
    bool finished = false;
    QString failure;
    QMap<QString, QString> values;
};

// Starts the probe in `folder` with its settings in `config`, watching its memory.
Run runProbe(const QString &folder, const QString &config)
{
    Run run;
    const QString program = folder + QStringLiteral("/start_probe");
    QFile::remove(program);
    if (!QFile::copy(QStringLiteral(START_PROBE), program)) {
        run.failure = QStringLiteral("cannot copy the probe");
        return run;
    }
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Under the sanitizers: fontconfig's caches are no leak of ours.
    environment.insert(QStringLiteral("LSAN_OPTIONS"),
                       QStringLiteral("suppressions=" VELLUMO_SOURCE_DIR "/fuzz/lsan.supp"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, {});
    if (!process.waitForStarted()) {
        run.failure = QStringLiteral("the probe did not start");
        return run;
    }
    QElapsedTimer clock;
    clock.start();
    while (!process.waitForFinished(50)) {
        const qint64 resident = residentKb(process.processId());
        if (resident > killLimitKb || clock.elapsed() > hangMs) {
            process.kill();
            process.waitForFinished();
            run.failure
                = QStringLiteral("killed after %1 ms at %2 kB").arg(clock.elapsed()).arg(resident);
            return run;
        }
    }
    run.finished = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.finished)
        run.failure = QString::fromLocal8Bit(process.readAllStandardError());
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype space = line.indexOf(' ');
        if (space > 0)
            run.values.insert(QString::fromUtf8(line.left(space)),
                              QString::fromUtf8(line.mid(space + 1)));
    }
    return run;
}
} // namespace

class tst_HostileStart : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsWith_data();
    void startsWith();

private:
    QTemporaryDir m_scratch{QCoreApplication::applicationDirPath()
                            + QStringLiteral("/scratch-XXXXXX")};
};

void tst_HostileStart::initTestCase()
{
    TestSupport::isolate();
    QVERIFY(m_scratch.isValid());
}

void tst_HostileStart::startsWith_data()
{
    QTest::addColumn<int>("profile"); // index into the hostile profiles, -1 for a good one
    QTest::addColumn<QSize>("storedSize");

    const QList<HostileProfiles::Profile> profiles = HostileProfiles::profiles();
    for (int i = 0; i < profiles.size(); ++i)
        QTest::addRow("%s", profiles.at(i).row) << i << QSize();
    QTest::addRow("window of 60000 x 60000") << -1 << QSize(60000, 60000);
    QTest::addRow("window of 60000 x 60000, deep tables") << 5 << QSize(60000, 60000);
}

void tst_HostileStart::startsWith()
{
    QFETCH(int, profile);
    QFETCH(QSize, storedSize);

    const QString folder = m_scratch.filePath(QString::fromLatin1(QTest::currentDataTag()));
    const QString config = folder + QStringLiteral("-config");
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    HostileProfiles::Profile written{
        "good", QStringLiteral("<i>%TITLE%</i>"), HostileProfiles::nothing};
    if (profile >= 0)
        written = HostileProfiles::profiles().at(profile);
    QVERIFY(HostileProfiles::writeProfile(folder + QStringLiteral("/files"), written));
    if (storedSize.isValid()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
        QSettings settings(App::organizationName, App::applicationName);
        settings.setValue(QStringLiteral("size"), storedSize);
        settings.sync();
        QCOMPARE(settings.status(), QSettings::NoError);
    }

    const Run run = runProbe(folder, config);
    QVERIFY2(run.finished, qPrintable(run.failure));
    qInfo("%s: event loop after %s ms (%s ms CPU), peak %s kB, window %s",
          QTest::currentDataTag(),
          qPrintable(run.values.value(QStringLiteral("event-loop-ms"))),
          qPrintable(run.values.value(QStringLiteral("event-loop-cpu-ms"))),
          qPrintable(run.values.value(QStringLiteral("peak-kb"))),
          qPrintable(run.values.value(QStringLiteral("size"))));
    QCOMPARE(run.values.value(QStringLiteral("first")), HostileProfiles::hostileName);
    // CPU time, so that a busy machine cannot fail the test; a hang is caught above.
    QVERIFY(run.values.value(QStringLiteral("event-loop-cpu-ms")).toLongLong() < 1000);
    const qint64 peak = run.values.value(QStringLiteral("peak-kb")).toLongLong();
    QVERIFY(peak > 0);
    QVERIFY2(peak < peakLimitKb, qPrintable(QString::number(peak)));
    const QStringList size = run.values.value(QStringLiteral("size")).split(QLatin1Char('x'));
    QCOMPARE(size.size(), 2);
    QVERIFY(size.at(0).toInt() < 10000 && size.at(1).toInt() < 10000);
}

QTEST_MAIN(tst_HostileStart)
#include "tst_hostilestart.moc"
