// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The file dialogs of the ad sheet's import and export. Both start in the folder a file was
// last chosen in, by either of them, kept in the settings. A test answers the next one in
// advance, as a user would, instead of racing the dialog's folder loading.
namespace FileChooser {
QString openFileName(QWidget *parent, const QString &caption, const QString &filters);
QString saveFileName(QWidget *parent,
                     const QString &caption,
                     const QString &filters,
                     QString *selectedFilter);

// The folder the next dialog starts in: the last one used while it exists, else the home
// folder.
QString startFolder();

// For tests: the next dialog is not shown and gives `fileName`, with the first of its filters
// that contains `filter` (when not empty) as the chosen one; `shownFolder`, when given, hears
// the folder the dialog would have started in.
void setNextAnswer(const QString &fileName,
                   const QString &filter = QString(),
                   QString *shownFolder = nullptr);
} // namespace FileChooser
