// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/assetedits.h"

namespace {
bool isAsset(AdField field)
{
    return field == AdField::Title || field == AdField::Text;
}

template<typename List>
void trimEnd(List &list, const typename List::value_type &blank)
{
    while (!list.isEmpty() && list.constLast() == blank)
        list.removeLast();
}

// Title or text 1 and the rest as one list, and back.
QStringList allOf(const AdFields &ad, AdField field)
{
    return QStringList{ad.at(field, 0)} + (field == AdField::Title ? ad.moreTitles : ad.moreTexts);
}

QList<int> pinsOf(const AdFields &ad, AdField field)
{
    QList<int> pins;
    for (int i = 0; i < ad.count(field); ++i)
        pins.append(ad.pin(field, i));
    return pins;
}

void setAll(AdFields &ad, AdField field, QStringList values, QList<int> pins)
{
    trimEnd(pins, 0);
    ad.set(field, 0, values.takeFirst());
    (field == AdField::Title ? ad.moreTitles : ad.moreTexts) = values;
    (field == AdField::Title ? ad.titlePins : ad.textPins) = pins;
}

} // namespace

void moveAsset(AdFields &ad, AdField field, int from, int to)
{
    const int count = isAsset(field) ? ad.count(field) : 0;
    if (from < 0 || to < 0 || from >= count || to >= count || from == to)
        return;
    QStringList values = allOf(ad, field);
    QList<int> pins = pinsOf(ad, field);
    values.move(from, to);
    pins.move(from, to);
    setAll(ad, field, values, pins);
}

void removeAsset(AdFields &ad, AdField field, int index)
{
    const int count = isAsset(field) ? ad.count(field) : 0;
    if (index < 0 || index >= count)
        return;
    QStringList values = allOf(ad, field);
    QList<int> pins = pinsOf(ad, field);
    values.removeAt(index);
    pins.removeAt(index);
    if (values.isEmpty()) {
        values.append(QString());
        pins.append(0);
    }
    setAll(ad, field, values, pins);
}

AdFields withoutTrailingBlanks(AdFields ad)
{
    for (const AdField field : {AdField::Title, AdField::Text}) {
        QStringList &more = field == AdField::Title ? ad.moreTitles : ad.moreTexts;
        while (!more.isEmpty() && more.constLast().isEmpty() && ad.pin(field, more.size()) == 0)
            more.removeLast();
    }
    trimEnd(ad.titlePins, 0);
    trimEnd(ad.textPins, 0);
    return ad;
}
