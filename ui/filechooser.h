// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The file dialogs of the ad sheet's import and export. A test answers the next one in
// advance, as a user would, instead of racing the dialog's folder loading.
namespace FileChooser {
QString openFileName(QWidget *parent,
                     const QString &caption,
                     const QString &folder,
                     const QString &filters);
QString saveFileName(QWidget *parent,
                     const QString &caption,
                     const QString &folder,
                     const QString &filters,
                     QString *selectedFilter);

// For tests: the next dialog is not shown and gives `fileName`, with the first of its filters
// that contains `filter` (when not empty) as the chosen one.
void setNextAnswer(const QString &fileName, const QString &filter = QString());
} // namespace FileChooser
