// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class EngineForm;
class MainForm;
class QAction;
class QCloseEvent;
class QMenu;
class QToolBar;
struct EngineValues;

// The one top-level window and the program's only controller: it owns the ad form and the
// engine dialog and holds every slot. Its members are defined in the folder of the
// subsystem they belong to (app/, engines/, compose/, dialog/).
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // Rebuilds the engine chooser and the dialog's list from the engine files, then
    // chooses the first engine.
    void refreshEngineLists();

    MainForm *mainForm = nullptr;
    EngineForm *engineForm = nullptr;

public slots:
    void pushButtonNew_clicked();
    void pushButtonDelete_clicked();
    bool deleteFile(int confirm = 0);
    void pushButtonEdit_clicked();
    void lineEditTitle_textChanged(const QString &);
    void lineEditText_textChanged(const QString &);
    void lineEditURL_textChanged(const QString &);
    void comboBoxEngine_activated(int index);
    void pushButtonSymbol_clicked();
    void pushButtonUp_clicked();
    void pushButtonDown_clicked();
    void pushButtonSave_clicked();
    void updatePreview();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void about();
    void option();
    void paste();
    void copy();
    void cut();

private:
    void createEngineDialog();
    void connectEngineDialog();
    void setEngineEditorsLocked(bool locked);
    bool removeEngineFile(const QString &name);
    EngineValues editorValues() const;
    int engineRow(const QString &name) const;
    bool askYesNo(const QString &question, bool yesByDefault);
    void moveEngine(int step);
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void readSettings();
    void writeSettings();

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

    // The engine whose values the dialog's editors show (Edit or a move loaded it); empty
    // after opening the dialog, New, Save and Delete. Save replaces this engine, and a move
    // takes the moved engine's values from the editors only when it is this one.
    QString m_loadedEngine;
};
