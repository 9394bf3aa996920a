// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/combinations.h"

#include <algorithm>

namespace {
// The shown positions of one field (titles or texts) and what may fill each.
struct Positions
{
    QList<QList<int>> pinned; // per position: the assets pinned to it, or none
    QList<int> free;          // the unpinned assets, in order
    qint64 count = 1;
};

Positions positionsOf(const AdFields &ad, AdField field, int maxAssets, int shown, int pins)
{
    Positions p;
    p.pinned.resize(std::max(shown, 1));
    QList<int> typed;
    const int assets = std::min(ad.count(field), maxAssets);
    for (int i = 0; i < assets; ++i) {
        if (!ad.at(field, i).isEmpty())
            typed.append(i);
    }
    // Nothing typed: the first asset stands in, as the preview shows its example value.
    if (typed.isEmpty())
        typed.append(0);
    if (pins == 0) {
        // Shown in order, never rotated.
        p.free = typed.mid(0, p.pinned.size());
        return p;
    }
    const int pinnable = std::min(pins, int(p.pinned.size()));
    for (const int i : typed) {
        const int position = ad.pin(field, i);
        if (position >= 1 && position <= pinnable)
            p.pinned[position - 1].append(i);
        else
            p.free.append(i);
    }
    qsizetype left = p.free.size();
    for (const QList<int> &here : std::as_const(p.pinned)) {
        if (!here.isEmpty())
            p.count *= here.size();
        else if (left > 0)
            p.count *= left--;
    }
    return p;
}

// Choice `n` of `p.count`: the first position is the most significant digit.
QList<int> choiceAt(Positions p, qint64 n)
{
    const qsizetype positions = p.pinned.size();
    QList<qint64> radix(positions, 1);
    qsizetype left = p.free.size();
    for (qsizetype i = 0; i < positions; ++i) {
        if (!p.pinned.at(i).isEmpty())
            radix[i] = p.pinned.at(i).size();
        else if (left > 0)
            radix[i] = left--;
        else
            radix[i] = 0; // nothing left to fill it
    }
    QList<qint64> digit(positions, 0);
    for (qsizetype i = positions - 1; i >= 0; --i) {
        if (radix.at(i) > 1) {
            digit[i] = n % radix.at(i);
            n /= radix.at(i);
        }
    }
    QList<int> chosen;
    for (qsizetype i = 0; i < positions; ++i) {
        if (!p.pinned.at(i).isEmpty())
            chosen.append(p.pinned.at(i).at(digit.at(i)));
        else if (radix.at(i) > 0)
            chosen.append(p.free.takeAt(digit.at(i)));
    }
    return chosen;
}

Positions titlePositions(const AdFields &ad, const AssetFormat &format)
{
    return positionsOf(ad, AdField::Title, format.maxTitles, format.shownTitles, format.titlePins);
}

Positions textPositions(const AdFields &ad, const AssetFormat &format)
{
    return positionsOf(ad, AdField::Text, format.maxTexts, format.shownTexts, format.textPins);
}
} // namespace

qint64 combinationCount(const AdFields &ad, const AssetFormat &format)
{
    return titlePositions(ad, format).count * textPositions(ad, format).count;
}

Combination combinationAt(const AdFields &ad, const AssetFormat &format, qint64 n)
{
    const Positions titles = titlePositions(ad, format);
    const Positions texts = textPositions(ad, format);
    if (n < 0 || n >= titles.count * texts.count)
        n = 0;
    // The titles change first as the user steps on.
    return {choiceAt(titles, n % titles.count), choiceAt(texts, n / titles.count)};
}
