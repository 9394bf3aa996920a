// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules.h"
#include "engines/enginefile.h"

#include <QList>
#include <QString>

class Spelling;
struct WordInProgress;

// One ad measured and checked against one engine's limits and rules.

enum class Severity { Warning, Error };

// One thing to say about one field of an ad: a count over its limit, or a problem an engine's
// rules or the spelling found.
struct Finding
{
    AdField field = AdField::Title;
    Severity severity = Severity::Error;
    QString message; // translated, without the field's name
    int index = 0;   // which title or text, from 0 for title 1 and text 1
};

enum class FieldNaming {
    Translated,   // as the program's texts name it
    Untranslated, // as headers and the checker write it
};

// The name of a field: "Title", "Text", "URL", "Final URL" or "Ad".
QString fieldName(AdField field, FieldNaming naming = FieldNaming::Translated);

// The name of title or text `index`: "Title" and "Text" for the first, then "Title 2" to
// "Title 15" and "Text 2" to "Text 4"; other fields as fieldName.
QString fieldName(AdField field, int index, FieldNaming naming = FieldNaming::Translated);

// A field's count as the engine counts it, against its limit.
struct FieldCount
{
    int count = 0;
    int limit = 0;
    // Translated; for a field over its limit, why `count` differs from the plain length, else
    // empty. measureField explains any field.
    QString explanation;
};

enum class Verdict {
    Fits,       // no field over its limit, no problem
    Warnings,   // no field over its limit, warnings only
    DoesNotFit, // a field over its limit, or an error
};

struct AdCheck
{
    FieldCount title; // title 1
    FieldCount text;  // text 1
    FieldCount url;
    QList<FieldCount> moreTitles; // titles 2 on, one for each of the ad's
    QList<FieldCount> moreTexts;  // texts 2 on
    QList<Finding> problems;
    Verdict verdict = Verdict::Fits;

    const FieldCount &count(AdField field) const { return count(field, 0); }
    // How many titles or texts were counted; 1 for the URL, 0 for other fields.
    int assets(AdField field) const
    {
        return field == AdField::Title  ? 1 + int(moreTitles.size())
               : field == AdField::Text ? 1 + int(moreTexts.size())
               : field == AdField::URL  ? 1
                                        : 0;
    }
    // The count of title or text `index` (from 0); the URL's at 0. An empty count past the
    // ad's assets.
    const FieldCount &count(AdField field, int index) const;
};

// The limit of title or text `index` (from 0) under `engine`, whose rules are `rules`: the
// profile's limit, or the rules' own for later titles (Yandex's title 2).
int assetLimit(const EngineProfile &engine, Rules rules, AdField field, int index);

// Counts and checks `ad` as the engine whose stored values are `engine` would. With `spelling`,
// its user's words pass the capitals checks and each misspelt word is a warning, after the
// engine's own problems of its field; spelling never makes an ad not fit. The word `typing` is
// not judged yet.
AdCheck checkAd(const EngineProfile &engine,
                const AdFields &ad,
                const Spelling *spelling = nullptr,
                const WordInProgress *typing = nullptr);
