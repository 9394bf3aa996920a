// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/bulkexport.h"
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using Ads = QList<AdFields>;
using Rows = QList<int>;

class tst_CopyDeck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void import_data();
    void import();
    void rowNumbers();
    void layouts_data();
    void layouts();
    void workbookRows_data();
    void workbookRows();
    void cannotImport_data();
    void cannotImport();
    void hostileInputEndsAndKeepsGoodRows_data();
    void hostileInputEndsAndKeepsGoodRows();
    void exportImportsBackUnchanged();
    void exportCountsAndVerdicts();
    void deckColumns_data();
    void deckColumns();
    void findingsNameTheAsset();
    void bulkFiles_data();
    void bulkFiles();
    void googleAdsEditorRoundTrip();
    void failedWriteKeepsTheOldFile();
    void sheetSurvives();
    void unreadableSheetIsKeptAside();

private:
    QTemporaryDir m_dir;
};

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
    return encoder(text);
}

struct Read
{
    CopyDeckReport report;
    Ads ads;
    Rows rows;
};

Read read(const QByteArray &bytes)
{
    Read result;
    result.report = scanCopyDeck(bytes, [&result](int row, const AdFields &ad) {
        result.rows.append(row);
        result.ads.append(ad);
    });
    return result;
}

// `ad` with the other columns `headers` holding `cells` (missing ones empty).
AdFields keeping(AdFields ad, const QStringList &headers, const QStringList &cells = {})
{
    for (qsizetype i = 0; i < headers.size(); ++i)
        ad.otherColumns.append({headers.at(i), cells.value(i)});
    return ad;
}

Rows unreadableRows(const CopyDeckReport &report)
{
    Rows rows;
    for (const UnreadableRow &row : report.unreadable)
        rows.append(row.row);
    return rows;
}

// Awkward fields: separators of every kind, quotes, line breaks, spaces at the ends, scripts.
const Ads awkward{
    {u"Fresh bread, daily"_s, u"Say \"hello\"; then \"bye\""_s, u"example.com/a,b"_s},
    {u"  spaced  "_s, u"line one\nline two\r\nline three"_s, u"tab\there"_s},
    {u"Диваны от производителя"_s, u"Скидки до 50% — только сегодня!"_s, u"диваны/москва"_s},
    {u"新鮮なパン"_s, u"毎朝焼きたて 🍞"_s, QString()},
    {QString(), QString(), u"only a URL"_s},
    {u"\"quoted\""_s, u"\""_s, u"ends with a quote\""_s},
};
} // namespace

void tst_CopyDeck::initTestCase()
{
    TestSupport::isolate();
    QVERIFY(m_dir.isValid());
}

void tst_CopyDeck::import_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Ads>("ads");
    QTest::addColumn<char>("separator");

    const Ads two{{u"Bread"_s, u"Fresh"_s, u"example.com"_s}, {u"Rolls"_s, u"Warm"_s, u"x.org"_s}};
    const QString plain = u"Title,Text,URL\nBread,Fresh,example.com\nRolls,Warm,x.org\n"_s;
    QTest::addRow("UTF-8, comma") << plain.toUtf8() << two << ',';
    QTest::addRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + plain.toUtf8() << two << ',';
    QTest::addRow("UTF-16 LE with BOM") << utf16(plain, QStringConverter::Utf16LE) << two << ',';
    QTest::addRow("UTF-16 BE with BOM") << utf16(plain, QStringConverter::Utf16BE) << two << ',';
    QTest::addRow("semicolon, CRLF")
        << "Title;Text;URL\r\nBread;Fresh;example.com\r\nRolls;Warm;x.org\r\n"_ba << two << ';';
    QTest::addRow("tab, CR only")
        << "Title\tText\tURL\rBread\tFresh\texample.com\rRolls\tWarm\tx.org"_ba << two << '\t';
    QTest::addRow("headers in any case and spacing, any order, other columns")
        << "Campaign,display URL , DESCRIPTION,head line\nC1,example.com,Fresh,Bread\n"
           "C2,x.org,Warm,Rolls\n"_ba
        << Ads{keeping(two.at(0), {u"Campaign"_s}, {u"C1"_s}),
               keeping(two.at(1), {u"Campaign"_s}, {u"C2"_s})}
        << ',';
    QTest::addRow("Yandex Direct Commander titles")
        << u"Заголовок 1\tТекст\tОтображаемая ссылка\nBread\tFresh\texample.com\n"
           "Rolls\tWarm\tx.org\n"_s.toUtf8()
        << two << '\t';
    QTest::addRow("Path as URL, empty lines before the header")
        << "\n\nTitle,Text,Path\nBread,Fresh,example.com\n\nRolls,Warm,x.org\n"_ba << two << ',';
    QTest::addRow("missing URL column") << "Headline,Description\nBread,Fresh\n"_ba
                                        << Ads{{u"Bread"_s, u"Fresh"_s, QString()}} << ',';
    QTest::addRow("missing cells read as empty, empty trailing cells allowed")
        << "Title,Text,URL\nBread\nRolls,Warm,x.org,,\n"_ba
        << Ads{{u"Bread"_s, QString(), QString()}, {u"Rolls"_s, u"Warm"_s, u"x.org"_s}} << ',';
    QTest::addRow("quoted separators, quotes and line breaks")
        << "Title,Text,URL\n\"a, b\",\"say \"\"hi\"\"\",\"x\ny\"\n\"\",\"\"\"\",z\n"_ba
        << Ads{{u"a, b"_s, u"say \"hi\""_s, u"x\ny"_s}, {QString(), u"\""_s, u"z"_s}} << ',';
    QTest::addRow("spaces at the ends are kept")
        << "Title,Text,URL\n  Bread , Fresh\t,x \n"_ba
        << Ads{{u"  Bread "_s, u" Fresh\t"_s, u"x "_s}} << ',';
    QTest::addRow("rows with text only in other columns are no ads")
        << "Campaign,Title,Text,URL\nC1,,,\nC2,Bread,,\n"_ba
        << Ads{keeping({u"Bread"_s, QString(), QString()}, {u"Campaign"_s}, {u"C2"_s})} << ',';
}

void tst_CopyDeck::import()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Ads, ads);
    QFETCH(char, separator);
    const Read result = read(bytes);
    QVERIFY(result.report.isReadable());
    QCOMPARE(result.report.separator, separator);
    QCOMPARE(result.ads, ads);
    QVERIFY(result.report.unreadable.isEmpty());
}

void tst_CopyDeck::rowNumbers()
{
    // Rows as a spreadsheet numbers them: a record with line breaks inside is one row, a blank
    // line is a row, "\r\n" ends one row.
    const QByteArray bytes = "Title,Text,URL\r\n"     // 1
                             "\"two\nlines\",t,u\r\n" // 2
                             "\r\n"                   // 3 (blank)
                             "bad\"quote,t,u\r\n"     // 4
                             "ok,t,u\r\n"             // 5
                             "x,t,u,extra\r\n"        // 6
                             "lat\xE9n,t,u\r\n"       // 7
                             "last,t,u"_ba;           // 8
    const Read result = read(bytes);
    QCOMPARE(result.report.headerRow, 1);
    QCOMPARE(result.rows, Rows({2, 5, 8}));
    QCOMPARE(result.report.rows, 8);
    QCOMPARE(result.report.unreadable,
             QList<UnreadableRow>({{4, RowProblem::StrayQuote},
                                   {6, RowProblem::TooManyCells},
                                   {7, RowProblem::NotUtf8}}));
    for (const UnreadableRow &row : result.report.unreadable)
        QVERIFY(!rowProblemText(row.problem).isEmpty());
}

namespace {
// An ad of these titles and texts (empty ones keep their place), URL, final URL and pins.
AdFields assets(const QStringList &titles,
                const QStringList &texts,
                const QString &url,
                const QString &finalUrl = {},
                const QList<int> &titlePins = {},
                const QList<int> &textPins = {})
{
    return TestSupport::adOf(titles, texts, url, finalUrl, titlePins, textPins);
}

// Google Ads Editor's export: 109 columns, UTF-16 LE with a byte order mark, tabs, rows that
// stop after their last filled cell.
QByteArray googleEditorExport(QStringList *others)
{
    QStringList header{u"Campaign"_s, u"Ad group"_s, u"Ad type"_s};
    for (int n = 1; n <= 15; ++n)
        header << u"Headline %1"_s.arg(n) << u"Headline %1 position"_s.arg(n);
    for (int n = 1; n <= 4; ++n)
        header << u"Description %1"_s.arg(n) << u"Description %1 position"_s.arg(n);
    header << u"Path 1"_s << u"Path 2"_s << u"Final URL"_s << u"Final mobile URL"_s
           << u"Description Line 1"_s << u"Description Line 2"_s << u"Link Text"_s;
    for (int n = 1; n <= 60; ++n)
        header << u"Label %1"_s.arg(n);
    *others = header.filter(QRegularExpression(u"^(Campaign|Ad group|Final mobile|Desc.* Line|"
                                               "Link|Label)"_s));
    // "Column=value|Column=value": the row stops after its last filled cell.
    const auto row = [&header](const QString &cells) {
        QStringList line(header.size());
        for (const QString &cell : cells.split(u'|'))
            line[header.indexOf(cell.section(u'=', 0, 0))] = cell.section(u'=', 1);
        while (line.constLast().isEmpty())
            line.removeLast();
        return line.join(u'\t') + u"\r\n"_s;
    };
    const QString text
        = header.join(u'\t') + u"\r\n"_s + row(u"Campaign=Shoes|Headline 1 position= -"_s)
          + row(u"Campaign=Shoes|Ad group=Run|Ad type=Responsive search ad|Headline 1=Run fast|"
                "Headline 1 position= -|Headline 2=Light shoes|Headline 2 position=1|"
                "Headline 3= -|Headline 4=Free returns|Description 1=Soft soles|"
                "Description 2=Ships today|Description 2 position=2|Description 3=[]|"
                "Path 1=shoes|Final URL=https://www.Example.com:443/run?x=1"_s)
          + row(u"Campaign=Shoes|Description Line 1=Free returns|Link Text=Returns"_s);
    return utf16(text, QStringConverter::Utf16LE);
}

// Microsoft's list of headlines or descriptions in a CSV cell, quotes doubled.
QString jsonCell(const QString &json)
{
    return u'"' + QString(json).replace(u"\""_s, u"\"\""_s) + u'"';
}
} // namespace

void tst_CopyDeck::layouts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Ads>("ads");
    QTest::addColumn<int>("notAds");
    QTest::addColumn<DeckLayout>("layout");
    QTest::addColumn<bool>("hasTitle");

    QTest::addRow("our deck: every asset, pins, final URL; a header cell in other words kept")
        << "Title,Title 2,Title 3,Text,Text 2,URL,Final URL,Title 2 pin,Text 1 pin,Note\n"
           "A,B,,X,Y,ex.com/p,https://ex.com/p,1,2,n\n"_ba
        << Ads{keeping(assets({u"A"_s, u"B"_s},
                              {u"X"_s, u"Y"_s},
                              u"ex.com/p"_s,
                              u"https://ex.com/p"_s,
                              {0, 1},
                              {2}),
                       {u"Note"_s},
                       {u"n"_s})}
        << 0 << DeckLayout::CopyDeck << true;
    QTest::addRow("pins out of range are no pins")
        << "Title,Title 1 pin,Text,Text 1 pin\nA,4,X,3\n"_ba << Ads{assets({u"A"_s}, {u"X"_s}, {})}
        << 0 << DeckLayout::CopyDeck << true;

    QStringList editorOthers;
    const QByteArray editor = googleEditorExport(&editorOthers);
    QTest::addRow("Google Ads Editor export: UTF-16, 109 columns, ragged, sitelinks, \" -\", []")
        << editor
        << Ads{keeping(assets({u"Run fast"_s, u"Light shoes"_s, {}, u"Free returns"_s},
                              {u"Soft soles"_s, u"Ships today"_s},
                              u"Example.com/shoes"_s,
                              u"https://www.Example.com:443/run?x=1"_s,
                              {0, 1},
                              {0, 2}),
                       editorOthers,
                       {u"Shoes"_s, u"Run"_s})}
        << 2 << DeckLayout::GoogleAds << true;
    QTest::addRow("Google path 2 without path 1, final URL without scheme")
        << "Headline 1,Description 1,Path 1,Path 2,Final URL\nH,D,,p2,shop.example.org/x\n"_ba
        << Ads{assets({u"H"_s}, {u"D"_s}, u"shop.example.org//p2"_s, u"shop.example.org/x"_s)} << 0
        << DeckLayout::GoogleAds << true;
    QTest::addRow("Google web template: comment lines, Row Type")
        << "# Bulk upload template, edit below\n#Row Type,Action\nRow Type,Action,Headline 1,"
           "Description 1,Final URL\nCampaign,Add,,,\nKeyword,Add,run shoes,,\n"
           "Ad,Add,H,D,http://a.com\n"_ba
        << Ads{keeping(assets({u"H"_s}, {u"D"_s}, u"a.com"_s, u"http://a.com"_s),
                       {u"Action"_s},
                       {u"Add"_s})}
        << 2 << DeckLayout::GoogleAds << true;
    QTest::addRow("Google standard text ad: Description Line 1/2 are its texts")
        << "Headline,Description Line 1,Description Line 2,Display URL,Destination URL\n"
           "H,L1,L2,ex.com,https://ex.com/a\n"_ba
        << Ads{assets({u"H"_s}, {u"L1"_s, u"L2"_s}, u"ex.com"_s, u"https://ex.com/a"_s)} << 0
        << DeckLayout::GoogleAds << true;
    QTest::addRow("Google expanded text ad with one Description")
        << "Headline 1,Headline 2,Headline 3,Description,Path 1,Final URL\n"
           "H1,H2,H3,D,p,https://ex.com\n"_ba
        << Ads{assets({u"H1"_s, u"H2"_s, u"H3"_s}, {u"D"_s}, u"ex.com/p"_s, u"https://ex.com"_s)}
        << 0 << DeckLayout::GoogleAds << true;

    const QString microsoft
        = u"Type,Status,Id,Destination Url,Final Url,Path 1,Headline,Description,Title Part 1,"
          "Title Part 2,Text,Text Part 2,Name\n"
          "Format Version,,,,,,,,,,,,6.0\n"
          "Campaign,Active,1,,,,,,,,,,Shoes\n"
          "Responsive Search Ad,Active,2,,https://www.contoso.com/a,deals,"_s
          + jsonCell(u"[{\"text\":\"Contoso\",\"pinnedField\":\"Headline1\"},"
                     "{\"text\":\"Quick & Easy\"}]"_s)
          + u","_s
          + jsonCell(u"[{\"text\":\"D one\"},{\"text\":\"D two\",\"pinnedField\":"
                     "\"Description2\"}]"_s)
          + u",,,,,\nExpanded Text Ad,Paused,3,,https://contoso.com,,,,T1,T2,X1,X2,\n"_s;
    QTest::addRow("Microsoft bulk: Format Version, JSON lists with pins, expanded text ad, "
                  "two final URL columns")
        << "\xEF\xBB\xBF" + microsoft.toUtf8()
        << Ads{keeping(assets({u"Contoso"_s, u"Quick & Easy"_s},
                              {u"D one"_s, u"D two"_s},
                              u"contoso.com/deals"_s,
                              u"https://www.contoso.com/a"_s,
                              {1},
                              {0, 2}),
                       {u"Status"_s, u"Id"_s, u"Name"_s},
                       {u"Active"_s, u"2"_s}),
               keeping(assets({u"T1"_s, u"T2"_s},
                              {u"X1"_s, u"X2"_s},
                              u"contoso.com"_s,
                              u"https://contoso.com"_s),
                       {u"Status"_s, u"Id"_s, u"Name"_s},
                       {u"Paused"_s, u"3"_s})}
        << 2 << DeckLayout::Microsoft << true;

    QTest::addRow("Yandex Commander: title 2, link, display link; image ads skipped")
        << u"Доп. объявление группы\tТип объявления\tЗаголовок 1\tЗаголовок 2\tТекст\tСсылка\t"
           "Отображаемая ссылка\n-\tТекстово-графическое\tДиваны\tНедорого\tВ наличии\t"
           "https://x.ru\tdivany\n+\tГрафическое\tКартинка\t\t\thttps://x.ru\t\n"_s.toUtf8()
        << Ads{keeping(
               assets(
                   {u"Диваны"_s, u"Недорого"_s}, {u"В наличии"_s}, u"divany"_s, u"https://x.ru"_s),
               {u"Доп. объявление группы"_s},
               {u"-"_s})}
        << 1 << DeckLayout::Yandex << true;
    QTest::addRow("ads without a title column")
        << "Description 1,Final URL\nD,https://a.com\n"_ba
        << Ads{assets({}, {u"D"_s}, u"a.com"_s, u"https://a.com"_s)} << 0 << DeckLayout::GoogleAds
        << false;
}

void tst_CopyDeck::layouts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Ads, ads);
    QFETCH(int, notAds);
    QFETCH(DeckLayout, layout);
    QFETCH(bool, hasTitle);
    const Read result = read(bytes);
    QVERIFY2(result.report.isReadable(), qPrintable(cannotReadText(result.report)));
    QCOMPARE(result.report.unreadable, QList<UnreadableRow>());
    QCOMPARE(result.ads, ads);
    QCOMPARE(result.report.ads, ads.size());
    QCOMPARE(result.report.notAds, notAds);
    QCOMPARE(result.report.layout, layout);
    QCOMPARE(result.report.hasTitleColumn, hasTitle);
    QVERIFY(!deckLayoutName(layout).isEmpty());
}

using Cells = QList<QStringList>;

void tst_CopyDeck::workbookRows_data()
{
    QTest::addColumn<Cells>("sheet");
    QTest::addColumn<QString>("error"); // what the reader says at the end
    QTest::addColumn<Ads>("ads");
    QTest::addColumn<int>("notAds");
    QTest::addColumn<Rows>("unreadable");
    QTest::addColumn<CopyDeckProblem>("problem");

    const QStringList header{u"Заголовок 1"_s, u"Заголовок 2"_s, u"Текст"_s, u"Ссылка"_s};
    const Cells yandex{{u"Кампания"_s, u"Диваны"_s},
                       {},
                       header,
                       {u"до 56 знаков"_s, u"до 30 знаков"_s, u"до 81 знака"_s},
                       {u"Диваны"_s, u"Недорого"_s, u"В наличии"_s, u"https://x.ru"_s},
                       {u"Кресла"_s, {}, {}, u"https://x.ru"_s, u"лишнее"_s}};
    const Ads one{assets({u"Диваны"_s, u"Недорого"_s}, {u"В наличии"_s}, {}, u"https://x.ru"_s)};
    QTest::addRow("settings first, a sub-header, text past the header")
        << yandex << QString() << one << 1 << Rows{6} << CopyDeckProblem::None;
    QTest::addRow("the reader fails")
        << yandex << u"a broken zip"_s << one << 1 << Rows{6} << CopyDeckProblem::NotReadable;
    QTest::addRow("our deck: its first row is an ad without a URL")
        << Cells{{u"Title"_s, u"Text"_s}, {u"Bread"_s, u"Fresh"_s}} << QString()
        << Ads{{u"Bread"_s, u"Fresh"_s}} << 0 << Rows{} << CopyDeckProblem::None;
    QTest::addRow("no header among the rows")
        << Cells{{u"Кампания"_s}} << QString() << Ads{} << 0 << Rows{} << CopyDeckProblem::NoHeader;
}

void tst_CopyDeck::workbookRows()
{
    QFETCH(Cells, sheet);
    QFETCH(QString, error);
    QFETCH(Ads, ads);
    QFETCH(int, notAds);
    QFETCH(Rows, unreadable);
    QFETCH(CopyDeckProblem, problem);
    Ads read;
    const CopyDeckReport report = scanCopyDeckRows(
        [&](const CellRowSink &sink) {
            for (qsizetype i = 0; i < sheet.size(); ++i)
                sink(int(i) + 1, sheet.at(i));
            return error;
        },
        [&read](int, const AdFields &ad) { read.append(ad); });
    QCOMPARE(report.problem, problem);
    QCOMPARE(read, ads);
    QCOMPARE(unreadableRows(report), unreadable);
    if (problem != CopyDeckProblem::None) {
        QVERIFY2(cannotReadText(report).contains(error), qPrintable(cannotReadText(report)));
        return;
    }
    QCOMPARE(report.notAds, notAds);
}

void tst_CopyDeck::cannotImport_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CopyDeckProblem>("problem");
    QTest::addColumn<QString>("found"); // a column the message names as found
    QTest::newRow("empty") << QByteArray() << CopyDeckProblem::NoHeader << QString();
    QTest::newRow("blank lines") << "\n\r\n\n"_ba << CopyDeckProblem::NoHeader << QString();
    QTest::newRow("data without a header")
        << "Bread;Fresh;example.com\n"_ba << CopyDeckProblem::NoHeader << u"\"Fresh\""_s;
    QTest::newRow("binary") << QByteArray("\x00\x01\x02\xFF\xFE\x00", 6)
                            << CopyDeckProblem::NoHeader << QString();
    QTest::newRow("header only") << "Title,Text,URL\n"_ba << CopyDeckProblem::NoAds
                                 << u"\"Text\""_s;
    QTest::newRow("only rows that are not ads")
        << "Campaign,Ad type,Headline 1\nShoes,,\nShoes,Call ad,Call us\n"_ba
        << CopyDeckProblem::NoAds << u"\"Ad type\""_s;
    QTest::newRow("a zip that is no workbook, whatever its name")
        << "PK\x03\x04 Title,Text,URL\nBread,Fresh,x.org\n"_ba << CopyDeckProblem::NotReadable
        << QString();
    QTest::newRow("a header of a million columns")
        << "Title" + QByteArray(1'000'000, ',') + "\nA\n"_ba << CopyDeckProblem::TooManyColumns
        << QString();
}

void tst_CopyDeck::cannotImport()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CopyDeckProblem, problem);
    QFETCH(QString, found);
    const Read result = read(bytes);
    QCOMPARE(result.report.problem, problem);
    QVERIFY(result.ads.isEmpty());
    // Why, what the file holds and what would be read instead.
    const QString text = cannotReadText(result.report);
    QVERIFY2(text.startsWith(copyDeckProblemText(problem)), qPrintable(text));
    QVERIFY2(text.contains(found), qPrintable(text));
    if (problem == CopyDeckProblem::NoHeader || problem == CopyDeckProblem::NoAds)
        QVERIFY2(text.contains(u"Headline 1 … Headline 15"_s), qPrintable(text));
    if (problem == CopyDeckProblem::NotReadable)
        QVERIFY2(!result.report.detail.isEmpty() && text.contains(result.report.detail),
                 qPrintable(text));
}

void tst_CopyDeck::hostileInputEndsAndKeepsGoodRows_data()
{
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<RowProblem>("problem");
    QTest::addRow("quote that never closes")
        << "\"never closed,t,u\n"_ba << RowProblem::UnclosedQuote;
    QTest::addRow("quote that runs past the field limit")
        << "\"" + QByteArray(maxCopyDeckFieldBytes + 10, 'a') + "\n"_ba
        << RowProblem::UnclosedQuote;
    QTest::addRow("unquoted field over the limit")
        << QByteArray(3 * maxCopyDeckFieldBytes, 'b') + ",t,u\n"_ba << RowProblem::FieldTooLong;
    QTest::addRow("field just over the limit, within two chunks")
        << "t," + QByteArray(maxCopyDeckFieldBytes + 1, 'c') + ",u\n"_ba
        << RowProblem::FieldTooLong;
    QTest::addRow("quoted field over the limit, closed on its line")
        << "\"" + QByteArray(maxCopyDeckFieldBytes + 1, 'd') + "\",t,u\n"_ba
        << RowProblem::FieldTooLong;
    QTest::addRow("text after a closing quote") << "\"a\"b,t,u\n"_ba << RowProblem::StrayQuote;
}

void tst_CopyDeck::hostileInputEndsAndKeepsGoodRows()
{
    QFETCH(QByteArray, bad);
    QFETCH(RowProblem, problem);
    // The bad row sits between good ones, and again at the very end.
    const QByteArray bytes
        = "Title,Text,URL\nfirst,t,u\n"_ba + bad + "second,t,u\nthird,t,u\n" + bad;
    const Read result = read(bytes);
    QVERIFY(result.report.isReadable());
    QCOMPARE(result.ads.size(), 3);
    QCOMPARE(result.ads.at(0).title, u"first"_s);
    QCOMPARE(result.ads.at(1).title, u"second"_s);
    QCOMPARE(result.ads.at(2).title, u"third"_s);
    QCOMPARE(result.rows, Rows({2, 4, 5}));
    QCOMPARE(unreadableRows(result.report), Rows({3, 6}));
    QCOMPARE(result.report.unreadable.constFirst().problem, problem);
}

namespace {
// An engine of plain rules with these limits.
EngineProfile plainEngine(const QString &name, int title, int text, int url)
{
    EngineProfile engine = TestSupport::engineProfile(QString(), title, text, url);
    engine.name = name;
    return engine;
}
} // namespace

void tst_CopyDeck::exportImportsBackUnchanged()
{
    const QString path = m_dir.filePath(u"export.csv"_s);
    const QList<EngineProfile> engines{plainEngine(u"Plain, one"_s, 10, 20, 5),
                                       plainEngine(u"Title"_s, 30, 90, 30)};
    QVERIFY(writeCopyDeck(path, awkward, engines));
    const QByteArray bytes = fileBytes(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                             "Title,Text,URL,"));
    const CopyDeck deck = readCopyDeck(path);
    QVERIFY(deck.report.isReadable());
    QVERIFY(deck.report.unreadable.isEmpty());
    QCOMPARE(TestSupport::withoutOtherColumns(deck.ads), awkward);

    // Twice round gives the same bytes.
    const QString again = m_dir.filePath(u"again.csv"_s);
    QVERIFY(writeCopyDeck(again, deck.ads, engines));
    QCOMPARE(fileBytes(again), bytes);
}

void tst_CopyDeck::exportCountsAndVerdicts()
{
    const QString path = m_dir.filePath(u"counts.csv"_s);
    const EngineProfile engine = plainEngine(u"Short"_s, 5, 20, 10);
    const Ads ads{{u"Bread"_s, u"Fresh"_s, u"x.org"_s}, {u"Sourdough"_s, u"Rye"_s, u"y"_s}};
    QVERIFY(writeCopyDeck(path, ads, {engine}));
    const QList<QByteArray> lines = fileBytes(path).split('\n');
    QCOMPARE(lines.at(0).trimmed(),
             "\xEF\xBB\xBF"
             "Title,Text,URL,Short: Title (of 5),Short: Text (of 20),"
             "Short: URL (of 10),Short: verdict,Short: findings"_ba);
    for (int i = 0; i < ads.size(); ++i) {
        const AdCheck check = checkAd(engine, ads.at(i));
        const QByteArray expected = QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                                        .arg(ads.at(i).title, ads.at(i).text, ads.at(i).url)
                                        .arg(check.title.count)
                                        .arg(check.text.count)
                                        .arg(check.url.count)
                                        .arg(verdictText(check.verdict))
                                        .toUtf8();
        QVERIFY2(lines.at(i + 1).startsWith(expected), lines.at(i + 1).constData());
    }
    // Nine characters against a limit of five: the findings say so.
    QVERIFY(lines.at(2).contains("does not fit"));
    QVERIFY(lines.at(2).contains("Title: counts 9 of 5"));
}

namespace {
using Lines = QList<QByteArray>;
using Others = QList<std::pair<QString, QString>>;

AdFields fullAd(QStringList titles, QStringList texts, const QString &url)
{
    AdFields ad(titles.takeFirst(), texts.takeFirst(), url);
    ad.moreTitles = titles;
    ad.moreTexts = texts;
    return ad;
}

// The file's records; its byte order mark, when there is one, stays on the first.
Lines records(const QByteArray &bytes)
{
    Lines lines = bytes.split('\n');
    if (lines.constLast().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line = line.chopped(line.endsWith('\r') ? 1 : 0);
    return lines;
}
} // namespace

void tst_CopyDeck::deckColumns_data()
{
    QTest::addColumn<Ads>("ads");
    QTest::addColumn<Lines>("expected");

    QTest::addRow("form-only ads: the three columns of old")
        << Ads{{u"Bread"_s, u"Fresh, warm"_s, u"x.org"_s}, {}}
        << Lines{"\xEF\xBB\xBFTitle,Text,URL", "Bread,\"Fresh, warm\",x.org", ",,"};
    QTest::addRow("as many title and text columns as the longest ad needs")
        << Ads{fullAd({u"a"_s, u"b"_s, u"c"_s}, {u"x"_s}, u"u"_s),
               fullAd({u"d"_s}, {u"y"_s, QString(), u"z"_s}, QString())}
        << Lines{"\xEF\xBB\xBFTitle,Text,URL,Title 2,Title 3,Text 2,Text 3",
                 "a,x,u,b,c,,",
                 "d,y,,,,,z"};
    AdFields pinned = fullAd({u"a"_s, u"b"_s, u"c"_s}, {u"x"_s, u"y"_s}, u"u"_s);
    pinned.titlePins = {0, 2, 0};
    pinned.textPins = {1};
    pinned.finalUrl = u"https://u.org/"_s;
    QTest::addRow("final URL, then pins up to the last one pinned")
        << Ads{pinned, {u"t"_s, u"x"_s, u"u"_s}}
        << Lines{"\xEF\xBB\xBFTitle,Text,URL,Title 2,Title 3,Text 2,Final URL,Title 1 pin,"
                 "Title 2 pin,Text 1 pin",
                 "a,x,u,b,c,y,https://u.org/,,2,1",
                 "t,x,u,,,,,,,"};
    AdFields first(u"a"_s, u"x"_s, u"u"_s);
    first.otherColumns = {{u"Campaign"_s, u"Spring"_s},
                          {u"Label"_s, u"one"_s},
                          {u"Label"_s, u"two"_s},
                          {u"url"_s, u"stale"_s}};
    AdFields second(u"b"_s, u"y"_s, u"v"_s);
    second.otherColumns = {{u"Status"_s, u"Paused"_s}, {u"campaign"_s, u"Autumn"_s}};
    QTest::addRow("other columns: each once, first met first, none the deck writes itself")
        << Ads{first, second}
        << Lines{"\xEF\xBB\xBFTitle,Text,URL,Campaign,Label,Label,Status",
                 "a,x,u,Spring,one,two,",
                 "b,y,v,Autumn,,,Paused"};
}

void tst_CopyDeck::deckColumns()
{
    QFETCH(Ads, ads);
    QFETCH(Lines, expected);
    const QString path = m_dir.filePath(u"columns.csv"_s);
    QVERIFY(writeCopyDeck(path, ads));
    QCOMPARE(records(fileBytes(path)), expected);
    // The checker's streaming writer writes the same file.
    const QString streamed = m_dir.filePath(u"streamed.csv"_s);
    CopyDeckWriter writer(streamed, {});
    for (const AdFields &ad : std::as_const(ads))
        writer.add(ad);
    QVERIFY(writer.commit());
    QCOMPARE(fileBytes(streamed), fileBytes(path));
}

// A count over its limit in a later title or text is found, and named by it.
void tst_CopyDeck::findingsNameTheAsset()
{
    QStringList titles{u"Bun 1"_s, u"Bun 2"_s, u"Bun 3"_s, u"Bun 4"_s, u"Bun 5"_s, u"Bun 6"_s};
    const AdFields ad
        = fullAd(titles << u"Sourdough"_s, {u"x"_s, u"Much too long for it all"_s}, {});
    const QString path = m_dir.filePath(u"findings.csv"_s);
    // Google's rules take every title and text of the ad; a plain engine only the first.
    EngineProfile responsive = plainEngine(u"Short"_s, 5, 20, 10);
    responsive.rules = u"google"_s;
    QVERIFY(writeCopyDeck(path, {ad}, {responsive}));
    const QByteArray row = records(fileBytes(path)).at(1);
    QVERIFY2(row.contains("Title 7: counts 9 of 5, 4 too many; Text 2: counts 24 of 20"),
             row.constData());
}

void tst_CopyDeck::bulkFiles_data()
{
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<Ads>("ads");
    QTest::addColumn<Lines>("expected");

    AdFields rsa = fullAd({u"Bread"_s, u"Rolls, warm"_s, u"Buns"_s},
                          {u"Baked \"daily\""_s, u"Open at 6"_s},
                          u"https://bakery.org/bread/rye/in/tins/"_s);
    rsa.titlePins = {1, 0, 3};
    rsa.textPins = {0, 2};
    rsa.finalUrl = u"https://bakery.org/rye"_s;
    rsa.otherColumns = {{u"Campaign"_s, u"Spring"_s},
                        {u"Ad Group"_s, u"Loaves"_s},
                        {u"Status"_s, u"Paused"_s},
                        {u"Id"_s, u"42"_s}};

    QByteArray googleHeader = "\xEF\xBB\xBF"
                              "Campaign,Ad group,Ad type";
    QByteArray googleCells = "Spring,Loaves,Responsive search ad";
    const QStringList titles{u"Bread"_s, u"\"Rolls, warm\""_s, u"Buns"_s};
    for (int i = 1; i <= 15; ++i) {
        googleHeader += ",Headline " + QByteArray::number(i) + ",Headline " + QByteArray::number(i)
                        + " position";
        googleCells += ',' + titles.value(i - 1).toUtf8() + ','
                       + (i == 1   ? "1"
                          : i == 3 ? "3"
                                   : "");
    }
    googleHeader += ",Description 1,Description 1 position,Description 2,Description 2 "
                    "position,Description 3,Description 3 position,Description 4,Description 4 "
                    "position,Path 1,Path 2,Final URL,Status,Id";
    googleCells
        += ",\"Baked \"\"daily\"\"\",,Open at 6,2,,,,,bread,rye/in/tins,https://bakery.org/rye,"
           "Paused,42";
    QTest::addRow("Google Ads Editor: every headline and description with its position")
        << ExportFormat::GoogleAdsEditor << Ads{rsa} << Lines{googleHeader, googleCells};

    AdFields yandex
        = fullAd({u"Диваны"_s, u"От фабрики"_s, u"left out"_s}, {u"Скидки"_s}, u"divan.ru/sale"_s);
    yandex.finalUrl = u"https://divan.ru/"_s;
    yandex.otherColumns = {{u"Регион"_s, u"Москва"_s}};
    QTest::addRow("Yandex Direct Commander: two titles, the link and the display link")
        << ExportFormat::YandexCommander << Ads{yandex}
        << Lines{
               u"Заголовок 1\tЗаголовок 2\tТекст\tСсылка\tОтображаемая ссылка\tРегион"_s.toUtf8(),
               u"Диваны\tОт фабрики\tСкидки\thttps://divan.ru/\tdivan.ru/sale\tМосква"_s.toUtf8()};

    QTest::addRow("Microsoft Advertising: format version first, assets as JSON lists")
        << ExportFormat::MicrosoftBulk << Ads{rsa}
        << Lines{"\xEF\xBB\xBFType,Status,Id,Parent Id,Campaign,Ad Group,Name,Headline,"
                 "Description,Path 1,Path 2,Final Url",
                 "Format Version,,,,,,6.0,,,,,",
                 "Responsive Search Ad,Paused,42,,Spring,Loaves,,"
                 "\"[{\"\"pinnedField\"\":\"\"Headline1\"\",\"\"text\"\":\"\"Bread\"\"},"
                 "{\"\"text\"\":\"\"Rolls, warm\"\"},"
                 "{\"\"pinnedField\"\":\"\"Headline3\"\",\"\"text\"\":\"\"Buns\"\"}]\","
                 "\"[{\"\"text\"\":\"\"Baked \\\"\"daily\\\"\"\"\"},"
                 "{\"\"pinnedField\"\":\"\"Description2\"\",\"\"text\"\":\"\"Open at 6\"\"}]\","
                 "bread,rye/in/tins,https://bakery.org/rye"};
}

void tst_CopyDeck::bulkFiles()
{
    QFETCH(ExportFormat, format);
    QFETCH(Ads, ads);
    QFETCH(Lines, expected);
    const QString path = m_dir.filePath(u"bulk."_s + ::exportExtension(format));
    QVERIFY(writeAds(format, path, ads));
    QCOMPARE(records(fileBytes(path)), expected);
}

// An ad of Google Ads Editor's own export, mended and written back, reads as the mended ad,
// its campaign, ad group and status with it.
void tst_CopyDeck::googleAdsEditorRoundTrip()
{
    const QString editor = u"Campaign\tAd group\tAd type\tHeadline 1\tHeadline 1 position\t"
                           "Headline 2\tHeadline 2 position\tHeadline 3\tHeadline 3 position\t"
                           "Description 1\tDescription 1 position\tDescription 2\t"
                           "Description 2 position\tPath 1\tPath 2\tFinal URL\tStatus\r\n"
                           "Spring\tLoaves\tResponsive search ad\tFresh bread baked every single "
                           "morning\t1\tRye\t -\tBuns\t -\tBaked daily\t -\tOpen at 6\t2\tbread\t"
                           "rye\thttps://www.bakery.org/rye\tEnabled\r\n"_s;
    const QString path = m_dir.filePath(u"editor.csv"_s);
    writeBytes(path, utf16(editor, QStringConverter::Utf16LE));
    const CopyDeck deck = readCopyDeck(path);
    QVERIFY(deck.report.isReadable());
    QCOMPARE(deck.ads.size(), 1);
    AdFields mended = deck.ads.constFirst();
    mended.title = u"Fresh bread"_s;
    const QString out = m_dir.filePath(u"mended.csv"_s);
    QVERIFY(writeGoogleAdsEditorFile(out, {mended}));
    const CopyDeck back = readCopyDeck(out);
    QCOMPARE(back.ads, QList<AdFields>{mended});
    QCOMPARE(mended.otherColumns,
             (Others{{u"Campaign"_s, u"Spring"_s},
                     {u"Ad group"_s, u"Loaves"_s},
                     {u"Status"_s, u"Enabled"_s}}));
}

void tst_CopyDeck::failedWriteKeepsTheOldFile()
{
    const QString path = m_dir.filePath(u"kept.csv"_s);
    QVERIFY(writeCopyDeck(path, awkward));
    const QByteArray before = fileBytes(path);
    const FileWriter failing = TestSupport::failingWriter([](const QString &) { return true; });
    QVERIFY(!writeCopyDeck(path, {{u"new"_s, u"ad"_s, u"x"_s}}, {}, failing));
    QVERIFY(!writeCommanderFile(path, {{u"new"_s, u"ad"_s, u"x"_s}}, failing));
    QVERIFY(!saveSheet(path, {}, failing));
    QCOMPARE(fileBytes(path), before);
    QVERIFY(!saveSheet(QString(), {{u"id"_s, awkward.constFirst()}}));
    QVERIFY(loadSheet(QString()).ads.isEmpty());
    QCOMPARE(QDir(m_dir.path()).entryList({u"kept*"_s}, QDir::Files), QStringList{u"kept.csv"_s});

    // A folder in the way fails too, without leaving anything behind.
    QVERIFY(QDir(m_dir.path()).mkdir(u"folder.csv"_s));
    QVERIFY(!writeCopyDeck(m_dir.filePath(u"folder.csv"_s), awkward));
}

void tst_CopyDeck::sheetSurvives()
{
    const QString path = sheetFilePath();
    // The sheet lives in the data folder the test's environment gives, never in a real home.
    const QString data = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME"));
    QVERIFY(!data.isEmpty());
    QVERIFY2(path.startsWith(data), qPrintable(path));
    QFile::remove(path);
    QVERIFY(loadSheet(path).ads.isEmpty());
    QVERIFY(loadSheet(path).problem.isEmpty());
    SheetRows rows;
    for (const AdFields &ad : awkward)
        rows.append({newSheetRowId(), ad});
    QVERIFY(saveSheet(path, rows));
    const SheetLoad load = loadSheet(path);
    QCOMPARE(load.ads, awkward);
    // Each row keeps its identity, and the file still imports as a plain copy deck.
    QCOMPARE(load.rows, rows);
    QCOMPARE(TestSupport::withoutOtherColumns(readCopyDeck(path).ads), awkward);
    QVERIFY(load.problem.isEmpty());
    QVERIFY(load.writable);
    QVERIFY(QFile::remove(path));
}

void tst_CopyDeck::unreadableSheetIsKeptAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.csv"_s);
    const QByteArray bytes = "Title,Text,URL\ngood,t,u\n\"broken\"x,t,u\nalso good,t,u\n"_ba;
    writeBytes(path, bytes);
    const SheetLoad load = loadSheet(path);
    QVERIFY(!load.problem.isEmpty());
    QVERIFY(load.writable);
    QCOMPARE(load.ads.size(), 2);
    QVERIFY(!QFile::exists(path));
    QVERIFY(load.keptAs.startsWith(dir.filePath(u"sheet.unreadable-"_s)));
    QCOMPARE(fileBytes(load.keptAs), bytes);

    // A second unreadable file on the same second does not overwrite the first one kept.
    writeBytes(path, "no header\n"_ba);
    const SheetLoad second = loadSheet(path);
    QVERIFY(!second.keptAs.isEmpty());
    QVERIFY(second.keptAs != load.keptAs);
    QCOMPARE(fileBytes(load.keptAs), bytes);
    QCOMPARE(fileBytes(second.keptAs), "no header\n"_ba);
}

QTEST_GUILESS_MAIN(tst_CopyDeck)
#include "tst_copydeck.moc"
