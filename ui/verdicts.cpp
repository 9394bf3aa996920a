// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// MainWindow's checks of the ad as it is typed: the chosen engine's problems under the fields
// and, in the status bar, for how many engines the ad fits.
#include "ads/verdicts.h"
#include "ads/checks.h"
#include "ads/enginestate.h"
#include "ads/spelling.h"
#include "ui/asseteditor.h"
#include "ui/mainform.h"
#include "ui/mainwindow.h"
#include "ui/markup.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTextDocument>

#include <functional>

namespace {
// A label whose tool tip is worked out only when it is about to show: listing a thousand
// engines on every keystroke would cost more than the keystroke.
class LazyToolTipLabel : public QLabel
{
public:
    LazyToolTipLabel(std::function<QString()> toolTip, QWidget *parent)
        : QLabel(parent)
        , m_toolTip(std::move(toolTip))
    {}

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip)
            setToolTip(m_toolTip());
        return QLabel::event(event);
    }

private:
    std::function<QString()> m_toolTip;
};
} // namespace

void MainWindow::createVerdictsLabel()
{
    m_labelEnginesFit = new LazyToolTipLabel([this] { return engineVerdictsToolTip(); }, this);
    m_labelEnginesFit->setObjectName(QStringLiteral("labelEnginesFit"));
    statusBar()->addPermanentWidget(m_labelEnginesFit);
}

AdFields MainWindow::currentAd() const
{
    return m_assetEditor->ad();
}

// Counts and checks the ad for the chosen engine, lists what its rules find under the fields,
// and tells for how many engines the ad fits. Returns the chosen engine's check, whose counts
// the counter labels show.
AdCheck MainWindow::checkCurrentAd()
{
    const AdFields ad = currentAd();
    const WordInProgress typing{m_typingField, m_typingWord};
    const AdCheck check = checkAd(currentEngine, ad, m_spelling.get(), &typing);
    mainForm->labelChecks->setText(problemsText(check.problems));
    markMisspeltWords();
    if (m_labelEnginesFit)
        m_labelEnginesFit->setText(fitSummaryText(
            summariseFit(m_catalogue, ad, m_spelling ? &m_spelling->userWords() : nullptr)));
    return check;
}

QString MainWindow::engineVerdictsToolTip() const
{
    // As rich text of our own: a finding that quotes "<b>" would otherwise make the tool tip
    // take the ad's words for markup and run its lines together.
    return Qt::convertFromPlainText(engineVerdictsText(m_catalogue, currentAd(), m_spelling.get()),
                                    Qt::WhiteSpacePre);
}
