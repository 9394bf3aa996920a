// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/rules/list.h"

#include <QList>
#include <QString>
#include <QStringList>

// How an engine counts its fields and which dynamic text it understands. A profile names its
// rules in <rules value="..."/>; plain counts every UTF-16 code unit, as the program always has.
// Each has a file of its own in ads/rules/ and a line in ads/rules/list.h.
#define VELLUMO_RULES_ENUMERATOR(name, identifier) name,
enum class Rules { VELLUMO_RULE_SETS(VELLUMO_RULES_ENUMERATOR) };
#undef VELLUMO_RULES_ENUMERATOR

// The rules a profile's stored value names: missing, empty or unknown values are Plain.
Rules rulesNamed(const QString &name);

// The value stored for `rules`: "plain", "google", "microsoft", "yandex" or "baidu".
QString rulesIdentifier(Rules rules);

// Every rule set, Plain first.
QList<Rules> allRules();

// One piece of a field as the engine shows it: one character, or one dynamic code shown as
// its default, which is never split. `end` is where it ends in FieldMeasure::shown.
struct ShownPiece
{
    qsizetype end = 0;
    int weight = 0; // what the piece adds to the engine's count
};

enum class DynamicKind {
    Default,   // {KeyWord:default}, {CUSTOMIZER.Name:default}, {LOCATION(City):default}, {default}
    If,        // {=IF(condition,text):default}
    Countdown, // {=COUNTDOWN(...)}, {=GLOBAL_COUNTDOWN(...)}
    Template,  // Yandex #phrase#
};

// A dynamic code as typed.
struct DynamicCode
{
    QString code; // the whole code as typed, braces or # signs included
    DynamicKind kind = DynamicKind::Default;
    bool hasDefault = true;
};

// A field counted as its engine counts it, with what went into the count.
struct FieldMeasure
{
    int count = 0;       // the engine's count
    int plainLength = 0; // UTF-16 code units as typed
    // The field as the engine shows it when it has nothing better than the defaults: dynamic
    // codes replaced by their default text, a countdown as "5 days", Yandex templates without
    // their # signs, a display URL or link as the engine writes it.
    QString shown;
    // The pieces of `shown` with their weights, from measureFieldPieces only; under plain rules
    // a piece weighs its code units.
    QList<ShownPiece> pieces;

    int doubleWidth = 0;   // characters counted 2 (double-width scripts, emoji where they count 2)
    int narrowFree = 0;    // Yandex narrow punctuation marks not counted
    int narrowMarks = 0;   // Yandex narrow punctuation marks in all
    int dynamicCodes = 0;  // dynamic codes counted by what they show, not as typed
    int templateSigns = 0; // Yandex # signs not counted
    QString domain;        // the display URL's domain, not counted (Google, Microsoft)
    QStringList paths;     // the display URL's paths after the domain (Google, Microsoft)
    int linkDropped = 0;   // characters the Yandex display link leaves out or merges
    int index = 0;         // which title or text was measured, from 0

    QList<DynamicCode> codes;   // the dynamic codes found, in order
    bool unclosedBrace = false; // a "{" that no "}" closes
    bool unpairedHash = false;  // a Yandex "#" without its partner
    bool dynamicInURL = false;  // dynamic text where the engine allows none

    // Translated lines saying why `count` differs from `plainLength` (and, for Yandex titles,
    // how the API counts); empty when nothing differs.
    QString explanation;
};

// The one measure of a field: `text` in `field` (title or text number `index` + 1), counted and
// shown by `rules`; `pieces` is left empty.
FieldMeasure measureField(Rules rules, AdField field, const QString &text, int index = 0);

// The explanation measureField gives, for a measure of measureFieldUnexplained.
QString explanationOf(Rules rules, AdField field, const FieldMeasure &m);

// What one engine's ads are made of, from its rules: how many titles and texts an ad takes,
// how many the engine shows at once and how it joins them, and where they may be pinned.
struct AssetFormat
{
    int minTitles = 1;
    int maxTitles = 1;
    int minTexts = 1;
    int maxTexts = 1;
    int shownTitles = 1; // shown at once, at most
    int shownTexts = 1;
    int titlePins = 0; // positions a title may be pinned to (1 to titlePins); 0: no pins
    int textPins = 0;
    // The limit of every title after the first when the engine sets one of its own (Yandex's
    // title 2); 0: the profile's title limit applies to each.
    int moreTitlesLimit = 0;
    QString titleJoin = QStringLiteral(" "); // between shown titles
    QString textJoin = QStringLiteral(" ");  // between shown texts
    bool wantsFinalURL = false;              // a missing final URL is worth a warning
};

// The format of `rules`: one title and one text for plain and Baidu, three to fifteen titles
// and two to four texts for Google and Microsoft, title 1 and an optional title 2 for Yandex.
const AssetFormat &assetFormat(Rules rules);

// An ad's fields, each measured once (unexplained).
struct AdMeasure
{
    FieldMeasure title;
    FieldMeasure text;
    FieldMeasure url;
    QList<FieldMeasure> moreTitles; // titles 2 on
    QList<FieldMeasure> moreTexts;  // texts 2 on

    const FieldMeasure &operator[](AdField field) const { return at(field, 0); }
    // Title or text `index` (from 0); the URL at 0.
    const FieldMeasure &at(AdField field, int index) const;
    // How many titles or texts were measured; 1 for the URL.
    int assets(AdField field) const
    {
        return field == AdField::Title  ? 1 + int(moreTitles.size())
               : field == AdField::Text ? 1 + int(moreTexts.size())
                                        : 1;
    }
};

// The fields of `ad` that the engine of `rules` takes, each measured once: titles and texts past
// its format's most are left out, since the engine never shows them.
AdMeasure measureAd(Rules rules, const AdFields &ad);

// measureField's count alone, with nothing translated.
int countField(Rules rules, AdField field, const QString &text, int index = 0);

// measureField without the explanation, the one part that needs translating.
FieldMeasure
measureFieldUnexplained(Rules rules, AdField field, const QString &text, int index = 0);

// measureField with the pieces of `shown`, as the preview cuts and breaks them, and without
// the explanation.
FieldMeasure measureFieldPieces(Rules rules, AdField field, const QString &text, int index = 0);

// The engine's count of `text` alone, as a piece of a field with no dynamic text (used for the
// appended ellipsis and the example values).
int weightOf(Rules rules, const QString &text);
