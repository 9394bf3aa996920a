// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"

#include <QAbstractTableModel>

// The ad sheet as a table: title, text and URL, then one column per engine with its verdict,
// coloured, and the counts and findings in the tooltip. Checks are made when a row is first
// shown and kept until the row or the engines change.
class AdSheetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int firstEngineColumn = 3;

    explicit AdSheetModel(QObject *parent = nullptr);

    const Sheet &sheet() const { return m_sheet; }
    void setSheet(const Sheet &sheet);
    void setEngines(const QList<NamedEngine> &engines);
    const QList<NamedEngine> &engines() const { return m_engines; }
    void append(const Sheet &ads);
    // Removes the given rows (any order, duplicates allowed).
    void removeAdRows(QList<int> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant
    headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The check of row `row` against engine number `engine` (0-based).
    const AdCheck &check(int row, int engine) const;

private:
    Sheet m_sheet;
    QList<NamedEngine> m_engines;
    mutable QList<QList<AdCheck>> m_checks; // per row; empty until first asked for
};
