// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's ad composition: choosing an engine, the three counters and the preview.
#include "ads/counters.h"
#include "ads/enginestate.h"
#include "ads/preview.h"
#include "ads/rules.h"
#include "ads/templatelayout.h"
#include "engines/enginefile.h"
#include "engines/enginesfolder.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"
#include "ui/previewbrowser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

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

    lineEditTitle_textChanged(QString());
    lineEditText_textChanged(QString());
    lineEditURL_textChanged(QString());
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

void MainWindow::updatePreview()
{
    const QString document = renderPreview(currentEngine.templateText,
                                           currentAd(),
                                           currentEngine.limitTitle,
                                           currentEngine.limitText,
                                           currentEngine.limitURL,
                                           currentEngine.textLineBreak,
                                           rulesNamed(currentEngine.rules));
    // A document that Qt cannot lay out in bounded time is not rendered at all. The fields are
    // escaped, but a template may put a placeholder where a tag's name goes, so the document
    // is measured as it will be shown.
    if (!isPreviewWithinLayoutBounds(currentEngine.templateText, document)) {
        mainForm->textBrowserPreview->setPlainText(templateBeyondBoundsMessage(m_previewEngine));
        return;
    }
    mainForm->textBrowserPreview->setHtml(document);
}
