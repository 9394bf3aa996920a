// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// An XLSX workbook is a zip container of XML parts: the workbook lists its sheets, each sheet
// holds rows of cells, and text cells mostly point into one table of shared strings. Reading
// is bounded whatever the container claims: each part stops at a cap on what it unpacks to,
// a row at 16,384 columns, a cell at maxCopyDeckFieldBytes.

// Whether `head` (the first bytes of a file) starts a zip container, as XLSX files do.
bool looksLikeZip(QByteArrayView head);

using XlsxRowSink = std::function<void(int row, const QStringList &cells)>;

// Reads one worksheet of the XLSX workbook in `device` (opened or not): the sheet named
// `preferredSheet` when the workbook has one (case aside, as spreadsheets compare sheet names),
// else the first in the workbook's order. Calls `sink` for each row that has a cell, in order,
// with the row number as the spreadsheet shows it (1 = first row) and its cells by column
// (A = 0), missing cells empty, shared strings, inline strings, numbers and booleans as their
// text. Cells without text (only a style) count as missing: a row of them is left out, and
// the cells end with the last that has text.
// Returns an empty string when the sheet was read, else a translated reason that says what to
// do (for example "The file is not an XLSX workbook: save it as XLSX or CSV and import it
// again."); the rows before the fault have then been handed on already.
QString
scanXlsx(QIODevice *device, const XlsxRowSink &sink, const QString &preferredSheet = QString());
// The same for the regular file at `path`, read into memory first (at most 128 MB).
QString scanXlsxFile(const QString &path,
                     const XlsxRowSink &sink,
                     const QString &preferredSheet = QString());
