// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/copydeck.h"

#include "ads/xlsx.h"

#include <csv.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QStringConverter>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>

namespace {

// Spaces belong to the field: an ad's text is counted as it is written.
int noSpace(unsigned char)
{
    return 0;
}

constexpr unsigned char parserOptions = CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL;

// One libcsv parser for one separator, freed with its owner.
class Parser
{
public:
    explicit Parser(char separator)
        : m_separator(separator)
    {
        init();
    }
    ~Parser() { csv_free(&p); }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    void reset()
    {
        csv_free(&p);
        init();
    }

    csv_parser p;

private:
    void init()
    {
        csv_init(&p, parserOptions);
        csv_set_delim(&p, static_cast<unsigned char>(m_separator));
        csv_set_space_func(&p, noSpace);
        csv_set_blk_size(&p, 4096);
    }
    char m_separator;
};

// The start of the line after the one that holds `from` (after "\r\n", "\r" or "\n").
qsizetype nextLineStart(const char *data, qsizetype from, qsizetype end)
{
    for (qsizetype i = from; i < end; ++i) {
        if (data[i] == '\n')
            return i + 1;
        if (data[i] == '\r')
            return i + 1 < end && data[i + 1] == '\n' ? i + 2 : i + 1;
    }
    return end;
}

bool isBlank(const QStringList &cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](const QString &c) { return c.isEmpty(); });
}

// The rows after the header: ads to the sink, the rest counted.
struct DeckRows
{
    DeckColumns deck;
    const AdSink *sink = nullptr;
    const KeyedAdSink *keyedSink = nullptr;
    const UnreadableSink *onUnreadable = nullptr;
    // The first row after a workbook's header may explain the columns rather than hold an ad.
    bool maybeSubHeader = false;
    QList<UnreadableRow> unreadable;
    int ads = 0;
    int notAds = 0;
    AdFields ad;
    QString key;

    void row(int number, const QStringList &cells)
    {
        key.clear();
        const DeckRow kind = readDeckRow(deck, cells, ad, &key);
        if (kind == DeckRow::Blank)
            return;
        // Yandex's workbook explains its columns in the row under the header; an ad there has
        // a link. Other layouts have no such row: their first row may be an ad without a URL.
        const bool subHeader = std::exchange(maybeSubHeader, false)
                               && deck.layout == DeckLayout::Yandex && !deck.hasType
                               && ad.url.isEmpty() && ad.finalUrl.isEmpty();
        if (kind == DeckRow::NotAd || subHeader) {
            ++notAds;
            return;
        }
        ++ads;
        if (keyedSink)
            (*keyedSink)(number, ad, key);
        else
            (*sink)(number, ad);
    }

    void bad(const UnreadableRow &row)
    {
        maybeSubHeader = false;
        unreadable.append(row);
        if (onUnreadable && *onUnreadable)
            (*onUnreadable)(row);
    }
};

// A header row found, or the cells of the first row when none names an ad's field.
struct Header
{
    char separator = ',';
    int row = 0; // 0: none found
    bool tooWide = false;
    QStringList cells;
    DeckColumns deck;

    bool found() const { return row > 0; }
};

// Header search: whether the row `cells` is the header; keeps the first non-blank row's cells
// for a file that names none. Comment lines ("#...") before the header are passed over.
bool takeHeader(
    Header &header, int number, const QStringList &cells, bool tooWide, const QString &keyColumn)
{
    if (isBlank(cells) || cells.constFirst().startsWith(u'#'))
        return false;
    if (header.cells.isEmpty())
        header.cells = cells;
    DeckColumns deck = deckColumns(cells, keyColumn);
    if (deck.adColumns == 0 && !tooWide)
        return false;
    header.row = number;
    header.tooWide = tooWide;
    header.cells = cells;
    header.deck = std::move(deck);
    return true;
}

constexpr int maxRowsBeforeHeader = 64;

// One pass over the records of a file with one separator. Without rows it looks for the
// header and stops there; with rows it hands them every record after the header row.
struct Scan
{
    Scan(DeckRows *rows, const QString &keyColumn)
        : rows(rows)
        , keyColumn(keyColumn)
    {}

    DeckRows *rows = nullptr; // null: header mode
    QString keyColumn;
    Header header;
    bool done = false;

    int row = 0; // records finished so far
    int cell = 0;
    QStringList cells;
    bool tooWide = false;
    bool fieldTooLong = false;
    bool tooManyCells = false;
    bool notUtf8 = false;
    int previousEnd = 0;         // the character that ended the previous record
    bool endedLastEvent = false; // no field since the last record end
    bool endedInChunk = false;   // the same, within the chunk being parsed
    QStringDecoder decoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};

    QString decode(const char *data, size_t length)
    {
        QString text = decoder(QByteArrayView(data, qsizetype(length)));
        if (decoder.hasError()) {
            notUtf8 = true;
            decoder.resetState();
        }
        return text;
    }

    void field(const char *data, size_t length)
    {
        endedLastEvent = endedInChunk = false;
        const int column = cell++;
        if (rows && row + 1 <= header.row)
            return;
        if (column >= (rows ? rows->deck.columns.size() : maxDeckColumns)) {
            tooWide = !rows;
            tooManyCells = tooManyCells || length > 0;
            return;
        }
        if (length > size_t(maxCopyDeckFieldBytes)) {
            fieldTooLong = true;
            cells.append(QString());
            return;
        }
        cells.append(length > 0 ? decode(data, length) : QString());
    }

    void recordEnd(int c)
    {
        // "\r\n" ends one record, not a record and a blank one.
        if (c == '\n' && previousEnd == '\r' && cell == 0 && endedLastEvent) {
            previousEnd = 0;
            endedInChunk = true;
            return;
        }
        previousEnd = c;
        endedLastEvent = endedInChunk = true;
        const int number = ++row;
        if (!rows) {
            // Comment lines and rows of settings come before the header, not many of them:
            // a split that shows no header in the first ones shows none.
            done = (!notUtf8 && takeHeader(header, number, cells, tooWide, keyColumn))
                   || number >= maxRowsBeforeHeader;
        } else if (number > header.row) {
            if (notUtf8)
                rows->bad({number, RowProblem::NotUtf8});
            else if (tooManyCells)
                rows->bad({number, RowProblem::TooManyCells});
            else if (fieldTooLong)
                rows->bad({number, RowProblem::FieldTooLong});
            else
                rows->row(number, cells);
        }
        clearRecord();
    }

    void fail(RowProblem problem)
    {
        const int number = ++row;
        if (rows && number > header.row)
            rows->bad({number, problem});
        previousEnd = 0;
        endedLastEvent = true;
        clearRecord();
    }

    void clearRecord()
    {
        cell = 0;
        cells.clear();
        tooWide = fieldTooLong = tooManyCells = notUtf8 = false;
    }
};

void onField(void *data, size_t length, void *scan)
{
    static_cast<Scan *>(scan)->field(static_cast<const char *>(data), length);
}

void onRecordEnd(int c, void *scan)
{
    static_cast<Scan *>(scan)->recordEnd(c);
}

// Feeds libcsv one line at a time (at most 64 KiB), so that a malformed record is known by
// where it started and reading can go on after it.
void run(Scan &scan, QByteArrayView bytes, char separator)
{
    constexpr qsizetype chunkLimit = 64 * 1024;
    const char *data = bytes.data();
    const qsizetype end = bytes.size();
    Parser parser(separator);
    qsizetype pos = 0;
    qsizetype recordStart = 0;
    qsizetype nextLF = -1;
    qsizetype nextCR = -1;
    const auto find = [data, end](char c, qsizetype from) {
        const void *hit = std::memchr(data + from, c, size_t(end - from));
        return hit ? static_cast<const char *>(hit) - data : end;
    };
    // A record that cannot be read costs the line it starts on. Reading goes on with the next
    // line: when a quote opened there never closes, the lines it swallowed are good rows.
    const auto startOver = [&](RowProblem problem) {
        scan.fail(problem);
        pos = recordStart = nextLineStart(data, recordStart, end);
        parser.reset();
    };

    for (;;) {
        while (pos < end && !scan.done) {
            if (nextLF < pos)
                nextLF = find('\n', pos);
            if (nextCR < pos)
                nextCR = find('\r', pos);
            const qsizetype chunkEnd
                = std::min({nextLF, nextCR, end - 1, pos + chunkLimit - 1}) + 1;
            const size_t length = size_t(chunkEnd - pos);
            scan.endedInChunk = false;
            const size_t parsed
                = csv_parse(&parser.p, data + pos, length, onField, onRecordEnd, &scan);
            if (parsed < length) {
                // Past the record's first line the quote that opened it most likely never
                // closed, and this quotation mark opens a later row.
                startOver(pos > recordStart ? RowProblem::UnclosedQuote : RowProblem::StrayQuote);
                continue;
            }
            pos = chunkEnd;
            const char last = data[chunkEnd - 1];
            if ((last == '\n' || last == '\r') && scan.endedInChunk)
                recordStart = pos;
            else if (parser.p.entry_pos > size_t(maxCopyDeckFieldBytes))
                startOver(parser.p.quoted ? RowProblem::UnclosedQuote : RowProblem::FieldTooLong);
        }
        if (scan.done || csv_fini(&parser.p, onField, onRecordEnd, &scan) == 0)
            break;
        startOver(RowProblem::UnclosedQuote);
    }
}

// The header of `bytes` split at `separator`.
Header findHeader(QByteArrayView bytes, char separator, const QString &keyColumn)
{
    // A header sits at the top: a file that shows none in its first megabyte has none.
    Scan scan(nullptr, keyColumn);
    run(scan, bytes.first(std::min<qsizetype>(bytes.size(), 1024 * 1024)), separator);
    scan.header.separator = separator;
    return scan.header;
}

QByteArray quotedField(const QString &text, char separator)
{
    const QByteArray bytes = text.toUtf8();
    const bool plain = std::none_of(bytes.cbegin(), bytes.cend(), [separator](char c) {
        return c == separator || c == '"' || c == '\r' || c == '\n';
    });
    if (plain)
        return bytes;
    QByteArray quoted(2 * bytes.size() + 2, Qt::Uninitialized);
    const size_t size = csv_write2(
        quoted.data(), size_t(quoted.size()), bytes.constData(), size_t(bytes.size()), '"');
    quoted.truncate(qsizetype(size));
    return quoted;
}

QByteArray line(const QStringList &cells, char separator)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            bytes += separator;
        bytes += quotedField(cells.at(i), separator);
    }
    bytes += "\r\n";
    return bytes;
}

constexpr AdField adFields[] = {AdField::Title, AdField::Text, AdField::URL};
} // namespace

QString rowProblemText(RowProblem problem)
{
    switch (problem) {
    case RowProblem::StrayQuote:
        return QCoreApplication::translate("MainWindow",
                                           "a quotation mark stands inside a field that is not "
                                           "quoted, or after the end of a quoted one");
    case RowProblem::UnclosedQuote:
        return QCoreApplication::translate("MainWindow", "a quoted field never ends");
    case RowProblem::FieldTooLong:
        return QCoreApplication::translate("MainWindow", "a field is longer than %1 bytes")
            .arg(maxCopyDeckFieldBytes);
    case RowProblem::TooManyCells:
        return QCoreApplication::translate("MainWindow",
                                           "it has text in more cells than the header names");
    case RowProblem::NotUtf8:
        return QCoreApplication::translate("MainWindow", "it holds bytes that are not UTF-8 text");
    }
    return QString();
}

QString copyDeckProblemText(CopyDeckProblem problem)
{
    switch (problem) {
    case CopyDeckProblem::None:
        return QString();
    case CopyDeckProblem::Unopenable:
        return QCoreApplication::translate("MainWindow", "the file cannot be opened");
    case CopyDeckProblem::TooLarge:
        return QCoreApplication::translate("MainWindow", "the file is too large");
    case CopyDeckProblem::NoHeader:
        return QCoreApplication::translate(
            "MainWindow",
            "no header row names a Title, Text or URL column (separated by commas, semicolons "
            "or tabs)");
    case CopyDeckProblem::TooManyColumns:
        return QCoreApplication::translate("MainWindow", "the header row has more than %1 columns")
            .arg(maxDeckColumns);
    case CopyDeckProblem::NoAds:
        return QCoreApplication::translate("MainWindow", "no row of the file is an ad");
    case CopyDeckProblem::NotReadable:
        return QCoreApplication::translate("MainWindow", "the workbook cannot be read");
    }
    return QString();
}

namespace {
// The column names of `cells`, quoted and joined, or "none".
QString columnList(const QStringList &cells)
{
    QStringList names;
    for (const QString &cell : cells) {
        if (!cell.isEmpty())
            names << QStringLiteral("\"%1\"").arg(cell.left(80));
        if (names.size() == 60) {
            names << QStringLiteral("…");
            break;
        }
    }
    return names.isEmpty() ? QCoreApplication::translate("MainWindow", "none")
                           : names.join(QStringLiteral(", "));
}

// What was read, after the header: the report's counts and layout.
void finish(CopyDeckReport &report, const Header &header, const DeckRows &rows, bool keyed)
{
    report.headerRow = header.row;
    report.headerCells = header.cells;
    report.layout = header.deck.layout;
    report.hasTitleColumn = header.deck.hasTitle;
    report.unreadable = rows.unreadable;
    report.ads = rows.ads;
    report.notAds = rows.notAds;
    // The sheet may be empty; a file brought in to be checked or imported may not.
    if (!keyed && rows.ads == 0)
        report.problem = CopyDeckProblem::NoAds;
}

// An XLSX workbook: its preferred sheet's rows, the header found among them as in a CSV file.
CopyDeckReport scanRows(const RowSource &source, DeckRows &rows, const QString &keyColumn)
{
    CopyDeckReport report;
    Header header;
    int lastRow = 0;
    const QString error = source([&](int number, const QStringList &cells) {
        lastRow = number;
        if (!header.found()) {
            if (number > maxRowsBeforeHeader)
                return;
            takeHeader(header,
                       number,
                       cells.mid(0, maxDeckColumns),
                       cells.size() > maxDeckColumns,
                       keyColumn);
            rows.deck = header.deck;
            rows.maybeSubHeader = true;
            return;
        }
        const qsizetype columns = rows.deck.columns.size();
        if (header.tooWide || number <= header.row)
            return;
        if (std::any_of(cells.cbegin() + std::min(columns, cells.size()),
                        cells.cend(),
                        [](const QString &c) { return !c.isEmpty(); }))
            rows.bad({number, RowProblem::TooManyCells});
        else if (std::any_of(cells.cbegin(), cells.cend(), [](const QString &c) {
                     return c.size() > maxCopyDeckFieldBytes;
                 }))
            rows.bad({number, RowProblem::FieldTooLong});
        else
            rows.row(number, cells);
    });
    report.rows = lastRow;
    // What was read before a reader's error is reported with it.
    if (header.found() && !header.tooWide)
        finish(report, header, rows, !keyColumn.isEmpty());
    if (!error.isEmpty()) {
        report.problem = CopyDeckProblem::NotReadable;
        report.detail = error;
    } else if (!header.found()) {
        report.problem = CopyDeckProblem::NoHeader;
        report.headerCells = header.cells;
    } else if (header.tooWide) {
        report.problem = CopyDeckProblem::TooManyColumns;
    }
    return report;
}

CopyDeckReport scanBytes(QByteArrayView bytes,
                         const AdSink *sink,
                         const KeyedAdSink *keyedSink,
                         const UnreadableSink &unreadable,
                         const QString &keyColumn)
{
    DeckRows rows;
    rows.sink = sink;
    rows.keyedSink = keyedSink;
    rows.onUnreadable = &unreadable;
    if (looksLikeZip(bytes.first(std::min<qsizetype>(bytes.size(), 4))))
        return scanRows(
            [bytes](const CellRowSink &sink) {
                QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
                QBuffer device(&data);
                device.open(QIODevice::ReadOnly);
                return scanXlsx(&device, sink, QStringLiteral("Тексты"));
            },
            rows,
            keyColumn);

    // UTF-16 (and UTF-32) files are read as the same text in UTF-8.
    QByteArray converted;
    const std::optional<QStringConverter::Encoding> encoding
        = QStringConverter::encodingForData(bytes);
    if (encoding && *encoding != QStringConverter::Utf8) {
        QStringDecoder decoder(*encoding);
        converted = QString(decoder(bytes)).toUtf8();
        bytes = converted;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);

    CopyDeckReport report;
    Header header;
    Header widest; // without a header: the first row as the separator splits it widest
    for (const char separator : {',', ';', '\t'}) {
        const Header candidate = findHeader(bytes, separator, keyColumn);
        const int found = candidate.deck.adColumns;
        const int best = header.deck.adColumns;
        if (found > best
            || (found == best && found > 0
                && candidate.deck.columns.size() > header.deck.columns.size())
            || (candidate.tooWide && !header.found())) {
            header = candidate;
        }
        if (candidate.cells.size() > widest.cells.size())
            widest = candidate;
    }
    if (!header.found()) {
        report.problem = CopyDeckProblem::NoHeader;
        report.headerCells = widest.cells;
        return report;
    }
    if (header.tooWide) {
        report.problem = CopyDeckProblem::TooManyColumns;
        report.headerRow = header.row;
        return report;
    }
    report.separator = header.separator;
    rows.deck = header.deck;
    Scan scan(&rows, keyColumn);
    scan.header = header;
    run(scan, bytes, header.separator);
    report.rows = scan.row;
    finish(report, header, rows, keyedSink != nullptr);
    return report;
}

CopyDeckReport scanFile(const QString &path,
                        qint64 maxBytes,
                        const std::function<CopyDeckReport(QByteArrayView)> &scanBytes)
{
    CopyDeckReport report;
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        report.problem = CopyDeckProblem::Unopenable;
        return report;
    }
    const qint64 size = file.size();
    if (maxBytes >= 0 && size > maxBytes) {
        report.problem = CopyDeckProblem::TooLarge;
        return report;
    }
    if (size > 0) {
        if (uchar *mapped = file.map(0, size))
            return scanBytes(QByteArrayView(reinterpret_cast<const char *>(mapped), size));
    }
    // Pipes and other files that cannot be mapped are read, to the limit if there is one.
    const QByteArray bytes = maxBytes >= 0 ? file.read(maxBytes + 1) : file.readAll();
    if (maxBytes >= 0 && bytes.size() > maxBytes) {
        report.problem = CopyDeckProblem::TooLarge;
        return report;
    }
    return scanBytes(bytes);
}
} // namespace

QString cannotReadText(const CopyDeckReport &report)
{
    QString reason = copyDeckProblemText(report.problem);
    if (!report.detail.isEmpty())
        reason += QStringLiteral(" (%1)").arg(report.detail);
    switch (report.problem) {
    case CopyDeckProblem::NoHeader:
    case CopyDeckProblem::NoAds:
        return QCoreApplication::translate(
                   "MainWindow",
                   "%1.\nColumns found: %2.\nName the columns of the ads' fields as listed "
                   "below (case and spaces do not matter), save the file as CSV, TSV or XLSX "
                   "and try again. Rows whose type is not a text ad are skipped.\n%3")
            .arg(reason, columnList(report.headerCells), acceptedColumnsText());
    case CopyDeckProblem::TooManyColumns:
        return QCoreApplication::translate("MainWindow",
                                           "%1.\nDelete the empty columns at its end, or the "
                                           "columns not needed, and try again.")
            .arg(reason);
    case CopyDeckProblem::TooLarge:
        return QCoreApplication::translate("MainWindow",
                                           "%1.\nSplit it into smaller files and import each.")
            .arg(reason);
    case CopyDeckProblem::Unopenable:
        return QCoreApplication::translate("MainWindow",
                                           "%1.\nCheck that it is a file, that it exists and "
                                           "that you may read it, then try again.")
            .arg(reason);
    case CopyDeckProblem::NotReadable:
        return QCoreApplication::translate("MainWindow",
                                           "%1.\nOpen it in a spreadsheet and save it again as "
                                           "XLSX or CSV, then try again.")
            .arg(reason);
    default:
        return reason.isEmpty() ? QString() : reason + u'.';
    }
}

QString noTitleColumnText(const CopyDeckReport &report)
{
    return QCoreApplication::translate("MainWindow",
                                       "no column of the %1 names a title (columns found: %2): "
                                       "its ads have no title and do not fit")
        .arg(deckLayoutName(report.layout), columnList(report.headerCells));
}

CopyDeckReport
scanCopyDeck(QByteArrayView bytes, const AdSink &sink, const UnreadableSink &unreadable)
{
    return scanBytes(bytes, &sink, nullptr, unreadable, QString());
}

CopyDeckReport scanCopyDeckFile(const QString &path,
                                const AdSink &sink,
                                qint64 maxBytes,
                                const UnreadableSink &unreadable)
{
    return scanFile(path, maxBytes, [&](QByteArrayView bytes) {
        return scanBytes(bytes, &sink, nullptr, unreadable, QString());
    });
}

CopyDeckReport
scanKeyedCopyDeckFile(const QString &path, const QString &keyColumn, const KeyedAdSink &sink)
{
    return scanFile(path, -1, [&](QByteArrayView bytes) {
        return scanBytes(bytes, nullptr, &sink, {}, keyColumn);
    });
}

CopyDeckReport
scanCopyDeckRows(const RowSource &source, const AdSink &sink, const UnreadableSink &unreadable)
{
    DeckRows rows;
    rows.sink = &sink;
    rows.onUnreadable = &unreadable;
    return scanRows(source, rows, QString());
}

CopyDeck readCopyDeck(const QString &path, qint64 maxBytes)
{
    CopyDeck deck;
    deck.report = scanCopyDeckFile(
        path, [&deck](int, const AdFields &ad) { deck.ads.append(ad); }, maxBytes);
    return deck;
}

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Fits:
        return QCoreApplication::translate("MainWindow", "fits");
    case Verdict::Warnings:
        return QCoreApplication::translate("MainWindow", "warnings");
    case Verdict::DoesNotFit:
        return QCoreApplication::translate("MainWindow", "does not fit");
    }
    return QString();
}

QList<Finding> adFindings(const AdCheck &check)
{
    QList<Finding> findings;
    for (const AdField field : adFields) {
        for (int i = 0; i < check.assets(field); ++i) {
            const FieldCount &count = check.count(field, i);
            if (count.count <= count.limit)
                continue;
            QString message
                = QCoreApplication::translate("MainWindow", "counts %1 of %2, %3 too many")
                      .arg(QString::number(count.count),
                           QString::number(count.limit),
                           QString::number(count.count - count.limit));
            if (!count.explanation.isEmpty())
                message += QStringLiteral(" (%1)").arg(count.explanation);
            findings.append({field, Severity::Error, message, i});
        }
    }
    findings.append(check.problems);
    return findings;
}

QByteArray copyDeckRecord(const QStringList &cells, char separator)
{
    return line(cells, separator);
}

bool sameHeader(const QString &a, const QString &b)
{
    return headerKey(a) == headerKey(b);
}

namespace {
// The other columns of ads met one by one, each once, in the order first met.
class OtherColumnsMet
{
public:
    void include(const AdFields &ad)
    {
        m_occurrences.clear();
        for (const auto &[header, cell] : ad.otherColumns) {
            const QString key = headerKey(header);
            const int occurrence = m_occurrences[key]++;
            if (!m_seen.contains({key, occurrence})) {
                m_seen.insert({key, occurrence});
                m_columns.append({header, occurrence});
            }
        }
    }

    // Those whose header is not in `written`.
    QList<OtherColumn> without(const QStringList &written) const
    {
        QSet<QString> taken;
        for (const QString &header : written)
            taken.insert(headerKey(header));
        QList<OtherColumn> columns;
        for (const OtherColumn &column : m_columns) {
            if (!taken.contains(headerKey(column.header)))
                columns.append(column);
        }
        return columns;
    }

private:
    QList<OtherColumn> m_columns;
    QSet<std::pair<QString, int>> m_seen;
    QHash<QString, int> m_occurrences;
};
} // namespace

QList<OtherColumn> otherColumnsOf(const QList<AdFields> &ads, const QStringList &written)
{
    OtherColumnsMet met;
    for (const AdFields &ad : ads)
        met.include(ad);
    return met.without(written);
}

QString otherCell(const AdFields &ad, const OtherColumn &column)
{
    int occurrence = 0;
    for (const auto &[header, cell] : ad.otherColumns) {
        if (sameHeader(header, column.header) && occurrence++ == column.occurrence)
            return cell;
    }
    return QString();
}

namespace {
// "Title 1 pin", "Text 2 pin".
QString pinHeader(AdField field, int index)
{
    return QStringLiteral("%1 %2 pin")
        .arg(fieldName(field, FieldNaming::Untranslated))
        .arg(index + 1);
}

// The columns a deck needs for its ads: of our own a title, a text and a URL at least, then
// the ads' other columns.
struct WrittenColumns
{
    int titles = 1;
    int texts = 1;
    bool finalUrl = false;
    int titlePins = 0; // up to the last title pinned in any ad
    int textPins = 0;

    OtherColumnsMet others;

    void include(const AdFields &ad)
    {
        titles = std::max(titles, ad.count(AdField::Title));
        texts = std::max(texts, ad.count(AdField::Text));
        finalUrl = finalUrl || !ad.finalUrl.isEmpty();
        titlePins = std::max(titlePins, pinned(ad.titlePins));
        textPins = std::max(textPins, pinned(ad.textPins));
        others.include(ad);
    }

    static int pinned(const QList<int> &pins)
    {
        for (qsizetype i = pins.size(); i > 0; --i) {
            if (pins.at(i - 1) != 0)
                return int(i);
        }
        return 0;
    }

    QStringList header() const
    {
        QStringList header;
        for (const AdField field : adFields)
            header << fieldName(field, FieldNaming::Untranslated);
        for (int i = 1; i < titles; ++i)
            header << fieldName(AdField::Title, i, FieldNaming::Untranslated);
        for (int i = 1; i < texts; ++i)
            header << fieldName(AdField::Text, i, FieldNaming::Untranslated);
        if (finalUrl)
            header << fieldName(AdField::FinalURL, FieldNaming::Untranslated);
        for (int i = 0; i < titlePins; ++i)
            header << pinHeader(AdField::Title, i);
        for (int i = 0; i < textPins; ++i)
            header << pinHeader(AdField::Text, i);
        return header;
    }

    QStringList cells(const AdFields &ad) const
    {
        QStringList cells{ad.title, ad.text, ad.url};
        for (int i = 1; i < titles; ++i)
            cells << ad.at(AdField::Title, i);
        for (int i = 1; i < texts; ++i)
            cells << ad.at(AdField::Text, i);
        if (finalUrl)
            cells << ad.finalUrl;
        const auto pin = [&cells, &ad](AdField field, int index) {
            const int position = ad.pin(field, index);
            cells << (position == 0 ? QString() : QString::number(position));
        };
        for (int i = 0; i < titlePins; ++i)
            pin(AdField::Title, i);
        for (int i = 0; i < textPins; ++i)
            pin(AdField::Text, i);
        return cells;
    }
};

// The header cells of each engine's counts, verdict and findings.
QStringList engineHeader(const QList<EngineProfile> &engines)
{
    QStringList header;
    for (const EngineProfile &engine : engines) {
        const int limits[] = {engine.limitTitle, engine.limitText, engine.limitURL};
        for (const AdField field : adFields) {
            header << QCoreApplication::translate("MainWindow", "%1: %2 (of %3)")
                          .arg(engine.name, fieldName(field, FieldNaming::Untranslated))
                          .arg(limits[int(field)]);
        }
        header << QCoreApplication::translate("MainWindow", "%1: verdict").arg(engine.name)
               << QCoreApplication::translate("MainWindow", "%1: findings").arg(engine.name);
    }
    return header;
}

// The cells of an ad's `checks`, in engine order.
QStringList engineCells(const QList<AdCheck> &checks)
{
    QStringList cells;
    for (const AdCheck &check : checks) {
        QStringList said;
        const QList<Finding> findings = adFindings(check);
        for (const Finding &finding : findings)
            said << fieldName(finding.field, finding.index, FieldNaming::Untranslated)
                        + QStringLiteral(": ") + finding.message;
        cells << QString::number(check.title.count) << QString::number(check.text.count)
              << QString::number(check.url.count) << verdictText(check.verdict)
              << said.join(QStringLiteral("; "));
    }
    return cells;
}

QList<AdCheck> checksOf(const AdFields &ad, const QList<EngineProfile> &engines)
{
    QList<AdCheck> checks;
    checks.reserve(engines.size());
    for (const EngineProfile &engine : engines)
        checks.append(checkAd(engine, ad));
    return checks;
}

// Hands the next ad and its trailing cells; false when there are no more.
using NextDeckRow = std::function<bool(AdFields &ad, QStringList &trailing)>;

// The whole deck, record by record to `out`: our columns as `columns` found the ads to need,
// the ads' other columns, then the `trailing` columns of each ad.
void writeDeck(const WrittenColumns &columns,
               const QStringList &trailingHeader,
               const NextDeckRow &next,
               const std::function<void(const QByteArray &)> &out)
{
    QStringList header = columns.header();
    const QList<OtherColumn> others = columns.others.without(header + trailingHeader);
    for (const OtherColumn &column : others)
        header << column.header;
    out("\xEF\xBB\xBF" + copyDeckRecord(header + trailingHeader, ','));
    AdFields ad;
    QStringList trailing;
    while (next(ad, trailing)) {
        QStringList cells = columns.cells(ad);
        for (const OtherColumn &column : others)
            cells << otherCell(ad, column);
        out(copyDeckRecord(cells + trailing, ','));
    }
}

QByteArray deckBytes(const QList<AdFields> &ads,
                     const QStringList &trailingHeader,
                     const QList<QStringList> &trailing)
{
    WrittenColumns columns;
    for (const AdFields &ad : ads)
        columns.include(ad);
    qsizetype i = 0;
    const NextDeckRow next = [&](AdFields &ad, QStringList &cells) {
        if (i == ads.size())
            return false;
        ad = ads.at(i);
        cells = trailing.value(i++);
        return true;
    };
    QByteArray bytes;
    writeDeck(
        columns, trailingHeader, next, [&bytes](const QByteArray &record) { bytes += record; });
    return bytes;
}
} // namespace

// The checker may write a deck of any size: its rows wait in a temporary file, not in memory,
// until the columns they need are known.
struct CopyDeckWriter::Private
{
    QSaveFile file;
    QList<EngineProfile> engines;
    QTemporaryFile spool;
    QDataStream stream;
    WrittenColumns columns;
    bool usable = false;
};

CopyDeckWriter::CopyDeckWriter(const QString &path, const QList<EngineProfile> &engines)
    : d(new Private)
{
    d->file.setFileName(path);
    d->engines = engines;
    d->usable = d->file.open(QIODevice::WriteOnly) && d->spool.open();
    d->stream.setDevice(&d->spool);
}

CopyDeckWriter::~CopyDeckWriter()
{
    delete d;
}

void CopyDeckWriter::add(const AdFields &ad)
{
    add(ad, checksOf(ad, d->engines));
}

void CopyDeckWriter::add(const AdFields &ad, const QList<AdCheck> &checks)
{
    if (!d->usable)
        return;
    d->columns.include(ad);
    d->stream << ad.title << ad.text << ad.url << ad.moreTitles << ad.moreTexts << ad.titlePins
              << ad.textPins << ad.finalUrl << ad.otherColumns << engineCells(checks);
}

bool CopyDeckWriter::commit()
{
    if (!d->usable || d->stream.status() != QDataStream::Ok || !d->spool.seek(0))
        return false;
    const NextDeckRow next = [this](AdFields &ad, QStringList &cells) {
        if (d->spool.atEnd())
            return false;
        d->stream >> ad.title >> ad.text >> ad.url >> ad.moreTitles >> ad.moreTexts >> ad.titlePins
            >> ad.textPins >> ad.finalUrl >> ad.otherColumns >> cells;
        return d->stream.status() == QDataStream::Ok;
    };
    bool written = true;
    writeDeck(d->columns, engineHeader(d->engines), next, [&](const QByteArray &record) {
        written = written && d->file.write(record) == record.size();
    });
    return written && d->stream.status() == QDataStream::Ok && d->spool.atEnd() && d->file.commit();
}

bool writeCopyDeck(const QString &path,
                   const QList<AdFields> &ads,
                   const QList<EngineProfile> &engines,
                   const FileWriter &write)
{
    QList<QStringList> cells;
    cells.reserve(ads.size());
    for (const AdFields &ad : ads)
        cells.append(engineCells(checksOf(ad, engines)));
    return write(path, deckBytes(ads, engineHeader(engines), cells));
}

bool writeKeyedCopyDeck(const QString &path,
                        const QList<AdFields> &ads,
                        const QString &keyColumn,
                        const QStringList &keys,
                        const FileWriter &write)
{
    QList<QStringList> cells;
    cells.reserve(ads.size());
    for (qsizetype i = 0; i < ads.size(); ++i)
        cells.append({keys.value(i)});
    return write(path, deckBytes(ads, {keyColumn}, cells));
}
