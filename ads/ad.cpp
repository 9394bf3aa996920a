// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/ad.h"

#include <algorithm>

namespace {
const QString none;
} // namespace

const QString &AdFields::at(AdField field, int index) const
{
    if (field == AdField::FinalURL)
        return index == 0 ? finalUrl : none;
    return assetAt(field, index, title, moreTitles, text, moreTexts, url, none);
}

void AdFields::set(AdField field, int index, const QString &value)
{
    if (index == 0) {
        switch (field) {
        case AdField::Title:
            title = value;
            return;
        case AdField::Text:
            text = value;
            return;
        case AdField::URL:
            url = value;
            return;
        case AdField::FinalURL:
            finalUrl = value;
            return;
        case AdField::Ad:
            return;
        }
    }
    QStringList *list = field == AdField::Title  ? &moreTitles
                        : field == AdField::Text ? &moreTexts
                                                 : nullptr;
    if (!list || index < 0)
        return;
    while (list->size() < index)
        list->append(QString());
    (*list)[index - 1] = value;
}

int AdFields::pin(AdField field, int index) const
{
    const QList<int> &pins = field == AdField::Title ? titlePins : textPins;
    return (field == AdField::Title || field == AdField::Text) && index >= 0 && index < pins.size()
               ? pins.at(index)
               : 0;
}

void AdFields::setPin(AdField field, int index, int position)
{
    if ((field != AdField::Title && field != AdField::Text) || index < 0)
        return;
    QList<int> &pins = field == AdField::Title ? titlePins : textPins;
    if (position == 0 && index >= pins.size())
        return;
    while (pins.size() <= index)
        pins.append(0);
    pins[index] = position;
}

bool AdFields::hasMoreThanForm() const
{
    const auto pinned = [](const QList<int> &pins) {
        return std::any_of(pins.cbegin(), pins.cend(), [](int p) { return p != 0; });
    };
    return !moreTitles.isEmpty() || !moreTexts.isEmpty() || pinned(titlePins) || pinned(textPins)
           || !finalUrl.isEmpty();
}

namespace {
bool samePins(const QList<int> &a, const QList<int> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}
} // namespace

bool operator==(const AdFields &a, const AdFields &b)
{
    return a.title == b.title && a.text == b.text && a.url == b.url && a.moreTitles == b.moreTitles
           && a.moreTexts == b.moreTexts && samePins(a.titlePins, b.titlePins)
           && samePins(a.textPins, b.textPins) && a.finalUrl == b.finalUrl
           && a.otherColumns == b.otherColumns;
}
