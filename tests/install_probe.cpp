// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copied into an installed program's folder, builds the main window there as the program does
// and prints the engines its engine chooser lists, one per line.
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QTextStream out(stdout);
    for (int i = 0; i < window.mainForm->comboBoxEngine->count(); ++i)
        out << window.mainForm->comboBoxEngine->itemText(i) << '\n';
    return window.mainForm->comboBoxEngine->count() > 0 ? 0 : 1;
}
