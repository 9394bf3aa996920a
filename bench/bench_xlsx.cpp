// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a 60,000-row XLSX workbook (the most Yandex Direct's XLS interface takes) against
// unzipping its parts and walking their XML tokens, the least any reader built on the same
// libraries does; refusing a sheet that unpacks to 256 MB: the time it takes and the memory it
// adds; and the memory that the most shared strings their cap allows add. Times are processor
// time, best of 5.
#include "ads/xlsx.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QXmlStreamReader>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {
double cpuMs()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1000 + double(used.tv_nsec) / 1e6;
}

double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

double bestMs(const std::function<void()> &run)
{
    double best = 1e18;
    for (int i = 0; i < 5; ++i) {
        const double start = cpuMs();
        run();
        best = std::min(best, cpuMs() - start);
    }
    return best;
}

const QByteArray relType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

using Writer = std::function<void(QuaZipFile &)>;

// Writes the parts of a one-sheet workbook; the shared strings' items and the sheet come from
// the writers, in pieces.
QByteArray workbook(const Writer &writeStrings, const Writer &writeSheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdCreate);
    const auto part = [&](const QString &name, const std::function<void(QuaZipFile &)> &write) {
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
        write(file);
        file.close();
    };
    const auto text
        = [](const QByteArray &data) { return [data](QuaZipFile &file) { file.write(data); }; };
    part(QStringLiteral("_rels/.rels"),
         text("<Relationships><Relationship Id=\"1\" Type=\"" + relType
              + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"));
    part(QStringLiteral("xl/workbook.xml"),
         text("<workbook xmlns:r=\"" + relType
              + "\"><sheets><sheet name=\"Тексты\" r:id=\"1\"/></sheets></workbook>"));
    part(QStringLiteral("xl/_rels/workbook.xml.rels"),
         text("<Relationships><Relationship Id=\"1\" Type=\"" + relType
              + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"2\" Type=\""
              + relType + "/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"));
    part(QStringLiteral("xl/sharedStrings.xml"), [&](QuaZipFile &file) {
        file.write("<sst>");
        writeStrings(file);
        file.write("</sst>");
    });
    part(QStringLiteral("xl/worksheets/sheet1.xml"), writeSheet);
    zip.close();
    return bytes;
}

// 60,000 ads of ten columns: six shared strings (titles, texts, links; unique), two inline
// strings and two numbers a row.
QByteArray adsWorkbook()
{
    QByteArray strings, sheet = "<worksheet><sheetData>";
    int index = 0;
    for (int row = 1; row <= 60000; ++row) {
        const QByteArray r = QByteArray::number(row);
        sheet += "<row r=\"" + r + "\">";
        for (const char column : QByteArray("ABCDEF")) {
            strings += "<si><t>Пластиковые окна " + r + column + " — доставка и монтаж</t></si>";
            sheet += QByteArray("<c r=\"") + column + r + "\" t=\"s\"><v>"
                     + QByteArray::number(index++) + "</v></c>";
        }
        sheet += "<c r=\"G" + r + "\" t=\"inlineStr\"><is><t>-</t></is></c><c r=\"H" + r
                 + "\" t=\"inlineStr\"><is><t>Москва</t></is></c><c r=\"I" + r + "\"><v>" + r
                 + "</v></c><c r=\"J" + r + "\"><v>1.5</v></c></row>";
    }
    sheet += "</sheetData></worksheet>";
    return workbook([&](QuaZipFile &file) { file.write(strings); },
                    [&](QuaZipFile &file) { file.write(sheet); });
}

// Every part of the workbook unzipped and its XML walked token by token.
qint64 floorTokens(QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    zip.open(QuaZip::mdUnzip);
    qint64 tokens = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile file(&zip);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            ++tokens;
        }
    }
    return tokens;
}
} // namespace

int main()
{
    // The bomb first, while the peak memory is still that of the start.
    // Elements of 1 KB that the reader skips, the worst for time: they are read up to the cap.
    const QByteArray filler = ("<x a=\"" + QByteArray(1000, 'a') + "\"/>").repeated(1024);
    QByteArray bomb = workbook(
        [](QuaZipFile &file) { file.write("<si><t>x</t></si>"); },
        [&](QuaZipFile &file) {
            file.write("<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
            for (int i = 0; i < 256; ++i)
                file.write(filler);
            file.write("</sheetData></worksheet>");
        });
    const double before = peakMiB();
    QBuffer bombBuffer(&bomb);
    QString reason;
    const double bombMs
        = bestMs([&] { reason = scanXlsx(&bombBuffer, [](int, const QStringList &) {}); });
    const double added = peakMiB() - before;
    std::printf("bomb: %.1f KB zipped, refused in %.0f ms, %.0f MB of memory added: %s\n",
                double(bomb.size()) / 1024,
                bombMs,
                added,
                qPrintable(reason));

    // The most shared strings their cap holds: empty ones, each kept as an empty text.
    QByteArray strings = workbook(
        [](QuaZipFile &file) {
            const QByteArray empty = QByteArray("<si/>").repeated(1024 * 1024);
            for (int i = 0; i < 6; ++i)
                file.write(empty);
        },
        [](QuaZipFile &file) { file.write("<worksheet><sheetData/></worksheet>"); });
    const double beforeStrings = peakMiB();
    QBuffer stringsBuffer(&strings);
    const double stringsMs
        = bestMs([&] { scanXlsx(&stringsBuffer, [](int, const QStringList &) {}); });
    const double stringsAdded = peakMiB() - beforeStrings;
    std::printf(
        "6 million empty shared strings (30 MB): read in %.0f ms, %.0f MB of memory added\n",
        stringsMs,
        stringsAdded);

    QByteArray ads = adsWorkbook();
    int rows = 0;
    QBuffer adsBuffer(&ads);
    const double readMs = bestMs([&] {
        rows = 0;
        scanXlsx(&adsBuffer, [&](int, const QStringList &) { ++rows; });
    });
    qint64 tokens = 0;
    const double floorMs = bestMs([&] { tokens = floorTokens(ads); });
    std::printf("60,000 ads: %.1f MB zipped, %d rows in %.0f ms; floor %lld tokens in %.0f ms\n",
                double(ads.size()) / (1024 * 1024),
                rows,
                readMs,
                tokens,
                floorMs);
    std::printf("RATIO xlsx_60k %.2f target <= 1.5\n", readMs / floorMs);
    std::printf("RATIO xlsx_bomb_ms %.2f target <= 1000\n", bombMs);
    std::printf("RATIO xlsx_bomb_memory_mb %.2f target <= 16\n", added);
    std::printf("RATIO xlsx_strings_memory_mb %.2f target <= 64\n", stringsAdded);
    return rows == 60000 && !reason.isEmpty() ? 0 : 1;
}
