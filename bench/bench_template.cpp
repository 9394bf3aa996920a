// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Milliseconds to choose an engine and have its preview laid out and painted, for the worst
// profile the bounds allow and for the default template.
//
// The worst allowed profile: an engine file at the size cap whose template nests tables to
// the table bound with table work at its bound, lists and quotes to the nesting bound, and
// two images at the pixel cap (all an engine's resource budget holds). Choosing it reads the
// file, loads the images afresh and renders the preview twice, as the program does.
#include "ads/enginestate.h"
#include "ads/templatelayout.h"
#include "ads/templateresources.h"
#include "app/globals.h"
#include "engines/enginefile.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

QString worstTemplate()
{
    const QString cell = QStringLiteral("<td>%TEXT%</td>");
    // Three tables around a fourth: 1 + 2 + 4 cells of work, the rest in the innermost, whose
    // cells weigh 8 each with their line of text.
    const int innerCells = int((maxTableWork - 1 - 2 - 4) * 4 / (8 * 4 + 8 + 8)) - 2;
    QString inner = QStringLiteral("<table border=1><tr>");
    for (int i = 0; i < innerCells; ++i)
        inner += (i % 8 == 7 ? QStringLiteral("</tr><tr>") : QString()) + cell;
    inner += QStringLiteral("</tr></table>");
    QString html = QStringLiteral("<html><body><img src=\"a.png\"><img src=\"b.png\">")
                   + QStringLiteral("<table><tr><td>").repeated(3) + inner
                   + QStringLiteral("</td></tr></table>").repeated(3);
    const int lists = (maxTemplateDepth - 2) / 2;
    html += QStringLiteral("<ul><li>%TITLE%").repeated(lists)
            + QStringLiteral("</li></ul>").repeated(lists);
    return html;
}

// Pads `html` with paragraphs until its engine file is as large as the cap allows.
QString atSizeCap(const QString &html, const QString &name)
{
    const QString paragraph = QStringLiteral("<p>Advertisment %TITLE% with %URL% here</p>");
    QString padded = html;
    while (writeEngineFile(
        name, QString(), 30, 90, 30, 0, 0, padded + paragraph + QStringLiteral("</body></html>")))
        padded += paragraph;
    const QString result = padded + QStringLiteral("</body></html>");
    writeEngineFile(name, QString(), 30, 90, 30, 0, 0, result);
    return result;
}

double cpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1000 + double(used.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Chooses engine 0 and lays out and paints its preview, `runs` times; the median in ms.
double choosingMs(MainWindow &window, int runs)
{
    QTextBrowser *preview = window.mainForm->textBrowserPreview;
    std::vector<double> times, cpu;
    for (int run = 0; run < runs + 1; ++run) {
        const auto start = Clock::now();
        const double cpuStart = cpuMs();
        window.comboBoxEngine_activated(0);
        preview->document()->documentLayout()->documentSize();
        preview->viewport()->grab();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (run > 0) { // the first run warms the fonts
            times.push_back(ms);
            cpu.push_back(cpuMs() - cpuStart);
        }
    }
    std::printf("  (%.2f ms of CPU time)\n", median(cpu));
    return median(times);
}
} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    App::setApplicationDirectory(QCoreApplication::applicationDirPath());
    QDir files(App::applicationDirectory + QStringLiteral("/files"));
    files.removeRecursively();
    files.mkpath(QStringLiteral("Worst"));

    // Two images at the pixel cap, each within the byte cap.
    const int side = int(std::sqrt(double(maxImagePixels)));
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x % 256, y % 256, (x ^ y) % 256, 255));
    for (const char *name : {"a.png", "b.png"})
        image.save(files.filePath(QStringLiteral("Worst/") + QLatin1String(name)), "PNG");

    const QString worst = atSizeCap(worstTemplate(), QStringLiteral("Worst"));
    const TemplateLayout layout = measureTemplateLayout(worst);
    std::printf("worst template: %lld characters, file %lld bytes, depth %d, tables %d deep, "
                "table work %lld (bounds %d, %d, %lld)\n",
                qint64(worst.size()),
                QFileInfo(engineFilePath(QStringLiteral("Worst"))).size(),
                layout.depth,
                layout.tableDepth,
                layout.tableWork,
                maxTemplateDepth,
                maxTableDepth,
                maxTableWork);
    if (!isWithinLayoutBounds(layout)) {
        std::printf("the worst template is beyond the bounds: fix the benchmark\n");
        return 1;
    }

    MainWindow window;
    window.resize(800, 700);
    window.show();
    const double worstMs = choosingMs(window, 9);
    if (window.mainForm->textBrowserPreview->toPlainText()
        == templateBeyondBoundsMessage(QStringLiteral("Worst"))) {
        std::printf("the worst template was not rendered: fix the benchmark\n");
        return 1;
    }

    writeEngineFile(QStringLiteral("Worst"), QString(), 30, 90, 30, 0, 0, QString());
    const double defaultMs = choosingMs(window, 9);
    std::printf("choosing the engine with the default template: %.2f ms\n", defaultMs);
    std::printf("RATIO worst_template_ms %.2f target <= 250\n", worstMs);
    files.removeRecursively();
    return 0;
}
