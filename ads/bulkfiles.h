// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"

#include <QList>
#include <QString>
#include <QStringList>

// The layouts of ad files that import reads: which one a header row names, and how a row
// under it becomes an ad. The one mapping from column names to an ad's fields.

enum class DeckLayout {
    CopyDeck,  // our own: Title, Text, URL, Title 2.., Final URL, pins
    GoogleAds, // Google Ads Editor and Google's bulk-upload template
    Microsoft, // Microsoft Advertising bulk file
    Yandex,    // Yandex Direct Commander and its XLS interface
};

// The translated name of a layout, such as "Google Ads Editor".
QString deckLayoutName(DeckLayout layout);

// What one column of a header holds.
struct DeckColumn
{
    enum Kind : quint8 {
        Other,     // a column the program does not use: kept with the ad
        Key,       // the caller's own column (the sheet's ID)
        Type,      // the kind of row: ad, campaign, keyword...
        Title,     // title `index` (from 0)
        Text,      // text `index`
        TitleList, // a JSON list of titles with their pins, or one plain title
        TextList,  // the same for texts
        TitlePin,  // the position title `index` is pinned to
        TextPin,
        Url,      // the display URL as written
        FinalUrl, // where the ad leads
        Path,     // display path `index` (0 or 1), after the final URL's domain
    };
    Kind kind = Other;
    quint8 index = 0;
};

// A header row has at most this many columns; a wider one is refused.
constexpr int maxDeckColumns = 1024;

// What a header row names, column by column.
struct DeckColumns
{
    DeckLayout layout = DeckLayout::CopyDeck;
    QStringList header;        // the cells as written
    QList<DeckColumn> columns; // one for each header cell
    int adColumns = 0;         // columns naming a title, text, URL, final URL or path
    bool hasTitle = false;     // a column names a title
    bool hasType = false;      // a column tells the kind of row
};

// The columns `header` names. A name written twice (Yandex's workbook repeats its titles in a
// block of its own) is read the first time and kept as an other column after. Columns of
// different names for one field (`Final Url` and `Destination Url`, each for its own kind of
// row) are all read: a filled cell of a later one wins. A column named `keyColumn` (compared as the
// rest, without case and spaces) is the caller's. `Description Line 1/2` are texts unless the
// header names numbered headlines: then they belong to sitelinks.
DeckColumns deckColumns(const QStringList &header, const QString &keyColumn = {});

enum class DeckRow {
    Blank, // every cell empty
    Ad,
    NotAd, // text, but its type says it is no ad, or no ad field holds any
};

// Reads the row `cells` (as many as the header names at most; missing ones are empty) under
// `columns` into `ad`, and the key column's cell into `key`. " -" and "[]" read as empty in the
// ad's fields. Every other column is kept in the ad's otherColumns, empty ones included. For
// Google and Microsoft a row without a display URL gets the final URL's domain (without
// scheme and "www.") followed by "/Path 1/Path 2".
DeckRow readDeckRow(const DeckColumns &columns,
                    const QStringList &cells,
                    AdFields &ad,
                    QString *key = nullptr);

// The translated list of the column names accepted for each field, one field a line.
QString acceptedColumnsText();

// A header as columns are told apart, read and written: without case and spaces.
QString headerKey(const QString &header);
