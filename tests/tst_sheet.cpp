// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/copydeck.h"
#include "ads/sheet.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Sheet : public QObject
{
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void olderSheetsKeepEveryAd();
    void todaysSheetFileLosesNothing();
    void fullAdsRoundTrip_data();
    void fullAdsRoundTrip();
    void staleLockIsTaken();
};

namespace {
SheetRow row(const char *id, const char *title)
{
    return {QString::fromLatin1(id), {QString::fromLatin1(title), u"t"_s, u"u"_s}};
}

AdFields ad(const char *title)
{
    return {QString::fromLatin1(title), u"t"_s, u"u"_s};
}

SheetChange add(const char *id, const char *title, const char *afterId)
{
    return {SheetChange::Add,
            QString::fromLatin1(id),
            {},
            ad(title),
            QString::fromLatin1(afterId),
            {},
            {}};
}

SheetChange remove(const char *id, const char *title)
{
    return {SheetChange::Remove, QString::fromLatin1(id), ad(title), {}, {}, {}, {}};
}

SheetChange edit(const char *id, const char *from, const char *to, const char *afterId = "")
{
    return {SheetChange::Edit,
            QString::fromLatin1(id),
            ad(from),
            ad(to),
            QString::fromLatin1(afterId),
            {},
            {}};
}

QStringList titles(const SheetRows &rows)
{
    QStringList list;
    for (const SheetRow &r : rows)
        list << r.ad.title;
    return list;
}
} // namespace

void tst_Sheet::merge_data()
{
    QTest::addColumn<SheetRows>("disk");
    QTest::addColumn<SheetChanges>("changes");
    QTest::addColumn<QStringList>("expected"); // titles in file order
    QTest::addColumn<QList<int>>("conflicts"); // edited twice, kept edited, restored

    const SheetRows abc{row("a", "A"), row("b", "B"), row("c", "C")};
    QTest::addRow("add after its predecessor")
        << abc << SheetChanges{add("n", "N", "a")} << QStringList{"A", "N", "B", "C"}
        << QList<int>{0, 0, 0};
    QTest::addRow("add after a row removed elsewhere goes last")
        << abc << SheetChanges{add("n", "N", "gone")} << QStringList{"A", "B", "C", "N"}
        << QList<int>{0, 0, 0};
    SheetChange kept = add("n", "N", "a");
    kept.atEnd = true;
    QTest::addRow("a kept ad goes last, after ads kept elsewhere")
        << abc << SheetChanges{kept} << QStringList{"A", "B", "C", "N"} << QList<int>{0, 0, 0};
    QTest::addRow("a chain of adds keeps its order")
        << abc << SheetChanges{add("n", "N", "b"), add("o", "O", "n"), add("p", "P", "o")}
        << QStringList{"A", "B", "N", "O", "P", "C"} << QList<int>{0, 0, 0};
    QTest::addRow("remove") << abc << SheetChanges{remove("b", "B"), remove("c", "C")}
                            << QStringList{"A"} << QList<int>{0, 0, 0};
    QTest::addRow("remove of a row changed elsewhere keeps it")
        << abc << SheetChanges{remove("b", "old B")} << QStringList{"A", "B", "C"}
        << QList<int>{0, 1, 0};
    // What the file does not tell apart is no change made elsewhere.
    SheetChange written = remove("b", "B");
    written.before.moreTitles = {u"B2"_s, QString()};
    written.before.titlePins = {0, 0, 0};
    SheetRows read = abc;
    read[1].ad.moreTitles = {u"B2"_s};
    read[1].ad.otherColumns = {{u"Campaign"_s, QString()}};
    QTest::addRow("remove of a row as the file gives it back")
        << read << SheetChanges{written} << QStringList{"A", "C"} << QList<int>{0, 0, 0};
    written.kind = SheetChange::Edit;
    written.after = ad("B3");
    QTest::addRow("edit of a row as the file gives it back")
        << read << SheetChanges{written} << QStringList{"A", "B3", "C"} << QList<int>{0, 0, 0};
    QTest::addRow("edit in place") << abc << SheetChanges{edit("b", "B", "B2")}
                                   << QStringList{"A", "B2", "C"} << QList<int>{0, 0, 0};
    QTest::addRow("edit of a row changed elsewhere keeps both, this one in place")
        << abc << SheetChanges{edit("b", "B0", "B2")} << QStringList{"A", "B2", "B", "C"}
        << QList<int>{1, 0, 0};
    QTest::addRow("edit of a row removed elsewhere comes back after its predecessor")
        << abc << SheetChanges{edit("x", "X", "X2", "a")} << QStringList{"A", "X2", "B", "C"}
        << QList<int>{0, 0, 1};
    QTest::addRow("an add over a different row keeps both")
        << SheetRows{row("n", "Other")} << SheetChanges{add("n", "N", "")}
        << QStringList{"N", "Other"} << QList<int>{1, 0, 0};
    QTest::addRow("move leaves rows only the file knows in their places")
        << SheetRows{row("a", "A"), row("x", "X"), row("b", "B"), row("c", "C")}
        << SheetChanges{{SheetChange::Move, {}, {}, {}, {}, {"c", "b", "a"}, {"a", "b", "c"}}}
        << QStringList{"C", "X", "B", "A"} << QList<int>{0, 0, 0};
}

void tst_Sheet::merge()
{
    QFETCH(SheetRows, disk);
    QFETCH(SheetChanges, changes);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, conflicts);
    const SheetMerge merge = applySheetChanges(disk, changes);
    QCOMPARE(titles(merge.rows), expected);
    QCOMPARE((QList<int>{merge.editedTwice, merge.keptEdited, merge.restored}), conflicts);
    // Every identity stays unique, so that the next change finds its row.
    QSet<QString> ids;
    for (const SheetRow &r : merge.rows)
        ids.insert(r.id);
    QCOMPARE(ids.size(), merge.rows.size());
}

// A sheet written before rows had identities opens whole; two windows name its rows alike,
// so that a change from either finds them.
void tst_Sheet::olderSheetsKeepEveryAd()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.csv"_s);
    const Sheet ads{ad("A"), ad("B"), ad("A")};
    QVERIFY(writeCopyDeck(path, ads));
    const SheetLoad first = loadSheet(path);
    QCOMPARE(first.ads, ads);
    QCOMPARE(loadSheet(path).rows, first.rows);
    const SheetSave save = saveSheetChanges(
        path, {{SheetChange::Remove, first.rows.at(1).id, ad("B"), {}, {}, {}, {}}});
    QVERIFY(save.saved);
    QCOMPARE(loadSheet(path).ads, (Sheet{ad("A"), ad("A")}));
    QCOMPARE(loadSheet(path).rows.at(1), first.rows.at(2));
}

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The sheet file as the program wrote it before ads had more than three fields opens whole,
// and is written back byte for byte.
void tst_Sheet::todaysSheetFileLosesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.csv"_s);
    const QByteArray bytes = "\xEF\xBB\xBFTitle,Text,URL,ID\r\n"
                             "Bread,\"Fresh, warm\",x.org,id-1\r\n"
                             "\"Say \"\"hi\"\"\",\"two\nlines\",,id-2\r\n"
                             ",,only a URL,id-3\r\n"_ba;
    TestSupport::writeFile(path, bytes);
    const SheetLoad load = loadSheet(path);
    QVERIFY(load.problem.isEmpty());
    const SheetRows expected{{u"id-1"_s, {u"Bread"_s, u"Fresh, warm"_s, u"x.org"_s}},
                             {u"id-2"_s, {u"Say \"hi\""_s, u"two\nlines"_s, QString()}},
                             {u"id-3"_s, {QString(), QString(), u"only a URL"_s}}};
    QCOMPARE(load.rows, expected);
    QVERIFY(saveSheet(path, load.rows));
    QCOMPARE(fileBytes(path), bytes);
}

void tst_Sheet::fullAdsRoundTrip_data()
{
    QTest::addColumn<SheetRows>("rows");
    AdFields full(u"Title one"_s, u"Text one"_s, u"shop.org/bread"_s);
    for (int i = 2; i <= maxAdTitles; ++i)
        full.moreTitles << u"Title %1"_s.arg(i);
    full.moreTexts = {u"Text 2"_s, QString(), u"Text, four"_s};
    full.titlePins = {1, 0, 3};
    full.textPins = {0, 2};
    full.finalUrl = u"https://shop.org/bread?from=ad"_s;
    QTest::addRow("every title, text and pin, a final URL")
        << SheetRows{{u"a"_s, full}, {u"b"_s, ad("B")}};
    AdFields imported(u"t"_s, u"x"_s, u"u"_s);
    imported.otherColumns = {{u"Id"_s, u"42"_s}, {u"Id (imported)"_s, u"odd"_s}};
    QTest::addRow("other columns named like the sheet's own ID") << SheetRows{{u"a"_s, imported}};
}

void tst_Sheet::fullAdsRoundTrip()
{
    QFETCH(SheetRows, rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.csv"_s);
    QVERIFY(saveSheet(path, rows));
    const SheetLoad load = loadSheet(path);
    QVERIFY(load.problem.isEmpty());
    QCOMPARE(load.rows, rows);
}

// A lock left by a process that still runs but has not let go for longer than the stale time
// is taken; a lock of a process that is gone is taken at once.
void tst_Sheet::staleLockIsTaken()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.csv"_s);
    for (const qint64 pid : {QCoreApplication::applicationPid(), qint64(0x7ffffff0)}) {
        QFile lock(path + u".lock"_s);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8()
                   + '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
        lock.close();
        const SheetSave save = saveSheetChanges(path, {add("n", "N", "")}, 300);
        QVERIFY(save.locked);
        QVERIFY(save.saved);
        QVERIFY(!QFile::exists(path + u".lock"_s));
    }
    QCOMPARE(loadSheet(path).ads, (Sheet{ad("N")}));
}

QTEST_GUILESS_MAIN(tst_Sheet)
#include "tst_sheet.moc"
