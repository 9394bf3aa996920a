// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/adsheetmodel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QFont>

#include <algorithm>

AdSheetModel::AdSheetModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

void AdSheetModel::setRows(const SheetRows &rows)
{
    if (rows == m_rows)
        return;
    beginResetModel();
    QHash<QString, QList<AdCheck>> kept;
    QHash<QString, AdFields> before;
    for (const SheetRow &row : std::as_const(m_rows))
        before.insert(row.id, row.ad);
    for (const SheetRow &row : rows) {
        const auto checks = m_checks.constFind(row.id);
        if (checks != m_checks.cend() && before.value(row.id) == row.ad)
            kept.insert(row.id, *checks);
    }
    m_rows = rows;
    m_checks = std::move(kept);
    endResetModel();
}

int AdSheetModel::rowOf(const QString &id) const
{
    for (int row = 0; row < m_rows.size(); ++row) {
        if (m_rows.at(row).id == id)
            return row;
    }
    return -1;
}

void AdSheetModel::setFormRowId(const QString &id)
{
    const int old = rowOf(m_formRowId);
    m_formRowId = id;
    const int now = rowOf(id);
    if (old >= 0)
        emit headerDataChanged(Qt::Vertical, old, old);
    if (now >= 0)
        emit headerDataChanged(Qt::Vertical, now, now);
}

void AdSheetModel::setEngines(const QList<CatalogueEntry> &catalogue)
{
    beginResetModel();
    m_catalogue = catalogue;
    m_allReadable = std::all_of(catalogue.cbegin(),
                                catalogue.cend(),
                                [](const CatalogueEntry &entry) { return entry.isReadable(); });
    m_readable.clear();
    if (!m_allReadable) {
        for (qsizetype i = 0; i < catalogue.size(); ++i) {
            if (catalogue.at(i).isReadable())
                m_readable.append(i);
        }
    }
    m_checks.clear();
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

void AdSheetModel::setSpelling(const Spelling *spelling)
{
    m_spelling = spelling;
    m_checks.clear();
    if (!m_rows.isEmpty() && engineCount() > 0)
        emit dataChanged(index(0, firstEngineColumn),
                         index(int(m_rows.size()) - 1, columnCount() - 1));
}

int AdSheetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int AdSheetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : firstEngineColumn + engineCount();
}

const AdCheck &AdSheetModel::check(int row, int engine) const
{
    QList<AdCheck> &checks = m_checks[m_rows.at(row).id];
    if (checks.isEmpty()) {
        const int count = engineCount();
        checks.reserve(count);
        for (int engine = 0; engine < count; ++engine)
            checks.append(checkAd(entryOf(engine).profile, m_rows.at(row).ad, m_spelling));
    }
    return checks.at(engine);
}

QVariant AdSheetModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const AdFields &ad = m_rows.at(index.row()).ad;
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
                     .arg(entryOf(engine).profile.name)
                     .arg(result.title.count)
                     .arg(result.title.limit)
                     .arg(result.text.count)
                     .arg(result.text.limit)
                     .arg(result.url.count)
                     .arg(result.url.limit);
        const QList<Finding> findings = adFindings(result);
        for (const Finding &finding : findings)
            lines << fieldName(finding.field, finding.index, FieldNaming::Untranslated)
                         + QStringLiteral(": ") + finding.message;
        return lines.join(QLatin1Char('\n'));
    }
    default:
        return QVariant();
    }
}

QVariant AdSheetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        const bool inForm = !m_formRowId.isEmpty() && section < m_rows.size()
                            && m_rows.at(section).id == m_formRowId;
        if (role == Qt::DisplayRole)
            return inForm ? QStringLiteral("\u270E %1").arg(section + 1)
                          : QString::number(section + 1);
        if (role == Qt::ToolTipRole && inForm)
            return QCoreApplication::translate("MainWindow", "The form holds this ad");
        if (role == Qt::FontRole && inForm) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case 0:
        return QCoreApplication::translate("MainWindow", "Title");
    case 1:
        return QCoreApplication::translate("MainWindow", "Text");
    case 2:
        return QCoreApplication::translate("MainWindow", "URL");
    default:
        return section - firstEngineColumn < engineCount()
                   ? entryOf(section - firstEngineColumn).profile.name
                   : QVariant();
    }
}
