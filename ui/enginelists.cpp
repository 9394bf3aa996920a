// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's rebuild of both engine lists from the catalogue.
#include "engines/catalogue.h"
#include "ui/enginechoicemodel.h"
#include "ui/engineform.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QListWidget>
#include <QPalette>
#include <QScopedValueRollback>
#include <QStyle>

void MainWindow::refreshEngineLists()
{
    // Emptying and refilling the dialog's list is no choice of the user's.
    QScopedValueRollback<bool> quiet(m_quietRowChange, true);
    engineForm->listWidgetEngine->clear();
    // Each file is read once here; the lists, and everything that needs every engine at once,
    // work from this reading until the next rebuild.
    m_catalogue = readCatalogue();
    // Engines that show the same image share one icon (most often the fallback image).
    QHash<QString, QIcon> icons;
    QList<QIcon> rowIcons;
    rowIcons.reserve(m_catalogue.size());
    QHash<qsizetype, QString> reasons;
    const QBrush unreadable = engineForm->palette().brush(QPalette::Disabled, QPalette::Text);
    for (qsizetype row = 0; row < m_catalogue.size(); ++row) {
        const CatalogueEntry &entry = m_catalogue.at(row);
        const QString path = symbolIconPath(entry.profile.symbol);
        auto icon = icons.find(path);
        if (icon == icons.end()) {
            icon = icons.insert(path, QIcon());
            icon->addFile(path, QSize(16, 16));
        }
        rowIcons.append(*icon);
        auto *item = new QListWidgetItem(*icon, entry.profile.name);
        // An engine whose file cannot be read stays listed, so that the user can see it and
        // remove it, but greyed, with the reason at hand.
        if (!entry.isReadable()) {
            const QString reason = unreadableEngineText(entry);
            item->setForeground(unreadable);
            item->setToolTip(reason);
            reasons.insert(row, reason);
        }
        engineForm->listWidgetEngine->addItem(item);
    }
    m_engineChoices->setEngines(m_catalogue, rowIcons, reasons);
    // The chooser's drop-down list is as wide as its longest name, however narrow the chooser
    // itself is in a small window.
    QAbstractItemView *popup = mainForm->comboBoxEngine->view();
    popup->setMinimumWidth(popup->sizeHintForColumn(0) + 2 * popup->frameWidth()
                           + popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setSheetEngines();
    comboBoxEngine_activated(0);
}

// "The file of engine "X" cannot be read: <reason>."
QString MainWindow::unreadableEngineText(const CatalogueEntry &entry) const
{
    return tr("The file of the engine \"%1\" cannot be read: %2.")
        .arg(entry.profile.name, engineFileProblemText(entry));
}
