// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's ad sheet: the dock with the kept ads, Keep, Remove and loading a row, and the
// copy-deck import and export.
#include "ads/bulkexport.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "ui/adsheetdelegate.h"
#include "ui/adsheetmodel.h"
#include "ui/adsheetview.h"
#include "ui/asseteditor.h"
#include "ui/filechooser.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
// Larger files are no copy deck a person keeps; they would only hold the program up.
constexpr qint64 maxImportBytes = 128 * 1024 * 1024;

// Keeps the wait cursor while a long step runs.
struct WaitCursor
{
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

// The width of a verdict column whose engine's name is short.
constexpr int engineColumnWidth = 90;
} // namespace

void MainWindow::createAdSheet()
{
    m_sheetModel = new AdSheetModel(this);
    m_sheetDock = new QDockWidget(tr("Ad Sheet"), this);
    m_sheetDock->setObjectName(QStringLiteral("dockWidgetSheet"));
    auto *content = new QWidget(m_sheetDock);
    auto *layout = new QVBoxLayout(content);
    m_sheetView = new AdSheetView(content);
    m_sheetView->setObjectName(QStringLiteral("tableViewSheet"));
    // Sorting is the view's: the model, and the file, keep the user's order.
    m_sheetProxy = new QSortFilterProxyModel(this);
    m_sheetProxy->setSourceModel(m_sheetModel);
    m_sheetView->setModel(m_sheetProxy);
    m_sheetView->setItemDelegate(new AdSheetDelegate(m_sheetView));
    m_sheetView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sheetView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sheetView->setWordWrap(false);
    m_sheetView->verticalHeader()->setDefaultSectionSize(m_sheetView->fontMetrics().height() + 6);
    // Verdict columns are narrow unless their engine's name needs more; the ad's own columns
    // share what is left.
    QHeaderView *header = m_sheetView->horizontalHeader();
    header->setDefaultSectionSize(engineColumnWidth);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorClearable(true);
    m_sheetView->setSortingEnabled(true);
    layout->addWidget(m_sheetView);
    auto *buttons = new QHBoxLayout;
    m_keepButton = new QPushButton(tr("&Keep"), content);
    m_keepButton->setObjectName(QStringLiteral("pushButtonKeep"));
    m_keepButton->setToolTip(tr("Adds the ad in the form to the sheet"));
    m_removeButton = new QPushButton(tr("&Remove"), content);
    m_removeButton->setObjectName(QStringLiteral("pushButtonRemove"));
    m_removeButton->setToolTip(tr("Removes the selected ads from the sheet"));
    buttons->addWidget(m_keepButton);
    buttons->addWidget(m_removeButton);
    m_moveUpAction = new QAction(QIcon(QStringLiteral(":/img/up.png")), tr("Move &Up"), this);
    m_moveUpAction->setShortcut(tr("Ctrl+Up"));
    m_moveUpAction->setToolTip(
        tr("Moves the selected ads up; a sorted sheet takes the order shown"));
    m_moveDownAction = new QAction(QIcon(QStringLiteral(":/img/down.png")), tr("Move &Down"), this);
    m_moveDownAction->setShortcut(tr("Ctrl+Down"));
    m_moveDownAction->setToolTip(
        tr("Moves the selected ads down; a sorted sheet takes the order shown"));
    for (QAction *move : {m_moveUpAction, m_moveDownAction}) {
        auto *button = new QToolButton(content);
        button->setDefaultAction(move);
        buttons->addWidget(button);
        move->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_sheetView->addAction(move);
    }
    buttons->addStretch();
    layout->addLayout(buttons);
    // The table shows its header and three rows at least, and the buttons whole; a window too
    // small for that grows, or the dock floats (see fitSheetDock).
    m_sheetView->setMinimumHeight(header->sizeHint().height()
                                  + 3 * m_sheetView->verticalHeader()->defaultSectionSize()
                                  + m_sheetView->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                                  + 2 * m_sheetView->frameWidth());
    m_sheetDock->setWidget(content);
    addDockWidget(Qt::BottomDockWidgetArea, m_sheetDock);
    // Closed until the user opens it, or as the window's stored state has it.
    m_sheetDock->hide();

    m_removeRowsAction = new QAction(tr("Remove Ads"), this);
    m_removeRowsAction->setShortcut(QKeySequence::Delete);
    m_removeRowsAction->setShortcutContext(Qt::WidgetShortcut);
    m_sheetView->addAction(m_removeRowsAction);
    connect(m_removeRowsAction, &QAction::triggered, this, &MainWindow::pushButtonRemove_clicked);
    connect(m_moveUpAction, &QAction::triggered, this, [this] { moveSheetRows(-1); });
    connect(m_moveDownAction, &QAction::triggered, this, [this] { moveSheetRows(1); });
    connect(m_keepButton, &QPushButton::clicked, this, &MainWindow::pushButtonKeep_clicked);
    connect(m_removeButton, &QPushButton::clicked, this, &MainWindow::pushButtonRemove_clicked);
    connect(
        m_sheetView, &QTableView::doubleClicked, this, &MainWindow::tableViewSheet_doubleClicked);
    connect(m_sheetDock, &QDockWidget::visibilityChanged, this, &MainWindow::fitSheetDock);

    m_importAction
        = new QAction(QIcon(QStringLiteral(":/img/fileopen.png")), tr("&Import Ads..."), this);
    m_importAction->setStatusTip(tr("Add the ads of a copy deck (CSV or TSV) to the sheet"));
    connect(m_importAction, &QAction::triggered, this, &MainWindow::importAds);
    m_exportAction
        = new QAction(QIcon(QStringLiteral(":/img/filesave.png")), tr("&Export Ads..."), this);
    m_exportAction->setStatusTip(
        tr("Write the sheet as a copy deck with every engine's counts, or for Google Ads "
           "Editor, Yandex Direct Commander or Microsoft Advertising"));
    connect(m_exportAction, &QAction::triggered, this, &MainWindow::exportAds);
    fileMenu->insertAction(exitAction, m_importAction);
    fileMenu->insertAction(exitAction, m_exportAction);

    m_sheetAction = m_sheetDock->toggleViewAction();
    m_sheetAction->setIcon(QIcon(QStringLiteral(":/img/dock.png")));
    m_sheetAction->setText(tr("&Ad Sheet"));
    m_sheetAction->setStatusTip(tr("Show or hide the ad sheet"));
    viewMenu = new QMenu(tr("&View"), this);
    viewMenu->addAction(m_sheetAction);
    menuBar()->insertMenu(optionsMenu->menuAction(), viewMenu);
    createSheetUndo();
    restoreWindowState();

    m_sheetPath = sheetFilePath();
    const SheetLoad load = loadSheet(m_sheetPath);
    m_sheetModel->setRows(load.rows);
    createFileWatching();
    if (load.problem.isEmpty())
        return;
    // The rows read from a file moved aside are in no file yet: they are saved as added.
    if (!load.keptAs.isEmpty()) {
        QString after;
        for (const SheetRow &row : load.rows) {
            m_pendingSheetChanges.append({SheetChange::Add, row.id, {}, row.ad, after, {}, {}});
            after = row.id;
        }
        syncSheetFile();
    }
    const QString where = QDir::toNativeSeparators(m_sheetPath);
    const QString text
        = load.writable
              ? tr("The ad sheet %1 could not be read whole: %2.\n\nThe file is kept as %3; the "
                   "ads that could be read are in the sheet.")
                    .arg(where, load.problem, QDir::toNativeSeparators(load.keptAs))
              : tr("The ad sheet %1 could not be read whole: %2.\n\nIt could not be moved aside "
                   "either, so the sheet will not be saved until the file is moved or repaired.")
                    .arg(where, load.problem);
    // Told once the window is up, not before it appears.
    QTimer::singleShot(0, this, [this, text] { QMessageBox::warning(this, tr("Warning"), text); });
}

void MainWindow::setSheetEngines()
{
    QHeaderView *header = m_sheetView->horizontalHeader();
    // The header measures the names of up to 200 of its sections whenever their number changes
    // and again after any of them is resized, and anyway when it appears. While the sheet is
    // not on screen, the header is kept hidden as the columns change: it measures them only
    // when it appears.
    const bool measureWhenShown = !m_sheetView->isVisible() && !header->isHidden();
    if (measureWhenShown)
        header->hide();
    m_sheetModel->setEngines(m_catalogue);
    // Engine columns as wide as their names; the verdicts are shorter. Only the columns whose
    // name needs more than the default are resized: each resize lays out the whole header. With
    // its updates off, the header does not also work out, for each resize, where every section
    // after it now starts in order to repaint them; it repaints once when they are back on.
    const QFontMetrics metrics = header->fontMetrics();
    header->setUpdatesEnabled(false);
    for (int column = AdSheetModel::firstEngineColumn; column < m_sheetModel->columnCount();
         ++column) {
        const QString name = m_sheetModel->headerData(column, Qt::Horizontal).toString();
        const int width = metrics.horizontalAdvance(name) + 24;
        if (width > engineColumnWidth)
            m_sheetView->setColumnWidth(column, width);
    }
    header->setUpdatesEnabled(true);
    if (measureWhenShown)
        header->show();
    static_cast<AdSheetView *>(m_sheetView)->fitTextColumns();
}

QList<EngineProfile> MainWindow::sheetEngines() const
{
    QList<EngineProfile> engines;
    engines.reserve(m_catalogue.size());
    for (const CatalogueEntry &entry : m_catalogue) {
        if (entry.isReadable())
            engines.append(entry.profile);
    }
    return engines;
}

void MainWindow::reportSheetSaveFailure(const SheetSave &save)
{
    if (save.locked && !save.read.writable) {
        statusBar()->showMessage(tr("The ad sheet is not saved: its file could not be read."));
        return;
    }
    statusBar()->showMessage(tr("The ad sheet could not be saved."));
    // Said once in a box; until a save succeeds again, the status bar keeps saying it.
    if (m_sheetSaveFailed)
        return;
    m_sheetSaveFailed = true;
    const QString where = QDir::toNativeSeparators(m_sheetPath);
    QMessageBox::warning(
        this,
        tr("Warning"),
        save.locked ? tr("The ad sheet could not be saved to %1. The file there is as it was; the "
                         "sheet stays open and is saved again with the next change.")
                          .arg(where)
                    : tr("The ad sheet %1 stays locked by another window. The file there is as it "
                         "was; the sheet stays open and is saved again with the next change.")
                          .arg(where));
}

void MainWindow::pushButtonKeep_clicked()
{
    const AdFields ad = currentAd();
    // An empty row is no ad, and a copy deck would not keep it either.
    if (ad == AdFields()) {
        statusBar()->showMessage(tr("There is no ad in the form to keep."));
        return;
    }
    m_sheetDock->show();
    const int loaded = m_formRowId.isEmpty() ? -1 : m_sheetModel->rowOf(m_formRowId);
    if (loaded >= 0) {
        QMessageBox box(QMessageBox::Question,
                        tr("Keep"),
                        tr("The form holds the ad of row %1 of the sheet. Update that row, or "
                           "add the ad as a new row?")
                            .arg(loaded + 1),
                        QMessageBox::Cancel,
                        this);
        QPushButton *update = box.addButton(tr("&Update Row"), QMessageBox::AcceptRole);
        QPushButton *add = box.addButton(tr("&Add New Row"), QMessageBox::AcceptRole);
        box.setDefaultButton(update);
        box.exec();
        // Another window's save may have reloaded the sheet while the box was open; a row
        // that went meanwhile is kept as a new one.
        const int row = m_sheetModel->rowOf(m_formRowId);
        if (box.clickedButton() == update && row >= 0) {
            const AdFields held = m_sheetModel->rows().at(row).ad;
            if (held != ad) {
                pushSheetChanges(
                    tr("Update Ad"),
                    {{SheetChange::Edit, m_formRowId, held, ad, sheetRowIdBefore(row), {}, {}}});
            }
            selectSheetIds({m_formRowId});
            return;
        }
        if (box.clickedButton() != add && box.clickedButton() != update)
            return;
    }
    const QString id = newSheetRowId();
    const int rows = m_sheetModel->rowCount();
    pushSheetChanges(tr("Keep Ad"),
                     {{SheetChange::Add, id, {}, ad, sheetRowIdBefore(rows), {}, {}, true}});
    m_formRowId.clear();
    m_sheetModel->setFormRowId(QString());
    selectSheetIds({id});
}

void MainWindow::pushButtonRemove_clicked()
{
    const QList<int> rows = selectedSheetRows();
    if (rows.isEmpty())
        return;
    SheetChanges changes;
    changes.reserve(rows.size());
    for (const int row : rows) {
        const SheetRow &gone = m_sheetModel->rows().at(row);
        changes.append({SheetChange::Remove, gone.id, gone.ad, {}, sheetRowIdBefore(row), {}, {}});
    }
    const QString text = tr("Remove %n Ad(s)", nullptr, int(rows.size()));
    pushSheetChanges(text, changes);
    // Many rows at once are easily removed by mistake: the way back is offered at once.
    if (rows.size() > 1)
        offerUndoInStatusBar(tr("%n ad(s) removed.", nullptr, int(rows.size())));
}

void MainWindow::tableViewSheet_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const SheetRow &row = m_sheetModel->rows().at(m_sheetProxy->mapToSource(index).row());
    m_assetEditor->setAd(row.ad);
    m_formRowId = row.id;
    m_sheetModel->setFormRowId(row.id);
}

void MainWindow::importAds()
{
    const QString path = FileChooser::openFileName(
        this,
        tr("Import Ads"),
        tr("Copy decks and bulk files (*.csv *.tsv *.txt *.xlsx);;All files (*)"));
    if (path.isEmpty())
        return;
    CopyDeck deck;
    {
        WaitCursor wait;
        deck = readCopyDeck(path, maxImportBytes);
    }
    if (!deck.report.isReadable()) {
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("%1 cannot be imported: %2")
                                 .arg(QDir::toNativeSeparators(path), cannotReadText(deck.report)));
        return;
    }
    {
        WaitCursor wait;
        SheetChanges changes;
        changes.reserve(deck.ads.size());
        QString after = sheetRowIdBefore(m_sheetModel->rowCount());
        for (const AdFields &ad : std::as_const(deck.ads)) {
            const QString id = newSheetRowId();
            changes.append({SheetChange::Add, id, {}, ad, after, {}, {}});
            after = id;
        }
        pushSheetChanges(tr("Import %n Ad(s)", nullptr, int(deck.ads.size())), changes);
    }
    m_sheetDock->show();
    const QString imported = tr("%n ad(s) imported.", nullptr, int(deck.ads.size()));
    statusBar()->showMessage(imported);
    QStringList notes;
    if (!deck.report.hasTitleColumn)
        notes << tr("Careful: %1.").arg(noTitleColumnText(deck.report));
    if (deck.report.notAds > 0) {
        notes << tr("%n row(s) of the %1 are not ads and were skipped.",
                    nullptr,
                    deck.report.notAds)
                     .arg(deckLayoutName(deck.report.layout));
    }
    const auto &unreadable = deck.report.unreadable;
    if (!unreadable.isEmpty()) {
        // The first few rows, each with its reason; a spreadsheet finds the rest by number.
        QStringList rows;
        for (qsizetype i = 0; i < std::min<qsizetype>(unreadable.size(), 10); ++i) {
            rows << tr("row %1: %2")
                        .arg(unreadable.at(i).row)
                        .arg(rowProblemText(unreadable.at(i).problem));
        }
        if (unreadable.size() > 10)
            rows << tr("and %n more", nullptr, int(unreadable.size() - 10));
        notes << tr("%n row(s) could not be read:", nullptr, int(unreadable.size()))
                     + QStringLiteral("\n\n") + rows.join(QLatin1Char('\n'));
    }
    if (!notes.isEmpty()) {
        QMessageBox::information(this,
                                 tr("Information"),
                                 imported + QLatin1Char(' ') + notes.join(QStringLiteral("\n\n")));
    }
}

void MainWindow::exportAds()
{
    const std::pair<ExportFormat, QString> formats[]
        = {{ExportFormat::CopyDeck, tr("Copy deck with counts (*.csv)")},
           {ExportFormat::GoogleAdsEditor, tr("Google Ads Editor (*.csv)")},
           {ExportFormat::YandexCommander, tr("Yandex Direct Commander (*.tsv)")},
           {ExportFormat::MicrosoftBulk, tr("Microsoft Advertising bulk file (*.csv)")}};
    QStringList filters;
    for (const auto &[format, filter] : formats)
        filters << filter;
    QString chosen = filters.constFirst();
    QString path = FileChooser::saveFileName(
        this, tr("Export Ads"), filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty())
        return;
    ExportFormat format = ExportFormat::CopyDeck;
    for (const auto &[candidate, filter] : formats) {
        if (filter == chosen)
            format = candidate;
    }
    // A name ending in .tsv is for Commander whatever the filter, as it always was.
    if (QFileInfo(path).suffix().compare(QStringLiteral("tsv"), Qt::CaseInsensitive) == 0)
        format = ExportFormat::YandexCommander;
    const QString typed = path;
    path = withExportExtension(path, format);
    // The dialog asked about the name typed, not about the one with its extension.
    if (path != typed && QFileInfo::exists(path)
        && QMessageBox::question(this,
                                 tr("Question"),
                                 tr("%1 already exists. Do you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path)))
               != QMessageBox::Yes) {
        return;
    }
    const Sheet ads = m_sheetModel->sheet();
    bool written = false;
    {
        WaitCursor wait;
        written = writeAds(format, path, ads, sheetEngines(), m_seams.writeFile);
    }
    if (!written) {
        QMessageBox::warning(
            this,
            tr("Warning"),
            tr("The ads could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QString message = tr("%n ad(s) exported.", nullptr, int(ads.size()));
    if (const int left = assetsLeftOut(format, ads))
        message += QLatin1Char(' ')
                   + tr("%n title(s) or text(s) had no place in this format and were left out.",
                        nullptr,
                        left);
    statusBar()->showMessage(message);
}
