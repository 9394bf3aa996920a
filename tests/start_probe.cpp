// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copied into a scratch application folder by tst_hostilestart: starts as the program does,
// and once its event loop runs paints the window (which lays out the preview), then prints
//   event-loop-ms <wall time from main to the event loop>
//   event-loop-cpu-ms <CPU time of the process until then>
//   size <width>x<height> of the window
//   first <the engine chosen first>
//   peak-kb <VmHWM after painting>
// and quits.
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <QTimer>

#include <ctime>

namespace {
qint64 cpuMilliseconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return qint64(used.tv_sec) * 1000 + used.tv_nsec / 1000000;
}

QByteArray statusLine(const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return QByteArray();
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0);
    }
    return QByteArray();
}
} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QTimer::singleShot(0, &window, [&] {
        QTextStream out(stdout);
        out << "event-loop-ms " << clock.elapsed() << '\n';
        out << "event-loop-cpu-ms " << cpuMilliseconds() << '\n';
        window.grab();
        out << "size " << window.width() << 'x' << window.height() << '\n';
        out << "first " << window.mainForm->comboBoxEngine->itemText(0) << '\n';
        out << "peak-kb " << statusLine("VmHWM:") << '\n';
        out.flush();
        QCoreApplication::quit();
    });
    return app.exec();
}
