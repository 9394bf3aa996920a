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

QSize usableWindowSize(const QSize &stored, const QList<QRect> &screens, const QSize &fallback)
{
    QSize largest;
    for (const QRect &screen : screens) {
        if (qint64(screen.width()) * screen.height() > qint64(largest.width()) * largest.height())
            largest = screen.size();
    }
    // Without a screen to measure, the fallback is all that is known to be sane.
    if (largest.isEmpty())
        largest = fallback;
    const QSize wanted = stored.isEmpty() ? fallback : stored;
    return wanted.boundedTo(largest).expandedTo(QSize(1, 1));
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
