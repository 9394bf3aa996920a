// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/engineform.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpacerItem>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
template<typename T>
T *named(T *object, const char *objectName)
{
    object->setObjectName(QString::fromLatin1(objectName));
    return object;
}

template<typename Layout>
Layout *spaced(Layout *l, const char *objectName, int margin)
{
    l->setObjectName(QString::fromLatin1(objectName));
    l->setSpacing(6);
    l->setContentsMargins(margin, margin, margin, margin);
    return l;
}

void setPolicy(QWidget *widget, QSizePolicy::Policy horizontal, QSizePolicy::Policy vertical)
{
    QSizePolicy policy(horizontal, vertical);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(widget->sizePolicy().hasHeightForWidth());
    widget->setSizePolicy(policy);
}

QSpinBox *limitBox(QWidget *parent, const char *objectName, bool readOnly)
{
    auto box = named(new QSpinBox(parent), objectName);
    box->setMaximum(999);
    box->setMinimum(1);
    box->setValue(23);
    box->setReadOnly(readOnly);
    return box;
}

QPushButton *iconButton(QWidget *parent, const char *objectName, const char *icon)
{
    auto button = named(new QPushButton(parent), objectName);
    button->setIcon(QIcon(QString::fromLatin1(icon)));
    return button;
}
} // namespace

EngineForm::EngineForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EngineForm"));

    gridLayout = spaced(new QGridLayout(this), "gridLayout", 8);
    groupBoxOption = named(new QGroupBox(this), "groupBoxOption");
    gridLayout1 = spaced(new QGridLayout(groupBoxOption), "gridLayout1", 8);
    vboxLayout = spaced(new QVBoxLayout(), "vboxLayout", 0);
    label_4 = named(new QLabel(groupBoxOption), "label_4");
    vboxLayout->addWidget(label_4);
    listWidgetEngine = named(new QListWidget(groupBoxOption), "listWidgetEngine");
    setPolicy(listWidgetEngine, QSizePolicy::Expanding, QSizePolicy::Expanding);
    listWidgetEngine->setContextMenuPolicy(Qt::NoContextMenu);
    listWidgetEngine->setDropIndicatorShown(false);
    listWidgetEngine->setAlternatingRowColors(false);
    listWidgetEngine->setSelectionBehavior(QAbstractItemView::SelectItems);
    listWidgetEngine->setIconSize(QSize(16, 16));
    listWidgetEngine->setMovement(QListView::Static);
    listWidgetEngine->setLayoutMode(QListView::SinglePass);
    listWidgetEngine->setViewMode(QListView::ListMode);
    listWidgetEngine->setModelColumn(0);
    vboxLayout->addWidget(listWidgetEngine);
    hboxLayout = spaced(new QHBoxLayout(), "hboxLayout", 0);
    spacerItem = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout->addItem(spacerItem);
    label_5_3_2_2_2_3 = named(new QLabel(groupBoxOption), "label_5_3_2_2_2_3");
    hboxLayout->addWidget(label_5_3_2_2_2_3);
    pushButtonUp = iconButton(groupBoxOption, "pushButtonUp", ":/img/up.png");
    pushButtonUp->setMaximumSize(QSize(26, 26));
    hboxLayout->addWidget(pushButtonUp);
    pushButtonDown = iconButton(groupBoxOption, "pushButtonDown", ":/img/down.png");
    pushButtonDown->setMaximumSize(QSize(26, 26));
    hboxLayout->addWidget(pushButtonDown);
    vboxLayout->addLayout(hboxLayout);
    gridLayout1->addLayout(vboxLayout, 0, 0);

    line_2 = named(new QFrame(groupBoxOption), "line_2");
    line_2->setFrameShape(QFrame::VLine);
    line_2->setFrameShadow(QFrame::Sunken);
    gridLayout1->addWidget(line_2, 0, 1);

    vboxLayout1 = spaced(new QVBoxLayout(), "vboxLayout1", 0);
    label_2_3 = named(new QLabel(groupBoxOption), "label_2_3");
    vboxLayout1->addWidget(label_2_3);
    textEditTemplate = named(new QTextEdit(groupBoxOption), "textEditTemplate");
    textEditTemplate->setReadOnly(true);
    vboxLayout1->addWidget(textEditTemplate);
    gridLayout1->addLayout(vboxLayout1, 0, 2);
    gridLayout->addWidget(groupBoxOption, 0, 0);

    gridLayout2 = spaced(new QGridLayout(), "gridLayout2", 0);
    lineEditSymbol = named(new QLineEdit(this), "lineEditSymbol");
    lineEditSymbol->setReadOnly(true);
    gridLayout2->addWidget(lineEditSymbol, 1, 1);
    label_2_3_2 = named(new QLabel(this), "label_2_3_2");
    setPolicy(label_2_3_2, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout2->addWidget(label_2_3_2, 0, 0);
    label_7_2 = named(new QLabel(this), "label_7_2");
    setPolicy(label_7_2, QSizePolicy::Fixed, QSizePolicy::Preferred);
    gridLayout2->addWidget(label_7_2, 1, 0);
    pushButtonSymbol = iconButton(this, "pushButtonSymbol", ":/img/fileopen.png");
    setPolicy(pushButtonSymbol, QSizePolicy::Fixed, QSizePolicy::Fixed);
    pushButtonSymbol->setMaximumSize(QSize(24, 24));
    pushButtonSymbol->setEnabled(true);
    gridLayout2->addWidget(pushButtonSymbol, 1, 2);
    lineEditName = named(new QLineEdit(this), "lineEditName");
    lineEditName->setReadOnly(true);
    gridLayout2->addWidget(lineEditName, 0, 1, 1, 2);
    gridLayout->addLayout(gridLayout2, 1, 0, 1, 2);

    vboxLayout2 = spaced(new QVBoxLayout(), "vboxLayout2", 0);
    groupBox_3_3_2 = named(new QGroupBox(this), "groupBox_3_3_2");
    setPolicy(groupBox_3_3_2, QSizePolicy::Minimum, QSizePolicy::Preferred);
    gridLayout3 = spaced(new QGridLayout(groupBox_3_3_2), "gridLayout3", 8);
    // Read-only only once the dialog is opened: opening always locks every engine editor.
    spinBoxURLLimit = limitBox(groupBox_3_3_2, "spinBoxURLLimit", false);
    gridLayout3->addWidget(spinBoxURLLimit, 7, 0);
    label = named(new QLabel(groupBox_3_3_2), "label");
    gridLayout3->addWidget(label, 6, 0);
    label_3_3_3_2 = named(new QLabel(groupBox_3_3_2), "label_3_3_3_2");
    gridLayout3->addWidget(label_3_3_3_2, 0, 0);
    label_4_3_3_2 = named(new QLabel(groupBox_3_3_2), "label_4_3_3_2");
    gridLayout3->addWidget(label_4_3_3_2, 4, 0);
    label_2 = named(new QLabel(groupBox_3_3_2), "label_2");
    gridLayout3->addWidget(label_2, 2, 0);
    spinBoxTextLimit = limitBox(groupBox_3_3_2, "spinBoxTextLimit", true);
    gridLayout3->addWidget(spinBoxTextLimit, 5, 0);
    spinBoxTitleLimit = limitBox(groupBox_3_3_2, "spinBoxTitleLimit", true);
    gridLayout3->addWidget(spinBoxTitleLimit, 1, 0);
    spacerItem1 = new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding);
    gridLayout3->addItem(spacerItem1, 10, 0);
    spinBoxTextLineBreak = named(new QSpinBox(groupBox_3_3_2), "spinBoxTextLineBreak");
    spinBoxTextLineBreak->setEnabled(true);
    spinBoxTextLineBreak->setReadOnly(true);
    gridLayout3->addWidget(spinBoxTextLineBreak, 3, 0);
    // How the engine counts and checks its ads; the items' data is the value stored. Plain
    // stores nothing, so that a profile from before rules existed is saved as it was read.
    labelRules = named(new QLabel(groupBox_3_3_2), "labelRules");
    gridLayout3->addWidget(labelRules, 8, 0);
    comboBoxRules = named(new QComboBox(groupBox_3_3_2), "comboBoxRules");
    for (const char *rules : {"", "google", "microsoft", "yandex", "baidu"})
        comboBoxRules->addItem(QString(), QString::fromLatin1(rules));
    comboBoxRules->setEnabled(false);
    gridLayout3->addWidget(comboBoxRules, 9, 0);
    vboxLayout2->addWidget(groupBox_3_3_2);

    pushButtonEdit = iconButton(this, "pushButtonEdit", ":/img/editpaste.png");
    vboxLayout2->addWidget(pushButtonEdit);
    pushButtonSave = iconButton(this, "pushButtonSave", ":/img/filesave.png");
    pushButtonSave->setEnabled(false);
    vboxLayout2->addWidget(pushButtonSave);
    pushButtonDelete = iconButton(this, "pushButtonDelete", ":/img/editdelete.png");
    pushButtonDelete->setEnabled(false);
    vboxLayout2->addWidget(pushButtonDelete);
    pushButtonNew = iconButton(this, "pushButtonNew", ":/img/filenew.png");
    vboxLayout2->addWidget(pushButtonNew);
    gridLayout->addLayout(vboxLayout2, 0, 1);

    hboxLayout1 = spaced(new QHBoxLayout(), "hboxLayout1", 0);
    spacerItem2 = new QSpacerItem(131, 31, QSizePolicy::Expanding, QSizePolicy::Minimum);
    hboxLayout1->addItem(spacerItem2);
    okButton = named(new QPushButton(this), "okButton");
    okButton->setIcon(QIcon());
    hboxLayout1->addWidget(okButton);
    gridLayout->addLayout(hboxLayout1, 3, 0, 1, 2);

    line = named(new QFrame(this), "line");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    gridLayout->addWidget(line, 2, 0, 1, 2);

    resize(QSize(656, 497).expandedTo(minimumSizeHint()));

    label_4->setBuddy(listWidgetEngine);
    label_5_3_2_2_2_3->setBuddy(pushButtonUp);
    label_2_3->setBuddy(textEditTemplate);
    label_2_3_2->setBuddy(lineEditName);
    label_7_2->setBuddy(lineEditSymbol);
    label_3_3_3_2->setBuddy(spinBoxTitleLimit);
    label_4_3_3_2->setBuddy(spinBoxTextLimit);
    labelRules->setBuddy(comboBoxRules);

    retranslateUi();

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // A click on an engine presses Edit, which loads it; the keyboard only moves the row.
    connect(listWidgetEngine,
            &QListWidget::itemClicked,
            pushButtonEdit,
            &QAbstractButton::animateClick);
    // New empties the editors before the main window's own handler runs.
    connect(pushButtonNew, &QPushButton::clicked, lineEditName, &QLineEdit::clear);
    connect(pushButtonNew, &QPushButton::clicked, lineEditSymbol, &QLineEdit::clear);
    connect(pushButtonNew, &QPushButton::clicked, listWidgetEngine, &QListWidget::clearSelection);
    connect(pushButtonNew, &QPushButton::clicked, textEditTemplate, &QTextEdit::clear);

    listWidgetEngine->setCurrentRow(-1);
}

void EngineForm::retranslateUi()
{
    setWindowTitle(tr("Engine Dialog"));
    groupBoxOption->setTitle(tr("Options"));
    label_4->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
           "style=\" color:#000000;\">Engines</span></p></body></html>"));
    label_5_3_2_2_2_3->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; "
           "text-indent:0px;\">Position</p></body></html>"));
    pushButtonUp->setText(QString());
    pushButtonDown->setText(QString());
    label_2_3->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
           "style=\" color:#000000;\">Template</span></p></body></html>"));
    label_2_3_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\"><span "
           "style=\" color:#000000;\">Name</span></p></body></html>"));
    label_7_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; "
           "text-indent:0px;\">Symbol</p></body></html>"));
    pushButtonSymbol->setText(QString());
    groupBox_3_3_2->setTitle(tr("Key Limit"));
    label->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">URL "
           "Limit</p></body></html>"));
    label_3_3_3_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">Title "
           "Limit</p></body></html>"));
    label_4_3_3_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">Text "
           "Limit</p></body></html>"));
    label_2->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">Line "
           "Break</p></body></html>"));
    spinBoxURLLimit->setSuffix(tr(" Chars"));
    spinBoxTextLimit->setSuffix(tr(" Chars"));
    spinBoxTextLimit->setPrefix(QString());
    spinBoxTitleLimit->setSuffix(tr(" Chars"));
    spinBoxTextLineBreak->setSuffix(tr(" Chars"));
    spinBoxTextLineBreak->setPrefix(tr("at "));
    labelRules->setText(
        tr("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\" "
           "white-space: pre-wrap; font-family:Arial; font-weight:400; font-style:normal; "
           "text-decoration:none;\"><p style=\" margin-top:0px; margin-bottom:0px; "
           "margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;\">Counting "
           "Rules</p></body></html>"));
    comboBoxRules->setItemText(0, tr("Plain (every character)"));
    comboBoxRules->setItemText(1, tr("Google Ads"));
    comboBoxRules->setItemText(2, tr("Microsoft Advertising"));
    comboBoxRules->setItemText(3, tr("Yandex Direct"));
    comboBoxRules->setItemText(4, tr("Baidu (third-party sources)"));
    pushButtonEdit->setText(tr("&Edit"));
    pushButtonSave->setText(tr("&Save"));
    pushButtonDelete->setText(tr("&Delete"));
    pushButtonNew->setText(tr("&New"));
    okButton->setText(tr("&Close"));
}

void EngineForm::setCloseGuard(std::function<bool()> mayClose)
{
    m_mayClose = std::move(mayClose);
}

void EngineForm::done(int result)
{
    if (m_mayClose && isVisible() && !m_mayClose())
        return;
    QDialog::done(result);
}
