// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/assetedits.h"
#include "ads/combinations.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Combinations : public QObject
{
    Q_OBJECT

private slots:
    void combinations_data();
    void combinations();
    void assetEdits_data();
    void assetEdits();
};

namespace {
AdFields adOf(const QStringList &titles,
              const QList<int> &titlePins,
              const QStringList &texts,
              const QList<int> &textPins)
{
    AdFields ad;
    for (qsizetype i = 0; i < titles.size(); ++i)
        ad.set(AdField::Title, int(i), titles.at(i));
    for (qsizetype i = 0; i < texts.size(); ++i)
        ad.set(AdField::Text, int(i), texts.at(i));
    ad.titlePins = titlePins;
    ad.textPins = textPins;
    return ad;
}

QStringList letters(int n)
{
    QStringList list;
    for (int i = 0; i < n; ++i)
        list.append(QString(QChar(u'A' + i)));
    return list;
}
} // namespace

void tst_Combinations::combinations_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("titlePins");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("textPins");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QList<int>>("shownTitles");
    QTest::addColumn<QList<int>>("shownTexts");

    const QList<int> none;
    QTest::addRow("plain shows title 1 and text 1 only")
        << Rules::Plain << letters(3) << none << letters(2) << none << 1LL << 0LL << QList<int>{0}
        << QList<int>{0};
    QTest::addRow("nothing typed: title 1 and text 1 stand in")
        << Rules::Google << QStringList{} << none << QStringList{} << none << 1LL << 0LL
        << QList<int>{0} << QList<int>{0};
    QTest::addRow("google, 3 titles and 2 texts: first in order")
        << Rules::Google << letters(3) << none << letters(2) << none << 12LL << 0LL
        << QList<int>{0, 1, 2} << QList<int>{0, 1};
    QTest::addRow("google, titles change first")
        << Rules::Google << letters(3) << none << letters(2) << none << 12LL << 1LL
        << QList<int>{0, 2, 1} << QList<int>{0, 1};
    QTest::addRow("google, the last") << Rules::Google << letters(3) << none << letters(2) << none
                                      << 12LL << 11LL << QList<int>{2, 1, 0} << QList<int>{1, 0};
    QTest::addRow("google, full ad: 15*14*13 times 4*3")
        << Rules::Google << letters(15) << none << letters(4) << none << 32760LL << 32759LL
        << QList<int>{14, 13, 12} << QList<int>{3, 2};
    QTest::addRow("out of range gives the first")
        << Rules::Google << letters(3) << none << letters(2) << none << 12LL << 12LL
        << QList<int>{0, 1, 2} << QList<int>{0, 1};
    QTest::addRow("title 1 pinned to 1: the others rotate behind it")
        << Rules::Google << letters(3) << QList<int>{1} << letters(1) << none << 2LL << 1LL
        << QList<int>{0, 2, 1} << QList<int>{0};
    QTest::addRow("two pinned to one position take turns")
        << Rules::Google << letters(4) << QList<int>{1, 1} << letters(1) << none << 4LL << 3LL
        << QList<int>{1, 3, 2} << QList<int>{0};
    QTest::addRow("pin to 3 leaves position 2 empty")
        << Rules::Google << letters(2) << QList<int>{3} << letters(1) << none << 1LL << 0LL
        << QList<int>{1, 0} << QList<int>{0};
    QTest::addRow("text pinned to 2 shows second")
        << Rules::Microsoft << letters(1) << none << letters(3) << QList<int>{2} << 2LL << 1LL
        << QList<int>{0} << QList<int>{2, 0};
    QTest::addRow("text pin past the engine's positions is no pin")
        << Rules::Google << letters(1) << none << letters(2) << QList<int>{3} << 2LL << 0LL
        << QList<int>{0} << QList<int>{0, 1};
    QTest::addRow("empty titles are never shown")
        << Rules::Google << QStringList{u"A"_s, QString(), u"C"_s} << none << letters(1) << none
        << 2LL << 1LL << QList<int>{2, 0} << QList<int>{0};
    QTest::addRow("yandex shows titles 1 and 2 in order, never title 3")
        << Rules::Yandex << letters(3) << QList<int>{2, 1} << letters(2) << none << 1LL << 0LL
        << QList<int>{0, 1} << QList<int>{0};
}

void tst_Combinations::combinations()
{
    QFETCH(Rules, rules);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, titlePins);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, textPins);
    QFETCH(qint64, count);
    QFETCH(qint64, n);
    QFETCH(QList<int>, shownTitles);
    QFETCH(QList<int>, shownTexts);

    const AdFields ad = adOf(titles, titlePins, texts, textPins);
    const AssetFormat &format = assetFormat(rules);
    QCOMPARE(combinationCount(ad, format), count);
    const Combination expected{shownTitles, shownTexts};
    QCOMPARE(combinationAt(ad, format, n), expected);

    // Every combination differs from every other, and a pinned asset never shows after its
    // position (only positions nothing fills are left out before it).
    QSet<QString> seen;
    for (qint64 i = 0; i < count; ++i) {
        const Combination c = combinationAt(ad, format, i);
        QString key;
        for (const int t : c.titles)
            key += QString::number(t) + u',';
        key += u'/';
        for (const int t : c.texts)
            key += QString::number(t) + u',';
        QVERIFY2(!seen.contains(key), qPrintable(key));
        seen.insert(key);
        if (format.titlePins == 0)
            continue;
        for (qsizetype p = 0; p < c.titles.size(); ++p) {
            const int pin = ad.pin(AdField::Title, c.titles.at(p));
            QVERIFY(pin == 0 || pin > format.titlePins || p < pin);
        }
    }
}

void tst_Combinations::assetEdits_data()
{
    QTest::addColumn<QString>("edit"); // "move from to", "remove index" or "trim"
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QList<int>>("pins");
    QTest::addColumn<QStringList>("expectedTitles");
    QTest::addColumn<QList<int>>("expectedPins");

    QTest::addRow("title 2 above title 1 swaps them, pins too")
        << u"move 1 0"_s << letters(3) << QList<int>{0, 2} << QStringList{u"B"_s, u"A"_s, u"C"_s}
        << QList<int>{2};
    QTest::addRow("title 1 to the end")
        << u"move 0 2"_s << letters(3) << QList<int>{1} << QStringList{u"B"_s, u"C"_s, u"A"_s}
        << QList<int>{0, 0, 1};
    QTest::addRow("move past the end does nothing")
        << u"move 2 3"_s << letters(3) << QList<int>{} << letters(3) << QList<int>{};
    QTest::addRow("remove title 1: title 2 becomes title 1")
        << u"remove 0"_s << letters(3) << QList<int>{3, 1} << QStringList{u"B"_s, u"C"_s}
        << QList<int>{1};
    QTest::addRow("remove the only title empties it")
        << u"remove 0"_s << letters(1) << QList<int>{2} << QStringList{QString()} << QList<int>{};
    QTest::addRow("remove the last")
        << u"remove 2"_s << letters(3) << QList<int>{0, 0, 3} << letters(2) << QList<int>{};
    QTest::addRow("trim blank ends, keep a blank inside and a pinned blank")
        << u"trim"_s << QStringList{u"A"_s, QString(), u"C"_s, QString(), QString(), QString()}
        << QList<int>{0, 0, 0, 2, 0, 0} << QStringList{u"A"_s, QString(), u"C"_s, QString()}
        << QList<int>{0, 0, 0, 2};
}

void tst_Combinations::assetEdits()
{
    QFETCH(QString, edit);
    QFETCH(QStringList, titles);
    QFETCH(QList<int>, pins);
    QFETCH(QStringList, expectedTitles);
    QFETCH(QList<int>, expectedPins);

    AdFields ad = adOf(titles, pins, {u"x"_s}, {});
    const QStringList words = edit.split(u' ');
    if (words.at(0) == "move"_L1)
        moveAsset(ad, AdField::Title, words.at(1).toInt(), words.at(2).toInt());
    else if (words.at(0) == "remove"_L1)
        removeAsset(ad, AdField::Title, words.at(1).toInt());
    else
        ad = withoutTrailingBlanks(ad);
    const AdFields expected = adOf(expectedTitles, expectedPins, {u"x"_s}, {});
    QCOMPARE(ad.title, expected.title);
    QCOMPARE(ad.moreTitles, expected.moreTitles);
    QCOMPARE(withoutTrailingBlanks(ad).titlePins, expectedPins);
    // Texts are not touched by an edit of the titles.
    QCOMPARE(ad.text, u"x"_s);
}

QTEST_GUILESS_MAIN(tst_Combinations)
#include "tst_combinations.moc"
