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
    bool deleteFile(int confirm = 0);
    void lineEditTitle_textChanged(const QString &);
    void lineEditText_textChanged(const QString &);
    void lineEditURL_textChanged(const QString &);
    void comboBoxEngine_activated(int index);
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
};
