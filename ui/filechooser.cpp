// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/filechooser.h"

#include <QFileDialog>

#include <optional>

namespace {
struct Answer
{
    QString fileName;
    QString filter;
};
std::optional<Answer> nextAnswer;
} // namespace

namespace FileChooser {

QString
openFileName(QWidget *parent, const QString &caption, const QString &folder, const QString &filters)
{
    if (nextAnswer) {
        const QString fileName = nextAnswer->fileName;
        nextAnswer.reset();
        return fileName;
    }
    return QFileDialog::getOpenFileName(parent, caption, folder, filters);
}

QString saveFileName(QWidget *parent,
                     const QString &caption,
                     const QString &folder,
                     const QString &filters,
                     QString *selectedFilter)
{
    if (nextAnswer) {
        const Answer answer = *nextAnswer;
        nextAnswer.reset();
        const QStringList names = filters.split(QStringLiteral(";;"));
        for (const QString &name : names) {
            if (!answer.filter.isEmpty() && name.contains(answer.filter)) {
                *selectedFilter = name;
                break;
            }
        }
        return answer.fileName;
    }
    return QFileDialog::getSaveFileName(parent, caption, folder, filters, selectedFilter);
}

void setNextAnswer(const QString &fileName, const QString &filter)
{
    nextAnswer = Answer{fileName, filter};
}

} // namespace FileChooser
