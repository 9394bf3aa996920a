// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
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
};

enum class FieldNaming {
    Translated,   // as the program's texts name it
    Untranslated, // as headers and the checker write it
};

// The name of a field: "Title", "Text" or "URL".
QString fieldName(AdField field, FieldNaming naming = FieldNaming::Translated);

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
    FieldCount title;
    FieldCount text;
    FieldCount url;
    QList<Finding> problems;
    Verdict verdict = Verdict::Fits;

    const FieldCount &count(AdField field) const
    {
        return field == AdField::Title ? title : field == AdField::Text ? text : url;
    }
};

// Counts and checks `ad` as the engine whose stored values are `engine` would. With `spelling`,
// its user's words pass the capitals checks and each misspelt word is a warning, after the
// engine's own problems of its field; spelling never makes an ad not fit. The word `typing` is
// not judged yet.
AdCheck checkAd(const EngineProfile &engine,
                const AdFields &ad,
                const Spelling *spelling = nullptr,
                const WordInProgress *typing = nullptr);
