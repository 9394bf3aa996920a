// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

class QTimer;

// The ad sheet's table: the ad's own columns share the width that the verdict columns leave,
// each keeping at least its default width.
class AdSheetView : public QTableView
{
    Q_OBJECT

public:
    static constexpr int textColumnWidth = 110;

    explicit AdSheetView(QWidget *parent = nullptr);

    // Gives the title, text and URL columns the spare width, the text twice the others.
    void fitTextColumns();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // Resizing many engine columns in a row fits the text columns once, after them.
    QTimer *m_fitTimer = nullptr;
};
