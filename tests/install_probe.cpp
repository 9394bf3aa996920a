// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copied into an installed program's folder, builds the main window there as the program does
// and prints the engines its engine chooser lists, one per line.
//   --read-only   takes the install folder for one the user cannot write to
//   --save NAME   then saves a new engine NAME as the dialog would and lists again
#include "engines/enginefile.h"
#include "engines/userfolder.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTextStream>

namespace {
void printEngines(const MainWindow &window)
{
    QTextStream out(stdout);
    for (int i = 0; i < window.mainForm->comboBoxEngine->count(); ++i)
        out << window.mainForm->comboBoxEngine->itemText(i) << '\n';
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    WindowSeams seams;
    if (arguments.contains(QStringLiteral("--read-only")))
        seams.isWritableFolder = [](const QString &) { return false; };
    MainWindow window(seams);
    window.show();
    const int count = window.mainForm->comboBoxEngine->count();
    const qsizetype save = arguments.indexOf(QStringLiteral("--save"));
    if (save < 0 || save + 1 >= arguments.size()) {
        printEngines(window);
        return count > 0 ? 0 : 1;
    }
    EngineProfile values;
    values.limitTitle = 30;
    values.limitText = 90;
    values.limitURL = 30;
    values.templateText = QStringLiteral("<b>%TITLE%</b><br>%TEXT%<br>%URL%");
    if (!writeEngineValues(arguments.at(save + 1), values, count))
        return 2;
    window.refreshEngineLists();
    printEngines(window);
    return 0;
}
