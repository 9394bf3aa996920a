// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/adsheetdelegate.h"

#include <QPainter>

void AdSheetDelegate::paint(QPainter *painter,
                            const QStyleOptionViewItem &option,
                            const QModelIndex &index) const
{
    if (!(option.state & QStyle::State_Selected)
        || !index.data(Qt::BackgroundRole).canConvert<QBrush>()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem own(option);
    own.state &= ~QStyle::State_Selected;
    QStyledItemDelegate::paint(painter, own, index);
    // A frame along the row's top and bottom edges, thick enough to see on every verdict.
    const QColor frame = option.palette.color(QPalette::Active, QPalette::Highlight);
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(QRect(r.left(), r.top(), r.width(), 2), frame);
    painter->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), frame);
    painter->restore();
}
