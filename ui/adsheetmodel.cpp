// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/adsheetmodel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>

#include <algorithm>

AdSheetModel::AdSheetModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void AdSheetModel::setSheet(const Sheet &sheet)
{
    beginResetModel();
    m_sheet = sheet;
    m_checks = QList<QList<AdCheck>>(m_sheet.size());
    endResetModel();
}

void AdSheetModel::setEngines(const QList<CatalogueEntry> &catalogue)
{
    beginResetModel();
    m_catalogue = catalogue;
    m_allReadable
        = std::all_of(catalogue.cbegin(), catalogue.cend(), [](const CatalogueEntry &entry) {
              return entry.file.isReadable();
          });
    m_readable.clear();
    if (!m_allReadable) {
        for (qsizetype i = 0; i < catalogue.size(); ++i) {
            if (catalogue.at(i).file.isReadable())
                m_readable.append(i);
        }
    }
    m_checks = QList<QList<AdCheck>>(m_sheet.size());
    endResetModel();
}

int AdSheetModel::engineCount() const
{
    return int(m_allReadable ? m_catalogue.size() : m_readable.size());
}

const CatalogueEntry &AdSheetModel::entryOf(int engine) const
{
    return m_catalogue.at(m_allReadable ? engine : m_readable.at(engine));
}

void AdSheetModel::append(const Sheet &ads)
{
    if (ads.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_sheet.size()), int(m_sheet.size() + ads.size() - 1));
    m_sheet.append(ads);
    m_checks.resize(m_sheet.size());
    endInsertRows();
}

void AdSheetModel::removeAdRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : std::as_const(rows)) {
        if (row < 0 || row >= m_sheet.size())
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_sheet.removeAt(row);
        m_checks.removeAt(row);
        endRemoveRows();
    }
}

void AdSheetModel::setSpelling(const Spelling *spelling)
{
    m_spelling = spelling;
    for (QList<AdCheck> &checks : m_checks)
        checks.clear();
    if (!m_sheet.isEmpty() && engineCount() > 0)
        emit dataChanged(index(0, firstEngineColumn),
                         index(int(m_sheet.size()) - 1, columnCount() - 1));
}

int AdSheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sheet.size());
}

int AdSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : firstEngineColumn + engineCount();
}

const AdCheck &AdSheetModel::check(int row, int engine) const
{
    QList<AdCheck> &checks = m_checks[row];
    if (checks.isEmpty()) {
        const int count = engineCount();
        checks.reserve(count);
        for (int engine = 0; engine < count; ++engine)
            checks.append(checkAd(entryOf(engine).file.values, m_sheet.at(row), m_spelling));
    }
    return checks.at(engine);
}

QVariant AdSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_sheet.size())
        return QVariant();
    const AdFields &ad = m_sheet.at(index.row());
    if (index.column() < firstEngineColumn) {
        const QString &text = ad[AdField(index.column())];
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return text;
        return QVariant();
    }
    const int engine = index.column() - firstEngineColumn;
    if (engine >= engineCount())
        return QVariant();
    const AdCheck &result = check(index.row(), engine);
    switch (role) {
    case Qt::DisplayRole:
        return verdictText(result.verdict);
    case Qt::BackgroundRole:
        return QBrush(result.verdict == Verdict::Fits       ? QColor(0xc8, 0xe6, 0xc9)
                      : result.verdict == Verdict::Warnings ? QColor(0xff, 0xe0, 0xb2)
                                                            : QColor(0xff, 0xcd, 0xd2));
    case Qt::ForegroundRole:
        return QBrush(Qt::black);
    case Qt::ToolTipRole: {
        QStringList lines;
        lines << QCoreApplication::translate("MainWindow",
                                             "%1: title %2 of %3, text %4 of %5, URL %6 of %7")
                     .arg(entryOf(engine).name)
                     .arg(result.title.count)
                     .arg(result.title.limit)
                     .arg(result.text.count)
                     .arg(result.text.limit)
                     .arg(result.url.count)
                     .arg(result.url.limit);
        const QList<Finding> findings = adFindings(result);
        for (const Finding &finding : findings)
            lines << fieldName(finding.field, FieldNaming::Untranslated) + QStringLiteral(": ")
                         + finding.message;
        return lines.join(QLatin1Char('\n'));
    }
    default:
        return QVariant();
    }
}

QVariant AdSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case 0:
        return QCoreApplication::translate("MainWindow", "Title");
    case 1:
        return QCoreApplication::translate("MainWindow", "Text");
    case 2:
        return QCoreApplication::translate("MainWindow", "URL");
    default:
        return section - firstEngineColumn < engineCount()
                   ? entryOf(section - firstEngineColumn).name
                   : QVariant();
    }
}
