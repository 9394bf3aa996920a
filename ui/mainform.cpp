// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainform.h"

#include "ui/previewbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpacerItem>
#include <QTextBrowser>

namespace {
QLabel *counterLabel(QWidget *parent, const char *objectName)
{
    auto label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft);
    return label;
}

template<typename T>
T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}
} // namespace

MainForm::MainForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(QIcon(QStringLiteral(":/img/logo.png")));

    gridLayout = named(new QGridLayout(this), "gridLayout");
    gridLayout->setSpacing(6);
    gridLayout->setContentsMargins(9, 9, 9, 9);

    groupBoxAd = named(new QGroupBox(this), "groupBoxAd");
    groupBoxAd->setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred));
    gridLayout1 = named(new QGridLayout(groupBoxAd), "gridLayout1");
    gridLayout1->setSpacing(6);
    gridLayout1->setContentsMargins(8, 8, 8, 8);

    label_2_2 = named(new QLabel(groupBoxAd), "label_2_2");
    lineEditTitle = named(new QLineEdit(groupBoxAd), "lineEditTitle");
    labelTitle = counterLabel(groupBoxAd, "labelTitle");
    label_5 = named(new QLabel(groupBoxAd), "label_5");
    lineEditText = named(new QLineEdit(groupBoxAd), "lineEditText");
    lineEditText->setMaxLength(2300);
    labelText = counterLabel(groupBoxAd, "labelText");
    label_3_3 = named(new QLabel(groupBoxAd), "label_3_3");
    lineEditURL = named(new QLineEdit(groupBoxAd), "lineEditURL");
    labelURL = counterLabel(groupBoxAd, "labelURL");

    gridLayout1->addWidget(label_2_2, 0, 0);
    gridLayout1->addWidget(lineEditTitle, 0, 1);
    gridLayout1->addWidget(labelTitle, 0, 2);
    gridLayout1->addWidget(label_5, 1, 0);
    gridLayout1->addWidget(lineEditText, 1, 1);
    gridLayout1->addWidget(labelText, 1, 2);
    gridLayout1->addWidget(label_3_3, 2, 0);
    gridLayout1->addWidget(lineEditURL, 2, 1);
    gridLayout1->addWidget(labelURL, 2, 2);
    // What the chosen engine's editorial rules find, one problem a line, under the fields.
    labelChecks = named(new QLabel(groupBoxAd), "labelChecks");
    labelChecks->setTextFormat(Qt::RichText);
    labelChecks->setWordWrap(true);
    labelChecks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The lines come and go as the user types: their area keeps its height and scrolls, so
    // that the window never grows by itself.
    auto *checksArea = named(new QScrollArea(groupBoxAd), "scrollAreaChecks");
    checksArea->setWidget(labelChecks);
    checksArea->setWidgetResizable(true);
    // On the group box's own background, as the label was before it scrolled.
    labelChecks->setAutoFillBackground(false);
    checksArea->viewport()->setAutoFillBackground(false);
    checksArea->setFrameShape(QFrame::NoFrame);
    checksArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checksArea->setFixedHeight(3 * labelChecks->fontMetrics().lineSpacing() + 4);
    gridLayout1->addWidget(checksArea, 3, 0, 1, 3);
    gridLayout->addWidget(groupBoxAd, 0, 0);

    // Loads what a template names through the gate of ads/templateresources.h.
    textBrowserPreview = named(new PreviewBrowser(this), "textBrowserPreview");
    gridLayout->addWidget(textBrowserPreview, 1, 0);

    hboxLayout = new QHBoxLayout();
    hboxLayout->setObjectName(QStringLiteral("hboxLayout"));
    hboxLayout->setSpacing(6);
    hboxLayout->setContentsMargins(0, 0, 0, 0);
    checkBoxPreview = named(new QCheckBox(this), "checkBoxPreview");
    checkBoxPreview->setChecked(true);
    hboxLayout->addWidget(checkBoxPreview);
    spacerItem = new QSpacerItem(117, 31, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem);
    label_3_2_2 = named(new QLabel(this), "label_3_2_2");
    hboxLayout->addWidget(label_3_2_2);
    comboBoxEngine = named(new QComboBox(this), "comboBoxEngine");
    hboxLayout->addWidget(comboBoxEngine);
    pushButtonPreview = named(new QPushButton(this), "pushButtonPreview");
    pushButtonPreview->setIcon(QIcon(QStringLiteral(":/img/preview.png")));
    hboxLayout->addWidget(pushButtonPreview);
    gridLayout->addLayout(hboxLayout, 2, 0);

    label_2_2->setBuddy(lineEditTitle);
    label_5->setBuddy(lineEditText);
    label_3_3->setBuddy(lineEditURL);
    labelTitle->setBuddy(lineEditTitle);
    labelText->setBuddy(lineEditText);
    labelURL->setBuddy(lineEditText); // as the form has always had it
    label_3_2_2->setBuddy(comboBoxEngine);

    QWidget::setTabOrder(lineEditTitle, lineEditText);
    QWidget::setTabOrder(lineEditText, lineEditURL);
    QWidget::setTabOrder(lineEditURL, textBrowserPreview);

    resize(QSize(756, 693).expandedTo(minimumSizeHint()));
    retranslateUi();
}

void MainForm::retranslateUi()
{
    setWindowTitle(tr("Advertisment Preview"));
    checkBoxPreview->setText(tr("Direct Preview (slow)"));
    label_3_2_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">Select a "
           "Engine</p></body></html>"));
    pushButtonPreview->setText(tr("&Preview"));
    groupBoxAd->setTitle(tr("Advertisment"));
    label_2_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; "
           "text-indent:0px;\">Title</p></body></html>"));
    label_5->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; "
           "text-indent:0px;\">Text</p></body></html>"));
    label_3_3->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; "
           "text-indent:0px;\">URL</p></body></html>"));
    labelTitle->setText(QString());
    labelText->setText(QString());
    labelURL->setText(QString());
    labelChecks->setText(QString());
}
