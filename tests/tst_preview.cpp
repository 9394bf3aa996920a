// SPDX-FileCopyrightText: 2026 The Vellumo developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ads/enginestate.h"
#include "ads/preview.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class tst_Preview : public QObject
{
    Q_OBJECT

private slots:
    void prepareField_data();
    void prepareField();
    void breakIntoLines_data();
    void breakIntoLines();
    void breaksKeepSurrogatePairs_data();
    void breaksKeepSurrogatePairs();
    void renderedText_data();
    void renderedText();
    void substitutePlaceholders_data();
    void substitutePlaceholders();
    void renderEscapesFields();
    void defaultTemplate();
    void morePlaceholders_data();
    void morePlaceholders();
    void showsMoreAssets_data();
    void showsMoreAssets();
};

namespace {
// The first n characters of a text whose characters all differ, so that a misplaced break
// shows.
QString sample(int n)
{
    const QString letters = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"_s;
    QString text;
    while (text.size() < n)
        text += letters;
    return text.left(n);
}

// `text` with "<BR>" inserted before each of the given positions of the original text.
QString withBreaks(const QString &text, const QList<int> &positions)
{
    QString result = text;
    for (qsizetype i = positions.size() - 1; i >= 0; --i)
        result.insert(positions.at(i), u"<BR>"_s);
    return result;
}

const QString smile = u"😀"_s; // two UTF-16 units
} // namespace

void tst_Preview::prepareField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("expected");

    QTest::addRow("empty, limit 0") << QString() << 0 << u"EXAMPLE VALUE"_s;
    QTest::addRow("empty, limit 5: example never shortened")
        << QString() << 5 << u"EXAMPLE VALUE"_s;
    QTest::addRow("limit 0, three characters") << u"abc"_s << 0 << u"..."_s;
    QTest::addRow("negative limit") << u"abc"_s << -4 << u"..."_s;
    QTest::addRow("limit 10, 10 characters") << sample(10) << 10 << sample(10);
    QTest::addRow("limit 10, 11 characters") << sample(11) << 10 << sample(10) + u"..."_s;
    QTest::addRow("spaces are not empty") << u"   "_s << 1 << u" ..."_s;
    QTest::addRow("pair at the cut falls before it")
        << sample(9) + smile + u"x"_s << 10 << sample(9) + u"..."_s;
    QTest::addRow("pair before the cut kept")
        << sample(9) + smile + u"x"_s << 11 << sample(9) + smile + u"..."_s;
    QTest::addRow("pair fits exactly") << sample(9) + smile << 11 << sample(9) + smile;
}

void tst_Preview::prepareField()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(QString, expected);
    QCOMPARE(::prepareField(text, limit, u"EXAMPLE VALUE"_s), expected);
}

void tst_Preview::breakIntoLines_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<int>>("breaks");

    QTest::addRow("w10 n10") << 10 << 10 << QList<int>{};
    QTest::addRow("w10 n15") << 15 << 10 << QList<int>{10};
    QTest::addRow("w10 n20") << 20 << 10 << QList<int>{10};
    QTest::addRow("w10 n21") << 21 << 10 << QList<int>{10, 20};
    QTest::addRow("w10 n25") << 25 << 10 << QList<int>{10, 20};
    QTest::addRow("w10 n30") << 30 << 10 << QList<int>{10, 20};
    QTest::addRow("w10 n35") << 35 << 10 << QList<int>{10, 20, 30};
    QTest::addRow("w10 n45") << 45 << 10 << QList<int>{10, 20, 30, 40};
    QTest::addRow("w10 empty") << 0 << 10 << QList<int>{};
    QTest::addRow("w6 n7") << 7 << 6 << QList<int>{6};
    QTest::addRow("w6 n13") << 13 << 6 << QList<int>{6, 12};
    QTest::addRow("w5 n100") << 100 << 5 << QList<int>{};
    QTest::addRow("w1 n10") << 10 << 1 << QList<int>{};
    QTest::addRow("w0 n40") << 40 << 0 << QList<int>{};
    QTest::addRow("negative w") << 40 << -10 << QList<int>{};
}

void tst_Preview::breakIntoLines()
{
    QFETCH(int, length);
    QFETCH(int, width);
    QFETCH(QList<int>, breaks);
    const QString text = sample(length);
    QCOMPARE(::breakIntoLines(text, width).join(u"<BR>"_s), withBreaks(text, breaks));
}

void tst_Preview::breaksKeepSurrogatePairs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QStringList>("lines");

    QTest::addRow("pair at the break")
        << sample(9) + smile + u"klm"_s << 10 << QStringList{sample(9), smile + u"klm"_s};
    QTest::addRow("pair before the break")
        << sample(8) + smile + u"klm"_s << 10 << QStringList{sample(8) + smile, u"klm"_s};
    QTest::addRow("only pairs, odd start")
        << u"a"_s + smile.repeated(10) << 6
        << QStringList{
               u"a"_s + smile.repeated(2), smile.repeated(3), smile.repeated(3), smile.repeated(2)};
}

void tst_Preview::breaksKeepSurrogatePairs()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QStringList, lines);
    QCOMPARE(::breakIntoLines(text, width), lines);
}

void tst_Preview::renderedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limitText");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    QTest::addRow("empty text, w8") << QString() << 0 << 8 << u"My Adver<BR>tisment <BR>Here"_s;
    QTest::addRow("empty text, w0") << QString() << 0 << 0 << u"My Advertisment Here"_s;
    const QString forty = sample(40);
    QTest::addRow("limit 25, w10, 40 characters")
        << forty << 25 << 10
        << forty.left(10) + u"<BR>"_s + forty.mid(10, 10) + u"<BR>"_s + forty.mid(20, 5) + u"..."_s;
    QTest::addRow("break inside the ellipsis")
        << forty << 8 << 10 << forty.left(8) + u".."_s + u"<BR>"_s + u"."_s;
}

void tst_Preview::renderedText()
{
    QFETCH(QString, text);
    QFETCH(int, limitText);
    QFETCH(int, width);
    QFETCH(QString, expected);
    const AdFields fields{QString(), text, QString()};
    QCOMPARE(renderPreview(u"[%TEXT%]"_s, fields, 100, limitText, 100, width),
             u"["_s + expected + u"]"_s);
}

void tst_Preview::substitutePlaceholders_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("expected");

    QTest::addRow("all three") << u"<%URL%|%TITLE%|%TEXT%>"_s << u"U"_s << u"<U|T|X>"_s;
    QTest::addRow("URL holding a placeholder")
        << u"%URL% / %TITLE%"_s << u"%TITLE%"_s << u"%TITLE% / T"_s;
    QTest::addRow("URL holding a broken placeholder") << u"%URL%TEXT%"_s << u"%"_s << u"%TEXT%"_s;
    QTest::addRow("several occurrences")
        << u"%TITLE%-%TITLE%-%URL%-%URL%"_s << u"U"_s << u"T-T-U-U"_s;
    QTest::addRow("lower case not replaced")
        << u"%title% %Text% %url%"_s << u"U"_s << u"%title% %Text% %url%"_s;
    QTest::addRow("a lone percent sign") << u"100% %TITLE%"_s << u"U"_s << u"100% T"_s;
    QTest::addRow("percent signs only") << u"%%%"_s << u"U"_s << u"%%%"_s;
    QTest::addRow("adjacent") << u"%TITLE%%TEXT%%URL%"_s << u"U"_s << u"TXU"_s;
    QTest::addRow("doubled percent") << u"%%TITLE%%"_s << u"U"_s << u"%T%"_s;
    QTest::addRow("failed match resumes") << u"%TIT%TEXT%"_s << u"U"_s << u"%TITX"_s;
    QTest::addRow("unterminated") << u"a %TITLE"_s << u"U"_s << u"a %TITLE"_s;
    QTest::addRow("no placeholder") << u"<b>plain</b>"_s << u"U"_s << u"<b>plain</b>"_s;
    QTest::addRow("empty template") << QString() << u"U"_s << QString();
    QTest::addRow("empty value") << u"(%URL%)"_s << QString() << u"()"_s;
}

void tst_Preview::substitutePlaceholders()
{
    QFETCH(QString, templateText);
    QFETCH(QString, url);
    QFETCH(QString, expected);
    QCOMPARE(::substitutePlaceholders(templateText, url, u"T"_s, u"X"_s), expected);
}

void tst_Preview::renderEscapesFields()
{
    const QString templateText = u"<h1>%TITLE%</h1><p>%TEXT%</p><a href=\"#\">%URL%</a>"_s;
    const AdFields fields{u"<b>bold</b>"_s, u"<today> & \"more\""_s, u"a.com/?x=1&y=2"_s};
    QCOMPARE(renderPreview(templateText, fields, 100, 100, 100, 0),
             u"<h1>&lt;b&gt;bold&lt;/b&gt;</h1><p>&lt;today&gt; &amp; &quot;more&quot;</p>"
             "<a href=\"#\">a.com/?x=1&amp;y=2</a>"_s);

    // Shortening and breaking count the typed characters; each piece is escaped after.
    const AdFields cut{u"<<<<<"_s, u"<today> & more"_s, QString()};
    QCOMPARE(renderPreview(u"%TITLE%|%TEXT%"_s, cut, 3, 100, 100, 6),
             u"&lt;&lt;&lt;...|&lt;today<BR>&gt; &amp; mo<BR>re"_s);

    // A placeholder typed into the title is escaped text, not a second substitution.
    const AdFields typed{u"%TEXT%"_s, u"x"_s, u"%TITLE%"_s};
    QCOMPARE(renderPreview(u"%URL%,%TITLE%,%TEXT%"_s, typed, 10, 10, 10, 0), u"%TITLE%,%TEXT%,x"_s);
}

void tst_Preview::defaultTemplate()
{
    QCOMPARE(::defaultTemplate.size(), 436);
    QCOMPARE(::defaultTemplate.count(u"%TITLE%"_s), 1);
    QCOMPARE(::defaultTemplate.count(u"%TEXT%"_s), 1);
    QCOMPARE(::defaultTemplate.count(u"%URL%"_s), 1);

    QCOMPARE(exampleTitle, u"My Title here"_s);
    QCOMPARE(exampleText, u"My Advertisment Here"_s);
    QVERIFY(exampleURL.contains(u'.'));
    QVERIFY(!exampleURL.contains(u' '));

    const QString page = renderPreview(::defaultTemplate, AdFields(), 0, 0, 0, 0);
    QVERIFY(page.contains(u"<h3>Advertisment</h3><br><hr>"_s));
    QVERIFY(page.contains(u"<a href=\"#\">My Title here</a><br>"_s));
    QVERIFY(page.contains(u"<a href=\"#\">My Advertisment Here</a><br>"_s));
    QVERIFY(page.contains(u"<a href=\"#\">"_s + exampleURL + u"</a></body></html>"_s));
    QVERIFY(!page.contains(u'%'));
}

void tst_Preview::morePlaceholders_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("shownTitles");
    QTest::addColumn<QList<int>>("shownTexts");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");

    const QString all = u"[%TITLE%][%TITLE2%][%TITLE3%][%TEXT%][%TEXT2%]"_s;
    const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
    const QStringList xy{u"x"_s, u"y"_s};
    QTest::addRow("three titles joined, two texts joined")
        << u"google"_s << all << abc << xy << QList<int>{0, 1, 2} << QList<int>{0, 1} << 0
        << u"[A][ | B][ | C][x][ y]"_s;
    QTest::addRow("in the combination's order")
        << u"google"_s << all << abc << xy << QList<int>{2, 0} << QList<int>{1} << 0
        << u"[C][ | A][][y][]"_s;
    QTest::addRow("nothing typed: the examples, no joins")
        << u"google"_s << all << QStringList{} << QStringList{} << QList<int>{0} << QList<int>{0}
        << 0 << u"[My Title here][][][My Advertisment Here][]"_s;
    QTest::addRow("each title cut to its limit of 10")
        << u"google"_s << all << QStringList{u"A"_s, u"0123456789AB"_s} << xy << QList<int>{0, 1}
        << QList<int>{0} << 0 << u"[A][ | 0123456789...][][x][]"_s;
    QTest::addRow("yandex title 2: its own limit of 30 and its dash")
        << u"yandex"_s << all << QStringList{u"A"_s, sample(31)} << xy << QList<int>{0, 1}
        << QList<int>{0} << 0 << u"[A][ — "_s + sample(30) + u"...][][x][]"_s;
    QTest::addRow("text 2 broken into lines as text 1")
        << u"google"_s << all << abc << QStringList{u"x"_s, sample(14)} << QList<int>{0}
        << QList<int>{0, 1} << 6
        << u"[A][][][x][ "_s + sample(6) + u"<BR>"_s + sample(12).mid(6) + u"<BR>"_s
               + sample(14).mid(12) + u"]"_s;
    QTest::addRow("an older template shows title 1 and text 1 whatever is combined")
        << u"google"_s << u"%TITLE%|%TEXT%"_s << abc << xy << QList<int>{2, 1} << QList<int>{1} << 0
        << u"A|x"_s;
    QTest::addRow("a placeholder typed is escaped text")
        << u"google"_s << all << QStringList{u"%TITLE3%"_s, u"<%TEXT2%>"_s} << xy
        << QList<int>{0, 1} << QList<int>{0} << 0 << u"[%TITLE3%][ | &lt;%TEXT2%&gt;][][x][]"_s;
}

void tst_Preview::morePlaceholders()
{
    QFETCH(QString, rules);
    QFETCH(QString, templateText);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, shownTitles);
    QFETCH(QList<int>, shownTexts);
    QFETCH(int, width);
    QFETCH(QString, expected);

    EngineProfile engine;
    engine.limitTitle = 10;
    engine.limitText = 100;
    engine.limitURL = 100;
    engine.textLineBreak = width;
    engine.templateText = templateText;
    engine.rules = rules;
    AdFields ad;
    for (qsizetype i = 0; i < titles.size(); ++i)
        ad.set(AdField::Title, int(i), titles.at(i));
    for (qsizetype i = 0; i < texts.size(); ++i)
        ad.set(AdField::Text, int(i), texts.at(i));
    QCOMPARE(renderPreview(engine, ad, Combination{shownTitles, shownTexts}), expected);
}

void tst_Preview::showsMoreAssets_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<bool>("more");
    QTest::addRow("default template") << ::defaultTemplate << false;
    QTest::addRow("title 2") << u"%TITLE%%TITLE2%"_s << true;
    QTest::addRow("text 2") << u"<p>%TEXT2%</p>"_s << true;
    QTest::addRow("title 4 is no placeholder") << u"%TITLE4%"_s << false;
    QTest::addRow("inside another") << u"%TITLE%TEXT2%"_s << false;
}

void tst_Preview::showsMoreAssets()
{
    QFETCH(QString, templateText);
    QFETCH(bool, more);
    QCOMPARE(::showsMoreAssets(templateText), more);
}

QTEST_GUILESS_MAIN(tst_Preview)
#include "tst_preview.moc"
