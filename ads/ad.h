// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// The fields of one ad: titles and texts (its assets), the display URL and the final URL.
// FinalURL and Ad name findings only: Ad is the ad as a whole.
enum class AdField { Title, Text, URL, FinalURL, Ad };

// What any engine takes at most.
constexpr int maxAdTitles = 15;
constexpr int maxAdTexts = 4;

// Title or text `index` (from 0) of a record that keeps the first of each beside a list of the
// rest, as the ad, its measure and its check do; the URL at index 0; `none` past the end.
template<typename T>
const T &assetAt(AdField field,
                 int index,
                 const T &title,
                 const QList<T> &moreTitles,
                 const T &text,
                 const QList<T> &moreTexts,
                 const T &url,
                 const T &none)
{
    const auto pick = [&](const T &first, const QList<T> &more) -> const T & {
        return index == 0 ? first : index - 1 < more.size() ? more.at(index - 1) : none;
    };
    switch (field) {
    case AdField::Title:
        return pick(title, moreTitles);
    case AdField::Text:
        return pick(text, moreTexts);
    case AdField::URL:
        return index == 0 ? url : none;
    default:
        return none;
    }
}

struct AdFields
{
    // The form's three fields; everything else starts empty.
    AdFields(QString title = {}, QString text = {}, QString url = {})
        : title(std::move(title))
        , text(std::move(text))
        , url(std::move(url))
    {}

    QString title; // title 1, the form's title
    QString text;  // text 1, the form's text
    // The display URL: domain and paths for Google and Microsoft, the display link for Yandex.
    QString url;
    QStringList moreTitles; // titles 2 to 15 in order; an empty one keeps its place
    QStringList moreTexts;  // texts 2 to 4
    // The position each title (from title 1) is pinned to, 1 to 3, or 0; texts 1 to 2. The
    // lists may be shorter than the assets: missing pins are 0.
    QList<int> titlePins;
    QList<int> textPins;
    QString finalUrl; // where the ad leads
    // The cells of the columns of an imported file that the program does not use (campaign,
    // ad group, status and so on), by header in file order, written back by an export in the
    // same layout.
    QList<std::pair<QString, QString>> otherColumns;

    // Title 1, text 1, the URL or the final URL.
    const QString &operator[](AdField field) const { return at(field, 0); }

    // How many titles or texts the ad holds, empty ones within included: title 1 and text 1
    // always count.
    int count(AdField field) const
    {
        return field == AdField::Title  ? 1 + int(moreTitles.size())
               : field == AdField::Text ? 1 + int(moreTexts.size())
                                        : 1;
    }
    // Title or text `index` (from 0 for title 1); the URL and final URL at index 0; empty past
    // the end.
    const QString &at(AdField field, int index) const;
    // Sets title or text `index`, growing the list with empty ones as needed.
    void set(AdField field, int index, const QString &value);
    // The position title or text `index` is pinned to, or 0.
    int pin(AdField field, int index) const;
    void setPin(AdField field, int index, int position);
    // Whether the ad has more than the form's three fields: more titles or texts, a pin, a
    // final URL.
    bool hasMoreThanForm() const;

    // Field by field; written out because Qt 6.4 compares two empty lists of ints with memcmp
    // on a null pointer when only one of them was ever allocated.
    friend bool operator==(const AdFields &a, const AdFields &b);
};
