// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's symbol chooser: picking the image file of an engine's icon.
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

void MainWindow::pushButtonSymbol_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose a Symbol"), QDir::homePath(), tr("Images (*.png *.xpm *.jpg)"));
    // A cancelled choice is no mistake: nothing to say, nothing to change.
    if (path.isEmpty())
        return;
    // The content decides, whatever the suffix says; the image is loaded only to be tested.
    if (QPixmap(path).isNull()) {
        QMessageBox::information(
            this, tr("Information"), tr("Wrong Image Format, please use a PNG."));
        return;
    }
    engineForm->lineEditSymbol->setText(path);
}
