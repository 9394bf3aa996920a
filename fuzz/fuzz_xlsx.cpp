// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as an XLSX workbook: reading ends, with a reason or without, and the rows it
// hands on are in order, within the sheet's bounds, and hold no cell over the field limit.
#include "ads/copydeck.h"
#include "ads/xlsx.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void check(bool ok, const char *what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz_xlsx: %s\n", what);
    std::abort();
}
} // namespace

// QuaZip seeks wherever a damaged directory points, and QBuffer warns of each such seek; the
// warnings would fill the log and slow the fuzzer down.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    int lastRow = 0;
    const QString reason = scanXlsx(
        &buffer,
        [&](int row, const QStringList &cells) {
            check(row > lastRow && row <= 1048576, "rows out of order or past the last");
            lastRow = row;
            check(!cells.isEmpty() && cells.size() <= 16384, "a row of no or too many cells");
            check(!cells.constLast().isEmpty(), "an empty cell ends a row");
            for (const QString &cell : cells)
                check(cell.toUtf8().size() <= maxCopyDeckFieldBytes, "a cell over the limit");
        },
        QStringLiteral("Тексты"));
    check(!buffer.isOpen(), "the device left open");
    check(looksLikeZip(bytes) || !reason.isEmpty(), "a file that is no zip read as a workbook");
    return 0;
}
