// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "engines/catalogue.h"

#include <QAbstractTableModel>
#include <QHash>

// The ad sheet as a table: title, text and URL, then one column per engine with its verdict,
// coloured, and the counts and findings in the tooltip. Checks are made when a row is first
// shown and kept until the row or the engines change. The row header numbers the rows in the
// file's order and marks the row that the form holds.
class AdSheetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int firstEngineColumn = 3;

    explicit AdSheetModel(QObject *parent = nullptr);

    const SheetRows &rows() const { return m_rows; }
    Sheet sheet() const { return sheetAds(m_rows); }
    // Shows `rows`; rows whose ad is unchanged keep their checks.
    void setRows(const SheetRows &rows);
    // The row of `id`, or -1.
    int rowOf(const QString &id) const;
    // Marks the row `id` as the one the form holds (empty: none).
    void setFormRowId(const QString &id);
    // One column for each readable engine of `catalogue`, in its order.
    void setEngines(const QList<CatalogueEntry> &catalogue);
    int engineCount() const;

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

    SheetRows m_rows;
    QString m_formRowId;
    // The caller's catalogue itself, shared rather than copied: with 1000 engines a copy of
    // their names and values would be one more thing for the start-up to build. Only when some
    // cannot be read do the columns need a list of which entries they show.
    QList<CatalogueEntry> m_catalogue;
    QList<qsizetype> m_readable; // the entries shown, when not all of them
    bool m_allReadable = true;
    mutable QHash<QString, QList<AdCheck>> m_checks; // per row id; missing until first asked for
    const Spelling *m_spelling = nullptr;
};
