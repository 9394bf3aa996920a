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

// The position at which to open a window stored at `stored`: the stored one when the title
// bar of a window of `size` there would touch one of `screens`, else `fallback`.
QPoint usableWindowPosition(const QPoint &stored,
                            const QSize &size,
                            const QList<QRect> &screens,
                            const QPoint &fallback);
