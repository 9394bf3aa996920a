// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/asseteditor.h"

#include "ads/assetedits.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Pins the rows offer: any title to positions 1 to 3, any text to 1 to 2.
constexpr int titlePositions = 3;
constexpr int textPositions = 2;
// Grid rows: the titles, their Add button, the texts, theirs, the final URL.
constexpr int textsGridRow = maxAdTitles + 1;
constexpr int finalURLGridRow = textsGridRow + maxAdTexts + 1;

QString assetName(const char *kind, AdField field, int index)
{
    return QLatin1String(kind)
           + (field == AdField::Title ? QLatin1String("Title") : QLatin1String("Text"))
           + QString::number(index + 1);
}

// As many rows as the engine shows at once, within what it takes.
int defaultRows(int minimum, int shown, int maximum)
{
    return std::min(maximum, std::max(minimum, shown));
}
} // namespace

AssetEditor::AssetEditor(QLineEdit *title, QLineEdit *text, QLineEdit *url, QWidget *parent)
    : QWidget(parent)
    , m_url(url)
{
    setObjectName(QStringLiteral("assetEditor"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    groupBoxAssets = new QGroupBox(this);
    groupBoxAssets->setObjectName(QStringLiteral("groupBoxAssets"));
    outer->addWidget(groupBoxAssets);
    auto *boxLayout = new QVBoxLayout(groupBoxAssets);
    auto *scroll = new QScrollArea(groupBoxAssets);
    scroll->setObjectName(QStringLiteral("scrollAreaAssets"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boxLayout->addWidget(scroll);
    auto *steps = new QHBoxLayout();
    pushButtonPreviousCombination = new QPushButton(groupBoxAssets);
    pushButtonPreviousCombination->setObjectName(QStringLiteral("pushButtonPreviousCombination"));
    labelCombination = new QLabel(groupBoxAssets);
    labelCombination->setObjectName(QStringLiteral("labelCombination"));
    labelCombination->setAlignment(Qt::AlignCenter);
    pushButtonNextCombination = new QPushButton(groupBoxAssets);
    pushButtonNextCombination->setObjectName(QStringLiteral("pushButtonNextCombination"));
    steps->addWidget(pushButtonPreviousCombination);
    steps->addWidget(labelCombination, 1);
    steps->addWidget(pushButtonNextCombination);
    boxLayout->addLayout(steps);
    auto *inner = new QWidget(scroll);
    gridLayoutAssets = new QGridLayout(inner);
    gridLayoutAssets->setObjectName(QStringLiteral("gridLayoutAssets"));
    gridLayoutAssets->setSpacing(4);
    gridLayoutAssets->setColumnStretch(1, 1);
    gridLayoutAssets->setRowStretch(finalURLGridRow + 1, 1);
    scroll->setWidget(inner);

    m_titles.append({nullptr, title, nullptr, nullptr});
    m_texts.append({nullptr, text, nullptr, nullptr});
    addRows(AdField::Title, maxAdTitles, titlePositions, 0);
    addRows(AdField::Text, maxAdTexts, textPositions, textsGridRow);

    pushButtonAddTitle = new QPushButton(inner);
    pushButtonAddTitle->setObjectName(QStringLiteral("pushButtonAddTitle"));
    gridLayoutAssets->addWidget(pushButtonAddTitle, maxAdTitles, 1, Qt::AlignLeft);
    connect(pushButtonAddTitle, &QPushButton::clicked, this, [this] { addAsset(AdField::Title); });
    pushButtonAddText = new QPushButton(inner);
    pushButtonAddText->setObjectName(QStringLiteral("pushButtonAddText"));
    gridLayoutAssets->addWidget(pushButtonAddText, finalURLGridRow - 1, 1, Qt::AlignLeft);
    connect(pushButtonAddText, &QPushButton::clicked, this, [this] { addAsset(AdField::Text); });

    labelFinalURL = new QLabel(inner);
    labelFinalURL->setObjectName(QStringLiteral("labelFinalURL"));
    lineEditFinalURL = new QLineEdit(inner);
    lineEditFinalURL->setObjectName(QStringLiteral("lineEditFinalURL"));
    labelFinalURL->setBuddy(lineEditFinalURL);
    gridLayoutAssets->addWidget(labelFinalURL, finalURLGridRow, 0);
    gridLayoutAssets->addWidget(lineEditFinalURL, finalURLGridRow, 1, 1, 3);
    connect(lineEditFinalURL, &QLineEdit::textChanged, this, [this] {
        emit assetEdited(AdField::FinalURL, 0);
    });

    // Keyboard order: the form's fields first (the form sets theirs), then each row's field and
    // pin, the Add buttons after their rows, then the final URL.
    QWidget *previous = m_titles.at(0).pin;
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &rows = rowsOf(field);
        for (const Row &row : rows) {
            for (QWidget *next :
                 {static_cast<QWidget *>(row.edit), static_cast<QWidget *>(row.pin)}) {
                if (next != title && next != text && next != previous) {
                    setTabOrder(previous, next);
                    previous = next;
                }
            }
        }
        QWidget *add = field == AdField::Title ? pushButtonAddTitle : pushButtonAddText;
        setTabOrder(previous, add);
        previous = add;
    }
    setTabOrder(previous, lineEditFinalURL);
    setTabOrder(lineEditFinalURL, pushButtonPreviousCombination);
    setTabOrder(pushButtonPreviousCombination, pushButtonNextCombination);

    retranslateUi();
    // The scroll area scrolls up and down only: it is as wide as its rows need.
    scroll->setMinimumWidth(inner->minimumSizeHint().width()
                            + scroll->verticalScrollBar()->sizeHint().width());
    showRows();
}

void AssetEditor::addRows(AdField field, int count, int positions, int firstGridRow)
{
    QList<Row> &rows = rowsOf(field);
    QWidget *inner = gridLayoutAssets->parentWidget();
    for (int i = 0; i < count; ++i) {
        Row &row = i == 0 ? rows[0] : rows.emplace_back();
        row.caption = new QLabel(inner);
        row.caption->setObjectName(assetName("labelCaption", field, i));
        row.pin = new QComboBox(inner);
        row.pin->setObjectName(assetName("comboBoxPin", field, i));
        for (int p = 0; p <= positions; ++p)
            row.pin->addItem(QString());
        connect(row.pin, &QComboBox::currentIndexChanged, this, &AssetEditor::assetsChanged);
        gridLayoutAssets->addWidget(row.caption, firstGridRow + i, 0);
        gridLayoutAssets->addWidget(row.pin, firstGridRow + i, 2);
        if (i == 0) {
            // Title 1 and text 1 are typed in the form: their row only pins them.
            row.inForm = new QLabel(inner);
            row.inForm->setObjectName(assetName("labelInForm", field, i));
            row.inForm->setEnabled(false);
            gridLayoutAssets->addWidget(row.inForm, firstGridRow, 1);
            row.caption->setBuddy(row.pin);
        } else {
            row.edit = new QLineEdit(inner);
            row.edit->setObjectName(assetName("lineEdit", field, i));
            row.edit->setMaxLength(2300);
            row.edit->setMinimumWidth(row.edit->fontMetrics().averageCharWidth() * 24);
            row.counter = new QLabel(inner);
            row.counter->setObjectName(assetName("label", field, i));
            row.counter->setFrameShape(QFrame::Panel);
            row.counter->setFrameShadow(QFrame::Sunken);
            row.counter->setAlignment(Qt::AlignVCenter);
            // Wide enough for any count, so the rows never clip it.
            row.counter->setMinimumWidth(
                row.counter->fontMetrics().horizontalAdvance(QStringLiteral("9999 of 999 chars"))
                + 2 * row.counter->frameWidth() + 4);
            row.caption->setBuddy(row.edit);
            gridLayoutAssets->addWidget(row.edit, firstGridRow + i, 1);
            gridLayoutAssets->addWidget(row.counter, firstGridRow + i, 3);
            connect(row.edit, &QLineEdit::textChanged, this, [this, field, i] {
                emit assetEdited(field, i);
            });
        }
        row.edit->installEventFilter(this);
    }
}

QList<AssetEditor::Row> &AssetEditor::rowsOf(AdField field)
{
    return field == AdField::Title ? m_titles : m_texts;
}

const QList<AssetEditor::Row> &AssetEditor::rowsOf(AdField field) const
{
    return field == AdField::Title ? m_titles : m_texts;
}

int AssetEditor::rows(AdField field) const
{
    return field == AdField::Title ? m_titleRows : field == AdField::Text ? m_textRows : 0;
}

QLineEdit *AssetEditor::edit(AdField field, int index) const
{
    return index >= 0 && index < rows(field) ? rowsOf(field).at(index).edit : nullptr;
}

QLabel *AssetEditor::counter(AdField field, int index) const
{
    return index >= 1 && index < rows(field) ? rowsOf(field).at(index).counter : nullptr;
}

AdFields AssetEditor::ad() const
{
    // Read on every keystroke: the lists are built in one go.
    AdFields ad(m_titles.at(0).edit->text(), m_texts.at(0).edit->text(), m_url->text());
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &rows = rowsOf(field);
        QStringList &more = field == AdField::Title ? ad.moreTitles : ad.moreTexts;
        QList<int> &pins = field == AdField::Title ? ad.titlePins : ad.textPins;
        const int count = this->rows(field);
        more.reserve(count - 1);
        pins.reserve(count);
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                more.append(rows.at(i).edit->text());
            pins.append(rows.at(i).pin->currentIndex());
        }
    }
    ad.finalUrl = lineEditFinalURL->text();
    ad.otherColumns = m_otherColumns;
    return withoutTrailingBlanks(std::move(ad));
}

void AssetEditor::setAd(const AdFields &ad)
{
    showAd(ad, 1, 1);
}

void AssetEditor::showAd(const AdFields &ad, int titleRows, int textRows)
{
    m_otherColumns = ad.otherColumns;
    m_titleRows = std::clamp(std::max(ad.count(AdField::Title), titleRows), 1, maxAdTitles);
    m_textRows = std::clamp(std::max(ad.count(AdField::Text), textRows), 1, maxAdTexts);
    // The rows are set quietly: one assetsChanged follows. The form's fields speak for
    // themselves, since their counters follow them.
    QList<QObject *> quiet{this, lineEditFinalURL};
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &rows = rowsOf(field);
        for (int i = 0; i < rows.size(); ++i) {
            quiet.append(rows.at(i).pin);
            if (i > 0)
                quiet.append(rows.at(i).edit);
        }
    }
    for (QObject *object : std::as_const(quiet))
        object->blockSignals(true);
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &rows = rowsOf(field);
        for (int i = 0; i < rows.size(); ++i) {
            if (i > 0) {
                rows.at(i).edit->setText(ad.at(field, i));
                // Shown from its start, as the form's fields are.
                rows.at(i).edit->setCursorPosition(0);
            }
            const int pin = ad.pin(field, i);
            rows.at(i).pin->setCurrentIndex(pin < rows.at(i).pin->count() ? pin : 0);
        }
    }
    lineEditFinalURL->setText(ad.finalUrl);
    for (QObject *object : std::as_const(quiet))
        object->blockSignals(false);
    m_titles.at(0).edit->setText(ad.title);
    m_texts.at(0).edit->setText(ad.text);
    m_url->setText(ad.url);
    showRows();
    emit assetsChanged();
}

void AssetEditor::setFormat(const AssetFormat &format)
{
    m_format = format;
    // Blank rows of the engine before give way to the rows of this one.
    const AdFields held = ad();
    m_titleRows = held.count(AdField::Title);
    m_textRows = held.count(AdField::Text);
    showRows();
}

void AssetEditor::showRows()
{
    const AdFields held = ad();
    m_titleRows = std::max(
        m_titleRows, defaultRows(m_format.minTitles, m_format.shownTitles, m_format.maxTitles));
    m_textRows = std::max(m_textRows,
                          defaultRows(m_format.minTexts, m_format.shownTexts, m_format.maxTexts));
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &list = rowsOf(field);
        const int taken = field == AdField::Title ? m_format.maxTitles : m_format.maxTexts;
        const int pins = field == AdField::Title ? m_format.titlePins : m_format.textPins;
        for (int i = 0; i < list.size(); ++i) {
            const Row &row = list.at(i);
            const bool shown = i < rows(field);
            const bool used = i < taken;
            row.caption->setVisible(shown);
            row.caption->setEnabled(used);
            row.caption->setText(
                field == AdField::Title
                    ? (used ? tr("Title %1") : tr("Title %1 (not used)")).arg(i + 1)
                    : (used ? tr("Text %1") : tr("Text %1 (not used)")).arg(i + 1));
            row.caption->setToolTip(used ? QString() : tr("The chosen engine does not take it."));
            // A pin the engine does not take stays in the ad, out of sight.
            row.pin->setVisible(shown && pins > 0);
            if (i > 0) {
                row.edit->setVisible(shown);
                row.counter->setVisible(shown);
            } else {
                row.inForm->setVisible(shown);
            }
        }
    }
    pushButtonAddTitle->setEnabled(m_titleRows < m_format.maxTitles);
    pushButtonAddTitle->setVisible(m_format.maxTitles > 1);
    pushButtonAddText->setEnabled(m_textRows < m_format.maxTexts);
    pushButtonAddText->setVisible(m_format.maxTexts > 1);
    const bool finalURL = m_format.wantsFinalURL || !held.finalUrl.isEmpty();
    labelFinalURL->setVisible(finalURL);
    lineEditFinalURL->setVisible(finalURL);
    // An engine of one title and one text shows the form alone, unless the ad holds more.
    setVisible(m_format.maxTitles > 1 || m_format.maxTexts > 1 || finalURL
               || held.hasMoreThanForm());
}

void AssetEditor::addAsset(AdField field)
{
    int &count = field == AdField::Title ? m_titleRows : m_textRows;
    const int maximum = field == AdField::Title ? m_format.maxTitles : m_format.maxTexts;
    if (count >= maximum)
        return;
    ++count;
    showRows();
    focusAsset(field, count - 1);
    emit assetsChanged();
}

void AssetEditor::removeAsset(AdField field, int index)
{
    if (index < 0 || index >= rows(field))
        return;
    AdFields changed = ad();
    ::removeAsset(changed, field, index);
    // Blank rows the user added stay, less the one removed.
    const bool titles = field == AdField::Title;
    showAd(changed, titles ? m_titleRows - 1 : m_titleRows, titles ? m_textRows : m_textRows - 1);
    focusAsset(field, std::min(index, rows(field) - 1));
}

void AssetEditor::moveAsset(AdField field, int from, int to)
{
    if (from < 0 || to < 0 || from >= rows(field) || to >= rows(field) || from == to)
        return;
    const int shownRows = rows(field);
    AdFields changed = ad();
    // A blank row moved still counts.
    changed.set(field, shownRows - 1, changed.at(field, shownRows - 1));
    ::moveAsset(changed, field, from, to);
    showAd(withoutTrailingBlanks(changed), m_titleRows, m_textRows);
    focusAsset(field, to);
}

void AssetEditor::focusAsset(AdField field, int index)
{
    if (QLineEdit *target = edit(field, index))
        target->setFocus(Qt::ShortcutFocusReason);
}

bool AssetEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // While hidden (an engine of one title and one text) the form's fields keep their keys.
    if (key->modifiers() != Qt::AltModifier || isHidden())
        return QWidget::eventFilter(watched, event);
    for (const AdField field : {AdField::Title, AdField::Text}) {
        const QList<Row> &rows = rowsOf(field);
        for (int i = 0; i < this->rows(field); ++i) {
            if (rows.at(i).edit != watched)
                continue;
            switch (key->key()) {
            case Qt::Key_Up:
                moveAsset(field, i, i - 1);
                return true;
            case Qt::Key_Down:
                moveAsset(field, i, i + 1);
                return true;
            case Qt::Key_Delete:
                removeAsset(field, i);
                return true;
            default:
                return false;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AssetEditor::retranslateUi()
{
    const QString pinNames[]
        = {tr("Not pinned"), tr("Position 1"), tr("Position 2"), tr("Position 3")};
    for (const AdField field : {AdField::Title, AdField::Text}) {
        for (const Row &row : std::as_const(rowsOf(field))) {
            for (int p = 0; p < row.pin->count(); ++p)
                row.pin->setItemText(p, pinNames[p]);
            row.pin->setToolTip(tr("Shown only in this position"));
        }
    }
    m_titles.at(0).inForm->setText(tr("the form's Title"));
    m_texts.at(0).inForm->setText(tr("the form's Text"));
    pushButtonAddTitle->setText(tr("Add T&itle"));
    pushButtonAddTitle->setShortcut(tr("Ctrl+T"));
    pushButtonAddTitle->setToolTip(tr("Add a title (Ctrl+T). In a title, Alt+Up and Alt+Down "
                                      "move it, Alt+Delete removes it."));
    pushButtonAddText->setText(tr("Add Te&xt"));
    pushButtonAddText->setShortcut(tr("Ctrl+Shift+T"));
    pushButtonAddText->setToolTip(tr("Add a text (Ctrl+Shift+T). In a text, Alt+Up and Alt+Down "
                                     "move it, Alt+Delete removes it."));
    labelFinalURL->setText(tr("Final URL"));
    pushButtonPreviousCombination->setText(tr("<"));
    pushButtonPreviousCombination->setShortcut(tr("Alt+PgUp"));
    pushButtonPreviousCombination->setToolTip(tr("The previous combination (Alt+PgUp)"));
    pushButtonNextCombination->setText(tr(">"));
    pushButtonNextCombination->setShortcut(tr("Alt+PgDown"));
    pushButtonNextCombination->setToolTip(tr("The next combination (Alt+PgDown)"));
}
