// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engines/catalogue.h"

#include <QAbstractListModel>
#include <QHash>
#include <QIcon>
#include <QList>

// The engine chooser's entries: each listed engine's name and icon, and for an engine whose
// file cannot be read, the reason as its tool tip. It is filled in one go, sharing the
// catalogue rather than copying it: a combo box's own model builds an item, and tells every
// view of it, for each entry added.
class EngineChoiceModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit EngineChoiceModel(QObject *parent = nullptr);

    // One row for each entry of `catalogue`, in its order, drawn with `icons` (one for each
    // entry); `toolTips` holds the tool tips of the rows that have one.
    void setEngines(const QList<CatalogueEntry> &catalogue,
                    const QList<QIcon> &icons,
                    const QHash<qsizetype, QString> &toolTips);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<CatalogueEntry> m_catalogue;
    QList<QIcon> m_icons;
    QHash<qsizetype, QString> m_toolTips;
};
