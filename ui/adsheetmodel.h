// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "engines/catalogue.h"

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
    // One column for each readable engine of `catalogue`, in its order.
    void setEngines(const QList<CatalogueEntry> &catalogue);
    int engineCount() const;
    void append(const Sheet &ads);
    // Removes the given rows (any order, duplicates allowed).
    void removeAdRows(QList<int> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant
    headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Checks with `spelling` from now on (see checkAd); null for none.
    void setSpelling(const Spelling *spelling);

    // The check of row `row` against engine number `engine` (0-based).
    const AdCheck &check(int row, int engine) const;

private:
    const CatalogueEntry &entryOf(int engine) const;

    Sheet m_sheet;
    // The caller's catalogue itself, shared rather than copied: with 1000 engines a copy of
    // their names and values would be one more thing for the start-up to build. Only when some
    // cannot be read do the columns need a list of which entries they show.
    QList<CatalogueEntry> m_catalogue;
    QList<qsizetype> m_readable; // the entries shown, when not all of them
    bool m_allReadable = true;
    mutable QList<QList<AdCheck>> m_checks; // per row; empty until first asked for
    const Spelling *m_spelling = nullptr;
};
