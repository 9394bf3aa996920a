// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How each engine counts a field and what it shows, and how the preview cuts and breaks it.
#include "ads/enginestate.h"
#include "ads/preview.h"
#include "ads/rules.h"

#include <QtTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Rules)
Q_DECLARE_METATYPE(AdField)

class tst_Rules : public QObject
{
    Q_OBJECT

private slots:
    void rulesNamed_data();
    void rulesNamed();
    void counts_data();
    void counts();
    void explanations_data();
    void explanations();
    void cuts_data();
    void cuts();
    void lineBreaks_data();
    void lineBreaks();
    void renderedPreview();
};

void tst_Rules::rulesNamed_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Rules>("rules");
    QTest::addRow("missing") << QString() << Rules::Plain;
    QTest::addRow("empty") << u""_s << Rules::Plain;
    QTest::addRow("plain") << u"plain"_s << Rules::Plain;
    QTest::addRow("google") << u"google"_s << Rules::Google;
    QTest::addRow("microsoft") << u"microsoft"_s << Rules::Microsoft;
    QTest::addRow("yandex") << u"yandex"_s << Rules::Yandex;
    QTest::addRow("baidu") << u"baidu"_s << Rules::Baidu;
    QTest::addRow("unknown") << u"bing"_s << Rules::Plain;
    QTest::addRow("wrong case is unknown") << u"Google"_s << Rules::Plain;
}

void tst_Rules::rulesNamed()
{
    QFETCH(QString, stored);
    QFETCH(Rules, rules);
    QCOMPARE(::rulesNamed(stored), rules);
    if (!stored.isEmpty() && rules != Rules::Plain)
        QCOMPARE(rulesIdentifier(rules), stored);
}

void tst_Rules::counts_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<AdField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");

    const QString japanese16 = u"東京で人気の花屋さん新鮮な花束を"_s;
    QCOMPARE(japanese16.size(), 16);
    QTest::addRow("google: 16 Japanese characters count 32")
        << Rules::Google << AdField::Title << japanese16 << 32 << japanese16;
    QTest::addRow("google: full-width letters count 2")
        << Rules::Google << AdField::Title << u"ＡＢ c"_s << 6 << u"ＡＢ c"_s;
    QTest::addRow("google: Korean counts 2")
        << Rules::Google << AdField::Text << u"꽃 배달"_s << 7 << u"꽃 배달"_s;
    QTest::addRow("google: a surrogate pair is one character")
        << Rules::Google << AdField::Title << u"a𝐀b"_s << 3 << u"a𝐀b"_s;
    QTest::addRow("google: a double-width surrogate pair counts 2")
        << Rules::Google << AdField::Title << u"𠀋"_s << 2 << u"𠀋"_s;
    QTest::addRow("google: keyword insertion counts its default")
        << Rules::Google << AdField::Title << u"Buy {KeyWord:Chocolate}"_s << 13
        << u"Buy Chocolate"_s;
    QTest::addRow("google: any spelling of keyword")
        << Rules::Google << AdField::Title << u"{keyword:Roses} now"_s << 9 << u"Roses now"_s;
    QTest::addRow("google: customizer")
        << Rules::Google << AdField::Text << u"Only {CUSTOMIZER.Price:$5}"_s << 7 << u"Only $5"_s;
    QTest::addRow("google: location with its level")
        << Rules::Google << AdField::Title << u"Flowers in {LOCATION(City):town}"_s << 15
        << u"Flowers in town"_s;
    QTest::addRow("google: IF counts the longer of text and default")
        << Rules::Google << AdField::Title << u"{=IF(device=mobile,Call today):Visit}"_s << 10
        << u"Visit"_s;
    QTest::addRow("google: IF with a longer default")
        << Rules::Google << AdField::Title << u"{=IF(device=mobile,Go):Visit us}"_s << 8
        << u"Visit us"_s;
    QTest::addRow("google: countdown counts 8, shows 5 days")
        << Rules::Google << AdField::Text << u"Ends in {=COUNTDOWN(\"2026/12/24 12:00:00\")}"_s
        << 16 << u"Ends in 5 days"_s;
    QTest::addRow("google: global countdown")
        << Rules::Google << AdField::Text << u"{=GLOBAL_COUNTDOWN(\"2026/12/24\",5)}"_s << 8
        << u"5 days"_s;
    QTest::addRow("google: no default counts as typed")
        << Rules::Google << AdField::Title << u"Buy {KeyWord}"_s << 13 << u"Buy {KeyWord}"_s;
    QTest::addRow("google: braces that are no code count as typed")
        << Rules::Google << AdField::Title << u"a {b c} d"_s << 9 << u"a {b c} d"_s;
    QTest::addRow("google: codes do not nest")
        << Rules::Google << AdField::Title << u"{a {KeyWord:x}"_s << 4 << u"{a x"_s;
    QTest::addRow("google: a field of braces")
        << Rules::Google << AdField::Title << u"{"_s.repeated(30000) << 30000
        << u"{"_s.repeated(30000);
    QTest::addRow("baidu: a field of braces")
        << Rules::Baidu << AdField::Title << u"{a"_s.repeated(15000) + u"}"_s << 29999
        << u"{a"_s.repeated(14999) + u"a"_s;
    QTest::addRow("google: URL counts the two paths only")
        << Rules::Google << AdField::URL << u"www.example.com/flowers/roses"_s << 12
        << u"www.example.com/flowers/roses"_s;
    QTest::addRow("google: URL scheme is left out")
        << Rules::Google << AdField::URL << u"https://example.com/sale"_s << 4
        << u"example.com/sale"_s;
    QTest::addRow("google: URL without path counts 0")
        << Rules::Google << AdField::URL << u"example.com"_s << 0 << u"example.com"_s;
    QTest::addRow("microsoft: emoji counts 2")
        << Rules::Microsoft << AdField::Title << u"Sale 🎉"_s << 7 << u"Sale 🎉"_s;
    QTest::addRow("google: a wide emoji counts 2 as well")
        << Rules::Google << AdField::Title << u"Sale 🎉"_s << 7 << u"Sale 🎉"_s;
    QTest::addRow("microsoft: a narrow symbol counts 1")
        << Rules::Microsoft << AdField::Title << u"a ♥"_s << 3 << u"a ♥"_s;
    QTest::addRow("microsoft: Param1 counts its default")
        << Rules::Microsoft << AdField::Text << u"From {Param1:$10}"_s << 8 << u"From $10"_s;
    QTest::addRow("microsoft: a space in a path shows as _")
        << Rules::Microsoft << AdField::URL << u"example.com/red roses"_s << 9
        << u"example.com/red_roses"_s;
    QTest::addRow("yandex: title counts every mark")
        << Rules::Yandex << AdField::Title << u"Диваны, кресла!"_s << 15 << u"Диваны, кресла!"_s;
    QTest::addRow("yandex: text leaves out 7 narrow marks")
        << Rules::Yandex << AdField::Text << u"a.b,c!d:e;f\"g."_s << 7 << u"a.b,c!d:e;f\"g."_s;
    QTest::addRow("yandex: ? dashes and guillemets count")
        << Rules::Yandex << AdField::Text << u"a? b – «c»"_s << 10 << u"a? b – «c»"_s;
    QTest::addRow("yandex: from the 16th narrow mark on each counts")
        << Rules::Yandex << AdField::Text << u"."_s.repeated(18) << 3 << u"."_s.repeated(18);
    QTest::addRow("yandex: template signs not counted")
        << Rules::Yandex << AdField::Title << u"Купить #слона# недорого"_s << 21
        << u"Купить слона недорого"_s;
    QTest::addRow("yandex: an unpaired # counts")
        << Rules::Yandex << AdField::Title << u"#a#b#"_s << 3 << u"ab#"_s;
    QTest::addRow("yandex: no double width")
        << Rules::Yandex << AdField::Title << u"東京"_s << 2 << u"東京"_s;
    QTest::addRow("yandex: link normalised")
        << Rules::Yandex << AdField::URL << u"Мягкие диваны!"_s << 13 << u"Мягкие-диваны"_s;
    QTest::addRow("yandex: link keeps dash, numero, slash, percent and collapses runs")
        << Rules::Yandex << AdField::URL << u"a__b//c№№5%%--d"_s << 10 << u"a-b/c№5%-d"_s;
    QTest::addRow("yandex: link with a template")
        << Rules::Yandex << AdField::URL << u"#диваны#/sale"_s << 11 << u"диваны/sale"_s;
    QTest::addRow("baidu: Chinese counts 2, wildcard its default")
        << Rules::Baidu << AdField::Title << u"鲜花{北京}a"_s << 9 << u"鲜花北京a"_s;
    QTest::addRow("baidu: an unclosed brace counts")
        << Rules::Baidu << AdField::Title << u"{ab"_s << 3 << u"{ab"_s;
    QTest::addRow("plain: UTF-16 units, nothing dynamic")
        << Rules::Plain << AdField::Title << u"{KeyWord:x} 東😀"_s << 15 << u"{KeyWord:x} 東😀"_s;
}

void tst_Rules::counts()
{
    QFETCH(Rules, rules);
    QFETCH(AdField, field);
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, shown);
    const FieldMeasure m = measureFieldPieces(rules, field, text);
    QCOMPARE(m.count, count);
    QCOMPARE(m.shown, shown);
    QCOMPARE(m.plainLength, int(text.size()));
    if (rules != Rules::Plain) {
        // The pieces cover what is shown and add up to the count.
        int sum = 0;
        for (const ShownPiece &piece : m.pieces)
            sum += piece.weight;
        QCOMPARE(sum, count);
        QCOMPARE(m.pieces.isEmpty() ? 0 : m.pieces.last().end, shown.size());
    }
    // Measured without pieces, and asked again from the kept measure: the same.
    for (int i = 0; i < 2; ++i) {
        const FieldMeasure quick = measureField(rules, field, QString(text));
        QCOMPARE(quick.count, count);
        QCOMPARE(quick.shown, shown);
        QVERIFY(quick.pieces.isEmpty());
    }
}

void tst_Rules::explanations_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<AdField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("explanation");

    QTest::addRow("punctuation") << Rules::Yandex << AdField::Text << u"a. b, c! d."_s
                                 << u"Punctuation marks not counted: 4"_s;
    QTest::addRow("double width") << Rules::Google << AdField::Title << u"東京駅"_s
                                  << u"Double-width characters, counted twice: 3"_s;
    QTest::addRow("dynamic") << Rules::Google << AdField::Title << u"{KeyWord:Roses}"_s
                             << u"Dynamic text counted by what it shows, not as typed: 1"_s;
    QTest::addRow("domain") << Rules::Google << AdField::URL << u"example.com/a"_s
                            << u"Not counted: the domain \"example.com\" and the slashes"_s;
    QTest::addRow("yandex title mentions the API")
        << Rules::Yandex << AdField::Title << u"Sofas, chairs."_s
        << u"Yandex's API counts 12, leaving out narrow punctuation marks"_s;
    QTest::addRow("yandex link") << Rules::Yandex << AdField::URL << u"sofa sale!"_s
                                 << u"Counted as the display link will show it: sofa-sale"_s;
    QTest::addRow("nothing differs") << Rules::Google << AdField::Title << u"Roses"_s << QString();
    QTest::addRow("plain never explains")
        << Rules::Plain << AdField::Title << u"東京"_s << QString();
}

void tst_Rules::explanations()
{
    QFETCH(Rules, rules);
    QFETCH(AdField, field);
    QFETCH(QString, text);
    QFETCH(QString, explanation);
    QCOMPARE(measureField(rules, field, text).explanation, explanation);
}

void tst_Rules::cuts_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<AdField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("prepared");

    QTest::addRow("google: Japanese cut at half the characters")
        << Rules::Google << AdField::Title << u"東京で人気の花屋さん"_s << 10 << u"東京で人気..."_s;
    QTest::addRow("google: a double-width character that would pass the limit goes")
        << Rules::Google << AdField::Title << u"ab東京"_s << 3 << u"ab..."_s;
    QTest::addRow("google: keyword shown as its default, fits")
        << Rules::Google << AdField::Title << u"Buy {KeyWord:Chocolate}"_s << 13
        << u"Buy Chocolate"_s;
    QTest::addRow("google: never inside a dynamic code")
        << Rules::Google << AdField::Title << u"Buy {KeyWord:Chocolate}"_s << 10 << u"Buy ..."_s;
    QTest::addRow("google: countdown shown")
        << Rules::Google << AdField::Text << u"Ends {=COUNTDOWN(\"2026/12/24\")}"_s << 90
        << u"Ends 5 days"_s;
    QTest::addRow("google: never inside a surrogate pair")
        << Rules::Google << AdField::Title << u"ab𠀋c"_s << 3 << u"ab..."_s;
    QTest::addRow("google: URL cut in the paths")
        << Rules::Google << AdField::URL << u"example.com/abcdef/ghijkl"_s << 8
        << u"example.com/abcdef/gh..."_s;
    QTest::addRow("yandex: narrow marks let more text stand")
        << Rules::Yandex << AdField::Text << u"a.b.c.d.e"_s << 5 << u"a.b.c.d.e"_s;
    QTest::addRow("yandex: title counts marks")
        << Rules::Yandex << AdField::Title << u"a.b.c.d.e"_s << 5 << u"a.b.c..."_s;
    QTest::addRow("yandex: template shown without #")
        << Rules::Yandex << AdField::Title << u"Buy #sofas#"_s << 56 << u"Buy sofas"_s;
    QTest::addRow("yandex: link shown normalised")
        << Rules::Yandex << AdField::URL << u"red sofas!"_s << 20 << u"red-sofas"_s;
    QTest::addRow("empty field: example never shortened")
        << Rules::Google << AdField::Title << QString() << 3 << u"My Title here"_s;
}

void tst_Rules::cuts()
{
    QFETCH(Rules, rules);
    QFETCH(AdField, field);
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, prepared);
    QList<ShownPiece> pieces;
    QCOMPARE(prepareField(rules, field, text, limit, exampleTitle, &pieces), prepared);
    QCOMPARE(pieces.isEmpty() ? 0 : pieces.last().end, prepared.size());
}

void tst_Rules::lineBreaks_data()
{
    QTest::addColumn<Rules>("rules");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("google: double width breaks by count")
        << Rules::Google << u"東京東京東京東京"_s << 6
        << QStringList{u"東京東"_s, u"京東京"_s, u"東京"_s};
    QTest::addRow("google: mixed widths")
        << Rules::Google << u"abcdef東g"_s << 6 << QStringList{u"abcdef"_s, u"東g"_s};
    QTest::addRow("google: a default stays whole")
        << Rules::Google << u"ab {KeyWord:Chocolates} cd"_s << 6
        << QStringList{u"ab "_s, u"Chocolates"_s, u" cd"_s};
    QTest::addRow("yandex: narrow marks do not fill a line")
        << Rules::Yandex << u"ab.,cd.,ef.,gh"_s << 6 << QStringList{u"ab.,cd.,ef.,"_s, u"gh"_s};
    QTest::addRow("width 5 breaks nothing")
        << Rules::Google << u"東京東京東京東京"_s << 5 << QStringList{u"東京東京東京東京"_s};
    QTest::addRow("fits on one line")
        << Rules::Google << u"東京東"_s << 6 << QStringList{u"東京東"_s};
}

void tst_Rules::lineBreaks()
{
    QFETCH(Rules, rules);
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    QList<ShownPiece> pieces;
    const QString prepared = prepareField(rules, AdField::Text, text, 999, exampleText, &pieces);
    QCOMPARE(breakIntoLines(prepared, pieces, width), lines);
}

void tst_Rules::renderedPreview()
{
    const QString page = u"[%URL%|%TITLE%|%TEXT%]"_s;
    const AdFields ad{u"{KeyWord:Roses} <b>"_s, u"東京東京"_s, u"https://example.com/a b"_s};
    QCOMPARE(renderPreview(page, ad, 30, 6, 30, 6, Rules::Microsoft),
             u"[example.com/a_b|Roses &lt;b&gt;|東京東<BR>..."_s.append(u']'));
    const AdFields yandex{u"#Sofas#"_s, QString(), u"sofas & chairs"_s};
    QCOMPARE(renderPreview(page, yandex, 56, 81, 20, 0, Rules::Yandex),
             u"[sofas-chairs|Sofas|My Advertisment Here]"_s);
}

QTEST_GUILESS_MAIN(tst_Rules)
#include "tst_rules.moc"
