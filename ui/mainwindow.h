// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "ads/verdicts.h"
#include "engines/catalogue.h"
#include "engines/plans.h"
#include "engines/userfolder.h"

#include <QMainWindow>

#include <memory>

class AdSheetModel;
class AssetEditor;
class EngineChoiceModel;
class QFileSystemWatcher;
class QLineEdit;
class QTimer;
class Spelling;
class EngineForm;
class MainForm;
class QAction;
class QDockWidget;
class QModelIndex;
class QPushButton;
class QTableView;
class QCloseEvent;
class QSortFilterProxyModel;
class QUndoStack;
class QListWidgetItem;
class QLabel;
class QMenu;
class QToolBar;

// How the window writes files and tells whether its install folder is writable: the
// program's own ways by default; a test passes ones that fail.
struct WindowSeams
{
    FileWriter writeFile = writeFileAtomically;
    FolderProbe isWritableFolder = ::isWritableFolder;
};

// The one top-level window and the program's only controller: it owns the ad form and the
// engine dialog and holds every slot. Its members are defined by workflow in the files of
// ui/ named below; the logic they call lives in the core (engines/, ads/).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // mainwindow.cpp
    explicit MainWindow(const WindowSeams &seams = WindowSeams());
    ~MainWindow() override;
    // From now on engine files, the sheet and exported decks are written with `writeFile`.
    void setFileWriter(FileWriter writeFile);

    // enginelists.cpp: rebuilds the engine chooser and the dialog's list from the engine
    // files, then chooses the first engine.
    void refreshEngineLists();

    MainForm *mainForm = nullptr;
    EngineForm *engineForm = nullptr;

public slots:
    // editing.cpp
    void pushButtonNew_clicked();
    void pushButtonEdit_clicked();
    void pushButtonSave_clicked();
    void pushButtonDelete_clicked();

    // removal.cpp
    bool deleteFile(int confirm = 0);

    // composer.cpp
    void lineEditTitle_textChanged(const QString &);
    void lineEditText_textChanged(const QString &);
    void lineEditURL_textChanged(const QString &);
    void comboBoxEngine_activated(int index);
    void updatePreview();
    void assetEditor_assetEdited(AdField field, int index);
    void assetEditor_assetsChanged();
    void pushButtonPreviousCombination_clicked();
    void pushButtonNextCombination_clicked();

    // symbol.cpp
    void pushButtonSymbol_clicked();

    // reordering.cpp
    void pushButtonUp_clicked();
    void pushButtonDown_clicked();

    // adsheet.cpp
    void pushButtonKeep_clicked();
    void pushButtonRemove_clicked();
    void tableViewSheet_doubleClicked(const QModelIndex &index);
    void importAds();
    void exportAds();

    // spelling.cpp: a keystroke starts a word that is not judged until typing pauses.
    void lineEditTitle_textEdited(const QString &);
    void lineEditText_textEdited(const QString &);
    void lineEditURL_textEdited(const QString &);

protected:
    // mainwindow.cpp
    void closeEvent(QCloseEvent *event) override;

    // enginehosting.cpp
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    // mainwindow.cpp
    void about();
    void paste();
    void copy();
    void cut();

    // enginehosting.cpp
    void option();
    void listWidgetEngine_currentRowChanged(int row);
    void listWidgetEngine_itemClicked(QListWidgetItem *item);

private:
    // mainwindow.cpp
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void writeSettings();

    // enginehosting.cpp
    void createEngineDialog();
    void connectEngineDialog();
    void setEngineEditorsLocked(bool locked);
    void resetEngineEditors();
    bool askYesNo(const QString &question, bool yesByDefault);
    void setCurrentRowQuietly(int row);
    void chooseEngineRow(int row);

    // enginelists.cpp
    QString unreadableEngineText(const CatalogueEntry &entry) const;

    // editing.cpp
    EngineProfile editorValues() const;
    int engineRow(const QString &name) const;
    bool saveEngine();
    void loadEngine(const QString &name);
    EngineProfile shownDraft() const;
    void markEditorsLoaded(bool creating);
    bool editorsHoldUnsavedChanges() const;
    bool settleUnsavedChanges(QString *follow = nullptr);

    // removal.cpp
    bool removeEngineFile(const QString &name);

    // reordering.cpp
    void moveEngine(int step);

    // composer.cpp
    void createAssetEditor();
    void showAssetCounter(const AdCheck &check, AdField field, int index);
    bool showCombinationCount(const AdFields &ad);
    void stepCombination(int step);

    // verdicts.cpp
    void createVerdictsLabel();
    AdFields currentAd() const;
    AdCheck checkCurrentAd();
    QString engineVerdictsToolTip() const;

    // adsheet.cpp
    void createAdSheet();
    void reportSheetSaveFailure(const SheetSave &save);
    void setSheetEngines();
    QList<EngineProfile> sheetEngines() const;

    // spelling.cpp
    void createSpelling();
    void fillSpellingMenu();
    QStringList useDictionaries(const QStringList &languages);
    void chooseSpellingLanguages(const QStringList &languages);
    void dictionaryFileChanged(const QString &path);
    void spellingChanged();
    void startWordInProgress(QLineEdit *edit, AdField field);
    void endWordInProgress();
    void markMisspeltWords();
    void addToDictionary(const QString &word);
    void showFieldMenu(QLineEdit *edit, const QPoint &at);

    // adsheetchanges.cpp: every change to the sheet as an undoable change set, saved into the
    // file as it is on disk, and the sheet shown as the file now holds it.
    void createSheetUndo();
    void pushSheetChanges(const QString &text, const SheetChanges &changes);
    void commitSheetChanges(const SheetChanges &changes);
    void syncSheetFile();
    void showSheetRows(const SheetRows &rows);
    void tellSheetMerge(const SheetSave &save);
    QString sheetRowIdBefore(int row) const;
    QList<int> selectedSheetRows() const;
    void selectSheetIds(const QStringList &ids);
    void moveSheetRows(int step);
    void offerUndoInStatusBar(const QString &message);
    void fitSheetDock(bool visible);
    void restoreWindowState();

    // filewatching.cpp: the sheet file and the engines folder followed as they change on disk.
    void createFileWatching();
    void watchFiles(bool engineFiles = true);
    void followSheetFile();
    void followEngineFiles();
    void warnLoadedEngineChanged(const CatalogueEntry *now);

    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *optionsMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *editToolBar = nullptr;
    QAction *exitAction = nullptr;
    QAction *cutAction = nullptr;
    QAction *copyAction = nullptr;
    QAction *pasteAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *configureAction = nullptr;

    // How files are written and the install folder judged (see WindowSeams).
    WindowSeams m_seams;

    // composer.cpp: the engine last chosen, named when its template cannot be shown, and the
    // combination of the ad's assets the preview shows, from 0.
    QString m_previewEngine;
    qint64 m_combination = 0;
    // The ad's titles and texts beyond the form's, in a dock beside it.
    AssetEditor *m_assetEditor = nullptr;
    QDockWidget *m_assetDock = nullptr;

    // Every listed engine as the last rebuild read it, in list order.
    QList<CatalogueEntry> m_catalogue;
    // enginelists.cpp: the engine chooser's entries, the same engines.
    EngineChoiceModel *m_engineChoices = nullptr;
    // The status bar's "Fits 2 of 3 engines".
    QLabel *m_labelEnginesFit = nullptr;

    // The engine whose values the dialog's editors show (a click, a keyboard move, Edit or a
    // move loaded it); empty after opening the dialog, New, Save and Delete. Its row is the
    // list's current row. Save replaces this engine, and Delete, Up and Down act on it.
    QString m_loadedEngine;

    // What the editors showed when the engine was loaded, or right after New; the editors
    // hold unsaved changes when they differ from it.
    EngineProfile m_loadedDraft;
    // The editors hold a new engine (New), not one loaded from its file.
    bool m_creatingEngine = false;
    // Set while the program itself moves the list's current row, so that only the user's
    // moves load an engine.
    bool m_quietRowChange = false;
    // Set from a mouse press on the list that the dialog handled itself until its release.
    bool m_listPressHandled = false;
    // Set while the list handles a key press that the dialog passed on to it.
    bool m_listKeyHandled = false;

    // adsheet.cpp: the ad sheet, its dock and file, and the copy-deck actions.
    QMenu *viewMenu = nullptr;
    QDockWidget *m_sheetDock = nullptr;
    QTableView *m_sheetView = nullptr;
    AdSheetModel *m_sheetModel = nullptr;
    QPushButton *m_keepButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QAction *m_importAction = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_sheetAction = nullptr;
    QString m_sheetPath;
    bool m_sheetSaveFailed = false; // a failed save was reported; reset by the next success

    // spelling.cpp: the chosen dictionaries and the user's words, the files watched for
    // going away, the pause that ends a word being typed, and each field's marked words.
    std::unique_ptr<Spelling> m_spelling;
    QMenu *m_spellingMenu = nullptr;
    QFileSystemWatcher *m_spellingWatcher = nullptr;
    QTimer *m_typingTimer = nullptr;
    AdField m_typingField = AdField::Title; // the word being typed, not judged yet
    QString m_typingWord;
    QList<std::pair<qsizetype, qsizetype>> m_marks[3];
    QString m_markedTexts[3];

    // adsheetchanges.cpp
    QUndoStack *m_sheetUndo = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_removeRowsAction = nullptr;
    QAction *m_moveUpAction = nullptr;
    QAction *m_moveDownAction = nullptr;
    QSortFilterProxyModel *m_sheetProxy = nullptr;
    QPushButton *m_undoRemoveButton = nullptr;
    // Changes not yet in the file (a save failed); sent again with the next change.
    SheetChanges m_pendingSheetChanges;
    // The row that the form's ad was loaded from; Keep offers to update it.
    QString m_formRowId;

    // filewatching.cpp
    QFileSystemWatcher *m_fileWatcher = nullptr;
    QTimer *m_sheetFollowTimer = nullptr;
    QTimer *m_engineFollowTimer = nullptr;
    // The sheet file as last read or written (time, size), so that only others' writes reload.
    QString m_sheetStamp;
};
