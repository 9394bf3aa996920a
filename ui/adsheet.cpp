// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's ad sheet: the dock with the kept ads, Keep, Remove and loading a row, and the
// copy-deck import and export.
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "ui/adsheetmodel.h"
#include "ui/filechooser.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDir>
#include <QDockWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
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
    m_sheetView = new QTableView(content);
    m_sheetView->setObjectName(QStringLiteral("tableViewSheet"));
    m_sheetView->setModel(m_sheetModel);
    m_sheetView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sheetView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sheetView->setWordWrap(false);
    m_sheetView->verticalHeader()->setDefaultSectionSize(m_sheetView->fontMetrics().height() + 6);
    // Verdict columns are narrow unless their engine's name needs more; the ad's own columns
    // are wider.
    m_sheetView->horizontalHeader()->setDefaultSectionSize(engineColumnWidth);
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
    buttons->addStretch();
    layout->addLayout(buttons);
    // Below the form, where the columns have room. It may shrink to its title bar, so that the
    // window keeps its default size of 400 x 400 with the sheet shown.
    content->setMinimumSize(80, 1);
    m_sheetDock->setWidget(content);
    addDockWidget(Qt::BottomDockWidgetArea, m_sheetDock);

    connect(m_keepButton, &QPushButton::clicked, this, &MainWindow::pushButtonKeep_clicked);
    connect(m_removeButton, &QPushButton::clicked, this, &MainWindow::pushButtonRemove_clicked);
    connect(
        m_sheetView, &QTableView::doubleClicked, this, &MainWindow::tableViewSheet_doubleClicked);

    m_importAction
        = new QAction(QIcon(QStringLiteral(":/img/fileopen.png")), tr("&Import Ads..."), this);
    m_importAction->setStatusTip(tr("Add the ads of a copy deck (CSV or TSV) to the sheet"));
    connect(m_importAction, &QAction::triggered, this, &MainWindow::importAds);
    m_exportAction
        = new QAction(QIcon(QStringLiteral(":/img/filesave.png")), tr("&Export Ads..."), this);
    m_exportAction->setStatusTip(
        tr("Write the sheet as a copy deck with every engine's counts, or for Yandex Direct "
           "Commander"));
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

    m_sheetPath = sheetFilePath();
    const SheetLoad load = loadSheet(m_sheetPath);
    m_sheetModel->setSheet(load.ads);
    m_sheetWritable = load.writable;
    if (load.problem.isEmpty())
        return;
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
    for (int column = 0; column < AdSheetModel::firstEngineColumn; ++column)
        m_sheetView->setColumnWidth(column, 110);
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
}

QList<NamedEngine> MainWindow::sheetEngines() const
{
    QList<NamedEngine> engines;
    engines.reserve(m_catalogue.size());
    for (const CatalogueEntry &entry : m_catalogue) {
        if (entry.file.isReadable())
            engines.append({entry.name, entry.file.values});
    }
    return engines;
}

void MainWindow::saveAdSheet()
{
    if (!m_sheetWritable) {
        statusBar()->showMessage(tr("The ad sheet is not saved: its file could not be read."));
        return;
    }
    if (saveSheet(m_sheetPath, m_sheetModel->sheet())) {
        m_sheetSaveFailed = false;
        return;
    }
    statusBar()->showMessage(tr("The ad sheet could not be saved."));
    // Said once in a box; until a save succeeds again, the status bar keeps saying it.
    if (!m_sheetSaveFailed) {
        m_sheetSaveFailed = true;
        QMessageBox::warning(this,
                             tr("Warning"),
                             tr("The ad sheet could not be saved to %1. The file there is as it "
                                "was; the sheet stays open and is saved again with the next "
                                "change.")
                                 .arg(QDir::toNativeSeparators(m_sheetPath)));
    }
}

void MainWindow::pushButtonKeep_clicked()
{
    const AdFields ad{mainForm->lineEditTitle->text(),
                      mainForm->lineEditText->text(),
                      mainForm->lineEditURL->text()};
    // An empty row is no ad, and a copy deck would not keep it either.
    if (ad == AdFields()) {
        statusBar()->showMessage(tr("There is no ad in the form to keep."));
        return;
    }
    m_sheetModel->append({ad});
    m_sheetView->scrollToBottom();
    saveAdSheet();
}

void MainWindow::pushButtonRemove_clicked()
{
    QList<int> rows;
    const QModelIndexList selected = m_sheetView->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        rows.append(index.row());
    if (rows.isEmpty())
        return;
    m_sheetModel->removeAdRows(rows);
    saveAdSheet();
}

void MainWindow::tableViewSheet_doubleClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const AdFields &ad = m_sheetModel->sheet().at(index.row());
    mainForm->lineEditTitle->setText(ad.title);
    mainForm->lineEditText->setText(ad.text);
    mainForm->lineEditURL->setText(ad.url);
}

void MainWindow::importAds()
{
    const QString path
        = FileChooser::openFileName(this,
                                    tr("Import Ads"),
                                    QDir::homePath(),
                                    tr("Copy decks (*.csv *.tsv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    CopyDeck deck;
    {
        WaitCursor wait;
        deck = readCopyDeck(path, maxImportBytes);
    }
    if (!deck.report.isReadable()) {
        QMessageBox::warning(
            this,
            tr("Warning"),
            tr("%1 cannot be imported: %2.")
                .arg(QDir::toNativeSeparators(path), copyDeckProblemText(deck.report.problem)));
        return;
    }
    {
        WaitCursor wait;
        m_sheetModel->append(deck.ads);
        saveAdSheet();
    }
    m_sheetDock->show();
    const QString imported = tr("%n ad(s) imported.", nullptr, int(deck.ads.size()));
    statusBar()->showMessage(imported);
    if (deck.report.unreadable.isEmpty())
        return;
    // The first few rows, each with its reason; a spreadsheet finds the rest by number.
    QStringList rows;
    const auto &unreadable = deck.report.unreadable;
    for (qsizetype i = 0; i < std::min<qsizetype>(unreadable.size(), 10); ++i) {
        rows << tr("row %1: %2")
                    .arg(unreadable.at(i).row)
                    .arg(rowProblemText(unreadable.at(i).problem));
    }
    if (unreadable.size() > 10)
        rows << tr("and %n more", nullptr, int(unreadable.size() - 10));
    QMessageBox::information(
        this,
        tr("Information"),
        imported + QLatin1Char(' ')
            + tr("%n row(s) could not be read:", nullptr, int(unreadable.size()))
            + QStringLiteral("\n\n") + rows.join(QLatin1Char('\n')));
}

void MainWindow::exportAds()
{
    const QString copyDeck = tr("Copy deck with counts (*.csv)");
    const QString commander = tr("Yandex Direct Commander (*.tsv)");
    QString filter = copyDeck;
    QString path = FileChooser::saveFileName(this,
                                             tr("Export Ads"),
                                             QDir::homePath(),
                                             copyDeck + QStringLiteral(";;") + commander,
                                             &filter);
    if (path.isEmpty())
        return;
    const bool forCommander
        = filter == commander || path.endsWith(QStringLiteral(".tsv"), Qt::CaseInsensitive);
    bool written = false;
    {
        WaitCursor wait;
        written = forCommander ? writeCommanderFile(path, m_sheetModel->sheet())
                               : writeCopyDeck(path, m_sheetModel->sheet(), sheetEngines());
    }
    if (!written) {
        QMessageBox::warning(
            this,
            tr("Warning"),
            tr("The ads could not be written to %1.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    statusBar()->showMessage(tr("%n ad(s) exported.", nullptr, int(m_sheetModel->sheet().size())));
}
