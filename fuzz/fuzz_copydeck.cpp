// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a copy deck: reading ends, reports rows in order, and what it reads
// writes out and reads back unchanged.
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
        for (const QString *field : {&ad.title, &ad.text, &ad.url})
            check(field->size() <= maxCopyDeckFieldBytes, "a field over the limit");
        ads.append(ad);
    });
    check(lastRow <= report.rows, "an ad past the last row");
    for (const UnreadableRow &row : report.unreadable)
        check(row.row > report.headerRow && row.row <= report.rows, "odd unreadable row");
    if (!report.isReadable() || ads.size() > 200)
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
    check(back.ads == ads, "written ads read back changed");
    return 0;
}
