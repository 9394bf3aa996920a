// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// What a template asks of Qt's rich-text layout. Measured at a preview width of 700 pixels
// (Qt 6.4, CPU time of setHtml and layout; README, "What a template may load and lay out"):
// lists, block quotes, divisions, paragraphs and inline elements nested 1000 deep cost what
// the same elements side by side cost, but every table inside a table multiplies the layout
// time of everything in it: one cell nested 12 tables deep takes 70 ms, 16 deep about 1.5 s
// (wall time), 24 never ends, and a 32 KB template of one-cell tables two deep takes 47 ms.
// So the bound is on tables: how deeply they nest, and their cells and lines weighted by that.
struct TemplateLayout
{
    int depth = 0;        // the deepest nesting of elements
    int tableDepth = 0;   // the deepest nesting of tables in tables (1: a table)
    qint64 tableWork = 0; // table cells (rows x columns) and lines of text inside tables,
                          // each weighted 2^(depth - 1) by the tables around it; a line
                          // counts a quarter of a cell
};

// Elements nested deeper than this are refused; real templates stay below 20.
constexpr int maxTemplateDepth = 64;
// Tables in tables in tables in tables: more than a layout template ever needs.
constexpr int maxTableDepth = 4;
// About 30 ms of layout on a desktop machine; a template of a few tables holds some dozens.
constexpr qint64 maxTableWork = 1000;

// Reads `html` the way Qt's rich-text parser does: a tag starts at every "<", end tags close
// the nearest open element of their name, and "<p>", "<li>", "<td>", "<th>" and "<tr>" close
// an open one of their kind.
TemplateLayout measureTemplateLayout(const QString &html);

// measureTemplateLayout, telling as well whether every one of `offsets` (ascending) falls in
// text outside any tag and any table.
TemplateLayout
measureTemplateLayout(const QString &html, const QList<qsizetype> &offsets, bool *inFreeText);

// Whether Qt lays out a template of this shape in bounded time.
bool isWithinLayoutBounds(const TemplateLayout &layout);

// What the preview shows instead of a template beyond the bounds (plain text).
QString templateBeyondBoundsMessage(const QString &engineName);
