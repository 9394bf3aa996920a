// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/xlsx.h"
#include "ads/copydeck.h"
#include "engines/regularfile.h"

#include <quazip.h>
#include <quazipfile.h>
#include <quazipfileinfo.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// What one part may unpack to. The sizes in the zip directory are the sender's word; these
// count what the inflater really yields.
constexpr qint64 sheetCap = 64 * 1024 * 1024;
constexpr qint64 sharedStringsCap = 32 * 1024 * 1024;
constexpr qint64 smallPartCap = 4 * 1024 * 1024; // the workbook and its relationships
// The file itself is read into memory: the parts above and what they compress to fit in it.
constexpr qint64 fileCap = 128 * 1024 * 1024;
constexpr qint64 chunkBytes = 64 * 1024;
// The XML reader holds a text whole until the markup after it: a text whose source runs on for
// longer than this, which no cell within maxCopyDeckFieldBytes can need even with every
// character written as a character reference, stops the reading.
constexpr qint64 textRunCap = 8 * maxCopyDeckFieldBytes;

// The last column (XFD) and row a worksheet can hold.
constexpr int maxColumns = 16384;
constexpr int maxRows = 1048576;

QString damagedText()
{
    return QCoreApplication::translate("MainWindow",
                                       "The workbook is damaged or incomplete: save it again as "
                                       "XLSX or CSV and import it again.");
}

QString encryptedText()
{
    return QCoreApplication::translate("MainWindow",
                                       "The workbook is encrypted or an old Excel (XLS) file: "
                                       "save it as XLSX without a password, or as CSV, and "
                                       "import it again.");
}

// Part names come from the workbook's own relationships and may be of any length.
QString shownPartName(const QString &part)
{
    return part.size() > 80 ? part.left(80) + QStringLiteral("...") : part;
}

QString missingPartText(const QString &part)
{
    return QCoreApplication::translate("MainWindow",
                                       "The workbook lacks its part %1: save it again as XLSX or "
                                       "CSV and import it again.")
        .arg(shownPartName(part));
}

// A cell's name as the spreadsheet shows it: column letters and row number ("AB12").
QString cellName(int column, int row)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters + QString::number(row);
}

bool overFieldLimit(const QString &text)
{
    // A UTF-16 unit is at least one byte of UTF-8 and at most three.
    if (text.size() > maxCopyDeckFieldBytes)
        return true;
    return text.size() * 3 > maxCopyDeckFieldBytes && text.toUtf8().size() > maxCopyDeckFieldBytes;
}

QString tooLongText(const QString &cell)
{
    return QCoreApplication::translate("MainWindow",
                                       "Cell %1 holds more than %2 KiB of text: shorten it and "
                                       "import the file again.")
        .arg(cell)
        .arg(maxCopyDeckFieldBytes / 1024);
}

// Called for every token of a part; a non-empty reason stops the reading with it, `done` stops
// it without one.
using TokenHandler = std::function<QString(QXmlStreamReader &xml, bool &done)>;
// Names the place of a text over textRunCap (empty: the part's name will do).
using LongTextHandler = std::function<QString()>;

// Unpacks the part `name` in chunks into `xml`, at most `cap` bytes, handing every token to
// `handle`. A missing part is a reason unless it is `optional`.
QString parsePart(QuaZip &zip,
                  const QString &name,
                  qint64 cap,
                  const TokenHandler &handle,
                  bool optional = false,
                  const LongTextHandler &longText = {})
{
    if (!zip.setCurrentFile(name, QuaZip::csInsensitive)) {
        if (zip.getZipError() != UNZ_OK)
            return damagedText();
        return optional ? QString() : missingPartText(name);
    }
    QuaZipFileInfo64 info;
    if (!zip.getCurrentFileInfo(&info))
        return damagedText();
    if (info.isEncrypted())
        return encryptedText();
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly))
        return damagedText();

    QXmlStreamReader xml;
    QByteArray chunk(chunkBytes, Qt::Uninitialized);
    qint64 unpacked = 0;
    qint64 sinceToken = 0;
    bool ended = false;
    bool done = false;
    while (!done && !ended) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return damagedText();
        unpacked += got;
        if (unpacked > cap) {
            return QCoreApplication::translate("MainWindow",
                                               "The workbook's part %1 unpacks to more than %2 "
                                               "MB: split the sheet into smaller files and "
                                               "import them one by one.")
                .arg(shownPartName(name))
                .arg(cap / (1024 * 1024));
        }
        sinceToken += got;
        if (sinceToken > textRunCap) {
            const QString place = longText ? longText() : QString();
            return !place.isEmpty() ? place
                                    : QCoreApplication::translate("MainWindow",
                                                                  "The workbook's part %1 holds a "
                                                                  "text of more than %2 KiB: "
                                                                  "shorten it and import the "
                                                                  "file again.")
                                          .arg(shownPartName(name))
                                          .arg(textRunCap / 1024);
        }
        if (got > 0)
            xml.addData(chunk.first(got));
        while (!done && !ended) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token != QXmlStreamReader::Invalid)
                sinceToken = 0;
            if (token == QXmlStreamReader::DTD) {
                // Workbooks declare no entities; a document type here is an attack.
                xml.raiseError(
                    QCoreApplication::translate("MainWindow", "the part declares a document type"));
            }
            if (xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && got > 0)
                break;
            if (xml.hasError()) {
                return QCoreApplication::translate("MainWindow",
                                                   "The workbook's part %1 is not readable XML "
                                                   "(line %2: %3): save it again as XLSX or CSV "
                                                   "and import it again.")
                    .arg(shownPartName(name))
                    .arg(xml.lineNumber())
                    .arg(xml.errorString());
            }
            ended = token == QXmlStreamReader::EndDocument;
            if (!ended) {
                const QString reason = handle(xml, done);
                if (!reason.isEmpty())
                    return reason;
            }
        }
    }
    // The checksum is compared when the whole entry has been read.
    file.close();
    return done || file.getZipError() == UNZ_OK ? QString() : damagedText();
}

struct Relationship
{
    QString type;
    QString target; // the part's full name inside the zip
};

// The part names that the relationships of `part` ("xl/workbook.xml") lead to, by id.
QString readRelationships(QuaZip &zip,
                          const QString &part,
                          QHash<QString, Relationship> &rels,
                          bool optional = false)
{
    const int slash = int(part.lastIndexOf(u'/'));
    const QString folder = part.left(slash + 1);
    const QString relsPart
        = folder + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
    return parsePart(
        zip,
        relsPart,
        smallPartCap,
        [&](QXmlStreamReader &xml, bool &) {
            if (xml.isStartElement() && xml.name() == u"Relationship") {
                const QXmlStreamAttributes attributes = xml.attributes();
                if (attributes.value("TargetMode"_L1) == u"External")
                    return QString();
                QString target = attributes.value("Target"_L1).toString();
                // Targets are relative to the part's folder, or absolute from the zip's root.
                target = target.startsWith(u'/') ? target.mid(1) : folder + target;
                rels.insert(attributes.value("Id"_L1).toString(),
                            {attributes.value("Type"_L1).toString(), QDir::cleanPath(target)});
            }
            return QString();
        },
        optional);
}

QString relationshipOfType(const QHash<QString, Relationship> &rels, QStringView type)
{
    for (const Relationship &rel : rels) {
        if (rel.type.endsWith(type))
            return rel.target;
    }
    return QString();
}

// Text of <si> (shared) and <is> (inline) strings: the <t> of plain text or of each rich-text
// run, joined; phonetic guides (<rPh>) are not part of the text.
class StringCollector
{
public:
    void start()
    {
        m_text.clear();
        m_inText = false;
        m_phonetic = 0;
        m_overLimit = false;
    }
    void token(const QXmlStreamReader &xml)
    {
        if (xml.isStartElement()) {
            if (xml.name() == u"rPh")
                ++m_phonetic;
            else if (xml.name() == u"t" && m_phonetic == 0)
                m_inText = true;
        } else if (xml.isEndElement()) {
            if (xml.name() == u"rPh")
                --m_phonetic;
            else if (xml.name() == u"t")
                m_inText = false;
        } else if (xml.isCharacters() && m_inText && !m_overLimit) {
            m_text += xml.text();
            m_overLimit = overFieldLimit(m_text);
        }
    }
    bool overLimit() const { return m_overLimit; }
    const QString &text() const { return m_text; }

private:
    QString m_text;
    bool m_inText = false;
    int m_phonetic = 0;
    bool m_overLimit = false;
};

// The shared strings one after another in one text: a table of millions of short strings then
// costs four bytes each beside the text, not a string's 24 and its allocation (144 MB for the
// six million empty ones that the cap allows).
class SharedStrings
{
public:
    void append(const QString &text, bool overLimit)
    {
        if (overLimit)
            m_overLimit.insert(m_ends.size());
        else
            m_texts += text;
        m_ends.append(quint32(m_texts.size())); // the cap keeps the text far below 4 G
    }
    qsizetype size() const { return m_ends.size(); }
    bool overLimit(qsizetype index) const { return m_overLimit.contains(index); }
    QString at(qsizetype index) const
    {
        const quint32 start = index > 0 ? m_ends.at(index - 1) : 0;
        return m_texts.mid(start, m_ends.at(index) - start);
    }

private:
    QString m_texts;
    QList<quint32> m_ends;
    QSet<qsizetype> m_overLimit; // over maxCopyDeckFieldBytes, kept empty
};

QString readSharedStrings(QuaZip &zip, const QString &part, SharedStrings &strings)
{
    StringCollector collector;
    bool inString = false;
    return parsePart(zip, part, sharedStringsCap, [&](QXmlStreamReader &xml, bool &) {
        if (xml.isStartElement() && xml.name() == u"si") {
            collector.start();
            inString = true;
        } else if (xml.isEndElement() && xml.name() == u"si") {
            strings.append(collector.text(), collector.overLimit());
            inString = false;
        } else if (inString) {
            collector.token(xml);
        }
        return QString();
    });
}

// The column (A = 0) of a cell reference such as "AB12", -1 when it is not one; columns past
// XFD come out as maxColumns. The row is the row element's.
int referenceColumn(QStringView reference)
{
    qsizetype letters = 0;
    int column = 0;
    for (; letters < reference.size() && reference[letters] >= u'A' && reference[letters] <= u'Z';
         ++letters) {
        column = std::min(column * 26 + (reference[letters].unicode() - u'A' + 1), maxColumns + 1);
    }
    bool ok = false;
    const int row = reference.mid(letters).toInt(&ok);
    return letters > 0 && ok && row > 0 ? column - 1 : -1;
}

// Turns the sheet's <row> and <c> elements into the sink's rows.
class SheetReader
{
public:
    SheetReader(const SharedStrings &strings, const XlsxRowSink &sink)
        : m_strings(strings)
        , m_sink(sink)
    {}

    QString token(QXmlStreamReader &xml, bool &done)
    {
        if (xml.isStartElement())
            return startElement(xml);
        if (xml.isEndElement())
            return endElement(xml, done);
        if (xml.isCharacters() && m_inCell) {
            if (m_inValue) {
                m_value += xml.text();
                if (overFieldLimit(m_value))
                    return tooLongText(cellName(m_column, m_row));
            } else if (m_inInline) {
                m_inline.token(xml);
                if (m_inline.overLimit())
                    return tooLongText(cellName(m_column, m_row));
            }
        }
        return QString();
    }

    // The cell being read, named for a text that runs on too long.
    QString longTextPlace() const
    {
        return m_inCell ? tooLongText(cellName(m_column, m_row)) : QString();
    }

private:
    QString startElement(QXmlStreamReader &xml)
    {
        const QStringView name = xml.name();
        if (name == u"sheetData") {
            m_inData = true;
        } else if (m_inData && name == u"row") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView number = attributes.value("r"_L1);
            const int row = number.isEmpty() ? m_row + 1 : number.toInt();
            if (row <= m_row || row > maxRows) {
                return QCoreApplication::translate("MainWindow",
                                                   "The sheet's row numbers are not valid (row %1 "
                                                   "after row %2): save the sheet again as XLSX "
                                                   "or CSV and import it again.")
                    .arg(number.left(16))
                    .arg(m_row);
            }
            m_row = row;
            m_cells.clear();
            m_column = -1;
        } else if (m_row > 0 && name == u"c") {
            return startCell(xml.attributes());
        } else if (m_inCell && name == u"v") {
            m_inValue = true;
        } else if (m_inCell && name == u"is") {
            m_inInline = true;
            m_inline.start();
        } else if (m_inInline) {
            m_inline.token(xml);
        }
        return QString();
    }

    QString startCell(const QXmlStreamAttributes &attributes)
    {
        const QStringView reference = attributes.value("r"_L1);
        int column = m_column + 1;
        if (!reference.isEmpty()) {
            column = referenceColumn(reference);
            if (column < 0) {
                return QCoreApplication::translate("MainWindow",
                                                   "Row %1 holds a cell named %2: save the "
                                                   "sheet again as XLSX or CSV and import it "
                                                   "again.")
                    .arg(m_row)
                    .arg(reference.left(16));
            }
        }
        if (column >= maxColumns) {
            return QCoreApplication::translate("MainWindow",
                                               "Row %1 has a cell beyond column XFD, the last "
                                               "a sheet can have: save the sheet again as XLSX "
                                               "or CSV and import it again.")
                .arg(m_row);
        }
        m_column = column;
        m_type = attributes.value("t"_L1).toString();
        m_value.clear();
        m_inline.start();
        m_inCell = true;
        return QString();
    }

    QString endElement(QXmlStreamReader &xml, bool &done)
    {
        const QStringView name = xml.name();
        if (m_inCell && name == u"c") {
            m_inCell = false;
            return endCell();
        }
        if (m_inValue && name == u"v") {
            m_inValue = false;
        } else if (m_inInline && name == u"is") {
            m_inInline = false;
        } else if (m_inInline) {
            m_inline.token(xml);
        } else if (m_inData && name == u"row") {
            while (!m_cells.isEmpty() && m_cells.constLast().isEmpty())
                m_cells.removeLast();
            if (!m_cells.isEmpty())
                m_sink(m_row, m_cells);
        } else if (name == u"sheetData") {
            done = true;
        }
        return QString();
    }

    QString endCell()
    {
        if (m_value.isEmpty() && m_type != u"inlineStr")
            return QString();
        QString text;
        if (m_type == u"s") {
            bool ok = false;
            const qsizetype index = m_value.trimmed().toLongLong(&ok);
            if (!ok || index < 0 || index >= m_strings.size()) {
                return QCoreApplication::translate("MainWindow",
                                                   "Cell %1 refers to text that the workbook "
                                                   "lacks: save it again as XLSX or CSV and "
                                                   "import it again.")
                    .arg(cellName(m_column, m_row));
            }
            if (m_strings.overLimit(index))
                return tooLongText(cellName(m_column, m_row));
            text = m_strings.at(index);
        } else if (m_type == u"inlineStr") {
            text = m_inline.text().isEmpty() ? m_value : m_inline.text();
        } else if (m_type == u"b") {
            text = m_value.trimmed() == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        } else if (m_type.isEmpty() || m_type == u"n") {
            // Spreadsheets store the 17 digits of a number ("0.29999999999999999") that they
            // show as 0.3.
            bool ok = false;
            const double number = m_value.toDouble(&ok);
            text = ok ? QString::number(number, 'g', QLocale::FloatingPointShortest) : m_value;
        } else {
            text = m_value; // formula results, errors and dates as written
        }
        if (text.isEmpty())
            return QString();
        if (m_cells.size() <= m_column)
            m_cells.resize(m_column + 1);
        m_cells[m_column] = text;
        return QString();
    }

    const SharedStrings &m_strings;
    const XlsxRowSink &m_sink;
    QStringList m_cells;
    QString m_type;
    QString m_value;
    StringCollector m_inline;
    int m_row = 0;
    int m_column = -1;
    bool m_inData = false;
    bool m_inCell = false;
    bool m_inValue = false;
    bool m_inInline = false;
};

struct SheetEntry
{
    QString name;
    QString part;
};

// The workbook's worksheets in its order, and the part of its shared strings.
QString readWorkbook(QuaZip &zip, QList<SheetEntry> &sheets, QString &sharedStringsPart)
{
    QHash<QString, Relationship> packageRels;
    QString reason = readRelationships(zip, QString(), packageRels, true);
    if (!reason.isEmpty())
        return reason;
    QString workbook = relationshipOfType(packageRels, u"/officeDocument");
    if (workbook.isEmpty())
        workbook = QStringLiteral("xl/workbook.xml");

    QHash<QString, Relationship> rels;
    reason = readRelationships(zip, workbook, rels);
    if (!reason.isEmpty())
        return reason;
    sharedStringsPart = relationshipOfType(rels, u"/sharedStrings");

    reason = parsePart(zip, workbook, smallPartCap, [&](QXmlStreamReader &xml, bool &done) {
        if (xml.isStartElement() && xml.name() == u"sheet") {
            // The relationship id's namespace differs between the transitional and the strict
            // dialect; its local name does not.
            for (const QXmlStreamAttribute &attribute : xml.attributes()) {
                if (attribute.name() != u"id" || attribute.namespaceUri().isEmpty())
                    continue;
                const Relationship rel = rels.value(attribute.value().toString());
                if (rel.type.endsWith(u"/worksheet"))
                    sheets.append({xml.attributes().value("name"_L1).toString(), rel.target});
            }
        } else if (xml.isEndElement() && xml.name() == u"sheets") {
            done = true;
        }
        return QString();
    });
    if (reason.isEmpty() && sheets.isEmpty()) {
        return QCoreApplication::translate("MainWindow",
                                           "The workbook has no worksheet: save a sheet of ads "
                                           "as XLSX or CSV and import it again.");
    }
    return reason;
}

QString notXlsxText()
{
    return QCoreApplication::translate("MainWindow",
                                       "The file is not an XLSX workbook: save it as XLSX or "
                                       "CSV and import it again.");
}

QString scanWorkbook(QIODevice *device, const XlsxRowSink &sink, const QString &preferredSheet)
{
    // The caller may have read the head already to tell the file's kind.
    if (!device->isSequential())
        device->seek(0);
    const QByteArray head = device->peek(8);
    // Encrypted workbooks and XLS files are compound documents, not zips.
    if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
        return encryptedText();
    if (!looksLikeZip(head))
        return notXlsxText();

    QuaZip zip(device);
    zip.setAutoClose(false);
    if (!zip.open(QuaZip::mdUnzip))
        return damagedText();
    QList<SheetEntry> sheets;
    QString sharedStringsPart;
    QString reason = readWorkbook(zip, sheets, sharedStringsPart);
    SharedStrings strings;
    if (reason.isEmpty() && !sharedStringsPart.isEmpty())
        reason = readSharedStrings(zip, sharedStringsPart, strings);
    if (reason.isEmpty()) {
        const auto preferred
            = std::find_if(sheets.cbegin(), sheets.cend(), [&](const SheetEntry &s) {
                  return s.name.compare(preferredSheet, Qt::CaseInsensitive) == 0;
              });
        const SheetEntry &chosen = preferred != sheets.cend() ? *preferred : sheets.constFirst();
        SheetReader reader(strings, sink);
        reason = parsePart(
            zip,
            chosen.part,
            sheetCap,
            [&](QXmlStreamReader &xml, bool &done) { return reader.token(xml, done); },
            false,
            [&] { return reader.longTextPlace(); });
    }
    zip.close();
    return reason;
}

} // namespace

bool looksLikeZip(QByteArrayView head)
{
    // A local file header starts every zip with entries; an empty one is its end record alone.
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

QString scanXlsx(QIODevice *device, const XlsxRowSink &sink, const QString &preferredSheet)
{
    const bool wasOpen = device->isOpen();
    if (!wasOpen && !device->open(QIODevice::ReadOnly))
        return notXlsxText();
    const QString reason = scanWorkbook(device, sink, preferredSheet);
    if (!wasOpen)
        device->close();
    return reason;
}

QString scanXlsxFile(const QString &path, const XlsxRowSink &sink, const QString &preferredSheet)
{
    RegularFileBytes file = readRegularFile(path, fileCap);
    if (file.outcome == FileRead::TooLarge) {
        return QCoreApplication::translate("MainWindow",
                                           "The file is larger than %1 MB: split the sheet into "
                                           "smaller files and import them one by one.")
            .arg(fileCap / (1024 * 1024));
    }
    if (file.outcome != FileRead::Read) {
        return QCoreApplication::translate("MainWindow",
                                           "The file cannot be opened: check that it exists "
                                           "and that you may read it.");
    }
    QBuffer buffer(&file.bytes);
    return scanXlsx(&buffer, sink, preferredSheet);
}
