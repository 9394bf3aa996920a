// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window of the program driven through its standard input, one command a line, for the
// tests that run two windows as two processes on one data folder. Each command is answered
// with one line on standard output:
//   keep TITLE    types an ad titled TITLE and presses Keep       -> "ok"
//   remove TITLE  selects the row titled TITLE and presses Remove -> "ok" or "missing"
//   count N       waits up to 3 s for N rows in the sheet          -> the number of rows
//   type TITLE    types an ad titled TITLE, keeping nothing        -> "ok"
//   hold          takes the sheet's lock and keeps it              -> "holding"
//   close         closes the window (its settings are written)     -> "closed", then exits
#include "ads/sheet.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTableView>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {
void type(MainWindow &window, const QString &title)
{
    window.mainForm->lineEditTitle->setText(title);
    window.mainForm->lineEditText->setText(QStringLiteral("text of ") + title);
    window.mainForm->lineEditURL->setText(QStringLiteral("url of ") + title);
}

QString run(MainWindow &window, const QString &command, std::unique_ptr<QLockFile> &lock)
{
    const QString verb = command.section(QLatin1Char(' '), 0, 0);
    const QString argument = command.section(QLatin1Char(' '), 1);
    auto *view = window.findChild<QTableView *>(QStringLiteral("tableViewSheet"));
    QAbstractItemModel *model = view->model();
    if (verb == QLatin1String("keep") || verb == QLatin1String("type")) {
        type(window, argument);
        if (verb == QLatin1String("keep"))
            window.findChild<QPushButton *>(QStringLiteral("pushButtonKeep"))->click();
        return QStringLiteral("ok");
    }
    if (verb == QLatin1String("remove")) {
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->index(row, 0).data().toString() == argument) {
                view->selectRow(row);
                window.findChild<QPushButton *>(QStringLiteral("pushButtonRemove"))->click();
                return QStringLiteral("ok");
            }
        }
        return QStringLiteral("missing");
    }
    if (verb == QLatin1String("count")) {
        QElapsedTimer timer;
        timer.start();
        while (model->rowCount() != argument.toInt() && timer.elapsed() < 3000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return QString::number(model->rowCount());
    }
    if (verb == QLatin1String("hold")) {
        lock = std::make_unique<QLockFile>(sheetFilePath() + QStringLiteral(".lock"));
        return lock->lock() ? QStringLiteral("holding") : QStringLiteral("not held");
    }
    if (verb == QLatin1String("close")) {
        window.close();
        return QStringLiteral("closed");
    }
    return QStringLiteral("unknown");
}
} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    std::unique_ptr<QLockFile> lock;
    // Commands may come many at once: each whole line is run in turn.
    QByteArray pending;
    QSocketNotifier notifier(0, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char chunk[4096];
        const ssize_t got = ::read(0, chunk, sizeof chunk);
        if (got <= 0) {
            notifier.setEnabled(false);
            return;
        }
        pending.append(chunk, got);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            const QString line = QString::fromUtf8(pending.left(end)).trimmed();
            pending.remove(0, end + 1);
            std::printf("%s\n", qPrintable(run(window, line, lock)));
            std::fflush(stdout);
        }
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
