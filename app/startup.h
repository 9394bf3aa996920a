// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QTranslator;

// Loads "velm_<locale>" with Qt's fallbacks (velm_de_DE.qm, velm_de_DE, velm_de.qm, ...),
// first from the start-up working directory, then from the application directory
// (the program's language must not depend on where it was started from).
// Returns whether a translation was found.
bool loadTranslation(QTranslator &translator,
                     const QString &localeName,
                     const QString &applicationDirPath);

// The size at which to open a window stored as `stored`: at most the largest of `screens`
// (their available areas), so that a damaged setting cannot ask for a window of gigabytes;
// `fallback`, limited the same way, when the stored size is empty or invalid.
QSize usableWindowSize(const QSize &stored, const QList<QRect> &screens, const QSize &fallback);

// The position at which to open a window stored at `stored`: the stored one when the title
// bar of a window of `size` there would touch one of `screens`, else `fallback`.
QPoint usableWindowPosition(const QPoint &stored,
                            const QSize &size,
                            const QList<QRect> &screens,
                            const QPoint &fallback);
