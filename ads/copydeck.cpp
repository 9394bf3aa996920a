// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/copydeck.h"

#include <csv.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringConverter>
#include <QTemporaryFile>

#include <algorithm>
#include <cstring>

namespace {

// The column of a header that the caller named besides the ad's fields.
constexpr int keyField = 3;

QString normalisedHeader(const QString &cell)
{
    QString normal;
    normal.reserve(cell.size());
    for (const QChar c : cell) {
        if (!c.isSpace() && c != QChar(0xFEFF))
            normal += c.toCaseFolded();
    }
    return normal;
}

const QHash<QString, AdField> &headerNames()
{
    static const QHash<QString, AdField> names = [] {
        QHash<QString, AdField> hash;
        const auto add = [&hash](AdField field, std::initializer_list<const char *> spellings) {
            for (const char *spelling : spellings)
                hash.insert(normalisedHeader(QString::fromUtf8(spelling)), field);
        };
        add(AdField::Title, {"Title", "Headline", "Заголовок 1"});
        add(AdField::Text, {"Text", "Description", "Текст"});
        add(AdField::URL, {"URL", "Path", "Display URL", "Отображаемая ссылка"});
        return hash;
    }();
    return names;
}

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

// One pass over the records of a file with one separator. In header mode it stops at the
// first non-blank record that reads and keeps its cells; otherwise it hands every ad after
// the header row to the sink.
struct Scan
{
    explicit Scan(const AdSink *sink, const KeyedAdSink *keyedSink = nullptr)
        : sink(sink)
        , keyedSink(keyedSink)
    {}

    // Both null: header mode.
    const AdSink *sink = nullptr;
    const KeyedAdSink *keyedSink = nullptr;
    const UnreadableSink *onUnreadable = nullptr;
    QList<int> fieldOfColumn; // per header column, the AdField or -1
    int headerRow = 0;
    QStringList headerCells; // header mode: the cells found
    bool done = false;
    QList<UnreadableRow> unreadable;

    int row = 0; // records finished so far
    int cell = 0;
    AdFields ad;
    QString key;
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
        if (headerMode()) {
            headerCells.append(decode(data, length));
            return;
        }
        if (length == 0 || row + 1 <= headerRow)
            return;
        if (column >= fieldOfColumn.size()) {
            tooManyCells = true;
            return;
        }
        if (fieldOfColumn.at(column) >= 0 && length > size_t(maxCopyDeckFieldBytes)) {
            fieldTooLong = true;
            return;
        }
        switch (fieldOfColumn.at(column)) {
        case int(AdField::Title):
            ad.title = decode(data, length);
            break;
        case int(AdField::Text):
            ad.text = decode(data, length);
            break;
        case int(AdField::URL):
            ad.url = decode(data, length);
            break;
        case keyField:
            key = decode(data, length);
            break;
        default:
            break;
        }
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
        if (headerMode()) {
            const bool blank = std::all_of(headerCells.cbegin(),
                                           headerCells.cend(),
                                           [](const QString &cell) { return cell.isEmpty(); });
            if (!blank && !notUtf8) {
                headerRow = number;
                done = true;
                return;
            }
        } else if (number > headerRow) {
            if (notUtf8)
                reportRow({number, RowProblem::NotUtf8});
            else if (tooManyCells)
                reportRow({number, RowProblem::TooManyCells});
            else if (fieldTooLong)
                reportRow({number, RowProblem::FieldTooLong});
            else if (ad != AdFields() && keyedSink)
                (*keyedSink)(number, ad, key);
            else if (ad != AdFields())
                (*sink)(number, ad);
        }
        clearRecord();
    }

    void fail(RowProblem problem)
    {
        const int number = ++row;
        if (!headerMode() && number > headerRow)
            reportRow({number, problem});
        previousEnd = 0;
        endedLastEvent = true;
        clearRecord();
    }

    bool headerMode() const { return !sink && !keyedSink; }

    void reportRow(const UnreadableRow &bad)
    {
        unreadable.append(bad);
        if (onUnreadable && *onUnreadable)
            (*onUnreadable)(bad);
    }

    void clearRecord()
    {
        cell = 0;
        ad = AdFields();
        key.clear();
        fieldTooLong = tooManyCells = notUtf8 = false;
        headerCells.clear();
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

struct Header
{
    char separator = ',';
    int row = 0;
    int recognised = 0;
    QList<int> fieldOfColumn;
};

// The first non-blank record that reads, split at `separator`, and which fields it names.
Header findHeader(QByteArrayView bytes, char separator, const QString &keyColumn)
{
    // A header sits at the top: a file that shows none in its first megabyte has none.
    Scan scan(nullptr);
    run(scan, bytes.first(std::min<qsizetype>(bytes.size(), 1024 * 1024)), separator);
    Header header;
    header.separator = separator;
    if (!scan.done)
        return header;
    header.row = scan.headerRow;
    bool seen[3] = {false, false, false};
    for (const QString &cell : std::as_const(scan.headerCells)) {
        const std::optional<AdField> field = copyDeckColumn(cell);
        if (field && !seen[int(*field)]) {
            seen[int(*field)] = true;
            ++header.recognised;
            header.fieldOfColumn.append(int(*field));
        } else if (!keyColumn.isEmpty() && normalisedHeader(cell) == normalisedHeader(keyColumn)) {
            header.fieldOfColumn.append(keyField);
        } else {
            header.fieldOfColumn.append(-1);
        }
    }
    return header;
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

std::optional<AdField> copyDeckColumn(const QString &headerCell)
{
    const auto found = headerNames().constFind(normalisedHeader(headerCell));
    if (found == headerNames().cend())
        return std::nullopt;
    return *found;
}

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
    }
    return QString();
}

namespace {
CopyDeckReport scanBytes(QByteArrayView bytes,
                         const AdSink *sink,
                         const KeyedAdSink *keyedSink,
                         const UnreadableSink &unreadable,
                         const QString &keyColumn)
{
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
    for (const char separator : {',', ';', '\t'}) {
        const Header candidate = findHeader(bytes, separator, keyColumn);
        if (candidate.recognised > header.recognised
            || (candidate.recognised == header.recognised && candidate.recognised > 0
                && candidate.fieldOfColumn.size() > header.fieldOfColumn.size())) {
            header = candidate;
        }
    }
    if (header.recognised == 0) {
        report.problem = CopyDeckProblem::NoHeader;
        return report;
    }
    report.separator = header.separator;
    report.headerRow = header.row;

    Scan scan(sink, keyedSink);
    scan.onUnreadable = &unreadable;
    scan.headerRow = header.row;
    scan.fieldOfColumn = header.fieldOfColumn;
    run(scan, bytes, header.separator);
    report.rows = scan.row;
    report.unreadable = scan.unreadable;
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

QString headerKey(const QString &header)
{
    return normalisedHeader(header);
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
