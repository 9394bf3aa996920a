// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/enginechoicemodel.h"

EngineChoiceModel::EngineChoiceModel(QObject *parent)
    : QAbstractListModel(parent)
{}

void EngineChoiceModel::setEngines(const QList<CatalogueEntry> &catalogue,
                                   const QList<QIcon> &icons,
                                   const QHash<qsizetype, QString> &toolTips)
{
    beginResetModel();
    m_catalogue = catalogue;
    m_icons = icons;
    m_toolTips = toolTips;
    endResetModel();
}

int EngineChoiceModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_catalogue.size());
}

QVariant EngineChoiceModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_catalogue.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_catalogue.at(index.row()).profile.name;
    case Qt::DecorationRole:
        return index.row() < m_icons.size() ? m_icons.at(index.row()) : QVariant();
    case Qt::ToolTipRole: {
        const auto toolTip = m_toolTips.constFind(index.row());
        return toolTip == m_toolTips.cend() ? QVariant() : *toolTip;
    }
    default:
        return QVariant();
    }
}
