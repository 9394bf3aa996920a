// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's ad composition: choosing an engine, the counters of the form's fields and of
// the further titles and texts, and the preview with its combinations.
#include "ads/combinations.h"
#include "ads/counters.h"
#include "ads/enginestate.h"
#include "ads/preview.h"
#include "ads/rules.h"
#include "ads/templatelayout.h"
#include "engines/enginefile.h"
#include "engines/enginesfolder.h"
#include "ui/asseteditor.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"
#include "ui/previewbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

void MainWindow::createAssetEditor()
{
    m_assetEditor = new AssetEditor(
        mainForm->lineEditTitle, mainForm->lineEditText, mainForm->lineEditURL, this);
    m_assetDock = new QDockWidget(tr("Titles and Texts"), this);
    m_assetDock->setObjectName(QStringLiteral("dockWidgetAssets"));
    // It comes and goes with the engine's format, not by the user's hand.
    m_assetDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    m_assetDock->setWidget(m_assetEditor);
    addDockWidget(Qt::RightDockWidgetArea, m_assetDock);
    m_assetDock->hide();
}

void MainWindow::comboBoxEngine_activated(int index)
{
    const QString name = mainForm->comboBoxEngine->itemText(index);
    // The file is read afresh, once, for all of its values.
    currentEngine = readEngineValues(name);
    if (currentEngine.templateText.isEmpty())
        currentEngine.templateText = defaultTemplate;

    // Images that a template names are looked up in the engine's own folder, and read once
    // for this choice: typing reuses them.
    QTextBrowser *preview = mainForm->textBrowserPreview;
    preview->setSearchPaths({enginesFolder() + QLatin1Char('/') + name});
    forgetPreviewResources(preview);
    m_previewEngine = name;
    if (isWithinLayoutBounds(measureTemplateLayout(currentEngine.templateText)))
        preview->setHtml(currentEngine.templateText);

    // The rows follow the engine's format; assets it does not take stay in the ad.
    m_assetEditor->setFormat(assetFormat(rulesNamed(currentEngine.rules)));
    m_combination = 0;
    lineEditTitle_textChanged(QString());
    lineEditText_textChanged(QString());
    lineEditURL_textChanged(QString());
    assetEditor_assetsChanged();
    updatePreview();
}

// The counters show each field's count as the chosen engine counts it; their tool tips say
// why it differs from the characters typed. Every keystroke checks the ad as well, live
// preview or not.
void MainWindow::lineEditTitle_textChanged(const QString &)
{
    const FieldCount count = checkCurrentAd().title;
    mainForm->labelTitle->setText(counterMessage(count.count, count.limit));
    mainForm->labelTitle->setToolTip(measureField(rulesNamed(currentEngine.rules),
                                                  AdField::Title,
                                                  mainForm->lineEditTitle->text())
                                         .explanation);
    if (mainForm->checkBoxPreview->isChecked())
        updatePreview();
}

void MainWindow::lineEditText_textChanged(const QString &)
{
    const FieldCount count = checkCurrentAd().text;
    mainForm->labelText->setText(textCounterMessage(
        count.count, count.limit, lineBreakHint(count.count, currentEngine.textLineBreak)));
    mainForm->labelText->setToolTip(
        measureField(rulesNamed(currentEngine.rules), AdField::Text, mainForm->lineEditText->text())
            .explanation);
    if (mainForm->checkBoxPreview->isChecked())
        updatePreview();
}

void MainWindow::lineEditURL_textChanged(const QString &)
{
    const FieldCount count = checkCurrentAd().url;
    mainForm->labelURL->setText(counterMessage(count.count, count.limit));
    mainForm->labelURL->setToolTip(
        measureField(rulesNamed(currentEngine.rules), AdField::URL, mainForm->lineEditURL->text())
            .explanation);
    if (mainForm->checkBoxPreview->isChecked())
        updatePreview();
}

// A keystroke in one title or text rewrites its own counter, not every row's.
void MainWindow::assetEditor_assetEdited(AdField field, int index)
{
    const AdCheck check = checkCurrentAd();
    showAssetCounter(check, field, index);
    if (mainForm->checkBoxPreview->isChecked())
        updatePreview();
    else
        showCombinationCount(currentAd());
}

void MainWindow::assetEditor_assetsChanged()
{
    m_assetDock->setVisible(!m_assetEditor->isHidden());
    const AdCheck check = checkCurrentAd();
    for (const AdField field : {AdField::Title, AdField::Text}) {
        for (int i = 1; i < m_assetEditor->rows(field); ++i)
            showAssetCounter(check, field, i);
    }
    if (mainForm->checkBoxPreview->isChecked())
        updatePreview();
    else
        showCombinationCount(currentAd());
}

void MainWindow::showAssetCounter(const AdCheck &check, AdField field, int index)
{
    QLabel *label = m_assetEditor->counter(field, index);
    if (!label)
        return;
    // A blank row past the ad's assets counts 0 against the limit it will have.
    const Rules rules = rulesNamed(currentEngine.rules);
    label->setText(counterMessage(check.count(field, index).count,
                                  assetLimit(currentEngine, rules, field, index)));
    label->setToolTip(
        measureField(rules, field, m_assetEditor->edit(field, index)->text(), index).explanation);
}

// "Combination 2 of 36" and its two steps, shown only when the template can show more than one
// title and text and the engine may combine them in more than one way. Returns whether the
// template can.
bool MainWindow::showCombinationCount(const AdFields &ad)
{
    const bool more = showsMoreAssets(currentEngine.templateText);
    const qint64 count
        = more ? combinationCount(ad, assetFormat(rulesNamed(currentEngine.rules))) : 1;
    if (m_combination >= count)
        m_combination = 0;
    // The label is only written when it shows.
    QLabel *label = m_assetEditor->labelCombination;
    if (count > 1)
        label->setText(tr("Combination %1 of %2").arg(m_combination + 1).arg(count));
    for (QWidget *step : {static_cast<QWidget *>(m_assetEditor->pushButtonPreviousCombination),
                          static_cast<QWidget *>(label),
                          static_cast<QWidget *>(m_assetEditor->pushButtonNextCombination)})
        step->setVisible(count > 1);
    return more;
}

void MainWindow::pushButtonPreviousCombination_clicked()
{
    stepCombination(-1);
}

void MainWindow::pushButtonNextCombination_clicked()
{
    stepCombination(1);
}

// The first follows the last, and the other way round.
void MainWindow::stepCombination(int step)
{
    const qint64 count
        = combinationCount(currentAd(), assetFormat(rulesNamed(currentEngine.rules)));
    m_combination = (m_combination + step + count) % count;
    updatePreview();
}

void MainWindow::updatePreview()
{
    const AdFields ad = currentAd();
    // A template that shows title 1 and text 1 alone needs no combination worked out.
    const Combination shown
        = showCombinationCount(ad)
              ? combinationAt(ad, assetFormat(rulesNamed(currentEngine.rules)), m_combination)
              : Combination();
    const QString document = renderPreview(currentEngine, ad, shown);
    // A document that Qt cannot lay out in bounded time is not rendered at all. The fields are
    // escaped, but a template may put a placeholder where a tag's name goes, so the document
    // is measured as it will be shown.
    if (!isPreviewWithinLayoutBounds(currentEngine.templateText, document)) {
        mainForm->textBrowserPreview->setPlainText(templateBeyondBoundsMessage(m_previewEngine));
        return;
    }
    mainForm->textBrowserPreview->setHtml(document);
}
