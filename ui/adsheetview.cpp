// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/adsheetview.h"

#include "ui/adsheetmodel.h"

#include <QHeaderView>
#include <QTimer>

AdSheetView::AdSheetView(QWidget *parent)
    : QTableView(parent)
    , m_fitTimer(new QTimer(this))
{
    m_fitTimer->setSingleShot(true);
    m_fitTimer->setInterval(0);
    connect(m_fitTimer, &QTimer::timeout, this, &AdSheetView::fitTextColumns);
    connect(horizontalHeader(), &QHeaderView::sectionResized, m_fitTimer, [this](int column) {
        if (column >= AdSheetModel::firstEngineColumn)
            m_fitTimer->start();
    });
}

void AdSheetView::fitTextColumns()
{
    QHeaderView *header = horizontalHeader();
    const int columns = header->count();
    if (columns < AdSheetModel::firstEngineColumn)
        return;
    int used = 0;
    for (int column = AdSheetModel::firstEngineColumn; column < columns; ++column)
        used += header->sectionSize(column);
    // Shares of 1, 2 and 1 for title, text and URL.
    const int spare = viewport()->width() - used;
    const int share = std::max(textColumnWidth, spare / 4);
    setColumnWidth(0, share);
    setColumnWidth(1, std::max(textColumnWidth, spare - 2 * share));
    setColumnWidth(2, share);
}

void AdSheetView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    fitTextColumns();
}
