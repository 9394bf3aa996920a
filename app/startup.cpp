// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QTranslator>

bool loadTranslation(QTranslator &translator,
                     const QString &localeName,
                     const QString &applicationDirPath)
{
    const QString fileName = QStringLiteral("velm_") + localeName;
    // Qt's own search: the working directory, with .qm and then at each "_" or "." shorter.
    if (translator.load(fileName))
        return true;
    return !applicationDirPath.isEmpty() && translator.load(fileName, applicationDirPath);
}

QPoint usableWindowPosition(const QPoint &stored,
                            const QSize &size,
                            const QList<QRect> &screens,
                            const QPoint &fallback)
{
    // Enough of the title bar to grab it with the mouse.
    const int titleBarHeight = 24;
    const int grabWidth = qMin(48, qMax(size.width(), 1));
    const QRect titleBar(stored, QSize(qMax(size.width(), 1), titleBarHeight));
    for (const QRect &screen : screens) {
        const QRect visible = screen.intersected(titleBar);
        if (visible.width() >= grabWidth && visible.height() >= titleBarHeight / 2)
            return stored;
    }
    return fallback;
}
