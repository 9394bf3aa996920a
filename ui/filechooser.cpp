// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filechooser.h"

#include "app/globals.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include <optional>

namespace {
const QString folderKey = QStringLiteral("lastFolder");

struct Answer
{
    QString fileName;
    QString filter;
    QString *shownFolder = nullptr;
};
std::optional<Answer> nextAnswer;

// The chosen file's folder is where the next dialog starts; cancelling changes nothing.
QString remembered(const QString &path)
{
    if (!path.isEmpty()) {
        QSettings(App::organizationName, App::applicationName)
            .setValue(folderKey, QFileInfo(path).absolutePath());
    }
    return path;
}

// The prepared answer, if a test gave one.
std::optional<Answer> takeAnswer()
{
    std::optional<Answer> answer = std::move(nextAnswer);
    nextAnswer.reset();
    if (answer && answer->shownFolder)
        *answer->shownFolder = FileChooser::startFolder();
    return answer;
}
} // namespace

namespace FileChooser {

QString startFolder()
{
    const QString folder
        = QSettings(App::organizationName, App::applicationName).value(folderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString openFileName(QWidget *parent, const QString &caption, const QString &filters)
{
    if (const std::optional<Answer> answer = takeAnswer())
        return remembered(answer->fileName);
    return remembered(QFileDialog::getOpenFileName(parent, caption, startFolder(), filters));
}

QString saveFileName(QWidget *parent,
                     const QString &caption,
                     const QString &filters,
                     QString *selectedFilter)
{
    if (const std::optional<Answer> answer = takeAnswer()) {
        const QStringList names = filters.split(QStringLiteral(";;"));
        for (const QString &name : names) {
            if (!answer->filter.isEmpty() && name.contains(answer->filter)) {
                *selectedFilter = name;
                break;
            }
        }
        return remembered(answer->fileName);
    }
    return remembered(
        QFileDialog::getSaveFileName(parent, caption, startFolder(), filters, selectedFilter));
}

void setNextAnswer(const QString &fileName, const QString &filter, QString *shownFolder)
{
    nextAnswer = Answer{fileName, filter, shownFolder};
}

} // namespace FileChooser
