// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: a Qt Widgets program that shows a QMainWindow and quits.
// With the argument "text" the window shows one line of text, which is where a program first
// pays for the font system (fontconfig reading its configuration and caches).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (QCoreApplication::arguments().contains(QStringLiteral("text")))
        window.setCentralWidget(new QLabel(QStringLiteral("Advertisment"), &window));
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
