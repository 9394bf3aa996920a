// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/adcheck.h"
#include "ads/bulkfiles.h"
#include "engines/enginefile.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// A copy deck is a spreadsheet of ads saved as CSV or TSV: a header row names the columns,
// every further row is one ad. Rows are numbered as a spreadsheet shows them: the first
// record of the file is row 1, a record with line breaks inside quotes is one row.

// A field longer than this (in bytes) makes its row unreadable; it also bounds what one row
// can cost, whatever the file holds.
constexpr qsizetype maxCopyDeckFieldBytes = 64 * 1024;

// Why a row could not be read.
enum class RowProblem {
    StrayQuote,    // a quotation mark inside a field that is not quoted, or after a closing one
    UnclosedQuote, // a quoted field that never ends (or runs on past maxCopyDeckFieldBytes)
    FieldTooLong,  // a field over maxCopyDeckFieldBytes
    TooManyCells,  // text in more cells than the header names
    NotUtf8,       // bytes that are not UTF-8 text
};

struct UnreadableRow
{
    int row = 0;
    RowProblem problem = RowProblem::StrayQuote;

    friend bool operator==(const UnreadableRow &, const UnreadableRow &) = default;
};

// The translated reason, for example "a quoted field never ends".
QString rowProblemText(RowProblem problem);

// Why a whole file could not be read.
enum class CopyDeckProblem {
    None,
    Unopenable,     // missing, a folder, no permission
    TooLarge,       // over the size the caller allows
    NoHeader,       // no row names a Title, Text or URL column
    TooManyColumns, // a header of more than maxDeckColumns columns
    NoAds,          // no row is an ad
    NotReadable,    // a workbook that cannot be read (the report's detail says why)
};

// What reading a copy deck found besides the ads.
struct CopyDeckReport
{
    CopyDeckProblem problem = CopyDeckProblem::None;
    char separator = ',';
    int headerRow = 0; // 0 when there is none
    int rows = 0;      // records in the file, blank ones included
    QList<UnreadableRow> unreadable;
    DeckLayout layout = DeckLayout::CopyDeck;
    // The header's cells; without a header, the first row's, for telling the user what the
    // file holds.
    QStringList headerCells;
    bool hasTitleColumn = false;
    int ads = 0;
    int notAds = 0; // rows with text that are no ad: campaigns, keywords, sitelinks...
    QString detail; // more on the problem, as the workbook reader gives it

    bool isReadable() const { return problem == CopyDeckProblem::None; }
};

// The translated reason why a file could not be read at all; empty when it could.
QString copyDeckProblemText(CopyDeckProblem problem);

// The translated reason with how to go on: for a file without a header or ads, the columns
// found and the names accepted for each field (acceptedColumnsText).
QString cannotReadText(const CopyDeckReport &report);

// The translated notice for a file with ads but no title column, naming the columns found.
QString noTitleColumnText(const CopyDeckReport &report);

using AdSink = std::function<void(int row, const AdFields &ad)>;
// An ad with the cell of the column the caller asked for besides the ad's own (empty when the
// file has no such column).
using KeyedAdSink = std::function<void(int row, const AdFields &ad, const QString &key)>;
using UnreadableSink = std::function<void(const UnreadableRow &row)>;

// Reads a copy deck or an engine's bulk file (see bulkfiles.h) from `bytes`: an XLSX workbook
// (by its content, its sheet "Тексты" if it has one), or text in UTF-8 with or without a
// byte order mark, or UTF-16 with one. The header is the first row that names an ad's field
// (comment lines "#..." and rows of settings may come before); the separator (tab,
// semicolon or comma) is the one under which it names the most. Calls `sink` for every ad in
// file order; rows that are no ad (see readDeckRow) are counted in the report. A file
// without ads is NoAds. A malformed row is reported and reading goes on with
// the line after the one it starts on, so that no good row is lost: a quote that never
// closes costs only the line it opens on. Missing cells read as empty; cells past the
// header's columns must be empty. `unreadable` hears of each row that cannot be read as it is met;
// the report lists them all too.
CopyDeckReport
scanCopyDeck(QByteArrayView bytes, const AdSink &sink, const UnreadableSink &unreadable = {});

// scanCopyDeck over the file at `path`, mapped rather than read where the system allows, so
// that memory holds the file once at most. Files over `maxBytes` are not read.
CopyDeckReport scanCopyDeckFile(const QString &path,
                                const AdSink &sink,
                                qint64 maxBytes = -1,
                                const UnreadableSink &unreadable = {});

// scanCopyDeckFile that also hands each ad's cell in the column headed `keyColumn` (compared
// as the ad's headers are). The column does not make a header: a file must still name one of
// the ad's fields. A file without ads is no problem here (an empty sheet).
CopyDeckReport
scanKeyedCopyDeckFile(const QString &path, const QString &keyColumn, const KeyedAdSink &sink);

// The rows of a spreadsheet, as its reader hands them over: cells by column from 0.
using CellRowSink = std::function<void(int row, const QStringList &cells)>;
// A reader that hands `sink` every row of its file and returns why it could not read it all,
// or an empty string.
using RowSource = std::function<QString(const CellRowSink &sink)>;

// scanCopyDeck over the rows `source` gives, such as an XLSX sheet's: the header may follow
// rows of settings. In a Yandex sheet without a type column, the first row after the header
// explains the columns when it has no link, and is counted as no ad. A row with text past the
// header's columns, or a cell over maxCopyDeckFieldBytes characters, is unreadable. A
// reader's error is NotReadable with its text as the report's detail.
CopyDeckReport scanCopyDeckRows(const RowSource &source,
                                const AdSink &sink,
                                const UnreadableSink &unreadable = {});

struct CopyDeck
{
    CopyDeckReport report;
    QList<AdFields> ads;
};

// Every ad of the copy deck at `path` (see scanCopyDeck).
CopyDeck readCopyDeck(const QString &path, qint64 maxBytes = -1);

// The translated name of a verdict: "fits", "warnings", "does not fit".
QString verdictText(Verdict verdict);

// Counts over their limits (field and title or text order), then the rules' problems as checkAd
// gives them.
QList<Finding> adFindings(const AdCheck &check);

// One record of a CSV or TSV file: fields quoted where they hold the separator, a quote or a
// line break; ends with "\r\n".
QByteArray copyDeckRecord(const QStringList &cells, char separator);

// One of the columns of imported files that the ads keep (AdFields::otherColumns): its header
// and, for a header an ad holds more than once, which of them (from 0).
struct OtherColumn
{
    QString header;
    int occurrence = 0;
};

// The other columns of `ads`, each once, in the order first met, without those whose header is
// in `written` (compared as headers are read: without case and spaces).
QList<OtherColumn> otherColumnsOf(const QList<AdFields> &ads, const QStringList &written);

// The cell of `ad` in `column`; empty when the ad has none.
QString otherCell(const AdFields &ad, const OtherColumn &column);

// Whether two headers name the same column (see headerKey).
bool sameHeader(const QString &a, const QString &b);

// Writes our copy deck: UTF-8 with a byte order mark (spreadsheets then read it as UTF-8),
// comma-separated. Columns Title, Text, URL; then Title 2 to Title 15 and Text 2 to Text 4, as
// many as the ads need; Final URL when an ad has one; "Title 1 pin" .. and "Text 1 pin" .. up
// to the last asset pinned, when an ad has a pin (cells 1 to 3, empty when not pinned); the
// ads' other columns; then per engine its three counts, its verdict and its findings. A deck of
// ads that hold only a title, a text and a URL is the three-column deck of old. The file is
// written when all ads are known, so that its columns fit them; nothing reaches `path` before
// commit() succeeds.
class CopyDeckWriter
{
public:
    CopyDeckWriter(const QString &path, const QList<EngineProfile> &engines);
    ~CopyDeckWriter();
    CopyDeckWriter(const CopyDeckWriter &) = delete;
    CopyDeckWriter &operator=(const CopyDeckWriter &) = delete;

    void add(const AdFields &ad);
    // Checks the ad against every engine unless the caller has: `checks` in engine order.
    void add(const AdFields &ad, const QList<AdCheck> &checks);
    // True when the whole file is in place.
    bool commit();

private:
    struct Private;
    Private *d;
};

// Writes `ads` as a copy deck (see CopyDeckWriter) with `write`, at once: for decks that fit
// in memory, such as the sheet. True when the whole file is in place;
// on failure any old file stays as it was.
bool writeCopyDeck(const QString &path,
                   const QList<AdFields> &ads,
                   const QList<EngineProfile> &engines = {},
                   const FileWriter &write = writeFileAtomically);

// Writes `ads` as writeCopyDeck does without engines, with one more column, last, headed
// `keyColumn` that holds `keys` (one for each ad, in order).
bool writeKeyedCopyDeck(const QString &path,
                        const QList<AdFields> &ads,
                        const QString &keyColumn,
                        const QStringList &keys,
                        const FileWriter &write = writeFileAtomically);
