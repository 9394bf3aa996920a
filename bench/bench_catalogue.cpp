// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times MainWindow::refreshEngineLists with 10, 100 and 1000 engine files against its floor.
//
// The floor is what any rebuild that reads the engine files afresh has to do: for every engine
// file, read its bytes and parse them with QDomDocument twice (a rebuild reads the position and
// the symbol from two separate parses), and build its 16x16 icon with QIcon::addFile from the
// same image path. The floor leaves out listing and sorting the folder, the stat of the symbol
// file, filling the combo box and the list, and choosing the first engine afterwards.
#include "app/globals.h"
#include "engines/enginefile.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

const QString fallbackImage = QStringLiteral("img/unknown.png");

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template<typename Work>
double millisecondsPerRun(int repeats, Work work)
{
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i)
        work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / repeats;
}

// `count` engines with distinct positions in an order unlike the file names; every other one
// names an existing image, the rest fall back to the default one.
QStringList makeEngines(int count, const QString &symbolImage)
{
    QDir files(App::applicationDirectory + QStringLiteral("/files"));
    files.removeRecursively();
    files.mkpath(QStringLiteral("."));
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("Engine %1").arg(i, 4, 10, QLatin1Char('0'));
        const int position = int((i * 7919LL) % count);
        writeEngineFile(name,
                        i % 2 ? QString() : symbolImage,
                        25,
                        70,
                        35,
                        position,
                        35,
                        QStringLiteral("<h3>Ad</h3><a href=\"#\">%TITLE%</a><br>%TEXT%<br>%URL%"));
        names << name;
    }
    return names;
}

QDomDocument parse(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QDomDocument document;
    document.setContent(file.readAll());
    return document;
}

QString field(const QDomDocument &document, const QString &tag)
{
    return document.documentElement().firstChildElement(tag).attribute(QStringLiteral("value"));
}

// Two parses and one icon per engine; see the comment at the top.
int floorRun(const QStringList &names)
{
    int sum = 0;
    std::vector<QIcon> icons;
    icons.reserve(size_t(names.size()));
    for (const QString &name : names) {
        const QString path = engineFilePath(name);
        sum += field(parse(path), QStringLiteral("listPosition")).toInt();
        QString symbol = field(parse(path), QStringLiteral("Symbol"));
        if (symbol.isEmpty())
            symbol = fallbackImage;
        QIcon icon;
        icon.addFile(symbol, QSize(16, 16));
        icons.push_back(icon);
    }
    return sum + int(icons.size());
}
} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    // The engines live beside this executable, as they do beside the program.
    App::setApplicationDirectory(QCoreApplication::applicationDirPath());
    QDir::setCurrent(App::applicationDirectory);
    QDir().mkpath(QStringLiteral("img"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(qRgb(40, 90, 200));
    image.save(fallbackImage, "PNG");
    const QString symbolImage = App::applicationDirectory + QStringLiteral("/symbol.png");
    image.fill(qRgb(200, 60, 40));
    image.save(symbolImage, "PNG");
    makeEngines(0, symbolImage);

    // Hidden: painting is not part of the rebuild.
    MainWindow window;

    struct Result
    {
        int count;
        double refresh, floor, ratio;
    };
    std::vector<Result> results;
    for (const int count : {10, 100, 1000}) {
        const QStringList names = makeEngines(count, symbolImage);
        const int repeats = std::max(1, 200 / count);
        const int runs = 15;
        volatile int sink = 0;
        window.refreshEngineLists(); // warm-up
        sink = sink + floorRun(names);

        std::vector<double> refreshTimes, floorTimes;
        for (int run = 0; run < runs; ++run) {
            const auto timeRefresh = [&] {
                refreshTimes.push_back(
                    millisecondsPerRun(repeats, [&] { window.refreshEngineLists(); }));
            };
            const auto timeFloor = [&] {
                floorTimes.push_back(
                    millisecondsPerRun(repeats, [&] { sink = sink + floorRun(names); }));
            };
            if (run % 2) {
                timeFloor();
                timeRefresh();
            } else {
                timeRefresh();
                timeFloor();
            }
        }
        const double choosing
            = millisecondsPerRun(repeats * 5, [&] { window.comboBoxEngine_activated(0); });
        // Each run's two timings lie close together; the median of their ratios stays steady
        // when other work on the machine comes and goes.
        std::vector<double> ratios;
        for (size_t run = 0; run < refreshTimes.size(); ++run)
            ratios.push_back(refreshTimes[run] / floorTimes[run]);
        results.push_back({count, median(refreshTimes), median(floorTimes), median(ratios)});
        std::printf("refresh %d engines: %.3f ms, floor %.3f ms\n",
                    count,
                    results.back().refresh,
                    results.back().floor);
        // Part of every rebuild but not of the floor: it parses the first engine's file five
        // more times and renders the preview.
        std::printf("  choosing the first engine alone: %.3f ms\n", choosing);
        std::fflush(stdout);
    }

    for (const Result &result : results)
        std::printf("RATIO catalogue_%d %.2f target <= 1.30\n", result.count, result.ratio);
    std::printf("RATIO catalogue_1000_ms %.2f target <= 250\n", results.back().refresh);
    makeEngines(0, symbolImage);
    return 0;
}
