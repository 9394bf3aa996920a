// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "engines/enginefile.h"
#include "engines/filewriter.h"

#include <QList>
#include <QString>

// Ads written in the layouts the engines' own editors import. Each writer keeps the ads'
// other columns (campaign, ad group, status and so on) after its own, and is atomic: on
// failure any old file stays as it was.

enum class ExportFormat {
    CopyDeck,        // our copy deck with every engine's counts and findings (writeCopyDeck)
    GoogleAdsEditor, // responsive search ads for Google Ads Editor
    YandexCommander, // text ads for Yandex Direct Commander
    MicrosoftBulk,   // responsive search ads for a Microsoft Advertising bulk upload
};

// The file name extension of `format`, without the dot: "csv" or "tsv".
QString exportExtension(ExportFormat format);

// `path` with the extension of `format` added when its file name has none.
QString withExportExtension(const QString &path, ExportFormat format);

// How many of the ads' titles and texts, not empty, `format` has no place for (Yandex takes
// two titles and one text; the others take everything).
int assetsLeftOut(ExportFormat format, const QList<AdFields> &ads);

// Writes `ads` in `format`; `engines` matter to the copy deck only.
bool writeAds(ExportFormat format,
              const QString &path,
              const QList<AdFields> &ads,
              const QList<EngineProfile> &engines = {},
              const FileWriter &write = writeFileAtomically);

// Google Ads Editor: UTF-8 with a byte order mark, comma-separated. Campaign, Ad group (from
// the ads' other columns, empty when none), Ad type ("Responsive search ad" unless the ad
// names its own), Headline 1 .. 15 each followed by "Headline N position", Description 1 .. 4
// with positions (pins as 1 to 3, else empty), Path 1 and Path 2 (the URL's first and further
// path after its domain), Final URL, then the other columns.
bool writeGoogleAdsEditorFile(const QString &path,
                              const QList<AdFields> &ads,
                              const FileWriter &write = writeFileAtomically);

// Yandex Direct Commander: UTF-8 without a byte order mark, tab-separated. "Заголовок 1",
// "Заголовок 2", "Текст", "Ссылка" (the final URL), "Отображаемая ссылка" (the URL), then
// the other columns.
bool writeCommanderFile(const QString &path,
                        const QList<AdFields> &ads,
                        const FileWriter &write = writeFileAtomically);

// Microsoft Advertising bulk file: UTF-8 with a byte order mark, comma-separated, Type first.
// A "Format Version" record (Name 6.0) comes first, then a "Responsive Search Ad" record per
// ad, whose Headline and Description hold JSON lists of {"text", "pinnedField"}; Path 1,
// Path 2 and Final Url as for Google.
bool writeMicrosoftBulkFile(const QString &path,
                            const QList<AdFields> &ads,
                            const FileWriter &write = writeFileAtomically);
