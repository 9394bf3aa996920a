// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/adcheck.h"
#include "ads/verdicts.h"
#include "engines/catalogue.h"

#include <QMainWindow>

class EngineForm;
class MainForm;
class QAction;
class QCloseEvent;
class QLabel;
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

    // verdicts.cpp
    void createVerdictsLabel();
    AdFields currentAd() const;
    AdCheck checkCurrentAd();
    QString engineVerdictsToolTip() const;

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
    // The same engines' rules and limits, for every engine's verdict on each keystroke.
    QList<EngineRules> m_engineRules;
    // The status bar's "Fits 2 of 3 engines".
    QLabel *m_labelEnginesFit = nullptr;

    // The engine whose values the dialog's editors show (Edit or a move loaded it); empty
    // after opening the dialog, New, Save and Delete. Save replaces this engine, and a move
    // takes the moved engine's values from the editors only when it is this one.
    QString m_loadedEngine;
};
