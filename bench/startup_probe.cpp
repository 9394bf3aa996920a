// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own start-up (the steps of app/main.cpp), ending as soon as the main window
// has been shown and the event loop has run once: what the start-up benchmark times.
#include "app/startup.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    QTranslator translator;
    loadTranslation(translator, QLocale::system().name(), QCoreApplication::applicationDirPath());
    QCoreApplication::installTranslator(&translator);

    MainWindow window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
