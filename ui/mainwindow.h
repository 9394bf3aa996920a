// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/copydeck.h"
#include "engines/catalogue.h"

#include <QMainWindow>

class AdSheetModel;
class EngineForm;
class MainForm;
class QAction;
class QDockWidget;
class QModelIndex;
class QPushButton;
class QTableView;
class QCloseEvent;
class QMenu;
class QToolBar;

// The one top-level window and the program's only controller: it owns the ad form and the
// engine dialog and holds every slot. Its members are defined by workflow in the files of
// ui/ named below; the logic they call lives in the core (engines/, ads/).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // mainwindow.cpp
    MainWindow();
    ~MainWindow() override;

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

protected:
    // mainwindow.cpp
    void closeEvent(QCloseEvent *event) override;

private slots:
    // mainwindow.cpp
    void about();
    void paste();
    void copy();
    void cut();

    // enginehosting.cpp
    void option();

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

    // enginelists.cpp
    QString unreadableEngineText(const CatalogueEntry &entry) const;

    // editing.cpp
    EngineValues editorValues() const;
    int engineRow(const QString &name) const;

    // removal.cpp
    bool removeEngineFile(const QString &name);

    // reordering.cpp
    void moveEngine(int step);

    // adsheet.cpp
    void createAdSheet();
    void saveAdSheet();
    void setSheetEngines();
    QList<NamedEngine> sheetEngines() const;

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

    // Every listed engine as the last rebuild read it, in list order.
    QList<CatalogueEntry> m_catalogue;

    // The engine whose values the dialog's editors show (Edit or a move loaded it); empty
    // after opening the dialog, New, Save and Delete. Save replaces this engine, and a move
    // takes the moved engine's values from the editors only when it is this one.
    QString m_loadedEngine;

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
    bool m_sheetWritable = true;    // false while an unreadable sheet file could not be moved
    bool m_sheetSaveFailed = false; // a failed save was reported; reset by the next success
};
