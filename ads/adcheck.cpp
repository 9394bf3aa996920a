// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/adcheck.h"

AdCheck checkAd(const EngineValues &engine, const AdFields &ad)
{
    AdCheck check;
    check.title = {int(ad.title.size()), engine.limitTitle, QString()};
    check.text = {int(ad.text.size()), engine.limitText, QString()};
    check.url = {int(ad.url.size()), engine.limitURL, QString()};
    const bool over = check.title.count > check.title.limit || check.text.count > check.text.limit
                      || check.url.count > check.url.limit;
    check.verdict = over ? Verdict::DoesNotFit : Verdict::Fits;
    return check;
}
