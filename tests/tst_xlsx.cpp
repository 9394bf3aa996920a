// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/xlsx.h"
#include "testsupport.h"

#include <quazip.h>
#include <quazipfile.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

struct Part
{
    QString name;
    QByteArray data;
    const char *password = nullptr;
};
using Parts = QList<Part>;
using Sheet = std::pair<QString, QByteArray>; // name, the rows of its <sheetData>
using Sheets = QList<Sheet>;

class tst_Xlsx : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { TestSupport::isolate(); }
    void readsSheet_data();
    void readsSheet();
    void refusesHostileWorkbook_data();
    void refusesHostileWorkbook();
    void devicesAndFiles();

private:
    QTemporaryDir m_dir;
};

namespace {
QByteArray zip(const Parts &parts)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip archive(&buffer);
    if (!archive.open(QuaZip::mdCreate))
        return {};
    for (const Part &part : parts) {
        QuaZipFile file(&archive);
        const quint32 crc = crc32(
            0, reinterpret_cast<const Bytef *>(part.data.constData()), uInt(part.data.size()));
        // Level 1: the hostile parts are tens of MB.
        if (!file.open(
                QIODevice::WriteOnly, QuaZipNewInfo(part.name), part.password, crc, Z_DEFLATED, 1)
            || file.write(part.data) != part.data.size())
            return {};
        file.close();
    }
    archive.close();
    return bytes;
}

QByteArray worksheet(const QByteArray &rows)
{
    return "<worksheet><sheetData>" + rows + "</sheetData></worksheet>";
}

// A workbook with the package's and the workbook's relationships, the sheets in the given order
// (their parts numbered backwards, so that part names do not give the order away), and shared
// strings when there are any (given as text, or as <si> elements).
Parts workbookParts(const Sheets &sheets, const QStringList &shared = {})
{
    const QByteArray type = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    const auto rel = [&](const QByteArray &id, const QByteArray &kind, const QByteArray &target) {
        return "<Relationship Id=\"" + id + "\" Type=\"" + type + kind + "\" Target=\"" + target
               + "\"/>";
    };
    QByteArray list, rels;
    Parts parts{
        {u"_rels/.rels"_s,
         "<Relationships>" + rel("1", "/officeDocument", "xl/workbook.xml") + "</Relationships>"}};
    for (qsizetype i = 0; i < sheets.size(); ++i) {
        const QByteArray n = QByteArray::number(sheets.size() - i);
        list += "<sheet name=\"" + sheets[i].first.toUtf8() + "\" r:id=\"" + n + "\"/>";
        rels += rel(n, "/worksheet", "worksheets/sheet" + n + ".xml");
        parts.append({"xl/worksheets/sheet" + n + ".xml", worksheet(sheets[i].second)});
    }
    QByteArray items;
    for (const QString &text : shared)
        items += text.startsWith(u'<') ? text.toUtf8() : "<si><t>" + text.toUtf8() + "</t></si>";
    if (!shared.isEmpty()) {
        rels += rel("s", "/sharedStrings", "/xl/sharedStrings.xml");
        parts.append({u"xl/sharedStrings.xml"_s, "<sst>" + items + "</sst>"});
    }
    parts.insert(1,
                 {u"xl/workbook.xml"_s,
                  "<workbook xmlns:r=\"" + type + "\"><sheets>" + list + "</sheets></workbook>"});
    parts.insert(2,
                 {u"xl/_rels/workbook.xml.rels"_s, "<Relationships>" + rels + "</Relationships>"});
    return parts;
}

QByteArray workbook(const Sheets &sheets, const QStringList &shared = {})
{
    return zip(workbookParts(sheets, shared));
}

// Rows as "number: cell|cell|...", and the reason.
std::pair<QStringList, QString> scan(QByteArray bytes, const QString &preferred = QString())
{
    QBuffer buffer(&bytes);
    QStringList rows;
    const QString reason = scanXlsx(
        &buffer,
        [&](int row, const QStringList &cells) {
            rows << QString::number(row) + u": "_s + cells.join(u'|');
        },
        preferred);
    return {rows, reason};
}
} // namespace

void tst_Xlsx::readsSheet_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("preferred");
    QTest::addColumn<QStringList>("rows");

    const QStringList direct
        = u"Тексты,Кампания,Заголовок 1,Заголовок 2,Текст,Ссылка,Окна — быстро"_s.split(u',');
    QTest::addRow("Yandex layout: settings rows, header in row 4, sub-header, Cyrillic")
        << workbook({{u"Тексты"_s,
                      R"(<row r="1"><c r="A1" t="s"><v>1</v></c><c r="B1"><v>42</v></c></row>
                         <row r="4"><c r="A4" t="s"><v>2</v></c><c r="B4" t="s"><v>3</v></c>
                           <c r="C4" t="s"><v>4</v></c><c r="D4" t="s"><v>5</v></c></row>
                         <row r="5"><c r="B5" t="inlineStr"><is><t>необязательно</t></is></c></row>
                         <row r="6"><c r="A6" t="s"><v>6</v></c><c r="D6" t="inlineStr">
                           <is><t>https://пример.рф/окна</t></is></c></row>)"}},
                    direct)
        << QString()
        << u"1: Кампания|42,4: Заголовок 1|Заголовок 2|Текст|Ссылка,5: |необязательно,"
           "6: Окна — быстро|||https://пример.рф/окна"_s.split(u',');
    QTest::addRow("rich text runs joined, phonetic guide left out, spaces kept")
        << workbook(
               {{u"S"_s, R"(<row r="2"><c r="A2" t="s"><v>0</v></c>
                          <c r="B2" t="inlineStr"><is><r><t xml:space="preserve">Big </t></r>
                          <r><rPr><b/></rPr><t>sale</t></r></is></c></row>)"}},
               {uR"(<si><r><rPr><i/></rPr><t xml:space="preserve">  Fast </t></r><r><t>&amp; cheap</t></r>
                         <rPh sb="0" eb="1"><t>ruby</t></rPh></si>)"_s})
        << QString() << QStringList{u"2:   Fast & cheap|Big sale"_s};
    QTest::addRow("references missing: rows and cells follow in order")
        << workbook({{u"S"_s, R"(<row r="3"><c t="inlineStr"><is><t>a</t></is></c>
                          <c t="inlineStr"><is><t>b</t></is></c></row>
                          <row><c><v>7</v></c><c r="D4"><v>8</v></c><c><v>9</v></c></row>)"}})
        << QString() << QStringList{u"3: a|b"_s, u"4: 7|||8|9"_s};
    QTest::addRow("gaps; empty and styled cells neither make a row nor trail one")
        << workbook({{u"S"_s, R"(<row r="2"><c r="B2" s="3"/><c r="C2" t="s"/></row>
                          <row r="9"><c r="C9"><v>0.29999999999999999</v></c><c r="F9" s="1"/></row>
                          <row r="12"><c r="AA12" t="b"><v>1</v></c></row>)"}})
        << QString() << QStringList{u"9: ||0.3"_s, u"12: "_s + QString(26, u'|') + u"TRUE"_s};
    QTest::addRow("numbers as shown, formula results and booleans as their text, no formula")
        << workbook({{u"S"_s, R"(<row r="1"><c r="A1" t="str"><f>B1&amp;"x"</f><v>yx</v></c>
                          <c r="B1" t="b"><v>0</v></c><c r="C1" t="e"><v>#N/A</v></c>
                          <c r="D1" t="n"><v>1E-3</v></c><c r="E1"><v>12345678901</v></c></row>)"}})
        << QString() << QStringList{u"1: yx|FALSE|#N/A|0.001|12345678901"_s};

    const Sheets two{{u"Settings"_s, R"(<row r="1"><c r="A1"><v>1</v></c></row>)"},
                     {u"Тексты"_s, R"(<row r="1"><c r="A1"><v>2</v></c></row>)"}};
    QTest::addRow("the preferred sheet, though second")
        << workbook(two) << u"Тексты"_s << QStringList{u"1: 2"_s};
    QTest::addRow("the preferred sheet in other case")
        << workbook(two) << u"ТЕКСТЫ"_s << QStringList{u"1: 2"_s};
    QTest::addRow("no preferred sheet: the workbook's first")
        << workbook(two) << u"Ads"_s << QStringList{u"1: 1"_s};
}

void tst_Xlsx::readsSheet()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, preferred);
    QFETCH(QStringList, rows);
    const auto [read, reason] = scan(bytes, preferred);
    QCOMPARE(reason, QString());
    QCOMPARE(read, rows);
}

void tst_Xlsx::refusesHostileWorkbook_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");   // a part of the reason
    QTest::addColumn<QStringList>("rows"); // read before it

    const QString notXlsx = u"The file is not an XLSX workbook: save it as XLSX or CSV"_s;
    const QString damaged = u"The workbook is damaged or incomplete"_s;
    const QString encrypted = u"The workbook is encrypted or an old Excel (XLS) file"_s;
    const QString badXml = u"is not readable XML"_s;
    const QByteArray good = R"(<row r="1"><c r="A1"><v>1</v></c></row>)";
    const QByteArray valid = workbook({{u"S"_s, good}});

    QTest::addRow("text") << "Title,Text\nA,B\n"_ba << notXlsx << QStringList();
    QTest::addRow("XLS or encrypted: a compound document")
        << "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1rest"_ba << encrypted << QStringList();
    QTest::addRow("truncated zip") << valid.left(valid.size() * 2 / 3) << damaged << QStringList();
    // The sheet's data follows its local header: the name, then an extra field of the length
    // stored just before the name.
    QByteArray flipped = valid;
    const qsizetype name = flipped.indexOf("xl/worksheets/sheet1.xml");
    flipped[name + 24 + uchar(flipped[name - 2]) + 256 * uchar(flipped[name - 1]) + 5] ^= 0x55;
    QTest::addRow("corrupt data of the sheet") << flipped << damaged << QStringList();

    Parts parts = workbookParts({{u"S"_s, good}});
    parts.last().password = "secret";
    QTest::addRow("encrypted sheet") << zip(parts) << encrypted << QStringList();
    parts = workbookParts({{u"S"_s, good}});
    parts.removeLast();
    QTest::addRow("sheet part missing")
        << zip(parts) << u"lacks its part xl/worksheets/sheet1.xml"_s << QStringList();
    QTest::addRow("no worksheet") << workbook({}) << u"has no worksheet"_s << QStringList();

    parts = workbookParts({{u"S"_s, good}});
    parts.last().data = "<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"
                        "<row r=\"2\"><c r=\"A2\"><v>2</v></c></sheetData></worksheet>";
    QTest::addRow("sheet XML does not parse") << zip(parts) << badXml << QStringList{u"1: 1"_s};
    parts.last().data
        = "<!DOCTYPE w [<!ENTITY a \"aaaaaaaaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
          "<worksheet><sheetData><row><c><v>&b;</v></c></row></sheetData></worksheet>";
    QTest::addRow("document type with entities")
        << zip(parts) << u"declares a document type"_s << QStringList();
    parts.last().data = QByteArray(4 * 1024 * 1024, '\0');
    QTest::addRow("bomb: 4 MB of zeros") << zip(parts) << badXml << QStringList();
    parts.last().data = worksheet(good + QByteArray(4 * 1024 * 1024, ' '));
    QTest::addRow("bomb: 4 MB of blanks")
        << zip(parts) << u"sheet1.xml holds a text of more than 512 KiB"_s
        << QStringList{u"1: 1"_s};
    parts.last().data = worksheet("<row r=\"3\"><c r=\"B3\"><v>" + QByteArray(2 << 20, '9'));
    QTest::addRow("cell of 2 MB") << zip(parts) << u"Cell B3 holds more than 64 KiB"_s
                                  << QStringList();
    // Elements of 1 KB, unknown to the reader, up to the cap.
    const QByteArray filler = "<x a=\"" + QByteArray(1000, 'a') + "\"/>";
    parts.last().data = worksheet(good + filler.repeated(70 * 1024));
    QTest::addRow("bomb: a sheet of 70 MB")
        << zip(parts) << u"part xl/worksheets/sheet1.xml unpacks to more than 64 MB"_s
        << QStringList{u"1: 1"_s};
    parts = workbookParts({{u"S"_s, good}}, {u"x"_s});
    parts.last().data = "<sst>" + filler.repeated(33 * 1024) + "</sst>";
    QTest::addRow("bomb: shared strings of 33 MB")
        << zip(parts) << u"part xl/sharedStrings.xml unpacks to more than 32 MB"_s << QStringList();

    // Column 1,000,000 is BDWGN.
    QTest::addRow("cell at column 1,000,000")
        << workbook({{u"S"_s, good + R"(<row r="2"><c r="BDWGN2"><v>1</v></c></row>)"}})
        << u"Row 2 has a cell beyond column XFD"_s << QStringList{u"1: 1"_s};
    QTest::addRow("cell at column XFE, one past the last")
        << workbook({{u"S"_s, R"(<row r="3"><c r="XFE3"><v>1</v></c></row>)"}})
        << u"Row 3 has a cell beyond column XFD"_s << QStringList();
    QTest::addRow("16,385 cells without references") << workbook(
        {{u"S"_s, "<row r=\"4\">" + QByteArray("<c><v>1</v></c>").repeated(16385) + "</row>"}})
                                                     << u"Row 4 has a cell beyond column XFD"_s
                                                     << QStringList();
    QTest::addRow("reference that is no cell")
        << workbook({{u"S"_s, R"(<row r="2"><c r="12"><v>1</v></c></row>)"}})
        << u"Row 2 holds a cell named 12"_s << QStringList();
    QTest::addRow("rows out of order")
        << workbook({{u"S"_s, good + R"(<row r="5"/><row r="3"><c><v>1</v></c></row>)"}})
        << u"row numbers are not valid (row 3 after row 5)"_s << QStringList{u"1: 1"_s};

    const QString longText(70 * 1024, u'x');
    QTest::addRow("shared string of 70 KiB, used in C5")
        << workbook({{u"S"_s, good + R"(<row r="5"><c r="C5" t="s"><v>1</v></c></row>)"}},
                    {u"short"_s, longText})
        << u"Cell C5 holds more than 64 KiB of text"_s << QStringList{u"1: 1"_s};
    QTest::addRow("a 70 KiB shared string unused") << workbook(
        {{u"S"_s, R"(<row r="5"><c r="C5" t="s"><v>0</v></c></row>)"}}, {u"short"_s, longText})
                                                   << QString() << QStringList{u"5: ||short"_s};
    QTest::addRow("inline string of 34,000 Cyrillic letters (68,000 bytes) in AB7")
        << workbook({{u"S"_s,
                      "<row r=\"7\"><c r=\"AB7\" t=\"inlineStr\"><is><t>"
                          + QString(34000, u'ж').toUtf8() + "</t></is></c></row>"}})
        << u"Cell AB7 holds more than 64 KiB"_s << QStringList();
    QTest::addRow("shared string index past the table")
        << workbook({{u"S"_s, R"(<row r="2"><c r="B2" t="s"><v>1</v></c></row>)"}}, {u"x"_s})
        << u"Cell B2 refers to text that the workbook lacks"_s << QStringList();
}

void tst_Xlsx::refusesHostileWorkbook()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QFETCH(QStringList, rows);
    const auto [read, said] = scan(bytes);
    if (reason.isEmpty())
        QCOMPARE(said, QString());
    else
        QVERIFY2(said.contains(reason), qPrintable(said));
    QCOMPARE(read, rows);
}

void tst_Xlsx::devicesAndFiles()
{
    QByteArray bytes = workbook({{u"S"_s, R"(<row r="1"><c r="A1"><v>1</v></c></row>)"}});
    int rows = 0;
    const XlsxRowSink sink = [&](int, const QStringList &) { ++rows; };
    // A device the caller opened stays open, one it did not stays closed.
    QBuffer buffer(&bytes);
    QCOMPARE(scanXlsx(&buffer, sink), QString());
    QVERIFY(!buffer.isOpen());
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    buffer.read(4); // as a caller telling the kind of file does
    QCOMPARE(scanXlsx(&buffer, sink), QString());
    QVERIFY(buffer.isOpen());

    const QString path = m_dir.filePath(u"ads.xlsx"_s);
    TestSupport::writeFile(path, bytes);
    QCOMPARE(scanXlsxFile(path, sink), QString());
    QCOMPARE(rows, 3);
    QVERIFY(scanXlsxFile(m_dir.path(), sink).contains(u"cannot be opened"));
}

QTEST_GUILESS_MAIN(tst_Xlsx)
#include "tst_xlsx.moc"
