// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a copy deck or an engine's bulk file (the dictionary and seeds give the
// layouts: JSON cells, UTF-16, row types): reading ends, reports rows in order, keeps every
// cell within its limit and every pin within its positions, and the title, text and URL it
// reads write out and read back unchanged.
#include "ads/copydeck.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz_copydeck: %s\n", what);
    std::abort();
}

// Lone surrogates do not survive UTF-8; they cannot come from a UTF-8 file, but a UTF-16 one
// may hold them.
bool encodable(const AdFields &ad)
{
    for (const QString *field : {&ad.title, &ad.text, &ad.url}) {
        if (QString::fromUtf8(field->toUtf8()) != *field)
            return false;
    }
    return true;
}

// The form's fields: what goes round our own deck whatever else the writer adds.
AdFields formFields(const AdFields &ad)
{
    return AdFields(ad.title, ad.text, ad.url);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<AdFields> ads;
    int lastRow = 0;
    const CopyDeckReport report = scanCopyDeck(bytes, [&](int row, const AdFields &ad) {
        check(row > lastRow, "rows out of order");
        lastRow = row;
        check(ad != AdFields(), "a blank row read as an ad");
        for (const QString *field : {&ad.title, &ad.text, &ad.url, &ad.finalUrl})
            check(field->size() <= maxCopyDeckFieldBytes, "a field over the limit");
        for (const QStringList *list : {&ad.moreTitles, &ad.moreTexts}) {
            for (const QString &asset : *list)
                check(asset.size() <= maxCopyDeckFieldBytes, "an asset over the limit");
        }
        for (const int pin : ad.titlePins)
            check(pin >= 0 && pin <= 3, "a title pinned outside 1 to 3");
        for (const int pin : ad.textPins)
            check(pin >= 0 && pin <= 2, "a text pinned outside 1 to 2");
        check(ad.otherColumns.size() < maxDeckColumns, "more columns than a header holds");
        if (formFields(ad) != AdFields())
            ads.append(formFields(ad));
    });
    check(lastRow <= report.rows, "an ad past the last row");
    check(!report.isReadable() || report.ads >= ads.size(), "ads miscounted");
    check(report.isReadable() || report.problem != CopyDeckProblem::None, "no reason given");
    for (const UnreadableRow &row : report.unreadable)
        check(row.row > report.headerRow && row.row <= report.rows, "odd unreadable row");
    if (!report.isReadable() || ads.isEmpty() || ads.size() > 200)
        return 0;
    for (const AdFields &ad : std::as_const(ads)) {
        if (!encodable(ad))
            return 0;
    }

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("deck.csv"));
    check(writeCopyDeck(path, ads), "cannot write");
    const CopyDeck back = readCopyDeck(path);
    check(back.report.isReadable() && back.report.unreadable.isEmpty(), "own file unreadable");
    QList<AdFields> again;
    for (const AdFields &ad : back.ads)
        again.append(formFields(ad));
    check(again == ads, "written ads read back changed");
    return 0;
}
