// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpacerItem;
class QSpinBox;
class QTextEdit;
class QVBoxLayout;

// The engine dialog: the engine list with its position buttons, the template editor, the four
// limits, Edit/Save/Delete/New, the name and symbol fields and Close. It only builds its
// widgets and wires a few of them to each other; MainWindow's slots do the work.
class EngineForm : public QDialog
{
    Q_OBJECT

public:
    explicit EngineForm(QWidget *parent);

    // Asked whenever the dialog is about to close, whichever way (Close, Escape, the window's
    // close button); false keeps it open. Without a guard the dialog closes at once.
    void setCloseGuard(std::function<bool()> mayClose);
    void done(int result) override;

    QGridLayout *gridLayout;
    QGroupBox *groupBoxOption;
    QGridLayout *gridLayout1;
    QVBoxLayout *vboxLayout;
    QLabel *label_4;
    QListWidget *listWidgetEngine;
    QHBoxLayout *hboxLayout;
    QSpacerItem *spacerItem;
    QLabel *label_5_3_2_2_2_3;
    QPushButton *pushButtonUp;
    QPushButton *pushButtonDown;
    QFrame *line_2;
    QVBoxLayout *vboxLayout1;
    QLabel *label_2_3;
    QTextEdit *textEditTemplate;
    QGridLayout *gridLayout2;
    QLineEdit *lineEditSymbol;
    QLabel *label_2_3_2;
    QLabel *label_7_2;
    QPushButton *pushButtonSymbol;
    QLineEdit *lineEditName;
    QVBoxLayout *vboxLayout2;
    QGroupBox *groupBox_3_3_2;
    QGridLayout *gridLayout3;
    QSpinBox *spinBoxURLLimit;
    QLabel *label;
    QLabel *label_3_3_3_2;
    QLabel *label_4_3_3_2;
    QLabel *label_2;
    QSpinBox *spinBoxTextLimit;
    QSpinBox *spinBoxTitleLimit;
    QSpacerItem *spacerItem1;
    QSpinBox *spinBoxTextLineBreak;
    QLabel *labelRules;
    QComboBox *comboBoxRules; // item data: the rules' stored identifier
    QPushButton *pushButtonEdit;
    QPushButton *pushButtonSave;
    QPushButton *pushButtonDelete;
    QPushButton *pushButtonNew;
    QHBoxLayout *hboxLayout1;
    QSpacerItem *spacerItem2;
    QPushButton *okButton;
    QFrame *line;

private:
    void retranslateUi();

    std::function<bool()> m_mayClose;
};
