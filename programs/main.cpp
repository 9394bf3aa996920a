// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(images);
    QApplication app(argc, argv);
    const QString localeName = QLocale::system().name();
    QTranslator translator;
    loadTranslation(translator, localeName, QCoreApplication::applicationDirPath());
    QCoreApplication::installTranslator(&translator);

    MainWindow window;
    window.show();
    return app.exec();
}
