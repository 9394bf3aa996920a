// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first shown window, and the peak memory of that run, of the program with the
// shipped engines and with 1000 engines, against the floor the program itself can reach: the
// same main window, both forms built, over an empty engines folder. A minimal Qt Widgets
// program that shows a bare QMainWindow and quits is measured beside them for information (it
// builds no forms, so it is no floor). Each run is a fresh process; runs of all cases alternate.
#include "app/globals.h"
#include "engines/enginefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {
constexpr int warmUpRuns = 3;
constexpr int measuredRuns = 21;

struct Run
{
    double milliseconds = 0;
    double peakKiB = 0;
};

double now()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Spawns `program` and waits for it; wait4 gives the child's own peak resident set.
Run runOnce(const QString &program, const char *argument)
{
    const QByteArray path = QFile::encodeName(program);
    char *argv[] = {const_cast<char *>(path.constData()), const_cast<char *>(argument), nullptr};
    Run run;
    const double start = now();
    // The programs' own chatter (platform plugin notes) would bury the results.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.constData());
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.milliseconds = now() - start;
    run.peakKiB = double(usage.ru_maxrss);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", path.constData(), status);
        std::exit(1);
    }
    return run;
}

double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// A folder holding a copy of `probe` as the program, with its runtime files beside it.
QString programFolder(const QString &root, const QString &name, const QString &probe)
{
    const QString folder = root + u'/' + name;
    QDir().mkpath(folder + QStringLiteral("/files"));
    QDir().mkpath(folder + QStringLiteral("/img"));
    QFile::copy(probe, folder + QStringLiteral("/program"));
    QFile::copy(QStringLiteral(VELLUMO_SOURCE_DIR "/resources/img/unknown.png"),
                folder + QStringLiteral("/img/unknown.png"));
    return folder;
}

void copyShippedEngines(const QString &folder)
{
    const QDir shipped(QStringLiteral(VELLUMO_SOURCE_DIR "/files"));
    const QStringList names = shipped.entryList({QStringLiteral("*.xml")}, QDir::Files);
    for (const QString &name : names)
        QFile::copy(shipped.filePath(name), folder + QStringLiteral("/files/") + name);
}

void writeEngines(const QString &folder, int count)
{
    App::setApplicationDirectory(folder);
    QFile shipped(QStringLiteral(VELLUMO_SOURCE_DIR "/files/Google Ads.xml"));
    shipped.open(QIODevice::ReadOnly);
    const QString templateText
        = QStringLiteral("<div><span>%URL%</span><br><b>%TITLE%</b><br><span>%TEXT%</span></div>");
    for (int i = 0; i < count; ++i) {
        writeEngineFile(QStringLiteral("Engine %1").arg(i, 4, 10, QLatin1Char('0')),
                        QString(),
                        30,
                        90,
                        30,
                        count - 1 - i,
                        0,
                        templateText);
    }
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.path() + QStringLiteral("/config")));
    qputenv("LANG", "C.UTF-8");
    const QString runtime = scratch.path() + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));

    struct Case
    {
        const char *name;
        QString program;
        const char *argument;
        std::vector<double> milliseconds;
        std::vector<double> peakKiB;
    };
    const QString shipped
        = programFolder(scratch.path(), QStringLiteral("shipped"), QStringLiteral(STARTUP_PROBE));
    copyShippedEngines(shipped);
    const QString thousand
        = programFolder(scratch.path(), QStringLiteral("thousand"), QStringLiteral(STARTUP_PROBE));
    writeEngines(thousand, 1000);
    const QString empty
        = programFolder(scratch.path(), QStringLiteral("empty"), QStringLiteral(STARTUP_PROBE));
    const QString minimal
        = programFolder(scratch.path(), QStringLiteral("minimal"), QStringLiteral(MINIMAL_PROBE));
    // The bare windows first; "text" is shown beside "minimal" for what the font system alone
    // costs. "forms" is the floor: the program with no engine.
    enum { Minimal, Text, Forms, Shipped, Thousand };
    std::vector<Case> cases = {{"minimal", minimal + QStringLiteral("/program"), nullptr, {}, {}},
                               {"text", minimal + QStringLiteral("/program"), "text", {}, {}},
                               {"forms", empty + QStringLiteral("/program"), nullptr, {}, {}},
                               {"shipped", shipped + QStringLiteral("/program"), nullptr, {}, {}},
                               {"1000", thousand + QStringLiteral("/program"), nullptr, {}, {}}};

    for (int i = 0; i < warmUpRuns + measuredRuns; ++i) {
        for (Case &c : cases) {
            const Run run = runOnce(c.program, c.argument);
            if (i < warmUpRuns)
                continue;
            c.milliseconds.push_back(run.milliseconds);
            c.peakKiB.push_back(run.peakKiB);
        }
    }

    const auto ms = [&cases](int i) { return median(cases[std::size_t(i)].milliseconds); };
    const auto kib = [&cases](int i) { return median(cases[std::size_t(i)].peakKiB); };
    std::printf("start-up to the first shown window, median of %d runs:\n", measuredRuns);
    for (const Case &c : cases) {
        std::printf(
            "  %-8s %7.1f ms  peak %7.0f KiB\n", c.name, median(c.milliseconds), median(c.peakKiB));
    }
    std::printf("against the bare window, and the one with a line of text (fonts loaded), for "
                "information:\n");
    for (int i = Forms; i <= Thousand; ++i) {
        std::printf("  %-8s start-up %.2f x bare, %.2f x text; peak memory %.2f x bare, %.2f x "
                    "text\n",
                    cases[std::size_t(i)].name,
                    ms(i) / ms(Minimal),
                    ms(i) / ms(Text),
                    kib(i) / kib(Minimal),
                    kib(i) / kib(Text));
    }
    std::printf("  1000     peak memory %.2f x forms\n", kib(Thousand) / kib(Forms));
    // Against the floor: what the engines add to the program's own start-up.
    std::printf("RATIO startup_shipped_forms %.2f target <= 1.15\n", ms(Shipped) / ms(Forms));
    std::printf("RATIO startup_1000_forms %.2f target <= 2.0\n", ms(Thousand) / ms(Forms));
    std::printf("RATIO memory_shipped_forms %.2f target <= 1.10\n", kib(Shipped) / kib(Forms));
    return 0;
}
