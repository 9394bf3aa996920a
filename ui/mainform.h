// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpacerItem;
class QTextBrowser;

// The ad form in the middle of the main window: title, text and URL with their captions and
// counters, the preview, and the row with the live-preview switch, the engine chooser and
// the preview button. It only builds and labels its widgets; MainWindow drives them.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent);

    QGridLayout *gridLayout;
    QGroupBox *groupBoxAd;
    QGridLayout *gridLayout1;
    QLabel *label_2_2;
    QLineEdit *lineEditTitle;
    QLabel *labelTitle;
    QLabel *label_5;
    QLineEdit *lineEditText;
    QLabel *labelText;
    QLabel *label_3_3;
    QLineEdit *lineEditURL;
    QLabel *labelURL;
    QLabel *labelChecks;
    QTextBrowser *textBrowserPreview;
    QHBoxLayout *hboxLayout;
    QCheckBox *checkBoxPreview;
    QSpacerItem *spacerItem;
    QLabel *label_3_2_2;
    QComboBox *comboBoxEngine;
    QPushButton *pushButtonPreview;

private:
    void retranslateUi();
};
