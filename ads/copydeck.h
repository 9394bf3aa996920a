// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ads/ad.h"
#include "ads/adcheck.h"
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

// Which ad field a header cell names, compared without case and spaces: Title, Headline,
// "Заголовок 1"; Text, Description, "Текст"; URL, Path, "Display URL", "Отображаемая ссылка".
std::optional<AdField> copyDeckColumn(const QString &headerCell);

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
    Unopenable, // missing, a folder, no permission
    TooLarge,   // over the size the caller allows
    NoHeader,   // no row names a Title, Text or URL column
};

// What reading a copy deck found besides the ads.
struct CopyDeckReport
{
    CopyDeckProblem problem = CopyDeckProblem::None;
    char separator = ',';
    int headerRow = 0; // 0 when there is none
    int rows = 0;      // records in the file, blank ones included
    QList<UnreadableRow> unreadable;

    bool isReadable() const { return problem == CopyDeckProblem::None; }
};

// The translated reason why a file could not be read at all; empty when it could.
QString copyDeckProblemText(CopyDeckProblem problem);

using AdSink = std::function<void(int row, const AdFields &ad)>;
// An ad with the cell of the column the caller asked for besides the ad's own (empty when the
// file has no such column).
using KeyedAdSink = std::function<void(int row, const AdFields &ad, const QString &key)>;
using UnreadableSink = std::function<void(const UnreadableRow &row)>;

// Reads a copy deck from `bytes`: UTF-8 with or without a byte order mark, or UTF-16 with
// one; the separator (tab, semicolon or comma) is the one under which the first non-blank
// row names the most columns. Calls `sink` for every ad in file order; a row whose title,
// text and URL are all empty is no ad. A malformed row is reported and reading goes on with
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
// the ad's fields.
CopyDeckReport
scanKeyedCopyDeckFile(const QString &path, const QString &keyColumn, const KeyedAdSink &sink);

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

// A header as columns are told apart: without case and spaces.
QString headerKey(const QString &header);

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
