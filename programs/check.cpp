// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// vellumo-check: the command-line checker (see app/checker.h).
#include "app/checker.h"
#include "app/globals.h"
#include "app/startup.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTextStream>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTranslator translator;
    loadTranslation(translator, QLocale::system().name(), QCoreApplication::applicationDirPath());
    QCoreApplication::installTranslator(&translator);
    // The engines beside the executable, as the program uses them.
    App::setApplicationDirectory(QCoreApplication::applicationDirPath());

    QTextStream out(stdout);
    QTextStream err(stderr);
    return runChecker(QCoreApplication::arguments(), out, err);
}
