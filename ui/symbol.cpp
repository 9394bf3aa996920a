// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's symbol chooser: picking the image file of an engine's icon.
#include "engines/enginesfolder.h"
#include "engines/symbolpath.h"
#include "ui/engineform.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

void MainWindow::pushButtonSymbol_clicked()
{
    // The engine's own folder, where its images belong, when it has one.
    QString start = QDir::homePath();
    if (!m_loadedEngine.isEmpty() && !enginesFolder().isEmpty()) {
        const QString own = enginesFolder() + QLatin1Char('/') + m_loadedEngine;
        if (QFileInfo(own).isDir())
            start = own;
    }
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Choose a Symbol"), start, tr("Images (*.png *.xpm *.jpg)"));
    // A cancelled choice is no mistake: nothing to say, nothing to change.
    if (path.isEmpty())
        return;
    // The content decides, whatever the suffix says; the image is loaded only to be tested.
    if (QPixmap(path).isNull()) {
        QMessageBox::information(
            this, tr("Information"), tr("Wrong Image Format, please use a PNG."));
        return;
    }
    // Inside the application folder the path is kept relative, so that the profile and its
    // image travel together.
    engineForm->lineEditSymbol->setText(storableSymbolPath(path));
}
