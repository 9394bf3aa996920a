// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow.h"

#include "ads/spelling.h"
#include "app/globals.h"
#include "app/startup.h"
#include "ui/asseteditor.h"
#include "ui/enginechoicemodel.h"
#include "ui/mainform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

MainWindow::MainWindow(const WindowSeams &seams)
    : m_seams(seams)
{
    mainForm = new MainForm(this);
    mainForm->labelText->setAlignment(Qt::AlignVCenter);
    mainForm->labelTitle->setAlignment(Qt::AlignVCenter);
    mainForm->labelURL->setAlignment(Qt::AlignVCenter);
    createEngineDialog();
    setCentralWidget(mainForm);
    createAssetEditor();

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    readSettings();
    createAdSheet();
    // Relative paths (the fallback symbol, template images) resolve against the program's folder.
    QDir::setCurrent(App::applicationDirectory);

    setWindowTitle(App::identityString);
    mainForm->textBrowserPreview->setUndoRedoEnabled(false);
    mainForm->textBrowserPreview->setAutoFormatting(QTextEdit::AutoNone);
    setIconSize(QSize(16, 16));
    setWindowIcon(QIcon(QStringLiteral(":img/logo.png")));

    connect(
        mainForm->lineEditURL, &QLineEdit::textChanged, this, &MainWindow::lineEditURL_textChanged);
    connect(mainForm->lineEditTitle,
            &QLineEdit::textChanged,
            this,
            &MainWindow::lineEditTitle_textChanged);
    connect(mainForm->lineEditText,
            &QLineEdit::textChanged,
            this,
            &MainWindow::lineEditText_textChanged);
    connect(mainForm->comboBoxEngine,
            &QComboBox::activated,
            this,
            &MainWindow::comboBoxEngine_activated);
    connect(mainForm->pushButtonPreview, &QPushButton::clicked, this, &MainWindow::updatePreview);
    connect(m_assetEditor, &AssetEditor::assetEdited, this, &MainWindow::assetEditor_assetEdited);
    connect(
        m_assetEditor, &AssetEditor::assetsChanged, this, &MainWindow::assetEditor_assetsChanged);
    connect(m_assetEditor->pushButtonPreviousCombination,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonPreviousCombination_clicked);
    connect(m_assetEditor->pushButtonNextCombination,
            &QPushButton::clicked,
            this,
            &MainWindow::pushButtonNextCombination_clicked);
    connectEngineDialog();
    createSpelling();

    m_engineChoices = new EngineChoiceModel(this);
    mainForm->comboBoxEngine->setModel(m_engineChoices);
    refreshEngineLists();
}

MainWindow::~MainWindow()
{
    // The widgets go after this class, in the base class's destructor: what they signal on the
    // way (the sheet's dock hiding, a selection emptying) must not reach a slot of a window that
    // is no longer a MainWindow.
    const QList<QObject *> children = findChildren<QObject *>();
    for (QObject *child : children)
        disconnect(child, nullptr, this, nullptr);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Sheet changes whose save failed get a last try.
    if (!m_pendingSheetChanges.isEmpty())
        syncSheetFile();
    writeSettings();
    event->accept();
}

void MainWindow::createActions()
{
    exitAction = new QAction(QIcon(QStringLiteral(":/img/exit.png")), tr("E&xit"), this);
    exitAction->setShortcut(tr("Ctrl+Q"));
    exitAction->setStatusTip(tr("Exit the application"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    cutAction = new QAction(QIcon(QStringLiteral(":/img/editcut.png")), tr("Cu&t"), this);
    cutAction->setShortcut(tr("Ctrl+X"));
    cutAction->setStatusTip(tr("Cut the current selection's contents to the clipboard"));
    connect(cutAction, &QAction::triggered, this, &MainWindow::cut);

    copyAction = new QAction(QIcon(QStringLiteral(":/img/editcopy.png")), tr("&Copy"), this);
    copyAction->setShortcut(tr("Ctrl+C"));
    copyAction->setStatusTip(tr("Copy the current selection's contents to the clipboard"));
    connect(copyAction, &QAction::triggered, this, &MainWindow::copy);

    pasteAction = new QAction(QIcon(QStringLiteral(":/img/editpaste.png")), tr("&Paste"), this);
    pasteAction->setShortcut(tr("Ctrl+V"));
    pasteAction->setStatusTip(tr("Paste the clipboard's contents into the current selection"));
    connect(pasteAction, &QAction::triggered, this, &MainWindow::paste);

    aboutAction = new QAction(tr("&About"), this);
    aboutAction->setStatusTip(tr("Show the application's About box"));
    connect(aboutAction, &QAction::triggered, this, &MainWindow::about);

    configureAction = new QAction(QIcon(QStringLiteral(":/img/gear.png")), tr("C&onfigure"), this);
    configureAction->setShortcut(tr("Ctrl+O"));
    configureAction->setStatusTip(tr("Configure the Engine's here"));
    connect(configureAction, &QAction::triggered, this, &MainWindow::option);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(exitAction);

    editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->addAction(cutAction);
    editMenu->addAction(copyAction);
    editMenu->addAction(pasteAction);

    optionsMenu = menuBar()->addMenu(tr("&Options"));
    optionsMenu->addAction(configureAction);

    menuBar()->addSeparator();

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAction);
}

void MainWindow::createToolBars()
{
    editToolBar = addToolBar(tr("Edit"));
    editToolBar->addAction(cutAction);
    editToolBar->addAction(copyAction);
    editToolBar->addAction(pasteAction);
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Ready"));
    createVerdictsLabel();
}

void MainWindow::readSettings()
{
    const QPoint defaultPosition(200, 200);
    QSettings settings(App::organizationName, App::applicationName);
    const QPoint pos = settings.value(QStringLiteral("pos"), defaultPosition).toPoint();
    const QSize defaultSize(400, 400);
    const QSize storedSize = settings.value(QStringLiteral("size"), defaultSize).toSize();
    const bool preview = settings.value(QStringLiteral("preview"), false).toBool();

    // A window stored on a monitor that is gone would open where nobody can reach it.
    QList<QRect> screens;
    const auto allScreens = QGuiApplication::screens();
    for (const QScreen *screen : allScreens)
        screens.append(screen->availableGeometry());

    // A damaged or foreign size would make a window of gigabytes.
    const QSize size = usableWindowSize(storedSize, screens, defaultSize);
    resize(size);
    move(usableWindowPosition(pos, size, screens, defaultPosition));
    mainForm->checkBoxPreview->setChecked(preview);
    // The ad being written, every asset of it, as the program was closed.
    AdFields ad(settings.value(QStringLiteral("adTitle")).toString(),
                settings.value(QStringLiteral("adText")).toString(),
                settings.value(QStringLiteral("adURL")).toString());
    ad.moreTitles
        = settings.value(QStringLiteral("adMoreTitles")).toStringList().mid(0, maxAdTitles - 1);
    ad.moreTexts
        = settings.value(QStringLiteral("adMoreTexts")).toStringList().mid(0, maxAdTexts - 1);
    const auto pins = [&](const QString &key) {
        QList<int> pins;
        const QStringList stored = settings.value(key).toStringList();
        for (const QString &pin : stored)
            pins.append(pin.toInt());
        return pins;
    };
    ad.titlePins = pins(QStringLiteral("adTitlePins"));
    ad.textPins = pins(QStringLiteral("adTextPins"));
    ad.finalUrl = settings.value(QStringLiteral("adFinalURL")).toString();
    m_assetEditor->setAd(ad);
    const EnginesFolderChoice engines = App::setApplicationDirectory(
        QCoreApplication::applicationDirPath(), m_seams.isWritableFolder);
    if (!engines.problem.isEmpty())
        QMessageBox::warning(this, tr("Warning"), engines.problem);
}

void MainWindow::setFileWriter(FileWriter writeFile)
{
    m_seams.writeFile = std::move(writeFile);
}

void MainWindow::writeSettings()
{
    QSettings settings(App::organizationName, App::applicationName);
    settings.setValue(QStringLiteral("pos"), pos());
    settings.setValue(QStringLiteral("size"), size());
    settings.setValue(QStringLiteral("preview"), mainForm->checkBoxPreview->isChecked());
    settings.setValue(QStringLiteral("adTitle"), mainForm->lineEditTitle->text());
    settings.setValue(QStringLiteral("adText"), mainForm->lineEditText->text());
    settings.setValue(QStringLiteral("adURL"), mainForm->lineEditURL->text());
    const AdFields ad = currentAd();
    settings.setValue(QStringLiteral("adMoreTitles"), ad.moreTitles);
    settings.setValue(QStringLiteral("adMoreTexts"), ad.moreTexts);
    const auto pins = [](const QList<int> &pins) {
        QStringList stored;
        for (const int pin : pins)
            stored.append(QString::number(pin));
        return stored;
    };
    settings.setValue(QStringLiteral("adTitlePins"), pins(ad.titlePins));
    settings.setValue(QStringLiteral("adTextPins"), pins(ad.textPins));
    settings.setValue(QStringLiteral("adFinalURL"), ad.finalUrl);
    // Whether the sheet's dock is open, and its size and place.
    settings.setValue(QStringLiteral("windowState"), saveState());
}

void MainWindow::about()
{
    QMessageBox::about(
        this,
        tr("About %1").arg(App::identityString),
        tr("Vellumo - %1<br><br>Design ads for your favorite search engine.<br><br>Copyright "
           "(C) 2026 The Vellumo developers<br><br> ")
            .arg(App::versionString, 0, QLatin1Char(' ')));
}

// Cut, copy and paste serve the ad field (the form's or a title's or text's) that has the
// focus, and nothing else.
namespace {
QLineEdit *focusedAdField(const QWidget *form, const QWidget *assets)
{
    auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    return field && (form->isAncestorOf(field) || assets->isAncestorOf(field)) ? field : nullptr;
}
} // namespace

void MainWindow::paste()
{
    if (QLineEdit *field = focusedAdField(mainForm, m_assetEditor))
        field->paste();
}

void MainWindow::copy()
{
    if (QLineEdit *field = focusedAdField(mainForm, m_assetEditor))
        field->copy();
}

void MainWindow::cut()
{
    if (QLineEdit *field = focusedAdField(mainForm, m_assetEditor))
        field->cut();
}
