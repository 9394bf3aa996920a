// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
};

namespace {
// Assets written "A:1 _ C": text and pin of each, "_" for an empty one; "" for none at all.
void setAssets(AdFields &ad, AdField field, const QString &assets)
{
    const QStringList words = assets.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QStringList parts = words.at(i).split(u':');
        ad.set(field, int(i), parts.at(0) == "_"_L1 ? QString() : parts.at(0));
        ad.setPin(field, int(i), parts.value(1).toInt());
    }
}

// A combination written "0 2 1/0 1": the titles' indexes, then the texts'.
QString written(const Combination &c)
{
    const auto indexes = [](const QList<int> &list) {
        QStringList words;
        for (const int i : list)
            words.append(QString::number(i));
        return words.join(u' ');
    };
    return indexes(c.titles) + u'/' + indexes(c.texts);
}
} // namespace

void tst_Combinations::combinations_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("titles");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("expected");

    const QString fifteen = u"A B C D E F G H I J K L M N O"_s;
    QTest::addRow("plain shows title 1 and text 1 only")
        << Rules::Plain << u"A B C"_s << u"x y"_s << 1LL << 0LL << u"0/0"_s;
    QTest::addRow("nothing typed: title 1 and text 1 stand in")
        << Rules::Google << QString() << QString() << 1LL << 0LL << u"0/0"_s;
    QTest::addRow("google, 3 titles and 2 texts: the first in order")
        << Rules::Google << u"A B C"_s << u"x y"_s << 12LL << 0LL << u"0 1 2/0 1"_s;
    QTest::addRow("google, full ad: 15*14*13 times 4*3, the last")
        << Rules::Google << fifteen << u"w x y z"_s << 32760LL << 32759LL << u"14 13 12/3 2"_s;
    QTest::addRow("title 1 pinned to 1: the others rotate behind it")
        << Rules::Google << u"A:1 B C"_s << u"x"_s << 2LL << 1LL << u"0 2 1/0"_s;
    QTest::addRow("two pinned to one position take turns")
        << Rules::Google << u"A:1 B:1 C D"_s << u"x"_s << 4LL << 3LL << u"1 3 2/0"_s;
    QTest::addRow("pin to 3 leaves position 2 empty")
        << Rules::Google << u"A:3 B"_s << u"x"_s << 1LL << 0LL << u"1 0/0"_s;
    QTest::addRow("text pinned to 2 shows second")
        << Rules::Microsoft << u"A"_s << u"x y:2 z"_s << 2LL << 1LL << u"0/2 1"_s;
    QTest::addRow("text pin past the engine's positions is no pin")
        << Rules::Google << u"A"_s << u"x:3 y"_s << 2LL << 0LL << u"0/0 1"_s;
    QTest::addRow("empty titles are never shown")
        << Rules::Google << u"A _ C"_s << u"x"_s << 2LL << 1LL << u"2 0/0"_s;
    QTest::addRow("yandex shows titles 1 and 2 in order, never title 3")
        << Rules::Yandex << u"A:2 B:1 C"_s << u"x y"_s << 1LL << 0LL << u"0 1/0"_s;
}

void tst_Combinations::combinations()
{
    QFETCH(Rules, rules);
    QFETCH(QString, titles);
    QFETCH(QString, texts);
    QFETCH(qint64, count);
    QFETCH(qint64, n);
    QFETCH(QString, expected);

    AdFields ad;
    setAssets(ad, AdField::Title, titles);
    setAssets(ad, AdField::Text, texts);
    const AssetFormat &format = assetFormat(rules);
    QCOMPARE(combinationCount(ad, format), count);
    QCOMPARE(written(combinationAt(ad, format, n)), expected);
    // Out of range gives the first.
    QCOMPARE(combinationAt(ad, format, count), combinationAt(ad, format, 0));

    // Every combination differs from every other, and a pinned title never shows after its
    // position (only positions nothing fills are left out before it).
    QSet<QString> seen;
    for (qint64 i = 0; i < count; ++i) {
        const Combination c = combinationAt(ad, format, i);
        QVERIFY2(!seen.contains(written(c)), qPrintable(written(c)));
        seen.insert(written(c));
        for (qsizetype p = 0; p < c.titles.size() && format.titlePins > 0; ++p) {
            const int pin = ad.pin(AdField::Title, c.titles.at(p));
            QVERIFY(pin == 0 || pin > format.titlePins || p < pin);
        }
    }
}

QTEST_GUILESS_MAIN(tst_Combinations)
#include "tst_combinations.moc"
