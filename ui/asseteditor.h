// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules.h"

#include <QWidget>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The ad's titles and texts beside the form (in a dock of the main window): title 1 and text 1 are
// the form's own fields, the others rows of their own with a pin and a counter, and the final URL.
// It shows what the chosen engine takes; assets it does not take stay and are marked as not used.
// Its widgets are made once and only shown or hidden, so typing never rebuilds them.
//
// Keys in any title or text field, the form's included: Alt+Up and Alt+Down move it, Alt+Delete
// removes it; Ctrl+T adds a title and Ctrl+Shift+T a text; Alt+PgUp and Alt+PgDown step through
// the preview's combinations.
class AssetEditor : public QWidget
{
    Q_OBJECT

public:
    // `title`, `text` and `url` are the form's fields: title 1, text 1 and the display URL.
    AssetEditor(QLineEdit *title, QLineEdit *text, QLineEdit *url, QWidget *parent);

    // Every asset: the form's fields, the rows, the pins, the final URL and the columns an
    // import brought along. Blank rows at the end are left out.
    AdFields ad() const;
    // Shows `ad` in the form's fields and the rows.
    void setAd(const AdFields &ad);
    // Shows as many rows as the engine whose format is `format` takes or the ad holds.
    void setFormat(const AssetFormat &format);

    // How many titles or texts have a field now, title 1 and text 1 included.
    int rows(AdField field) const;
    // The field of title or text `index` (the form's for 0), or null past the rows.
    QLineEdit *edit(AdField field, int index) const;
    // The counter of title or text `index` from 1, or null.
    QLabel *counter(AdField field, int index) const;

    // The edits the keys above make; each ends with assetsChanged.
    void addAsset(AdField field);
    void removeAsset(AdField field, int index);
    void moveAsset(AdField field, int from, int to);

    QGroupBox *groupBoxAssets;
    QGridLayout *gridLayoutAssets;
    QPushButton *pushButtonAddTitle;
    QPushButton *pushButtonAddText;
    QLabel *labelFinalURL;
    QLineEdit *lineEditFinalURL;
    // Steps through the combinations the preview shows; shown when there is more than one.
    QPushButton *pushButtonPreviousCombination;
    QLabel *labelCombination;
    QPushButton *pushButtonNextCombination;

signals:
    // Text typed into title or text `index` from 1, or into the final URL (FinalURL, 0).
    void assetEdited(AdField field, int index);
    // Assets added, removed, moved or pinned, or a whole ad or format set.
    void assetsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row
    {
        QLabel *caption = nullptr;
        QLineEdit *edit = nullptr; // the form's field for title 1 and text 1
        QComboBox *pin = nullptr;
        QLabel *counter = nullptr; // none for title 1 and text 1: the form has theirs
        QLabel *inForm = nullptr;  // title 1 and text 1 only: where they are typed
    };
    QList<Row> &rowsOf(AdField field);
    const QList<Row> &rowsOf(AdField field) const;
    void addRows(AdField field, int count, int positions, int firstGridRow);
    // Shows `ad` with at least `titleRows` and `textRows` rows, then tells assetsChanged.
    void showAd(const AdFields &ad, int titleRows, int textRows);
    void showRows();
    void focusAsset(AdField field, int index);
    void retranslateUi();

    QList<Row> m_titles;
    QList<Row> m_texts;
    int m_titleRows = 1;
    int m_textRows = 1;
    AssetFormat m_format;
    QLineEdit *m_url;
    QList<std::pair<QString, QString>> m_otherColumns;
};
